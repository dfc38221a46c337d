// The user as the pages meet them: messages and OK/Cancel questions in the
// suite's message box over an owner window, and the cancel key.
#pragma once

#include "features/common/page_user.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace pdx::winlib {
class CWaitWindow;
}

namespace pdx::features {

// A change of several rows shows the wait window with its progress, whose
// Esc or Cancel asks the change to stop.
class DialogUser : public PageUser {
public:
  explicit DialogUser(QWidget *owner = nullptr);
  ~DialogUser() override;
  void setOwner(QWidget *owner) { owner_ = owner; }

  void tell(const std::string &message) override;
  bool ask(const std::string &question) override;
  // Handles pending input first, so that an Esc typed meanwhile counts.
  bool cancelRequested() override;
  void progress(int done, int total) override;

  // Set by the owner's Esc key; cleared when an operation begins.
  void setCancel(bool on) { cancel_ = on; }

private:
  QPointer<QWidget> owner_;
  bool cancel_ = false;
  std::unique_ptr<winlib::CWaitWindow> wait_;
};

} // namespace pdx::features
