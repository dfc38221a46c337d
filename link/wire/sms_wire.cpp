#include "link/wire/sms_wire.h"

namespace pdx::link::wire {
namespace {

constexpr size_t kNumberOffset = 10;
constexpr size_t kLengthOffset = 42;

} // namespace

Bytes encodeSmsRecord(const core::SmsMessage &message, SmsOperation operation) {
  Bytes out(kSmsRecordSize, 0);
  out[0] = static_cast<uint8_t>(message.slot);
  out[1] = static_cast<uint8_t>(operation);
  out[2] = static_cast<uint8_t>(message.readState | message.attributes);
  out[3] = static_cast<uint8_t>(message.kind);
  out[4] = static_cast<uint8_t>((message.year - 1900) & 0xFF);
  out[5] = message.month;
  out[6] = message.day;
  out[7] = message.hour;
  out[8] = message.minute;
  out[9] = message.second;
  putText(out, kNumberOffset, message.number.view(), 32);
  const std::string_view text = message.text.view();
  out[kLengthOffset] = static_cast<uint8_t>(text.size());
  putText(out, kSmsTextOffset, text, 85);
  return out;
}

Bytes encodeSmsSet(const core::SmsMessage &message, SmsOperation operation) {
  Bytes out = encodeSmsRecord(message, operation);
  out.resize(kSmsTextOffset + message.text.view().size());
  return out;
}

Bytes encodeSmsSend(const core::SmsMessage &message, std::string_view callback, std::string_view recipient) {
  Bytes out = encodeSmsRecord(message, SmsOperation::Erase);
  std::fill_n(out.begin() + kNumberOffset, 32, 0);
  putText(out, kNumberOffset, callback, 32);
  out.resize(kSmsSendSize, 0);
  putText(out, kSmsRecordSize, recipient, 32);
  return out;
}

core::SmsMessage decodeSmsRecord(std::span<const uint8_t> record) {
  const Bytes in = padded(record, kSmsRecordSize);
  core::SmsMessage message;
  message.slot = in[0];
  message.readState = in[2];
  message.attributes = in[2];
  message.kind = in[3];
  message.year = static_cast<uint16_t>(in[4] + 1900);
  message.month = in[5];
  message.day = in[6];
  message.hour = in[7];
  message.minute = in[8];
  message.second = in[9];
  message.number.set(getText(in, kNumberOffset, 32));
  const size_t length = std::min<size_t>(in[kLengthOffset], 85);
  message.text.set(getText(in, kSmsTextOffset, length));
  return message;
}

} // namespace pdx::link::wire
