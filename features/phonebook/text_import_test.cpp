#include "core/data/datafile.h"
#include "core/data/phonebook_export.h"
#include "features/phonebook/phonebook_import.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

using text::fromUtf8;

class TextImportTest : public ::testing::Test {
protected:
  ImportResult run(const std::string &utf8Lines) {
    return importPhonebookFile(fromUtf8(utf8Lines), store_, offlineGroupCreator(store_));
  }
  const core::PhoneBookEntry *find(const char *utf8Name) const {
    for (const auto &e : store_.pcPhonebook) {
      if (e.name.utf8() == utf8Name) {
        return &e;
      }
    }
    return nullptr;
  }
  core::CDataStore store_;
};

TEST_F(TextImportTest, NumbersGoToTheirFieldsByPrefix) {
  store_.phoneGroups.ensureDefaultGroup();
  const struct {
    const char *line;
    const char *row; // name|group|home|office|mobile|pager
  } cases[] = {
      {"홍길동 친구 0212345678 0111234567\n", "홍길동|친구|0212345678||0111234567|"},
      {"김철수\t0151234567\n", "김철수|||||0151234567"},
      // 02/123 is no number; 034-444 finds every field filled.
      {"이영희 02-123-4567 02/123 031-111 032-222 033-333 034-444\n",
       "이영희||02-123-4567|031-111|032-222|033-333"},
      // A later mobile number replaces an earlier one.
      {"박민수 0161111111 0172222222 0123 0159\r\n", "박민수||||0172222222|0159"},
  };
  for (const auto &c : cases) {
    run(c.line);
    const std::string name = std::string(c.row).substr(0, std::string(c.row).find('|'));
    const auto *e = find(name.c_str());
    ASSERT_NE(e, nullptr) << c.line;
    std::string row = name + "|" + core::groupNameUtf8(store_.phoneGroups, e->group);
    for (const auto &n : e->numbers) {
      row += "|" + n.utf8();
    }
    EXPECT_EQ(row, c.row);
    EXPECT_TRUE(e->phoneSlot == core::kNoPhoneSlot && e->phoneState == core::kNotOnPhone);
  }
  EXPECT_TRUE(store_.modified);
}

TEST_F(TextImportTest, NameOnlyAndExistingNamesAreSkipped) {
  const ImportResult r = run("홍길동\n\n김철수 0212345678\n김철수 0311111111\n");
  EXPECT_EQ(r.added, 1);
  EXPECT_EQ(r.skipped, 2);
  EXPECT_EQ(store_.pcPhonebook.size(), 1u);
  EXPECT_EQ(store_.pcPhonebook[0].numbers[0].view(), "0212345678");
}

TEST_F(TextImportTest, OverlongLineStopsTheImportKeepingEarlierEntries) {
  const ImportResult r = run("김철수 0212345678\n" + std::string(1200, 'x') + "\n이영희 0311111111\n");
  EXPECT_EQ(r.status, ImportResult::BadFormat);
  EXPECT_EQ(store_.pcPhonebook.size(), 1u);
  EXPECT_EQ(run(std::string(997, 'y') + " 02\n").status, ImportResult::Ok); // 1000 bytes
  EXPECT_EQ(run(std::string(1001, 'z') + "\n").status, ImportResult::BadFormat);
}

TEST_F(TextImportTest, GroupsAreReusedByTheirStoredNameAndNotCreatedWhenFull) {
  run("a 가족 02\nb 가족 03\nc 아주아주긴그룹이름입니다 02\nd 아주아주긴그룹이름이지요 03\n");
  ASSERT_EQ(store_.phoneGroups.size(), 2u);
  EXPECT_EQ(store_.phoneGroups[1].name.utf8(), "아주아주긴그"); // 12 bytes
  EXPECT_EQ(importPhonebookFile("e 동창 02\n", store_, [](std::string_view) { return -1; }).added, 1);
  EXPECT_EQ(find("e")->group, 0) << "a group the phone refused";
  for (int i = 0; i < 18; ++i) {
    store_.phoneGroups.addGroup("g" + std::to_string(i), 0);
  }
  run("f 새그룹 04\n");
  ASSERT_NE(find("f"), nullptr);
  EXPECT_EQ(find("f")->group, 0);
  EXPECT_LT(store_.phoneGroups.findByName(fromUtf8("새그룹")), 0);
}

