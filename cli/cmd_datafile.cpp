// pelodex-cli datafile: the local data file without the program.
#include "cli/commands.h"
#include "cli/datafile_print.h"
#include "cli/output.h"
#include "core/base/cp949.h"
#include "core/base/input_file.h"
#include "core/base/user_text.h"
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
// Notes printed on standard error when an import adds nothing.
constexpr size_t kNotesPrinted = 10;

json groupsJson(const core::GroupTable &groups) {
  json out = json::array();
  for (const core::PhoneGroup &g : groups) {
    out.push_back({{"id", g.id}, {"secret", g.secret}, {"melody", g.melody}, {"name", g.name.utf8()}});
  }
  return out;
}

json entryJson(const core::PhoneBookEntry &e) {
  return {{"group", e.group},
          {"flags", e.flags},
          {"name", e.name.utf8()},
          {"home", e.numbers[0].utf8()},
          {"office", e.numbers[1].utf8()},
          {"mobile", e.numbers[2].utf8()},
          {"pager", e.numbers[3].utf8()},
          {"slot", e.phoneSlot},
          {"state", e.phoneState}};
}

// Prints "entries":[...] one entry at a time, so that a full phonebook never
// stands in memory as one JSON tree.
void printEntries(const core::PhonebookList &entries) {
  std::cout << "\"entries\":[";
  const char *separator = "";
  for (const core::PhoneBookEntry &e : entries) {
    std::cout << separator << entryJson(e).dump();
    separator = ",";
  }
  std::cout << "]";
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
    args.fail(text::translate("pdx::cli", "데이터 파일을 지정하십시오."));
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  CDataStore store;
  if (const int status = loadOrReport(*path, store); status != 0) {
    return status;
  }
  std::cout << "{\"groups\":" << groupsJson(store.pcGroups).dump() << ",";
  printEntries(store.pcPhonebook);
  std::cout << "}\n";
  return 0;
}

int exportPhonebook(Args &args) {
  const auto path = args.positional();
  const auto format = args.option("--format");
  const auto out = args.option("--out");
  if (!path || !format || (*format != "vcard" && *format != "csv")) {
    args.failUsage("datafile export PATH --format vcard|csv [--out FILE]");
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
    args.failUsage("datafile find PATH QUERY [--number NUMBER]");
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
  std::cout << "{";
  printEntries(found);
  std::cout << "}\n";
  return 0;
}

// Writes a data file holding the test-mode sample phonebook and groups.
int sample(Args &args) {
  const auto path = args.positional();
  if (!path) {
    args.fail(text::translate("pdx::cli", "만들 데이터 파일을 지정하십시오."));
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

// The report of --report (JSON), or the counts line. Made before anything
// is written; the notes are valid UTF-8 (the importer escapes invalid bytes).
std::string importReport(const features::ImportResult &result, bool asJson) {
  if (!asJson) {
    return text::fill(text::translate("pdx::cli", "추가 %1건, 건너뜀 %2건"),
                      {std::to_string(result.added), std::to_string(result.skipped)}) +
           "\n";
  }
  json notes = json::array();
  for (const features::ImportNote &n : result.notes) {
    notes.push_back({{"line", n.line}, {"name", n.name}, {"reason", n.reason}});
  }
  json out = {{"added", result.added}, {"skipped", result.skipped}, {"notes", notes}};
  if (result.unlistedNotes > 0) {
    out["unlisted"] = result.unlistedNotes;
  }
  return out.dump(-1, ' ', false, json::error_handler_t::replace) + "\n";
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
// be opened, 65 when it is not text or holds no entry (nothing is added);
// with --report the added and skipped entries and the notes are printed as
// JSON. When nothing is added, the notes say why on standard error.
int importText(Args &args) {
  const auto textFile = args.positional();
  const auto data = args.option("--data");
  const bool report = args.flag("--report");
  if (!textFile || !data) {
    args.failUsage("datafile import FILE --data PATH [--report]");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  const InputBytes in = readInputFile(*textFile, features::kMaxImportFileBytes);
  if (in.error != InputError::None) {
    printError(text::fill(text::translate("pdx::cli", "전화번호부를 읽어들일 수 없습니다. (%1: %2)"),
                          {*textFile, describe(in.error)}));
    return code(docResultOf(in.error));
  }
  const std::string content(in.bytes.begin(), in.bytes.end());
  CDataStore store;
  if (const int status = loadImportTarget(*data, store); status != 0) {
    return status;
  }
  const features::ImportResult result =
      features::importPhonebookFile(content, store, features::offlineGroupCreator(store));
  if (result.status == features::ImportResult::NotText) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", textFile->c_str(), features::importSummary(result).c_str());
    return kBadData;
  }
  if (result.status == features::ImportResult::Ok && result.added + result.skipped == 0) {
    printError(
        text::fill(text::translate("pdx::cli", "%1: 가져올 전화번호부 항목이 없습니다."), {*textFile}));
    return kBadData;
  }
  const std::string printed = importReport(result, report);
  // Only a changed phonebook is written: an import that adds nothing leaves
  // the data file (or its absence) as it was.
  if (result.added > 0) {
    const auto bytes = core::encodeDataFile(store);
    if (const int status = writeOutput(*data, std::string(bytes.begin(), bytes.end())); status != 0) {
      return status;
    }
  }
  std::cout << printed;
  if (result.added == 0 && !report) {
    for (const std::string &line : features::noteLines(result, kNotesPrinted)) {
      std::fprintf(stderr, "pelodex-cli: %s: %s\n", textFile->c_str(), line.c_str());
    }
  }
  if (result.status == features::ImportResult::BadFormat) {
    printError(text::translate("pdx::cli", "파일 형식이 잘못되어 있습니다."));
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
  printError(text::fill(text::translate("pdx::cli", "%1 중 하나를 지정하십시오."),
                        {"datafile show|export|find|import|sample|print"}));
  return kBadArguments;
}

} // namespace pdx::cli
