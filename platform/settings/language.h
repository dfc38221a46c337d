// The language the programs speak: Korean (the texts as written) or English
// (their translation). Chosen by the --lang option, else the General/Language
// setting, else the desktop's locale variables.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pdx::platform {

enum class Language { Korean, English };

// Looks up an environment variable; null when it is not set.
using EnvLookup = std::function<const char *(const char *)>;

// "ko" or "en"; "system" and anything else give no choice of their own.
std::optional<Language> parseLanguage(std::string_view value);

// The desktop's language: the first set and non-empty of LANGUAGE (its first
// entry), LC_ALL, LC_MESSAGES and LANG; Korean when it is "ko" with or
// without territory, encoding or modifier, English otherwise.
Language desktopLanguage(const EnvLookup &env);

// The option wins over the setting, the setting over the desktop.
Language chooseLanguage(std::string_view option, std::string_view setting, const EnvLookup &env);

// Takes "--lang VALUE" or "--lang=VALUE" out of the argument list, so that the
// program's own parsing never sees it; returns the value (the last given).
std::string takeLanguageOption(int &argc, char **argv);

// The whole choice for a program: its option, its profile's setting and the
// process environment.
Language programLanguage(const std::string &profile, std::string_view option);

} // namespace pdx::platform
