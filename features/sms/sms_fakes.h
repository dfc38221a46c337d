// Scripted stand-ins for the phone and the clock in tests of the message
// pages.
#pragma once

#include "features/sms/sms_ports.h"

#include <string>
#include <vector>

namespace pdx::features::testing {

class FakeSmsPhone : public SmsPhone {
public:
  struct Send {
    core::SmsMessage message;
    std::string callback;
    std::string recipient;
  };
  bool storeSms(const core::SmsMessage &m) override { return record(stored, m); }
  bool eraseSms(const core::SmsMessage &m) override { return record(erased, m); }
  bool sendSms(const core::SmsMessage &m, std::string_view callback, std::string_view recipient) override {
    sent.push_back({m, std::string(callback), std::string(recipient)});
    return acceptSends;
  }

  // Writes accepted before the phone starts refusing (-1: all accepted).
  int acceptWrites = -1;
  bool acceptSends = true;
  std::vector<core::SmsMessage> stored;
  std::vector<core::SmsMessage> erased;
  std::vector<Send> sent;

private:
  bool record(std::vector<core::SmsMessage> &into, const core::SmsMessage &m) {
    into.push_back(m);
    if (acceptWrites == 0) {
      return false;
    }
    acceptWrites = acceptWrites > 0 ? acceptWrites - 1 : acceptWrites;
    return true;
  }
};

} // namespace pdx::features::testing
