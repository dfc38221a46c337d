// What the phonebook's logic needs from the outside: the phone (through the
// link), the user (features/common/page_user.h and the comparison dialog),
// and the cancel key. The page implements them; tests script them.
#pragma once

#include "features/common/page_user.h"
#include "features/common/phonebook_phone.h"

#include <string>

namespace pdx::features {

// The comparison dialog of the merge.
enum class MergeChoice { PcToPhone, PhoneToPc, AlwaysPcToPhone, AlwaysPhoneToPc };

struct Conflict {
  std::string line;       // the sentence naming what differs
  std::string pcValue;    // UTF-8
  std::string phoneValue; // UTF-8
};

class ConflictResolver {
public:
  virtual ~ConflictResolver() = default;
  virtual MergeChoice resolve(const Conflict &conflict) = 0;
};

} // namespace pdx::features
