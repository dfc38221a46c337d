// Collects the text of an RTF document into paragraphs of runs: bytes in the
// document's code page are gathered and decoded together, so that both bytes
// of a double-byte character may arrive as separate \'hh escapes.
#pragma once

#include "winlib/help/rtf_document.h"

#include <string>
#include <string_view>

namespace pdx::winlib {

struct ParagraphFormat {
  RtfAlignment alignment = RtfAlignment::Left;
  int spaceBefore = 0;
  int spaceAfter = 0;
  int leftIndent = 0;
};

class TextSink {
public:
  // 949 (the default) decodes as code page 949; 1252 and 28591 as Latin-1.
  void setCodePage(int codePage);

  // A byte of the document's code page.
  void byte(unsigned char value, const RtfFormat &format);
  // True while the last byte given is a lead byte waiting for its trail byte
  // (which a writer may give as a plain letter).
  bool wantsTrailByte() const;
  void text(std::string_view utf8, const RtfFormat &format);
  // Decodes the bytes gathered so far.
  void flush();
  void endParagraph(const ParagraphFormat &format);
  // The document, with a last paragraph that has text but no \par given
  // `format`.
  RtfDocument finish(const ParagraphFormat &format);

private:
  void append(std::string_view utf8, const RtfFormat &format);

  int codePage_ = 949;
  std::string bytes_;
  bool leadPending_ = false;
  RtfFormat bytesFormat_;
  RtfParagraph paragraph_;
  RtfDocument document_;
};

} // namespace pdx::winlib
