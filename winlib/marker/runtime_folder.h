// The folder of the programs' window sockets. With $XDG_RUNTIME_DIR set it
// is "qz-telecom" there; otherwise "qz-telecom-UID/qz-telecom" in the
// temporary folder, which every user may write to: another user could make
// that folder first and answer on its sockets, so it is used only when this
// user owns it and nobody else may write to it. Otherwise a private folder
// in the user's cache folder stands in, and the user is told once.
#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace pdx::winlib {

// Where to look, from the environment (or a test).
struct RuntimePlaces {
  std::string runtimeDir; // $XDG_RUNTIME_DIR, empty when unset
  std::string tempDir;
  std::string cacheDir; // $XDG_CACHE_HOME, or ~/.cache
  uid_t uid = 0;
};

struct RuntimeFolder {
  std::string path;   // empty when no folder can be used
  std::string notice; // the stand-in folder was taken, and why
  std::string error;  // why no folder can be used
};

// A socket path holds at most 107 bytes: the folder, a separator and the
// socket's name, which a long title replaces by a hash of 30 characters.
inline constexpr std::string_view kSocketSuffix = ".window";
inline constexpr size_t kLongestSocketName = 30 + kSocketSuffix.size();
inline constexpr size_t kLongestRuntimeFolder = 107 - 1 - kLongestSocketName;

// Chooses the folder and makes it (mode 0700) when missing.
RuntimeFolder chooseRuntimeFolder(const RuntimePlaces &places);
RuntimePlaces currentRuntimePlaces();
// The choice for the environment as it is now; a notice goes to standard
// error the first time only.
RuntimeFolder runtimeFolder();

} // namespace pdx::winlib
