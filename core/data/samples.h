// The built-in records that stand in for a phone in test mode: each read
// fills its part of the phone mirror from them and sets its read flag.
#pragma once

#include "core/data/store.h"

namespace pdx::core {

void fillSampleSms(CDataStore &store);
void fillSamplePhonebook(CDataStore &store);
void fillSampleAlarms(CDataStore &store, const CivilTime &now);
void fillSampleOptions(CDataStore &store);

} // namespace pdx::core
