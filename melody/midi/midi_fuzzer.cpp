// Feeds arbitrary bytes to the MIDI import: it must refuse or import, never
// crash, hang or read outside the input, and what it imports keeps within
// the melody's limits.
#include "melody/midi/midi.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const pdx::melody::MidiImport in = pdx::melody::importMidi({data, size});
  const pdx::melody::CMelody &m = in.melody;
  if (in.ok && (m.count() > pdx::melody::kMaxEntries || m.encodedLength() >= pdx::melody::kEncodedLimit ||
                m.encodedLength() != pdx::melody::encodedLengthOf(m.entries()))) {
    __builtin_trap();
  }
  return 0;
}
