#include "features/sms/ui/busy_sms_phone.h"

#include <QApplication>

namespace pdx::features {

template <typename Exchange> bool BusySmsPhone::whileBusy(Exchange exchange) {
  std::vector<QPointer<QWidget>> disabled;
  for (const QPointer<QWidget> &w : widgets_) {
    if (w && w->isEnabled()) {
      w->setEnabled(false);
      disabled.push_back(w);
    }
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  busy_ = true;
  const bool ok = exchange();
  busy_ = false;
  QApplication::restoreOverrideCursor();
  for (const QPointer<QWidget> &w : disabled) {
    if (w) {
      w->setEnabled(true);
    }
  }
  return ok;
}

bool BusySmsPhone::storeSms(const core::SmsMessage &message) {
  return whileBusy([&] { return phone_.storeSms(message); });
}

bool BusySmsPhone::eraseSms(const core::SmsMessage &message) {
  return whileBusy([&] { return phone_.eraseSms(message); });
}

bool BusySmsPhone::sendSms(const core::SmsMessage &message, std::string_view callback,
                           std::string_view recipient) {
  return whileBusy([&] { return phone_.sendSms(message, callback, recipient); });
}

} // namespace pdx::features
