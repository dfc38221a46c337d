#include "core/base/test_support.h"
#include "link/export/backup.h"
#include "link/export/phone_json.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace pdx::link {
namespace {

namespace fs = std::filesystem;

core::CDataStore storeWithEntries() {
  core::CDataStore store;
  store.phonePhonebook.resetSlots(3);
  core::PhoneBookEntry e;
  e.phoneSlot = 2;
  e.group = 1;
  e.name.set(text::fromUtf8("김, \"철수\";"));
  e.numbers[0].set("02-555-1234");
  e.numbers[2].set("011-234-5678");
  store.phonePhonebook.replaceAt(2, e);
  core::PhoneGroup g;
  g.id = 1;
  g.name.set(text::fromUtf8("가족"));
  g.melody = 4;
  (void)store.phoneGroups.insert(g);
  store.phoneSpeedDials[9] = core::SpeedDialKey{2, 2};
  core::SmsMessage m;
  m.slot = 0x81;
  m.readState = 1;
  m.attributes = 0x20;
  m.year = 1999;
  m.month = 3;
  m.day = 4;
  m.hour = 5;
  m.minute = 6;
  m.second = 7;
  m.text.set(text::fromUtf8("안녕"));
  store.addPhoneSms(m);
  return store;
}

TEST(PhoneJson, ShapesFollowTheStore) {
  const core::CDataStore store = storeWithEntries();
  const auto book = phonebookJson(store);
  ASSERT_EQ(book["entries"].size(), 1u);
  EXPECT_EQ(book["entries"][0]["slot"], 2);
  EXPECT_EQ(book["entries"][0]["name"], "김, \"철수\";");
  EXPECT_EQ(book["entries"][0]["mobile"], "011-234-5678");
  EXPECT_EQ(book["entries"][0]["office"], "");
  EXPECT_EQ(book["groups"][0]["name"], "가족");
  EXPECT_EQ(book["groups"][0]["melody"], 4);
  ASSERT_EQ(book["speed_dials"].size(), 1u);
  EXPECT_EQ(book["speed_dials"][0]["key"], 10);
  const auto sms = smsJson(store);
  EXPECT_TRUE(sms["received"].empty());
  EXPECT_EQ(sms["saved"][0]["time"], "1999-03-04T05:06:07");
  EXPECT_EQ(sms["saved"][0]["status"], 0x21);
  EXPECT_EQ(sms["saved"][0]["slot"], 0x81);
  EXPECT_EQ(sms["saved"][0]["index"], 1);
  EXPECT_TRUE(alarmsJson(store)["alarms"].empty());
}

TEST(PhoneJson, VCardAndCsvEscapeTheirSpecialCharacters) {
  const core::CDataStore store = storeWithEntries();
  EXPECT_EQ(phonebookVCards(store),
            "BEGIN:VCARD\r\nVERSION:3.0\r\nN:김\\, \"철수\"\\;;;;;\r\nFN:김\\, \"철수\"\\;\r\n"
            "TEL;TYPE=HOME:02-555-1234\r\nTEL;TYPE=CELL:011-234-5678\r\nEND:VCARD\r\n");
  EXPECT_EQ(phonebookCsv(store), "slot,group,name,home,office,mobile,pager\r\n"
                                 "2,1,\"김, \"\"철수\"\";\",02-555-1234,,011-234-5678,\r\n");
}

TEST(Backup, TranscriptAndDigest) {
  EXPECT_EQ(sha256Hex(std::vector<uint8_t>{'a', 'b', 'c'}),
            "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  const std::vector<FrameRecord> frames = {{0.1, false, Frame{PC_PING2, {}}},
                                           {0.25, true, Frame{PC_OK, {0}}}};
  EXPECT_EQ(transcriptText(frames), "     0.100 pc>phone PC_PING2           50 43 00 01 1d 1e\n"
                                    "     0.250 phone>pc PC_OK              50 43 00 02 01 00 03\n");
}

TEST(Backup, WriteErrorIsReportedAndNamesTheFile) {
  const TempDir parent;
  const fs::path dir = parent / "backup";
  const core::CDataStore store = storeWithEntries();
  const std::vector<FrameRecord> frames = {
      {0.0, true, Frame{PC_MBK_DATA_DATA, std::vector<uint8_t>(148, 1)}}};
  std::string error;
  ASSERT_TRUE(writeBackup(dir, store, frames, error)) << error;
  EXPECT_EQ(fs::file_size(dir / "frames" / "0001-PC_MBK_DATA_DATA.bin"), 148u);
  const std::string manifest = readWholeFile(dir / "MANIFEST.sha256");
  EXPECT_EQ(std::count(manifest.begin(), manifest.end(), '\n'), 7);
  {
    ScopedFileSizeLimit limit(64);
    EXPECT_FALSE(writeBackup(dir, store, frames, error));
    EXPECT_NE(error.find("phonebook.json"), std::string::npos);
  }
  EXPECT_GT(fs::file_size(dir / "phonebook.json"), 64u); // the earlier copy is intact
}

} // namespace
} // namespace pdx::link
