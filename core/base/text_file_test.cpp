#include "core/base/cp949.h"
#include "core/base/text_file.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <vector>

namespace pdx::text {
namespace {

// Every two-byte character of code page 949, the user-defined rows (the
// phone's symbols) included.
std::vector<std::string> everyCharacter() {
  std::vector<std::string> out;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x41; trail <= 0xFE; ++trail) {
      const std::string c{static_cast<char>(lead), static_cast<char>(trail)};
      if (isCp949(c)) {
        out.push_back(c);
      }
    }
  }
  return out;
}

void expectReadBack(const std::string &written) {
  const FileText read = decodeTextFile(written);
  EXPECT_FALSE(read.utf8) << toUtf8(written);
  EXPECT_EQ(read.text, written);
}

TEST(TextFile, EveryCodePage949TextReadsBackAsWritten) {
  const std::vector<std::string> all = everyCharacter();
  ASSERT_GT(all.size(), 17000u);
  const std::string cheong = fromUtf8("청"), cheop = fromUtf8("첩");
  for (const std::string &c : all) {
    for (const std::string &line :
         {c, "new" + c, c + c, cheong + c + cheop, c + " 010-1234\r\n", "2026-12-7 9:5:0\t" + c + "\t011"}) {
      expectReadBack(line);
    }
  }
  // Lines of characters of every kind but Chinese ones (lead bytes 0xCA to
  // 0xFD): only a hanja can start a three-byte UTF-8 reading.
  std::vector<std::string> pool = {" ", "a", "7", "-", "\t"};
  std::copy_if(all.begin(), all.end(), std::back_inserter(pool), [](const std::string &c) {
    return static_cast<unsigned char>(c[0]) < 0xCA || c[0] == '\xFE';
  });
  std::mt19937 random(949);
  for (int n = 0; n < 20000; ++n) {
    std::string line;
    for (size_t length = 1 + random() % 8; length > 0; --length) {
      line += pool[random() % pool.size()];
    }
    expectReadBack(line);
  }
}

TEST(TextFile, CodePage949WhoseBytesAreValidUtf8AndUtf8AsEditorsWriteIt) {
  for (const char *utf8 : {"new\uE001", "청첩", "책 창 채 0101234567"}) {
    expectReadBack(fromUtf8(utf8));
  }
  const std::string lines = "홍길동 친구 010-1234-5678\n김철수\t02-555-0100 ★\r\n";
  const std::string dualValid = "\xEA\xB0\xB0\xEA\xB0\xB0"; // two Hangul syllables, also code page 949
  ASSERT_TRUE(isCp949(dualValid));
  for (const std::string &file : {lines, "\xEF\xBB\xBF" + lines, std::string("漢字 ") + lines, dualValid}) {
    const FileText read = decodeTextFile(file);
    EXPECT_TRUE(read.utf8) << file;
    EXPECT_EQ(read.text, file.starts_with("\xEF\xBB\xBF") ? file.substr(3) : file);
  }
  EXPECT_EQ(textFileAsCp949("\xEF\xBB\xBF"
                            "청첩"),
            fromUtf8("청첩"));
  EXPECT_EQ(textFileAsCp949(std::string("\xFF\xFE\xAD\xCC", 4)), fromUtf8("청")); // UTF-16 with its mark
}

} // namespace
} // namespace pdx::text
