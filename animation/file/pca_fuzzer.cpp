// Feeds arbitrary bytes to the .pca reader and writes the result back.
#include "animation/file/animation_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  pdx::animation::CAnimationFile file;
  if (file.parse({data, size}) == pdx::DocResult::Ok) {
    const auto bytes = file.serialize();
    if (bytes.size() != pdx::animation::kFixedBytes + pdx::animation::kRecordBytes * file.count()) {
      std::abort();
    }
  }
  return 0;
}
