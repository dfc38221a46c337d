#include "resources/resource_table.h"

#include "core/base/user_text.h"

#include <algorithm>
#include <string>

namespace pdx::resources {

namespace {

using K = Kind;
using A = Art;

constexpr ResourceSpec page(int id, std::string_view title) {
  return {id, 600, 460, 1, K::PageSkin, title};
}
// Push buttons: normal, pressed, hover (and disabled with four frames).
constexpr ResourceSpec text(int id, int w, int h, int frames, std::string_view caption) {
  return {id, w, h, frames, K::TextButton, caption};
}
constexpr ResourceSpec art(int id, int w, int h, int frames, Art picture, std::string_view name) {
  return {id, w, h, frames, K::ArtButton, name, picture};
}
constexpr ResourceSpec choice(int id, int w, int h, int frames, Art picture, std::string_view name) {
  return {id, w, h, frames, K::ArtButton, name, picture, Stem::None, true};
}
constexpr ResourceSpec key(int id, std::string_view label) {
  return {id, 40, 42, 3, K::KeyButton, label};
}
constexpr ResourceSpec caption(int id, int w, std::string_view title) {
  return {id, w, 18, 1, K::Caption, title};
}
constexpr ResourceSpec piece(int id, int w, int h) {
  return {id, w, h, 1, K::DialogPiece, {}};
}
constexpr ResourceSpec glyph(int id, int w, int h, Art picture, Stem stem = Stem::None) {
  return {id, w, h, 1, K::Glyph, {}, picture, stem};
}

constexpr ResourceSpec kTable[] = {
    // Program icons.
    {128, 32, 32, 1, K::Icon, "Pelodex", A::Phone},
    {129, 32, 32, 1, K::Icon, "Carrowin", A::Melody},
    {130, 32, 32, 1, K::Icon, "Velluto", A::Animation},

    // Phone link indicator.
    {1100, 180, 22, 1, K::LinkStatus, QT_TRANSLATE_NOOP("Skin", "휴대폰 연결됨")},
    {1101, 180, 22, 1, K::LinkStatus, QT_TRANSLATE_NOOP("Skin", "휴대폰 연결 안됨")},
    {1102, 180, 22, 12, K::LinkStatus, QT_TRANSLATE_NOOP("Skin", "휴대폰 찾는 중")},
    {1103, 180, 22, 12, K::LinkStatus, QT_TRANSLATE_NOOP("Skin", "데이터 전송 중")},

    // List icons and the symbol pictures.
    {1200, 16, 16, 3, K::IconStrip, "phone,blank,question"},
    {1201, 16, 16, 15, K::IconStrip,
     "blank,blank,blank,blank,blank,blank,blank,blank,blank,blank,envelope,open,blank,lock,note"},
    {1202, 16, 16, 9, K::IconStrip, "10,20,30,60,clock,일,주,월,년"},
    {1203, 27, 27, 10, K::SymbolStrip, {}},
    {1204, 16, 16, 1, K::IconStrip, "phone"},

    // Pages of the phone-data program and the editors' main windows.
    page(3001, QT_TRANSLATE_NOOP("Skin", "비밀번호 입력")),
    page(3002, QT_TRANSLATE_NOOP("Skin", "시작메뉴")),
    page(3003, QT_TRANSLATE_NOOP("Skin", "단문 메시지")),
    page(3004, QT_TRANSLATE_NOOP("Skin", "문자 메시지 확인")),
    page(3005, QT_TRANSLATE_NOOP("Skin", "문자 메시지 발신")),
    page(3008, QT_TRANSLATE_NOOP("Skin", "다이어리 전화번호부")),
    page(3009, QT_TRANSLATE_NOOP("Skin", "단축 다이얼 편집")),
    page(3010, QT_TRANSLATE_NOOP("Skin", "나만의 멜로디 지정")),
    page(3011, QT_TRANSLATE_NOOP("Skin", "애니메이션 지정")),
    page(3012, QT_TRANSLATE_NOOP("Skin", "알람 지정")),
    page(3013, QT_TRANSLATE_NOOP("Skin", "휴대폰 환경 설정")),
    page(3014, QT_TRANSLATE_NOOP("Skin", "도움말")),
    page(3050, QT_TRANSLATE_NOOP("Skin", "멜로디 편집기")),
    page(3060, QT_TRANSLATE_NOOP("Skin", "애니메이션 편집기")),

    // Password keypad and its buttons.
    key(3100, "1"),
    key(3101, "2"),
    key(3102, "3"),
    key(3103, "4"),
    key(3104, "5"),
    key(3105, "6"),
    key(3106, "7"),
    key(3107, "8"),
    key(3108, "9"),
    key(3109, "0"),
    key(3113, "*"),
    key(3114, "#"),
    art(3120, 44, 36, 4, A::Check, QT_TRANSLATE_NOOP("Skin", "확인")),
    art(3121, 44, 36, 3, A::Exit, QT_TRANSLATE_NOOP("Skin", "종료")),
    art(3122, 44, 36, 3, A::Help, QT_TRANSLATE_NOOP("Skin", "도움말")),
    art(3123, 48, 40, 3, A::Arrow, QT_TRANSLATE_NOOP("Skin", "휴대폰 없이 사용")),

    // Main menu.
    art(3240, 52, 52, 4, A::Envelope, QT_TRANSLATE_NOOP("Skin", "단문 메시지 주고받기")),
    art(3243, 52, 52, 4, A::Phonebook, QT_TRANSLATE_NOOP("Skin", "다이어리 전화번호부")),
    art(3244, 52, 52, 4, A::Melody, QT_TRANSLATE_NOOP("Skin", "나만의 멜로디 지정")),
    art(3245, 52, 52, 4, A::Animation, QT_TRANSLATE_NOOP("Skin", "애니메이션 지정")),
    art(3246, 52, 52, 4, A::Alarm, QT_TRANSLATE_NOOP("Skin", "알람 지정")),
    art(3247, 52, 52, 4, A::Settings, QT_TRANSLATE_NOOP("Skin", "휴대폰 환경 설정")),
    art(3248, 52, 52, 4, A::DataService, QT_TRANSLATE_NOOP("Skin", "데이터 서비스 연결")),
    art(3251, 44, 40, 3, A::Help, QT_TRANSLATE_NOOP("Skin", "도움말")),
    art(3252, 44, 40, 3, A::Exit, QT_TRANSLATE_NOOP("Skin", "종료")),

    // Melody and animation assignment pages.
    text(3940, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "연주")),
    text(3941, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "1번")),
    text(3942, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "2번")),
    text(3943, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "3번")),
    text(3944, 64, 40, 3, QT_TRANSLATE_NOOP("Skin", "편집기")),
    text(3945, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "정지")),
    text(3960, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "종료")),
    text(3961, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "이전")),
    text(3962, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "도움말")),
    text(4041, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "1번")),
    text(4042, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "2번")),
    text(4043, 46, 40, 4, QT_TRANSLATE_NOOP("Skin", "3번")),
    text(4045, 64, 40, 3, QT_TRANSLATE_NOOP("Skin", "편집기")),
    text(4046, 64, 40, 3, QT_TRANSLATE_NOOP("Skin", "미리보기")),
    text(4047, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "정지")),
    text(4060, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "종료")),
    text(4061, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "이전")),
    text(4062, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "도움말")),

    // Month calendar arrows and the help page's buttons.
    text(4103, 20, 20, 1, "◀"),
    text(4104, 20, 20, 1, "▶"),
    text(4360, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "종료")),
    text(4361, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "이전")),

    // Melody editor.
    text(4400, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "종료")),
    text(4401, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "도움말")),
    text(4402, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "새파일")),
    text(4403, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "열기")),
    text(4404, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "저장")),
    art(4405, 28, 24, 3, A::NewItem, QT_TRANSLATE_NOOP("Skin", "새 멜로디")),
    art(4406, 28, 24, 3, A::Rename, QT_TRANSLATE_NOOP("Skin", "멜로디 이름 바꾸기")),
    art(4407, 28, 24, 3, A::DeleteItem, QT_TRANSLATE_NOOP("Skin", "멜로디 삭제")),
    art(4408, 36, 36, 4, A::Play, QT_TRANSLATE_NOOP("Skin", "연주")),
    art(4409, 36, 36, 4, A::Stop, QT_TRANSLATE_NOOP("Skin", "정지")),
    art(4411, 36, 36, 4, A::Pause, QT_TRANSLATE_NOOP("Skin", "일시 정지")),
    art(4412, 31, 26, 3, A::BarLine, QT_TRANSLATE_NOOP("Skin", "마디")),
    choice(4421, 28, 30, 3, A::Dot, QT_TRANSLATE_NOOP("Skin", "점음표")),
    choice(4431, 28, 30, 3, A::WholeNote, QT_TRANSLATE_NOOP("Skin", "온음표")),
    choice(4433, 28, 30, 3, A::HalfNote, QT_TRANSLATE_NOOP("Skin", "2분음표")),
    choice(4435, 28, 30, 3, A::QuarterNote, QT_TRANSLATE_NOOP("Skin", "4분음표")),
    choice(4437, 28, 30, 3, A::EighthNote, QT_TRANSLATE_NOOP("Skin", "8분음표")),
    choice(4439, 28, 30, 3, A::SixteenthNote, QT_TRANSLATE_NOOP("Skin", "16분음표")),
    choice(4441, 28, 30, 3, A::ThirtySecondNote, QT_TRANSLATE_NOOP("Skin", "32분음표")),
    art(4451, 27, 30, 3, A::WholeRest, QT_TRANSLATE_NOOP("Skin", "온쉼표")),
    art(4453, 27, 30, 3, A::HalfRest, QT_TRANSLATE_NOOP("Skin", "2분쉼표")),
    art(4455, 27, 30, 3, A::QuarterRest, QT_TRANSLATE_NOOP("Skin", "4분쉼표")),
    art(4457, 27, 30, 3, A::EighthRest, QT_TRANSLATE_NOOP("Skin", "8분쉼표")),
    art(4459, 27, 30, 3, A::SixteenthRest, QT_TRANSLATE_NOOP("Skin", "16분쉼표")),
    art(4461, 27, 30, 3, A::ThirtySecondRest, QT_TRANSLATE_NOOP("Skin", "32분쉼표")),
    art(4471, 19, 30, 3, A::LeftRepeat, QT_TRANSLATE_NOOP("Skin", "왼쪽 도돌이표")),
    art(4473, 19, 30, 3, A::RightRepeat, QT_TRANSLATE_NOOP("Skin", "오른쪽 도돌이표")),
    choice(4477, 30, 26, 3, A::Sharp, QT_TRANSLATE_NOOP("Skin", "올림표")),
    choice(4479, 28, 26, 3, A::Flat, QT_TRANSLATE_NOOP("Skin", "내림표")),
    choice(4481, 28, 26, 3, A::Natural, QT_TRANSLATE_NOOP("Skin", "제자리표")),
    art(4482, 31, 26, 3, A::NoteUp, QT_TRANSLATE_NOOP("Skin", "반음 올림")),
    art(4483, 31, 26, 3, A::NoteDown, QT_TRANSLATE_NOOP("Skin", "반음 내림")),
    art(4484, 31, 26, 3, A::DeleteBefore, QT_TRANSLATE_NOOP("Skin", "커서 앞 음표 삭제")),
    art(4485, 31, 26, 3, A::DeleteAt, QT_TRANSLATE_NOOP("Skin", "커서 위치 음표 삭제")),
    art(4486, 31, 26, 3, A::Copy, QT_TRANSLATE_NOOP("Skin", "복사")),
    art(4487, 31, 26, 3, A::Cut, QT_TRANSLATE_NOOP("Skin", "잘라내기")),
    art(4488, 31, 26, 3, A::Paste, QT_TRANSLATE_NOOP("Skin", "붙여넣기")),

    // Animation editor.
    text(4600, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "종료")),
    text(4601, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "도움말")),
    text(4602, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "새파일")),
    text(4603, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "열기")),
    text(4604, 46, 40, 3, QT_TRANSLATE_NOOP("Skin", "저장")),
    art(4605, 28, 24, 3, A::NewItem, QT_TRANSLATE_NOOP("Skin", "새 애니메이션")),
    art(4606, 28, 24, 3, A::Rename, QT_TRANSLATE_NOOP("Skin", "애니메이션 이름 바꾸기")),
    art(4607, 28, 24, 3, A::DeleteItem, QT_TRANSLATE_NOOP("Skin", "애니메이션 삭제")),
    art(4608, 28, 24, 3, A::Play, QT_TRANSLATE_NOOP("Skin", "애니메이션 시작")),
    art(4609, 28, 24, 3, A::Stop, QT_TRANSLATE_NOOP("Skin", "애니메이션 중지")),
    text(4611, 64, 40, 3, QT_TRANSLATE_NOOP("Skin", "그림읽기")),
    art(4612, 30, 30, 4, A::Undo, QT_TRANSLATE_NOOP("Skin", "실행 취소")),
    art(4613, 30, 30, 4, A::Redo, QT_TRANSLATE_NOOP("Skin", "다시 실행")),
    choice(4620, 26, 26, 2, A::RectTool, QT_TRANSLATE_NOOP("Skin", "사각형")),
    choice(4621, 26, 26, 2, A::EllipseTool, QT_TRANSLATE_NOOP("Skin", "타원")),
    choice(4622, 26, 26, 2, A::PointTool, QT_TRANSLATE_NOOP("Skin", "점")),
    choice(4624, 26, 26, 2, A::LineTool, QT_TRANSLATE_NOOP("Skin", "직선")),
    choice(4626, 26, 26, 2, A::FillTool, QT_TRANSLATE_NOOP("Skin", "채우기")),
    choice(4627, 26, 26, 2, A::TextTool, QT_TRANSLATE_NOOP("Skin", "글자")),
    choice(4628, 26, 26, 2, A::SelectTool, QT_TRANSLATE_NOOP("Skin", "영역 선택")),
    choice(4629, 26, 26, 2, A::SprayTool, QT_TRANSLATE_NOOP("Skin", "스프레이")),

    // Score glyphs and piano keys (black on white; white is transparent).
    glyph(4800, 24, 64, A::TrebleClef),
    glyph(4801, 14, 34, A::WholeNote, Stem::Up),
    glyph(4802, 14, 34, A::HalfNote, Stem::Up),
    glyph(4803, 14, 34, A::QuarterNote, Stem::Up),
    glyph(4804, 18, 34, A::EighthNote, Stem::Up),
    glyph(4805, 18, 34, A::SixteenthNote, Stem::Up),
    glyph(4806, 18, 34, A::ThirtySecondNote, Stem::Up),
    glyph(4811, 14, 34, A::WholeNote, Stem::Down),
    glyph(4812, 14, 34, A::HalfNote, Stem::Down),
    glyph(4813, 14, 34, A::QuarterNote, Stem::Down),
    glyph(4814, 18, 34, A::EighthNote, Stem::Down),
    glyph(4815, 18, 34, A::SixteenthNote, Stem::Down),
    glyph(4816, 18, 34, A::ThirtySecondNote, Stem::Down),
    glyph(4821, 12, 24, A::WholeRest),
    glyph(4822, 12, 24, A::HalfRest),
    glyph(4823, 12, 24, A::QuarterRest),
    glyph(4824, 12, 24, A::EighthRest),
    glyph(4825, 12, 24, A::SixteenthRest),
    glyph(4826, 12, 24, A::ThirtySecondRest),
    glyph(4830, 10, 22, A::Sharp),
    glyph(4831, 9, 22, A::Flat),
    glyph(4832, 8, 22, A::Natural),
    glyph(4833, 12, 36, A::LeftRepeat),
    glyph(4834, 12, 36, A::RightRepeat),
    glyph(4835, 4, 4, A::Dot),
    {4840, 20, 53, 1, K::PianoKey, {}, A::WhiteKeyLeft},
    {4841, 20, 53, 1, K::PianoKey, {}, A::WhiteKeyMiddle},
    {4842, 20, 53, 1, K::PianoKey, {}, A::WhiteKeyRight},
    {4843, 17, 30, 1, K::PianoKey, {}, A::BlackKey},

    // Message box buttons and icons.
    text(5000, 42, 22, 4, QT_TRANSLATE_NOOP("Skin", "확인")),
    text(5001, 42, 22, 3, QT_TRANSLATE_NOOP("Skin", "취소")),
    text(5002, 42, 22, 4, QT_TRANSLATE_NOOP("Skin", "예")),
    text(5003, 42, 22, 3, QT_TRANSLATE_NOOP("Skin", "아니오")),
    text(5004, 42, 22, 4, QT_TRANSLATE_NOOP("Skin", "재시도")),
    {5010, 32, 32, 1, K::Icon, {}, A::StopSign},
    {5011, 32, 32, 1, K::Icon, {}, A::Question},
    {5012, 32, 32, 1, K::Icon, {}, A::Exclamation},
    {5013, 32, 32, 1, K::Icon, {}, A::Information},

    // Dialog frame: corners and edges of the outer frame, the title bar, and
    // the bevel around the content area.
    piece(5200, 14, 33),
    piece(5201, 16, 33),
    piece(5202, 14, 33),
    piece(5203, 14, 16),
    piece(5204, 14, 16),
    piece(5205, 14, 52),
    piece(5206, 16, 52),
    piece(5207, 14, 52),
    {5208, 160, 24, 1, K::Caption, QT_TRANSLATE_NOOP("Skin", "알림")},
    piece(5209, 3, 3),
    piece(5210, 16, 3),
    piece(5211, 3, 3),
    piece(5212, 3, 16),
    piece(5213, 3, 16),
    piece(5214, 3, 3),
    piece(5215, 16, 3),
    piece(5216, 3, 3),
    piece(5217, 16, 4),

    // Dialog captions.
    caption(5300, 162, QT_TRANSLATE_NOOP("Skin", "새 파일")),
    caption(5301, 162, QT_TRANSLATE_NOOP("Skin", "파일 열기")),
    caption(5302, 162, QT_TRANSLATE_NOOP("Skin", "파일 저장")),
    caption(5303, 162, QT_TRANSLATE_NOOP("Skin", "도움말")),
    caption(5304, 162, QT_TRANSLATE_NOOP("Skin", "프로그램 종료")),
    caption(5305, 162, QT_TRANSLATE_NOOP("Skin", "알림")),
    caption(5321, 162, QT_TRANSLATE_NOOP("Skin", "삭제 확인")),
    caption(5400, 162, QT_TRANSLATE_NOOP("Skin", "새 멜로디")),
    caption(5401, 162, QT_TRANSLATE_NOOP("Skin", "멜로디 이름 바꾸기")),
    caption(5402, 162, QT_TRANSLATE_NOOP("Skin", "음정 바꾸기")),
};

