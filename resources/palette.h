// The suite's colours: a calm phone blue and silver, as one set for every
// skin so that the three programs look alike.
#pragma once

#include <QColor>

namespace pdx::resources::palette {

inline QColor blueDeep() {
  return {0x1c, 0x3a, 0x6e};
}
inline QColor blue() {
  return {0x34, 0x62, 0xa6};
}
inline QColor blueSoft() {
  return {0x7d, 0xa2, 0xd6};
}
inline QColor bluePale() {
  return {0xdc, 0xe7, 0xf5};
}
inline QColor silverLight() {
  return {0xf1, 0xf3, 0xf6};
}
inline QColor silver() {
  return {0xcf, 0xd5, 0xde};
}
inline QColor silverMid() {
  return {0xb3, 0xbb, 0xc8};
}
inline QColor silverDark() {
  return {0x7e, 0x88, 0x98};
}
inline QColor shadow() {
  return {0x4a, 0x52, 0x60};
}
inline QColor ink() {
  return {0x17, 0x24, 0x3d};
}
inline QColor disabledInk() {
  return {0x98, 0x9f, 0xab};
}
inline QColor hoverGlow() {
  return {0xff, 0xd8, 0x6a};
}

} // namespace pdx::resources::palette
