// pelodex-cli: a scriptable command line over the suite's libraries.
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/standard_output.h"
#include "core/base/last_resort.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct CommandGroup {
  const char *name;
  int (*run)(pdx::cli::Args &);
  const char *usage;
};

// One line per command group, in the order the usage lists them.
const std::vector<CommandGroup> kGroups = {
    {"datafile", pdx::cli::runDatafile,
     "datafile show PATH | export PATH --format vcard|csv [--out FILE] | find PATH QUERY [--number N] | "
     "import FILE --data PATH [--report] | "
     "sample PATH | print PATH --size wallet|normal --order group|name --pdf OUT.pdf"},
    {"animation", pdx::cli::runAnimation, "animation show|export|effect|add-image FILE.pca ..."},
    {"image", pdx::cli::runImage, "image decode|convert IN ..."},
    {"phone", pdx::cli::runPhone,
     "phone [--device PATH | --port N] [--password NNNN] COMMAND  (read phonebook|sms|alarms, write-entry, "
     "erase-entry, send-sms, backup DIR, ports)"},
    {"simulate", pdx::cli::runSimulate,
     "simulate [--device PATH] [--state FILE] [--password NNNN] [--pace] [--drop-rate R] [--corrupt-rate R] "
     "[--silent] [--refuse CODE] [--trace FILE]"},
    {"melody", pdx::cli::runMelody, "melody show|encode|render|play|import-rtttl|export-rtttl FILE ..."},
    {"media", pdx::cli::runMedia,
     "media list melodies|animations [--folder DIR]    지정 화면의 파일과 항목 목록 (JSON)"},
    {"lunar", pdx::cli::runLunar, "lunar DATE | --from DATE --to DATE    양력 날짜를 음력으로 (JSON)"},
};

void printUsage(FILE *out) {
  std::fprintf(out, "사용법: pelodex-cli COMMAND ...\n");
  for (const auto &group : kGroups) {
    std::fprintf(out, "  pelodex-cli %s\n", group.usage);
  }
}

int runCommand(int argc, char **argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
    printUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? pdx::cli::kBadArguments : 0;
  }
  for (const auto &group : kGroups) {
    if (std::strcmp(argv[1], group.name) == 0) {
      pdx::cli::Args args(std::vector<std::string>(argv + 2, argv + argc));
      return group.run(args);
    }
  }
  std::fprintf(stderr, "pelodex-cli: 알 수 없는 명령입니다: %s\n", argv[1]);
  printUsage(stderr);
  return pdx::cli::kBadArguments;
}

} // namespace

int main(int argc, char **argv) {
  return pdx::runGuarded("pelodex-cli",
                         [&] { return pdx::cli::checkStandardOutput(runCommand(argc, argv)); });
}