constexpr SkinLabel kLabels[] = {
    {3001, 75, 205, QT_TRANSLATE_NOOP("Skin", "휴대폰 비밀번호 4자리를 입력하세요.")},
    {3001, 540, 57, QT_TRANSLATE_NOOP("Skin", "확인"), true},
    {3001, 540, 107, QT_TRANSLATE_NOOP("Skin", "종료"), true},
    {3001, 540, 156, QT_TRANSLATE_NOOP("Skin", "도움말"), true},
    {3001, 538, 396, QT_TRANSLATE_NOOP("Skin", "휴대폰 없이 사용"), true},
    {3002, 88, 95, QT_TRANSLATE_NOOP("Skin", "다이어리 전화번호부")},
    {3002, 88, 154, QT_TRANSLATE_NOOP("Skin", "단문 메시지 주고받기")},
    {3002, 88, 213, QT_TRANSLATE_NOOP("Skin", "나만의 멜로디 지정")},
    {3002, 88, 271, QT_TRANSLATE_NOOP("Skin", "애니메이션 지정")},
    {3002, 284, 95, QT_TRANSLATE_NOOP("Skin", "알람 지정")},
    {3002, 284, 154, QT_TRANSLATE_NOOP("Skin", "데이터 서비스 연결")},
    {3002, 284, 213, QT_TRANSLATE_NOOP("Skin", "휴대폰 환경 설정")},
    {3002, 463, 426, QT_TRANSLATE_NOOP("Skin", "도움말")},
    {3002, 537, 426, QT_TRANSLATE_NOOP("Skin", "종료")},
    {3003, 176, 154, QT_TRANSLATE_NOOP("Skin", "문자 메시지 확인")},
    {3003, 176, 251, QT_TRANSLATE_NOOP("Skin", "문자 메시지 발신")},
    {3050, 40, 43, QT_TRANSLATE_NOOP("Skin", "파일"), false, 60},
    {3050, 40, 66, QT_TRANSLATE_NOOP("Skin", "멜로디"), false, 60},
    {3050, 300, 43, QT_TRANSLATE_NOOP("Skin", "템포"), false, 36},
    {3050, 300, 66, QT_TRANSLATE_NOOP("Skin", "조성"), false, 36},
    {3060, 40, 66, QT_TRANSLATE_NOOP("Skin", "애니메이션"), false, 85},
    {3060, 318, 66, QT_TRANSLATE_NOOP("Skin", "효과"), false, 40},
    {3060, 453, 124, QT_TRANSLATE_NOOP("Skin", "미리보기"), false, 105},
};

} // namespace

