#include "features/options/option_table.h"

#include "core/base/cp949.h"
#include "core/base/user_text.h"

#include <algorithm>
#include <array>

namespace pdx::features {
namespace {

using K = OptionKind;
using S = OptionSubtype;

constexpr const char *kOffOn = "OFF\tON";
constexpr const char *kBells = QT_TRANSLATE_NOOP(
    "pdx::options",
    "(1) 나만의 멜로디 1\t(2) 나만의 멜로디 2\t(3) 나만의 멜로디 3\t(4) 벨 1\t(5) 벨 2\t(6) 벨 3\t(7) 벨 4\t"
    "(8) 벨 5\t(9) 벨 6\t(10) 벨 7\t(11) 하이든 트럼펫\t(12) 푸니쿨리 푸니쿨라\t(13) 환상즉흥곡\t"
    "(14) 엘리제를 위하여\t(15) 유모레스크\t(16) 파헬벨의 캐논\t(17) 유술피리 변주\t(18) 바흐 미뉴에트\t"
    "(19) 사랑의 기쁨\t(20) 복케리니 미뉴엣\t(21) 빌헬름 텔 서곡\t(22) 군밤타령\t(23) 잘살아보세\t"
    "(24) 밀양 아리랑\t(25) 몽금포 타령\t(26) 풍년가\t(27) 징글벨\t(28) 고요한밤 거룩한밤\t"
    "(29) 축하하오 기쁜성탄\t(30) 기쁘다 구주 오셨네");

constexpr OptionRow heading(const char *label) {
  return {label, K::Heading, S::None, "", 0};
}
constexpr OptionRow choice(const char *label, const char *choices) {
  return {label, K::Choice, S::None, choices, 0};
}
constexpr OptionRow text(const char *label, K kind, S subtype, int length) {
  return {label, kind, subtype, "", length};
}

constexpr std::array<OptionRow, kOptionRows> kRows = {
    heading(QT_TRANSLATE_NOOP("pdx::options", "단문 메시지")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "메시지 도착 알람"),
           QT_TRANSLATE_NOOP("pdx::options", "소리 안남\t2번 울림\t2분마다 울림")),
    heading(QT_TRANSLATE_NOOP("pdx::options", "벨/멜로디/진동")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "벨/진동 선택"),
           QT_TRANSLATE_NOOP("pdx::options", "벨\t진동\t진동 후 벨")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "벨/멜로디 선택"), kBells),
    choice(QT_TRANSLATE_NOOP("pdx::options", "벨/멜로디 크기"),
           QT_TRANSLATE_NOOP("pdx::options", "레벨1\t레벨2\t레벨3\t레벨4\t레벨5")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "착신벨 횟수"),
           QT_TRANSLATE_NOOP("pdx::options", "계속 울림\t벨1회만 울림\t벨2회만 울림\t벨3회만 울림")),
    heading(QT_TRANSLATE_NOOP("pdx::options", "리모트 진동기능")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "착신 진동기능"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "분실 진동기능"), kOffOn),
    heading(QT_TRANSLATE_NOOP("pdx::options", "자동 응답기능")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "자동응답 설정/해제"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "자동응답벨 횟수"),
           QT_TRANSLATE_NOOP("pdx::options", "즉시 자동응답\t진동1회 울림\t벨1회 울림\t벨2회 울림")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "안내음성선택"),
           QT_TRANSLATE_NOOP("pdx::options", "일반\t운전중\t회의중\t사용자음성")),
    heading(QT_TRANSLATE_NOOP("pdx::options", "키톤/경보음")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "키톤크기"),
           QT_TRANSLATE_NOOP("pdx::options", "무음\t레벨1\t레벨2\t레벨3\t레벨4\t레벨5")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "통화연결음"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "통화 1분경과음"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "서비스이탈경보"), kOffOn),
    heading(QT_TRANSLATE_NOOP("pdx::options", "부가 기능")),
    text(QT_TRANSLATE_NOOP("pdx::options", "자동지역번호"), K::Digits, S::AreaCode, 4),
    text(QT_TRANSLATE_NOOP("pdx::options", "국제전화번호"), K::Digits, S::International, 7),
    choice(QT_TRANSLATE_NOOP("pdx::options", "자동 재다이얼"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "자동 조명기능"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "자동 착신기능"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "통화중녹음재생"), kOffOn),
    heading(QT_TRANSLATE_NOOP("pdx::options", "잠금 기능")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "자동잠금"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "국제전화잠금"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "전화부잠금"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "메뉴잠금"), kOffOn),
    choice(QT_TRANSLATE_NOOP("pdx::options", "최근발신잠금"), kOffOn),
    heading(QT_TRANSLATE_NOOP("pdx::options", "환경 설정")),
    text(QT_TRANSLATE_NOOP("pdx::options", "리모트 진동기 ID"), K::Digits, S::RemoteId, 3),
    choice(QT_TRANSLATE_NOOP("pdx::options", "애니메이션 표시"),
           QT_TRANSLATE_NOOP("pdx::options", "OFF\t기본 애니메이션\t사용자 지정")),
    choice(QT_TRANSLATE_NOOP("pdx::options", "대기모드 화면"),
           QT_TRANSLATE_NOOP("pdx::options", "시계\t사용자 그림1\t사용자 그림2\t사용자 그림3")),
    text(QT_TRANSLATE_NOOP("pdx::options", "초기화면 입력"), K::Text, S::None, 16),
    text(QT_TRANSLATE_NOOP("pdx::options", "비밀번호 변경"), K::Digits, S::Password, 4),
};

