#include "melody/encode/phone_encoding.h"
#include "melody/file/test_melodies.h"

#include <gtest/gtest.h>

namespace pdx::melody {
namespace {

using namespace testing;
using Bytes = std::vector<uint8_t>;

TEST(PhoneEncoding, ExamplesOfTheFormat) {
  EXPECT_EQ(encodeForPhone(makeMelody({note(1000, 3, 0), note(1000, 3, 2), note(500, 3, 4)})),
            (Bytes{7, 19, 21, 9, 23, 2}));
  EXPECT_EQ(encodeForPhone(makeMelody({mark(kBarLine), mark(kBarLine)})), Bytes{2});
  EXPECT_EQ(encodeForPhone(CMelody{}), Bytes{2});
  EXPECT_EQ(encodeForPhone(makeMelody({note(1000, 3, 0), mark(kEndMark)})), (Bytes{7, 19, 2}));
  EXPECT_EQ(encodeForPhone(makeMelody({mark(kLeftRepeat), rest(250), note(250, 2, 7), mark(kRightRepeat)})),
            (Bytes{0, 11, 51, 14, 1, 2}));
  EXPECT_EQ(encodeForPhone(makeMelody({note(4000, 5, 7), {0, 0xC3}})), (Bytes{3, 50, 2}));
}

TEST(PhoneEncoding, UnplayableNotesKeepOnlyTheirDurationByte) {
  // Pitch 30 and 68 are dropped; the first still announces its duration.
  EXPECT_EQ(encodeForPhone(makeMelody({note(2000, 2, 6), note(500, 5, 8), note(500, 3, 0)})),
            (Bytes{5, 9, 19, 2}));
}

TEST(PhoneEncoding, DurationBytesTakeTheFirstValueNotAbove) {
  EXPECT_EQ(phoneDurationByte(4000), 3);
  EXPECT_EQ(phoneDurationByte(65535), 3);
  EXPECT_EQ(phoneDurationByte(3999), 4);
  EXPECT_EQ(phoneDurationByte(1000), 7);
  EXPECT_EQ(phoneDurationByte(188), 12);
  EXPECT_EQ(phoneDurationByte(187), 13);
  EXPECT_EQ(phoneDurationByte(125), 13);
  EXPECT_EQ(phoneDurationByte(0), 13);
}

TEST(PhoneEncoding, LengthMatchesTheStoredEncodedLengthPlusTheEndByte) {
  CMelody melody = makeMelody({note(1000, 3, 0), mark(kLeftRepeat), rest(1000), note(375, 4, 11),
                               mark(kBarLine), note(375, 4, 1), mark(kRightRepeat)});
  EXPECT_EQ(encodeForPhone(melody).size(), static_cast<size_t>(melody.encodedLength() + 1));
}

TEST(MelodySetPayload, CarriesSlotNameTempoLengthDataAndATrailingZero) {
  CMelody melody = makeMelody({note(1000, 3, 0), note(1000, 3, 2), note(500, 3, 4)}, 300);
  melody.name().set("abc");
  const Bytes payload = buildMelodySetPayload(2, melody);
  Bytes expected = {2, 'a', 'b', 'c', 0,          0, 0, 0, 0,  0,  0, 0,  0, 0,
                    0, 0,   0,   0,   300 & 0xFF, 0, 6, 7, 19, 21, 9, 23, 2, 0};
  EXPECT_EQ(payload, expected);
  EXPECT_EQ(payload.size(), 22u + 6u);
}

TEST(MelodySetPayload, LongDataIsCutTo500BytesEndingInTheEndByte) {
  const CMelody melody = makeMelody(entriesOfLength(620));
  ASSERT_EQ(encodeForPhone(melody).size(), 621u);
  const Bytes payload = buildMelodySetPayload(0, melody);
  ASSERT_EQ(payload.size(), 522u);
  EXPECT_EQ(payload[19], 500 >> 8);
  EXPECT_EQ(payload[20], 500 & 0xFF);
  EXPECT_EQ(payload[21 + 499], kPhoneEndByte);
  EXPECT_EQ(payload[21 + 498], 9) << "the data before the end byte is the melody's own";
  EXPECT_EQ(payload.back(), 0);
}

} // namespace
} // namespace pdx::melody
