// Every message box type, with a one-line and a three-line text.
#include "resources/resource_ids.h"
#include "winlib/bmp_message_box.h"
#include "winlib/gallery/gallery.h"

namespace pdx::winlib::gallery {

namespace {

struct Sample {
  const char *name;
  uint32_t type;
  int caption;
  const char *oneLine;
  const char *threeLines;
};

constexpr Sample kSamples[] = {
    {"ok-stop", kMbOk | kMbIconStop, 0, "휴대폰을 찾을수 없습니다. 휴대폰을 연결하세요.",
     "휴대폰과의 연결을 확인해주시기 바랍니다.\n케이블이 꽂혀 있는지 확인하고\n다시 시도하세요."},
    {"okcancel-question", kMbOkCancel | kMbIconQuestion, resources::kCaptionExit,
     "프로그램을 종료하시겠습니까?", "파일이 이미 있습니다.\n덮어쓰면 이전 내용은 지워집니다.\n덮어쓸까요?"},
    {"yesno-question", kMbYesNo | kMbIconQuestion, resources::kCaptionDelete,
     "애니메이션을 삭제하시겠습니까?",
     "이 멜로디를 삭제합니다.\n삭제한 멜로디는 되살릴 수 없습니다.\n삭제하시겠습니까?"},
    {"yesnocancel-question", kMbYesNoCancel | kMbIconQuestion, resources::kCaptionSave,
     "멜로디가 변경되었습니다. 저장하시겠습니까?",
     "이 파일이 멜로디 폴더에 있지 않습니다.\n멜로디 폴더로 옮길까요?\n옮기지 않으면 다음에 다시 묻습니다."},
    {"retrycancel-exclamation", kMbRetryCancel | kMbIconExclamation, resources::kCaptionNotice,
     "연결이 실패하였습니다. 다시 시도하세요.",
     "휴대폰에 쓰지 못했습니다.\n휴대폰의 전원과 케이블을 확인한 뒤\n다시 시도하세요."},
    {"ok-information", kMbOk | kMbIconInformation, 0, "저장했습니다.",
     "전화번호부를 모두 읽었습니다.\n이름 120개, 그룹 8개를\n불러왔습니다."},
    {"ok-plain", kMbOk, resources::kDialogTitleBar, "같은 이름의 멜로디가 있습니다.",
     "가족"
     "\xee\x80\x84"
     " 집 전화\n회사"
     "\xee\x80\x85"
     " 사무실\n친구"
     "\xee\x80\x81"
     " 휴대폰"},
};

QImage render(const Sample &sample, const char *text) {
  CBmpMessageBox box;
  box.Prepare(QString::fromUtf8(text), QStringLiteral("알림"), sample.type, sample.caption);
  return box.grab().toImage();
}

} // namespace

void renderMessageBoxes(Output &out) {
  for (const Sample &sample : kSamples) {
    const QString name = QStringLiteral("message-box-%1").arg(QString::fromLatin1(sample.name));
    out.save(name + QStringLiteral("-1"), render(sample, sample.oneLine));
    out.save(name + QStringLiteral("-3"), render(sample, sample.threeLines));
  }
}

} // namespace pdx::winlib::gallery
