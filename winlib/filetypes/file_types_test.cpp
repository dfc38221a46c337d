#include "core/base/test_support.h"
#include "winlib/filetypes/file_types.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

TEST(FileTypes, DesktopEntriesOpenTheirFiles) {
  const std::string melody = desktopEntry(SuiteProgram::Carrowin, "/opt/qz/Carrowin");
  EXPECT_NE(melody.find("Exec=/opt/qz/Carrowin %f\n"), std::string::npos);
  EXPECT_NE(melody.find("MimeType=application/x-pelodex-melody;"), std::string::npos);
  EXPECT_NE(desktopEntry(SuiteProgram::Velluto, "Velluto").find("application/x-pelodex-animation"),
            std::string::npos);
  EXPECT_EQ(desktopEntry(SuiteProgram::Pelodex, "Pelodex").find("MimeType"), std::string::npos);
  EXPECT_NE(desktopEntry(SuiteProgram::Velluto, "/home/u/my apps/Velluto")
                .find("Exec=\"/home/u/my apps/Velluto\" %f"),
            std::string::npos);
}

TEST(FileTypes, RegistersMissingFilesOnceForTheUser) {
  QTemporaryDir home;
  const std::filesystem::path data = home.path().toStdString();
  const FileTypeRegistration first = registerFileTypes(SuiteProgram::Carrowin, data, "/opt/qz/Carrowin");
  EXPECT_TRUE(first.mimeWritten);
  EXPECT_TRUE(first.entryWritten);
  EXPECT_FALSE(first.failed);
  EXPECT_EQ(pdx::readWholeFile(data / "mime/packages/pelodex-suite.xml"), std::string(mimePackageXml()));
  EXPECT_NE(pdx::readWholeFile(data / "applications/carrowin.desktop").find("Exec=/opt/qz/Carrowin %f"),
            std::string::npos);

  const FileTypeRegistration again = registerFileTypes(SuiteProgram::Carrowin, data, "/elsewhere/Carrowin");
  EXPECT_FALSE(again.mimeWritten);
  EXPECT_FALSE(again.entryWritten);
  EXPECT_NE(pdx::readWholeFile(data / "applications/carrowin.desktop").find("/opt/qz/"), std::string::npos)
      << "an entry the user has is kept";
}

TEST(FileTypes, MimeDatabaseRecognisesTheFiles) {
  ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty())
      << "shared-mime-info (scripts/packages.txt) is missing";
  QTemporaryDir home;
  const std::filesystem::path data = home.path().toStdString();
  ASSERT_TRUE(registerFileTypes(SuiteProgram::Velluto, data, "Velluto").mimeWritten);
  const std::string globs = pdx::readWholeFile(data / "mime/globs2");
  EXPECT_NE(globs.find("application/x-pelodex-melody:*.pcm"), std::string::npos);
  EXPECT_NE(globs.find("application/x-pelodex-animation:*.pca"), std::string::npos);
  const std::string magic = pdx::readWholeFile(data / "mime/magic");
  EXPECT_NE(magic.find("Brevanto Data - QZ Telecom\x1a"), std::string::npos);
  EXPECT_NE(magic.find("Tesselin Data - QZ Telecom\x1a"), std::string::npos);
}

TEST(FileTypes, UnwritableFolderIsReportedNotFatal) {
  const FileTypeRegistration r = registerFileTypes(SuiteProgram::Pelodex, "/proc/no-such-place", "Pelodex");
  EXPECT_TRUE(r.failed);
}

} // namespace
} // namespace pdx::winlib
