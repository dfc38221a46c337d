// One compiled help topic: its number and its code page 949 RTF document.
#pragma once

#include <string_view>

namespace pdx::resources {

struct HelpTopic {
  int number;
  std::string_view rtf;
};

} // namespace pdx::resources
