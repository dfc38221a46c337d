// What the user is told after an import (UTF-8).
#pragma once

#include "features/phonebook/phonebook_import.h"

#include <string>
#include <vector>

namespace pdx::features {

// The first `shown` notes, each "N번째 줄 NAME: REASON", then "그 밖에 N건"
// when there are more.
std::vector<std::string> noteLines(const ImportResult &result, size_t shown);

// How many entries were added and skipped, and the first notes with their
// lines; a refused or malformed file says so first.
std::string importSummary(const ImportResult &result);

} // namespace pdx::features
