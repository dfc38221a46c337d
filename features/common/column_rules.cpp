#include "features/common/column_rules.h"

#include <algorithm>
#include <charconv>

namespace pdx::features {

namespace {

std::vector<std::string> splitAt(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (true) {
    const size_t at = text.find(separator, start);
    pieces.emplace_back(
        text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) {
      return pieces;
    }
    start = at + 1;
  }
}

} // namespace

void ColumnLayout::setColumns(int count, const std::vector<int> &positions) {
  const size_t keep = static_cast<size_t>(std::clamp(count - 1, 0, kMaxColumnBoundaries));
  boundaries_.assign(positions.begin(),
                     positions.begin() + static_cast<std::ptrdiff_t>(std::min(keep, positions.size())));
}

int ColumnLayout::columnLeft(int i) const {
  return i <= 0 || boundaries_.empty()
             ? 0
             : boundaries_[static_cast<size_t>(std::min<int>(i, columnCount() - 1) - 1)];
}

int ColumnLayout::columnWidth(int i, int listWidth) const {
  const int right =
      i < static_cast<int>(boundaries_.size()) ? boundaries_[static_cast<size_t>(i)] : listWidth;
  return std::max(0, right - columnLeft(i));
}

void ColumnLayout::moveColumn(int i, int width) {
  if (i < 0 || i >= static_cast<int>(boundaries_.size())) {
    return;
  }
  const int shift = columnLeft(i) + width - boundaries_[static_cast<size_t>(i)];
  for (size_t k = static_cast<size_t>(i); k < boundaries_.size(); ++k) {
    boundaries_[k] += shift;
  }
}

int ColumnLayout::hitColumn(int x) const {
  if (x < 0) {
    return -1;
  }
  for (size_t k = 0; k < boundaries_.size(); ++k) {
    if (boundaries_[k] > x) {
      return static_cast<int>(k);
    }
  }
  return static_cast<int>(boundaries_.size());
}

std::vector<int> correctBoundaries(std::vector<int> b) {
  for (size_t i = 0; i < b.size(); ++i) {
    b[i] = std::max(b[i], i == 0 ? 10 : b[i - 1] + 10);
  }
  for (size_t i = b.size(); i-- > 1;) {
    b[i - 1] = std::min(b[i - 1], b[i] - 10);
  }
  return b;
}

std::vector<int> parseBoundaries(std::string_view text, size_t count) {
  std::vector<int> values;
  for (const std::string &piece : splitAt(text, ',')) {
    int value = 0;
    const auto [end, ec] = std::from_chars(piece.data(), piece.data() + piece.size(), value);
    if (piece.empty() || ec != std::errc() || end != piece.data() + piece.size()) {
      return {};
    }
    values.push_back(value);
  }
  return values.size() == count ? values : std::vector<int>();
}

std::string formatBoundaries(const std::vector<int> &boundaries) {
  std::string out;
  for (size_t i = 0; i < boundaries.size(); ++i) {
    out += (i ? "," : "") + std::to_string(boundaries[i]);
  }
  return out;
}

std::vector<std::string> splitCells(std::string_view row) {
  return splitAt(row, '\t');
}

std::vector<CellPart> parseCell(std::string_view cell, int iconCount) {
  std::vector<CellPart> parts;
  std::string text;
  const auto flushText = [&] {
    if (!text.empty()) {
      parts.push_back({CellPart::Text, -1, std::move(text)});
      text.clear();
    }
  };
  for (size_t i = 0; i < cell.size(); ++i) {
    const auto byte = static_cast<unsigned char>(cell[i]);
    if (byte != 0xFF || i + 1 >= cell.size()) {
      text.push_back(cell[i]);
      continue;
    }
    const auto code = static_cast<unsigned char>(cell[++i]);
    const int n = code & 0x7F;
    flushText();
    if (n >= 1 && n <= iconCount) {
      parts.push_back({(code & 0x80) ? CellPart::InlineIcon : CellPart::CentredIcon, n - 1, {}});
    }
  }
  flushText();
  return parts;
}

std::set<int> selectAfterClick(const std::set<int> &selected, int current, const SelectionClick &click) {
  if (click.row < 0) {
    return selected;
  }
  if (click.control) {
    std::set<int> next = selected;
    if (!next.erase(click.row)) {
      next.insert(click.row);
    }
    return next;
  }
  if (click.shift && current >= 0) {
    std::set<int> range;
    for (int r = std::min(current, click.row); r <= std::max(current, click.row); ++r) {
      range.insert(r);
    }
    return range;
  }
  return {click.row};
}

} // namespace pdx::features
