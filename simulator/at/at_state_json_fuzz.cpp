// Arbitrary text as the AT modem's state file: the reader either refuses it
// with a message or yields a state that survives a save and a reload
// unchanged.
#include "simulator/at/at_state_json.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx::simulator::at;
  const auto document = nlohmann::json::parse(data, data + size, nullptr, false);
  if (document.is_discarded()) {
    return 0;
  }
  AtModemState state;
  std::string error;
  if (!modemStateFromJson(document, state, error)) {
    if (error.empty()) {
      std::abort();
    }
    return 0;
  }
  AtModemState again;
  if (!modemStateFromJson(modemStateToJson(state), again, error) ||
      modemStateToJson(again) != modemStateToJson(state)) {
    std::abort();
  }
  return 0;
}
