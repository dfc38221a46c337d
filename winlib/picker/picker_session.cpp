#include "winlib/picker/picker_session.h"

#include <filesystem>
#include <system_error>

namespace pdx::winlib {
namespace {

bool isFolder(const std::string &path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

// The start folder to use: the given one when it exists, else the home folder.
std::string startFolder(const std::string &wanted, const std::string &home) {
  return normalFolder(!wanted.empty() && isFolder(wanted) ? wanted : home.empty() ? std::string("/") : home);
}

} // namespace

PickerStartFolders &pickerStartFolders() {
  static PickerStartFolders folders;
  return folders;
}

PickerSession::PickerSession(int mode, std::string pattern, int options, std::string home,
                             std::vector<PickerDrive> drives)
    : mode_(mode), options_(options), pattern_(pattern.empty() ? "*.*" : std::move(pattern)),
      extension_(defaultExtension(pattern_)), home_(std::move(home)),
      drives_(folderOnly() ? std::vector<PickerDrive>() : std::move(drives)) {
  const auto &starts = pickerStartFolders();
  enter(startFolder((options_ & kPickerAlternateFolder) != 0 ? starts.alternate : starts.current, home_));
}

void PickerSession::enter(const std::string &folder) {
  folder_ = folder;
  items_ = listFolder(folder_, pattern_, folderOnly());
  currentDrive_ = driveOf(drives_, folder_);
}

void PickerSession::setPattern(std::string pattern) {
  pattern_ = pattern.empty() ? "*.*" : std::move(pattern);
  enter(folder_);
}

PickerOutcome PickerSession::submit(std::string_view text) {
  const TextMeaning meaning = interpretText(text, folder_, folderOnly(), home_);
  switch (meaning.action) {
  case TextAction::Nothing:
    return PickerOutcome::Nothing;
  case TextAction::NewPattern:
    pattern_ = meaning.pattern;
    if (!folderOnly()) {
      enter(isFolder(meaning.folder) ? meaning.folder : folder_);
    }
    return PickerOutcome::Refilled;
  case TextAction::EnterFolder:
    enter(meaning.folder);
    return PickerOutcome::Refilled;
  case TextAction::NoSuchFolder:
    return isFolder(meaning.folder + meaning.name) ? PickerOutcome::IsFolder : PickerOutcome::FolderMissing;
  case TextAction::ChooseFile:
    break;
  }
  return choose(meaning);
}

// The default extension is added before the existence check, so that the
// question about overwriting concerns the file that will really be written.
PickerOutcome PickerSession::choose(const TextMeaning &meaning) {
  fileName_ = withDefaultExtension(meaning.name, extension_);
  chosenPath_ = meaning.folder + fileName_;
  switch (checkChosenFile(chosenPath_, mode_)) {
  case FileCheck::Accept:
    return PickerOutcome::Done;
  case FileCheck::AskOverwrite:
    return PickerOutcome::AskOverwrite;
  case FileCheck::Missing:
    return PickerOutcome::FileMissing;
  case FileCheck::IsFolder:
    break;
  }
  return PickerOutcome::IsFolder;
}

PickerOutcome PickerSession::confirmOverwrite() {
  return chosenPath_.empty() ? PickerOutcome::Nothing : PickerOutcome::Done;
}

std::string PickerSession::fieldTextOf(const std::string &item) {
  const bool folder = item.size() >= 2 && item.front() == '<' && item.back() == '>';
  return folder ? item.substr(1, item.size() - 2) : item;
}

PickerOutcome PickerSession::activateItem(const std::string &item) {
  return submit(fieldTextOf(item));
}

PickerOutcome PickerSession::chooseDrive(size_t index) {
  if (index >= drives_.size() || index == currentDrive_) {
    return PickerOutcome::Nothing;
  }
  return submit(drives_[index].path);
}

} // namespace pdx::winlib
