// Printed pages as positioned texts, computed without a printer so that the
// layout can be tested; the page's painter draws them. Units are the
// printer's device pixels.
#pragma once

#include <string>
#include <vector>

namespace pdx::features {

struct PrintRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

// The area every page prints into: 127 pixels in from the sides, 252 from
// the top and the bottom.
PrintRect printArea(int pageWidth, int pageHeight);

enum class PrintFont {
  WalletHeading, // 굴림 10 point
  WalletEntry,   // 굴림 7 point
  NormalHeading, // 굴림 14 point
  NormalEntry,   // 굴림 10 point
};

struct PrintText {
  int x = 0;
  int y = 0;
  PrintFont font = PrintFont::NormalEntry;
  std::string text; // code page 949
};

struct PrintPage {
  std::vector<PrintText> texts;
};

// Measures the height a text takes when drawn in a font.
class TextMeasure {
public:
  virtual ~TextMeasure() = default;
  virtual int height(PrintFont font, const std::string &text) const = 0;
};

// The header of every page: "Pelodex - <document>" (or "Pelodex"), drawn
// across the area at y 137, and the double rule above the area's top.
struct PageHeader {
  std::string title; // UTF-8
  int textY = 137;
  PrintRect thinRule;  // 2 pixels, 52 and 51 above the area's top
  PrintRect thickRule; // 4 pixels, from 48 to 45 above it
};

PageHeader pageHeader(const PrintRect &area, const std::string &documentUtf8);

} // namespace pdx::features
