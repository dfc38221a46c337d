#include "features/animations/ui/picture_view.h"

#include "winlib/access/accessibility.h"

#include <QImage>
#include <QPainter>

namespace pdx::features {

using animation::CMonoPicture;

PictureView::PictureView(QWidget *parent, const QString &accessibleName) : QWidget(parent) {
  winlib::SetAccessibleRole(this, QAccessible::Graphic);
  setAccessibleName(accessibleName);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureView::setPicture(const CMonoPicture *picture) {
  picture_ = picture != nullptr ? std::optional<CMonoPicture>(*picture) : std::nullopt;
  update();
}

void PictureView::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  const QPoint origin((width() - CMonoPicture::kWidth) / 2, (height() - CMonoPicture::kHeight) / 2);
  painter.setPen(Qt::black);
  painter.drawRect(QRect(origin - QPoint(1, 1), QSize(CMonoPicture::kWidth + 1, CMonoPicture::kHeight + 1)));
  if (!picture_) {
    return;
  }
  QImage image(CMonoPicture::kWidth, CMonoPicture::kHeight, QImage::Format_Mono);
  image.setColor(0, qRgb(255, 255, 255));
  image.setColor(1, qRgb(0, 0, 0));
  for (int y = 0; y < CMonoPicture::kHeight; ++y) {
    for (int x = 0; x < CMonoPicture::kWidth; ++x) {
      image.setPixel(x, y, picture_->pixel(x, y) ? 1 : 0);
    }
  }
  painter.drawImage(origin, image);
}

} // namespace pdx::features
