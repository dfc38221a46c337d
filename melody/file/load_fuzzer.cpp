// Feeds arbitrary bytes to the melody file reader; whatever it accepts must
// come back unchanged after writing and reading it again.
#include "melody/file/melody_codec.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx::melody;
  DecodedFile first;
  if (decodeMelodyFile({data, size}, first) != pdx::DocResult::Ok) {
    return 0;
  }
  const std::vector<uint8_t> written = encodeMelodyFile(first.title, first.melodies);
  DecodedFile second;
  if (decodeMelodyFile(written, second) != pdx::DocResult::Ok ||
      encodeMelodyFile(second.title, second.melodies) != written) {
    std::abort();
  }
  for (const auto &melody : first.melodies) {
    if (melody->encodedLength() > 500 || melody->encodedLength() != encodedLengthOf(melody->entries())) {
      std::abort();
    }
  }
  return 0;
}
