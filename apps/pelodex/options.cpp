#include "apps/pelodex/options.h"

namespace pdx::pelodex {

PelodexOptions parsePelodexOptions(const std::vector<std::string> &arguments) {
  PelodexOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string &a = arguments[i];
    if (a == "/TestMode" || a == "-TestMode" || a == "--TestMode") {
      options.testMode = true;
    } else if (a == "--device" && i + 1 < arguments.size()) {
      options.device = arguments[++i];
    } else if (a.rfind("--device=", 0) == 0) {
      options.device = a.substr(9);
    } else {
      options.unknown.push_back(a);
    }
  }
  return options;
}

} // namespace pdx::pelodex
