#include "cli/args.h"

#include "core/base/user_text.h"

#include <charconv>
#include <cstdio>

namespace pdx::cli {

std::optional<std::string> Args::option(const std::string &name) {
  for (size_t i = 0; i < tokens_.size(); ++i) {
    if (tokens_[i] == name) {
      if (i + 1 >= tokens_.size()) {
        fail(text::fill(text::translate("pdx::cli", "%1 옵션에 값이 없습니다."), {name}));
        tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i));
        return std::nullopt;
      }
      std::string value = tokens_[i + 1];
      tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i),
                    tokens_.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      return value;
    }
    if (tokens_[i].rfind(name + "=", 0) == 0) {
      std::string value = tokens_[i].substr(name.size() + 1);
      tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i));
      return value;
    }
  }
  return std::nullopt;
}

bool Args::flag(const std::string &name) {
  for (size_t i = 0; i < tokens_.size(); ++i) {
    if (tokens_[i] == name) {
      tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i));
      return true;
    }
  }
  return false;
}

std::optional<std::string> Args::positional() {
  for (size_t i = 0; i < tokens_.size(); ++i) {
    if (tokens_[i].rfind("--", 0) != 0 || tokens_[i] == "--") {
      std::string value = tokens_[i];
      tokens_.erase(tokens_.begin() + static_cast<std::ptrdiff_t>(i));
      return value;
    }
  }
  return std::nullopt;
}

std::optional<long> Args::number(const std::string &name, long low, long high) {
  const auto given = option(name);
  if (!given) {
    return std::nullopt;
  }
  long value = 0;
  const auto [end, ec] = std::from_chars(given->data(), given->data() + given->size(), value);
  if (ec != std::errc() || end != given->data() + given->size() || value < low || value > high) {
    fail(text::fill(text::translate("pdx::cli", "%1 값이 올바르지 않습니다: %2"), {name, *given}));
    return std::nullopt;
  }
  return value;
}

bool Args::finish() {
  if (error_.empty() && !tokens_.empty()) {
    fail(text::fill(text::translate("pdx::cli", "알 수 없는 인수입니다: %1"), {tokens_.front()}));
  }
  if (!error_.empty()) {
    std::fprintf(stderr, "pelodex-cli: %s\n", error_.c_str());
    return false;
  }
  return true;
}

void Args::failUsage(std::string_view synopsis) {
  fail(text::fill(text::translate("pdx::cli", "사용법: %1"), {synopsis}));
}

void Args::fail(const std::string &message) {
  if (error_.empty()) {
    error_ = message;
  }
}

} // namespace pdx::cli
