// A message phone whose every exchange runs under the wait cursor with the
// page's list and buttons disabled; they are enabled again afterwards.
#pragma once

#include "features/sms/sms_ports.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace pdx::features {

class BusySmsPhone : public SmsPhone {
public:
  explicit BusySmsPhone(SmsPhone &phone) : phone_(phone) {}
  void setBusyWidgets(std::vector<QWidget *> widgets) { widgets_.assign(widgets.begin(), widgets.end()); }

  bool storeSms(const core::SmsMessage &message) override;
  bool eraseSms(const core::SmsMessage &message) override;
  bool sendSms(const core::SmsMessage &message, std::string_view callback,
               std::string_view recipient) override;
  bool busy() const override { return busy_ || phone_.busy(); }

private:
  template <typename Exchange> bool whileBusy(Exchange exchange);

  SmsPhone &phone_;
  std::vector<QPointer<QWidget>> widgets_;
  bool busy_ = false;
};

} // namespace pdx::features
