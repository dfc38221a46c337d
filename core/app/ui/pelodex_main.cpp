// Pelodex: the phone-data program.
#include "core/app/ui/pelodex_app.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <unistd.h>

namespace {

// Exit status of a run that ended on an internal error.
constexpr int kInternalError = 70;
constexpr char kInternalErrorLine[] = "Pelodex: 내부 오류로 프로그램을 끝냅니다.";

// A termination (an exception escaping a thread or a noexcept function)
// still ends with one line and the internal error status.
[[noreturn]] void onTerminate() {
  static constexpr char kLine[] = "Pelodex: 내부 오류로 프로그램을 끝냅니다.\n";
  [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
  std::_Exit(kInternalError);
}

int run(int argc, char **argv) {
  QApplication qt(argc, argv);
  QApplication::setApplicationName("Pelodex");
  std::vector<std::string> arguments;
  for (const QString &a : QApplication::arguments().mid(1)) {
    arguments.push_back(a.toStdString());
  }
  const pdx::core::PelodexOptions options = pdx::core::parsePelodexOptions(arguments);
  for (const std::string &unknown : options.unknown) {
    std::fprintf(stderr, "Pelodex: 알 수 없는 인수를 무시합니다: %s\n", unknown.c_str());
  }
  pdx::core::PelodexApp app(options);
  if (!app.InitInstance()) {
    return 1;
  }
  const int status = QApplication::exec();
  app.ExitInstance();
  return status;
}

} // namespace

int main(int argc, char **argv) {
  std::set_terminate(onTerminate);
  try {
    return run(argc, argv);
  } catch (const std::exception &e) {
    std::fprintf(stderr, "%s (%s)\n", kInternalErrorLine, e.what());
  } catch (...) {
    std::fprintf(stderr, "%s\n", kInternalErrorLine);
  }
  return kInternalError;
}
