#include "support/settings_printing.h"

#include "core/app/settings_sections.h"

namespace notavi {

void PrintTo(const Settings& settings, std::ostream* out)
{
    IniFile file;
    for (const auto section : allSettingsSections())
        writeSection(file, section, settings);
    *out << "\n" << file.bytes();
}

} // namespace notavi
