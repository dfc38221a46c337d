#include "core/base/cp949.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/ustring.h>
#include <utility>
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

// The same table that reports every byte sequence without a character.
UConverter *strictWindows949() {
  thread_local Converter converter = [] {
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open("windows-949", &status));
    if (U_SUCCESS(status)) {
      ucnv_setToUCallBack(c.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    }
    return c;
  }();
  return converter.get();
}

bool isContinuation(std::string_view bytes, size_t at, unsigned char low = 0x80, unsigned char high = 0xBF) {
  const auto byte = static_cast<unsigned char>(at < bytes.size() ? bytes[at] : 0);
  return byte >= low && byte <= high;
}

// The code point of the UTF-8 sequence at `at` and its length in bytes;
// length 0 for a byte that starts no valid sequence (overlong forms and
// surrogates included).
std::pair<char32_t, size_t> utf8At(std::string_view bytes, size_t at) {
  const auto lead = static_cast<unsigned char>(bytes[at]);
  if (lead < 0x80) {
    return {lead, 1};
  }
  size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return {0, 0};
  }
  if (!isContinuation(bytes, at + 1, low, high)) {
    return {0, 0};
  }
  char32_t code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    if (!isContinuation(bytes, at + i)) {
      return {0, 0};
    }
    code = (code << 6) | (static_cast<unsigned char>(bytes[at + i]) & 0x3F);
  }
  return {code, length};
}

// Characters of the scripts and symbols Korean text uses: ASCII, Latin-1
// signs, punctuation and symbols, Hangul and its letters, CJK ideographs and
// forms, the phone's symbols (the user-defined rows' private-use area).
bool isKoreanScript(char32_t c) {
  static constexpr std::pair<char32_t, char32_t> kRanges[] = {
      {0x0000, 0x007F}, {0x00A0, 0x00BF}, {0x00D7, 0x00D7}, {0x00F7, 0x00F7}, {0x1100, 0x11FF},
      {0x2000, 0x27BF}, {0x3000, 0x303F}, {0x3130, 0x318F}, {0x3200, 0x33FF}, {0x4E00, 0x9FFF},
      {0xAC00, 0xD7A3}, {0xE000, 0xE0BB}, {0xF900, 0xFAFF}, {0xFE30, 0xFE4F}, {0xFF00, 0xFFEF}};
  return std::any_of(std::begin(kRanges), std::end(kRanges),
                     [c](const auto &r) { return c >= r.first && c <= r.second; });
}

bool isHangulOrHan(char32_t c) {
  return (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0x4E00 && c <= 0x9FFF);
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

bool isCp949(std::string_view bytes) {
  UConverter *conv = strictWindows949();
  if (conv == nullptr) {
    return false;
  }
  ucnv_resetToUnicode(conv);
  const char *source = bytes.data();
  UChar buffer[1024];
  UErrorCode status = U_ZERO_ERROR;
  do {
    status = U_ZERO_ERROR;
    UChar *target = buffer;
    ucnv_toUnicode(conv, &target, buffer + std::size(buffer), &source, bytes.data() + bytes.size(), nullptr,
                   true, &status);
  } while (status == U_BUFFER_OVERFLOW_ERROR);
  return U_SUCCESS(status);
}

bool looksLikeUtf8(std::string_view bytes) {
  bool high = false;
  bool korean = true;
  bool hangulOrHan = false;
  for (size_t i = 0; i < bytes.size();) {
    const auto [code, length] = utf8At(bytes, i);
    if (length == 0) {
      return false;
    }
    high = high || length > 1;
    korean = korean && isKoreanScript(code);
    hangulOrHan = hangulOrHan || (length == 3 && isHangulOrHan(code));
    i += length;
  }
  return high && (!isCp949(bytes) || (korean && hangulOrHan));
}

std::string escapeInvalidUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = utf8At(bytes, i).second;
    if (length == 0) {
      constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(bytes[i]);
      out += {'\\', 'x', kHex[byte >> 4], kHex[byte & 0xF]};
      ++i;
    } else {
      out.append(bytes.substr(i, length));
      i += length;
    }
  }
  return out;
}

} // namespace pdx::text
