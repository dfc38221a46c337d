// One use of the file picker without its window: the folder shown, its
// list, the drives, and what OK does with the typed text. The dialog shows
// the state and asks the questions the outcomes call for.
#pragma once

#include "winlib/picker/picker_rules.h"

#include <string>
#include <vector>

namespace pdx::winlib {

// Option bits of the picker.
inline constexpr int kPickerAlternateFolder = 0x1; // start in the alternate start folder
inline constexpr int kPickerFolderOnly = 0x2;      // no drives, no sub-folders

// The two program-wide start folders; a program sets both at start-up and
// may set the current one before each use. Empty means the home folder.
struct PickerStartFolders {
  std::string current;
  std::string alternate;
};
PickerStartFolders &pickerStartFolders();

enum class PickerOutcome {
  Nothing,       // empty text, or a choice that changes nothing
  Refilled,      // new folder or pattern: show the list again, the field shows the pattern
  Done,          // a file was chosen
  AskOverwrite,  // save mode: the file exists; confirmOverwrite() on yes
  FileMissing,   // open mode: no such file
  FolderMissing, // the text names a folder that does not exist
  IsFolder,      // folder-only mode: the text names a folder, not a file
};

class PickerSession {
public:
  // `mode` kPickerOpen or kPickerSave; an empty `pattern` lists everything.
  PickerSession(int mode, std::string pattern, int options, std::string home,
                std::vector<PickerDrive> drives);

  PickerOutcome submit(std::string_view text);
  // A double-clicked list item: a sub-folder is entered, a file submitted.
  PickerOutcome activateItem(const std::string &item);
  // The text a selected list item puts in the field ("<sub>" gives "sub").
  static std::string fieldTextOf(const std::string &item);
  PickerOutcome chooseDrive(size_t index);
  // The user agreed to overwrite the file asked about.
  PickerOutcome confirmOverwrite();

  int mode() const { return mode_; }
  bool folderOnly() const { return (options_ & kPickerFolderOnly) != 0; }
  const std::string &folder() const { return folder_; }
  const std::string &pattern() const { return pattern_; }
  const std::string &chosenPath() const { return chosenPath_; }
  const std::string &fileName() const { return fileName_; }
  const std::vector<std::string> &items() const { return items_; }
  const std::vector<PickerDrive> &drives() const { return drives_; }
  size_t currentDrive() const { return currentDrive_; }
  // Lists the current folder again (after the pattern changed from outside).
  void setPattern(std::string pattern);

private:
  void enter(const std::string &folder);
  PickerOutcome choose(const TextMeaning &meaning);

  int mode_;
  int options_;
  std::string pattern_;
  std::string extension_;
  std::string home_;
  std::string folder_;
  std::vector<PickerDrive> drives_;
  size_t currentDrive_ = 0;
  std::vector<std::string> items_;
  std::string chosenPath_;
  std::string fileName_;
};

} // namespace pdx::winlib
