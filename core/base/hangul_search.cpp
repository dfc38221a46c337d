#include "core/base/hangul_search.h"

#include "core/base/cp949.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace pdx::text {

namespace {

constexpr char32_t kFirstSyllable = 0xAC00;
constexpr char32_t kLastSyllable = 0xD7A3;
constexpr char32_t kSyllablesPerInitial = 21 * 28;
constexpr char32_t kFirstLetter = 0x3131; // ㄱ among the compatibility letters

// Initial consonant number (0 = ㄱ ... 18 = ㅎ) of each compatibility letter
// from ㄱ to ㅎ; -1 for the cluster letters (ㄳ, ㄺ, ...), split before use.
constexpr std::array<int8_t, 30> kLetterInitial = {0,  1, -1, 2, -1, -1, 3,  4,  5,  -1, -1, -1, -1, -1, -1,
                                                   -1, 6, 7,  8, -1, 9,  10, 11, 12, 13, 14, 15, 16, 17, 18};

bool isSyllable(char32_t c) {
  return c >= kFirstSyllable && c <= kLastSyllable;
}

int letterInitial(char32_t c) {
  if (c < kFirstLetter || c >= kFirstLetter + kLetterInitial.size()) {
    return -1;
  }
  return kLetterInitial[c - kFirstLetter];
}

int syllableInitial(char32_t c) {
  return static_cast<int>((c - kFirstSyllable) / kSyllablesPerInitial);
}

// The code points of UTF-8 text that is known to be valid (it comes from
// the code page converter).
std::vector<char32_t> codePoints(std::string_view cp949) {
  const std::string utf8 = toUtf8(cp949);
  std::vector<char32_t> out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int width = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = width == 1 ? lead : lead & (0x7F >> width);
    for (int k = 1; k < width && i + k < utf8.size(); ++k) {
      c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    out.push_back(c);
    i += width;
  }
  return out;
}

// An input method joins two consonants typed in a row into a cluster letter
// (ㄱ then ㅅ gives ㄳ): in a query it stands for both initials.
std::vector<char32_t> splitClusters(const std::vector<char32_t> &query) {
  static constexpr std::array<std::pair<char32_t, std::array<char32_t, 2>>, 11> kClusters = {{
      {U'ㄳ', {U'ㄱ', U'ㅅ'}},
      {U'ㄵ', {U'ㄴ', U'ㅈ'}},
      {U'ㄶ', {U'ㄴ', U'ㅎ'}},
      {U'ㄺ', {U'ㄹ', U'ㄱ'}},
      {U'ㄻ', {U'ㄹ', U'ㅁ'}},
      {U'ㄼ', {U'ㄹ', U'ㅂ'}},
      {U'ㄽ', {U'ㄹ', U'ㅅ'}},
      {U'ㄾ', {U'ㄹ', U'ㅌ'}},
      {U'ㄿ', {U'ㄹ', U'ㅍ'}},
      {U'ㅀ', {U'ㄹ', U'ㅎ'}},
      {U'ㅄ', {U'ㅂ', U'ㅅ'}},
  }};
  std::vector<char32_t> out;
  out.reserve(query.size() * 2);
  for (char32_t c : query) {
    const auto it =
        std::find_if(kClusters.begin(), kClusters.end(), [c](const auto &k) { return k.first == c; });
    if (it == kClusters.end()) {
      out.push_back(c);
    } else {
      out.insert(out.end(), it->second.begin(), it->second.end());
    }
  }
  return out;
}

bool isInitialsUnits(const std::vector<char32_t> &query) {
  bool anyLetter = false;
  for (char32_t c : query) {
    if (letterInitial(c) >= 0) {
      anyLetter = true;
    } else if (!isSyllable(c)) {
      return false;
    }
  }
  return anyLetter;
}

bool unitMatches(char32_t queryUnit, char32_t syllable) {
  const int letter = letterInitial(queryUnit);
  return letter >= 0 ? letter == syllableInitial(syllable) : queryUnit == syllable;
}

} // namespace

bool nameMatches(std::string_view name, std::string_view query) {
  // Only a lead byte can start a Hangul letter or syllable: plain ASCII
  // queries never need the conversion.
  const bool mayBeHangul = std::any_of(query.begin(), query.end(), [](char c) { return isLeadByte(c); });
  const std::vector<char32_t> units =
      mayBeHangul ? splitClusters(codePoints(query)) : std::vector<char32_t>{};
  if (!mayBeHangul || !isInitialsUnits(units)) {
    return name.find(query) != std::string_view::npos;
  }
  std::vector<char32_t> syllables = codePoints(name);
  std::erase_if(syllables, [](char32_t c) { return !isSyllable(c); });
  return std::search(syllables.begin(), syllables.end(), units.begin(), units.end(),
                     [](char32_t syllable, char32_t unit) { return unitMatches(unit, syllable); }) !=
         syllables.end();
}

} // namespace pdx::text
