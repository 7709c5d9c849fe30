#pragma once

// The four ready-made colour schemes of the "Skins" menu. A skin sets the view, the editor's text
// and the editor's check list at once, and whether dialogs follow the view's colours.

#include "core/app/settings.h"

namespace notavi {

enum class Skin
{
    Classic,
    Modern,
    Sillau,
    Gruelb,
};

inline constexpr Skin kAllSkins[] = {Skin::Classic, Skin::Modern, Skin::Sillau, Skin::Gruelb};

// The font and background of one text control.
struct TextLook
{
    FontSettings font;
    BackgroundSettings background;
    friend bool operator==(const TextLook&, const TextLook&) = default;
};

struct SkinLook
{
    bool dialogsFollowView = true;
    TextLook text;      // the view and the editor's text
    TextLook checkList; // the editor's check list
};

const SkinLook& skinLook(Skin skin);

// Sets the skin's look on the view ("Haupt"), the editor's text ("Editor") and the check list
// ("Prüfliste"); window geometry and everything else stay as they are.
void applySkin(Skin skin, Settings& settings);

} // namespace notavi
