#include "winlib/marker/runtime_folder.h"

#include "core/base/user_text.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace pdx::winlib {
namespace {

enum class Check { Private, NotAFolder, Shared, CannotCreate };

// Makes `path` (mode 0700) unless it exists, then looks at what is there
// without following a symbolic link.
Check makePrivate(const std::string &path, uid_t uid) {
  if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
    return Check::CannotCreate;
  }
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) {
    return Check::CannotCreate;
  }
  if (!S_ISDIR(st.st_mode)) {
    return Check::NotAFolder;
  }
  return st.st_uid == uid && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0 ? Check::Private : Check::Shared;
}

RuntimeFolder refuse(const std::string &path, Check check) {
  if (check == Check::NotAFolder) {
    return {{},
            {},
            text::fill(text::translate("pdx::winlib::RuntimeFolder",
                                       "%1 자리에 폴더가 아닌 것이 있어 창 소켓을 만들 수 없습니다. "
                                       "그것을 옮기거나 지우세요."),
                       {path})};
  }
  if (check == Check::Shared) {
    return {{},
            {},
            text::fill(text::translate("pdx::winlib::RuntimeFolder",
                                       "%1 폴더를 다른 사용자가 쓸 수 있어 창 소켓에 쓰지 않습니다."),
                       {path})};
  }
  return {{},
          {},
          text::fill(text::translate("pdx::winlib::RuntimeFolder", "%1 폴더를 만들 수 없습니다: %2"),
                     {path, std::strerror(errno)})};
}

RuntimeFolder tooLong(const std::string &path, const std::string &what) {
  return {{},
          {},
          text::fill(text::translate("pdx::winlib::RuntimeFolder",
                                     "%1 경로가 너무 길어 창 소켓을 만들 수 없습니다 (%2, %3바이트까지)."),
                     {what, path, std::to_string(kLongestRuntimeFolder)})};
}

// `base`/`leaf`, both private, or why not.
RuntimeFolder privateFolder(const std::string &base, const std::string &leaf, uid_t uid) {
  const std::string path = base + "/" + leaf;
  for (const std::string &folder : {base, path}) {
    if (const Check check = makePrivate(folder, uid); check != Check::Private) {
      return refuse(folder, check);
    }
  }
  return {path, {}, {}};
}

RuntimeFolder standIn(const RuntimePlaces &places, const std::string &refused) {
  const std::string base = places.cacheDir + "/qz-telecom";
  if (base.size() + 8 > kLongestRuntimeFolder) {
    return tooLong(base, text::translate("pdx::winlib::RuntimeFolder", "캐시 폴더"));
  }
  std::error_code error;
  std::filesystem::create_directories(places.cacheDir, error);
  RuntimeFolder folder = privateFolder(base, "sockets", places.uid);
  if (folder.error.empty()) {
    folder.notice =
        text::fill(text::translate("pdx::winlib::RuntimeFolder",
                                   "%1 폴더가 이 사용자만의 것이 아니어서 %2 폴더를 대신 씁니다."),
                   {refused, folder.path});
  }
  return folder;
}

} // namespace

RuntimeFolder chooseRuntimeFolder(const RuntimePlaces &places) {
  if (!places.runtimeDir.empty()) {
    const std::string path = places.runtimeDir + "/qz-telecom";
    if (path.size() > kLongestRuntimeFolder) {
      return tooLong(path, "XDG_RUNTIME_DIR");
    }
    const Check check = makePrivate(path, places.uid);
    if (check == Check::Shared) {
      return standIn(places, path);
    }
    return check == Check::Private ? RuntimeFolder{path, {}, {}} : refuse(path, check);
  }
  const std::string base = places.tempDir + "/qz-telecom-" + std::to_string(places.uid);
  if (base.size() + 11 > kLongestRuntimeFolder) {
    return tooLong(base, text::translate("pdx::winlib::RuntimeFolder", "임시 폴더"));
  }
  RuntimeFolder folder = privateFolder(base, "qz-telecom", places.uid);
  return folder.error.empty() ? folder : standIn(places, base);
}

RuntimePlaces currentRuntimePlaces() {
  RuntimePlaces places;
  places.runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR").toStdString();
  std::error_code error;
  places.tempDir = std::filesystem::temp_directory_path(error).string();
  if (error) {
    places.tempDir = "/tmp";
  }
  places.cacheDir = qEnvironmentVariable("XDG_CACHE_HOME").toStdString();
  if (places.cacheDir.empty()) {
    places.cacheDir = qEnvironmentVariable("HOME").toStdString() + "/.cache";
  }
  places.uid = ::getuid();
  return places;
}

RuntimeFolder runtimeFolder() {
  RuntimeFolder chosen = chooseRuntimeFolder(currentRuntimePlaces());
  static bool told = false;
  if (!chosen.notice.empty() && !std::exchange(told, true)) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), chosen.notice.c_str());
  }
  return chosen;
}

} // namespace pdx::winlib
