#pragma once

// The user's settings as the program holds them in memory, one struct per section of notavi.ini.
// Every member starts with the value a missing key yields. Texts are Windows-1252 bytes.

#include "core/engine/display_options.h"
#include "core/model/block_catalogue.h"

#include <array>
#include <cstdint>
#include <string>

namespace notavi {

// A colour of the GUI library as stored in the file: 0x00BBGGRR for an RGB colour, 0xFF0000xx for a
// system colour (its index in the low byte).
using GuiColour = std::int32_t;

constexpr GuiColour systemColour(std::uint8_t index)
{
    return static_cast<GuiColour>(0xFF000000u | index);
}

constexpr GuiColour rgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return static_cast<GuiColour>(static_cast<std::uint32_t>(blue) << 16 |
                                  static_cast<std::uint32_t>(green) << 8 | red);
}

constexpr GuiColour kWindowColour = systemColour(5);     // window background
constexpr GuiColour kWindowTextColour = systemColour(8); // window text
constexpr GuiColour kLightYellow = rgbColour(0xFF, 0xFF, 0xB0);
constexpr GuiColour kLightGrey = rgbColour(0xDB, 0xDB, 0xDB);
constexpr GuiColour kPureRed = rgbColour(0xFF, 0x00, 0x00);

// Bounds of a window in its normal (not maximised) state.
struct WindowGeometry
{
    int top = 0;
    int left = 0;
    int width = 640;
    int height = 480;
    bool maximised = false;
    friend bool operator==(const WindowGeometry&, const WindowGeometry&) = default;
};

struct FontSettings
{
    std::string name = "MS Sans Serif";
    int size = 10; // points
    GuiColour colour = kWindowTextColour;
    bool bold = true;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontSettings&, const FontSettings&) = default;
};

// A text control's background: the system window colour or the user's own colour. The own colour is
// kept while the system colour is in use, so that switching back restores it.
struct BackgroundSettings
{
    bool useWindowColour = false;
    GuiColour personalColour = kLightYellow;

    GuiColour effective() const { return useWindowColour ? kWindowColour : personalColour; }

    friend bool operator==(const BackgroundSettings&, const BackgroundSettings&) = default;
};

// "Haupt": the main window and its view.
struct MainWindowSettings
{
    WindowGeometry geometry;
    FontSettings font;
    BackgroundSettings background;
    bool dialogsFollowView = true; // dialogs take the view's colours and font
    friend bool operator==(const MainWindowSettings&, const MainWindowSettings&) = default;
};

// "Editor": the editor window and its text.
struct EditorWindowSettings
{
    WindowGeometry geometry;
    FontSettings font;
    BackgroundSettings background;
    friend bool operator==(const EditorWindowSettings&, const EditorWindowSettings&) = default;
};

// The error list of the editor's check list; it has no window of its own, so no geometry.
struct CheckListSettings
{
    FontSettings font{.colour = kPureRed};
    BackgroundSettings background{.personalColour = kLightGrey};
    friend bool operator==(const CheckListSettings&, const CheckListSettings&) = default;
};

// Which birthday entries the view shows.
enum class BirthdayMode
{
    WithThousandDays, // birthdays and the thousand-day entries
    Normal,           // birthdays
    None,             // no birthday entries
};

constexpr int kMoonPhaseCount = 4; // MoonPhase of the engine's display options

// "Terminblock": which blocks the view shows. shown[0] is the birthday menu item, which is checked
// unless the mode is None; shown[16] the moon-phase item, checked while any phase is.
struct BlockDisplaySettings
{
    std::array<bool, kBlockCount> shown = [] {
        std::array<bool, kBlockCount> all{};
        all.fill(true);
        return all;
    }();
    BirthdayMode birthdays = BirthdayMode::Normal;
    std::array<bool, kMoonPhaseCount> moonPhases = {true, true, true, true};
    bool moonClockTime = true;

    // Keep the dependent switches in step, as the menu does.
    void setBirthdayMode(BirthdayMode mode);
    void setMoonPhase(MoonPhase phase, bool on);

