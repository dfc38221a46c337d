// Reads the subset of RTF the help documents use: groups, paragraphs, bold,
// italic, underline, font size, the colour table and colours, alignment and
// spacing, \ansicpg949 with \'hh bytes decoded as code page 949, and \uN
// with its \ucN fallback count. Ignorable and unknown destinations are
// skipped, unknown control words ignored. Any input, however malformed,
// yields a document (possibly empty); the reader never reads past the input.
#pragma once

#include "winlib/help/rtf_document.h"

#include <string_view>

namespace pdx::winlib {

RtfDocument readRtf(std::string_view rtf);

} // namespace pdx::winlib
