// Velluto: the animation editor.
#include "apps/velluto/velluto_app.h"
#include "core/base/last_resort.h"
#include "platform/settings/language.h"
#include "resources/translations/translation.h"

#include <QApplication>
#include <cstdio>

namespace {

int run(int argc, char **argv) {
  const std::string language = pdx::platform::takeLanguageOption(argc, argv);
  QApplication qt(argc, argv);
  pdx::resources::useLanguage(pdx::platform::programLanguage(pdx::velluto::kVellutoProfile, language));
  QApplication::setApplicationName("Velluto");
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
  if (pdx::winlib::HandOverToRunning(QString::fromUtf8(pdx::velluto::kVellutoTitle),
                                     file ? std::optional(pdx::velluto::argumentPath(*file)) : file)) {
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
  return pdx::runGuarded("Velluto", [&] { return run(argc, argv); });
}
