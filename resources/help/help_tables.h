// The help topics compiled into each program, for winlib::setHelpTopics.
#pragma once

#include "resources/help/help_topic.h"

#include <span>

namespace pdx::resources {

// Pelodex: 2100 to 2110 (2111, the phone options window's topic, does not
// exist, so that window's help opens empty).
std::span<const HelpTopic> pelodexHelpTopics();
// Carrowin, the melody editor: 2112.
std::span<const HelpTopic> carrowinHelpTopics();
// Velluto, the animation editor: 2113.
std::span<const HelpTopic> vellutoHelpTopics();

} // namespace pdx::resources
