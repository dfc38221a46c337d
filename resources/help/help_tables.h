// The help topics compiled into each program, for winlib::setHelpTopics, in
// Korean and in English; by default those of the language chosen at start.
#pragma once

#include "resources/help/help_topic.h"
#include "resources/translations/translation.h"

#include <span>

namespace pdx::resources {

// Pelodex: 2100 to 2110 (2111, the phone options window's topic, does not
// exist, so that window's help opens empty).
std::span<const HelpTopic> pelodexHelpTopics(platform::Language language = currentLanguage());
// Carrowin, the melody editor: 2112.
std::span<const HelpTopic> carrowinHelpTopics(platform::Language language = currentLanguage());
// Velluto, the animation editor: 2113.
std::span<const HelpTopic> vellutoHelpTopics(platform::Language language = currentLanguage());

} // namespace pdx::resources
