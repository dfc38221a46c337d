// The message pages' phone over the link's transfers: each write is one
// request and counts only when the phone answered PC_OK. Also the clock
// that stamps new messages with the phone's local time.
#pragma once

#include "features/sms/sms_ports.h"
#include "link/transfer/transfers.h"

namespace pdx::pelodex {

class TransfersSmsPhone : public features::SmsPhone {
public:
  explicit TransfersSmsPhone(link::PhoneTransfers &transfers, const link::CPhoneLink &link)
      : transfers_(transfers), link_(link) {}

  bool storeSms(const core::SmsMessage &message) override;
  bool eraseSms(const core::SmsMessage &message) override;
  bool sendSms(const core::SmsMessage &message, std::string_view callback,
               std::string_view recipient) override;
  bool busy() const override { return link_.busy(); }
  // How the last exchange ended.
  link::Outcome lastOutcome() const { return last_; }

private:
  bool done(link::Outcome outcome);

  link::PhoneTransfers &transfers_;
  const link::CPhoneLink &link_;
  link::Outcome last_ = link::Outcome::Ok;
};

} // namespace pdx::pelodex
