// The program with a phone of today over AT commands: the log-on with the
// SIM's PIN, the reads behind the pages, the phonebook memory choice and
// the new-message notices.
#include "apps/pelodex/ui/pelodex_app.h"
#include "apps/pelodex/ui/pin_dialog.h"
#include "core/base/user_text.h"
#include "features/sms/ui/received_page.h"
#include "link/connection/logon.h"
#include "platform/serial/port_table.h"
#include "resources/translations/translation.h"
#include "winlib/bmp_message_box.h"
#include "winlib/wait_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace pdx::pelodex {
namespace {

// The memories a phone of today keeps its phonebook in, as the choice lists them.
struct Memory {
  const char *name;
  const char *caption;
};
constexpr Memory kMemories[] = {{"SM", QT_TRANSLATE_NOOP("PelodexApp", "SIM 카드")},
                                {"ME", QT_TRANSLATE_NOOP("PelodexApp", "휴대폰 메모리")}};

link::Outcome outcomeOf(const at::AtResult &result) {
  switch (result.status) {
  case at::AtStatus::Ok:
    return link::Outcome::Ok;
  case at::AtStatus::HungUp:
    return link::Outcome::Disconnected;
  case at::AtStatus::NoAnswer:
    return link::Outcome::NoAnswer;
  default:
    return link::Outcome::Refused;
  }
}

} // namespace

bool PelodexApp::logOnAt(bool forced) {
  while (true) {
    std::string device;
    if (std::unique_ptr<AtSession> session = findAt(forced, device)) {
      connectAt(std::move(session), device);
      return true;
    }
    if (!forced) {
      return false;
    }
    const std::string notFound =
        text::translateLiteral("pdx::link::LogOn", "휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.") +
        std::string("\n") + text::translate("PelodexApp", "[취소]를 누르면 휴대폰 없이 사용합니다.");
    if (Message(notFound, winlib::kMbRetryCancel | winlib::kMbIconStop) != winlib::kIdRetry) {
      offline_ = true;
      return true;
    }
  }
}

std::unique_ptr<AtSession> PelodexApp::findAt(bool shown, std::string &device) {
  bool stopped = false;
  std::optional<winlib::CWaitWindow> wait;
  if (shown) {
    wait.emplace(CurrentWindow(),
                 resources::translate("PelodexApp", "휴대폰을 찾고 있습니다. 잠시만 기다려주세요."),
                 [&stopped] { stopped = true; });
    wait->show();
    wait->activateWindow();
    wait->setFocus();
  }
  const int preferred = options_.device ? 0 : settings_.number("Communication", "Port", 0);
  for (const std::string &name : platform::searchDevices(ports(), preferred)) {
    if (stopped) {
      break;
    }
    atPort_ = std::make_unique<platform::CCommPort>(loop_, platform::PortTable{name});
    auto session = std::make_unique<AtSession>(*atPort_, loop_, store_);
    if (atPort_->open(0) && session->phone().probe().ok()) {
      device = name;
      return session;
    }
    atPort_->close();
    session.reset();
    atPort_.reset();
  }
  return nullptr;
}

void PelodexApp::connectAt(std::unique_ptr<AtSession> session, const std::string &device) {
  const at::AtResult result = session->connect(0, pinAsker());
  if (!result.ok()) {
    if (result.status != at::AtStatus::Cancelled) {
      Message(at::describe(result), winlib::kMbOk | winlib::kMbIconStop);
    }
    offline_ = true;
    return;
  }
  at_ = std::move(session);
  atPhone_ = std::make_unique<AtPhonebookPhone>(*at_);
  atSms_ = std::make_unique<AtSmsPhone>(*at_);
  at_->setOnNewMessage(
      [this](const std::string &, int) { QTimer::singleShot(0, [this] { onNewMessage(); }); });
  at_->setOnHangUp([this] { onAtHangUp(); });
  link_.status().set(link::LinkStatus::Connected);
  const platform::PortTable table = ports();
  for (size_t port = 0; port < table.size() && !options_.device; ++port) {
    if (table[port] == device) {
      settings_.setNumber("Communication", "Port", static_cast<int>(port));
      settings_.sync();
    }
  }
}

link::Outcome PelodexApp::readAtPhonebook() {
  return outcomeOf(at_->readPhonebook(atMemory_));
}

link::Outcome PelodexApp::readAtMessages() {
  return outcomeOf(at_->readMessages("SM"));
}

