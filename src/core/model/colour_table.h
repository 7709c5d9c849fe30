#pragma once

// The seventeen fixed colours of appointment lines and block colours; code 0 means "no colour of its own".

#include <cstdint>
#include <string>

namespace notavi {

constexpr int kColourCount = 17;

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colour of a code 1..17; code 0 or out of range yields black (callers test for 0 first).
Rgb colourOfCode(int code);
// "Termin Standardfarbe" for 0, "Schwarz" ... "Orange" for 1..17 (Windows-1252).
const std::string& colourName(int code);

} // namespace notavi
