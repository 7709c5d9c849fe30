#pragma once

// notavi.ini on the disk: one section loaded or saved at a time, as every setting is saved the moment
// it changes. Each call reads the file anew, so a save keeps whatever else the file holds by then.

#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "core/app/settings_sections.h"
#include "core/model/data_files.h"

#include <filesystem>
#include <initializer_list>
#include <string_view>

namespace notavi {

// Shown once at start-up when tooLarge() (Windows-1252).
inline constexpr std::string_view kSettingsFileTooLargeMessage =
    "Die Einstellungsdatei (Notavi.ini) ist zu gro\xDF und kann keine Einstellungen enthalten.\r"
    "Das Programm verwendet die Standardeinstellungen und l\xE4sst die Datei unver\xE4ndert;\r"
    "ge\xE4nderte Einstellungen werden daher nicht gespeichert.";

class SettingsFile
{
  public:
    // The file system must outlive this object.
    explicit SettingsFile(std::filesystem::path path, FileSystem& files = diskFileSystem());
    // notavi.ini in the folder of the appointment file.
    static SettingsFile inFolder(const std::filesystem::path& folder, FileSystem& files = diskFileSystem());

    const std::filesystem::path& path() const { return path_; }

    // Sets the section's part of `settings` from the file. A missing or unreadable file gives the
    // defaults, like a missing key.
    void load(SettingsSection section, Settings& settings) const;
    // Several sections from one reading of the file (the start-up reads most of them).
    void load(std::initializer_list<SettingsSection> sections, Settings& settings) const;
    // The same by the section's name; false (and nothing changed) for a name that is no section.
    bool load(std::string_view sectionName, Settings& settings) const;
    // Every section from one reading of the file.
    Settings loadAll() const;

    // Whether the file is over the size limit of a settings file: it is then neither read nor
    // written, and the user should be told so once.
    bool tooLarge() const;

    // Writes the section's keys into the file and leaves every other byte of it as it was. False when
    // the file exists but cannot be read (it would be lost by writing) or cannot be written; the file
    // then stays unchanged and the caller goes on with its settings in memory.
    bool save(SettingsSection section, const Settings& settings) const;
    bool save(std::string_view sectionName, const Settings& settings) const;

  private:
    std::filesystem::path path_;
    FileSystem* files_;
};

} // namespace notavi
