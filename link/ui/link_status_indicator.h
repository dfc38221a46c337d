// The link status indicator at the bottom left of every page: a picture of
// the phone connected or not, or an animation while the phone is searched
// for or data are exchanged. It shows the link's status and follows it.
#pragma once

#include "link/connection/link_status.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace pdx::link {

class LinkStatusIndicator : public QWidget {
public:
  static constexpr QRect kPlace{5, 433, 180, 22};
  static constexpr int kFrames = 12;
  static constexpr int kFrameMs = 150;

  // Placed on `page`; follows `status` until destroyed.
  LinkStatusIndicator(QWidget *page, LinkStatus &status);
  ~LinkStatusIndicator() override;

  int frame() const { return frame_; }

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  void showState(LinkStatus::State state);

  LinkStatus &status_;
  int subscription_ = 0;
  QPixmap picture_;
  int frameCount_ = 1;
  int frame_ = 0;
  QTimer timer_;
};

} // namespace pdx::link
