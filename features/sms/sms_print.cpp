#include "features/sms/sms_print.h"

#include "core/base/cp949.h"
#include "features/sms/sms_format.h"

namespace pdx::features {

namespace {

constexpr PrintFont kFont = PrintFont::NormalEntry;
constexpr int kTextGap = 27;

size_t characterLength(std::string_view text, size_t at) {
  return text::isLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < text.size() ? 2 : 1;
}

} // namespace

std::vector<std::string> wrapText(const std::string &cp949, int width, PrintFont font,
                                  const TextMetrics &metrics) {
  std::vector<std::string> lines;
  std::string_view rest = cp949;
  while (!rest.empty()) {
    size_t fit = 0;
    size_t lastBlank = 0;
    while (fit < rest.size()) {
      const size_t next = fit + characterLength(rest, fit);
      if (rest[fit] == '\n' || metrics.width(font, std::string(rest.substr(0, next))) > width) {
        break;
      }
      lastBlank = rest[fit] == ' ' ? next : lastBlank;
      fit = next;
    }
    if (fit < rest.size() && rest[fit] == '\n') {
      lines.emplace_back(rest.substr(0, fit));
      rest.remove_prefix(fit + 1);
      continue;
    }
    if (fit == 0) { // not even one character fits: it takes a line of its own
      fit = characterLength(rest, 0);
    } else if (fit < rest.size() && lastBlank > 0) {
      fit = lastBlank;
    }
    lines.emplace_back(rest.substr(0, fit));
    rest.remove_prefix(fit);
  }
  return lines;
}

PrintPage layoutSmsPrint(const core::SmsMessage &message, std::string_view text, bool received,
                         const PrintRect &area, const TextMetrics &metrics) {
  PrintPage page;
  int y = area.top;
  for (std::string &line : printedHeading(message, received)) {
    const int height = metrics.height(kFont, line);
    page.texts.push_back({area.left, y, kFont, std::move(line)});
    y += height;
  }
  y += kTextGap;
  for (std::string &line : wrapText(std::string(text), area.width(), kFont, metrics)) {
    const int height = metrics.height(kFont, line);
    page.texts.push_back({area.left, y, kFont, std::move(line)});
    y += height;
  }
  return page;
}

} // namespace pdx::features
