#include "platform/settings/language.h"

#include "platform/settings/settings.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace pdx::platform {

std::optional<Language> parseLanguage(std::string_view value) {
  if (value == "ko") {
    return Language::Korean;
  }
  if (value == "en") {
    return Language::English;
  }
  return std::nullopt;
}

Language desktopLanguage(const EnvLookup &env) {
  for (const char *name : std::array{"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char *value = env(name);
    if (value == nullptr || *value == '\0') {
      continue;
    }
    const std::string_view first = std::string_view(value).substr(0, std::strcspn(value, ":"));
    const bool korean =
        first.starts_with("ko") && (first.size() == 2 || std::strchr("_.@", first[2]) != nullptr);
    return korean ? Language::Korean : Language::English;
  }
  return Language::English;
}

Language chooseLanguage(std::string_view option, std::string_view setting, const EnvLookup &env) {
  if (const auto chosen = parseLanguage(option)) {
    return *chosen;
  }
  if (const auto chosen = parseLanguage(setting)) {
    return *chosen;
  }
  return desktopLanguage(env);
}

std::string takeLanguageOption(int &argc, char **argv) {
  std::string value;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--lang" && i + 1 < argc) {
      value = argv[++i];
    } else if (word.starts_with("--lang=")) {
      value = word.substr(7);
    } else {
      argv[kept++] = argv[i];
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  return value;
}

Language programLanguage(const std::string &profile, std::string_view option) {
  const std::string setting = Settings::forProfile(profile).text("General", "Language");
  return chooseLanguage(option, setting, [](const char *name) { return std::getenv(name); });
}

} // namespace pdx::platform
