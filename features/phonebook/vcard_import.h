// Reading contact lists in vCard form (.vcf, versions 2.1, 3.0 and 4.0), as
// today's phones export them: FN (else N) as the name, TEL by its types
// (CELL, HOME, WORK, PAGER), the first of CATEGORIES as the group; folded
// lines, QUOTED-PRINTABLE and CHARSET are understood.
#pragma once

#include "features/phonebook/phonebook_import.h"

namespace pdx::features {

// Whether the first line of `text` that is not blank is BEGIN:VCARD.
bool looksLikeVcard(std::string_view text);

// Hands each vCard's contact to `importer` (which reads UTF-8). `utf8` says
// whether the file's text is UTF-8; values of a file that is not, without
// a CHARSET, are code page 949.
void readVcards(std::string_view text, bool utf8, PhonebookImporter &importer);

} // namespace pdx::features
