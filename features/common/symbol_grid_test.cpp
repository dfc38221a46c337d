#include "features/common/symbol_grid.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

TEST(SymbolGrid, CodesAndGridGeometry) {
  EXPECT_EQ(symbolBytes(3), "\xC9\xA4");
  EXPECT_EQ(symbolBytes(9), "\xC9\xAA");
  EXPECT_EQ(symbolBytes(10), "");
  EXPECT_EQ(symbolBytes(-1), "");
  const SymbolGrid wide = SymbolGrid::forWidth(295, 27); // the entry dialog: one row of ten
  EXPECT_EQ(wide.columns, 10);
  EXPECT_EQ(wide.left, (295 - 281) / 2);
  const SymbolGrid narrow = SymbolGrid::forWidth(180, 27); // the group dialog: six columns, two rows
  EXPECT_EQ(narrow.columns, 6);
  EXPECT_EQ(narrow.hit(narrow.cellX(7) + 3, narrow.cellY(7, 27) + 3, 27), 7);
  EXPECT_EQ(narrow.hit(narrow.cellX(5) + 30, 3, 27), -1);         // right of the last column
  EXPECT_EQ(narrow.hit(narrow.cellX(4) + 3, 2 * 28 + 3, 27), -1); // below the last row
  EXPECT_EQ(narrow.hit(0, 3, 27), -1);
}

} // namespace
} // namespace pdx::features
