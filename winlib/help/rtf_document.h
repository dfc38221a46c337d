// The rich-text model the help viewer displays: paragraphs of runs of text
// (UTF-8) with character formatting, as read from an RTF document.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pdx::winlib {

struct RtfColour {
  int red = 0;
  int green = 0;
  int blue = 0;

  friend bool operator==(const RtfColour &, const RtfColour &) = default;
};

struct RtfFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;             // font size in half points, RTF's default 12 points
  std::optional<RtfColour> colour; // none: the viewer's default text colour

  friend bool operator==(const RtfFormat &, const RtfFormat &) = default;
};

struct RtfRun {
  std::string text; // UTF-8; "\n" a line break, "\t" a tab
  RtfFormat format;
};

enum class RtfAlignment { Left, Centre, Right, Justified };

struct RtfParagraph {
  std::vector<RtfRun> runs;
  RtfAlignment alignment = RtfAlignment::Left;
  int spaceBefore = 0; // twips
  int spaceAfter = 0;
  int leftIndent = 0;

  std::string plainText() const;
};

struct RtfDocument {
  std::vector<RtfParagraph> paragraphs;

  // All paragraphs' text joined by "\n".
  std::string plainText() const;
};

} // namespace pdx::winlib
