#include "melody/file/keys.h"

#include "core/base/user_text.h"

#include <algorithm>

namespace pdx::melody {

const std::array<KeySignature, 15> kKeySignatures = {{
    {0, QT_TRANSLATE_NOOP("pdx::melody::Keys", "다장조 (C)"), 0, 0},
    {10, QT_TRANSLATE_NOOP("pdx::melody::Keys", "사장조 (G, #1)"), 1, 0},
    {3, QT_TRANSLATE_NOOP("pdx::melody::Keys", "라장조 (D, #2)"), 2, 0},
    {13, QT_TRANSLATE_NOOP("pdx::melody::Keys", "가장조 (A, #3)"), 3, 0},
    {6, QT_TRANSLATE_NOOP("pdx::melody::Keys", "마장조 (E, #4)"), 4, 0},
    {16, QT_TRANSLATE_NOOP("pdx::melody::Keys", "나장조 (B, #5)"), 5, 0},
    {8, QT_TRANSLATE_NOOP("pdx::melody::Keys", "올림바장조 (F#, #6)"), 6, 0},
    {1, QT_TRANSLATE_NOOP("pdx::melody::Keys", "올림다장조 (C#, #7)"), 7, 0},
    {7, QT_TRANSLATE_NOOP("pdx::melody::Keys", "바장조 (F, b1)"), 0, 1},
    {15, QT_TRANSLATE_NOOP("pdx::melody::Keys", "내림나장조 (Bb, b2)"), 0, 2},
    {5, QT_TRANSLATE_NOOP("pdx::melody::Keys", "내림마장조 (Eb, b3)"), 0, 3},
    {12, QT_TRANSLATE_NOOP("pdx::melody::Keys", "내림가장조 (Ab, b4)"), 0, 4},
    {2, QT_TRANSLATE_NOOP("pdx::melody::Keys", "내림라장조 (Db, b5)"), 0, 5},
    {9, QT_TRANSLATE_NOOP("pdx::melody::Keys", "내림사장조 (Gb, b6)"), 0, 6},
    {17, QT_TRANSLATE_NOOP("pdx::melody::Keys", "내림다장조 (Cb, b7)"), 0, 7},
}};

namespace {

// Semitones of the letters in the order sharps are added (F C G D A E B);
// flats are added in the reverse order.
constexpr std::array<int, 7> kSharpOrder = {5, 0, 7, 2, 9, 4, 11};

} // namespace

const KeySignature &keySignature(uint16_t id) {
  const auto it = std::find_if(kKeySignatures.begin(), kKeySignatures.end(),
                               [id](const KeySignature &k) { return k.id == id; });
  return it != kKeySignatures.end() ? *it : kKeySignatures.front();
}

bool isKnownKey(uint16_t id) {
  return std::any_of(kKeySignatures.begin(), kKeySignatures.end(),
                     [id](const KeySignature &k) { return k.id == id; });
}

Accidental impliedAccidental(const KeySignature &key, int semitone) {
  for (int i = 0; i < key.sharps; ++i) {
    if (kSharpOrder[static_cast<size_t>(i)] == semitone) {
      return Accidental::Sharp;
    }
  }
  for (int i = 0; i < key.flats; ++i) {
    if (kSharpOrder[static_cast<size_t>(6 - i)] == semitone) {
      return Accidental::Flat;
    }
  }
  return Accidental::None;
}

} // namespace pdx::melody
