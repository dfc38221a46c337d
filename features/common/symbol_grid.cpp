#include "features/common/symbol_grid.h"

#include <algorithm>

namespace pdx::features {

std::string symbolBytes(int index) {
  if (index < 0 || index >= kSymbolCount) {
    return std::string();
  }
  return std::string{'\xC9', static_cast<char>(0xA1 + index)};
}

SymbolGrid SymbolGrid::forWidth(int width, int pictureWidth) {
  SymbolGrid grid;
  grid.step = pictureWidth + 1;
  grid.columns = std::max(1, (width - 1) / grid.step);
  const int used = std::min(grid.columns, kSymbolCount) * grid.step + 1;
  grid.left = std::max(0, (width - used) / 2);
  return grid;
}

int SymbolGrid::hit(int x, int y, int pictureHeight) const {
  if (x < left || y < 0) {
    return -1;
  }
  const int column = (x - left) / step;
  const int row = y / (pictureHeight + 1);
  const int index = row * columns + column;
  return column < columns && index < kSymbolCount ? index : -1;
}

} // namespace pdx::features
