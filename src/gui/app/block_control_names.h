#pragma once

// The name part of the controls that stand for one block each, in block order: the block menu
// items, the colour lists and the check boxes of the block selection are named after it.

#include "core/model/block_catalogue.h"

#include <array>

namespace notavi::gui {

inline constexpr std::array<const char*, kBlockCount> kBlockControlNames = {
    "Geburtstage",
    "Namenstage",
    "WoechentlicheTermine",
    "ZweiwoechentlTermine",
    "VierwoechentlTermine",
    "6woechentlTermine",
    "MonatlicheTermine",
    "JaehrlicheTermine",
    "SeitxJahren",
    "Xwotagauswerten",
    "AllexTage",
    "Ferien",
    "EinmaligeTermine",
    "Ostern",
    "Advent",
    "Feiertage",
    "Mondphasen",
};

} // namespace notavi::gui
