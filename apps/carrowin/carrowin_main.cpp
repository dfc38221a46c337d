// Carrowin: the melody editor.
#include "apps/carrowin/carrowin_app.h"
#include "winlib/program_main.h"

#include <QApplication>

namespace {

int start() {
  const std::optional<std::string> file = pdx::carrowin::fileArgument(QApplication::arguments());
  if (pdx::winlib::HandOverToRunning(QString::fromUtf8(pdx::carrowin::kWindowTitle), file)) {
    return 0;
  }
  pdx::carrowin::CarrowinApp app;
  if (!app.InitInstance(file)) {
    return 1;
  }
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}

} // namespace

int main(int argc, char **argv) {
  return pdx::winlib::runProgram(argc, argv, "Carrowin", pdx::carrowin::kProfile, start);
}
