#include "link/transfer/transfers.h"

#include "core/base/user_text.h"
#include "core/data/samples.h"
#include "link/wire/alarm_wire.h"
#include "link/wire/options_wire.h"
#include "link/wire/phonebook_wire.h"

namespace pdx::link {

const char *describe(Outcome outcome) {
  switch (outcome) {
  case Outcome::Ok:
    return text::translateLiteral("pdx::link", "완료되었습니다.");
  case Outcome::NotFound:
    return text::translateLiteral("pdx::link", "휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.");
  case Outcome::PortClosed:
    return text::translateLiteral("pdx::link", "통신 포트를 열 수 없습니다.");
  case Outcome::NoAnswer:
    return text::translateLiteral("pdx::link", "휴대폰이 응답하지 않습니다.");
  case Outcome::WrongPassword:
    return text::translateLiteral("pdx::link", "비밀번호가 틀렸습니다. 비밀번호를 확인하세요.");
  case Outcome::Refused:
    return text::translateLiteral("pdx::link", "휴대폰이 요청을 거부하였습니다.");
  case Outcome::Cancelled:
    return text::translateLiteral("pdx::link", "취소되었습니다.");
  case Outcome::Disconnected:
    return text::translateLiteral("pdx::link", "휴대폰과의 연결이 끊어졌습니다. 케이블을 확인하세요.");
  }
  return text::translateLiteral("pdx::link", "알 수 없는 오류입니다.");
}

PhoneTransfers::PhoneTransfers(CPhoneLink &link, core::PhoneMirror &mirror)
    : link_(link), mirror_(mirror), clock_(link.loop()) {
  link_.setFrameClient(this);
}

PhoneTransfers::~PhoneTransfers() {
  link_.setFrameClient(nullptr);
}

Outcome PhoneTransfers::openPort() {
  if (link_.ensureOpen()) {
    return Outcome::Ok;
  }
  return link_.deviceLost() ? Outcome::Disconnected : Outcome::PortClosed;
}

Outcome PhoneTransfers::startRead(Reading reading, uint8_t code, std::span<const uint8_t> data,
                                  std::initializer_list<uint8_t> followUps) {
  if (const Outcome opened = openPort(); opened != Outcome::Ok) {
    return opened;
  }
  reading_ = reading;
  pending_ = kNotStarted;
  smsDone_ = false;
  arrived_ = Arrivals{};
  cancelled_ = false;
  done_ = total_ = 0;
  link_.busyBegin();
  link_.request(code, data);
  for (uint8_t followUp : followUps) {
    link_.awaitAnswer(followUp);
  }
  return Outcome::Ok;
}

bool PhoneTransfers::readComplete() const {
  switch (reading_) {
  case Reading::Sms:
    return smsDone_;
  case Reading::Phonebook:
    return arrived_.groups && arrived_.speedDials;
  case Reading::Alarms:
    return arrived_.alarms;
  case Reading::Options:
    return arrived_.options;
  case Reading::Slot:
    return !slotRecord_.empty();
  case Reading::None:
    break;
  }
  return false;
}

// Waits until every part of the read has arrived, the phone refused one of
// its requests (the link queues only the answers of this exchange), the
// exchange failed (no answer, wrong password, the device went away) or
// `timeout` passed. Nothing else ends the wait: a stray frame, a queued
// "connected" or the end of the busy state prove nothing.
Outcome PhoneTransfers::waitRead(Millis timeout) {
  EventQueue &events = link_.events();
  const auto refused = [&events] { return events.findRefusal() >= 0; };
  (void)link_.waitUntil(
      [&] { return readComplete() || cancelled_ || events.findFailure() >= 0 || refused(); }, timeout);
  Outcome outcome = Outcome::Ok;
  if (cancelled_) {
    outcome = Outcome::Cancelled;
  } else if (const int failure = events.takeFailure(); failure >= 0) {
    outcome = link_.deviceLost()          ? Outcome::Disconnected
              : failure == kWrongPassword ? Outcome::WrongPassword
                                          : Outcome::NoAnswer;
  } else if (refused()) {
    outcome = Outcome::Refused;
  } else if (!readComplete()) {
    outcome = Outcome::NoAnswer;
  }
  link_.endExchange();
  reading_ = Reading::None;
  pending_ = kNotStarted;
  link_.busyEnd();
  return outcome;
}

Outcome PhoneTransfers::readSms() {
  mirror_.beginRead(Part::Messages);
  if (mirror_.inTestMode()) {
    mirror_.fillSamples(Part::Messages, now());
    return Outcome::Ok;
  }
  if (Outcome started = startRead(Reading::Sms, PC_SMS_INDEX_REQ, {}, {PC_SMS_DATA_REQ});
      started != Outcome::Ok) {
    return started;
  }
  return finishRead(Part::Messages, waitRead(kReadWait));
}

Outcome PhoneTransfers::readPhonebook() {
  if (mirror_.inTestMode()) {
    mirror_.fillSamples(Part::Phonebook, now());
    mirror_.markRead(Part::Phonebook);
    return Outcome::Ok;
  }
  mirror_.beginRead(Part::Phonebook);
  if (Outcome started = startRead(Reading::Phonebook, PC_MBK_INDEX_REQ, {},
                                  {PC_MBK_DATA_REQ, PC_SKEY_DATA_REQ, PC_MGRP_DATA_REQ});
      started != Outcome::Ok) {
    return started;
  }
  return finishRead(Part::Phonebook, waitRead(kReadWait));
}

Outcome PhoneTransfers::readAlarms() {
  mirror_.beginRead(Part::Alarms);
  if (mirror_.inTestMode()) {
    mirror_.fillSamples(Part::Alarms, now());
    mirror_.markRead(Part::Alarms);
    return Outcome::Ok;
  }
  if (Outcome started = startRead(Reading::Alarms, PC_ALM_DATA_REQ, {}, {}); started != Outcome::Ok) {
    return started;
  }
  return finishRead(Part::Alarms, waitRead(kReadWait));
}

Outcome PhoneTransfers::finishRead(Part part, Outcome outcome) {
  if (outcome == Outcome::Ok) {
    mirror_.markRead(part);
  }
  return outcome;
}

} // namespace pdx::link
