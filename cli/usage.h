// What pelodex-cli offers, in one table: `--help`, `GROUP --help`, the
// manual page and the shell completion all list these commands.
#pragma once

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace pdx::cli {

struct CommandUsage {
  const char *synopsis;    // the command as typed after the group's name
  const char *description; // one line, Korean (the source text)
};

struct GroupUsage {
  const char *name;
  const char *summary; // one line, Korean (the source text)
  std::span<const CommandUsage> commands;
};

std::span<const GroupUsage> usageGroups();
// A text of the table in the chosen language.
std::string usageText(const char *source);
const GroupUsage *findGroupUsage(std::string_view name);

// The whole usage (every group and command) or one group's.
void printUsage(std::FILE *out);
void printGroupUsage(std::FILE *out, const GroupUsage &group);
void printVersion(std::FILE *out);

} // namespace pdx::cli
