#include "animation/effects/effect_table.h"

#include "core/base/user_text.h"

namespace pdx::animation {

const std::array<EffectRow, kListedEffects> &effectTable() {
  static const std::array<EffectRow, kListedEffects> table = {{
      {0, QT_TRANSLATE_NOOP("pdx::animation::Effects", "왼쪽에서 오른쪽으로 이동")},
      {1, QT_TRANSLATE_NOOP("pdx::animation::Effects", "오른쪽에서 왼쪽으로 이동")},
      {2, QT_TRANSLATE_NOOP("pdx::animation::Effects", "위에서 아래로 이동")},
      {3, QT_TRANSLATE_NOOP("pdx::animation::Effects", "아래에서 위로 이동")},
      {4, QT_TRANSLATE_NOOP("pdx::animation::Effects", "가운데서 상하로 펼치기")},
      {5, QT_TRANSLATE_NOOP("pdx::animation::Effects", "위에서 아래로 펼치기")},
      {6, QT_TRANSLATE_NOOP("pdx::animation::Effects", "아래서 위로 펼치기")},
      {7, QT_TRANSLATE_NOOP("pdx::animation::Effects", "위에서 아래로 흘리기")},
      {8, QT_TRANSLATE_NOOP("pdx::animation::Effects", "아래에서 위로 흘리기")},
      {9, QT_TRANSLATE_NOOP("pdx::animation::Effects", "점점이 나타나기")},
      {10, QT_TRANSLATE_NOOP("pdx::animation::Effects", "왼쪽에서 오른쪽으로 회전")},
      {11, QT_TRANSLATE_NOOP("pdx::animation::Effects", "오른쪽에서 왼쪽으로 회전")},
      {12, QT_TRANSLATE_NOOP("pdx::animation::Effects", "위에서 아래로 회전")},
      {13, QT_TRANSLATE_NOOP("pdx::animation::Effects", "아래에서 위로 회전")},
      {14, QT_TRANSLATE_NOOP("pdx::animation::Effects", "2조각 애니메이션")},
      {15, QT_TRANSLATE_NOOP("pdx::animation::Effects", "2x2조각 애니메이션")},
      {16, QT_TRANSLATE_NOOP("pdx::animation::Effects", "3조각 애니메이션")},
      {17, QT_TRANSLATE_NOOP("pdx::animation::Effects", "3x3조각 애니메이션")},
      {18, QT_TRANSLATE_NOOP("pdx::animation::Effects", "4조각 애니메이션")},
      {19, QT_TRANSLATE_NOOP("pdx::animation::Effects", "4x4조각 애니메이션")},
      {20, QT_TRANSLATE_NOOP("pdx::animation::Effects", "가운데로 오므리기")},
      {21, QT_TRANSLATE_NOOP("pdx::animation::Effects", "아래에서 위로 오므리기")},
      {22, QT_TRANSLATE_NOOP("pdx::animation::Effects", "위에서 아래로 오므리기 ")},
      {23, QT_TRANSLATE_NOOP("pdx::animation::Effects", "아래에서 위로 흘려 지우기")},
      {24, QT_TRANSLATE_NOOP("pdx::animation::Effects", "위에서 아래로 흘려 지우기")},
      {25, QT_TRANSLATE_NOOP("pdx::animation::Effects", "점점이 지우기")},
  }};
  return table;
}

std::optional<int> effectRowOf(uint16_t code) {
  const auto &table = effectTable();
  for (int row = 0; row < kListedEffects; ++row) {
    if (table[static_cast<size_t>(row)].code == code) {
      return row;
    }
  }
  return std::nullopt;
}

std::optional<uint16_t> effectCodeAt(int row) {
  if (row < 0 || row >= kListedEffects) {
    return std::nullopt;
  }
  return effectTable()[static_cast<size_t>(row)].code;
}

} // namespace pdx::animation
