#include "link/at/concat.h"
#include "link/at/gsm_alphabet.h"
#include "link/at/sms_pdu.h"
#include "link/at/text_codec.h"

#include <gtest/gtest.h>

namespace pdx::at {
namespace {

// A delivered message without a service-centre address, from
// +82 10 1234 5678, sent 2026-12-07 14:12:00 in the zone `zone`.
std::string deliver(std::string_view firstOctet, std::string_view dcs, std::string_view zone,
                    std::string_view udl, std::string_view ud) {
  return "00" + std::string(firstOctet) + "0C91280121436587" + "00" + std::string(dcs) + "622170412100" +
         std::string(zone) + std::string(udl) + std::string(ud);
}

TEST(SmsPdu, DecodesPublishedExamples) {
  const auto delivered =
      decodePdu("07917283010010F5040BC87238880900F10000993092516195800AE8329BFD4697D9EC37");
  ASSERT_TRUE(delivered);
  EXPECT_EQ(delivered->kind, SmsKind::Deliver);
  EXPECT_EQ(delivered->serviceCentre.value, "27381000015");
  EXPECT_EQ(delivered->serviceCentre.type, NumberType::International);
  EXPECT_EQ(delivered->address.value, "27838890001");
  EXPECT_EQ(delivered->sentAt, (SmsTimestamp{1999, 3, 29, 15, 16, 59, 8}));
  EXPECT_EQ(delivered->text, "hellohello");

  const auto submitted = decodePdu("0011000B916407281553F80000AA0AE8329BFD4697D9EC37");
  ASSERT_TRUE(submitted);
  EXPECT_EQ(submitted->kind, SmsKind::Submit);
  EXPECT_TRUE(submitted->serviceCentre.value.empty());
  EXPECT_EQ(submitted->address.type, NumberType::International);
  EXPECT_EQ(submitted->address.value, "46708251358");
  EXPECT_EQ(submitted->text, "hellohello");
}

TEST(SmsPdu, EncodesASubmitAsTheModemWantsIt) {
  SmsPdu pdu;
  pdu.kind = SmsKind::Submit;
  pdu.address = {NumberType::International, "46708251358"};
  pdu.text = "hellohello";
  const EncodedPdu encoded = encodeSubmit(pdu);
  EXPECT_EQ(encoded.hex, "0011000B916407281553F80000AD0AE8329BFD4697D9EC37");
  EXPECT_EQ(encoded.tpduLength, 23u);
}

TEST(SmsPdu, DecodesCodingsHeadersAndZones) {
  struct Case {
    std::string hex;
    std::string text;
    int zoneQuarters;
    std::optional<ConcatInfo> concat;
  };
  const Case cases[] = {
      {deliver("04", "08", "63", "04", "C548B155"), "안녕", 36, std::nullopt},
      {deliver("04", "08", "0A", "04", "D83DDE00"), "😀", -20, std::nullopt},
      {deliver("04", "08", "2B", "03", "C548B1"), "안\uFFFD", -32, std::nullopt},
      {deliver("44", "00", "80", "0A", "0500032A0201C2E231"), "abc", 8, ConcatInfo{0x2A, 2, 1, false}},
      {deliver("44", "08", "00", "09", "06080412340202C548"), "안", 0, ConcatInfo{0x1234, 2, 2, true}},
      // Message waiting group with UCS2; a concatenation element out of range is ignored.
      {deliver("44", "E0", "00", "08", "050003010204C548"), "안", 0, std::nullopt},
  };
  for (const Case &c : cases) {
    const auto pdu = decodePdu(c.hex);
    ASSERT_TRUE(pdu) << c.hex;
    EXPECT_EQ(pdu->text, c.text) << c.hex;
    EXPECT_EQ(pdu->sentAt.zoneQuarters, c.zoneQuarters) << c.hex;
    EXPECT_EQ(pdu->sentAt.year, 2026) << c.hex;
    EXPECT_EQ(pdu->concat, c.concat) << c.hex;
    EXPECT_EQ(pdu->address.value, "821012345678");
  }
}

TEST(SmsPdu, AlphanumericSenderBothWays) {
  const auto pdu = decodePdu("000406D041E110000062217041210000"
                             "00");
  ASSERT_TRUE(pdu);
  EXPECT_EQ(pdu->address.type, NumberType::Alphanumeric);
  EXPECT_EQ(pdu->address.value, "ABC");
  SmsPdu draft;
  draft.address = pdu->address;
  EXPECT_EQ(encodeSubmit(draft).hex, "00110006D041E1100000AD00");
}

TEST(SmsPdu, DataMessagesAndTheLengthBesideThePdu) {
  const std::string hex = deliver("04", "F4", "00", "03", "00FF41");
  const auto withCentre = decodePdu(hex);
  const auto bare = decodePdu(std::string_view(hex).substr(2), (hex.size() - 2) / 2);
  ASSERT_TRUE(withCentre && bare);
  EXPECT_EQ(bare->data, (std::vector<uint8_t>{0x00, 0xFF, 0x41}));
  EXPECT_EQ(withCentre->data, bare->data);
  EXPECT_TRUE(bare->text.empty());
}

TEST(SmsPdu, AnImpossibleTimeStampIsLeftOutAndTheMessageKept) {
  std::string hex = deliver("04", "00", "00", "03", "61F118");
  hex.replace(hex.find("622170"), 6, "62F170");
  const auto pdu = decodePdu(hex);
  ASSERT_TRUE(pdu);
  EXPECT_EQ(pdu->sentAt, SmsTimestamp{});
  EXPECT_EQ(pdu->text, "abc");
}

TEST(SmsPdu, RefusesMalformedPdus) {
  const std::string good = deliver("04", "00", "00", "03", "61F118");
  ASSERT_TRUE(decodePdu(good));
  const std::string refused[] = {
      good.substr(0, good.size() - 2),                        // user data cut short
      good + "0",                                             // odd number of digits
      "0" + good.substr(1, good.size() - 2) + "G",            // not hexadecimal
      deliver("06", "00", "00", "03", "61F118"),              // a status report
      deliver("04", "00", "00", "A1", std::string(282, '0')), // 161 septets
      deliver("44", "00", "00", "03", "0800030101"),          // header longer than the user data
      "0004159100000000000000000000000000",                   // address of 21 digits
      std::string(kMaxPduHex + 2, '0'),
  };
  for (const std::string &hex : refused) {
    EXPECT_FALSE(decodePdu(hex)) << hex;
  }
}

TEST(GsmAlphabet, PlacesOfCharacters) {
  const std::pair<char32_t, std::vector<uint8_t>> cases[] = {
      {U'@', {0x00}},        {U'£', {0x01}},        {U'\n', {0x0A}},      {U'Δ', {0x10}},
      {U'¤', {0x24}},        {U'¡', {0x40}},        {U'§', {0x5F}},       {U'¿', {0x60}},
      {U'à', {0x7F}},        {U'\f', {0x1B, 0x0A}}, {U'^', {0x1B, 0x14}}, {U'[', {0x1B, 0x3C}},
      {U'\\', {0x1B, 0x2F}}, {U'€', {0x1B, 0x65}},  {U'한', {'?'}},
  };
  for (const auto &[c, septets] : cases) {
    EXPECT_EQ(toGsm(std::u32string(1, c)).septets, septets) << static_cast<uint32_t>(c);
  }
  EXPECT_EQ(toGsm(U"a한b").unmapped, 1u);
  const std::vector<uint8_t> unknownEscape{0x1B, 0x41, 0x1B};
  EXPECT_EQ(fromGsm(unknownEscape), U"A ");
}

TEST(GsmAlphabet, EveryCharacterRoundTripsThroughAPdu) {
  std::vector<uint8_t> all;
  for (uint8_t septet = 0; septet < 0x80; ++septet) {
    if (septet != kGsmEscape) {
      all.push_back(septet);
    }
  }
  for (uint8_t code : {0x0A, 0x14, 0x28, 0x29, 0x2F, 0x3C, 0x3D, 0x3E, 0x40, 0x65}) {
    all.insert(all.end(), {kGsmEscape, code});
  }
  const std::u32string text = fromGsm(all);
  ASSERT_EQ(text.size(), 137u);
  EXPECT_EQ(toGsm(text).septets, all);
  SmsPdu pdu;
  pdu.kind = SmsKind::Submit;
  pdu.address = {NumberType::Unknown, "0101234567"};
  pdu.text = toUtf8(text);
  const auto back = decodePdu(encodeSubmit(pdu).hex);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->text, pdu.text);
  EXPECT_EQ(back->address.value, "0101234567");
}

std::vector<size_t> partLengths(const SplitText &split) {
  std::vector<size_t> lengths;
  for (const std::string &part : split.parts) {
    lengths.push_back(codePoints(part).size());
  }
  return lengths;
}

std::string repeat(std::string_view piece, size_t count) {
  std::string out;
  for (size_t i = 0; i < count; ++i) {
    out += piece;
  }
  return out;
}

TEST(Concat, SplitsAtTheLimitsOfEachCoding) {
  struct Case {
    std::string text;
    SmsCoding coding;
    std::vector<size_t> lengths;
  };
  const Case cases[] = {
      {"", SmsCoding::Gsm7, {0}},
      {repeat("a", 160), SmsCoding::Gsm7, {160}},
      {repeat("a", 161), SmsCoding::Gsm7, {153, 8}},
      {repeat("€", 80), SmsCoding::Gsm7, {80}},
      {repeat("a", 152) + "€" + repeat("a", 10), SmsCoding::Gsm7, {152, 11}},
      {repeat("가", 70), SmsCoding::Ucs2, {70}},
      {repeat("a", 100) + repeat("가", 1), SmsCoding::Ucs2, {67, 34}},
      {repeat("😀", 36), SmsCoding::Ucs2, {33, 3}},
  };
  for (const Case &c : cases) {
    const auto split = splitText(c.text);
    ASSERT_TRUE(split);
    EXPECT_EQ(split->coding, c.coding) << c.text;
    EXPECT_EQ(partLengths(*split), c.lengths) << c.text;
  }
  EXPECT_FALSE(splitText(repeat("a", 153 * 255 + 1)));
}

TEST(Concat, SentPartsJoinIntoTheText) {
  const std::string text = repeat("안녕하세요 ", 30);
  const auto pdus = submitPdus({NumberType::Unknown, "01012345678"}, text, 0x7F);
  ASSERT_TRUE(pdus);
  ASSERT_EQ(pdus->size(), 3u);
  std::vector<StoredSms> stored;
  for (size_t i = pdus->size(); i-- > 0;) {
    const auto pdu = decodePdu((*pdus)[i].hex);
    ASSERT_TRUE(pdu);
    EXPECT_EQ((*pdus)[i].hex.size() / 2 - 1, (*pdus)[i].tpduLength);
    stored.push_back({static_cast<int>(i + 10), *pdu});
  }
  const std::vector<JoinedSms> joined = joinParts(stored);
  ASSERT_EQ(joined.size(), 1u);
  EXPECT_EQ(joined[0].pdu.text, text);
  EXPECT_EQ(joined[0].indexes, (std::vector<int>{10, 11, 12}));
  EXPECT_FALSE(joined[0].pdu.concat);
}

TEST(Concat, IncompleteSetsAndStrangersStayApart) {
  auto part = [](int index, std::string sender, uint8_t sequence, std::string text) {
    SmsPdu pdu;
    pdu.address.value = std::move(sender);
    pdu.concat = ConcatInfo{7, 2, sequence, false};
    pdu.text = std::move(text);
    return StoredSms{index, pdu};
  };
  const std::vector<StoredSms> stored = {
      part(1, "0101", 2, "B"),
      part(2, "0202", 1, "x"),
      part(3, "0101", 1, "A"),
      part(4, "0101", 2, "B"),
  };
  const std::vector<JoinedSms> joined = joinParts(stored);
  ASSERT_EQ(joined.size(), 3u);
  EXPECT_EQ(joined[0].pdu.text, "AB");
  EXPECT_EQ(joined[0].indexes, (std::vector<int>{3, 1}));
  EXPECT_EQ(joined[1].indexes, (std::vector<int>{4}));
  EXPECT_FALSE(joined[1].complete);
  EXPECT_EQ(joined[2].pdu.text, "x");
  EXPECT_FALSE(joined[2].complete);
  EXPECT_TRUE(joined[2].pdu.concat);
}

} // namespace
} // namespace pdx::at
