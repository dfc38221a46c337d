// The 129-byte SMS record and the requests built on it.
#pragma once

#include "core/data/records.h"
#include "link/wire/wire_io.h"

namespace pdx::link::wire {

inline constexpr size_t kSmsRecordSize = 129;
inline constexpr size_t kSmsTextOffset = 43;
inline constexpr size_t kSmsSendSize = 161;

enum class SmsOperation : uint8_t { Erase = 0, Write = 1 };

// The full record; byte 2 = read state | attributes.
Bytes encodeSmsRecord(const core::SmsMessage &message, SmsOperation operation);
// The set request: the record up to the end of the text (43 + length bytes).
Bytes encodeSmsSet(const core::SmsMessage &message, SmsOperation operation);
// The send request: the record with the callback number in the number
// field, then the recipient's number (32 bytes).
Bytes encodeSmsSend(const core::SmsMessage &message, std::string_view callback, std::string_view recipient);
core::SmsMessage decodeSmsRecord(std::span<const uint8_t> record);

} // namespace pdx::link::wire
