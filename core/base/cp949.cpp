#include "core/base/cp949.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>
#include <vector>

namespace pdx::text {

size_t cutBytes(std::string_view text, size_t limit) {
  return std::min(text.size(), limit);
}

size_t cutWhole(std::string_view text, size_t limit) {
  const size_t end = std::min(text.size(), limit);
  size_t i = 0;
  while (i < end) {
    const size_t width = isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    if (i + width > end) {
      break;
    }
    i += width;
  }
  return i;
}

size_t withoutDanglingLead(std::string_view text) {
  return cutWhole(text, text.size());
}

int compareBytes(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  if (n > 0) {
    const int c = std::memcmp(a.data(), b.data(), n);
    if (c != 0) {
      return c;
    }
  }
  return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

size_t findText(std::string_view haystack, std::string_view needle) {
  if (needle.empty()) {
    return 0;
  }
  size_t i = 0;
  while (i + needle.size() <= haystack.size()) {
    if (haystack.compare(i, needle.size(), needle) == 0) {
      return i;
    }
    i += isLeadByte(static_cast<unsigned char>(haystack[i])) ? 2 : 1;
  }
  return std::string_view::npos;
}

namespace {

struct ConverterCloser {
  void operator()(UConverter *c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

// ICU's "windows-949" is Microsoft's table, user-defined rows included
// ("cp949" in ICU names a different IBM table).
UConverter *windows949() {
  thread_local Converter converter = [] {
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open("windows-949", &status));
    if (U_SUCCESS(status)) {
      ucnv_setFromUCallBack(c.get(), UCNV_FROM_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &status);
      ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &status);
      ucnv_setSubstChars(c.get(), "?", 1, &status);
    }
    return c;
  }();
  return converter.get();
}

std::u16string utf8ToUtf16(std::string_view utf8) {
  std::u16string out(utf8.size() + 1, u'\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar *>(out.data()), static_cast<int32_t>(out.size()), &length,
                       utf8.data(), static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr, &status);
  out.resize(U_SUCCESS(status) ? static_cast<size_t>(length) : 0);
  return out;
}

std::string utf16ToUtf8(const std::u16string &utf16) {
  std::string out(utf16.size() * 3 + 1, '\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), static_cast<int32_t>(out.size()), &length,
                     reinterpret_cast<const UChar *>(utf16.data()), static_cast<int32_t>(utf16.size()),
                     0xFFFD, nullptr, &status);
  out.resize(U_SUCCESS(status) ? static_cast<size_t>(length) : 0);
  return out;
}

} // namespace

std::string toUtf8(std::string_view cp949) {
  UConverter *conv = windows949();
  if (conv == nullptr || cp949.empty()) {
    return std::string();
  }
  ucnv_resetToUnicode(conv);
  std::u16string wide(cp949.size() + 1, u'\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(conv, wide.data(), static_cast<int32_t>(wide.size()), cp949.data(),
                                  static_cast<int32_t>(cp949.size()), &status);
  if (U_FAILURE(status)) {
    return std::string();
  }
  wide.resize(static_cast<size_t>(n));
  return utf16ToUtf8(wide);
}

std::string fromUtf8(std::string_view utf8) {
  UConverter *conv = windows949();
  if (conv == nullptr || utf8.empty()) {
    return std::string();
  }
  ucnv_resetFromUnicode(conv);
  const std::u16string wide = utf8ToUtf16(utf8);
  std::string out(wide.size() * 2 + 1, '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_fromUChars(conv, out.data(), static_cast<int32_t>(out.size()),
                                    reinterpret_cast<const UChar *>(wide.data()),
                                    static_cast<int32_t>(wide.size()), &status);
  if (U_FAILURE(status)) {
    return std::string();
  }
  out.resize(static_cast<size_t>(n));
  return out;
}

std::optional<std::string> fromUtf8Exact(std::string_view utf8) {
  std::string converted = fromUtf8(utf8);
  // The code page's '?' for a missing character never converts back.
  if (toUtf8(converted) != utf8) {
    return std::nullopt;
  }
  return converted;
}

std::string utf16BytesToUtf8(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2 + 1);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  if (bytes.size() % 2 != 0) {
    units.push_back(u'\uFFFD');
  }
  return utf16ToUtf8(units);
}

bool looksLikeUtf8(std::string_view bytes) {
  const bool high = std::any_of(bytes.begin(), bytes.end(), [](char c) { return isLeadByte(c); });
  if (!high) {
    return false;
  }
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8(nullptr, 0, &length, bytes.data(), static_cast<int32_t>(bytes.size()), &status);
  return status == U_BUFFER_OVERFLOW_ERROR || U_SUCCESS(status);
}

} // namespace pdx::text
