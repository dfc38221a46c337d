#include "winlib/help/rtf_reader.h"

#include "winlib/help/rtf_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace pdx::winlib {
namespace {

// Deeper groups are read as part of the deepest one kept, so that hostile
// nesting costs no memory.
constexpr size_t kMaxDepth = 256;
constexpr size_t kMaxWord = 32;
constexpr long kMaxParameter = 1'000'000'000;

enum class Destination { Text, Skip, ColourTable };

struct GroupState {
  RtfFormat format;
  ParagraphFormat paragraph;
  int unicodeSkip = 1; // fallback characters that follow each \uN
  Destination destination = Destination::Text;
};

std::string utf8Of(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

// Destinations whose content is not document text.
bool isSkippedDestination(std::string_view word) {
  static constexpr std::array<std::string_view, 22> kSkipped = {
      "fonttbl", "stylesheet", "info",      "pict",        "object",    "header",
      "footer",  "headerl",    "headerr",   "headerf",     "footerl",   "footerr",
      "footerf", "footnote",   "fldinst",   "listtable",   "xmlnsdecl", "listoverridetable",
      "rsidtbl", "generator",  "themedata", "latentstyles"};
  return std::ranges::find(kSkipped, word) != kSkipped.end();
}

class Reader {
public:
  explicit Reader(std::string_view in) : in_(in) { stack_.emplace_back(); }

  RtfDocument read();

private:
  GroupState &state() { return stack_.back(); }
  void openGroup();
  void closeGroup();
  void readControl();
  void controlWord(std::string_view word, std::optional<int> parameter);
  bool characterWord(std::string_view word, std::optional<int> parameter);
  bool paragraphWord(std::string_view word, std::optional<int> parameter);
  bool specialCharacter(std::string_view word);
  void controlSymbol(char symbol);
  void colourTableWord(std::string_view word, int value);
  void plainCharacter(char c);
  void hexByte();
  void byte(unsigned char value);
  void unicode(int value);

  std::string_view in_;
  size_t pos_ = 0;
  std::vector<GroupState> stack_;
  size_t overflowDepth_ = 0;
  bool starredGroup_ = false; // the current group began with "\*"
  int fallbackToSkip_ = 0;
  TextSink sink_;
  std::vector<std::optional<RtfColour>> colours_;
  RtfColour colour_;
  bool colourGiven_ = false;
  char32_t highSurrogate_ = 0;
  ParagraphFormat outerParagraph_; // in effect when the outermost group closed
};

RtfDocument Reader::read() {
  while (pos_ < in_.size()) {
    const char c = in_[pos_++];
    if (c == '{') {
      openGroup();
    } else if (c == '}') {
      closeGroup();
    } else if (c == '\\') {
      readControl();
    } else {
      plainCharacter(c);
    }
  }
  return sink_.finish(stack_.size() > 1 ? state().paragraph : outerParagraph_);
}

void Reader::openGroup() {
  sink_.flush();
  fallbackToSkip_ = 0;
  if (stack_.size() >= kMaxDepth) {
    ++overflowDepth_;
    return;
  }
  stack_.push_back(stack_.back());
  starredGroup_ = pos_ + 1 < in_.size() && in_[pos_] == '\\' && in_[pos_ + 1] == '*';
}

void Reader::closeGroup() {
  sink_.flush();
  fallbackToSkip_ = 0;
  starredGroup_ = false;
  if (overflowDepth_ > 0) {
    --overflowDepth_;
  } else if (stack_.size() > 1) {
    if (stack_.size() == 2) {
      outerParagraph_ = state().paragraph;
    }
    stack_.pop_back();
  }
}

void Reader::readControl() {
  if (pos_ >= in_.size()) {
    return;
  }
  const auto isLetter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!isLetter(in_[pos_])) {
    controlSymbol(in_[pos_++]);
    return;
  }
  const size_t start = pos_;
  while (pos_ < in_.size() && isLetter(in_[pos_])) {
    ++pos_;
  }
  const std::string_view word = in_.substr(start, std::min(pos_ - start, kMaxWord));
  std::optional<int> parameter;
  const bool negative = pos_ < in_.size() && in_[pos_] == '-';
  if (negative && pos_ + 1 < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_ + 1]))) {
    ++pos_;
  }
  long value = 0;
  while (pos_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[pos_]))) {
    value = std::min(value * 10 + (in_[pos_++] - '0'), kMaxParameter);
    parameter = static_cast<int>(negative ? -value : value);
  }
  if (pos_ < in_.size() && in_[pos_] == ' ') {
    ++pos_;
  }
  controlWord(word, parameter);
}

