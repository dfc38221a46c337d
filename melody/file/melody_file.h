// The open melody document: a titled list of melodies, the file it belongs
// to, and where that file lies relative to the melody folder.
#pragma once

#include "core/base/doc_result.h"
#include "core/base/user_text.h"
#include "melody/file/melody_codec.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pdx::melody {

// What the editor tells the user when Load fails with `result` (UTF-8).
const char *loadFailureMessage(DocResult result);
inline constexpr const char *kSaveFailureMessage =
    QT_TRANSLATE_NOOP("pdx::melody::MelodyFile", "멜로디를 저장할 수 없습니다.");

// Largest melody file read: room for some 4,000 melodies of 1024 entries,
// far more than the editor's list is meant for.
inline constexpr uint64_t kMaxMelodyFileBytes = uint64_t(16) << 20;

class CMelodyFile {
public:
  // Texts of a new document (code page 949 in the file).
  static const std::string &defaultPath();       // "새멜로디.pcm"
  static const std::string &defaultTitle();      // "새멜로디파일"
  static const std::string &defaultMelodyName(); // "새멜로디"

  // Starts as a new untitled document with the folder empty.
  CMelodyFile();

  // The melody folder, used by Load, Save and MoveIntoFolder; a separator is
  // added when missing. Set once at start-up.
  void setFolder(const std::filesystem::path &folder);
  const std::string &folder() const { return folder_; }

  // Clears the list and starts a new document with one melody. `title` and
  // `name` are code page 949; the file name is a path relative to the folder.
  void New(std::optional<std::string_view> title, std::optional<std::string_view> fileName);
  // Reads `path`: first as a name inside the melody folder, then as given.
  // On any failure the document is a new untitled one.
  DocResult Load(const std::string &path);
  // Writes the document to its file, replacing the previous file only once
  // the whole new file is on the disk.
  DocResult Save();

  // Index of the first melody whose name equals `name` byte for byte, or -1.
  int FindByName(std::string_view name) const;
  // Appends a new empty melody; returns its index, or -1 when the name is
  // taken. Without a name it is called "새멜로디".
  int AddMelody(std::optional<std::string_view> name = std::nullopt);
  // Returns `index`, or -1 when the name is taken (also by the melody itself)
  // or the index is not in the list.
  int RenameMelody(int index, std::string_view name);
  void RemoveMelody(int index);
  // Stores a copy of `melody` at `index` (0 to size); false when outside.
  bool InsertAt(int index, const CMelody &melody);

  // The melody at `index` (made current), or nullptr when there is none.
  CMelody *SetCurrent(int index);
  CMelody *Current();
  int currentIndex() const { return current_; }

  bool IsModified() const;
  // The folder followed by the path.
  std::string FullPath() const;
  // Moves a file loaded from outside the folder into it (see the source).
  bool MoveIntoFolder(bool force);

  int size() const { return static_cast<int>(melodies_.size()); }
  const CMelody &at(int index) const { return *melodies_[static_cast<size_t>(index)]; }
  CMelody &at(int index) { return *melodies_[static_cast<size_t>(index)]; }

  const FileTitle &title() const { return title_; }
  const std::string &path() const { return path_; }
  bool listModified() const { return listModified_; }
  bool askNameOnSave() const { return askName_; }
  // The name chosen when saving under a new name: a file in the melody
  // folder; clears ask-name-on-save and outside-folder.
  void setPath(const std::string &fileName);
  bool outsideFolder() const { return outside_; }
  bool movePending() const { return movePending_; }

private:
  bool nameTaken(const CMelody::Name &name) const;
  // Decides whether a file opened by its own path lies in the folder.
  void classifyOpenedPath();
  DocResult readFrom(const std::string &file);

  MelodyList melodies_;
  bool listModified_ = false;
  bool askName_ = true;
  std::string path_;
  FileTitle title_;
  int current_ = 0;
  bool outside_ = false;
  bool movePending_ = false;
  std::string folder_;
};

} // namespace pdx::melody
