// Feeds arbitrary text to the ringtone reader. Whatever it accepts stays
// within the melody limits, and writing it out and reading it back gives
// the same entries and tempo.
#include "melody/rtttl/rtttl.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx::melody;
  const RtttlImport first = importRtttl({reinterpret_cast<const char *>(data), size});
  if (!first.ok) {
    return 0;
  }
  const CMelody &m = first.melody;
  if (m.count() > kMaxEntries || m.encodedLength() >= kEncodedLimit ||
      m.encodedLength() != encodedLengthOf(m.entries())) {
    std::abort();
  }
  const RtttlImport second = importRtttl(exportRtttl(m).text);
  if (!second.ok || second.melody.tempo() != m.tempo() || second.melody.count() != m.count() ||
      !std::equal(m.entries().begin(), m.entries().end(), second.melody.entries().begin())) {
    std::abort();
  }
  return 0;
}
