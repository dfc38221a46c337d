// What the user is told after an import (UTF-8).
#pragma once

#include "features/phonebook/phonebook_import.h"

#include <string>

namespace pdx::features {

// How many entries were added and skipped, and the first notes with their
// lines; a refused or malformed file says so first.
std::string importSummary(const ImportResult &result);

} // namespace pdx::features
