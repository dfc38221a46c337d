#include "features/common/media_catalog.h"

#include <algorithm>
#include <system_error>

namespace pdx::features {

namespace fs = std::filesystem;

namespace {

bool endsWithIgnoringCase(const std::string &name, const std::string &suffix) {
  if (name.size() <= suffix.size()) {
    return false;
  }
  return std::equal(suffix.rbegin(), suffix.rend(), name.rbegin(), [](char a, char b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(a) == lower(b);
  });
}

} // namespace

std::vector<CatalogEntry> scanFolder(const fs::path &folder, const std::string &extension,
                                     const CatalogLoader &load) {
  std::vector<CatalogEntry> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    // Hidden files, folders, devices and pipes are never read.
    std::error_code statusError;
    if (name.front() == '.' || !endsWithIgnoringCase(name, extension) || !it->is_regular_file(statusError)) {
      continue;
    }
    if (std::optional<CatalogEntry> entry = load(name)) {
      entry->path = name;
      // std::string compares its bytes as unsigned values.
      const auto at =
          std::lower_bound(entries.begin(), entries.end(), entry->path,
                           [](const CatalogEntry &e, const std::string &p) { return e.path < p; });
      entries.insert(at, std::move(*entry));
    }
  }
  return entries;
}

int findListedItem(const std::vector<std::string> &names, const CatalogItem &item) {
  const auto at = static_cast<size_t>(item.index);
  if (item.index >= 0 && at < names.size() && names[at] == item.name) {
    return item.index;
  }
  const auto it = std::find(names.begin(), names.end(), item.name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

MediaCatalog::MediaCatalog(fs::path folder, std::string extension, CatalogLoader load)
    : folder_(std::move(folder)), extension_(std::move(extension)), load_(std::move(load)) {}

void MediaCatalog::open() {
  files_ = scanFolder(folder_, extension_, load_);
  chooseFile(files_.empty() ? -1 : 0);
}

CatalogChange MediaCatalog::rescan() {
  std::vector<CatalogEntry> next = scanFolder(folder_, extension_, load_);
  const auto listed = [&next](const CatalogEntry &old) {
    return std::any_of(next.begin(), next.end(),
                       [&old](const CatalogEntry &e) { return e.path == old.path; });
  };
  const bool sameFiles = next.size() == files_.size() && std::all_of(files_.begin(), files_.end(), listed);
  if (!sameFiles) {
    const std::string chosenPath = file_ >= 0 ? files_[static_cast<size_t>(file_)].path : std::string();
    const std::optional<CatalogItem> chosenItem =
        chosen() ? std::optional<CatalogItem>(*chosen()) : std::optional<CatalogItem>();
    files_ = std::move(next);
    const auto it = std::find_if(files_.begin(), files_.end(),
                                 [&chosenPath](const CatalogEntry &e) { return e.path == chosenPath; });
    chooseFile(it != files_.end() ? static_cast<int>(it - files_.begin()) : files_.empty() ? -1 : 0);
    if (chosenItem && it != files_.end()) {
      chooseItemNamed(*chosenItem);
    }
    return CatalogChange::Everything;
  }
  if (file_ < 0) {
    return CatalogChange::Nothing;
  }
  const std::vector<std::string> shown = files_[static_cast<size_t>(file_)].names;
  if (!reloadChosen() || files_[static_cast<size_t>(file_)].names == shown) {
    return CatalogChange::Nothing;
  }
  const std::optional<CatalogItem> chosenItem =
      chosen() ? std::optional<CatalogItem>(*chosen()) : std::optional<CatalogItem>();
  fillItems();
  if (chosenItem) {
    chooseItemNamed(*chosenItem);
  }
  return CatalogChange::Items;
}

std::string MediaCatalog::fileLabel(int file) const {
  return fs::path(files_.at(static_cast<size_t>(file)).path).stem().string();
}

void MediaCatalog::chooseFile(int file) {
  file_ = file >= 0 && static_cast<size_t>(file) < files_.size() ? file : -1;
  if (file_ >= 0) {
    (void)reloadChosen();
  }
  fillItems();
}

void MediaCatalog::chooseItem(int item) {
  item_ = item >= 0 && static_cast<size_t>(item) < items_.size() ? item : -1;
}

void MediaCatalog::chooseItemNamed(const CatalogItem &wanted) {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].name == wanted.name && items_[i].index == wanted.index) {
      return chooseItem(static_cast<int>(i));
    }
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].name == wanted.name) {
      return chooseItem(static_cast<int>(i));
    }
  }
}

fs::path MediaCatalog::chosenPath() const {
  return file_ >= 0 ? folder_ / files_[static_cast<size_t>(file_)].path : fs::path();
}

void MediaCatalog::fillItems() {
  items_.clear();
  if (file_ >= 0) {
    const std::vector<std::string> &names = files_[static_cast<size_t>(file_)].names;
    for (size_t i = 0; i < names.size(); ++i) {
      items_.push_back({names[i], static_cast<int>(i)});
    }
    std::stable_sort(items_.begin(), items_.end(),
                     [](const CatalogItem &a, const CatalogItem &b) { return a.name < b.name; });
  }
  chooseItem(items_.empty() ? -1 : 0);
}

bool MediaCatalog::reloadChosen() {
  CatalogEntry &entry = files_[static_cast<size_t>(file_)];
  std::optional<CatalogEntry> fresh = load_(entry.path);
  if (!fresh) {
    return false;
  }
  entry.title = std::move(fresh->title);
  entry.names = std::move(fresh->names);
  return true;
}

} // namespace pdx::features
