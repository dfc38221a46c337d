// Any input must read without crashing and yield valid UTF-8 runs.
#include "winlib/help/rtf_reader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool isValidUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    const size_t length = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
      return false;
    }
    for (size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
        return false;
      }
    }
    i += length;
  }
  return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  const auto document = pdx::winlib::readRtf(std::string_view(reinterpret_cast<const char *>(data), size));
  for (const auto &paragraph : document.paragraphs) {
    for (const auto &run : paragraph.runs) {
      if (run.text.empty() || !isValidUtf8(run.text) || run.format.halfPoints < 2) {
        std::abort();
      }
    }
  }
  return 0;
}
