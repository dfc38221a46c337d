// Pelodex: the phone-data program.
#include "apps/pelodex/ui/pelodex_app.h"
#include "core/base/user_text.h"
#include "winlib/program_main.h"

#include <QApplication>
#include <cstdio>

namespace {

int start() {
  std::vector<std::string> arguments;
  for (const QString &a : QApplication::arguments().mid(1)) {
    arguments.push_back(a.toStdString());
  }
  const pdx::pelodex::PelodexOptions options = pdx::pelodex::parsePelodexOptions(arguments);
  for (const std::string &unknown : options.unknown) {
    const std::string line = pdx::text::fill(
        pdx::text::translate("pdx::pelodex", "Pelodex: 알 수 없는 인수를 무시합니다: %1"), {unknown});
    std::fprintf(stderr, "%s\n", line.c_str());
  }
  pdx::pelodex::PelodexApp app(options);
  if (!app.InitInstance()) {
    return 1;
  }
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}

} // namespace

int main(int argc, char **argv) {
  return pdx::winlib::runProgram(argc, argv, "Pelodex", "Pelodex", start);
}
