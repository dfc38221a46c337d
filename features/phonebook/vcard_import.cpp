#include "features/phonebook/vcard_import.h"

#include "core/base/phone_number.h"
#include "core/base/text_file.h"
#include "core/base/user_text.h"
#include "features/phonebook/import_decode.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <vector>

namespace pdx::features {

namespace {

enum Kind { kHome = 0, kOffice = 1, kMobile = 2, kPager = 3 };

std::string upper(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
  return out;
}

// One content line: "group.NAME;PARAM=a,b;BARE:value".
struct Property {
  std::string name;                // upper case, without a group prefix
  std::vector<std::string> params; // upper case; TYPE lists split, bare types kept
  std::string value;
};

std::vector<std::string> splitParamValues(std::string_view values) {
  std::vector<std::string> out;
  std::string current;
  for (char c : values) {
    if (c == ',') {
      out.push_back(upper(current));
      current.clear();
    } else if (c != '"') {
      current.push_back(c);
    }
  }
  out.push_back(upper(current));
  return out;
}

Property parseProperty(std::string_view line) {
  Property p;
  const size_t colon = line.find(':');
  const std::string_view head = line.substr(0, colon);
  p.value = colon == std::string_view::npos ? std::string() : std::string(line.substr(colon + 1));
  size_t at = head.find(';');
  std::string_view name = head.substr(0, at);
  if (const size_t dot = name.find('.'); dot != std::string_view::npos) {
    name.remove_prefix(dot + 1);
  }
  p.name = upper(name);
  while (at != std::string_view::npos) {
    const size_t next = head.find(';', at + 1);
    const std::string_view param = head.substr(at + 1, next == std::string_view::npos ? next : next - at - 1);
    const size_t equals = param.find('=');
    if (equals == std::string_view::npos) {
      p.params.push_back(upper(param));
    } else {
      for (std::string &value : splitParamValues(param.substr(equals + 1))) {
        p.params.push_back(
            upper(param.substr(0, equals)) == "TYPE" ? value : upper(param.substr(0, equals)) + "=" + value);
      }
    }
    at = next;
  }
  return p;
}

bool has(const Property &p, std::string_view param) {
  return std::find(p.params.begin(), p.params.end(), param) != p.params.end();
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string quotedPrintable(std::string_view value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    const int high = value[i] == '=' && i + 2 < value.size() ? hexDigit(value[i + 1]) : -1;
    const int low = high >= 0 ? hexDigit(value[i + 2]) : -1;
    if (low >= 0) {
      out.push_back(static_cast<char>(high * 16 + low));
      i += 2;
    } else {
      out.push_back(value[i]);
    }
  }
  return out;
}

// The value's text in UTF-8: quoted-printable decoded, CHARSET honoured.
std::string valueText(const Property &p, bool fileIsUtf8) {
  const std::string raw =
      has(p, "ENCODING=QUOTED-PRINTABLE") || has(p, "QUOTED-PRINTABLE") ? quotedPrintable(p.value) : p.value;
  const auto charset = std::find_if(p.params.begin(), p.params.end(),
                                    [](const std::string &s) { return s.starts_with("CHARSET="); });
  const bool koreanCharset = charset != p.params.end() && *charset != "CHARSET=UTF-8";
  if (koreanCharset) {
    return text::toUtf8(raw);
  }
  return charset == p.params.end() && !fileIsUtf8 ? text::textFileAsUtf8(raw) : raw;
}

// The value's components split at unescaped `separator`, escapes resolved.
std::vector<std::string> components(std::string_view value, char separator) {
  std::vector<std::string> out(1);
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      out.back().push_back(next == 'n' || next == 'N' ? ' ' : next);
    } else if (value[i] == separator) {
      out.emplace_back();
    } else {
      out.back().push_back(value[i]);
    }
  }
  return out;
}

// "N:family;given;..." as a name: Korean names family name first without a
// blank, others given name first.
std::string nameFromParts(const std::vector<std::string> &parts) {
  const std::string family = parts.empty() ? std::string() : parts[0];
  const std::string given = parts.size() > 1 ? parts[1] : std::string();
  if (family.empty() || given.empty()) {
    return family + given;
  }
  const bool ascii = std::all_of(family.begin(), family.end(), [](char c) { return !text::isLeadByte(c); });
  return ascii ? given + " " + family : family + given;
}

int typedKind(const Property &p) {
  if (has(p, "CELL")) {
    return kMobile;
  }
  if (has(p, "PAGER")) {
    return kPager;
  }
  if (has(p, "HOME")) {
    return kHome;
  }
  return has(p, "WORK") ? kOffice : -1;
}

