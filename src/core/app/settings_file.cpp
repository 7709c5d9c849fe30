#include "core/app/settings_file.h"

#include <string>
#include <utility>

namespace notavi {

SettingsFile::SettingsFile(std::filesystem::path path, FileSystem& files)
    : path_(std::move(path)), files_(&files)
{
}

SettingsFile SettingsFile::inFolder(const std::filesystem::path& folder, FileSystem& files)
{
    return SettingsFile(folder / kSettingsFileName, files);
}

void SettingsFile::load(SettingsSection section, Settings& settings) const
{
    readSection(loadIniFile(*files_, path_).file, section, settings);
}

void SettingsFile::load(std::initializer_list<SettingsSection> sections, Settings& settings) const
{
    const IniFile file = loadIniFile(*files_, path_).file;
    for (const SettingsSection section : sections)
        readSection(file, section, settings);
}

bool SettingsFile::load(std::string_view sectionName, Settings& settings) const
{
    const auto section = sectionOfName(sectionName);
    if (section)
        load(*section, settings);
    return section.has_value();
}

Settings SettingsFile::loadAll() const
{
    const IniFile file = loadIniFile(*files_, path_).file;
    Settings settings;
    for (const auto section : allSettingsSections())
        readSection(file, section, settings);
    return settings;
}

bool SettingsFile::save(SettingsSection section, const Settings& settings) const
{
    auto loaded = loadIniFile(*files_, path_);
    // Writing a file that could not be read would lose what it holds.
    if (loaded.status != IniFileStatus::Ok && loaded.status != IniFileStatus::NotFound)
        return false;
    const std::string before = loaded.file.bytes();
    writeSection(loaded.file, section, settings);
    if (loaded.status == IniFileStatus::Ok && loaded.file.bytes() == before)
        return true; // nothing changed: spare the disk
    return saveIniFile(*files_, path_, loaded.file);
}

bool SettingsFile::tooLarge() const
{
    return loadIniFile(*files_, path_).status == IniFileStatus::TooLarge;
}

bool SettingsFile::save(std::string_view sectionName, const Settings& settings) const
{
    const auto section = sectionOfName(sectionName);
    return section && save(*section, settings);
}

} // namespace notavi
