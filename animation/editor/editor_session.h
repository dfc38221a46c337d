// The animation editor's document commands without a screen: the folder
// check and the keep-or-discard question, Save, New file, Open, Exit and
// the animation list's operations. The window asks them and refreshes its
// lists from the results.
#pragma once

#include "animation/editor/editor_ports.h"
#include "animation/file/animation_file.h"

#include <functional>
#include <string>
#include <vector>

namespace pdx::animation {

// One row of the animation list: the name on screen and the index in the
// document.
struct AnimationRow {
  std::string name; // UTF-8
  int index;
};

class EditorSession {
public:
  EditorSession(CAnimationFile &document, EditorPorts &ports) : document_(document), ports_(ports) {}

  // Asks whether a file read from outside the folder moves in; false when
  // the command that asked is abandoned.
  [[nodiscard]] bool FolderCheck();
  // The folder check, then "save changes?"; false when abandoned.
  [[nodiscard]] bool KeepOrDiscard();
  // Asks for a name when the document has none, writes it and tells the
  // phone-data program; false when cancelled or failed.
  bool Save();
  // The save command: the folder check first.
  bool SaveCommand();
  // True when a new document replaced the old one.
  bool NewFile();
  // Opens `given` (the command line, a drop), else asks for a file. True
  // when the document was replaced (also by a new one after a failure).
  bool Open(std::optional<std::string> given = std::nullopt);
  // True when the program may end.
  bool Exit();

  // The new animation's index, or nothing (the message was shown).
  std::optional<int> NewAnimation(const std::string &nameUtf8);
  // True when the list changed.
  bool RenameAnimation(int index, const std::string &nameUtf8);
  // The index to make current after a removal, or nothing.
  std::optional<int> DeleteAnimation(int index);

  // Called as soon as New file or Open replaced the document, before any
  // message: the window must let go of the animations it showed.
  void SetReplacedHandler(std::function<void()> handler) { replaced_ = std::move(handler); }

  // The animation list sorted by name as the list control shows it.
  std::vector<AnimationRow> Rows() const;
  // The document's file name without its folder (UTF-8).
  std::string FileName() const;

private:
  void message(const char *text, uint32_t type);
  void replaced();

  CAnimationFile &document_;
  EditorPorts &ports_;
  std::function<void()> replaced_;
};

} // namespace pdx::animation