// The field for a number: its type's; a number without a type, or whose
// field is taken, goes to the first free of mobile, home and office (so a
// number of today's mobile prefix 010 lands in the mobile field). A fax
// number of no other type is never taken for a mobile one.
int fieldFor(const ImportedContact &c, int typed, bool fax) {
  if (typed >= 0 && c.numbers[static_cast<size_t>(typed)].empty()) {
    return typed;
  }
  static constexpr int kAnyOrder[] = {kMobile, kHome, kOffice};
  static constexpr int kFaxOrder[] = {kOffice, kHome};
  const std::span<const int> order =
      fax && typed < 0 ? std::span<const int>(kFaxOrder) : std::span<const int>(kAnyOrder);
  for (const int kind : order) {
    if (c.numbers[static_cast<size_t>(kind)].empty()) {
      return kind;
    }
  }
  return -1;
}

void takeTel(const Property &p, ImportedContact &c) {
  const std::optional<std::string> number = text::dialledNumber(components(p.value, ';').front());
  if (!number || number->empty()) {
    c.addNote(text::fill(
        text::translate("pdx::phonebook", "전화번호로 쓸 수 없는 번호를 넣지 않았습니다: %1"), {p.value}));
    return;
  }
  const int kind = fieldFor(c, typedKind(p), has(p, "FAX"));
  if (kind < 0) {
    c.addNote(text::fill(text::translate("pdx::phonebook", "번호를 넣을 칸이 없어 넣지 않았습니다: %1"),
                         {*number}));
    return;
  }
  c.numbers[static_cast<size_t>(kind)] = *number;
}

// Whether the part of a content line before its colon names
// QUOTED-PRINTABLE. The line may grow by its soft line breaks; each byte is
// searched once (with an overlap of the word's length), so a line of any
// length costs linear time.
class QuotedPrintableHead {
public:
  bool check(const std::string &line) {
    if (!ended_) {
      const size_t colon = line.find(':', std::min(scanned_, line.size()));
      const size_t end = std::min(colon, line.size());
      const size_t from = scanned_ < kWord.size() ? 0 : scanned_ - kWord.size();
      found_ = found_ || (end > from && upper(std::string_view(line).substr(from, end - from)).find(kWord) !=
                                            std::string::npos);
      scanned_ = end;
      ended_ = colon != std::string::npos;
    }
    return found_;
  }

private:
  static constexpr std::string_view kWord = "QUOTED-PRINTABLE";
  size_t scanned_ = 0;
  bool ended_ = false;
  bool found_ = false;
};

// Hands out the content lines of a vCard text one at a time, folded lines
// (a line end followed by a blank or tab) and the soft line breaks of
// quoted-printable values (a line ending in '=') joined.
class Unfolder {
public:
  explicit Unfolder(std::string_view text) : rest_(text) {}

  // The next content line and the number of its first line; false at the
  // end of the text.
  bool next(int &number, std::string &line) {
    if (rest_.empty()) {
      return false;
    }
    line.assign(takeLine(rest_));
    number = ++lineNumber_;
    QuotedPrintableHead head;
    while (true) {
      const bool softBreak = line.ends_with('=') && head.check(line);
      if (softBreak) {
        line.pop_back();
      }
      std::string_view after = rest_;
      const std::string_view following = takeLine(after);
      const bool folded = !following.empty() && (following[0] == ' ' || following[0] == '\t');
      if (rest_.empty() || (!softBreak && !folded)) {
        return true;
      }
      rest_ = after;
      ++lineNumber_;
      line += folded && !softBreak ? following.substr(1) : following;
    }
  }

private:
  std::string_view rest_;
  int lineNumber_ = 0;
};

} // namespace

bool looksLikeVcard(std::string_view text) {
  const size_t start = text.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && upper(text.substr(start, 11)) == "BEGIN:VCARD";
}

void readVcards(std::string_view text, bool utf8, PhonebookImporter &importer) {
  std::optional<ImportedContact> card;
  std::string formatted;
  std::string structured;
  std::string organisation;
  const auto finish = [&] {
    card->name = !formatted.empty() ? formatted : !structured.empty() ? structured : organisation;
    importer.add(*card);
    card.reset();
  };
  Unfolder lines(text);
  int number = 0;
  std::string line;
  while (lines.next(number, line)) {
    const Property p = parseProperty(line);
    const std::string value = p.name == "TEL" ? p.value : valueText(p, utf8);
    if (p.name == "BEGIN" && upper(value) == "VCARD") {
      card.emplace().line = number;
      formatted.clear();
      structured.clear();
      organisation.clear();
    } else if (!card) {
      continue;
    } else if (p.name == "END" && upper(value) == "VCARD") {
      finish();
    } else if (p.name == "FN") {
      formatted = components(value, '\0').front();
    } else if (p.name == "N") {
      structured = nameFromParts(components(value, ';'));
    } else if (p.name == "ORG") {
      organisation = components(value, ';').front();
    } else if (p.name == "TEL") {
      takeTel(p, *card);
    } else if (p.name == "CATEGORIES" && card->group.empty()) {
      card->group = components(value, ',').front();
    }
  }
  if (card) { // a file cut short: its last card is kept, and that is said
    card->notes.push_back(text::translate("pdx::phonebook", "파일이 카드의 끝(END:VCARD) 없이 끝났습니다"));
    finish();
  }
}

} // namespace pdx::features
