#pragma once

// The sections of notavi.ini and how each one is read from and written to an IniFile. Reading and
// writing walk the same key list, so a section is written with exactly the keys it is read from.

#include "core/app/ini_file.h"
#include "core/app/settings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace notavi {

enum class SettingsSection
{
    Main,          // "Haupt"
    BlockDisplay,  // "Terminblock"
    BlockColours,  // "TBlockfarbe"
    View,          // "Anzeige"
    StartView,     // "Terminansicht"
    Tooltips,      // "Tooltipp"
    AlarmClock,    // "Wecker"
    Extras,        // "Extras"
    Countdown,     // "Timer"
    HolidayImport, // "Ferien"
    EditorView,    // "AnzeigeEditor"
    Calendar,      // "Kalender"
    Backup,        // "Sicherungspfad"
    Editor,        // "Editor"
    CheckList,     // "Prüfliste"
};

constexpr int kSettingsSectionCount = 15;

// Every section in the order above.
const std::array<SettingsSection, kSettingsSectionCount>& allSettingsSections();
// The section's name in the file (Windows-1252).
const std::string& sectionName(SettingsSection section);
// The section of a name, compared like the file compares names (ignoring case).
std::optional<SettingsSection> sectionOfName(std::string_view name);

// Sets the section's part of `settings` from the file: a key that is missing or holds no valid value
// yields its default, so keys of an earlier load do not linger. Values the program cannot use (a view
// tab beyond 0..4, a colour code beyond 0..17, ...) yield the default too.
void readSection(const IniFile& file, SettingsSection section, Settings& settings);
// Writes every key of the section; the rest of the file stays as it is.
void writeSection(IniFile& file, SettingsSection section, const Settings& settings);

// An integer value: the whole value in decimal, optionally signed, within 32 bits. Anything else
// ("", "12abc", "0x10", "yes") is not one and yields the key's default.
std::optional<int> parseIniInteger(std::string_view text);

} // namespace notavi
