// Key signatures: the identifiers a melody stores, their labels in the
// editor's key list, and the accidentals each implies.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace pdx::melody {

enum class Accidental { None = 0, Natural = 1, Sharp = 2, Flat = 3 };

struct KeySignature {
  uint16_t id;
  std::string_view label; // UTF-8, as the key list shows it
  int sharps;             // 0 to 7
  int flats;              // 0 to 7
};

// The fifteen keys in the order of the editor's key list.
extern const std::array<KeySignature, 15> kKeySignatures;

// The key with this identifier, or C major for an identifier not in the list.
const KeySignature &keySignature(uint16_t id);
bool isKnownKey(uint16_t id);

// Sharp, Flat or None: what the key implies for the natural note `semitone`
// (0 to 11; black-key semitones get None).
Accidental impliedAccidental(const KeySignature &key, int semitone);

} // namespace pdx::melody