PinAsker PelodexApp::pinAsker() {
  return [this](int attemptsLeft) { return PinDialog::ask(CurrentWindow(), attemptsLeft); };
}

// The session stays (a command may still be on its way out), on a closed
// port; the pages that need the phone go as for the original phone, and
// the device is looked for again.
void PelodexApp::onAtHangUp() {
  at_->close();
  if (atLost_) {
    return; // a device that went again while logging on: the attempt says so
  }
  atLost_ = true;
  link_.status().settle(link::LinkStatus::NotConnected);
  onPhonePresence(false);
  atRejoin_.start();
}

// Waits for the loss to be told and for no dialog to be open. The window
// takes no input while the phone's answers are awaited in place. A device
// still absent or silent is tried again; a SIM that stays locked is told
// once, and the program goes on without the phone until it starts again.
void PelodexApp::rejoinAt() {
  const QPointer<QWidget> window = CurrentWindow();
  if (!atLost_ || whenIdle_.pending() || window == nullptr || !window->isEnabled() ||
      QApplication::activeModalWidget() != nullptr) {
    return;
  }
  atRejoin_.stop();
  window->setEnabled(false);
  const at::AtResult result = at_->connect(0, pinAsker());
  if (window != nullptr) {
    window->setEnabled(true);
  }
  if (result.ok()) {
    atLost_ = false;
    link_.status().set(link::LinkStatus::Connected);
    onPhonePresence(true);
  } else if (result.status == at::AtStatus::HungUp || result.status == at::AtStatus::NoAnswer) {
    atRejoin_.start();
  } else if (result.status != at::AtStatus::Cancelled) {
    Message(at::describe(result), winlib::kMbOk | winlib::kMbIconStop);
  }
}

// A notice came while the phone may be busy with a command or the user
// with a dialog: the refresh waits until the page takes input again.
void PelodexApp::onNewMessage() {
  QWidget *window = CurrentWindow();
  if (window == nullptr) {
    return;
  }
  if (!window->isEnabled() || QApplication::activeModalWidget() != nullptr) {
    QTimer::singleShot(500, [this] { onNewMessage(); });
    return;
  }
  if (qobject_cast<features::CSmsReceivedPage *>(window) != nullptr &&
      ReadWithRetry(link::ReadKind::Sms, [this] { return readAtMessages(); })) {
    ShowSmsPage(true);
    window = CurrentWindow();
  }
  auto *notice = new QLabel(resources::translate("PelodexApp", "새 메시지가 도착했습니다."), window);
  notice->setObjectName(QStringLiteral("newMessageNotice"));
  notice->setAccessibleName(notice->text());
  notice->setStyleSheet(QStringLiteral("background: #ffffe0; color: black; padding: 2px;"));
  notice->adjustSize();
  notice->move(8, window->height() - notice->height() - 8);
  notice->show();
}

void PelodexApp::addMemoryChoice(QWidget *page) {
  auto *choice = new QComboBox(page);
  choice->setObjectName(QStringLiteral("phonebookMemory"));
  choice->setAccessibleName(resources::translate("PelodexApp", "전화번호부 메모리"));
  choice->setToolTip(choice->accessibleName());
  for (const Memory &memory : kMemories) {
    choice->addItem(resources::translate("PelodexApp", memory.caption), QString::fromLatin1(memory.name));
    if (atMemory_ == memory.name) {
      choice->setCurrentIndex(choice->count() - 1);
    }
  }
  choice->setFocusPolicy(Qt::StrongFocus);
  choice->adjustSize();
  choice->move(page->width() - choice->width() - 12, 12);
  choice->show();
  QObject::connect(choice, &QComboBox::activated, [this, choice](int index) {
    const std::string memory = choice->itemData(index).toString().toStdString();
    if (memory != atMemory_) {
      // The page goes with the choice: the switch waits for the signal's end.
      QTimer::singleShot(0, [this, memory] {
        const std::string before = atMemory_;
        atMemory_ = memory;
        if (!OpenPhonebook()) {
          atMemory_ = before;
        }
      });
    }
  });
}

void PelodexApp::markNativeOnly(winlib::CBmpButton *button) {
  button->Enable(false);
  button->setToolTip(resources::translate("PelodexApp", "이 휴대폰(AT 방식)에는 없는 기능입니다."));
  button->setAccessibleDescription(button->toolTip());
}

} // namespace pdx::pelodex
