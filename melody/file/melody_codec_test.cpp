#include "core/base/test_support.h"
#include "melody/file/melody_codec.h"
#include "melody/file/melody_file.h"
#include "melody/file/test_melodies.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;

TEST(MelodyCodec, RoundTripKeepsEveryField) {
  MelodyList list;
  list.push_back(
      std::make_unique<CMelody>(makeMelody({note(1000, 3, 0), mark(kBarLine), rest(188), {0, 0xC5}}, 200)));
  list.back()->name().set("\xC7\xD1\xB1\xDB"
                          "abcdefghijkl"); // exactly 16 bytes
  list.back()->setStoredKey(16);
  list.push_back(std::make_unique<CMelody>());
  FileTitle title;
  title.set("0123456789abcdef0123456789abcdef");
  DecodedFile decoded;
  ASSERT_EQ(decodeMelodyFile(encodeMelodyFile(title, list), decoded), DocResult::Ok);
  EXPECT_FALSE(decoded.older);
  ASSERT_EQ(decoded.melodies.size(), 2u);
  EXPECT_EQ(decoded.melodies[0]->name(), list[0]->name());
  EXPECT_EQ(decoded.melodies[0]->encodedLength(), 4);
  EXPECT_FALSE(decoded.melodies[0]->modified());
  EXPECT_EQ(encodeMelodyFile(decoded.title, decoded.melodies), encodeMelodyFile(title, list));
}

TEST(MelodyCodec, OlderFilesConvertDurationsAndAreSavedAsCurrent) {
  const auto bytes = fileBytes(
      "old",
      {{"a", 100, 0, {note(250, 3, 0), note(100, 3, 2), note(31, 3, 4), note(94, 3, 5), mark(kLeftRepeat)}}},
      0);
  DecodedFile decoded;
  ASSERT_EQ(decodeMelodyFile(bytes, decoded), DocResult::Ok);
  EXPECT_TRUE(decoded.older);
  const CMelody &m = *decoded.melodies[0];
  const uint16_t converted[] = {1000, 400, 125, 375, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(m.at(i).duration, converted[i]) << i;
  }
  EXPECT_EQ(convertOlderDuration(20000), static_cast<uint16_t>(80000 & 0xFFFF));

  const auto saved = encodeMelodyFile(decoded.title, decoded.melodies);
  EXPECT_EQ(saved[34], 1);
  EXPECT_EQ(saved[36], 2);
  DecodedFile again;
  ASSERT_EQ(decodeMelodyFile(saved, again), DocResult::Ok);
  EXPECT_EQ(again.melodies[0]->at(0).duration, 1000) << "no second conversion";
}

TEST(MelodyCodec, EveryByteOfTheMagicCounts) {
  const auto good = fileBytes("t", {{"a"}});
  for (size_t i = 0; i < 32; ++i) {
    auto bad = good;
    bad[i] ^= 0x01;
    DecodedFile decoded;
    EXPECT_EQ(decodeMelodyFile(bad, decoded), DocResult::NotThisKind) << "byte " << i;
  }
  DecodedFile decoded;
  EXPECT_EQ(decodeMelodyFile({}, decoded), DocResult::NotThisKind);
  EXPECT_EQ(decodeMelodyFile(std::span(good).first(20), decoded), DocResult::NotThisKind);
}

TEST(MelodyCodec, VersionWordsOtherThanOneAndZeroOrOneAreRefused) {
  for (auto [major, minor] : {std::pair{2, 1}, {0, 1}, {1, 2}, {1, 0x100}}) {
    auto bytes = fileBytes("t", {{"a"}});
    bytes[32] = static_cast<uint8_t>(major);
    bytes[34] = static_cast<uint8_t>(minor & 0xFF);
    bytes[35] = static_cast<uint8_t>(minor >> 8);
    DecodedFile decoded;
    EXPECT_EQ(decodeMelodyFile(bytes, decoded), DocResult::UnsupportedVersion) << major << "," << minor;
  }
  auto bytes = fileBytes("t", {{"a"}});
  bytes[36] = 77; // third word and author are not checked
  bytes[40] = 'X';
  DecodedFile decoded;
  EXPECT_EQ(decodeMelodyFile(bytes, decoded), DocResult::Ok);
}

