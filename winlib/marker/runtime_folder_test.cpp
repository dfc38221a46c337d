#include "core/base/test_support.h"
#include "winlib/marker/runtime_folder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <unistd.h>

namespace pdx::winlib {
namespace {

namespace fs = std::filesystem;

TEST(RuntimeFolder, OnlyAFolderOfThisUserAloneIsUsed) {
  const std::string uid = std::to_string(::getuid());
  struct Case {
    const char *what;
    bool runtimeDir;
    std::function<void(const fs::path &)> prepare;
    const char *folder; // under the case's folder; "" when refused
    bool notice;
  };
  const auto file = [](const fs::path &path) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  };
  const Case cases[] = {
      {"runtime folder", true, [](const fs::path &) {}, "run/qz-telecom", false},
      {"a file in the runtime folder's place", true, [&](const fs::path &r) { file(r / "run/qz-telecom"); },
       "", false},
      {"temporary folder made now", false, [](const fs::path &) {}, "tmp/qz-telecom-UID/qz-telecom", false},
      {"temporary folder others may write to", false,
       [&](const fs::path &r) {
         fs::create_directories(r / ("tmp/qz-telecom-" + uid));
         fs::permissions(r / ("tmp/qz-telecom-" + uid), fs::perms::all);
       },
       "cache/qz-telecom/sockets", true},
      {"a file in the temporary folder's place", false,
       [&](const fs::path &r) { file(r / ("tmp/qz-telecom-" + uid)); }, "cache/qz-telecom/sockets", true},
      {"a file in the stand-in's place too", false,
       [&](const fs::path &r) {
         file(r / ("tmp/qz-telecom-" + uid));
         file(r / "cache/qz-telecom");
       },
       "", false},
  };
  for (const Case &c : cases) {
    const pdx::TempDir root;
    fs::create_directories(root / "run");
    fs::create_directories(root / "tmp");
    c.prepare(root);
    RuntimePlaces places{c.runtimeDir ? (root / "run").string() : "", (root / "tmp").string(),
                         (root / "cache").string(), ::getuid()};
    const RuntimeFolder chosen = chooseRuntimeFolder(places);
    std::string expected = c.folder;
    if (const size_t at = expected.find("UID"); at != std::string::npos) {
      expected.replace(at, 3, uid);
    }
    EXPECT_EQ(chosen.path, expected.empty() ? "" : (root / expected).string()) << c.what;
    EXPECT_EQ(chosen.error.empty(), !expected.empty()) << c.what;
    EXPECT_EQ(!chosen.notice.empty(), c.notice) << c.what;
    if (!chosen.path.empty()) {
      EXPECT_EQ(fs::status(chosen.path).permissions(), fs::perms::owner_all) << c.what;
    }
  }
  RuntimePlaces deep{std::string(60, 'd'), "/tmp", "/tmp", ::getuid()};
  EXPECT_NE(chooseRuntimeFolder(deep).error.find("XDG_RUNTIME_DIR"), std::string::npos);
}

} // namespace
} // namespace pdx::winlib
