// The 128-byte option record.
#pragma once

#include "core/data/records.h"
#include "link/wire/wire_io.h"

namespace pdx::link::wire {

inline constexpr size_t kOptionRecordSize = 128;

Bytes encodeOptions(const core::PhoneOptions &options);
core::PhoneOptions decodeOptions(std::span<const uint8_t> record);

} // namespace pdx::link::wire
