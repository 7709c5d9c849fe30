#include "core/app/skins.h"

namespace notavi {
namespace {

FontSettings font(const char* name, int size, GuiColour colour, bool bold)
{
    FontSettings result;
    result.name = name;
    result.size = size;
    result.colour = colour;
    result.bold = bold;
    return result;
}

// The system window colour, with "Windows Standardfarbe" checked.
constexpr BackgroundSettings kWindowBackground{true, kWindowColour};

constexpr BackgroundSettings personal(GuiColour colour)
{
    return {false, colour};
}

constexpr GuiColour kRed = rgbColour(0xFF, 0x00, 0x00);
constexpr GuiColour kYellow = rgbColour(0xFF, 0xFF, 0x00);

SkinLook classic()
{
    return {false,
            {font("MS Sans Serif", 10, kWindowTextColour, true), kWindowBackground},
            {font("MS Sans Serif", 10, kRed, true), kWindowBackground}};
}

SkinLook modern()
{
    return {true,
            {font("MS Sans Serif", 10, kWindowTextColour, true), personal(rgbColour(0xFF, 0xFF, 0xB0))},
            {font("MS Sans Serif", 10, kRed, true), personal(rgbColour(0xC0, 0xC0, 0xC0))}};
}

SkinLook sillau()
{
    return {true,
            {font("Times New Roman", 12, rgbColour(0xC0, 0xC0, 0xC0), false),
             personal(rgbColour(0x00, 0x00, 0x80))},
            {font("Times New Roman", 12, kYellow, true), personal(rgbColour(0x00, 0x80, 0xC0))}};
}

SkinLook gruelb()
{
    return {true,
            {font("MS Sans Serif", 10, rgbColour(0x00, 0x80, 0x00), true), personal(kYellow)},
            {font("MS Sans Serif", 10, kRed, true), personal(kYellow)}};
}

} // namespace

const SkinLook& skinLook(Skin skin)
{
    static const SkinLook kLooks[] = {classic(), modern(), sillau(), gruelb()};
    return kLooks[static_cast<int>(skin)];
}

void applySkin(Skin skin, Settings& settings)
{
    const SkinLook& look = skinLook(skin);
    settings.main.dialogsFollowView = look.dialogsFollowView;
    settings.main.font = look.text.font;
    settings.main.background = look.text.background;
    settings.editor.font = look.text.font;
    settings.editor.background = look.text.background;
    settings.checkList.font = look.checkList.font;
    settings.checkList.background = look.checkList.background;
}

} // namespace notavi
