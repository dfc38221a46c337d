// pelodex-cli datafile: the local data file without the program.
#include "cli/commands.h"
#include "cli/datafile_print.h"
#include "cli/output.h"
#include "core/base/cp949.h"
#include "core/base/input_file.h"
#include "core/data/datafile.h"
#include "core/data/phonebook_export.h"
#include "core/data/samples.h"
#include "features/phonebook/import_file.h"
#include "features/phonebook/import_report.h"
#include "features/phonebook/phonebook_editor.h"
#include "features/phonebook/phonebook_import.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <nlohmann/json.hpp>

namespace pdx::cli {

namespace {

using core::CDataStore;
using json = nlohmann::ordered_json;

constexpr int kBadData = 65;

json groupsJson(const core::GroupTable &groups) {
  json out = json::array();
  for (const core::PhoneGroup &g : groups) {
    out.push_back({{"id", g.id}, {"secret", g.secret}, {"melody", g.melody}, {"name", g.name.utf8()}});
  }
  return out;
}

json entriesJson(const core::PhonebookList &entries) {
  json out = json::array();
  for (const core::PhoneBookEntry &e : entries) {
    out.push_back({{"group", e.group},
                   {"flags", e.flags},
                   {"name", e.name.utf8()},
                   {"home", e.numbers[0].utf8()},
                   {"office", e.numbers[1].utf8()},
                   {"mobile", e.numbers[2].utf8()},
                   {"pager", e.numbers[3].utf8()},
                   {"slot", e.phoneSlot},
                   {"state", e.phoneState}});
  }
  return out;
}

// Loads PATH; on failure prints why and returns the exit status.
int loadOrReport(const std::string &path, CDataStore &store) {
  const DocResult result = core::loadDataFileAt(path, store);
  if (result != DocResult::Ok) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", path.c_str(), describe(result));
  }
  return code(result);
}

int show(Args &args) {
  const auto path = args.positional();
  if (!path) {
    args.fail("데이터 파일을 지정하십시오.");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  CDataStore store;
  if (const int status = loadOrReport(*path, store); status != 0) {
    return status;
  }
  const json out = {{"groups", groupsJson(store.pcGroups)}, {"entries", entriesJson(store.pcPhonebook)}};
  std::cout << out.dump() << "\n";
  return 0;
}

int exportPhonebook(Args &args) {
  const auto path = args.positional();
  const auto format = args.option("--format");
  const auto out = args.option("--out");
  if (!path || !format || (*format != "vcard" && *format != "csv")) {
    args.fail("사용법: datafile export PATH --format vcard|csv [--out FILE]");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  CDataStore store;
  if (const int status = loadOrReport(*path, store); status != 0) {
    return status;
  }
  const std::string text = *format == "vcard" ? core::phonebookToVcard(store.pcPhonebook, store.pcGroups)
                                              : core::phonebookToCsv(store.pcPhonebook, store.pcGroups);
  return writeOutput(out, text);
}

// The entries a find on the phonebook page would stop at, in the page's
// order (by name): QUERY by the name rule (initial consonants included), or
// --number as a part of any number.
int find(Args &args) {
  const auto number = args.option("--number");
  const auto path = args.positional();
  const auto query = args.positional();
  if (!path || (!query && !number)) {
    args.fail("사용법: datafile find PATH QUERY [--number NUMBER]");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  CDataStore store;
  if (const int status = loadOrReport(*path, store); status != 0) {
    return status;
  }
  features::sortPhonebook(store.pcPhonebook, features::kNameColumn);
  const std::string name = text::fromUtf8(query.value_or(""));
  const std::string digits = text::fromUtf8(number.value_or(""));
  core::PhonebookList found;
  for (const core::PhoneBookEntry &e : store.pcPhonebook) {
    if (features::entryMatches(e, name, digits)) {
      found.append(e);
    }
  }
  std::cout << json{{"entries", entriesJson(found)}}.dump() << "\n";
  return 0;
}

// Writes a data file holding the test-mode sample phonebook and groups.
int sample(Args &args) {
  const auto path = args.positional();
  if (!path) {
    args.fail("만들 데이터 파일을 지정하십시오.");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  CDataStore store;
  core::fillSamplePhonebook(store);
  for (const core::PhoneBookEntry &e : store.phonePhonebook) {
    if (!e.isEmpty()) {
      store.pcPhonebook.append(e);
    }
  }
  const auto bytes = core::encodeDataFile(store);
  return writeOutput(*path, std::string(bytes.begin(), bytes.end()));
}

json importReport(const features::ImportResult &result) {
  json notes = json::array();
  for (const features::ImportNote &n : result.notes) {
    notes.push_back({{"line", n.line}, {"name", n.name}, {"reason", n.reason}});
  }
  return {{"added", result.added}, {"skipped", result.skipped}, {"notes", notes}};
}

// Loads the data file an import adds to: a missing file starts empty, but
// one that exists and cannot be read (damaged, or no permission) is never
// replaced. 0, or the exit status after the message.
int loadImportTarget(const std::string &path, CDataStore &store) {
  std::error_code ec;
  const bool exists = std::filesystem::exists(std::filesystem::symlink_status(path, ec));
  // Only a regular file is read (a folder or a pipe would fail or block).
  const DocResult loaded = exists && !std::filesystem::is_regular_file(path, ec)
                               ? DocResult::CannotOpen
                               : core::loadDataFileAt(path, store);
  if (loaded != DocResult::Ok && exists) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", path.c_str(), describe(loaded));
    return code(loaded);
  }
  store.pcGroups.ensureDefaultGroup();
  store.phoneGroups = store.pcGroups;
  return 0;
}

// Imports a phonebook file (text, vCard or the export's CSV) into the data
// file at --data (created when missing). Exit 0, 1 when a line was
// malformed (what came before is kept and saved), 2 when the file cannot
// be opened, 65 when it is not text (nothing is added); with --report the
// added and skipped entries and the notes are printed as JSON.
int importText(Args &args) {
  const auto textFile = args.positional();
  const auto data = args.option("--data");
  const bool report = args.flag("--report");
  if (!textFile || !data) {
    args.fail("사용법: datafile import FILE --data PATH [--report]");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  const InputBytes in = readInputFile(*textFile, features::kMaxImportFileBytes);
  if (in.error != InputError::None) {
    std::fprintf(stderr, "pelodex-cli: 전화번호부를 읽어들일 수 없습니다. (%s: %s)\n", textFile->c_str(),
                 describe(in.error));
    return code(docResultOf(in.error));
  }
  const std::string text(in.bytes.begin(), in.bytes.end());
  CDataStore store;
  if (const int status = loadImportTarget(*data, store); status != 0) {
    return status;
  }
  const features::ImportResult result =
      features::importPhonebookFile(text, store, features::offlineGroupCreator(store));
  if (result.status == features::ImportResult::NotText) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", textFile->c_str(), features::importSummary(result).c_str());
    return kBadData;
  }
  const auto bytes = core::encodeDataFile(store);
  if (const int status = writeOutput(*data, std::string(bytes.begin(), bytes.end())); status != 0) {
    return status;
  }
  if (report) {
    std::cout << importReport(result).dump() << "\n";
  } else {
    std::printf("추가 %d건, 건너뜀 %d건\n", result.added, result.skipped);
  }
  if (result.status == features::ImportResult::BadFormat) {
    std::fprintf(stderr, "pelodex-cli: 파일 형식이 잘못되어 있습니다.\n");
    return 1;
  }
  return 0;
}

} // namespace

int runDatafile(Args &args) {
  const auto verb = args.positional();
  if (verb == "show") {
    return show(args);
  }
  if (verb == "export") {
    return exportPhonebook(args);
  }
  if (verb == "find") {
    return find(args);
  }
  if (verb == "sample") {
    return sample(args);
  }
  if (verb == "import") {
    return importText(args);
  }
#ifdef PDX_CLI_PRINT
  if (verb == "print") {
    return printDatafile(args);
  }
#endif
  std::fprintf(stderr,
               "pelodex-cli: datafile show|export|find|import|sample|print 중 하나를 지정하십시오.\n");
  return kBadArguments;
}

} // namespace pdx::cli
