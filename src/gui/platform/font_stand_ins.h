#pragma once

// The settings name Windows fonts ("MS Sans Serif", "Times New Roman"). Where those are not
// installed, Qt is told which installed fonts to take instead; the names in the settings stay.

namespace notavi::gui {

void installFontStandIns();

} // namespace notavi::gui
