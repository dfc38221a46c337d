// The program's message pages: the read of both boxes, the message menu and
// the received and sent pages.
#include "apps/pelodex/ui/pelodex_app.h"
#include "features/sms/ui/received_page.h"
#include "features/sms/ui/sent_page.h"
#include "features/sms/ui/sms_menu_page.h"
#include "link/ui/link_status_indicator.h"
#include "resources/resource_ids.h"

namespace pdx::pelodex {
using namespace core;

void PelodexApp::OpenSms() {
  if (ReadWithRetry(link::ReadKind::Sms, [this] { return at_ ? readAtMessages() : transfers_.readSms(); })) {
    ShowSmsMenu();
  }
}

void PelodexApp::ShowSmsMenu() {
  using Menu = features::CSmsMenuPage;
  auto *page = new Menu({{Menu::kReceived, [this] { ShowSmsPage(true); }},
                         {Menu::kSent, [this] { ShowSmsPage(false); }},
                         {Menu::kBack, [this] { ShowMenu(); }},
                         {Menu::kExit, [this] { AskExit(); }}});
  ShowPage(page, resources::kPageSms);
  new link::LinkStatusIndicator(page, link_.status());
}

void PelodexApp::ShowSmsPage(bool received) {
  // The picker reads the phone phonebook once; the PC's own groups stay as
  // they are (the read refills the group table).
  const auto readPhonebook = [this] {
    if (store_.read.phonebook) {
      return true;
    }
    const PhonebookList mirror = store_.phonePhonebook;
    const GroupTable phoneGroups = store_.phoneGroups;
    const GroupTable pcGroups = store_.pcGroups;
    const bool read = ReadWithRetry(link::ReadKind::Phonebook,
                                    [this] { return at_ ? readAtPhonebook() : transfers_.readPhonebook(); });
    store_.pcGroups = pcGroups;
    if (!read) {
      store_.phonePhonebook = mirror;
      store_.phoneGroups = phoneGroups;
    }
    return read;
  };
  features::SmsPageContext context{store_,
                                   at_ ? static_cast<features::SmsPhone &>(*atSms_) : smsPhone_,
                                   clock_,
                                   link_.phoneInfo(),
                                   settings_,
                                   QString::fromStdString(folders_.message.string()),
                                   PageContextFor(received ? 2102 : 2103, [this] { ShowSmsMenu(); }),
                                   readPhonebook,
                                   nullptr,
                                   nullptr};
  if (at_) {
    context.wholeText = [this](const core::SmsMessage &message) { return at_->textOf(message); };
  }
  winlib::CBmpWnd *page = received ? static_cast<winlib::CBmpWnd *>(new features::CSmsReceivedPage(context))
                                   : new features::CSmsSentPage(context);
  ShowPage(page, received ? resources::kPageSmsReceived : resources::kPageSmsSent);
  new link::LinkStatusIndicator(page, link_.status());
}

} // namespace pdx::pelodex
