// pdx-gallery FOLDER [PAGE...]: renders the library's windows into PNG files
// in FOLDER (created when missing); without PAGE names, every page.
#include "resources/fonts.h"
#include "winlib/gallery/gallery.h"

#include <QApplication>
#include <algorithm>
#include <cstdio>

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  // An option it does not know is a mistake, never a folder name.
  const bool knownShape =
      args.size() >= 2 && std::none_of(args.begin() + 1, args.end(),
                                       [](const QString &arg) { return arg.startsWith(QLatin1Char('-')); });
  if (!knownShape) {
    std::fprintf(stderr, "사용법: pdx-gallery 폴더 [페이지...]\n");
    return 64;
  }
  if (!pdx::resources::installFonts()) {
    std::fprintf(stderr, "기호 글꼴을 등록할 수 없습니다.\n");
  }
  QDir dir(args[1]);
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "폴더를 만들 수 없습니다: %s\n", qPrintable(args[1]));
    return 1;
  }
  const QStringList wanted = args.mid(2);
  pdx::winlib::gallery::Output out(dir);
  int shown = 0;
  for (const auto &page : pdx::winlib::gallery::pages()) {
    if (wanted.isEmpty() || wanted.contains(QString::fromLatin1(page.name))) {
      page.render(out);
      ++shown;
    }
  }
  if (shown == 0) {
    std::fprintf(stderr, "그런 페이지가 없습니다.\n");
    return 64;
  }
  std::printf("%d개의 그림을 %s에 저장했습니다.\n", out.written(), qPrintable(dir.absolutePath()));
  return out.failed() == 0 ? 0 : 1;
}
