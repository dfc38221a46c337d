// Column boundaries stored in the settings as comma-separated texts.
#pragma once

#include "platform/settings/settings.h"

#include <string>
#include <vector>

namespace pdx::features {

// The stored boundaries of `name` (section "General") when all parse,
// corrected; otherwise `defaults`.
std::vector<int> loadColumnBoundaries(const platform::Settings &settings, const std::string &name,
                                      const std::vector<int> &defaults);
void storeColumnBoundaries(platform::Settings &settings, const std::string &name,
                           const std::vector<int> &boundaries);

} // namespace pdx::features
