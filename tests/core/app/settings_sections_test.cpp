#include "core/app/settings_sections.h"
#include "support/settings_printing.h"

#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace notavi {
namespace {

Settings readAll(const IniFile& file)
{
    Settings settings;
    for (const auto section : allSettingsSections())
        readSection(file, section, settings);
    return settings;
}

IniFile writeAll(const Settings& settings)
{
    IniFile file;
    for (const auto section : allSettingsSections())
        writeSection(file, section, settings);
    return file;
}

// A value other than the default for every key.
Settings changedSettings()
{
    Settings s;
    s.main.geometry = {12, -34, 800, 600, true};
    s.main.font = {"Times New Roman", 12, rgbColour(0xC0, 0xC0, 0xC0), false, true, true, true};
    s.main.background = {true, rgbColour(0x00, 0x00, 0x80)};
    s.main.dialogsFollowView = false;
    s.blockDisplay.shown[3] = false;
    s.blockDisplay.setBirthdayMode(BirthdayMode::WithThousandDays);
    s.blockDisplay.setMoonPhase(MoonPhase::FullMoon, false);
    s.blockDisplay.moonClockTime = false;
    for (std::size_t block = 0; block < s.blockColours.codes.size(); ++block)
        s.blockColours.codes[block] = static_cast<int>(block) + 1;
    s.view = {false, false, false, true, false, false, true};
    s.startView.tab = 3;
    s.tooltips = {false, 60000};
    s.alarmClock = {true, 23 * 60 + 59, " Z\xE4hne putzen "};
    s.extras = {false, true, 9999, false, false, true};
    s.countdown = {10, "Minimieren"};
    s.holidayImport = {15, true};
    s.editorView = {false, false, true};
    s.calendar.shown = false;
    s.backup.path = "C:\\Sicherung\\notavi 2011.dat";
    s.editor.geometry = {1, 2, 3, 4, false};
    s.editor.font.size = 8;
    s.editor.background = {true, kLightGrey};
    s.checkList.font.colour = rgbColour(0xFF, 0xFF, 0x00);
    s.checkList.background = {true, rgbColour(0x00, 0x80, 0xC0)};
    return s;
}

TEST(SettingsSections, EveryValueSurvivesWritingAndReading)
{
    const Settings changed = changedSettings();
    EXPECT_EQ(readAll(writeAll(changed)), changed);
}

TEST(SettingsSections, EachSectionWritesOnlyItsOwnKeys)
{
    const Settings changed = changedSettings();
    const IniFile all = writeAll(changed);
    for (const auto section : allSettingsSections()) {
        SCOPED_TRACE(sectionName(section));
        IniFile one;
        writeSection(one, section, changed);
        Settings expected = readAll(IniFile{});
        readSection(all, section, expected);
        EXPECT_EQ(readAll(one), expected);
    }
}

TEST(SettingsSections, MissingKeysYieldTheirDefaultsAgain)
{
    Settings settings = changedSettings();
    for (const auto section : allSettingsSections())
        readSection(IniFile{}, section, settings);
    Settings defaults;
    defaults.alarmClock.message = "Erinnerung.";
    EXPECT_EQ(settings, defaults);
}

// The key names and value forms as stored files have them.
TEST(SettingsSections, DefaultsAreWrittenWithTheFileKeys)
{
    Settings defaults;
    defaults.alarmClock.message = "Erinnerung.";
    const std::string window = "Top=0\r\nLeft=0\r\nWidth=640\r\nHeight=480\r\nWindowState.wsMaximized=0\r\n";
    const std::string font = "Font.Name=MS Sans Serif\r\nFont.Size=10\r\nFont.Color=-16777208\r\n"
                             "Font.Style.fsBold=1\r\nFont.Style.fsItalic=0\r\nFont.Style.fsUnderline=0\r\n"
                             "Font.Style.fsStrikeOut=0\r\n";
    const std::string expected =
        "[Haupt]\r\n" + window + font +
        "C_RE_TerminAnzeige-WindowsFarbe=0\r\nC_RE_TerminAnzeige.Color=11599871\r\nC_MItem_Dialogfenster="
        "1\r\n"
        "\r\n[Terminblock]\r\nC_MItem_Geburtstage=1\r\nC_MItem_Namenstage=1\r\nC_MItem_WoechentlicheTermine="
        "1\r\n"
        "C_MItem_ZweiwoechentlTermine=1\r\nC_MItem_VierwoechentlTermine=1\r\nC_MItem_6woechentlTermine=1\r\n"
        "C_MItem_MonatlicheTermine=1\r\nC_MItem_JaehrlicheTermine=1\r\nC_MItem_SeitxJahren=1\r\n"
        "C_MItem_Xwotagauswerten=1\r\nC_MItem_AllexTage=1\r\nC_MItem_Ferien=1\r\nC_MItem_EinmaligeTermine="
        "1\r\n"
        "C_MItem_Ostern=1\r\nC_MItem_Advent=1\r\nC_MItem_Feiertage=1\r\nC_MItem_Mondphasen=1\r\n"
        "C_MItem_GeburtstageMit=0\r\nC_MItem_GeburtstageNormal=1\r\nC_MItem_KeineGeburtstage=0\r\n"
        "C_MItem_Neumond=1\r\nC_MItem_ZunHalbmond=1\r\nC_MItem_Vollmond=1\r\nC_MItem_AbnHalbmond=1\r\n"
        "C_MItem_Uhrzeit=1\r\n"
        "\r\n[TBlockfarbe]\r\n0=0\r\n1=0\r\n2=0\r\n3=0\r\n4=0\r\n5=0\r\n6=0\r\n7=0\r\n8=0\r\n9=0\r\n10=0\r\n"
        "11=0\r\n12=0\r\n13=0\r\n14=0\r\n15=0\r\n16=0\r\n"
        "\r\n[Anzeige]\r\nC_MItem_WTagHeute=1\r\nC_MItem_WTagRest=1\r\nC_MItem_Leerzeile=1\r\n"
        "C_MItem_Zeilenumbruch=0\r\nC_MItem_Schaltflaechenleiste=1\r\nC_MItem_Symbolleiste=1\r\nC_MItem_"
        "Cursor=0\r\n"
        "\r\n[Terminansicht]\r\nTerminansicht=0\r\n"
        "\r\n[Tooltipp]\r\nTooltipp=1\r\nAnzeigedauer=2500\r\n"
        "\r\n[Wecker]\r\nWeckerzustand=0\r\nWeckzeit=0\r\nWecknachricht=Erinnerung.\r\n"
        "\r\n[Extras]\r\nC_MItem_URLabfrage=1\r\nC_MItem_LoeschenStart=0\r\nC_MItem_LoeschenFrist=1\r\n"
        "C_MItem_Alarmvordergrund=1\r\nC_MItem_SystemTray=1\r\nC_MItem_MinimiertStarten=0\r\n"
        "\r\n[Timer]\r\nTimer=0\r\nTimerart=Beenden\r\n"
        "\r\n[Ferien]\r\nBundesland=0\r\nBundeslandname=0\r\n"
        "\r\n[AnzeigeEditor]\r\nC_MItem_Schaltflaechenleiste=1\r\nC_MItem_Symbolleiste=1\r\nC_MItem_Cursor="
        "0\r\n"
        "\r\n[Kalender]\r\nKalender=1\r\n"
        "\r\n[Sicherungspfad]\r\nSicherungspfad=notavi.dat\r\n"
        "\r\n[Editor]\r\n" +
        window + font + "C_RE_Termin-WindowsFarbe=0\r\nC_RE_Termin.Color=11599871\r\n" +
        "\r\n[Pr\xFC"
        "fliste]\r\n"
        "Font.Name=MS Sans Serif\r\nFont.Size=10\r\nFont.Color=255\r\nFont.Style.fsBold=1\r\n"
        "Font.Style.fsItalic=0\r\nFont.Style.fsUnderline=0\r\nFont.Style.fsStrikeOut=0\r\n"
        "C_LSBX_Fehler-WindowsFarbe=0\r\nC_LSBX_Fehler.Color=14408667\r\n";
    EXPECT_EQ(writeAll(defaults).bytes(), expected);
}

struct ValueCase
{
    const char* stored;
    std::optional<int> integer;
};

void PrintTo(const ValueCase& c, std::ostream* out)
{
    *out << '"' << c.stored << '"';
}

class IniValues : public testing::TestWithParam<ValueCase>
{
};

// Integers are read whole; yes/no is any integer other than 0; everything else is the default.
TEST_P(IniValues, IntegerAndYesNo)
{
    const auto& c = GetParam();
    EXPECT_EQ(parseIniInteger(IniFile::parse(std::string("[A]\r\nk=") + c.stored).value("A", "k").value()),
              c.integer);

    for (const bool defaultValue : {false, true}) {
        Settings settings;
        settings.extras.startMinimised = !defaultValue;
        const auto file = IniFile::parse(std::string("[Extras]\r\nC_MItem_MinimiertStarten=") + c.stored);
        readSection(file, SettingsSection::Extras, settings);
        const bool expected = c.integer ? *c.integer != 0 : ExtrasSettings{}.startMinimised;
        EXPECT_EQ(settings.extras.startMinimised, expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, IniValues,
                         testing::Values(ValueCase{"1", 1}, ValueCase{"0", 0}, ValueCase{"-1", -1},
                                         ValueCase{"2", 2}, ValueCase{" 7 ", 7}, ValueCase{"+3", 3},
                                         ValueCase{"\"1\"", 1}, ValueCase{"-16777211", -16777211},
                                         ValueCase{"2147483647", 2147483647},
                                         ValueCase{"-2147483648", -2147483647 - 1},
                                         ValueCase{"2147483648", std::nullopt}, ValueCase{"", std::nullopt},
                                         ValueCase{"abc", std::nullopt}, ValueCase{"12abc", std::nullopt},
                                         ValueCase{"1.0", std::nullopt}, ValueCase{"0x10", std::nullopt},
                                         ValueCase{"+-1", std::nullopt}, ValueCase{"-", std::nullopt},
                                         ValueCase{"1 2", std::nullopt}));

TEST(SettingsSections, SystemColoursAreNegativeIntegers)
{
    Settings settings;
    readSection(IniFile::parse("[Haupt]\r\nFont.Color=-16777211\r\nC_RE_TerminAnzeige.Color=255\r\n"),
                SettingsSection::Main, settings);
    EXPECT_EQ(settings.main.font.colour, kWindowColour);
    EXPECT_EQ(settings.main.background.personalColour, kPureRed);
    IniFile file;
    writeSection(file, SettingsSection::Main, settings);
    EXPECT_EQ(file.value("Haupt", "Font.Color"), "-16777211");
}

struct BirthdayCase
{
    const char* keys;
    BirthdayMode mode;
};

TEST(SettingsSections, BirthdayModeFromItsThreeKeys)
{
    const BirthdayCase cases[] = {
        {"", BirthdayMode::Normal},
        {"C_MItem_GeburtstageMit=1\r\nC_MItem_GeburtstageNormal=0\r\n", BirthdayMode::WithThousandDays},
        {"C_MItem_KeineGeburtstage=1\r\nC_MItem_GeburtstageNormal=0\r\n", BirthdayMode::None},
        {"C_MItem_GeburtstageNormal=0\r\n", BirthdayMode::Normal},
        {"C_MItem_GeburtstageMit=1\r\nC_MItem_KeineGeburtstage=1\r\n", BirthdayMode::WithThousandDays},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        Settings settings;
        readSection(IniFile::parse(std::string("[Terminblock]\r\n") + c.keys), SettingsSection::BlockDisplay,
                    settings);
        EXPECT_EQ(settings.blockDisplay.birthdays, c.mode);
    }
}

TEST(SettingsSections, AlarmClockMessageOfAnInactiveAlarmIsTheReminder)
{
    Settings settings;
    readSection(IniFile::parse("[Wecker]\r\nWeckerzustand=1\r\nWeckzeit=420\r\nWecknachricht=Aufstehen\r\n"),
                SettingsSection::AlarmClock, settings);
    EXPECT_EQ(settings.alarmClock, (AlarmClockSettings{true, 420, "Aufstehen"}));

    readSection(IniFile::parse("[Wecker]\r\nWeckerzustand=0\r\nWeckzeit=420\r\nWecknachricht=Aufstehen\r\n"),
                SettingsSection::AlarmClock, settings);
    EXPECT_EQ(settings.alarmClock, (AlarmClockSettings{false, 420, "Erinnerung."}));
}

struct UnusableCase
{
    const char* file;
    SettingsSection section;
};

// Values no control of the program can take fall back to the default instead of reaching it.
TEST(SettingsSections, UnusableValuesYieldTheDefault)
{
    const UnusableCase cases[] = {
        {"[TBlockfarbe]\r\n0=18\r\n5=-1\r\n", SettingsSection::BlockColours},
        {"[Terminansicht]\r\nTerminansicht=5\r\n", SettingsSection::StartView},
        {"[Terminansicht]\r\nTerminansicht=-1\r\n", SettingsSection::StartView},
        {"[Extras]\r\nC_MItem_LoeschenFrist=0\r\n", SettingsSection::Extras},
        {"[Extras]\r\nC_MItem_LoeschenFrist=10000\r\n", SettingsSection::Extras},
        {"[Wecker]\r\nWeckzeit=1440\r\n", SettingsSection::AlarmClock},
        {"[Wecker]\r\nWeckzeit=-1\r\n", SettingsSection::AlarmClock},
        {"[Tooltipp]\r\nAnzeigedauer=0\r\n", SettingsSection::Tooltips},
        {"[Tooltipp]\r\nAnzeigedauer=60001\r\n", SettingsSection::Tooltips},
        {"[Ferien]\r\nBundesland=-3\r\n", SettingsSection::HolidayImport},
    };
    const Settings defaults = readAll(IniFile{});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Settings settings = defaults;
        readSection(IniFile::parse(c.file), c.section, settings);
        EXPECT_EQ(settings, defaults);
    }
}

TEST(SettingsSections, KeysAreFoundWhateverTheirCase)
{
    Settings settings;
    readSection(IniFile::parse("[ANZEIGE]\r\nc_mitem_wtagheute = 0\r\n"), SettingsSection::View, settings);
    EXPECT_FALSE(settings.view.weekdayToday);
    readSection(IniFile::parse("[PR\xDC"
                               "FLISTE]\r\nFONT.COLOR=0\r\n"),
                SettingsSection::CheckList, settings);
    EXPECT_EQ(settings.checkList.font.colour, 0);
}

TEST(SettingsSections, NamesAreLookedUpIgnoringCase)
{
    EXPECT_EQ(sectionOfName("Haupt"), SettingsSection::Main);
    EXPECT_EQ(sectionOfName("tblockfarbe"), SettingsSection::BlockColours);
    EXPECT_EQ(sectionOfName("PR\xDC"
                            "FLISTE"),
              SettingsSection::CheckList);
    EXPECT_EQ(sectionOfName("Hauptfenster"), std::nullopt);
    for (const auto section : allSettingsSections())
        EXPECT_EQ(sectionOfName(sectionName(section)), section);
}

} // namespace
} // namespace notavi
