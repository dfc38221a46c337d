#include "features/common/column_rules.h"

#include <gtest/gtest.h>

namespace pdx::features {
namespace {

TEST(ColumnLayout, KeepsCountMinusOneBoundariesAtMostTen) {
  ColumnLayout layout;
  std::vector<int> many;
  for (int i = 1; i <= 20; ++i) {
    many.push_back(i * 20);
  }
  layout.setColumns(7, many);
  EXPECT_EQ(layout.boundaries().size(), 6u);
  layout.setColumns(15, many);
  EXPECT_EQ(layout.boundaries().size(), 10u);
  EXPECT_EQ(layout.columnCount(), 11);
}

TEST(ColumnLayout, GeometryMovesAndHits) {
  ColumnLayout layout;
  layout.setColumns(7, {20, 87, 160, 260, 360, 460, 560});
  EXPECT_EQ(layout.columnLeft(0), 0);
  EXPECT_EQ(layout.columnLeft(2), 87);
  EXPECT_EQ(layout.columnWidth(1, 559), 67);
  EXPECT_EQ(layout.columnWidth(6, 559), 99); // the last reaches the list's edge
  EXPECT_EQ(layout.hitColumn(-1), -1);
  EXPECT_EQ(layout.hitColumn(0), 0);
  EXPECT_EQ(layout.hitColumn(20), 1);
  EXPECT_EQ(layout.hitColumn(500), 6);
  layout.moveColumn(1, 100);
  EXPECT_EQ(layout.boundaries(), (std::vector<int>{20, 120, 193, 293, 393, 493}));
}

TEST(ColumnLayout, StoredBoundariesAreCorrected) {
  EXPECT_EQ(correctBoundaries({5, 5, 5, 5, 5, 5}), (std::vector<int>{10, 20, 30, 40, 50, 60}));
  EXPECT_EQ(correctBoundaries({20, 87, 160, 260, 360, 460}), (std::vector<int>{20, 87, 160, 260, 360, 460}));
  EXPECT_EQ(correctBoundaries({100, 50, 300}), (std::vector<int>{100, 110, 300}));
}

TEST(ColumnLayout, BoundaryTextParsesOnlyWhenComplete) {
  EXPECT_EQ(parseBoundaries("20,87,160,260,360,460", 6), (std::vector<int>{20, 87, 160, 260, 360, 460}));
  EXPECT_TRUE(parseBoundaries("20,87,160", 6).empty());
  EXPECT_TRUE(parseBoundaries("20,87,x,260,360,460", 6).empty());
  EXPECT_TRUE(parseBoundaries("20,87,160,260,360,460,1", 6).empty());
  EXPECT_TRUE(parseBoundaries("", 6).empty());
  EXPECT_EQ(formatBoundaries({20, 87}), "20,87");
}

// Each part as kind:icon:text, kinds 0 centred, 1 inline, 2 text.
std::vector<std::string> partsOf(std::string_view cell) {
  std::vector<std::string> out;
  for (const CellPart &p : parseCell(cell, 3)) {
    out.push_back(std::to_string(p.kind) + ":" + std::to_string(p.icon) + ":" + p.text);
  }
  return out;
}

TEST(Cells, IconPairsCentredInlineOrNothing) {
  EXPECT_EQ(splitCells("a\tb\t"), (std::vector<std::string>{"a", "b", ""}));
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {"\xFF\x02kim", {"0:1:", "2:-1:kim"}},
      {"\xFF\x82kim", {"1:1:", "2:-1:kim"}},
      {"\xFF\x05kim", {"2:-1:kim"}}, // past the icons: nothing drawn
      {"x\xFF", {"2:-1:x\xFF"}},     // a lone 0xFF at the end is text
  };
  for (const auto &[cell, parts] : cases) {
    EXPECT_EQ(partsOf(cell), parts) << cell;
  }
}

TEST(Selection, ControlTogglesShiftSelectsTheRange) {
  EXPECT_EQ(selectAfterClick({5}, 5, {2, false, true}), (std::set<int>{2, 3, 4, 5}));
  EXPECT_EQ(selectAfterClick({1, 5}, 1, {5, true, false}), (std::set<int>{1}));
  EXPECT_EQ(selectAfterClick({1}, 1, {5, true, false}), (std::set<int>{1, 5}));
  EXPECT_EQ(selectAfterClick({1, 2}, 1, {7, false, false}), (std::set<int>{7}));
  EXPECT_EQ(selectAfterClick({}, -1, {3, false, true}), (std::set<int>{3}));
}

} // namespace
} // namespace pdx::features
