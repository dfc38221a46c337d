#include "features/common/column_settings.h"

#include "features/common/column_rules.h"

namespace pdx::features {

std::vector<int> loadColumnBoundaries(const platform::Settings &settings, const std::string &name,
                                      const std::vector<int> &defaults) {
  const std::vector<int> stored = parseBoundaries(settings.text("General", name), defaults.size());
  return stored.empty() ? defaults : correctBoundaries(stored);
}

void storeColumnBoundaries(platform::Settings &settings, const std::string &name,
                           const std::vector<int> &boundaries) {
  settings.setText("General", name, formatBoundaries(boundaries));
  settings.sync();
}

} // namespace pdx::features
