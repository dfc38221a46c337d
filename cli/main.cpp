// pelodex-cli: a scriptable command line over the suite's libraries.
#include "cli/commands.h"
#include "cli/exit_status.h"
#include "cli/standard_output.h"
#include "cli/usage.h"
#include "core/base/last_resort.h"
#include "platform/settings/language.h"
#include "resources/translations/translation.h"

#include <QtGlobal>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Runner = int (*)(pdx::cli::Args &);

struct CommandGroup {
  const char *name;
  Runner run;
};

// In the order the usage table lists them.
const std::vector<CommandGroup> kGroups = {
    {"datafile", pdx::cli::runDatafile}, {"animation", pdx::cli::runAnimation},
    {"image", pdx::cli::runImage},       {"phone", pdx::cli::runPhone},
    {"simulate", pdx::cli::runSimulate}, {"melody", pdx::cli::runMelody},
    {"media", pdx::cli::runMedia},       {"lunar", pdx::cli::runLunar},
};

bool isHelp(std::string_view word) {
  return word == "--help" || word == "-h";
}

int runCommand(int argc, char **argv) {
  if (argc < 2 || isHelp(argv[1])) {
    pdx::cli::printUsage(argc < 2 ? stderr : stdout);
    return argc < 2 ? pdx::cli::kBadArguments : 0;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    pdx::cli::printVersion(stdout);
    return 0;
  }
  for (const auto &group : kGroups) {
    if (std::strcmp(argv[1], group.name) != 0) {
      continue;
    }
    if (argc == 3 && isHelp(argv[2])) {
      pdx::cli::printGroupUsage(stdout, *pdx::cli::findGroupUsage(group.name));
      return 0;
    }
    pdx::cli::Args args(std::vector<std::string>(argv + 2, argv + argc));
    return group.run(args);
  }
  std::fprintf(stderr, "pelodex-cli: %s: %s\n",
               pdx::cli::usageText(QT_TRANSLATE_NOOP("pdx::cli::Usage", "알 수 없는 명령입니다")).c_str(),
               argv[1]);
  pdx::cli::printUsage(stderr);
  return pdx::cli::kBadArguments;
}

} // namespace

int main(int argc, char **argv) {
  const std::string language = pdx::platform::takeLanguageOption(argc, argv);
  pdx::resources::useLanguage(pdx::platform::programLanguage("Pelodex", language));
  return pdx::runGuarded("pelodex-cli",
                         [&] { return pdx::cli::checkStandardOutput(runCommand(argc, argv)); });
}
