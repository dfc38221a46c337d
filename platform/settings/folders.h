// The folders the programs keep their data in. Where the programs once used
// their own folder as the default, one per-user base folder serves all three:
// $XDG_DATA_HOME/QZ Telecom/ (by default ~/.local/share/QZ Telecom/).
#pragma once

#include <filesystem>
#include <string>

namespace pdx::platform {

class Settings;

// The per-user base folder, ending in a separator; created when missing.
std::filesystem::path userDataBase();

// A folder as a setting names it: `value` when not empty, otherwise
// `base` + `defaultName`; created when `create` is set (failures are
// ignored and the path used unchanged); always ends in a separator.
std::filesystem::path resolveFolder(const std::string &value, const std::filesystem::path &base,
                                    const std::string &defaultName, bool create);

// A folder of documents: `key` of section "General" in settings profile
// `profile`, else the per-user base folder's `defaultName`; created when
// missing.
std::filesystem::path documentFolder(const std::string &profile, const std::string &key,
                                     const std::string &defaultName);

// Adds a trailing separator when missing.
std::filesystem::path withTrailingSeparator(const std::filesystem::path &folder);

// The phone-data program's folders, read as its start-up reads them: DataDir
// and MessageDir under "Pelodex", MelodyDir under "Carrowin", AnimateDir
// under "Velluto", all in section "General".
struct PelodexFolders {
  std::filesystem::path data;
  std::filesystem::path message;
  std::filesystem::path melody;
  std::filesystem::path animation;
};

PelodexFolders loadPelodexFolders();

} // namespace pdx::platform
