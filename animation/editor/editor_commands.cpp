#include "animation/editor/editor_commands.h"

#include "core/base/user_text.h"

#include <array>
#include <string>
#include <utility>

namespace pdx::animation {

namespace {

struct KeyBinding {
  int key;
  bool shift;
  int command;
};

// Keys with Control held.
constexpr std::array<KeyBinding, 12> kControlKeys{{
    {'H', false, kCmdHelp},
    {'N', false, kCmdNewFile},
    {'O', false, kCmdOpen},
    {'S', false, kCmdSave},
    {'N', true, kCmdNewAnimation},
    {'R', false, kCmdRename},
    {'I', false, kCmdImport},
    {'Z', false, kCmdUndo},
    {'Z', true, kCmdRedo},
    {'C', false, kCmdCopy},
    {'X', false, kCmdCut},
    {'V', false, kCmdPaste},
}};

constexpr std::array<std::pair<int, int>, 8> kTools{{
    {kCmdToolSelect, 0},
    {kCmdToolPoint, 1},
    {kCmdToolLine, 2},
    {kCmdToolRectangle, 3},
    {kCmdToolEllipse, 4},
    {kCmdToolText, 7},
    {kCmdToolSpray, 8},
    {kCmdToolFill, 9},
}};

constexpr const char *kHelpContext = "pdx::animation::EditorCommands";

} // namespace

std::optional<int> commandForKey(int key, bool control, bool shift) {
  if (key == kKeyDelete) {
    return kCmdDeleteBlock;
  }
  if (key == kKeyEscape) {
    return kCmdClearSelection;
  }
  if (!control) {
    return std::nullopt;
  }
  if (key == 'A') {
    return kCmdSelectAll;
  }
  for (const KeyBinding &binding : kControlKeys) {
    if (binding.key == key && binding.shift == shift) {
      return binding.command;
    }
  }
  return std::nullopt;
}

std::optional<int> toolOfCommand(int command) {
  for (const auto &[cmd, tool] : kTools) {
    if (cmd == command) {
      return tool;
    }
  }
  return std::nullopt;
}

std::optional<int> commandOfTool(int tool) {
  for (const auto &[cmd, number] : kTools) {
    if (number == tool) {
      return cmd;
    }
  }
  return std::nullopt;
}

const char *buttonHelpText(int command) {
  // The drawing tools' texts end alike: left button black, right button white.
  static constexpr std::pair<int, const char *> kTexts[] = {
      {kCmdNewAnimation, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "새 애니메이션을 만듭니다.")},
      {kCmdDelete,
       QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "현재 편집중인 애니메이션을 삭제합니다.")},
      {kCmdRename,
       QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "현재 편집중인 애니메이션의 이름을 바꿉니다.")},
      {kCmdImport, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "외부의 그림파일을 읽어 들입니다.")},
      {kCmdNewFile, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "새 애니메이션을 파일을 만듭니다.")},
      {kCmdOpen, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "애니메이션 파일을 읽어들입니다.")},
      {kCmdSave, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "애니메이션 파일을 저장합니다.")},
      {kCmdHelp, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "도움말을 봅니다.")},
      {kCmdExit,
       QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "애니메이션 편집기 프로그램을 종료합니다.")},
      {kCmdPlay, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "애니메이션을 시작합니다.")},
      {kCmdStop, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "애니메이션을 중지합니다.")},
      {kCmdUndo, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "마지막으로 한 편집을 취소합니다.")},
      {kCmdRedo,
       QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "이전에 취소한 편집을 다시 실행합니다.")},
      {kCmdToolSelect, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands", "블록을 지정합니다.")},
      {kCmdToolPoint, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands",
                                        "점을 찍습니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.")},
      {kCmdToolLine, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands",
                                       "선을 긋습니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.")},
      {kCmdToolRectangle, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands",
                                            "네모를 그립니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.")},
      {kCmdToolEllipse, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands",
                                          "원을 그립니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.")},
      {kCmdToolText,
       QT_TRANSLATE_NOOP("pdx::animation::EditorCommands",
                         "위치를 지정하여 글자를 입력합니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.")},
      {kCmdToolSpray, QT_TRANSLATE_NOOP("pdx::animation::EditorCommands",
                                        "스프레이로 칠합니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.")},
      {kCmdToolFill,
       QT_TRANSLATE_NOOP("pdx::animation::EditorCommands",
                         "영역을 지정한 색으로 채웁니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.")},
  };
  for (const auto &[cmd, text] : kTexts) {
    if (cmd == command) {
      return text::translateLiteral(kHelpContext, text);
    }
  }
  return nullptr;
}

} // namespace pdx::animation
