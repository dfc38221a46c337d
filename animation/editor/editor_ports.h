// What the animation editor's document commands ask of the screen: the
// message box, the name and file dialogs, and the running phone-data
// program. Texts are UTF-8; file names are names in the file system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pdx::animation {

// The caption band of a message box: what the box is about.
enum class AskCaption {
  Notice, // "알림": messages and plain questions
  Save,   // "파일 저장": the questions before a save
  Exit,   // "프로그램 종료"
  Delete, // "삭제 확인"
};

class EditorPorts {
public:
  virtual ~EditorPorts() = default;
  // Shows `text` in the message box of `type` (winlib MessageBoxType bits)
  // under `caption`; the button pressed (winlib MessageBoxResult).
  virtual int Ask(const std::string &text, uint32_t type, AskCaption caption) = 0;
  // The save dialog in the animation folder: the chosen path, or nothing.
  virtual std::optional<std::string> PickSaveName() = 0;
  // The open dialog in the animation folder: the chosen path, or nothing.
  virtual std::optional<std::string> PickOpenPath() = 0;
  // The name dialog of New file ("이름", at most 260 characters).
  virtual std::optional<std::string> AskFileName() = 0;
  // The name dialog of New animation and Rename ("애니메이션 이름", at most
  // 16 bytes), filled with `initial`; `rename` picks the caption.
  virtual std::optional<std::string> AskAnimationName(const std::string &initial, bool rename) = 0;
  // The document was written: tell a running phone-data program.
  virtual void Saved(bool outsideFolder, const std::string &path) = 0;
};

} // namespace pdx::animation
