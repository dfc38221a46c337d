// The one rule by which the suite reads every text file it is given
// (messages, phonebook imports, ringtone texts):
//
// 1. A byte-order mark decides: EF BB BF is UTF-8, FF FE UTF-16
//    little-endian, FE FF UTF-16 big-endian; the mark is not part of the
//    text.
// 2. Without one, text whose zero bytes stand in a third or more of its odd
//    (or even) places and seldom in the others is UTF-16 of that byte order.
// 3. Otherwise the text is code page 949, unless text::looksLikeUtf8 finds
//    that its UTF-8 reading is the intended one.
//
// Every text the suite writes (code page 949, the phone's symbols included)
// therefore reads back as it was written.
#pragma once

#include <string>
#include <string_view>

namespace pdx::text {

struct FileText {
  std::string text; // UTF-8 when `utf8`, otherwise code page 949 as in the file
  bool utf8 = false;
};

// The text of a file's bytes by the rule above, without its mark.
FileText decodeTextFile(std::string_view bytes);

// The file's text in UTF-8 (a code page 949 sequence without a character
// becomes U+FFFD).
std::string textFileAsUtf8(std::string_view bytes);

// The file's text in code page 949 (a character the code page lacks becomes
// '?').
std::string textFileAsCp949(std::string_view bytes);

} // namespace pdx::text
