// What the import dialog shows without drawing it: the size of the
// original's preview and its pixels sampled from the image in memory, the
// converted picture at its place on the screen, and the messages of a
// failed import.
#pragma once

#include "animation/image/conversion.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pdx::animation {

struct PreviewSize {
  int width = 0;
  int height = 0;
};

// `width` x `height` scaled down to fit `boxWidth` x `boxHeight` keeping its
// shape; never enlarged. Empty for an empty image.
PreviewSize fitInside(int width, int height, int boxWidth, int boxHeight);

// The image sampled by nearest neighbour to `size`, as 0xAARRGGBB pixels row
// by row from the top. Costs only the pixels sampled, whatever the image's
// size.
std::vector<uint32_t> sampleImage(const CImportImage &image, PreviewSize size);

// The 96 x 51 screen with `image` converted and laid at its place, as the
// import would lay it on a white picture.
CMonoPicture convertedScreen(const CImportImage &image, const ImportSettings &settings);

// One message box: its text (UTF-8) and its type and icon bits.
struct ImportNotice {
  std::string text;
  uint32_t type = 0;
};

// The boxes a load of `path` that ended in `load` shows, in order: for a
// JPEG file the reader's own message (`readerStatus`: the file that cannot
// be opened, the memory, the decoder's error) under the stop icon, then the
// import's message. None when the load succeeded.
std::vector<ImportNotice> importNotices(const std::string &path, LoadResult load,
                                        const std::string &readerStatus);

} // namespace pdx::animation
