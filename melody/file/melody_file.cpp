#include "melody/file/melody_file.h"

#include "core/base/atomic_file.h"
#include "core/base/input_file.h"
#include "core/base/named_items.h"
#include "core/base/user_text.h"

#include <algorithm>
#include <cctype>

namespace pdx::melody {

namespace fs = std::filesystem;

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

std::string absoluteFolderOf(const fs::path &file) {
  std::error_code ignored;
  fs::path folder = fs::absolute(file, ignored).lexically_normal().parent_path();
  std::string text = folder.string();
  if (text.empty() || text.back() != '/') {
    text.push_back('/');
  }
  return text;
}

std::string absoluteFolder(const std::string &folder) {
  std::error_code ignored;
  std::string text =
      fs::absolute(fs::path(folder.empty() ? "." : folder), ignored).lexically_normal().string();
  if (text.empty() || text.back() != '/') {
    text.push_back('/');
  }
  return text;
}

CMelody::Name nameFrom(std::string_view text) {
  CMelody::Name name;
  name.setWhole(text);
  return name;
}

} // namespace

const char *loadFailureMessage(DocResult result) {
  switch (result) {
  case DocResult::CannotOpen:
    return text::translateLiteral("pdx::melody::MelodyFile", "멜로디 파일을 찾을 수 없습니다.");
  case DocResult::NotThisKind:
    return text::translateLiteral("pdx::melody::MelodyFile", "멜로디 파일이 아닙니다.");
  case DocResult::UnsupportedVersion:
    return text::translateLiteral("pdx::melody::MelodyFile", "이 파일 버전은 지원하지 않습니다.");
  default:
    return text::translateLiteral("pdx::melody::MelodyFile", "멜로디를 읽어들일 수 없습니다.");
  }
}

const std::string &CMelodyFile::defaultPath() {
  static const std::string text = text::fromUtf8("새멜로디.pcm");
  return text;
}

const std::string &CMelodyFile::defaultTitle() {
  static const std::string text = text::fromUtf8("새멜로디파일");
  return text;
}

const std::string &CMelodyFile::defaultMelodyName() {
  static const std::string text = text::fromUtf8("새멜로디");
  return text;
}

CMelodyFile::CMelodyFile() {
  New(std::nullopt, std::nullopt);
}

void CMelodyFile::setFolder(const fs::path &folder) {
  folder_ = folder.string();
  if (!folder_.empty() && folder_.back() != '/') {
    folder_.push_back('/');
  }
}

void CMelodyFile::New(std::optional<std::string_view> title, std::optional<std::string_view> fileName) {
  melodies_.clear();
  path_ = fileName ? std::string(*fileName) : defaultPath();
  title_.setWhole(title ? *title : defaultTitle());
  auto melody = std::make_unique<CMelody>();
  melody->name() = nameFrom(title ? *title : defaultMelodyName());
  melodies_.push_back(std::move(melody));
  current_ = 0;
  listModified_ = false;
  outside_ = false;
  movePending_ = false;
  askName_ = !(title && fileName);
}

DocResult CMelodyFile::Load(const std::string &path) {
  melodies_.clear();
  listModified_ = false;
  askName_ = false;
  title_.clear();
  current_ = 0;
  outside_ = false;
  movePending_ = false;
  path_ = path;
  const DocResult result = readFrom(path);
  if (result != DocResult::Ok) {
    New(std::nullopt, std::nullopt);
  }
  movePending_ = outside_;
  return result;
}

DocResult CMelodyFile::readFrom(const std::string &path) {
  InputBytes in = readInputFile(folder_ + path, kMaxMelodyFileBytes);
  if (docResultOf(in.error) == DocResult::CannotOpen) {
    in = readInputFile(path, kMaxMelodyFileBytes);
    if (docResultOf(in.error) == DocResult::CannotOpen) {
      return DocResult::CannotOpen;
    }
    classifyOpenedPath();
  }
  if (in.error != InputError::None) {
    return docResultOf(in.error);
  }
  DecodedFile decoded;
  const DocResult result = decodeMelodyFile(in.bytes, decoded);
  if (result == DocResult::Ok) {
    title_ = decoded.title;
    melodies_ = std::move(decoded.melodies);
  }
  return result;
}

void CMelodyFile::classifyOpenedPath() {
  if (equalIgnoringCase(absoluteFolderOf(path_), absoluteFolder(folder_))) {
    path_ = fs::path(path_).filename().string();
  } else {
    // Kept whole, so the file is saved where it was read whatever the
    // working folder is by then.
    std::error_code ignored;
    path_ = fs::absolute(path_, ignored).lexically_normal().string();
    outside_ = true;
  }
}

DocResult CMelodyFile::Save() {
  const std::string target = outside_ ? path_ : folder_ + path_;
  const DocResult result = writeFileAtomically(target, encodeMelodyFile(title_, melodies_));
  if (result == DocResult::Ok) {
    for (auto &melody : melodies_) {
      melody->clearModified();
    }
    listModified_ = false;
  }
  return result;
}

bool CMelodyFile::nameTaken(const CMelody::Name &name) const {
  return FindByName(name.view()) >= 0;
}

int CMelodyFile::FindByName(std::string_view name) const {
  return indexOfName(melodies_, name);
}

int CMelodyFile::AddMelody(std::optional<std::string_view> name) {
  const CMelody::Name chosen = nameFrom(name ? *name : defaultMelodyName());
  if (nameTaken(chosen)) {
    return -1;
  }
  auto melody = std::make_unique<CMelody>();
  melody->name() = chosen;
  melodies_.push_back(std::move(melody));
  listModified_ = true;
  return size() - 1;
}

int CMelodyFile::RenameMelody(int index, std::string_view name) {
  const CMelody::Name chosen = nameFrom(name);
  if (index < 0 || index >= size() || nameTaken(chosen)) {
    return -1;
  }
  at(index).name() = chosen;
  listModified_ = true;
  return index;
}

void CMelodyFile::RemoveMelody(int index) {
  if (index < 0 || index >= size()) {
    return;
  }
  melodies_.erase(melodies_.begin() + index);
  listModified_ = true;
  current_ = std::clamp(current_, 0, std::max(size() - 1, 0));
}

bool CMelodyFile::InsertAt(int index, const CMelody &melody) {
  if (index < 0 || index > size()) {
    return false;
  }
  melodies_.insert(melodies_.begin() + index, std::make_unique<CMelody>(melody));
  listModified_ = true;
  return true;
}

CMelody *CMelodyFile::SetCurrent(int index) {
  if (index < 0 || index >= size()) {
    return nullptr;
  }
  current_ = index;
  return melodies_[static_cast<size_t>(index)].get();
}

CMelody *CMelodyFile::Current() {
  return SetCurrent(current_);
}

bool CMelodyFile::IsModified() const {
  return listModified_ ||
         std::any_of(melodies_.begin(), melodies_.end(), [](const auto &m) { return m->modified(); });
}

std::string CMelodyFile::FullPath() const {
  return folder_ + path_;
}

void CMelodyFile::setPath(const std::string &fileName) {
  path_ = fileName;
  askName_ = false;
  outside_ = false;
}

bool CMelodyFile::MoveIntoFolder(bool force) {
  if (!movePending_) {
    return true;
  }
  path_ = fs::path(path_).filename().string();
  outside_ = false;
  movePending_ = false;
  std::error_code ignored;
  if (!force && fs::exists(fs::path(folder_ + path_), ignored)) {
    askName_ = true;
    return false;
  }
  return true;
}

} // namespace pdx::melody
