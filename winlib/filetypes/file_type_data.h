// The MIME package and desktop entry templates, compiled in from the files
// beside this header.
#pragma once

#include <string_view>

namespace pdx::winlib::filetypes {

std::string_view mimeXml();
// 0 Pelodex, 1 Carrowin, 2 Velluto; "@PROGRAM@" stands for the command.
std::string_view desktopTemplate(int index);

} // namespace pdx::winlib::filetypes
