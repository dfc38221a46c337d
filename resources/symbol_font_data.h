// The symbol font's bytes, compiled in from resources/fonts/PelodexSymbols.ttf.
#pragma once

#include <cstdint>
#include <span>

namespace pdx::resources {

std::span<const uint8_t> symbolFontData();

} // namespace pdx::resources
