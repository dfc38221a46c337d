// The melody editor's file and melody commands: new file, open, save with
// the melody-folder check, new, rename and delete melody, and the questions
// asked before changes are lost. The window implements EditorUser to show
// the dialogs; the commands hold no widget.
#pragma once

#include "core/base/message_box_codes.h"
#include "core/base/user_text.h"
#include "melody/file/melody_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pdx::melody {

// Captions of the editor's dialogs and message boxes.
enum EditorCaption : int {
  kCaptionNewFile = 5300,
  kCaptionSaveQuestion = 5302,
  kCaptionExit = 5304,
  kCaptionNotice = 5305,
  kCaptionDelete = 5321,
  kCaptionNewMelody = 5400,
  kCaptionRenameMelody = 5401,
};

// The message boxes the editor asks.
inline constexpr uint32_t kBoxOk = kMbOk | kMbIconExclamation;
inline constexpr uint32_t kBoxOkCancel = kMbOkCancel | kMbIconQuestion;
inline constexpr uint32_t kBoxYesNoCancel = kMbYesNoCancel | kMbIconQuestion;
inline constexpr uint32_t kBoxExitQuestion = kMbOkCancel | kMbIconExclamation;

class EditorUser {
public:
  virtual ~EditorUser() = default;
  // A message box with `text` (UTF-8); returns the answer.
  virtual int ask(std::string_view text, uint32_t box, int captionId) = 0;
  // The file picker over the melody folder ("*.pcm"); the chosen file's
  // path, or nothing when cancelled.
  virtual std::optional<std::string> pickFile(bool save) = 0;
  // The name dialog with `captionId`, pre-filled with `initial` (UTF-8);
  // nothing when cancelled.
  virtual std::optional<std::string> askName(int captionId, std::string_view initial) = 0;
  // The document changed as a whole: rebuild the melody list and show the
  // current melody.
  virtual void refresh() = 0;
  // The file's name changed: redraw it; the melody shown stays as it is.
  virtual void redraw() = 0;
  // Pauses playback (every command does so first).
  virtual void pause() = 0;
  // A save succeeded: tell a running phone-data program.
  virtual void notifySaved(bool outsideFolder, const std::string &path) = 0;
};

class EditorCommands {
public:
  EditorCommands(CMelodyFile &doc, EditorUser &user) : doc_(doc), user_(user) {}

  // Open(path), or the picker without one. Files ending in ".mid" are
  // imported as a new untitled document, ".txt" files of ringtone text too
  // (one melody per ringtone).
  void Open(std::optional<std::string> path);
  void NewFile();
  // The save command: the folder check, then Save. True when saved.
  bool SaveCommand();
  // The questions before the document is given up; false: stop the command.
  bool SavePrompt();
  // Exit: true when the program may end.
  bool Exit();

  // Melody commands; they return the index of the melody to show, or
  // nothing when nothing changed.
  std::optional<int> NewMelody();
  std::optional<int> RenameMelody();
  // True when the current melody was removed.
  bool DeleteMelody();

private:
  enum class Check { Abandon, Saved, Unchanged };
  // The melody-folder question (only for a file loaded from elsewhere);
  // answered Yes it moves the file into the folder and saves it.
  Check FolderCheck();
  bool Save();
  void Load(const std::string &path);
  void ImportMidi(const std::string &path);
  void ImportRingtones(const std::string &path);
  void warn(std::string_view text) { user_.ask(text, kBoxOk, kCaptionNotice); }

  CMelodyFile &doc_;
  EditorUser &user_;
};

// Texts of the commands (UTF-8 source texts; shown() gives them in the
// user's language).
inline constexpr std::string_view kSaveQuestion =
    QT_TRANSLATE_NOOP("pdx::melody::EditorCommands", "멜로디가 변경되었습니다. 저장하시겠습니까?");
inline constexpr std::string_view kFolderQuestion = QT_TRANSLATE_NOOP(
    "pdx::melody::EditorCommands", "이 파일이 멜로디 폴더에 있지 않습니다.\n멜로디 폴더로 옮길까요?");
inline constexpr std::string_view kOverwriteQuestion =
    QT_TRANSLATE_NOOP("pdx::melody::EditorCommands", "같은 이름을 가진 멜로디 파일이 있습니다. 덮어쓸까요?");
inline constexpr std::string_view kFileExistsQuestion =
    QT_TRANSLATE_NOOP("pdx::melody::EditorCommands", "파일이 이미 있습니다. 덮어쓸까요?");
inline constexpr std::string_view kExitQuestion =
    QT_TRANSLATE_NOOP("pdx::melody::EditorCommands", "프로그램을 종료하시겠습니까?");
inline constexpr std::string_view kDuplicateName =
    QT_TRANSLATE_NOOP("pdx::melody::EditorCommands", "같은 이름의 멜로디가 있습니다.");
inline constexpr std::string_view kLastMelody =
    QT_TRANSLATE_NOOP("pdx::melody::EditorCommands", "멜로디는 하나 이상 등록되어 있어야 합니다.");
inline constexpr std::string_view kDeleteQuestion =
    QT_TRANSLATE_NOOP("pdx::melody::EditorCommands", "멜로디를 삭제하시겠습니까?");

// A text of the commands in the user's language.
std::string shown(std::string_view source);

// The name typed in the new-file dialog as a file name: ".pcm" added when
// it has no extension.
std::string withPcmExtension(const std::string &name);

} // namespace pdx::melody
