#include "platform/settings/folders.h"

#include "platform/settings/settings.h"

#include <cstdlib>
#include <system_error>

namespace pdx::platform {

namespace fs = std::filesystem;

fs::path withTrailingSeparator(const fs::path &folder) {
  std::string text = folder.string();
  if (text.empty() || text.back() != '/') {
    text.push_back('/');
  }
  return text;
}

fs::path userDataBase() {
  const char *xdg = std::getenv("XDG_DATA_HOME");
  const char *home = std::getenv("HOME");
  fs::path base;
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else {
    base = fs::path(home != nullptr ? home : "/tmp") / ".local" / "share";
  }
  base /= "QZ Telecom";
  std::error_code ignored;
  fs::create_directories(base, ignored);
  return withTrailingSeparator(base);
}

fs::path resolveFolder(const std::string &value, const fs::path &base, const std::string &defaultName,
                       bool create) {
  const fs::path folder = value.empty() ? base / defaultName : fs::path(value);
  if (create) {
    std::error_code ignored;
    fs::create_directories(folder, ignored);
  }
  return withTrailingSeparator(folder);
}

fs::path documentFolder(const std::string &profile, const std::string &key, const std::string &defaultName) {
  return resolveFolder(Settings::forProfile(profile).text("General", key), userDataBase(), defaultName, true);
}

PelodexFolders loadPelodexFolders() {
  const fs::path base = userDataBase();
  PelodexFolders folders;
  const Settings pelodex = Settings::forProfile("Pelodex");
  folders.data = resolveFolder(pelodex.text("General", "DataDir"), base, "", false);
  folders.message = resolveFolder(pelodex.text("General", "MessageDir"), base, "save", true);
  folders.melody = documentFolder("Carrowin", "MelodyDir", "melody");
  folders.animation = documentFolder("Velluto", "AnimateDir", "animate");
  return folders;
}

} // namespace pdx::platform
