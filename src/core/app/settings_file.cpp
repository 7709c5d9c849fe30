#include "core/app/settings_file.h"

#include <string>
#include <utility>

namespace notavi {

SettingsFile::SettingsFile(std::filesystem::path path, IniStorage& storage)
    : path_(std::move(path)), storage_(&storage)
{
}

SettingsFile SettingsFile::inFolder(const std::filesystem::path& folder, IniStorage& storage)
{
    return SettingsFile(folder / kSettingsFileName, storage);
}

void SettingsFile::load(SettingsSection section, Settings& settings) const
{
    readSection(loadIniFile(*storage_, path_).file, section, settings);
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
    const IniFile file = loadIniFile(*storage_, path_).file;
    Settings settings;
    for (const auto section : allSettingsSections())
        readSection(file, section, settings);
    return settings;
}

bool SettingsFile::save(SettingsSection section, const Settings& settings) const
{
    auto loaded = loadIniFile(*storage_, path_);
    if (loaded.status == IniFileRead::Status::Failed)
        return false;
    const std::string before = loaded.file.bytes();
    writeSection(loaded.file, section, settings);
    if (loaded.status == IniFileRead::Status::Ok && loaded.file.bytes() == before)
        return true; // nothing changed: spare the disk
    return saveIniFile(*storage_, path_, loaded.file);
}

bool SettingsFile::save(std::string_view sectionName, const Settings& settings) const
{
    const auto section = sectionOfName(sectionName);
    return section && save(*section, settings);
}

} // namespace notavi
