// Build tool: writes pelodex-cli's manual page and bash completion from the
// usage table, so that both always list the commands the program has.
//   pdx_cli_docs man|man-en|completion TEMPLATE OUT  (man-en: the English page)
#include "cli/usage.h"
#include "resources/translations/translation.h"

#include <cctype>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using pdx::cli::CommandUsage;
using pdx::cli::GroupUsage;

// Troff treats a backslash as an escape and a hyphen as a hyphen, not the
// minus sign of an option.
std::string troff(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-') {
      out += "\\-";
    } else {
      out += c;
    }
  }
  return out;
}

std::string manCommands() {
  std::ostringstream out;
  for (const GroupUsage &group : pdx::cli::usageGroups()) {
    out << ".SS " << group.name << "\n" << troff(pdx::cli::usageText(group.summary)) << "\n";
    for (const CommandUsage &command : group.commands) {
      out << ".TP\n.B pelodex\\-cli " << group.name << " " << troff(pdx::cli::usageText(command.synopsis))
          << "\n"
          << troff(pdx::cli::usageText(command.description)) << "\n";
    }
  }
  return out.str();
}

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> out;
  std::istringstream in{std::string(text)};
  for (std::string w; in >> w;) {
    out.push_back(w);
  }
  return out;
}

// A case arm per group: its command words and the options any of its
// commands takes.
std::string completionCases() {
  std::ostringstream out;
  for (const GroupUsage &group : pdx::cli::usageGroups()) {
    std::set<std::string> commands;
    std::set<std::string> options;
    for (const CommandUsage &command : group.commands) {
      const auto tokens = words(command.synopsis);
      if (!tokens.empty() && std::isalpha(static_cast<unsigned char>(tokens[0][0])) &&
          std::islower(static_cast<unsigned char>(tokens[0][0]))) {
        commands.insert(tokens[0]);
      }
      for (std::string token : words(command.synopsis)) {
        const size_t start = token.find("--");
        if (start == std::string::npos) {
          continue;
        }
        token = token.substr(start);
        token = token.substr(0, token.find_first_of("]|="));
        options.insert(token);
      }
    }
    out << "    " << group.name << ")\n      commands=\"";
    for (const auto &c : commands) {
      out << c << (c == *commands.rbegin() ? "" : " ");
    }
    out << "\"\n      options=\"";
    for (const auto &o : options) {
      out << o << (o == *options.rbegin() ? "" : " ");
    }
    out << "\"\n      ;;\n";
  }
  return out.str();
}

std::string groupNames() {
  std::string out;
  for (const GroupUsage &group : pdx::cli::usageGroups()) {
    out += out.empty() ? "" : " ";
    out += group.name;
  }
  return out;
}

void replaceAll(std::string &text, const std::string &key, const std::string &value) {
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size())) {
    text.replace(at, key.size(), value);
  }
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::cerr << "usage: pdx_cli_docs man|man-en|completion TEMPLATE OUT\n";
    return 64;
  }
  const std::string mode = argv[1];
  std::ifstream in(argv[2], std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  std::string text = buffer.str();
  if (!in || text.empty() || (mode != "man" && mode != "man-en" && mode != "completion")) {
    std::cerr << "pdx_cli_docs: cannot use " << argv[2] << "\n";
    return 66;
  }
  if (mode == "man-en") {
    pdx::resources::useLanguage(pdx::platform::Language::English);
  }
  replaceAll(text, "@COMMANDS@", mode == "completion" ? completionCases() : manCommands());
  replaceAll(text, "@GROUPS@", groupNames());
  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return out ? 0 : 73;
}
