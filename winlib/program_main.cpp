#include "winlib/program_main.h"

#include "core/base/last_resort.h"
#include "platform/settings/language.h"
#include "resources/translations/translation.h"

#include <QApplication>
#include <QUrl>

namespace pdx::winlib {

int runProgram(int argc, char **argv, const char *name, const char *profile,
               const std::function<int()> &start) {
  return runGuarded(name, [&] {
    const std::string language = platform::takeLanguageOption(argc, argv);
    QApplication qt(argc, argv);
    resources::useLanguage(platform::programLanguage(profile, language));
    installLastResortHandler(name); // again, for its line in that language
    QApplication::setApplicationName(QString::fromLatin1(name));
    return start();
  });
}

std::string argumentPath(const QString &argument) {
  const QUrl url(argument);
  return (url.isLocalFile() ? url.toLocalFile() : argument).toStdString();
}

} // namespace pdx::winlib
