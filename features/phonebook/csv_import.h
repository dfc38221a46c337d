// The CSV that the phonebook export writes (UTF-8, the header line
// "이름,그룹,집,회사,휴대폰,삐삐"), read back so that an exported phonebook
// comes in again unchanged.
#pragma once

#include "features/phonebook/phonebook_import.h"

namespace pdx::features {

// Whether `text` (UTF-8) begins with the export's header line.
bool looksLikeExportedCsv(std::string_view text);

// Hands each record after the header to `importer` (which reads UTF-8).
void readExportedCsv(std::string_view text, PhonebookImporter &importer);

} // namespace pdx::features