void Reader::controlWord(std::string_view word, std::optional<int> parameter) {
  if (word == "bin") {
    sink_.flush();
    pos_ += std::min<size_t>(static_cast<size_t>(std::max(parameter.value_or(0), 0)), in_.size() - pos_);
    return;
  }
  if (state().destination == Destination::Skip) {
    return;
  }
  if (starredGroup_ || isSkippedDestination(word)) {
    starredGroup_ = false;
    sink_.flush();
    state().destination = Destination::Skip;
    return;
  }
  if (word == "colortbl") {
    state().destination = Destination::ColourTable;
    colours_.clear();
    return;
  }
  if (state().destination == Destination::ColourTable) {
    colourTableWord(word, parameter.value_or(0));
    return;
  }
  if (word == "u" && parameter) {
    unicode(*parameter);
    return;
  }
  if (word == "uc") {
    state().unicodeSkip = std::clamp(parameter.value_or(1), 0, 10);
    return;
  }
  if (characterWord(word, parameter) || paragraphWord(word, parameter)) {
    return;
  }
  specialCharacter(word);
}

void Reader::colourTableWord(std::string_view word, int value) {
  const int component = std::clamp(value, 0, 255);
  if (word == "red") {
    colour_.red = component;
  } else if (word == "green") {
    colour_.green = component;
  } else if (word == "blue") {
    colour_.blue = component;
  } else {
    return;
  }
  colourGiven_ = true;
}

bool Reader::characterWord(std::string_view word, std::optional<int> parameter) {
  RtfFormat &format = state().format;
  const bool on = parameter.value_or(1) != 0;
  if (word == "b") {
    format.bold = on;
  } else if (word == "i") {
    format.italic = on;
  } else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth") {
    format.underline = on;
  } else if (word == "ulnone") {
    format.underline = false;
  } else if (word == "fs") {
    format.halfPoints = std::clamp(parameter.value_or(24), 2, 2000);
  } else if (word == "cf") {
    const auto index = static_cast<size_t>(std::max(parameter.value_or(0), 0));
    format.colour = index < colours_.size() ? colours_[index] : std::nullopt;
  } else if (word == "plain") {
    format = RtfFormat{};
  } else if (word == "ansicpg") {
    sink_.setCodePage(parameter.value_or(949));
  } else {
    return false;
  }
  return true;
}

bool Reader::paragraphWord(std::string_view word, std::optional<int> parameter) {
  ParagraphFormat &paragraph = state().paragraph;
  const int twips = std::clamp(parameter.value_or(0), -31680, 31680);
  if (word == "par") {
    sink_.endParagraph(paragraph);
  } else if (word == "pard") {
    paragraph = ParagraphFormat{};
  } else if (word == "ql" || word == "qc" || word == "qr" || word == "qj") {
    constexpr std::array kAlignments = {RtfAlignment::Left, RtfAlignment::Centre, RtfAlignment::Right,
                                        RtfAlignment::Justified};
    paragraph.alignment = kAlignments[std::string_view("lcrj").find(word[1])];
  } else if (word == "sb") {
    paragraph.spaceBefore = std::max(twips, 0);
  } else if (word == "sa") {
    paragraph.spaceAfter = std::max(twips, 0);
  } else if (word == "li") {
    paragraph.leftIndent = twips;
  } else {
    return false;
  }
  return true;
}

