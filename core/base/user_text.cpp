#include "core/base/user_text.h"

#include <atomic>
#include <map>
#include <mutex>
#include <utility>

namespace pdx::text {

namespace {
std::atomic<Lookup> installed{nullptr};
} // namespace

void setLookup(Lookup lookup) {
  installed.store(lookup);
}

std::string translate(const char *context, const char *source) {
  const Lookup lookup = installed.load();
  if (lookup != nullptr) {
    std::string text = lookup(context, source);
    if (!text.empty()) {
      return text;
    }
  }
  return source;
}

const char *translateLiteral(const char *context, const char *source) {
  static std::mutex guard;
  static std::map<std::pair<const char *, const char *>, std::string> shown;
  std::string text = translate(context, source);
  const std::lock_guard lock(guard);
  std::string &kept = shown[{context, source}];
  // Only a lookup installed after an earlier call changes a kept text.
  if (kept != text) {
    kept = std::move(text);
  }
  return kept.c_str();
}

std::string fill(std::string pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
    const size_t n = static_cast<size_t>(next - '1');
    if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
      out.append(*(values.begin() + n));
      ++i;
    } else {
      out.push_back(pattern[i]);
    }
  }
  return out;
}

} // namespace pdx::text
