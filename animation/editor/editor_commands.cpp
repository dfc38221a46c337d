#include "animation/editor/editor_commands.h"

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

// The drawing tools' texts end alike.
constexpr const char *kDrawingHint = " 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.";

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
  static const std::array<std::pair<int, std::string>, 21> texts{{
      {kCmdNewAnimation, "새 애니메이션을 만듭니다."},
      {kCmdDelete, "현재 편집중인 애니메이션을 삭제합니다."},
      {kCmdRename, "현재 편집중인 애니메이션의 이름을 바꿉니다."},
      {kCmdImport, "외부의 그림파일을 읽어 들입니다."},
      {kCmdNewFile, "새 애니메이션을 파일을 만듭니다."},
      {kCmdOpen, "애니메이션 파일을 읽어들입니다."},
      {kCmdSave, "애니메이션 파일을 저장합니다."},
      {kCmdHelp, "도움말을 봅니다."},
      {kCmdExit, "애니메이션 편집기 프로그램을 종료합니다."},
      {kCmdPlay, "애니메이션을 시작합니다."},
      {kCmdStop, "애니메이션을 중지합니다."},
      {kCmdUndo, "마지막으로 한 편집을 취소합니다."},
      {kCmdRedo, "이전에 취소한 편집을 다시 실행합니다."},
      {kCmdToolSelect, "블록을 지정합니다."},
      {kCmdToolPoint, std::string("점을 찍습니다.") + kDrawingHint},
      {kCmdToolLine, std::string("선을 긋습니다.") + kDrawingHint},
      {kCmdToolRectangle, std::string("네모를 그립니다.") + kDrawingHint},
      {kCmdToolEllipse, std::string("원을 그립니다.") + kDrawingHint},
      {kCmdToolText, std::string("위치를 지정하여 글자를 입력합니다.") + kDrawingHint},
      {kCmdToolSpray, std::string("스프레이로 칠합니다.") + kDrawingHint},
      {kCmdToolFill, std::string("영역을 지정한 색으로 채웁니다.") + kDrawingHint},
  }};
  for (const auto &[cmd, text] : texts) {
    if (cmd == command) {
      return text.c_str();
    }
  }
  return nullptr;
}

} // namespace pdx::animation
