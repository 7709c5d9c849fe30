#pragma once

// The fixed lines of the info area at the top of the appointment file (lines 1 to 11), and the
// beginnings by which lines of older info areas are recognised.

#include <string_view>

namespace notavi {

inline constexpr std::string_view kProgramVersion = "9.00";

inline constexpr std::string_view kStarLine = "*";
inline constexpr std::string_view kVersionLine = "*    Notavi 9.00";
inline constexpr std::string_view kNoticeLine =
    "*    Freeware-Terminplaner, alle Rechte vorbehalten 1999-2011";
inline constexpr std::string_view kMakerLine = "*    Hersteller: Notavi-Werkstatt";
inline constexpr std::string_view kContactAddress = "post@notavi.example";
inline constexpr std::string_view kContactPrefix = "*    E-Mail: ";
inline constexpr std::string_view kContactLine = "*    E-Mail: post@notavi.example";

constexpr int kInfoLineCount = 11;

// The info area's e-mail line (line 8): walks upwards over comment lines stop there.
constexpr bool isContactLine(std::string_view line)
{
    return line.starts_with(kContactLine);
}

// Line 2 of older versions, spaced out, and the beginning of every version line.
inline constexpr std::string_view kOlderSpacedVersionPrefix = "*    N O T A V I";
inline constexpr std::string_view kVersionPrefix = "*    Notavi";
// Beginnings of the notice line (line 4), unspaced (also that of the current one) and spaced.
inline constexpr std::string_view kNoticePrefix = "*    Freewa";
inline constexpr std::string_view kOlderSpacedNoticePrefix = "*    F r e e w ";
// The whole spaced maker line (line 6) of older versions, and the beginnings of older maker lines.
inline constexpr std::string_view kOlderSpacedMakerLine = "*    H e r s t e l l e r :  N o t a v i - W";
inline constexpr std::string_view kOlderMakerPrefix = "*    Entwickelt von ";
inline constexpr std::string_view kOlderSpacedMakerPrefix = kOlderSpacedMakerLine.substr(0, 20);
// Two lines of the postal address that older info areas carried.
inline constexpr std::string_view kOlderSpacedAddressLine1 = "*    P o s t f a c h";
inline constexpr std::string_view kOlderSpacedAddressLine2 = "*    H a u p t s t r";

static_assert(kVersionLine.starts_with(kVersionPrefix));
static_assert(kNoticeLine.starts_with(kNoticePrefix));
static_assert(kContactLine.starts_with(kContactPrefix));
static_assert(kOlderSpacedVersionPrefix.size() == 16);
static_assert(kVersionPrefix.size() == 11);
static_assert(kNoticePrefix.size() == 11);
static_assert(kOlderSpacedNoticePrefix.size() == 15);
static_assert(kOlderSpacedMakerLine.size() == 43);
static_assert(kOlderMakerPrefix.size() == 20);
static_assert(kOlderSpacedMakerPrefix.size() == 20);
static_assert(kContactPrefix.size() == 13);
static_assert(kOlderSpacedAddressLine1.size() == 20);
static_assert(kOlderSpacedAddressLine2.size() == 20);

} // namespace notavi