// Control words that stand for one character; any other word is ignored.
bool Reader::specialCharacter(std::string_view word) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 10> kCharacters = {{
      {"line", "\n"},
      {"tab", "\t"},
      {"emdash", "\u2014"},
      {"endash", "\u2013"},
      {"bullet", "\u2022"},
      {"lquote", "\u2018"},
      {"rquote", "\u2019"},
      {"ldblquote", "\u201C"},
      {"rdblquote", "\u201D"},
      {"emspace", "\u2003"},
  }};
  const auto found =
      std::ranges::find(kCharacters, word, &std::pair<std::string_view, std::string_view>::first);
  if (found == kCharacters.end()) {
    return false;
  }
  sink_.text(found->second, state().format);
  return true;
}

void Reader::controlSymbol(char symbol) {
  if (symbol == '\'') {
    hexByte();
    return;
  }
  if (symbol == '*') {
    return; // handled when the group opened
  }
  if (state().destination != Destination::Text) {
    return;
  }
  if (symbol == '\\' || symbol == '{' || symbol == '}') {
    plainCharacter(symbol);
  } else if (symbol == '~') {
    sink_.text("\u00A0", state().format);
  } else if (symbol == '_') {
    sink_.text("\u2011", state().format);
  } else if (symbol == '\n' || symbol == '\r') {
    sink_.endParagraph(state().paragraph);
  }
}

void Reader::plainCharacter(char c) {
  if (state().destination == Destination::ColourTable) {
    if (c == ';') {
      colours_.push_back(colourGiven_ ? std::optional(colour_) : std::nullopt);
      colour_ = RtfColour{};
      colourGiven_ = false;
    }
    return;
  }
  if (state().destination != Destination::Text) {
    return;
  }
  if (c == '\r' || c == '\n') {
    return;
  }
  if (fallbackToSkip_ > 0) {
    --fallbackToSkip_;
    return;
  }
  const auto value = static_cast<unsigned char>(c);
  if (value >= 0x80 || sink_.wantsTrailByte()) {
    sink_.byte(value, state().format);
  } else if (c == '\t' || value >= 0x20) {
    sink_.text(std::string_view(&c, 1), state().format);
  }
}

// "\'hh": a byte given as two hex digits; a cut escape gives nothing.
void Reader::hexByte() {
  int value = 0;
  for (int i = 0; i < 2; ++i) {
    if (pos_ >= in_.size() || !std::isxdigit(static_cast<unsigned char>(in_[pos_]))) {
      return;
    }
    const char h = static_cast<char>(std::tolower(static_cast<unsigned char>(in_[pos_++])));
    value = value * 16 + (h <= '9' ? h - '0' : h - 'a' + 10);
  }
  byte(static_cast<unsigned char>(value));
}

void Reader::byte(unsigned char value) {
  if (state().destination != Destination::Text) {
    return;
  }
  if (fallbackToSkip_ > 0) {
    --fallbackToSkip_;
    return;
  }
  sink_.byte(value, state().format);
}

void Reader::unicode(int value) {
  fallbackToSkip_ = state().unicodeSkip;
  auto code = static_cast<char32_t>(value < 0 ? value + 65536 : value);
  if (code >= 0xD800 && code <= 0xDBFF) {
    highSurrogate_ = code;
    return;
  }
  if (code >= 0xDC00 && code <= 0xDFFF && highSurrogate_ != 0) {
    code = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (code - 0xDC00);
  } else if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
    code = 0xFFFD;
  }
  highSurrogate_ = 0;
  if (code != 0) {
    sink_.text(utf8Of(code), state().format);
  }
}

} // namespace

RtfDocument readRtf(std::string_view rtf) {
  return Reader(rtf).read();
}

} // namespace pdx::winlib
