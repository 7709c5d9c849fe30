#pragma once

// The program's own German formats, whatever the desktop's regional settings say.

#include <QLocale>

namespace notavi::gui {

// Date "dd.MM.yyyy", times "hh:mm" / "hh:mm:ss", decimal "," and thousands "." (German).
QLocale programLocale();
// Makes programLocale() the default of every widget created afterwards.
void applyGermanFormats();

inline constexpr const char* kShortDateFormat = "dd.MM.yyyy";

} // namespace notavi::gui
