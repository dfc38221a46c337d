#include "animation/file/animation_file.h"

#include "core/base/atomic_file.h"
#include "core/base/bytes.h"
#include "core/base/cp949.h"
#include "core/base/input_file.h"
#include "core/base/named_items.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace pdx::animation {

namespace {

constexpr int32_t kVersionMajor = 1;
constexpr int32_t kVersionMinor = 0;

// The fixed 64-byte header every file starts with.
std::array<uint8_t, kHeaderBytes> headerTemplate() {
  std::array<uint8_t, kHeaderBytes> header{};
  const char magic[] = "Tesselin Data - QZ Telecom\x1A";
  std::memcpy(header.data(), magic, sizeof(magic) - 1);
  header[32] = kVersionMajor;
  header[34] = kVersionMinor;
  header[36] = 1;
  const char author[] = "qorvane";
  std::memcpy(header.data() + 38, author, sizeof(author) - 1);
  return header;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// `path` made absolute against the working folder, without "." and ".."
// steps or doubled separators.
std::string normalPath(const std::filesystem::path &path) {
  std::error_code ignored;
  return std::filesystem::absolute(path, ignored).lexically_normal().string();
}

std::string withSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') {
    folder += '/';
  }
  return folder;
}

} // namespace

std::string defaultFileName() {
  return "새애니메이션.pca";
}
std::string defaultTitle() {
  return text::fromUtf8("새애니메이션파일");
}
std::string defaultAnimationName() {
  return text::fromUtf8("새애니메이션");
}

CAnimationFile::CAnimationFile() {
  New();
}

void CAnimationFile::clearDocument() {
  list_.clear();
  listModified_ = false;
  askName_ = false;
  title_.clear();
  current_ = 0;
  outside_ = false;
  movePending_ = false;
}

void CAnimationFile::New(std::optional<std::string> title, std::optional<std::string> fileName) {
  clearDocument();
  askName_ = !(title && fileName);
  path_ = fileName ? *fileName : defaultFileName();
  title_.setWhole(title ? *title : defaultTitle());
  auto first = std::make_unique<CAnimation>();
  first->setName(title ? *title : defaultAnimationName());
  list_.push_back(std::move(first));
}

void CAnimationFile::setTitle(std::string_view cp949) {
  title_.setWhole(cp949);
}

void CAnimationFile::setFolder(const std::filesystem::path &folder) {
  folder_ = folder.string();
  if (folder_.empty() || folder_.back() != '/') {
    folder_ += '/';
  }
}

std::vector<uint8_t> CAnimationFile::serialize() const {
  ByteWriter out;
  out.raw(headerTemplate());
  out.text(title_.view(), kTitleBytes);
  out.u32(static_cast<uint32_t>(list_.size()));
  for (const auto &animation : list_) {
    out.text(animation->name().view(), CAnimation::kNameBytes);
    out.u16(animation->effect());
    out.raw(animation->bits());
  }
  return out.take();
}

DocResult CAnimationFile::parse(std::span<const uint8_t> bytes) {
  const auto header = headerTemplate();
  if (bytes.size() < 32 || !std::equal(header.begin(), header.begin() + 32, bytes.begin())) {
    return DocResult::NotThisKind;
  }
  ByteReader in(bytes);
  in.skip(32);
  const uint16_t major = in.u16();
  const uint16_t minor = in.u16();
  if (in.failed()) {
    return DocResult::ReadError;
  }
  if (major != kVersionMajor || minor != kVersionMinor) {
    return DocResult::UnsupportedVersion;
  }
  in.skip(kHeaderBytes - 36);
  title_.set(in.text(kTitleBytes));
  const auto count = static_cast<int32_t>(in.u32());
  // A count is believed when the file holds all its records but possibly the
  // last, which a cut-off file may have lost in part or whole.
  const size_t whole = in.remaining() / kRecordBytes;
  if (in.failed() || count < 0 || static_cast<size_t>(count) > whole + 1) {
    return DocResult::ReadError;
  }
  const size_t records = std::min(static_cast<size_t>(count), whole);
  for (size_t i = 0; i < records; ++i) {
    auto animation = std::make_unique<CAnimation>();
    animation->setStoredName(in.text(CAnimation::kNameBytes));
    animation->setEffect(in.u16());
    CMonoPicture::Bits bits{};
    for (auto &byte : bits) {
      byte = in.u8();
    }
    animation->setBits(bits);
    animation->setModified(false);
    list_.push_back(std::move(animation));
  }
  return DocResult::Ok;
}

