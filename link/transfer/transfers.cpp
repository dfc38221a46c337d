#include "link/transfer/transfers.h"

#include "core/data/samples.h"
#include "link/wire/alarm_wire.h"
#include "link/wire/options_wire.h"
#include "link/wire/phonebook_wire.h"

#include <ctime>

namespace pdx::link {

const char *describe(Outcome outcome) {
  switch (outcome) {
  case Outcome::Ok:
    return "완료되었습니다.";
  case Outcome::NotFound:
    return "휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.";
  case Outcome::PortClosed:
    return "통신 포트를 열 수 없습니다.";
  case Outcome::NoAnswer:
    return "휴대폰이 응답하지 않습니다.";
  case Outcome::WrongPassword:
    return "비밀번호가 틀렸습니다. 비밀번호를 확인하세요.";
  case Outcome::Refused:
    return "휴대폰이 요청을 거부하였습니다.";
  case Outcome::Cancelled:
    return "취소되었습니다.";
  }
  return "알 수 없는 오류입니다.";
}

PhoneTransfers::PhoneTransfers(CPhoneLink &link, core::CDataStore *store)
    : link_(link), store_(store), clock_([] { return static_cast<int64_t>(std::time(nullptr)); }) {
  link_.setFrameClient(this);
}

PhoneTransfers::~PhoneTransfers() {
  link_.setFrameClient(nullptr);
}

Outcome PhoneTransfers::startRead(uint8_t code, bool Arrivals::*watched) {
  if (!link_.ensureOpen()) {
    return Outcome::PortClosed;
  }
  link_.events().clear();
  arrived_.*watched = false;
  cancelled_ = false;
  done_ = total_ = 0;
  link_.busyBegin();
  link_.request(code, {});
  return Outcome::Ok;
}

// Waits until the watched record arrived, a connection result came, the
// exchange ended or 60 s passed. A refusal of the request also ends the
// wait: the phone will not send the data it refused.
Outcome PhoneTransfers::waitRead(uint8_t code, bool Arrivals::*watched, bool resultFromFlag) {
  EventQueue &events = link_.events();
  const Millis start = link_.loop().now();
  const bool ended = link_.waitUntil(
      [&] {
        return arrived_.*watched || cancelled_ || events.findResult() >= 0 || !link_.busy() ||
               events.findAnswer(code) >= 0;
      },
      kReadWait);
  Outcome outcome = Outcome::Ok;
  if (cancelled_) {
    outcome = Outcome::Cancelled;
  } else if (events.findResult() >= 0) {
    const int result = events.takeResult();
    outcome = result == kConnected       ? Outcome::Ok
              : result == kWrongPassword ? Outcome::WrongPassword
                                         : Outcome::NoAnswer;
  } else if (events.takeAnswer(code) == PC_NG) {
    outcome = Outcome::Refused;
  } else if (resultFromFlag) {
    outcome = arrived_.*watched ? Outcome::Ok : Outcome::NoAnswer;
  } else if (!ended || link_.loop().now() - start >= kReadWait) {
    outcome = Outcome::NoAnswer;
  }
  arrived_.*watched = false;
  link_.busyEnd();
  return outcome;
}

Outcome PhoneTransfers::readSms() {
  if (store_ != nullptr) {
    store_->receivedSms.clear();
    store_->savedSms.clear();
    if (store_->testMode) {
      core::fillSampleSms(*store_);
      return Outcome::Ok;
    }
  }
  if (Outcome started = startRead(PC_SMS_INDEX_REQ, &Arrivals::sms); started != Outcome::Ok) {
    return started;
  }
  const Outcome outcome = waitRead(PC_SMS_INDEX_REQ, &Arrivals::sms, false);
  if (outcome == Outcome::Ok && store_ != nullptr) {
    store_->read.receivedBox = true;
    store_->read.savedBox = true;
  }
  return outcome;
}

Outcome PhoneTransfers::readPhonebook() {
  if (store_ != nullptr) {
    if (store_->testMode) {
      core::fillSamplePhonebook(*store_);
      store_->read.phonebook = true;
      return Outcome::Ok;
    }
    store_->beginPhonebookRead();
  }
  if (Outcome started = startRead(PC_MBK_INDEX_REQ, &Arrivals::groups); started != Outcome::Ok) {
    return started;
  }
  const Outcome outcome = waitRead(PC_MBK_INDEX_REQ, &Arrivals::groups, true);
  if (outcome == Outcome::Ok && store_ != nullptr) {
    store_->read.phonebook = true;
  }
  return outcome;
}

Outcome PhoneTransfers::readAlarms() {
  if (store_ != nullptr) {
    store_->alarms.clear();
    if (store_->testMode) {
      core::fillSampleAlarms(*store_, core::CivilTime::nowInKorea());
      store_->read.alarms = true;
      return Outcome::Ok;
    }
  }
  if (Outcome started = startRead(PC_ALM_DATA_REQ, &Arrivals::alarms); started != Outcome::Ok) {
    return started;
  }
  const Outcome outcome = waitRead(PC_ALM_DATA_REQ, &Arrivals::alarms, true);
  if (outcome == Outcome::Ok && store_ != nullptr) {
    store_->read.alarms = true;
  }
  return outcome;
}

} // namespace pdx::link
