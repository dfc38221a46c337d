#include "winlib/help/rtf_text.h"

#include "core/base/cp949.h"

namespace pdx::winlib {
namespace {

std::string latin1ToUtf8(std::string_view bytes) {
  std::string out;
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (b >> 6));
      out += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return out;
}

void applyFormat(RtfParagraph &paragraph, const ParagraphFormat &format) {
  paragraph.alignment = format.alignment;
  paragraph.spaceBefore = format.spaceBefore;
  paragraph.spaceAfter = format.spaceAfter;
  paragraph.leftIndent = format.leftIndent;
}

} // namespace

std::string RtfParagraph::plainText() const {
  std::string text;
  for (const auto &run : runs) {
    text += run.text;
  }
  return text;
}

std::string RtfDocument::plainText() const {
  std::string text;
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    text += (i > 0 ? "\n" : "") + paragraphs[i].plainText();
  }
  return text;
}

void TextSink::setCodePage(int codePage) {
  flush();
  codePage_ = codePage;
}

void TextSink::byte(unsigned char value, const RtfFormat &format) {
  if (!bytes_.empty() && !(format == bytesFormat_)) {
    flush();
  }
  bytesFormat_ = format;
  bytes_ += static_cast<char>(value);
  leadPending_ = !leadPending_ && text::isLeadByte(value);
}

bool TextSink::wantsTrailByte() const {
  return leadPending_ && codePage_ == 949;
}

void TextSink::text(std::string_view utf8, const RtfFormat &format) {
  flush();
  append(utf8, format);
}

void TextSink::flush() {
  if (bytes_.empty()) {
    return;
  }
  const bool latin1 = codePage_ == 1252 || codePage_ == 28591;
  append(latin1 ? latin1ToUtf8(bytes_) : text::toUtf8(bytes_), bytesFormat_);
  bytes_.clear();
  leadPending_ = false;
}

void TextSink::append(std::string_view utf8, const RtfFormat &format) {
  if (utf8.empty()) {
    return;
  }
  auto &runs = paragraph_.runs;
  if (!runs.empty() && runs.back().format == format) {
    runs.back().text += utf8;
  } else {
    runs.push_back(RtfRun{std::string(utf8), format});
  }
}

void TextSink::endParagraph(const ParagraphFormat &format) {
  flush();
  applyFormat(paragraph_, format);
  document_.paragraphs.push_back(std::move(paragraph_));
  paragraph_ = RtfParagraph{};
}

RtfDocument TextSink::finish(const ParagraphFormat &format) {
  flush();
  if (!paragraph_.runs.empty()) {
    endParagraph(format);
  }
  return std::move(document_);
}

} // namespace pdx::winlib
