// The phonebook printed onto a paged device with the page frame.
#pragma once

#include "core/base/user_text.h"
#include "features/printing/phonebook_print.h"
#include "features/printing/ui/print_painter.h"

#include <filesystem>

namespace pdx::features {

// The document name of the phonebook print (UTF-8).
inline constexpr const char *kPhonebookDocument = QT_TRANSLATE_NOOP("pdx::printing", "전화번호부");

// Lays out and prints the phonebook (pages 1 to 4954 at most).
PrintOutcome printPhonebook(QPagedPaintDevice &device, const core::PhonebookList &entries,
                            const core::GroupTable &groups, PrintSize size, PrintOrder order);

// Prints the phonebook to a PDF file on A4 through the atomic save, so a
// failed print or a full disk never damages the previous file. CannotOpen
// when the file cannot be created, PageFailed when a page or the write
// fails.
PrintOutcome printPhonebookToPdf(const std::filesystem::path &pdf, const core::PhonebookList &entries,
                                 const core::GroupTable &groups, PrintSize size, PrintOrder order);

} // namespace pdx::features
