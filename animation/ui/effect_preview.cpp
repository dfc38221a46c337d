#include "animation/ui/effect_preview.h"

#include "animation/ui/picture_image.h"
#include "winlib/access/accessibility.h"

#include <QCoreApplication>
#include <QPainter>

namespace pdx::animation {

CEffectPreview::CEffectPreview(QWidget *parent, RandomSource &random) : QWidget(parent), player_(random) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  winlib::SetAccessibleRole(this, QAccessible::Animation);
  setAccessibleName(QCoreApplication::translate("pdx::animation::ui", "효과 미리보기"));
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, [this] { (void)Tick(); });
}

void CEffectPreview::SetAnimation(const CAnimation *animation) {
  Stop();
  animation_ = animation;
  update();
}

void CEffectPreview::Play() {
  if (animation_ == nullptr) {
    return;
  }
  ticks_ = 0;
  const bool more = player_.start(animation_->effect(), *animation_);
  update();
  more ? timer_.start() : Stop();
}

void CEffectPreview::Stop() {
  timer_.stop();
  update();
}

bool CEffectPreview::Tick() {
  if (!timer_.isActive()) {
    return false;
  }
  ++ticks_;
  const bool more = player_.next();
  if (!more) {
    // The last frame was shown at the previous tick; back to the picture.
    timer_.stop();
  }
  update();
  return more;
}

const CMonoPicture *CEffectPreview::Shown() const {
  if (animation_ == nullptr) {
    return nullptr;
  }
  return timer_.isActive() ? &player_.display() : animation_;
}

void CEffectPreview::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QPoint at((width() - CMonoPicture::kWidth) / 2, (height() - CMonoPicture::kHeight) / 2);
  painter.setPen(Qt::black);
  painter.drawRect(at.x() - 1, at.y() - 1, CMonoPicture::kWidth + 1, CMonoPicture::kHeight + 1);
  if (const CMonoPicture *shown = Shown()) {
    painter.drawImage(at, pictureImage(*shown));
  }
}

} // namespace pdx::animation
