#include "core/app/settings_sections.h"
#include "core/app/skins.h"
#include "core/model/windows1252.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

// The settings file's values after a skin, as the user's file would hold them.
IniFile skinnedFile(Skin skin)
{
    Settings settings;
    applySkin(skin, settings);
    IniFile file;
    for (SettingsSection section :
         {SettingsSection::Main, SettingsSection::Editor, SettingsSection::CheckList})
        writeSection(file, section, settings);
    return file;
}

std::string valueOf(const IniFile& file, const std::string& section, const char* key)
{
    return file.value(section, key).value_or("<missing>");
}

TEST(Skins, EachSkinWritesItsColoursAndFontsToTheThreeSections)
{
    const std::string checkList = fromUtf8("Prüfliste");

    const struct
    {
        Skin skin;
        const char* label;
        const char* dialogs;
        const char* windowColour; // the view's and the editor's "-WindowsFarbe"
        const char* background;   // their ".Color"
        const char* fontName;
        const char* fontSize;
        const char* fontColour;
        const char* bold;
        const char* listWindowColour;
        const char* listBackground;
        const char* listFontName;
        const char* listFontColour;
    } cases[] = {
        // Colours as the file holds them: 0x00BBGGRR in decimal, system colours negative.
        {Skin::Classic, "Classic", "0", "1", "-16777211", "MS Sans Serif", "10", "-16777208", "1", "1",
         "-16777211", "MS Sans Serif", "255"},
        {Skin::Modern, "Modern", "1", "0", "11599871", "MS Sans Serif", "10", "-16777208", "1", "0",
         "12632256", "MS Sans Serif", "255"},
        {Skin::Sillau, "Sillau: silver Times New Roman on navy", "1", "0", "8388608", "Times New Roman", "12",
         "12632256", "0", "0", "12615680", "Times New Roman", "65535"},
        {Skin::Gruelb, "Gruelb", "1", "0", "65535", "MS Sans Serif", "10", "32768", "1", "0", "65535",
         "MS Sans Serif", "255"},
    };

    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const IniFile file = skinnedFile(c.skin);
        EXPECT_EQ(valueOf(file, "Haupt", "C_MItem_Dialogfenster"), c.dialogs);
        for (const auto& [section, control] :
             {std::pair<std::string, std::string>{"Haupt", "C_RE_TerminAnzeige"},
              {"Editor", "C_RE_Termin"}}) {
            SCOPED_TRACE(section);
            EXPECT_EQ(valueOf(file, section, (control + "-WindowsFarbe").c_str()), c.windowColour);
            EXPECT_EQ(valueOf(file, section, (control + ".Color").c_str()), c.background);
            EXPECT_EQ(valueOf(file, section, "Font.Name"), c.fontName);
            EXPECT_EQ(valueOf(file, section, "Font.Size"), c.fontSize);
            EXPECT_EQ(valueOf(file, section, "Font.Color"), c.fontColour);
            EXPECT_EQ(valueOf(file, section, "Font.Style.fsBold"), c.bold);
        }
        EXPECT_EQ(valueOf(file, checkList, "C_LSBX_Fehler-WindowsFarbe"), c.listWindowColour);
        EXPECT_EQ(valueOf(file, checkList, "C_LSBX_Fehler.Color"), c.listBackground);
        EXPECT_EQ(valueOf(file, checkList, "Font.Name"), c.listFontName);
        EXPECT_EQ(valueOf(file, checkList, "Font.Color"), c.listFontColour);
        EXPECT_EQ(valueOf(file, checkList, "Font.Style.fsBold"), "1");
    }
}

TEST(Skins, KeepWhatIsNotTheirs)
{
    Settings settings;
    settings.main.geometry = {10, 20, 800, 600, true};
    settings.editor.geometry = {30, 40, 700, 500, false};
    settings.main.font.italic = true;
    settings.blockColours.codes[3] = 7;
    applySkin(Skin::Sillau, settings);
    EXPECT_EQ(settings.main.geometry, (WindowGeometry{10, 20, 800, 600, true}));
    EXPECT_EQ(settings.editor.geometry, (WindowGeometry{30, 40, 700, 500, false}));
    EXPECT_FALSE(settings.main.font.italic); // the skin's font replaces the whole font
    EXPECT_EQ(settings.blockColours.codes[3], 7);
}

} // namespace
} // namespace notavi
