// The phone mirror of the store as JSON for scripts and archives: texts in
// UTF-8, one object per record, in the store's order.
#pragma once

#include "core/data/store.h"

#include <nlohmann/json.hpp>
#include <string>

namespace pdx::link {

// {"entries": [...non-empty slots in slot order], "groups": [...],
//  "speed_dials": [...assigned keys, key 1..99]}
nlohmann::json phonebookJson(const core::CDataStore &store);
// {"received": [...], "saved": [...]}; each message's "index" is its place
// in its box (from 1, newest first), the number the message commands take.
nlohmann::json smsJson(const core::CDataStore &store);
// {"alarms": [...]}
nlohmann::json alarmsJson(const core::CDataStore &store);

// The non-empty phone entries as vCard 3.0 cards and as CSV (UTF-8).
std::string phonebookVCards(const core::CDataStore &store);
std::string phonebookCsv(const core::CDataStore &store);

} // namespace pdx::link
