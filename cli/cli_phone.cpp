#include "cli/cli_phone.h"

#include "cli/args.h"
#include "core/base/cp949.h"
#include "core/base/user_text.h"
#include "platform/event_loop/system_clock.h"

#include <cstdio>

namespace pdx::cli {

namespace {

constexpr int kRefused = 4;

void say(const std::string &text) {
  std::fprintf(stderr, "pelodex-cli: %s\n", text.c_str());
}

int fail(link::Outcome outcome) {
  say(link::describe(outcome));
  return link::exitStatus(outcome);
}

// Every 50 records read, a line on standard error.
void showProgress(link::PhoneSession &session) {
  int records = 0;
  session.setOnFrame([records](const link::Frame &frame) mutable {
    if (frame.code == link::PC_MBK_DATA_DATA || frame.code == link::PC_SMS_DATA_DATA) {
      if (++records % 50 == 0) {
        std::fprintf(
            stderr, "%s\n",
            text::fill(text::translate("pdx::cli::Phone", "%1개 읽음"), {std::to_string(records)}).c_str());
      }
    }
  });
}

// After a write whose answer was lost: what the phone holds in the slot.
void reportReadBack(int slot, const std::optional<core::PhoneBookEntry> &held) {
  if (held) {
    const std::string what =
        held->isEmpty() ? text::translate("pdx::cli::Phone", "빈 슬롯") : "\"" + held->name.utf8() + "\"";
    say(text::fill(text::translate("pdx::cli::Phone", "휴대폰의 응답이 없어 다시 읽었습니다. %1번 슬롯: %2"),
                   {std::to_string(slot), what}));
  }
}

} // namespace

int notOnAtPhone() {
  say(text::translate(
      "pdx::cli::Phone",
      "이 휴대폰(AT 명령)에는 없는 기능입니다: 단축 다이얼, 알람, 환경 설정, 멜로디와 애니메이션은 원래 "
      "휴대폰에만 있습니다."));
  return kRefused;
}

int atFailure(const at::AtResult &result) {
  say(at::describe(result));
  return atStatus(result);
}

int atStatus(const at::AtResult &result) {
  switch (result.status) {
  case at::AtStatus::Ok:
    return 0;
  case at::AtStatus::PinNeeded:
  case at::AtStatus::PukLocked:
  case at::AtStatus::WrongPin:
  case at::AtStatus::Cancelled:
    return 3;
  case at::AtStatus::Refused:
    return kRefused;
  default:
    return 1;
  }
}

int NativeCliPhone::readPhonebook() {
  showProgress(session_);
  const link::Outcome outcome = session_.transfers().readPhonebook();
  return outcome == link::Outcome::Ok ? 0 : fail(outcome);
}

int NativeCliPhone::readSms() {
  showProgress(session_);
  const link::Outcome outcome = session_.transfers().readSms();
  return outcome == link::Outcome::Ok ? 0 : fail(outcome);
}

int NativeCliPhone::writeEntry(int slot, const core::PhoneBookEntry &entry) {
  const link::Outcome outcome = session_.transfers().writePhonebookSlot(static_cast<uint8_t>(slot), entry);
  reportReadBack(slot, session_.transfers().lastReadBack());
  return outcome == link::Outcome::Ok ? 0 : fail(outcome);
}

int NativeCliPhone::sendText(std::string_view to, const std::optional<std::string> &callback,
                             std::string_view utf8) {
  const std::string bytes = text::fromUtf8(utf8);
  if (bytes.size() > 85) {
    say(text::translate("pdx::cli::Phone", "메시지가 너무 깁니다 (85바이트까지)."));
    return kBadArguments;
  }
  core::SmsMessage message;
  message.setTime(core::koreanTimeAt(platform::SystemClock().utcSeconds()));
  message.text.set(bytes);
  const link::Outcome outcome =
      session_.transfers().sendSms(message, callback.value_or(this->callback()), to);
  return outcome == link::Outcome::Ok ? 0 : fail(outcome);
}

void AtCliPhone::tellNotes() const {
  for (const at::ContactNote &note : session_.notes()) {
    say(note.name + ": " + note.text);
  }
}

int AtCliPhone::readPhonebook() {
  const at::AtResult result = session_.readPhonebook(memory_);
  if (!result.ok()) {
    return atFailure(result);
  }
  phonebookRead_ = true;
  tellNotes();
  return 0;
}

int AtCliPhone::readSms() {
  const at::AtResult result = session_.readMessages(storage_);
  return result.ok() ? 0 : atFailure(result);
}

int AtCliPhone::writeEntry(int slot, const core::PhoneBookEntry &entry) {
  // The slot's phone entries are known from a read only.
  if (!phonebookRead_) {
    if (const int status = readPhonebook()) {
      return status;
    }
  }
  const at::AtResult result = session_.writeEntry(slot, entry);
  tellNotes();
  return result.ok() ? 0 : atFailure(result);
}

int AtCliPhone::sendText(std::string_view to, const std::optional<std::string> &, std::string_view utf8) {
  const at::AtResult result = session_.sendText(to, utf8);
  return result.ok() ? 0 : atFailure(result);
}

int AtCliPhone::smsStatus() const {
  return atStatus(sms_.lastResult());
}

} // namespace pdx::cli
