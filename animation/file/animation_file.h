// The open .pca document: a title and an ordered list of animations, with
// the rules by which it is loaded from and saved to its file.
//
// Layout (little-endian): a 64-byte header template (magic, version 1.0,
// author), the 32-byte title, an int32 count, then per animation its
// 16-byte name, uint16 effect code and 612 picture bytes.
#pragma once

#include "animation/file/animation.h"
#include "core/base/doc_result.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pdx::animation {

inline constexpr size_t kHeaderBytes = 64;
inline constexpr size_t kTitleBytes = 32;
inline constexpr size_t kRecordBytes = 630;
inline constexpr size_t kFixedBytes = kHeaderBytes + kTitleBytes + 4;
// Largest animation file read: some 26,000 pictures, far more than the
// editor's list is meant for.
inline constexpr uint64_t kMaxAnimationFileBytes = uint64_t(16) << 20;

// Default file name of a new document: a name in the file system, so in
// the system's encoding (UTF-8), unlike the texts the file holds.
std::string defaultFileName();
// Default texts of a new document (code page 949).
std::string defaultTitle();
std::string defaultAnimationName();

class CAnimationFile {
public:
  using Title = FixedText<kTitleBytes>;

  CAnimationFile();

  // Starts a new document holding one white animation; see the header.
  void New(std::optional<std::string> title = std::nullopt,
           std::optional<std::string> fileName = std::nullopt);
  // Reads a file named relative to the folder, or by its own path. Any
  // failure leaves a new untitled document.
  [[nodiscard]] DocResult Load(const std::string &path);
  // Writes the document to its target; on failure a previous file of that
  // name is left as it was and the document stays modified.
  [[nodiscard]] DocResult Save();
  // The document as the file holds it.
  std::vector<uint8_t> serialize() const;
  // Reads file bytes; the header checks and record rules of Load().
  [[nodiscard]] DocResult parse(std::span<const uint8_t> bytes);

  int FindByName(std::string_view name) const;
  // Appends a white animation; without a name (or with an empty one) it is
  // called defaultAnimationName(). -1 when the name is taken.
  int AddAnimation(std::optional<std::string> name = std::nullopt);
  int RenameAnimation(int index, std::string_view name);
  void RemoveAnimation(int index);
  [[nodiscard]] bool InsertAt(int index, const CAnimation &animation);
  CAnimation *SetCurrent(int index);
  bool IsModified() const;
  std::filesystem::path FullPath() const;
  [[nodiscard]] bool MoveIntoFolder();

  int count() const { return static_cast<int>(list_.size()); }
  CAnimation *at(int index);
  const CAnimation *at(int index) const;
  int currentIndex() const { return current_; }

  const Title &title() const { return title_; }
  void setTitle(std::string_view cp949);
  const std::string &path() const { return path_; }
  void setPath(std::string path) { path_ = std::move(path); }
  // The animation folder; a trailing separator is added when missing.
  void setFolder(const std::filesystem::path &folder);
  const std::string &folder() const { return folder_; }

  bool askNameOnSave() const { return askName_; }
  void setAskNameOnSave(bool ask) { askName_ = ask; }
  bool outsideFolder() const { return outside_; }
  bool movePending() const { return movePending_; }

private:
  void clearDocument();
  void noteWhereOpened(const std::string &opened);
  std::filesystem::path target() const;

  std::vector<std::unique_ptr<CAnimation>> list_;
  bool listModified_ = false;
  bool askName_ = true;
  std::string path_;
  Title title_;
  int current_ = 0;
  bool outside_ = false;
  bool movePending_ = false;
  std::string folder_;
};

} // namespace pdx::animation
