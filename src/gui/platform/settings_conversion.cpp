#include "gui/platform/settings_conversion.h"

#include "gui/platform/text_conversion.h"

#include <cmath>
#include <cstdint>

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace notavi::gui {
namespace {

// The system colours the settings can name, by their index in the low byte.
QColor systemColour(std::uint8_t index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::Text);
    case 15: // button face
        return palette.color(QPalette::Button);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlighted text
        return palette.color(QPalette::HighlightedText);
    default:
        return palette.color(QPalette::WindowText);
    }
}

} // namespace

QColor toQColor(GuiColour colour)
{
    const auto value = static_cast<std::uint32_t>(colour);
    if ((value & 0xFF000000u) == 0xFF000000u)
        return systemColour(static_cast<std::uint8_t>(value & 0xFFu));
    return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                  static_cast<int>((value >> 16) & 0xFFu));
}

GuiColour toGuiColour(const QColor& colour)
{
    return rgbColour(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                     static_cast<std::uint8_t>(colour.blue()));
}

QFont toQFont(const FontSettings& font)
{
    QFont result(fromCp1252(font.name), font.size > 0 ? font.size : 10);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

void storeFont(const QFont& font, FontSettings& settings)
{
    settings.name = toCp1252(font.family());
    settings.size =
        font.pointSize() > 0 ? font.pointSize() : static_cast<int>(std::lround(font.pointSizeF()));
    settings.bold = font.bold();
    settings.italic = font.italic();
    settings.underline = font.underline();
    settings.strikeOut = font.strikeOut();
}

FontChoice toFontChoice(const FontSettings& font)
{
    return {toQFont(font), toQColor(font.colour)};
}

void storeFontChoice(const FontChoice& choice, FontSettings& settings)
{
    storeFont(choice.font, settings);
    settings.colour = toGuiColour(choice.colour);
}

void paintColours(QWidget& control, const FontSettings& font, const BackgroundSettings& background)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, toQColor(background.effective()));
    palette.setColor(QPalette::Text, toQColor(font.colour));
    control.setPalette(palette);
}

} // namespace notavi::gui
