// The rules of the column list shared by the feature pages: column
// boundaries, cells with icon pairs, and mouse selection.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace pdx::features {

inline constexpr int kMaxColumnBoundaries = 10;

// Column boundaries: the right edge of each column but the last, measured
// from the list's left edge; the last column ends at the list's right edge.
class ColumnLayout {
public:
  // Keeps the first count - 1 positions, at most 10.
  void setColumns(int count, const std::vector<int> &positions);
  int columnCount() const { return static_cast<int>(boundaries_.size()) + 1; }
  int columnLeft(int i) const;
  // The width of column i; the last column reaches `listWidth`.
  int columnWidth(int i, int listWidth) const;
  // Gives column i the new width and shifts every later boundary with it.
  void moveColumn(int i, int width);
  // The column under x: -1 left of the list, the column count right of
  // every boundary.
  int hitColumn(int x) const;
  const std::vector<int> &boundaries() const { return boundaries_; }

private:
  std::vector<int> boundaries_;
};

// Corrects stored boundaries: the first at least 10, each next at least 10
// more than the one before; then, from the last down, each at most 10 less
// than the one after it.
std::vector<int> correctBoundaries(std::vector<int> stored);

// Parses "a,b,c,..." holding exactly `count` integers; empty when it does
// not.
std::vector<int> parseBoundaries(std::string_view text, size_t count);
std::string formatBoundaries(const std::vector<int> &boundaries);

// One piece of a cell as it is drawn: an icon (index into the strip) either
// centred in the column or inline, or a run of text (code page 949).
struct CellPart {
  enum Kind { CentredIcon, InlineIcon, Text };
  Kind kind = Text;
  int icon = -1;
  std::string text;
};

// Splits a row at its tab characters into cells.
std::vector<std::string> splitCells(std::string_view row);
// The parts of one cell: every pair 0xFF c is an icon; with n = c & 0x7F,
// icon n - 1 when 1 <= n <= iconCount (other pairs draw nothing), centred
// when bit 0x80 is clear, inline when set.
std::vector<CellPart> parseCell(std::string_view cell, int iconCount);

// Mouse selection of a multiple-selection list.
struct SelectionClick {
  int row = -1;
  bool control = false;
  bool shift = false;
};

// The selection after a click; `current` is the first selected row before
// it (-1 for none).
std::set<int> selectAfterClick(const std::set<int> &selected, int current, const SelectionClick &click);

} // namespace pdx::features
