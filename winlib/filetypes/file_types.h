// File types of the suite for the desktop: a shared-mime-info package for
// .pcm and .pca files (glob and the magic text at offset 0) and a desktop
// entry per program. `cmake --install` puts them in the system folders; each
// program also registers them for the current user at start when missing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pdx::winlib {

enum class SuiteProgram { Pelodex, Carrowin, Velluto };

std::string_view mimePackageXml();
// The desktop entry of `program`, started by `command` (a name on the path
// or a full path).
std::string desktopEntry(SuiteProgram program, const std::string &command);
// "pelodex", "carrowin", "velluto": the entry's and the icon's base name.
std::string_view programBaseName(SuiteProgram program);

struct FileTypeRegistration {
  bool mimeWritten = false;
  bool entryWritten = false;
  bool failed = false; // a file that was missing could not be written
};

// Writes what is missing under `dataHome` ($XDG_DATA_HOME): the MIME package
// in mime/packages, the program's desktop entry in applications (Exec: its
// full path `programPath`), and refreshes the MIME and desktop databases
// when their tools exist. Files already present are left alone.
FileTypeRegistration registerFileTypes(SuiteProgram program, const std::filesystem::path &dataHome,
                                       const std::string &programPath);

// $XDG_DATA_HOME, or ~/.local/share.
std::filesystem::path userDataHome();

} // namespace pdx::winlib
