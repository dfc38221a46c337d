// Shows a read RTF document in Qt's rich-text classes.
#pragma once

#include "winlib/help/rtf_document.h"

class QTextDocument;

namespace pdx::winlib {

// Replaces the content of `target` with `document`: one block per
// paragraph (alignment, spacing, indent) and one fragment per run (bold,
// italic, underline, size, colour). Sizes in twips become pixels at 96 dpi.
void fillTextDocument(QTextDocument &target, const RtfDocument &document);

} // namespace pdx::winlib
