#include "animation/effects/effect_table.h"

namespace pdx::animation {

const std::array<EffectRow, kListedEffects> &effectTable() {
  static const std::array<EffectRow, kListedEffects> table = {{
      {0, "왼쪽에서 오른쪽으로 이동"},   {1, "오른쪽에서 왼쪽으로 이동"},
      {2, "위에서 아래로 이동"},         {3, "아래에서 위로 이동"},
      {4, "가운데서 상하로 펼치기"},     {5, "위에서 아래로 펼치기"},
      {6, "아래서 위로 펼치기"},         {7, "위에서 아래로 흘리기"},
      {8, "아래에서 위로 흘리기"},       {9, "점점이 나타나기"},
      {10, "왼쪽에서 오른쪽으로 회전"},  {11, "오른쪽에서 왼쪽으로 회전"},
      {12, "위에서 아래로 회전"},        {13, "아래에서 위로 회전"},
      {14, "2조각 애니메이션"},          {15, "2x2조각 애니메이션"},
      {16, "3조각 애니메이션"},          {17, "3x3조각 애니메이션"},
      {18, "4조각 애니메이션"},          {19, "4x4조각 애니메이션"},
      {20, "가운데로 오므리기"},         {21, "아래에서 위로 오므리기"},
      {22, "위에서 아래로 오므리기 "},   {23, "아래에서 위로 흘려 지우기"},
      {24, "위에서 아래로 흘려 지우기"}, {25, "점점이 지우기"},
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
