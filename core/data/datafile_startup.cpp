#include "core/data/datafile_startup.h"

#include <system_error>

namespace pdx::core {

namespace fs = std::filesystem;

namespace {

void clearPcSide(CDataStore &store) {
  store.pcGroups.clear();
  store.pcPhonebook.clear();
  store.pcDataLoaded = false;
  store.loaded = false;
}

// Offers the backup when it reads; true when the store now holds it.
bool offerBackup(const DataFile &file, CDataStore &store, DataFileUser &user, const std::string &question) {
  std::error_code ec;
  if (!fs::is_regular_file(file.fileName(true), ec)) {
    return false;
  }
  CDataStore backup;
  if (loadDataFileAt(file.fileName(true), backup) != DocResult::Ok || !user.ask(question)) {
    return false;
  }
  store.pcGroups = backup.pcGroups;
  store.pcPhonebook = backup.pcPhonebook;
  store.pcDataLoaded = store.loaded = true;
  return true;
}

// Renames the unreadable data file aside; the new name, or empty on failure.
fs::path setAside(const fs::path &file, std::time_t now) {
  const fs::path base = setAsideName(file, now);
  fs::path target = base;
  std::error_code ec;
  for (int n = 2; fs::exists(fs::symlink_status(target, ec)); ++n) {
    target = base.string() + "-" + std::to_string(n);
  }
  fs::rename(file, target, ec);
  return ec ? fs::path() : target;
}

StartupLoad unreadable(DataFile &file, CDataStore &store, DataFileUser &user, DocResult result,
                       std::time_t now) {
  clearPcSide(store);
  const fs::path aside = setAside(file.fileName(false), now);
  const std::string reason = text::fill(text::translate("pdx::data", "데이터 파일(%1)을 읽을 수 없습니다."),
                                        {file.fileName(false).string()}) +
                             "\n" + describe(result) + "\n";
  if (aside.empty()) {
    user.tell(reason + text::translate("pdx::data",
                                       "파일을 보관할 수 없어 프로그램을 종료합니다. 파일을 다른 곳에 "
                                       "복사한 뒤 다시 시작하십시오."));
    return StartupLoad::Refused;
  }
  user.tell(reason +
            text::fill(text::translate("pdx::data", "읽지 못한 파일은 %1 이름으로 그대로 보관했습니다."),
                       {aside.filename().string()}));
  if (offerBackup(file, store, user,
                  text::translate("pdx::data", "백업 파일(Pelodex.old)로 시작하시겠습니까?"))) {
    return StartupLoad::FromBackup;
  }
  return StartupLoad::Empty;
}

} // namespace

fs::path setAsideName(const fs::path &file, std::time_t now) {
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return file.string() + ".unreadable-" + stamp;
}

StartupLoad loadAtStartup(DataFile &file, CDataStore &store, DataFileUser &user, std::time_t now) {
  std::error_code ec;
  const fs::path path = file.fileName(false);
  const bool present = fs::exists(fs::symlink_status(path, ec));
  // Only a regular file is read: reading a folder, a device or a pipe of the
  // data file's name would fail or never end. It is set aside like damage.
  const bool regular = fs::is_regular_file(path, ec);
  const DocResult result = present && !regular ? DocResult::CannotOpen : file.load(false);
  StartupLoad outcome = StartupLoad::Loaded;
  if (result == DocResult::Ok) {
    outcome = StartupLoad::Loaded;
  } else if (present) {
    outcome = unreadable(file, store, user, result, now);
  } else if (result == DocResult::BackupExists &&
             offerBackup(file, store, user,
                         text::translate("pdx::data",
                                         "데이터 파일(Pelodex.dat)이 없고 백업 파일(Pelodex.old)이 "
                                         "있습니다. 백업 파일로 시작하시겠습니까?"))) {
    outcome = StartupLoad::FromBackup;
  } else {
    outcome = result == DocResult::BackupExists ? StartupLoad::Empty : StartupLoad::FirstStart;
  }
  store.pcGroups.ensureDefaultGroup();
  // After a set-aside file the exit writes nothing unless the user changes
  // something: an empty file would become the next run's backup.
  store.modified = outcome != StartupLoad::Empty;
  return outcome;
}

} // namespace pdx::core
