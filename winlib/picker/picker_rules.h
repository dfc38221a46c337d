// The file picker's rules without a screen: what a typed text means, which
// entries a folder lists, which "drives" exist, and whether a chosen file
// may be taken. Folders are absolute paths ending in '/'; names are UTF-8.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pdx::winlib {

inline constexpr int kPickerSave = 0;
inline constexpr int kPickerOpen = 1;

// "*.pcm" gives ".pcm"; a pattern without one plain extension ("*.*", "*",
// "*.tx?") gives "".
std::string defaultExtension(std::string_view pattern);
// `name` with `extension` appended when its last path component has no
// extension of its own.
std::string withDefaultExtension(std::string_view name, std::string_view extension);
// Case-insensitive wildcard match; "*.*" matches every name.
bool matchesPattern(std::string_view name, std::string_view pattern);
// An absolute, lexically normal folder path ending in '/'.
std::string normalFolder(std::string_view path);

// The list of a folder, sorted: sub-folders as "<name>" ("<..>" for the
// parent, except at the root) unless `folderOnly`, then the files matching
// `pattern`. Hidden entries (names starting with '.') are left out.
std::vector<std::string> listFolder(const std::string &folder, std::string_view pattern, bool folderOnly);

struct PickerDrive {
  std::string label; // "[-/-]", "[-홈-]", "[-USB-]"
  std::string path;  // folder, ending in '/'
};

struct MountedVolume {
  std::string path; // mount point
  std::string name; // volume label, may be empty
};

// The root, the home folder and those of `volumes` mounted under /media,
// /run/media and /mnt, labelled by their names (or mount folder names).
std::vector<PickerDrive> listDrives(std::string_view home, const std::vector<MountedVolume> &volumes);
// The drive holding `folder` (the longest matching path); 0 when none does.
size_t driveOf(const std::vector<PickerDrive> &drives, std::string_view folder);

enum class TextAction {
  Nothing,     // an empty text
  NewPattern,  // the name had wildcards: `pattern` (and `folder`) to show
  EnterFolder, // `folder` is the folder to show
  ChooseFile,  // `path` = `folder` + `name` is the file the user means
  NoSuchFolder // a folder path that does not exist, or a bare folder in folder-only mode
};

struct TextMeaning {
  TextAction action = TextAction::Nothing;
  std::string folder;
  std::string name;
  std::string pattern;
  std::string path;
};

// What the text typed in the name field (or a list item, or a drive's path)
// means, seen from `folder`; "~" stands for `home`.
TextMeaning interpretText(std::string_view text, const std::string &folder, bool folderOnly,
                          std::string_view home);

enum class FileCheck { Accept, AskOverwrite, Missing, IsFolder };

// Whether `path` may be taken in `mode`: a new or missing file, or a folder.
FileCheck checkChosenFile(const std::string &path, int mode);

} // namespace pdx::winlib
