#include "platform/settings/language.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace pdx::platform {
namespace {

using Env = std::map<std::string, std::string>;

EnvLookup lookup(const Env &env) {
  return [&env](const char *name) -> const char * {
    const auto it = env.find(name);
    return it == env.end() ? nullptr : it->second.c_str();
  };
}

TEST(LanguageTest, DesktopVariablesDecideInTheirOrder) {
  const struct {
    Env env;
    Language expected;
  } cases[] = {
      {{}, Language::English},
      {{{"LANG", "ko_KR.UTF-8"}}, Language::Korean},
      {{{"LANG", "ko"}}, Language::Korean},
      {{{"LANG", "ko.eucKR"}}, Language::Korean},
      {{{"LANG", "kok_IN"}}, Language::English},
      {{{"LANG", "C"}}, Language::English},
      {{{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "ko_KR"}}, Language::Korean},
      {{{"LC_MESSAGES", "ko_KR"}, {"LC_ALL", "de_DE"}}, Language::English},
      {{{"LC_ALL", "en_GB"}, {"LANGUAGE", "ko:en"}}, Language::Korean},
      {{{"LANGUAGE", "en:ko"}, {"LANG", "ko_KR"}}, Language::English},
      {{{"LANGUAGE", ""}, {"LANG", "ko_KR"}}, Language::Korean},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(desktopLanguage(lookup(c.env)), c.expected) << c.env.size();
  }
}

TEST(LanguageTest, OptionBeatsSettingBeatsDesktop) {
  const Env korean{{"LANG", "ko_KR.UTF-8"}};
  const struct {
    const char *option;
    const char *setting;
    Language expected;
  } cases[] = {
      {"", "", Language::Korean},    {"system", "en", Language::English},    {"en", "ko", Language::English},
      {"", "en", Language::English}, {"system", "system", Language::Korean}, {"ko", "en", Language::Korean},
      {"fr", "", Language::Korean},
  };
  for (const auto &c : cases) {
    EXPECT_EQ(chooseLanguage(c.option, c.setting, lookup(korean)), c.expected)
        << c.option << "/" << c.setting;
  }
}

TEST(LanguageTest, LanguageOptionIsTakenOutOfTheArguments) {
  std::vector<std::string> words{"prog", "--lang", "en", "file.pcm", "--lang=ko", "--TestMode"};
  std::vector<char *> argv;
  for (auto &word : words) {
    argv.push_back(word.data());
  }
  argv.push_back(nullptr);
  int argc = static_cast<int>(words.size());
  EXPECT_EQ(takeLanguageOption(argc, argv.data()), "ko");
  ASSERT_EQ(argc, 3);
  EXPECT_STREQ(argv[1], "file.pcm");
  EXPECT_STREQ(argv[2], "--TestMode");
  EXPECT_EQ(argv[3], nullptr);
}

} // namespace
} // namespace pdx::platform
