// The phonebook printed in two sizes (wallet cards to cut out, and normal
// pages) and two orders (by group, by name).
#pragma once

#include "core/data/store.h"
#include "features/printing/print_layout.h"

namespace pdx::features {

enum class PrintSize { Wallet = 0, Normal = 1 };
enum class PrintOrder { ByGroup = 0, ByName = 1 };

inline constexpr int kLastPhonebookPage = 4954;

// The entries to print, in print order: a copy of `entries` sorted by group
// or by name (ties keep their order), ending at the first empty entry.
std::vector<core::PhoneBookEntry> phonebookPrintOrder(const core::PhonebookList &entries, PrintOrder order);

// Lays the phonebook out on pages of the given area; every entry appears
// once, in order, inside the area. The job ends with the page that holds
// the last entry (or one empty page for an empty phonebook).
std::vector<PrintPage> layoutPhonebook(const core::PhonebookList &entries, const core::GroupTable &groups,
                                       PrintSize size, PrintOrder order, const PrintRect &area,
                                       const TextMeasure &measure);

} // namespace pdx::features
