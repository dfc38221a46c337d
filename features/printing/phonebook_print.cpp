#include "features/printing/phonebook_print.h"

#include <algorithm>
#include <deque>

namespace pdx::features {

namespace {

using core::PhoneBookEntry;

constexpr int kWalletLine = 40;
constexpr int kWalletColumn = 690;
constexpr int kWalletNumberOffset = 200;
constexpr int kNormalHeadingMinimum = 100;
// Number-kind symbols of the phone's font: home, office, mobile, pager.
constexpr const char *kKindSymbols[core::kNumberKinds] = {"\xC9\xA5", "\xC9\xA6", "\xC9\xA2", "\xC9\xA3"};

struct Section {
  std::string name; // code page 949
  std::vector<PhoneBookEntry> entries;
};

std::string groupLabel(const core::GroupTable &groups, int id) {
  const int at = groups.findById(id);
  return at < 0 ? std::string() : std::string(groups[static_cast<size_t>(at)].name.view());
}

std::vector<Section> sectionsByGroup(const std::vector<PhoneBookEntry> &entries,
                                     const core::GroupTable &groups) {
  std::vector<Section> sections;
  for (const PhoneBookEntry &e : entries) {
    if (sections.empty() || sections.back().entries.back().group != e.group) {
      sections.push_back({groupLabel(groups, e.group), {}});
    }
    sections.back().entries.push_back(e);
  }
  return sections;
}

int walletLines(const PhoneBookEntry &e) {
  const auto n = std::count_if(e.numbers.begin(), e.numbers.end(), [](const auto &x) { return !x.empty(); });
  return std::max<int>(1, static_cast<int>(n));
}

void drawWalletEntry(PrintPage &page, int x, int y, const PhoneBookEntry &e) {
  page.texts.push_back({x, y, PrintFont::WalletEntry, std::string(e.name.view())});
  int line = 0;
  for (size_t k = 0; k < core::kNumberKinds; ++k) {
    if (!e.numbers[k].empty()) {
      const std::string text = std::string(kKindSymbols[k]) + std::string(e.numbers[k].view());
      page.texts.push_back({x + kWalletNumberOffset, y + line * kWalletLine, PrintFont::WalletEntry, text});
      ++line;
    }
  }
}

// Pages that grow as texts are added; `next()` starts a new one.
struct PageSink {
  std::vector<PrintPage> pages{PrintPage()};
  PrintPage &current() { return pages.back(); }
  void next() { pages.emplace_back(); }
};

// Places a band of groups side by side, one group per column; entries that
// do not fit above the area's bottom are returned to go on the next page.
std::vector<Section> placeWalletBand(PageSink &sink, const std::vector<Section> &band, int y,
                                     const PrintRect &area, bool freshPage) {
  const int available = std::max(2, (area.bottom - y) / kWalletLine);
  std::vector<Section> rest;
  for (size_t c = 0; c < band.size(); ++c) {
    const int x = area.left + static_cast<int>(c) * kWalletColumn;
    sink.current().texts.push_back({x, y, PrintFont::WalletHeading, "* " + band[c].name});
    int used = 1;
    size_t i = 0;
    for (; i < band[c].entries.size(); ++i) {
      const int lines = walletLines(band[c].entries[i]);
      if (used + lines > available && !(freshPage && used == 1)) {
        break;
      }
      drawWalletEntry(sink.current(), x, y + used * kWalletLine, band[c].entries[i]);
      used += lines;
    }
    if (i < band[c].entries.size()) {
      rest.push_back(
          {band[c].name, {band[c].entries.begin() + static_cast<std::ptrdiff_t>(i), band[c].entries.end()}});
    }
  }
  return rest;
}

void walletByGroup(PageSink &sink, const std::vector<PhoneBookEntry> &entries, const core::GroupTable &groups,
                   const PrintRect &area) {
  const size_t columns = static_cast<size_t>(std::max(1, area.width() / kWalletColumn));
  std::deque<Section> pending;
  for (Section &s : sectionsByGroup(entries, groups)) {
    pending.push_back(std::move(s));
  }
  int y = area.top;
  while (!pending.empty()) {
    std::vector<Section> band;
    int bandLines = 0;
    while (!pending.empty() && band.size() < columns) {
      int lines = 1;
      for (const PhoneBookEntry &e : pending.front().entries) {
        lines += walletLines(e);
      }
      bandLines = std::max(bandLines, lines);
      band.push_back(std::move(pending.front()));
      pending.pop_front();
    }
    const int height = (bandLines + 3) * kWalletLine;
    if (y + height > area.bottom && y != area.top) {
      sink.next();
      y = area.top;
    }
    std::vector<Section> rest = placeWalletBand(sink, band, y, area, y == area.top);
    y += height;
    if (!rest.empty()) {
      pending.insert(pending.begin(), rest.begin(), rest.end());
      sink.next();
      y = area.top;
    }
  }
}

void walletByName(PageSink &sink, const std::vector<PhoneBookEntry> &entries, const PrintRect &area) {
  const int columns = std::max(1, area.width() / kWalletColumn);
  int total = 0;
  for (const PhoneBookEntry &e : entries) {
    total += walletLines(e);
  }
  int used = columns;
  for (int n = 1; n <= columns; ++n) {
    if ((total / n) * kWalletLine < area.height() / 2) {
      used = n;
      break;
    }
  }
  const int capacity = std::max(1, area.height() / kWalletLine);
  const int perColumn = std::min((total + used - 1) / used, capacity);
  int column = 0;
  int line = 0;
  for (const PhoneBookEntry &e : entries) {
    const int lines = walletLines(e);
    if (line > 0 && line + lines > perColumn) {
      line = 0;
      if (++column == used) {
        column = 0;
        sink.next();
      }
    }
    drawWalletEntry(sink.current(), area.left + column * kWalletColumn, area.top + line * kWalletLine, e);
    line += lines;
  }
}

// Draws one line of a normal-size page at `y`, moving to a new page first
// when it would pass the bottom; returns the next line's y.
int normalLine(PageSink &sink, int y, const PrintRect &area, const TextMeasure &measure,
               const std::vector<std::pair<int, std::string>> &cells) {
  const int height = std::max(1, measure.height(PrintFont::NormalEntry, cells.front().second));
  if (y + height > area.bottom && y != area.top) {
    sink.next();
    y = area.top;
  }
  for (const auto &[offset, text] : cells) {
    if (!text.empty()) {
      sink.current().texts.push_back({area.left + offset, y, PrintFont::NormalEntry, text});
    }
  }
  return y + height;
}

std::vector<std::pair<int, std::string>> numberCells(const PhoneBookEntry &e, int first, int step) {
  std::vector<std::pair<int, std::string>> cells{{0, std::string(e.name.view())}};
  for (size_t k = 0; k < core::kNumberKinds; ++k) {
    cells.emplace_back(first + static_cast<int>(k) * step, std::string(e.numbers[k].view()));
  }
  return cells;
}

void normalByGroup(PageSink &sink, const std::vector<PhoneBookEntry> &entries, const core::GroupTable &groups,
                   const PrintRect &area, const TextMeasure &measure) {
  int y = area.top;
  for (const Section &section : sectionsByGroup(entries, groups)) {
    if (area.bottom - y < kNormalHeadingMinimum && y != area.top) {
      sink.next();
      y = area.top;
    }
    const std::string heading = "* " + section.name;
    sink.current().texts.push_back({area.left + 37, y + 27, PrintFont::NormalHeading, heading});
    y += 54 + measure.height(PrintFont::NormalHeading, heading);
    for (const PhoneBookEntry &e : section.entries) {
      y = normalLine(sink, y, area, measure, numberCells(e, 400, 400));
    }
  }
}

void normalByName(PageSink &sink, const std::vector<PhoneBookEntry> &entries, const core::GroupTable &groups,
                  const PrintRect &area, const TextMeasure &measure) {
  int y = area.top;
  for (const PhoneBookEntry &e : entries) {
    auto cells = numberCells(e, 550, 400);
    cells.insert(cells.begin() + 1, {250, groupLabel(groups, e.group)});
    y = normalLine(sink, y, area, measure, cells);
  }
}

} // namespace

std::vector<PhoneBookEntry> phonebookPrintOrder(const core::PhonebookList &entries, PrintOrder order) {
  std::vector<PhoneBookEntry> copy;
  for (const PhoneBookEntry &e : entries) {
    if (e.isEmpty()) {
      break;
    }
    copy.push_back(e);
  }
  std::stable_sort(copy.begin(), copy.end(), [order](const PhoneBookEntry &a, const PhoneBookEntry &b) {
    if (order == PrintOrder::ByGroup) {
      return a.group < b.group;
    }
    return text::compareBytes(a.name.view(), b.name.view()) < 0;
  });
  return copy;
}

std::vector<PrintPage> layoutPhonebook(const core::PhonebookList &entries, const core::GroupTable &groups,
                                       PrintSize size, PrintOrder order, const PrintRect &area,
                                       const TextMeasure &measure) {
  const std::vector<PhoneBookEntry> sorted = phonebookPrintOrder(entries, order);
  PageSink sink;
  if (size == PrintSize::Wallet) {
    order == PrintOrder::ByGroup ? walletByGroup(sink, sorted, groups, area)
                                 : walletByName(sink, sorted, area);
  } else if (order == PrintOrder::ByGroup) {
    normalByGroup(sink, sorted, groups, area, measure);
  } else {
    normalByName(sink, sorted, groups, area, measure);
  }
  if (sink.pages.size() > static_cast<size_t>(kLastPhonebookPage)) {
    sink.pages.resize(kLastPhonebookPage);
  }
  return sink.pages;
}

} // namespace pdx::features
