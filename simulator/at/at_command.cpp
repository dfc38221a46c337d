#include "simulator/at/at_command.h"

#include "link/at/at_lines.h"
#include "link/at/text_codec.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace pdx::simulator::at {

using Answer = AtModem::Answer;

std::string upper(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
  return out;
}

std::optional<int> toInt(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() ? std::optional<int>(value) : std::nullopt;
}

Command split(std::string_view text) {
  const size_t end = std::min(text.find_first_of("=?"), text.size());
  Command command{upper(text.substr(0, end)), std::string(text.substr(end, 2)), {}};
  if (command.form == "=?" || command.form.starts_with('?')) {
    command.form = command.form.starts_with('?') ? "?" : "=?";
  } else if (command.form.starts_with('=')) {
    command.form = "=";
    command.args = pdx::at::fieldsOf(command.name + ":" + std::string(text.substr(end + 1)), command.name)
                       .value_or(std::vector<std::string>{});
  }
  return command;
}

size_t tpduLength(std::string_view hex) {
  const auto sca = pdx::at::fromHex(hex.substr(0, 2));
  const size_t prefix = sca ? 1 + (*sca)[0] : 0;
  return hex.size() / 2 > prefix ? hex.size() / 2 - prefix : 0;
}

Answer ok(std::vector<std::string> lines) {
  return Answer{std::move(lines)};
}
Answer cme(int code) {
  return Answer{{}, code};
}
Answer cms(int code) {
  return Answer{{}, -1, code};
}
Answer error() {
  return Answer{{}, -1, -1, true};
}

} // namespace pdx::simulator::at
