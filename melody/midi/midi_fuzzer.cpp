// Feeds arbitrary bytes to the MIDI import: it must refuse or import, never
// crash, hang or read outside the input.
#include "melody/midi/midi.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const pdx::melody::MidiImport in = pdx::melody::importMidi({data, size});
  if (in.ok && in.melody.count() > pdx::melody::kMaxEntries) {
    __builtin_trap();
  }
  return 0;
}
