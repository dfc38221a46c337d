// What pelodex-cli offers, in one table: `--help`, `GROUP --help`, the
// manual page and the shell completion all list these commands.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>

namespace pdx::cli {

struct CommandUsage {
  const char *synopsis;    // the command as typed after the group's name
  const char *description; // one line, Korean
};

struct GroupUsage {
  const char *name;
  const char *summary; // one line, Korean
  std::span<const CommandUsage> commands;
};

std::span<const GroupUsage> usageGroups();
const GroupUsage *findGroupUsage(std::string_view name);

// The whole usage (every group and command) or one group's.
void printUsage(std::FILE *out);
void printGroupUsage(std::FILE *out, const GroupUsage &group);
void printVersion(std::FILE *out);

} // namespace pdx::cli
