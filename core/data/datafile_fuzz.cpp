// Feeds arbitrary bytes to the data-file reader.
#include "core/data/datafile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  pdx::core::CDataStore store;
  (void)pdx::core::decodeDataFile({data, size}, store);
  store.pcGroups.ensureDefaultGroup();
  (void)pdx::core::encodeDataFile(store);
  return 0;
}
