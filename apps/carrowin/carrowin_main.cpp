// Carrowin: the melody editor.
#include "apps/carrowin/carrowin_app.h"
#include "core/base/last_resort.h"
#include "platform/settings/language.h"
#include "resources/translations/translation.h"

#include <QApplication>

namespace {

int run(int argc, char **argv) {
  const std::string language = pdx::platform::takeLanguageOption(argc, argv);
  QApplication qt(argc, argv);
  pdx::resources::useLanguage(pdx::platform::programLanguage(pdx::carrowin::kProfile, language));
  QApplication::setApplicationName(QStringLiteral("Carrowin"));
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
  return pdx::runGuarded("Carrowin", [&] { return run(argc, argv); });
}
