// Carrowin: the melody editor.
#include "melody/ui/carrowin_app.h"

#include <QApplication>
#include <cstdio>
#include <exception>

int main(int argc, char **argv) {
  try {
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Carrowin"));
    pdx::melody::ui::CarrowinApp app;
    if (!app.InitInstance(pdx::melody::ui::fileArgument(QApplication::arguments()))) {
      return 1;
    }
    const int status = QApplication::exec();
    app.ExitInstance();
    return status;
  } catch (const std::exception &e) {
    std::fprintf(stderr, "Carrowin: 내부 오류로 프로그램을 끝냅니다: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "Carrowin: 내부 오류로 프로그램을 끝냅니다.\n");
  }
  return 70;
}
