// A message phone whose every exchange runs under the wait cursor with the
// page's list and buttons disabled; they are enabled again afterwards.
#pragma once

#include "features/groups/ui/busy_phone.h"
#include "features/sms/sms_ports.h"

namespace pdx::features {

class BusySmsPhone : public SmsPhone {
public:
  explicit BusySmsPhone(SmsPhone &phone) : phone_(phone) {}
  void setBusyWidgets(std::vector<QWidget *> widgets) { busy_.set(std::move(widgets)); }

  bool storeSms(const core::SmsMessage &message) override;
  bool eraseSms(const core::SmsMessage &message) override;
  bool sendSms(const core::SmsMessage &message, std::string_view callback,
               std::string_view recipient) override;
  bool busy() const override { return busy_.busy() || phone_.busy(); }

private:
  SmsPhone &phone_;
  BusyWidgets busy_;
};

} // namespace pdx::features
