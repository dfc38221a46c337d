// Carrowin: the melody editor.
#include "core/base/last_resort.h"
#include "melody/ui/carrowin_app.h"

#include <QApplication>

namespace {

int run(int argc, char **argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Carrowin"));
  pdx::melody::ui::CarrowinApp app;
  if (!app.InitInstance(pdx::melody::ui::fileArgument(QApplication::arguments()))) {
    return 1;
  }
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}

} // namespace

int main(int argc, char **argv) {
  return pdx::runGuarded("Carrowin", [&] { return run(argc, argv); });
}
