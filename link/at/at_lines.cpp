#include "link/at/at_lines.h"

#include "link/at/gsm_alphabet.h"
#include "link/at/text_codec.h"

#include <algorithm>
#include <charconv>

namespace pdx::at {

namespace {

std::string_view trimmed(std::string_view text) {
  const size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string_view::npos) {
    return {};
  }
  return text.substr(begin, text.find_last_not_of(" \t") - begin + 1);
}

// One value from `at`, up to the comma after it; `at` is left past the comma.
std::optional<std::string> nextField(std::string_view text, size_t &at) {
  const size_t start = text.find_first_not_of(" \t", at);
  if (start == std::string_view::npos) {
    at = text.size();
    return std::string();
  }
  const char open = text[start];
  size_t end = 0;
  std::string value;
  if (open == '"' || open == '(') {
    end = text.find(open == '"' ? '"' : ')', start + 1);
    if (end == std::string_view::npos) {
      return std::nullopt;
    }
    value = text.substr(start + 1, end - start - 1);
    end = text.find(',', end);
  } else {
    end = text.find(',', start);
    value = trimmed(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
  }
  at = end == std::string_view::npos ? text.size() : end + 1;
  return value;
}

std::optional<std::vector<std::string>> splitValues(std::string_view text) {
  std::vector<std::string> fields;
  size_t at = 0;
  while (at < text.size()) {
    std::optional<std::string> field = nextField(text, at);
    if (!field) {
      return std::nullopt;
    }
    fields.push_back(std::move(*field));
  }
  return fields;
}

std::optional<int> number(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::vector<int>> numbers(const std::vector<std::string> &fields, size_t from) {
  std::vector<int> out;
  for (size_t i = from; i < fields.size(); ++i) {
    const std::optional<int> value = number(fields[i]);
    if (!value) {
      return std::nullopt;
    }
    out.push_back(*value);
  }
  return out;
}

bool isHexUnits(std::string_view value) {
  return !value.empty() && value.size() % 4 == 0 && fromHex(value).has_value();
}

} // namespace

std::optional<std::vector<std::string>> fieldsOf(std::string_view line, std::string_view prefix) {
  if (!line.starts_with(prefix) || line.size() <= prefix.size() || line[prefix.size()] != ':') {
    return std::nullopt;
  }
  return splitValues(line.substr(prefix.size() + 1));
}

Charset chooseCharset(const std::vector<std::string> &offered) {
  for (Charset charset : {Charset::Ucs2, Charset::Gsm}) {
    if (std::find(offered.begin(), offered.end(), charsetName(charset)) != offered.end()) {
      return charset;
    }
  }
  return Charset::Ira;
}

std::string_view charsetName(Charset charset) {
  switch (charset) {
  case Charset::Ucs2:
    return "UCS2";
  case Charset::Gsm:
    return "GSM";
  case Charset::Ira:
    break;
  }
  return "IRA";
}

std::string decodeText(std::string_view value, Charset charset) {
  switch (charset) {
  case Charset::Ucs2:
    if (isHexUnits(value)) {
      return ucs2ToUtf8(*fromHex(value));
    }
    return std::string(value);
  case Charset::Gsm:
    return toUtf8(fromGsm(std::span(reinterpret_cast<const uint8_t *>(value.data()), value.size())));
  case Charset::Ira:
    break;
  }
  std::u32string text;
  for (char c : value) {
    text.push_back(static_cast<unsigned char>(c) < 0x80 ? static_cast<char32_t>(c) : U'\uFFFD');
  }
  return toUtf8(text);
}

CharsetText encodeText(std::string_view utf8, Charset charset) {
  CharsetText out;
  const std::u32string text = codePoints(utf8);
  switch (charset) {
  case Charset::Ucs2:
    out.value = toHex(utf8ToUcs2(utf8));
    break;
  case Charset::Gsm: {
    const GsmSeptets septets = toGsm(text);
    out.value.assign(septets.septets.begin(), septets.septets.end());
    out.unmapped = septets.unmapped;
    break;
  }
  case Charset::Ira:
    for (char32_t c : text) {
      const bool ascii = c >= 0x20 && c < 0x7F;
      out.value.push_back(ascii ? static_cast<char>(c) : '?');
      out.unmapped += ascii ? 0 : 1;
    }
    break;
  }
  return out;
}

std::string decodeNumber(std::string_view value, Charset charset) {
  if (charset != Charset::Ucs2 || !isHexUnits(value)) {
    return std::string(value);
  }
  const std::string decoded = decodeText(value, charset);
  const bool dialChars = std::all_of(decoded.begin(), decoded.end(), [](char c) {
    return (c >= '0' && c <= '9') || std::string_view("+*#pP-").find(c) != std::string_view::npos;
  });
  return dialChars ? decoded : std::string(value);
}

std::optional<PhonebookLine> parsePhonebookEntry(std::string_view line) {
  const auto fields = fieldsOf(line, "+CPBR");
  if (!fields || fields->size() < 4) {
    return std::nullopt;
  }
  const std::optional<int> index = number((*fields)[0]);
  const std::optional<int> type = number((*fields)[2]);
  if (!index || !type) {
    return std::nullopt;
  }
  return PhonebookLine{*index, (*fields)[1], *type, (*fields)[3]};
}

std::optional<PhonebookRange> parsePhonebookRange(std::string_view line) {
  const auto fields = fieldsOf(line, "+CPBR");
  if (!fields || fields->size() < 3) {
    return std::nullopt;
  }
  const std::string &range = (*fields)[0];
  const size_t dash = range.find('-');
  const auto first = number(range.substr(0, dash));
  const auto last = dash == std::string::npos ? first : number(range.substr(dash + 1));
  const auto lengths = numbers(std::vector<std::string>(fields->begin() + 1, fields->begin() + 3), 0);
  if (!first || !last || !lengths) {
    return std::nullopt;
  }
  return PhonebookRange{*first, *last, (*lengths)[0], (*lengths)[1]};
}

std::optional<StorageUse> parsePhonebookStorage(std::string_view line) {
  const auto fields = fieldsOf(line, "+CPBS");
  if (!fields || fields->size() != 3) {
    return std::nullopt;
  }
  const auto counts = numbers(*fields, 1);
  if (!counts) {
    return std::nullopt;
  }
  return StorageUse{(*fields)[0], (*counts)[0], (*counts)[1]};
}

std::optional<std::vector<StorageUse>> parseMessageStorage(std::string_view line) {
  const auto fields = fieldsOf(line, "+CPMS");
  if (!fields || fields->empty()) {
    return std::nullopt;
  }
  const bool named = !number(fields->front());
  const size_t step = named ? 3 : 2;
  if (fields->size() % step != 0) {
    return std::nullopt;
  }
  std::vector<StorageUse> out;
  for (size_t i = 0; i < fields->size(); i += step) {
    const auto counts = numbers(std::vector<std::string>(fields->begin() + static_cast<long>(i + step - 2),
                                                         fields->begin() + static_cast<long>(i + step)),
                                0);
    if (!counts) {
      return std::nullopt;
    }
    out.push_back({named ? (*fields)[i] : std::string(), (*counts)[0], (*counts)[1]});
  }
  return out;
}

namespace {

// "index,status,[alpha],length" or "status,[alpha],length": the alpha may be
// left out altogether.
std::optional<MessageHeader> messageHeader(std::string_view line, std::string_view prefix, bool indexed) {
  const auto fields = fieldsOf(line, prefix);
  const size_t least = indexed ? 3 : 2;
  if (!fields || fields->size() < least || fields->size() > least + 1) {
    return std::nullopt;
  }
  const std::optional<int> first = number((*fields)[0]);
  const std::optional<int> status = indexed ? number((*fields)[1]) : first;
  const std::optional<int> length = number(fields->back());
  if (!first || !status || !length || *status < 0 || *status > 3) {
    return std::nullopt;
  }
  return MessageHeader{indexed ? *first : -1, *status, *length};
}

} // namespace

std::optional<MessageHeader> parseMessageListEntry(std::string_view line) {
  return messageHeader(line, "+CMGL", true);
}

std::optional<MessageHeader> parseMessageRead(std::string_view line) {
  return messageHeader(line, "+CMGR", false);
}

std::optional<int> parseFirstNumber(std::string_view line, std::string_view prefix) {
  const auto fields = fieldsOf(line, prefix);
  if (!fields || fields->empty()) {
    return std::nullopt;
  }
  return number(fields->front());
}

std::optional<std::string> parsePinState(std::string_view line) {
  if (!line.starts_with("+CPIN:")) {
    return std::nullopt;
  }
  return std::string(trimmed(line.substr(6)));
}

std::optional<std::vector<std::string>> parseCharsets(std::string_view line) {
  const auto fields = fieldsOf(line, "+CSCS");
  if (!fields || fields->size() != 1) {
    return std::nullopt;
  }
  return splitValues(fields->front());
}

} // namespace pdx::at