// The record's choice value of a row: rows 1..18 are the first fourteen
// settings, rows 22..25 and 27..31 the nine middle ones (the PC-only word
// stands between the fourth and the fifth and belongs to no row), rows 34
// and 35 the last two.
template <typename Options> auto choiceField(Options &o, int row) -> decltype(&o.head[0]) {
  static constexpr std::array<int, 14> kHeadRows = {1, 3, 4, 5, 6, 8, 9, 11, 12, 13, 15, 16, 17, 18};
  static constexpr std::array<int, 9> kMiddleRows = {22, 23, 24, 25, 27, 28, 29, 30, 31};
  static constexpr std::array<int, 2> kTailRows = {34, 35};
  const auto find = [row](const auto &rows, auto &fields) -> decltype(&o.head[0]) {
    const auto it = std::find(rows.begin(), rows.end(), row);
    return it == rows.end() ? nullptr : &fields[static_cast<size_t>(it - rows.begin())];
  };
  if (auto *field = find(kHeadRows, o.head)) {
    return field;
  }
  if (auto *field = find(kMiddleRows, o.middle)) {
    return field;
  }
  return find(kTailRows, o.tail);
}

std::string translated(const char *source) {
  return pdx::text::translate("pdx::options", source);
}

std::vector<std::string> splitChoices(std::string_view all) {
  std::vector<std::string> choices;
  size_t start = 0;
  while (true) {
    const size_t tab = all.find('\t', start);
    choices.emplace_back(all.substr(start, tab - start));
    if (tab == std::string_view::npos) {
      return choices;
    }
    start = tab + 1;
  }
}

} // namespace

const OptionRow &optionRow(int row) {
  return kRows.at(static_cast<size_t>(row));
}

std::vector<std::string> choicesOf(int row) {
  return optionRow(row).kind == K::Choice ? splitChoices(optionRow(row).choices) : std::vector<std::string>();
}

std::string shownLabel(int row) {
  return translated(optionRow(row).label);
}

std::vector<std::string> shownChoices(int row) {
  return optionRow(row).kind == K::Choice ? splitChoices(translated(optionRow(row).choices))
                                          : std::vector<std::string>();
}

int choiceValue(const core::PhoneOptions &options, int row) {
  const int32_t *field = choiceField(options, row);
  return field != nullptr ? *field : 0;
}

