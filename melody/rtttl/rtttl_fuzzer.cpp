// Feeds arbitrary text to the ringtone reader. Whatever it accepts stays
// within the melody limits, and writing it out and reading it back gives
// the same entries and tempo; read as a file of ringtones, every melody
// added to a document stays within the limits too.
#include "melody/rtttl/rtttl.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool withinLimits(const pdx::melody::CMelody &m) {
  using namespace pdx::melody;
  return m.count() <= kMaxEntries && m.encodedLength() < kEncodedLimit &&
         m.encodedLength() == encodedLengthOf(m.entries());
}

void readAsFile(std::string_view text) {
  using namespace pdx::melody;
  auto ringtones = importRtttlLines(text);
  CMelodyFile doc;
  doc.New("t", "t.pcm");
  doc.RemoveMelody(0);
  const int added = appendRingtones(doc, ringtones);
  if (added != doc.size() || added > kMaxRingtonesPerFile) {
    std::abort();
  }
  for (int i = 0; i < doc.size(); ++i) {
    if (!withinLimits(doc.at(i)) || doc.FindByName(doc.at(i).name().view()) != i) {
      std::abort();
    }
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  using namespace pdx::melody;
  readAsFile({reinterpret_cast<const char *>(data), size});
  const RtttlImport first = importRtttl({reinterpret_cast<const char *>(data), size});
  if (!first.ok) {
    return 0;
  }
  const CMelody &m = first.melody;
  if (!withinLimits(m)) {
    std::abort();
  }
  const RtttlImport second = importRtttl(exportRtttl(m).text);
  if (!second.ok || second.melody.tempo() != m.tempo() || second.melody.count() != m.count() ||
      !std::equal(m.entries().begin(), m.entries().end(), second.melody.entries().begin())) {
    std::abort();
  }
  return 0;
}
