#include "winlib/picker/picker_rules.h"

#include "core/base/user_text.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>
#include <system_error>

namespace pdx::winlib {
namespace fs = std::filesystem;

namespace {

bool hasWildcard(std::string_view name) {
  return name.find_first_of("*?") != std::string_view::npos;
}

bool isFolder(const std::string &path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::string lowerAscii(std::string text) {
  std::ranges::transform(text, text.begin(),
                         [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool isRemovableMount(std::string_view path) {
  for (const std::string_view base : {"/media/", "/run/media/", "/mnt/"}) {
    if (path.starts_with(base) && path.size() > base.size()) {
      return true;
    }
  }
  return false;
}

} // namespace

std::string defaultExtension(std::string_view pattern) {
  const size_t dot = pattern.rfind('.');
  if (dot == std::string_view::npos || dot + 1 == pattern.size()) {
    return {};
  }
  const std::string_view extension = pattern.substr(dot);
  return hasWildcard(extension) || extension.find('/') != std::string_view::npos ? std::string()
                                                                                 : std::string(extension);
}

std::string withDefaultExtension(std::string_view name, std::string_view extension) {
  const size_t slash = name.rfind('/');
  const std::string_view last = slash == std::string_view::npos ? name : name.substr(slash + 1);
  const size_t dot = last.rfind('.');
  const bool hasExtension = dot != std::string_view::npos && dot > 0;
  return hasExtension ? std::string(name) : std::string(name) + std::string(extension);
}

bool matchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern == "*.*" || pattern == "*") {
    return true;
  }
  return fnmatch(std::string(pattern).c_str(), std::string(name).c_str(), FNM_CASEFOLD) == 0;
}

std::string normalFolder(std::string_view path) {
  std::string text = fs::path(path).lexically_normal().string();
  if (text.empty() || text[0] != '/') {
    text = "/" + text;
  }
  if (text.back() != '/') {
    text += '/';
  }
  return text;
}

std::vector<std::string> listFolder(const std::string &folder, std::string_view pattern, bool folderOnly) {
  std::vector<std::string> items;
  if (!folderOnly && folder != "/") {
    items.push_back("<..>");
  }
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with('.')) {
      continue;
    }
    std::error_code typeError;
    if (it->is_directory(typeError)) {
      if (!folderOnly) {
        items.push_back("<" + name + ">");
      }
    } else if (matchesPattern(name, pattern)) {
      items.push_back(name);
    }
  }
  std::ranges::sort(items, [](const std::string &a, const std::string &b) {
    const std::string la = lowerAscii(a);
    const std::string lb = lowerAscii(b);
    return la != lb ? la < lb : a < b;
  });
  return items;
}

std::vector<PickerDrive> listDrives(std::string_view home, const std::vector<MountedVolume> &volumes) {
  std::vector<PickerDrive> drives = {{"[-/-]", "/"}};
  if (!home.empty() && normalFolder(home) != "/") {
    drives.push_back({text::translate("pdx::winlib::Picker", "[-홈-]"), normalFolder(home)});
  }
  for (const auto &volume : volumes) {
    const std::string path = normalFolder(volume.path);
    if (isRemovableMount(path) &&
        std::ranges::none_of(drives, [&](const auto &d) { return d.path == path; })) {
      const std::string name =
          volume.name.empty() ? fs::path(path).parent_path().filename().string() : volume.name;
      drives.push_back({"[-" + name + "-]", path});
    }
  }
  return drives;
}

size_t driveOf(const std::vector<PickerDrive> &drives, std::string_view folder) {
  size_t best = 0;
  for (size_t i = 0; i < drives.size(); ++i) {
    if (folder.starts_with(drives[i].path) && drives[i].path.size() > drives[best].path.size()) {
      best = i;
    }
  }
  return best;
}

TextMeaning interpretText(std::string_view text, const std::string &folder, bool folderOnly,
                          std::string_view home) {
  TextMeaning meaning;
  if (text.empty()) {
    return meaning;
  }
  std::string full(text);
  if (full == "~" || full.starts_with("~/")) {
    full = std::string(home) + "/" + full.substr(1);
  }
  if (full != ".." && !full.starts_with('/')) {
    full = folder + full;
  }
  const size_t slash = full.rfind('/');
  meaning.folder = normalFolder(full.substr(0, slash + 1));
  meaning.name = full.substr(slash + 1);
  if (full == "..") {
    meaning.folder = folder;
    meaning.name = "..";
  }
  if (hasWildcard(meaning.name)) {
    meaning.action = TextAction::NewPattern;
    meaning.pattern = meaning.name;
    return meaning;
  }
  const std::string target = meaning.folder + meaning.name;
  if (isFolder(target) && !folderOnly) {
    meaning.action = TextAction::EnterFolder;
    meaning.folder = normalFolder(target);
    return meaning;
  }
  if (meaning.name.empty() || meaning.name == ".." || meaning.name == "." || !isFolder(meaning.folder)) {
    meaning.action = TextAction::NoSuchFolder;
    return meaning;
  }
  meaning.action = TextAction::ChooseFile;
  meaning.path = target;
  return meaning;
}

FileCheck checkChosenFile(const std::string &path, int mode) {
  std::error_code error;
  const auto status = fs::status(path, error);
  if (fs::is_directory(status)) {
    return FileCheck::IsFolder;
  }
  const bool exists = fs::exists(status);
  if (mode == kPickerSave) {
    return exists ? FileCheck::AskOverwrite : FileCheck::Accept;
  }
  return exists ? FileCheck::Accept : FileCheck::Missing;
}

} // namespace pdx::winlib
