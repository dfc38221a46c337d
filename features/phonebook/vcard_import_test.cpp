#include "core/data/phonebook_export.h"
#include "features/phonebook/phonebook_import.h"
#include "features/phonebook/vcard_import.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

struct Imported {
  core::CDataStore store;
  ImportResult result;

  explicit Imported(std::string_view file) {
    store.phoneGroups.ensureDefaultGroup();
    result = importPhonebookFile(file, store, offlineGroupCreator(store));
  }
  // name|group|home|office|mobile|pager, UTF-8, as the CSV export has them.
  std::string row(size_t i) const {
    const core::PhoneBookEntry &e = store.pcPhonebook[i];
    std::string out = e.name.utf8() + "|" + core::groupNameUtf8(store.phoneGroups, e.group);
    for (const auto &n : e.numbers) {
      out += "|" + n.utf8();
    }
    return out;
  }
};

TEST(VcardImport, EachVersionAsPhonesWriteIt) {
  struct Case {
    const char *what;
    std::string file;
    std::string expected;
  };
  const Case cases[] = {
      {"2.1, quoted-printable UTF-8 with a soft break",
       "BEGIN:VCARD\r\nVERSION:2.1\r\nN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=ED=99=8D;=EA=B8=B8=EB=8F="
       "\r\n"
       "=99;;;\r\nTEL;CELL;PREF:+82 10-1234-5678\r\nTEL;HOME:02.555.0100\r\nEND:VCARD\r\n",
       "홍길동||02-555-0100||010-1234-5678|"},
      {"2.1, code page 949 by CHARSET",
       "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=EUC-KR:" + text::fromUtf8("김철수") +
           "\r\nTEL;WORK;VOICE:(031) 111-2222\r\nTEL;PAGER:015-333\r\nEND:VCARD\r\n",
       "김철수|||031-111-2222||015-333"},
      {"3.0, folded lines, types, categories",
       "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:이영\r\n 희\r\nN:이;영희;;;\r\nTEL;TYPE=CELL,VOICE:+82 (0)10 9876 "
       "5432\r\nitem1.TEL;type=HOME:0212345678\r\nTEL:0311112222\r\nCATEGORIES:가족,친구\r\nEND:VCARD\r\n",
       "이영희|가족|0212345678|0311112222|010-9876-5432|"},
      {"4.0, tel URIs, a fax and a number without a type",
       "BEGIN:VCARD\nVERSION:4.0\nFN:Jane Doe\nTEL;VALUE=uri;TYPE=\"work,voice\":tel:+82-2-3456-7890\n"
       "TEL;TYPE=fax:02-999-0000\nTEL;VALUE=uri:tel:+82-10-2222-3333\nEND:VCARD\n",
       "Jane Doe||02-999-0000|02-3456-7890|010-2222-3333|"},
  };
  for (const Case &c : cases) {
    const Imported imported(c.file);
    ASSERT_EQ(imported.result.added, 1) << c.what;
    EXPECT_EQ(imported.row(0), c.expected) << c.what;
  }
}

TEST(VcardImport, EveryLineEndReadsAlike) {
  const std::string card =
      "BEGIN:VCARD|VERSION:2.1|N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=ED=99=8D;=EA=B8=B8=EB=8F=|"
      "=99;;;|TEL;CELL:010-1234-5678|END:VCARD|BEGIN:VCARD|VERSION:3.0|FN:김|"
      " 철수|TEL:02-555-0100|END:VCARD|";
  for (const std::string_view end : {"\n", "\r\n", "\r\r\n", "\r"}) {
    std::string file;
    for (const char c : card) {
      file += c == '|' ? std::string(end) : std::string(1, c);
    }
    const Imported imported(file);
    ASSERT_EQ(imported.result.added, 2) << end.size();
    EXPECT_EQ(imported.row(0), "홍길동||||010-1234-5678|");
    EXPECT_EQ(imported.row(1), "김철수||||02-555-0100|");
  }
}

TEST(VcardImport, UnusableNumbersAndMissingNamesAreReported) {
  const Imported imported("BEGIN:VCARD\r\nVERSION:3.0\r\nN:Kim;Minsu\r\nTEL;TYPE=CELL:+1 555 0100\r\n"
                          "TEL;TYPE=HOME:" +
                          std::string(40, '7') +
                          "\r\nTEL:02-1\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nTEL:02-2\r\nEND:VCARD\r\n"
                          "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:끝\r\nTEL:02-3");
  EXPECT_EQ(imported.result.added, 2);
  EXPECT_EQ(imported.row(0), "Minsu Kim||||02-1|");
  EXPECT_EQ(imported.row(1), "끝||||02-3|");
  ASSERT_EQ(imported.result.notes.size(), 3u);
  EXPECT_EQ(imported.result.notes[2].reason, "파일이 카드의 끝(END:VCARD) 없이 끝났습니다");
  EXPECT_EQ(
      imported.result.notes[0].reason,
      "전화번호로 쓸 수 없는 번호를 넣지 않았습니다: +1 555 0100; 집 번호가 32자보다 길어 넣지 않았습니다: " +
          std::string(40, '7'));
  EXPECT_EQ(imported.result.notes[1].line, 8);
  EXPECT_EQ(imported.result.notes[1].reason, "건너뜀: 이름이 없습니다");
}

TEST(VcardImport, ACardKeepsTenNotesAndCountsTheRest) {
  std::string file = "BEGIN:VCARD\nFN:K\n";
  for (int i = 0; i < 15; ++i) {
    file += "TEL:+1 5\n";
  }
  const Imported imported(file + "END:VCARD\n");
  ASSERT_EQ(imported.result.notes.size(), 1u);
  EXPECT_TRUE(imported.result.notes[0].reason.ends_with("+1 5; 그 밖에 5건"))
      << imported.result.notes[0].reason;
}

TEST(VcardImport, TheExportComesBackUnchanged) {
  const Imported first("가족원 가족 02-123-4567 011-222-3333\n친구 0311111111 0123#p4\n");
  const std::string vcard = core::phonebookToVcard(first.store.pcPhonebook, first.store.phoneGroups);
  const Imported again(vcard);
  EXPECT_EQ(again.result.added, 2);
  EXPECT_EQ(core::phonebookToVcard(again.store.pcPhonebook, again.store.phoneGroups), vcard);
}

} // namespace
} // namespace pdx::features
