#include "link/at/concat.h"

#include "link/at/gsm_alphabet.h"
#include "link/at/text_codec.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace pdx::at {

namespace {

struct Limits {
  size_t single;
  size_t part;
};

constexpr Limits kSeptetLimits{160, 153};
constexpr Limits kUnitLimits{70, 67};

size_t widthOf(char32_t c, SmsCoding coding) {
  if (coding == SmsCoding::Gsm7) {
    return static_cast<size_t>(gsmWidth(c));
  }
  return c > 0xFFFF ? 2 : 1;
}

std::vector<std::string> cut(const std::u32string &text, SmsCoding coding, size_t room) {
  std::vector<std::string> parts;
  std::u32string part;
  size_t used = 0;
  for (char32_t c : text) {
    const size_t width = widthOf(c, coding);
    if (used + width > room) {
      parts.push_back(toUtf8(part));
      if (parts.size() > kMaxParts) {
        break;
      }
      part.clear();
      used = 0;
    }
    part.push_back(c);
    used += width;
  }
  parts.push_back(toUtf8(part));
  return parts;
}

} // namespace

std::optional<SplitText> splitText(std::string_view utf8) {
  const std::u32string text = codePoints(utf8);
  SplitText split;
  const bool gsm = std::all_of(text.begin(), text.end(), [](char32_t c) { return gsmWidth(c) > 0; });
  split.coding = gsm ? SmsCoding::Gsm7 : SmsCoding::Ucs2;
  const Limits limits = gsm ? kSeptetLimits : kUnitLimits;
  size_t total = 0;
  for (char32_t c : text) {
    total += widthOf(c, split.coding);
  }
  split.parts = cut(text, split.coding, total <= limits.single ? limits.single : limits.part);
  if (split.parts.size() > kMaxParts) {
    return std::nullopt;
  }
  return split;
}

std::optional<std::vector<EncodedPdu>> submitPdus(const SmsAddress &recipient, std::string_view utf8,
                                                  uint8_t reference) {
  const std::optional<SplitText> split = splitText(utf8);
  if (!split) {
    return std::nullopt;
  }
  std::vector<EncodedPdu> pdus;
  const auto total = static_cast<uint8_t>(split->parts.size());
  for (size_t i = 0; i < split->parts.size(); ++i) {
    SmsPdu pdu;
    pdu.kind = SmsKind::Submit;
    pdu.address = recipient;
    pdu.coding = split->coding;
    pdu.text = split->parts[i];
    if (total > 1) {
      pdu.concat = ConcatInfo{reference, total, static_cast<uint8_t>(i + 1), false};
    }
    pdus.push_back(encodeSubmit(pdu));
  }
  return pdus;
}

namespace {

using PartKey = std::tuple<SmsKind, std::string, uint16_t, bool, uint8_t>;

PartKey keyOf(const SmsPdu &pdu) {
  return {pdu.kind, pdu.address.value, pdu.concat->reference, pdu.concat->wideReference, pdu.concat->total};
}

JoinedSms alone(const StoredSms &stored, bool complete) {
  return JoinedSms{{stored.index}, stored.pdu, complete, stored.status};
}

// The parts of one set in their order, each taken once, or nothing when
// one is missing; on success the parts not taken are left in `members`.
std::optional<JoinedSms> joinSet(const std::vector<StoredSms> &stored, std::vector<size_t> &members) {
  const uint8_t total = stored[members.front()].pdu.concat->total;
  std::vector<size_t> rest = members;
  std::vector<size_t> taken;
  for (uint8_t sequence = 1; sequence <= total && sequence != 0; ++sequence) {
    const auto found = std::find_if(rest.begin(), rest.end(),
                                    [&](size_t m) { return stored[m].pdu.concat->sequence == sequence; });
    if (found == rest.end()) {
      return std::nullopt;
    }
    taken.push_back(*found);
    rest.erase(found);
  }
  members = std::move(rest);
  JoinedSms joined{{}, stored[taken.front()].pdu, true, stored[taken.front()].status};
  joined.pdu.concat.reset();
  joined.pdu.text.clear();
  joined.pdu.data.clear();
  for (size_t m : taken) {
    joined.indexes.push_back(stored[m].index);
    joined.pdu.text += stored[m].pdu.text;
    joined.pdu.data.insert(joined.pdu.data.end(), stored[m].pdu.data.begin(), stored[m].pdu.data.end());
  }
  return joined;
}

} // namespace

std::vector<JoinedSms> joinParts(const std::vector<StoredSms> &stored) {
  // Each entry of `order` is a lone message or the first part of a set.
  std::map<PartKey, std::vector<size_t>> sets;
  std::vector<size_t> order;
  for (size_t i = 0; i < stored.size(); ++i) {
    if (!stored[i].pdu.concat) {
      order.push_back(i);
      continue;
    }
    std::vector<size_t> &members = sets[keyOf(stored[i].pdu)];
    if (members.empty()) {
      order.push_back(i);
    }
    members.push_back(i);
  }
  std::vector<JoinedSms> out;
  for (size_t first : order) {
    if (!stored[first].pdu.concat) {
      out.push_back(alone(stored[first], true));
      continue;
    }
    std::vector<size_t> members = sets[keyOf(stored[first].pdu)];
    if (std::optional<JoinedSms> joined = joinSet(stored, members)) {
      out.push_back(std::move(*joined));
    }
    for (size_t m : members) {
      out.push_back(alone(stored[m], false));
    }
  }
  return out;
}

} // namespace pdx::at
