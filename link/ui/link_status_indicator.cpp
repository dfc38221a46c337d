#include "link/ui/link_status_indicator.h"

#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/access/accessibility.h"

#include <QPainter>

namespace pdx::link {

LinkStatusIndicator::LinkStatusIndicator(QWidget *page, LinkStatus &status) : QWidget(page), status_(status) {
  setGeometry(kPlace);
  // Screen readers hear the state's text, and each change of it.
  winlib::SetAccessibleRole(this, QAccessible::StatusBar);
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    frame_ = (frame_ + 1) % frameCount_;
    update();
  });
  subscription_ = status_.subscribe([this](LinkStatus::State state) { showState(state); });
  showState(status_.state());
}

LinkStatusIndicator::~LinkStatusIndicator() {
  status_.unsubscribe(subscription_);
}

void LinkStatusIndicator::showState(LinkStatus::State state) {
  static constexpr int kBitmaps[] = {0, resources::kLinkConnected, resources::kLinkNotConnected,
                                     resources::kLinkSearching, resources::kLinkTransfer};
  timer_.stop();
  frame_ = 0;
  if (state == LinkStatus::Hidden) {
    setVisible(false);
    return;
  }
  picture_ = resources::ResourceStore::instance().pixmap(kBitmaps[state]);
  winlib::AnnounceName(this, winlib::ResourceName(kBitmaps[state]));
  const bool animated = state == LinkStatus::Busy || state == LinkStatus::BusyAlternate;
  frameCount_ = animated ? kFrames : 1;
  if (animated) {
    timer_.start();
  }
  setVisible(true);
  update();
}

void LinkStatusIndicator::paintEvent(QPaintEvent *) {
  QPainter painter(this);
  const int width = picture_.width() / frameCount_;
  painter.drawPixmap(0, 0, picture_, frame_ * width, 0, width, picture_.height());
}

} // namespace pdx::link
