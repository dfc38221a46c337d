#include "core/base/cp949.h"
#include "link/at/at_contacts.h"

#include <gtest/gtest.h>

namespace pdx::at {
namespace {

// Fields as home|office|mobile|pager, the name in UTF-8.
std::string fieldsOf(const core::PhoneBookEntry &entry) {
  std::string out = entry.name.utf8();
  for (const auto &number : entry.numbers) {
    out += "|" + std::string(number.view());
  }
  return out;
}

TEST(AtContactsTest, JoinsEntriesOfOneNameByTheImportsRules) {
  const struct {
    const char *what;
    std::vector<AtContact> contacts;
    std::vector<std::string> entries;
    size_t notes;
  } cases[] = {
      {"mobile, pager, home, office",
       {{1, "01011112222", "홍길동"},
        {2, "0151234567", "홍길동"},
        {3, "02-123-4567", "홍길동"},
        {4, "031-222-3333", "홍길동"}},
       {"홍길동|02-123-4567|031-222-3333|01011112222|0151234567"},
       0},
      {"a second mobile number starts another entry",
       {{1, "01011112222", "김"}, {2, "0192223333", "김"}},
       {"김|||01011112222|", "김|||0192223333|"},
       0},
      {"other names stay apart, in order",
       {{1, "021", "을"}, {2, "022", "갑"}, {3, "023", "을"}},
       {"을|021|023||", "갑|022|||"},
       0},
      {"a long name is cut at a character and noted",
       {{1, "021", "가나다라마바사아자차"}},
       {"가나다라마바사아|021|||"},
       1},
      {"a character code page 949 lacks is noted", {{1, "021", "A🙂"}}, {"A?|021|||"}, 1},
      {"a number Pelodex cannot hold is left out and noted", {{1, "+1 (555) 0100", "Bob"}}, {}, 1},
  };
  for (const auto &c : cases) {
    const PelodexEntries out = entriesFromPhone(c.contacts);
    std::vector<std::string> entries;
    for (const auto &entry : out.entries) {
      entries.push_back(fieldsOf(entry));
    }
    EXPECT_EQ(entries, c.entries) << c.what;
    EXPECT_EQ(out.notes.size(), c.notes) << c.what;
  }
  // Writes and deletes reach the phone's entries through the indexes kept.
  const auto joined =
      entriesFromPhone({{7, "021", "을"}, {2, "+1 (555)", "을"}, {9, "022", "갑"}, {4, "023", "을"}});
  EXPECT_EQ(joined.indexes, (std::vector<std::vector<int>>{{7, 4}, {9}}));
}

TEST(AtContactsTest, GivesEachNumberAnEntryWithTheNameCutToThePhone) {
  core::PhoneBookEntry entry;
  entry.name.set(text::fromUtf8("가나다라마바"));
  entry.numbers[0].set("02-123-4567");
  entry.numbers[3].set("0151234567");
  const PhoneContacts cut = contactsForPhone(entry, 4);
  ASSERT_EQ(cut.contacts.size(), 2u);
  EXPECT_EQ(cut.contacts[0].name, "가나다라");
  EXPECT_EQ(cut.contacts[1].number, "0151234567");
  EXPECT_EQ(cut.notes.size(), 1u);
  EXPECT_TRUE(contactsForPhone(entry, 14).notes.empty());
}

} // namespace
} // namespace pdx::at