TEST(MelodyCodec, RecordsAnnouncingTooManyEntriesAreReadErrors) {
  RawRecord big{"big"};
  big.entries.assign(1025, note(1000, 3, 0));
  DecodedFile decoded;
  EXPECT_EQ(decodeMelodyFile(fileBytes("t", {{"ok"}, big}), decoded), DocResult::ReadError);
  EXPECT_TRUE(decoded.melodies.empty());
  big.entries.assign(1024, mark(kBarLine));
  EXPECT_EQ(decodeMelodyFile(fileBytes("t", {big}), decoded), DocResult::Ok);
  EXPECT_EQ(decoded.melodies[0]->count(), 1024);
}

TEST(MelodyCodec, CountsWhoseRecordsCannotFitAreReadErrors) {
  auto bytes = fileBytes("t", {{"a"}, {"b"}});
  DecodedFile decoded;
  ASSERT_EQ(decodeMelodyFile(bytes, decoded), DocResult::Ok);
  bytes[96] = 3; // a third 28-byte record is not there
  EXPECT_EQ(decodeMelodyFile(bytes, decoded), DocResult::ReadError);
  for (uint8_t b : {0xFF, 0x7F}) { // -1 and 2^31-1
    std::fill(bytes.begin() + 96, bytes.begin() + 100, 0xFF);
    bytes[99] = b;
    EXPECT_EQ(decodeMelodyFile(bytes, decoded), DocResult::ReadError);
  }
}

// The address sanitizer's red zones around every allocation change what
// memory costs; the bound below holds for the programs as shipped.
#if defined(__SANITIZE_ADDRESS__)
#define PDX_MEMORY_INSTRUMENTED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PDX_MEMORY_INSTRUMENTED 1
#endif
#endif

TEST(MelodyCodec, RecordsCostLittleMoreInMemoryThanOnDisk) {
#ifdef PDX_MEMORY_INSTRUMENTED
  GTEST_SKIP() << "memory use is not the shipped programs' under the address sanitizer";
#endif
  constexpr int kRecords = 150000; // 4.2 MB of empty 28-byte records
  auto bytes = fileBytes("t", {});
  for (int i = 0; i < 4; ++i) {
    bytes[96 + static_cast<size_t>(i)] = static_cast<uint8_t>(kRecords >> (8 * i));
  }
  bytes.resize(bytes.size() + size_t(kRecords) * kRecordHeaderSize);
  const long before = peakResidentKb();
  DecodedFile decoded;
  ASSERT_EQ(decodeMelodyFile(bytes, decoded), DocResult::Ok);
  EXPECT_EQ(decoded.melodies.size(), size_t(kRecords));
  EXPECT_LT(peakResidentKb() - before, 4 * static_cast<long>(bytes.size() / 1024));
}

TEST(MelodyCodec, EntriesMissingAtTheEndStayZero) {
  RawRecord r{"short", 90, 3, {note(1000, 3, 0), note(500, 3, 2)}};
  r.announced = 4;
  auto bytes = fileBytes("t", {r});
  bytes.push_back(0xF4); // half of a third entry
  DecodedFile decoded;
  ASSERT_EQ(decodeMelodyFile(bytes, decoded), DocResult::Ok);
  const CMelody &m = *decoded.melodies[0];
  EXPECT_EQ(m.count(), 4);
  EXPECT_EQ(m.at(1), note(500, 3, 2));
  EXPECT_EQ(m.at(2), NoteEntry{});
  EXPECT_EQ(m.at(3), NoteEntry{});
  EXPECT_EQ(m.tempo(), 90);
}

TEST(MelodyCodec, StoredLengthIsRecomputedAndOnlyMelodiesPast500Cut) {
  for (auto [length, kept] : {std::pair{499, 250}, {500, 250}, {501, 249}, {620, 249}}) {
    RawRecord r{"m", 120, 0, entriesOfLength(length)};
    r.storedLength = 7; // ignored
    DecodedFile decoded;
    ASSERT_EQ(decodeMelodyFile(fileBytes("t", {r}), decoded), DocResult::Ok);
    EXPECT_EQ(decoded.melodies[0]->count(), kept) << length;
    EXPECT_EQ(decoded.melodies[0]->encodedLength(), length <= 500 ? length : 498) << length;
  }
}

} // namespace
} // namespace pdx::melody
