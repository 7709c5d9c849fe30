#include "core/model/colour_table.h"

#include "core/model/windows1252.h"

#include <array>

namespace notavi {
namespace {

constexpr std::array<std::uint32_t, kColourCount + 1> kRgb = {
    0x000000, 0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
    0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF, 0xFF8000};

} // namespace

Rgb colourOfCode(int code)
{
    const std::uint32_t v = code >= 1 && code <= kColourCount ? kRgb[static_cast<std::size_t>(code)] : 0;
    return Rgb{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
               static_cast<std::uint8_t>(v)};
}

const std::string& colourName(int code)
{
    static const std::array<std::string, kColourCount + 1> kNames = {fromUtf8("Termin Standardfarbe"),
                                                                     "Schwarz",
                                                                     "Dunkelrot",
                                                                     fromUtf8("Grün"),
                                                                     fromUtf8("Olivgrün"),
                                                                     "Marineblau",
                                                                     "Purpur",
                                                                     fromUtf8("Blaugrün"),
                                                                     "Grau",
                                                                     "Silber",
                                                                     "Rot",
                                                                     fromUtf8("Gelbgrün"),
                                                                     "Gelb",
                                                                     "Blau",
                                                                     "Violett",
                                                                     "Aquamarin",
                                                                     fromUtf8("Weiß"),
                                                                     "Orange"};
    return kNames[static_cast<std::size_t>(code >= 0 && code <= kColourCount ? code : 0)];
}

} // namespace notavi