std::span<const ResourceSpec> resourceTable() {
  return kTable;
}

std::span<const SkinLabel> skinLabels() {
  return kLabels;
}

std::string shownText(const ResourceSpec &spec) {
  if (spec.kind == Kind::IconStrip) {
    return std::string(spec.text);
  }
  return text::translate("Skin", std::string(spec.text).c_str());
}

std::string shownText(const SkinLabel &label) {
  return text::translate("Skin", std::string(label.text).c_str());
}

std::string shownIconMark(std::string_view name) {
  // The alarm repeat icons: daily, weekly, monthly, yearly.
  static constexpr const char *kMarks[] = {QT_TRANSLATE_NOOP("Skin", "일"), QT_TRANSLATE_NOOP("Skin", "주"),
                                           QT_TRANSLATE_NOOP("Skin", "월"), QT_TRANSLATE_NOOP("Skin", "년")};
  for (const char *mark : kMarks) {
    if (name == mark) {
      return text::translate("Skin", mark);
    }
  }
  return std::string(name);
}

const ResourceSpec *findResource(int id) {
  const auto it = std::find_if(std::begin(kTable), std::end(kTable),
                               [id](const ResourceSpec &spec) { return spec.id == id; });
  return it == std::end(kTable) ? nullptr : &*it;
}

} // namespace pdx::resources
