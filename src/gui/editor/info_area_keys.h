#pragma once

// The keys that would change the protected info area (lines 1 to 11) of the appointment file: they
// are answered with a warning, the others (arrows, D and E, function keys) pass silently.

#include <Qt>

namespace notavi::gui {

// Backspace, space, Delete, digits, the letters but D and E, and the keypad's digits and signs.
bool changesInfoArea(int key, Qt::KeyboardModifiers modifiers);

// Ctrl with a key other than V and X (copying, for one) is no attempt to change the text, and
// Alt opens menus: neither is warned about.
bool warnsAboutInfoArea(int key, Qt::KeyboardModifiers modifiers);

} // namespace notavi::gui
