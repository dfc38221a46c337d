// What the connected phone offers, and how Pelodex finds out which phone it
// is. The original handset has every part; a phone of today over AT
// commands has its phonebook and messages only, so the pages and the
// command line disable the rest for it.
#pragma once

#include <optional>
#include <string_view>

namespace pdx::features {

enum class PhoneProtocol { Native, At };

struct PhoneFeatures {
  bool phonebook = true;
  bool messages = true;
  bool speedDials = true;
  bool alarms = true;
  bool options = true;
  bool media = true; // the melody and animation slots

  static constexpr PhoneFeatures of(PhoneProtocol protocol) {
    const bool native = protocol == PhoneProtocol::Native;
    return {true, true, native, native, native, native};
  }
};

// The setting "Protocol" of section "Communication" and --protocol: auto
// (the original handshake first, then AT on the ports that did not answer
// it), native or at.
enum class ProtocolChoice { Auto, Native, At };
inline constexpr const char *kProtocolSection = "Communication";
inline constexpr const char *kProtocolKey = "Protocol";

inline std::optional<ProtocolChoice> protocolChoice(std::string_view name) {
  if (name == "auto" || name.empty()) {
    return ProtocolChoice::Auto;
  }
  if (name == "native") {
    return ProtocolChoice::Native;
  }
  if (name == "at") {
    return ProtocolChoice::At;
  }
  return std::nullopt;
}

} // namespace pdx::features
