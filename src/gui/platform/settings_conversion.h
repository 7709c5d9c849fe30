#pragma once

// The settings' colours and fonts as Qt colours and fonts.

#include "core/app/settings.h"
#include "gui/platform/common_dialogs.h"

#include <QColor>
#include <QFont>

class QWidget;

namespace notavi::gui {

// An RGB value 0x00BBGGRR, or a system colour (window, window text, button face...) from the
// application's palette.
QColor toQColor(GuiColour colour);
GuiColour toGuiColour(const QColor& colour);

// Name, size and style; the colour is not part of a QFont.
QFont toQFont(const FontSettings& font);
// The font's name, size and style into the settings, keeping their colour.
void storeFont(const QFont& font, FontSettings& settings);
// The font and the colour of its text.
FontChoice toFontChoice(const FontSettings& font);
void storeFontChoice(const FontChoice& choice, FontSettings& settings);

// The control's background and text in the colours of the settings.
void paintColours(QWidget& control, const FontSettings& font, const BackgroundSettings& background);

} // namespace notavi::gui
