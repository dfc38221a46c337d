// The variable-length LZW code of GIF image data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pdx::animation {

// Decodes GIF image data (the minimum code size byte followed by data
// sub-blocks) into exactly `pixels` colour indices. Data that end early or
// break off with an invalid code leave the remaining indices 0. False only
// for a minimum code size outside 1..11.
[[nodiscard]] bool decodeLzw(std::span<const uint8_t> data, size_t pixels, std::vector<uint8_t> &indices);

} // namespace pdx::animation
