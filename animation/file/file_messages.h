// What the animation editor tells the user for each result of Load/Save.
#pragma once

#include "core/base/doc_result.h"

namespace pdx::animation {

// The Korean message for a failed load or save (UTF-8); nullptr for success.
const char *fileMessage(DocResult result);

} // namespace pdx::animation
