#include "simulator/at/at_modem_state.h"

#include "link/at/concat.h"
#include "link/at/phone_number.h"
#include "link/at/text_codec.h"

#include <array>

namespace pdx::simulator::at {

namespace {

using namespace pdx::at;

constexpr std::string_view kServiceCentre = "07912810101010F0"; // +821001010100
constexpr std::string_view kTimestamp = "62204151250023";       // 2026-02-14 15:52:00 +09:00

// An SMS-SUBMIT turned into the SMS-DELIVER the recipient stores: the
// message reference and validity period go, a time stamp comes.
std::string deliverOf(const EncodedPdu &submit) {
  const std::vector<uint8_t> octets = fromHex(submit.hex).value_or(std::vector<uint8_t>{});
  const std::vector<uint8_t> tpdu(octets.begin() + 1, octets.end());
  const size_t addressEnd = 2 + 2 + (tpdu[2] + 1) / 2;
  std::vector<uint8_t> out{static_cast<uint8_t>((tpdu[0] & 0x40) | 0x04)};
  out.insert(out.end(), tpdu.begin() + 2, tpdu.begin() + static_cast<std::ptrdiff_t>(addressEnd + 2));
  const std::vector<uint8_t> stamp = fromHex(kTimestamp).value_or(std::vector<uint8_t>{});
  out.insert(out.end(), stamp.begin(), stamp.end());
  out.insert(out.end(), tpdu.begin() + static_cast<std::ptrdiff_t>(addressEnd + 3), tpdu.end());
  return std::string(kServiceCentre) + toHex(out);
}

std::string nameOf(int i) {
  static constexpr std::array<std::string_view, 10> kFamily = {"김", "이", "박", "최", "정",
                                                               "강", "조", "윤", "장", "임"};
  static constexpr std::array<std::string_view, 10> kGiven = {"민준", "서연", "도윤", "하은", "시우",
                                                              "지유", "주원", "수아", "예준", "지민"};
  static constexpr std::array<std::string_view, 5> kPlace = {"서울본사영업부과장", "부산지사기술팀대리",
                                                             "대전연구소선임연구", "광주지점고객상담원",
                                                             "인천물류센터팀장님"};
  // 14 characters; every 25th index repeats the name before it (a second number).
  const int n = i % 25 == 0 && i > 1 ? i - 1 : i;
  return std::string(kFamily[static_cast<size_t>(n % 10)]) +
         std::string(kGiven[static_cast<size_t>(n / 10 % 10)]) + " " +
         std::string(kPlace[static_cast<size_t>(n / 100 % 5)]) + std::to_string(n % 10);
}

std::string numberOf(int i) {
  static constexpr std::array<std::string_view, 4> kPrefix = {"010", "+8210", "02", "011"};
  std::string digits = std::to_string(10000000 + i * 7919 % 90000000);
  return std::string(kPrefix[static_cast<size_t>(i % 4)]) + digits;
}

struct SampleMessage {
  int status;
  std::string_view address;
  std::string_view text;
};

constexpr std::array<SampleMessage, 6> kMessages = {{
    {1, "01023456789", "내일 회의는 오전 10시입니다."},
    {0, "+821098765432", "Meeting at 3pm, room 402."},
    {1, "0215881234", "[QZ은행] 12월 카드 대금 123,450원이 결제될 예정입니다."},
    {0, "01055556666", "생일 축하해! 저녁에 케이크 사 갈게. 맛있는 거 먹자~"},
    {2, "01077778888", "도착하면 전화 주세요."},
    {3, "01033334444", "잘 받았습니다. 감사합니다."},
}};

constexpr std::string_view kLongText =
    "안녕하세요. 다음 주 월요일 오전 열 시에 본사 3층 대회의실에서 분기 실적 보고회가 열립니다. "
    "각 팀장님께서는 발표 자료를 금요일까지 보내 주시고, 참석이 어려우신 분은 미리 알려 주세요.";

void addMessages(AtModemState &state, int count) {
  int place = 0;
  uint8_t reference = 1;
  while (place < count) {
    const SampleMessage &sample = kMessages[static_cast<size_t>(place % kMessages.size())];
    if (place % 8 == 7) {
      for (const std::string &pdu : deliverPdus("01012123434", std::string(kLongText), reference++)) {
        if (place < count) {
          state.messages[static_cast<size_t>(place++)] = AtMessage{1, pdu};
        }
      }
      continue;
    }
    const EncodedPdu submit = submitPdus(addressForModem(sample.address), sample.text, 0)->front();
    state.messages[static_cast<size_t>(place++)] =
        AtMessage{sample.status, sample.status >= 2 ? submit.hex : deliverOf(submit)};
  }
}

bool isDialString(std::string_view number) {
  return !number.empty() &&
         number.find_first_not_of("0123456789*#+", number.starts_with('+') ? 1 : 0) ==
             std::string_view::npos &&
         number.find('+', 1) == std::string_view::npos;
}

} // namespace

EntryFault entryFault(const AtPhonebook &memory, const AtEntry &entry) {
  if (!isDialString(entry.number)) {
    return EntryFault::BadNumber;
  }
  if (static_cast<int>(entry.number.size() - (entry.number.starts_with('+') ? 1 : 0)) > memory.numberLength) {
    return EntryFault::NumberTooLong;
  }
  // An invalid UTF-8 sequence counts as U+FFFD.
  const std::u32string name = codePoints(entry.name);
  if (name.find(U'\uFFFD') != std::u32string::npos) {
    return EntryFault::BadText;
  }
  return static_cast<int>(name.size()) > memory.nameLength ? EntryFault::TextTooLong : EntryFault::None;
}

bool isSimCode(std::string_view code) {
  return code.size() >= 4 && code.size() <= 8 &&
         code.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<std::string> deliverPdus(const std::string &sender, const std::string &text, uint8_t reference) {
  std::vector<std::string> out;
  for (const EncodedPdu &part :
       submitPdus(addressForModem(sender), text, reference).value_or(std::vector<EncodedPdu>{})) {
    out.push_back(deliverOf(part));
  }
  return out;
}

AtModemState sampleModemState(int messages) {
  AtModemState state;
  for (int i = 1; i <= state.sim.size; ++i) {
    state.sim.entries[i] = AtEntry{numberOf(i), nameOf(i)};
  }
  state.phone.entries[1] = AtEntry{"0212345678", "우리집"};
  state.phone.entries[2] = AtEntry{"01099990000", "엄마 휴대폰"};
  state.phone.entries[3] = AtEntry{"0151234567", "아빠 삐삐"};
  addMessages(state, std::min(messages, AtModemState::kMessagePlaces));
  return state;
}

} // namespace pdx::simulator::at
