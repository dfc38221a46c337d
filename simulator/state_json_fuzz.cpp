// Arbitrary text as a simulated phone's state file: the reader either
// refuses it with a message or yields a sound state that survives a save
// and a reload unchanged.
#include "simulator/state_check.h"
#include "simulator/state_json.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx::simulator;
  const auto document = nlohmann::json::parse(data, data + size, nullptr, false);
  if (document.is_discarded() || !document.is_object()) {
    return 0;
  }
  PhoneState state;
  std::string error;
  if (!stateFromJson(document, state, error)) {
    if (error.empty()) {
      std::abort();
    }
    return 0;
  }
  PhoneState again;
  if (!stateFault(state).empty() || !stateFromJson(stateToJson(state), again, error) ||
      stateToJson(again) != stateToJson(state)) {
    std::abort();
  }
  return 0;
}
