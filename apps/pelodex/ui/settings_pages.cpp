// The pages of the phone's own settings: speed dials, alarms and options.
#include "apps/pelodex/ui/pelodex_app.h"
#include "features/alarms/ui/alarm_page.h"
#include "features/options/ui/options_page.h"
#include "features/speeddial/ui/speed_dial_page.h"
#include "resources/resource_ids.h"

namespace pdx::pelodex {
using namespace core;
namespace {

constexpr int kSpeedDialHelp = 2107;
constexpr int kAlarmHelp = 2110;
constexpr int kOptionsHelp = 2111;

} // namespace

void PelodexApp::OpenSpeedDial() {
  features::SpeedDialPageContext context{store_,
                                         phone_,
                                         settings_,
                                         [this] { OpenPhonebook(false); },
                                         PageContextFor(kSpeedDialHelp),
                                         [this] { return link_.busy(); },
                                         nullptr,
                                         {}};
  ShowPage(new features::CSpeedDialPage(context), resources::kPageSpeedDial);
}

void PelodexApp::OpenAlarms() {
  if (!ReadWithRetry(link::ReadKind::Alarms, [this] { return transfers_.readAlarms(); })) {
    return;
  }
  features::AlarmPageContext context{
      store_, phone_, clock_, PageContextFor(kAlarmHelp), [this] { return link_.busy(); }, nullptr, {}};
  ShowPage(new features::CAlarmPage(context), resources::kPageAlarm);
}

void PelodexApp::OpenPhoneSettings() {
  // Only a record the phone has just given is shown and applied: without
  // one the user stays on the menu.
  if (!ReadWithRetry(link::ReadKind::Options, [this] { return transfers_.readOptions(); })) {
    return;
  }
  features::OptionsPageContext context{store_, phone_, PageContextFor(kOptionsHelp)};
  ShowPage(new features::COptionsPage(context), resources::kPageOptions);
}

} // namespace pdx::pelodex