    friend bool operator==(const BlockDisplaySettings&, const BlockDisplaySettings&) = default;
};

// "TBlockfarbe": a colour code per block number; 0 = no block colour, 1..17 the fixed colours.
struct BlockColourSettings
{
    std::array<int, kBlockCount> codes{};
    friend bool operator==(const BlockColourSettings&, const BlockColourSettings&) = default;
};

// "Anzeige".
struct ViewDisplaySettings
{
    bool weekdayToday = true;
    bool weekdayRest = true;
    bool separatorLines = true;
    bool wordWrap = false;
    bool buttonBar = true;
    bool toolBar = true;
    bool wideCaret = false;
    friend bool operator==(const ViewDisplaySettings&, const ViewDisplaySettings&) = default;
};

// "AnzeigeEditor".
struct EditorDisplaySettings
{
    bool buttonBar = true;
    bool toolBar = true;
    bool wideCaret = false;
    friend bool operator==(const EditorDisplaySettings&, const EditorDisplaySettings&) = default;
};

// "Tooltipp".
struct TooltipSettings
{
    bool shown = true;
    int displayMilliseconds = 2500;
    friend bool operator==(const TooltipSettings&, const TooltipSettings&) = default;
};

// "Wecker".
struct AlarmClockSettings
{
    bool active = false;
    int minuteOfDay = 0; // hh * 60 + mm
    std::string message; // "Erinnerung." after loading while not active
    friend bool operator==(const AlarmClockSettings&, const AlarmClockSettings&) = default;
};

// "Timer".
struct CountdownSettings
{
    int seconds = 0;                // 0 = no countdown
    std::string action = "Beenden"; // "Beenden" quits, anything else minimises
    friend bool operator==(const CountdownSettings&, const CountdownSettings&) = default;
};

// "Extras".
struct ExtrasSettings
{
    bool confirmUrl = true;
    bool deleteExpiredAtStart = false;
    int deletionPeriodDays = 1;
    bool alarmsOnTop = true;
    bool minimiseToTray = true;
    bool startMinimised = false;
    friend bool operator==(const ExtrasSettings&, const ExtrasSettings&) = default;
};

// "Ferien": the school-holiday import's choices.
struct HolidayImportSettings
{
    int stateIndex = 0;
    bool withStateName = false;
    friend bool operator==(const HolidayImportSettings&, const HolidayImportSettings&) = default;
};

// "Terminansicht".
struct StartViewSettings
{
    int tab = 0; // view tab 0..4 shown at start
    friend bool operator==(const StartViewSettings&, const StartViewSettings&) = default;
};

// "Kalender".
struct CalendarSettings
{
    bool shown = true; // calendar beside the editor
    friend bool operator==(const CalendarSettings&, const CalendarSettings&) = default;
};

// "Sicherungspfad".
struct BackupSettings
{
    std::string path = "notavi.dat"; // the last backup file chosen
    friend bool operator==(const BackupSettings&, const BackupSettings&) = default;
};

struct Settings
{
    MainWindowSettings main;             // "Haupt"
    BlockDisplaySettings blockDisplay;   // "Terminblock"
    BlockColourSettings blockColours;    // "TBlockfarbe"
    ViewDisplaySettings view;            // "Anzeige"
    StartViewSettings startView;         // "Terminansicht"
    TooltipSettings tooltips;            // "Tooltipp"
    AlarmClockSettings alarmClock;       // "Wecker"
    ExtrasSettings extras;               // "Extras"
    CountdownSettings countdown;         // "Timer"
    HolidayImportSettings holidayImport; // "Ferien"
    EditorDisplaySettings editorView;    // "AnzeigeEditor"
    CalendarSettings calendar;           // "Kalender"
    BackupSettings backup;               // "Sicherungspfad"
    EditorWindowSettings editor;         // "Editor"
    CheckListSettings checkList;         // "Prüfliste"
    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace notavi
