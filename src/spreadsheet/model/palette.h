// The default 56-colour workbook palette.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace bw::ss {

// The default 56-colour workbook palette as 0xRRGGBB, in object-model order: colour
// index n (1-56) is entry n - 1. The file format numbers the same entries 8-63.
inline constexpr std::array<std::uint32_t, 56> kDefaultPalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0xFF00FF, 0x00FFFF,
    0x800000, 0x008000, 0x000080, 0x808000, 0x800080, 0x008080, 0xC0C0C0, 0x808080,
    0x9999FF, 0x993366, 0xFFFFCC, 0xCCFFFF, 0x660066, 0xFF8080, 0x0066CC, 0xCCCCFF,
    0x000080, 0xFF00FF, 0xFFFF00, 0x00FFFF, 0x800080, 0x800000, 0x008080, 0x0000FF,
    0x00CCFF, 0xCCFFFF, 0xCCFFCC, 0xFFFF99, 0x99CCFF, 0xFF99CC, 0xCC99FF, 0xFFCC99,
    0x3366FF, 0x33CCCC, 0x99CC00, 0xFFCC00, 0xFF9900, 0xFF6600, 0x666699, 0x969696,
    0x003366, 0x339966, 0x003300, 0x333300, 0x993300, 0x993366, 0x333399, 0x333333,
};

// The colour of a palette index 1-56; nothing for automatic, none or anything else.
constexpr std::optional<std::uint32_t> paletteRgb(int colorIndex)
{
    if (colorIndex < 1 || colorIndex > static_cast<int>(kDefaultPalette.size()))
        return std::nullopt;
    return kDefaultPalette[static_cast<std::size_t>(colorIndex - 1)];
}

} // namespace bw::ss