std::string utf16(std::u16string_view text, bool bigEndian, bool mark) {
  std::string out;
  for (char16_t unit : mark ? u"\uFEFF" + std::u16string(text) : std::u16string(text)) {
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return out;
}

TEST_F(TextImportTest, EveryTextEncodingIsRecognisedAndBinaryIsRefused) {
  const std::u16string line = u"최지은 가족 010-9998-8888\r\n";
  const std::string utf8 = "최지은 가족 010-9998-8888\r\n";
  struct Case {
    const char *what;
    std::string bytes;
  };
  const Case texts[] = {{"utf-8", utf8},
                        {"utf-8 with mark", "\xEF\xBB\xBF" + utf8},
                        {"code page 949", fromUtf8(utf8)},
                        {"utf-16le", utf16(line, false, false)},
                        {"utf-16le with mark", utf16(line, false, true)},
                        {"utf-16be", utf16(line, true, false)},
                        {"utf-16be with mark", utf16(line, true, true)}};
  for (const Case &c : texts) {
    core::CDataStore store;
    const ImportResult r = importPhonebookFile(c.bytes, store, offlineGroupCreator(store));
    ASSERT_EQ(r.added, 1) << c.what;
    EXPECT_EQ(store.pcPhonebook[0].name.utf8(), "최지은") << c.what;
    EXPECT_EQ(store.pcPhonebook[0].numbers[2].view(), "010-9998-8888") << c.what; // 010 is mobile
    EXPECT_EQ(store.phoneGroups[0].name.utf8(), "가족") << c.what;
  }
  const Case binaries[] = {{"nul bytes", std::string("a 02\0\0\x01\x02 b 03\n", 14)},
                           {"controls", "a 02\x01\x02\x03\x04\x05\x06\x07\x08 0"},
                           {"invalid sequences", "a \xC9\x20\xFF\x30\xFE\x01\xC8\x41 02\n"}};
  for (const Case &c : binaries) {
    core::CDataStore store;
    const ImportResult r = importPhonebookFile(c.bytes, store, offlineGroupCreator(store));
    EXPECT_EQ(r.status, ImportResult::NotText) << c.what;
    EXPECT_TRUE(store.pcPhonebook.size() == 0 && store.phoneGroups.empty() && !store.modified) << c.what;
  }
}

TEST_F(TextImportTest, CodePage949NamesWhoseBytesAreValidUtf8) {
  ASSERT_EQ(run("책 02\n창 03\n채 청첩 04\n").added, 3); // the whole file is valid UTF-8 too
  EXPECT_TRUE(find("책") && find("창") && find("채") && store_.phoneGroups[0].name.utf8() == "청첩");
}

TEST_F(TextImportTest, AFullPhonebookTakesNoMoreAndItsFileReadsBack) {
  constexpr size_t kPast = 1005;
  std::string lines;
  for (size_t i = 0; i < core::kMaxPcEntries + kPast; ++i) {
    lines += "n" + std::to_string(i) + " 02\n";
  }
  const ImportResult r = importPhonebookFile(lines, store_, offlineGroupCreator(store_));
  EXPECT_EQ(r.added, static_cast<int>(core::kMaxPcEntries));
  EXPECT_EQ(r.skipped, static_cast<int>(kPast));
  ASSERT_EQ(r.notes.size(), kMaxImportNotes);
  EXPECT_EQ(r.unlistedNotes, static_cast<int>(kPast - kMaxImportNotes));
  EXPECT_EQ(r.notes[0].line, static_cast<int>(core::kMaxPcEntries) + 1);
  EXPECT_EQ(r.notes[0].reason, "건너뜀: 전화번호부가 가득 찼습니다(200,000건)");
  std::vector<uint8_t> file = core::encodeDataFile(store_);
  core::CDataStore reread;
  ASSERT_EQ(core::decodeDataFile(file, reread), DocResult::Ok);
  EXPECT_EQ(reread.pcPhonebook.size(), core::kMaxPcEntries);
  // A file that declares one entry more is damage.
  const size_t countAt = file.size() - core::kMaxPcEntries * core::PhoneBookEntry::kFileSize - 4;
  file[countAt] = static_cast<uint8_t>(file[countAt] + 1);
  file.resize(file.size() + core::PhoneBookEntry::kFileSize);
  core::CDataStore damaged;
  EXPECT_EQ(core::decodeDataFile(file, damaged), DocResult::ReadError);
}

TEST_F(TextImportTest, CutsAndLossesAreReportedWithTheirLines) {
  const ImportResult r = run("짧은이름 02\n열일곱바이트가넘는아주긴이름 02\n\n김철수 " +
                             std::string(33, '1') + " 0311111111\n번호없음\n");
  EXPECT_EQ(find("열일곱바이트가넘")->name.view().size(), 16u); // cut between characters
  ASSERT_EQ(r.notes.size(), 2u);
  EXPECT_EQ(r.notes[0].line, 4);
  EXPECT_EQ(r.notes[0].reason, "집 번호가 32자보다 길어 넣지 않았습니다: " + std::string(33, '1'));
  EXPECT_EQ(find("김철수")->numbers[1].view(), "0311111111");
  EXPECT_EQ(r.notes[1].line, 5);
  EXPECT_EQ(r.notes[1].reason, "건너뜀: 전화번호가 없습니다");
  const ImportResult emoji = importPhonebookFile("민수😀 02\n", store_, offlineGroupCreator(store_));
  ASSERT_EQ(emoji.notes.size(), 1u);
  EXPECT_EQ(emoji.notes[0].name, "민수😀");
  EXPECT_EQ(emoji.notes[0].reason, "완성형 한글 코드에 없는 문자를 ?로 바꾸었습니다");
}

TEST_F(TextImportTest, TheExportedCsvComesBackUnchanged) {
  store_.phoneGroups.ensureDefaultGroup();
  ASSERT_EQ(run("홍길동 친구 02-123-4567 011-222-3333\n김,\"철\" 0311111111 0123#p4\n박 010-5").added, 3);
  const std::string csv = core::phonebookToCsv(store_.pcPhonebook, store_.phoneGroups);
  core::CDataStore again;
  again.phoneGroups.ensureDefaultGroup();
  const ImportResult r = importPhonebookFile(csv, again, offlineGroupCreator(again));
  EXPECT_EQ(r.added, 3);
  EXPECT_EQ(core::phonebookToCsv(again.pcPhonebook, again.phoneGroups), csv);
}

} // namespace
} // namespace pdx::features
