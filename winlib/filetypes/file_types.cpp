#include "winlib/filetypes/file_types.h"

#include "core/base/atomic_file.h"
#include "winlib/filetypes/file_type_data.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <cstdlib>
#include <system_error>

namespace pdx::winlib {

namespace {

bool writeText(const std::filesystem::path &path, std::string_view text) {
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  const auto *bytes = reinterpret_cast<const uint8_t *>(text.data());
  return writeFileAtomically(path, {bytes, text.size()}) == DocResult::Ok;
}

// Runs a database refresh tool when it is installed; its outcome does not
// matter to the program.
void refresh(const char *tool, const std::filesystem::path &folder) {
  const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (!program.isEmpty()) {
    QProcess::execute(program, {QString::fromStdString(folder.string())});
  }
}

} // namespace

std::string_view mimePackageXml() {
  return filetypes::mimeXml();
}

std::string_view programBaseName(SuiteProgram program) {
  switch (program) {
  case SuiteProgram::Carrowin:
    return "carrowin";
  case SuiteProgram::Velluto:
    return "velluto";
  case SuiteProgram::Pelodex:
    break;
  }
  return "pelodex";
}

std::string desktopEntry(SuiteProgram program, const std::string &command) {
  std::string text(filetypes::desktopTemplate(static_cast<int>(program)));
  const std::string placeholder = "@PROGRAM@";
  const size_t at = text.find(placeholder);
  if (at != std::string::npos) {
    // Desktop entries quote arguments with double quotes; a path with
    // spaces must stay one argument.
    const bool quote = command.find(' ') != std::string::npos;
    text.replace(at, placeholder.size(), quote ? "\"" + command + "\"" : command);
  }
  return text;
}

FileTypeRegistration registerFileTypes(SuiteProgram program, const std::filesystem::path &dataHome,
                                       const std::string &programPath) {
  FileTypeRegistration result;
  const std::filesystem::path mime = dataHome / "mime" / "packages" / "pelodex-suite.xml";
  const std::filesystem::path entry =
      dataHome / "applications" / (std::string(programBaseName(program)) + ".desktop");
  std::error_code ec;
  if (!std::filesystem::exists(mime, ec)) {
    result.mimeWritten = writeText(mime, mimePackageXml());
    result.failed = !result.mimeWritten;
  }
  if (!std::filesystem::exists(entry, ec)) {
    result.entryWritten = writeText(entry, desktopEntry(program, programPath));
    result.failed = result.failed || !result.entryWritten;
  }
  if (result.mimeWritten) {
    refresh("update-mime-database", dataHome / "mime");
  }
  if (result.entryWritten) {
    refresh("update-desktop-database", dataHome / "applications");
  }
  return result;
}

std::filesystem::path userDataHome() {
  const char *xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && *xdg) {
    return xdg;
  }
  const char *home = std::getenv("HOME");
  return std::filesystem::path(home ? home : ".") / ".local" / "share";
}

} // namespace pdx::winlib
