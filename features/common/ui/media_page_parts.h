// Pieces the melody and animation pages share: their context, labels, the
// user's message boxes, and the phone whose sends run with the page
// disabled under the wait cursor.
#pragma once

#include "core/base/event_loop.h"
#include "features/common/media_ports.h"
#include "features/common/ui/busy_widgets.h"
#include "features/common/ui/page_frame.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

class QPainter;

namespace pdx::features {

// What the melody and animation pages borrow from the program.
struct MediaPageContext {
  std::filesystem::path folder;
  MediaPhone &phone;
  ProgramStarter &starter;
  EventLoop &loop;
  PageContext page;
  // Stands in for the message boxes (tests).
  MediaUser *user = nullptr;
};

struct PageLabel {
  QPoint at; // top left of the text line
  QString text;
};
// Draws labels in the page's bold label font.
void drawPageLabels(QPainter &painter, const std::vector<PageLabel> &labels);

class MessageBoxUser : public MediaUser {
public:
  explicit MessageBoxUser(QWidget *owner) : owner_(owner) {}
  void tell(const std::string &message, bool error) override;

private:
  QPointer<QWidget> owner_;
};

// Sends through `phone` with `page` disabled under the wait cursor; the
// page is enabled again only when it still exists.
class BusyMediaPhone : public MediaPhone {
public:
  BusyMediaPhone(MediaPhone &phone, QWidget *page) : phone_(phone) { busy_.set({page}); }
  bool sendMelody(std::span<const uint8_t> payload) override;
  bool sendAnimation(std::span<const uint8_t> payload) override;

private:
  MediaPhone &phone_;
  BusyWidgets busy_;
};

} // namespace pdx::features
