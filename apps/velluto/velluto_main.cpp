// Velluto: the animation editor.
#include "apps/velluto/velluto_app.h"
#include "resources/translations/translation.h"
#include "winlib/program_main.h"

#include <QApplication>
#include <cstdio>

namespace {

int start() {
  const QStringList arguments = QApplication::arguments().mid(1);
  std::optional<std::string> file;
  if (!arguments.isEmpty()) {
    file = arguments.front().toStdString();
  }
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString ignored =
        pdx::resources::translate("pdx::velluto::Main", "Velluto: 알 수 없는 인수를 무시합니다: %1")
            .arg(arguments[i]);
    std::fprintf(stderr, "%s\n", ignored.toLocal8Bit().constData());
  }
  if (pdx::winlib::HandOverToRunning(
          QString::fromUtf8(pdx::velluto::kVellutoTitle),
          file ? std::optional(pdx::winlib::argumentPath(QString::fromStdString(*file))) : file)) {
    return 0;
  }
  pdx::velluto::VellutoApp app;
  if (!app.InitInstance(file)) {
    return 1;
  }
  return QApplication::exec();
}

} // namespace

int main(int argc, char **argv) {
  return pdx::winlib::runProgram(argc, argv, "Velluto", pdx::velluto::kVellutoProfile, start);
}