DocResult CAnimationFile::Load(const std::string &path) {
  clearDocument();
  // The path is kept whole: a cut one could name another file, which the
  // next save would then replace.
  path_ = path;
  std::string opened = folder_ + path_;
  InputBytes in = readInputFile(opened, kMaxAnimationFileBytes);
  if (docResultOf(in.error) == DocResult::CannotOpen) {
    opened = path_;
    in = readInputFile(opened, kMaxAnimationFileBytes);
  }
  if (docResultOf(in.error) != DocResult::CannotOpen) {
    noteWhereOpened(opened);
  }
  const DocResult result = in.error == InputError::None ? parse(in.bytes) : docResultOf(in.error);
  if (result != DocResult::Ok) {
    New();
  } else if (outside_) {
    movePending_ = true;
  }
  return result;
}

void CAnimationFile::noteWhereOpened(const std::string &opened) {
  // Compared as normal absolute paths, so that "../", "./", "//" and
  // relative names reach the same folder as its plain name.
  const std::filesystem::path full(normalPath(opened));
  const std::string directory = withSeparator(full.parent_path().string());
  if (equalIgnoringCase(directory, withSeparator(normalPath(folder_)))) {
    path_ = full.filename().string();
  } else {
    // Kept whole, so the save goes where the file was read whatever the
    // working folder is by then.
    path_ = full.string();
    outside_ = true;
  }
}

std::filesystem::path CAnimationFile::target() const {
  return outside_ ? std::filesystem::path(path_) : FullPath();
}

DocResult CAnimationFile::Save() {
  const DocResult result = writeFileAtomically(target(), serialize());
  if (result == DocResult::Ok) {
    for (auto &animation : list_) {
      animation->setModified(false);
    }
    listModified_ = false;
  }
  return result;
}

int CAnimationFile::FindByName(std::string_view name) const {
  return indexOfName(list_, name);
}

int CAnimationFile::AddAnimation(std::optional<std::string> name) {
  auto animation = std::make_unique<CAnimation>();
  animation->setName(name && !name->empty() ? *name : defaultAnimationName());
  if (FindByName(animation->name().view()) >= 0) {
    return -1;
  }
  list_.push_back(std::move(animation));
  listModified_ = true;
  return count() - 1;
}

int CAnimationFile::RenameAnimation(int index, std::string_view name) {
  CAnimation *animation = at(index);
  if (animation == nullptr) {
    return -1;
  }
  CAnimation::Name cut;
  cut.setWhole(name);
  const int existing = FindByName(cut.view());
  if (existing >= 0 && existing != index) {
    return -1;
  }
  animation->setName(name);
  listModified_ = true;
  return index;
}

void CAnimationFile::RemoveAnimation(int index) {
  if (at(index) == nullptr) {
    return;
  }
  list_.erase(list_.begin() + index);
  listModified_ = true;
  current_ = std::clamp(current_, 0, std::max(0, count() - 1));
}

bool CAnimationFile::InsertAt(int index, const CAnimation &animation) {
  if (index < 0 || index > count()) {
    return false;
  }
  list_.insert(list_.begin() + index, std::make_unique<CAnimation>(animation));
  listModified_ = true;
  return true;
}

CAnimation *CAnimationFile::SetCurrent(int index) {
  CAnimation *animation = at(index);
  if (animation != nullptr) {
    current_ = index;
  }
  return animation;
}

CAnimation *CAnimationFile::at(int index) {
  return index >= 0 && index < count() ? list_[static_cast<size_t>(index)].get() : nullptr;
}

const CAnimation *CAnimationFile::at(int index) const {
  return index >= 0 && index < count() ? list_[static_cast<size_t>(index)].get() : nullptr;
}

bool CAnimationFile::IsModified() const {
  return listModified_ ||
         std::any_of(list_.begin(), list_.end(), [](const auto &a) { return a->modified(); });
}

std::filesystem::path CAnimationFile::FullPath() const {
  return std::filesystem::path(folder_ + path_);
}

bool CAnimationFile::MoveIntoFolder() {
  if (!movePending_) {
    return true;
  }
  path_ = std::filesystem::path(path_).filename().string();
  outside_ = false;
  movePending_ = false;
  std::error_code ignored;
  if (std::filesystem::exists(FullPath(), ignored)) {
    askName_ = true;
    return false;
  }
  return true;
}

} // namespace pdx::animation
