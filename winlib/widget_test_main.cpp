// Entry point of the widget tests: one QApplication for all of them, on the
// offscreen platform unless another was chosen, with settings and data kept
// in a private folder that goes away afterwards.
#include "resources/fonts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QTemporaryDir home;
  if (!home.isValid()) {
    return 1;
  }
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
  qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
  // Local socket paths must stay short; a deep build folder gets a private
  // runtime folder in the temporary folder instead.
  QTemporaryDir shortRuntime(QStringLiteral("/tmp/pdx-rt-XXXXXX"));
  if (qEnvironmentVariable("XDG_RUNTIME_DIR").size() > 48 && shortRuntime.isValid()) {
    qputenv("XDG_RUNTIME_DIR", shortRuntime.path().toUtf8());
  }
  QApplication app(argc, argv);
  pdx::resources::installFonts();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