void setChoice(core::PhoneOptions &options, int row, int index) {
  if (int32_t *field = choiceField(options, row)) {
    *field = index;
  }
}

int shownChoice(const core::PhoneOptions &options, int row) {
  const int count = static_cast<int>(choicesOf(row).size());
  const int value = choiceValue(options, row);
  return value >= 0 && value < count ? value : count - 1;
}

std::string textValue(const core::PhoneOptions &o, int row) {
  switch (optionRow(row).subtype) {
  case S::AreaCode:
    return std::string(o.digitsA.view());
  case S::International:
    return std::string(o.digitsB.view());
  case S::RemoteId:
    return std::string(o.number3.view());
  case S::Password:
    return std::string(o.password.view());
  case S::None:
    break;
  }
  return optionRow(row).kind == K::Text ? std::string(o.text.view()) : std::string();
}

void setTextValue(core::PhoneOptions &o, int row, std::string_view cp949) {
  switch (optionRow(row).subtype) {
  case S::AreaCode:
    return o.digitsA.set(cp949);
  case S::International:
    return o.digitsB.set(cp949);
  case S::RemoteId:
    return o.number3.set(cp949);
  case S::Password:
    return o.password.set(cp949);
  case S::None:
    break;
  }
  if (optionRow(row).kind == K::Text) {
    o.text.set(cp949.substr(0, text::cutWhole(cp949, 16)));
  }
}

std::string valueText(const core::PhoneOptions &options, int row) {
  const OptionRow &r = optionRow(row);
  if (r.kind == K::Heading) {
    return {};
  }
  if (r.kind == K::Choice) {
    return choicesOf(row)[static_cast<size_t>(shownChoice(options, row))];
  }
  const std::string value = textValue(options, row);
  return text::toUtf8(std::string_view(value).substr(0, static_cast<size_t>(r.length)));
}

std::string listRow(const core::PhoneOptions &options, int row) {
  if (optionRow(row).kind == K::Heading) {
    return text::fromUtf8(shownLabel(row));
  }
  const std::string value = optionRow(row).kind == K::Choice
                                ? shownChoices(row)[static_cast<size_t>(shownChoice(options, row))]
                                : valueText(options, row);
  return text::fromUtf8("   " + shownLabel(row) + "\t" + value);
}

std::optional<std::string> refusalOf(int row, std::string_view cp949) {
  const OptionRow &r = optionRow(row);
  const bool digits = std::all_of(cp949.begin(), cp949.end(), [](char c) { return c >= '0' && c <= '9'; });
  const bool exact = static_cast<int>(cp949.size()) == r.length && digits;
  if (r.subtype == S::Password && !exact) {
    return pdx::text::translate("pdx::options", "비밀번호는 숫자로 네자를 입력해야 합니다.");
  }
  if (r.subtype == S::RemoteId && !exact) {
    return pdx::text::translate("pdx::options", "리모트 진동기 ID는 숫자로 세자를 입력해야 합니다.");
  }
  if (r.kind == K::Heading || r.kind == K::Choice) {
    return pdx::text::translate("pdx::options", "값을 입력할 수 없는 항목입니다.");
  }
  // The phone keeps these rows one digit per byte: anything else would
  // arrive as 0.
  if (r.kind == K::Digits && (!digits || static_cast<int>(cp949.size()) > r.length)) {
    return pdx::text::fill(pdx::text::translate("pdx::options", "%1는 숫자로 %2자까지 입력할 수 있습니다."),
                           {shownLabel(row), std::to_string(r.length)});
  }
  if (static_cast<int>(cp949.size()) > r.length) {
    return pdx::text::fill(pdx::text::translate("pdx::options", "%1 항목은 %2바이트까지 입력할 수 있습니다."),
                           {shownLabel(row), std::to_string(r.length)});
  }
  return std::nullopt;
}

} // namespace pdx::features
