// Arbitrary bytes as notavi.ini: parsed, every section read, the settings written back and read again,
// and one value set, which must read back as given and leave every other line of the file alone.

#include "core/app/settings_sections.h"
#include "core/model/appointment_file.h"
#include "fuzz_check.h"

#include <array>
#include <string>

namespace notavi::fuzz {
namespace {

Settings readAll(const IniFile& file)
{
    Settings settings;
    for (const SettingsSection section : allSettingsSections())
        readSection(file, section, settings);
    return settings;
}

IniFile withAllWritten(IniFile file, const Settings& settings)
{
    for (const SettingsSection section : allSettingsSections())
        writeSection(file, section, settings);
    return file;
}

// What the file keeps of a value: the characters that would break the line become blanks.
std::string storedForm(std::string_view value)
{
    std::string stored(value);
    for (char& c : stored)
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return stored;
}

// The file before and after setting one value differ in one stretch: at most the one line whose value
// was replaced went, at most a blank line, a section header and the key line came.
void requireForeignLinesKept(std::string_view before, std::string_view after)
{
    const Lines old = splitLines(before);
    const Lines now = splitLines(after);
    std::size_t same = 0;
    while (same < old.size() && same < now.size() && old[same] == now[same])
        ++same;
    std::size_t sameAtEnd = 0;
    while (same + sameAtEnd < old.size() && same + sameAtEnd < now.size() &&
           old[old.size() - 1 - sameAtEnd] == now[now.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    require(old.size() - same - sameAtEnd <= 1, "setting a value changes at most its own line");
    require(now.size() - same - sameAtEnd <= 3, "setting a value adds at most three lines");
}

void checkSetValue(const IniFile& file, std::string_view bytes)
{
    static const std::array<std::string_view, 4> kKeys = {"Top", "C_MItem_Geburtstage", "Text", "Pfad"};
    const std::uint8_t choice = byteFromEnd(bytes, 1);
    const std::string& section = sectionName(allSettingsSections()[choice % kSettingsSectionCount]);
    const std::string_view key = kKeys[(choice / kSettingsSectionCount) % kKeys.size()];
    const std::size_t valueLength = byteFromEnd(bytes, 2) % 24;
    const std::string_view value = bytes.substr(bytes.size() - std::min(valueLength, bytes.size()));

    IniFile changed = file;
    changed.setValue(section, key, value);
    require(changed.value(section, key) == storedForm(value), "a value reads back as set");
    const std::string written = changed.bytes();
    require(IniFile::parse(written).value(section, key) == storedForm(value), "a value survives the file");
    requireForeignLinesKept(bytes, written);
}

} // namespace
} // namespace notavi::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace notavi;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    const IniFile file = IniFile::parse(bytes);
    fuzz::require(file.bytes() == bytes, "parse then bytes gives the file back");

    // Reading, writing and reading again settles after one round: a NUL in a text read from the file is
    // written as a blank, everything else comes back as read.
    const Settings read = fuzz::readAll(file);
    const IniFile rewritten = fuzz::withAllWritten(file, read);
    const Settings reread = fuzz::readAll(rewritten);
    if (bytes.find('\0') == std::string_view::npos)
        fuzz::require(reread == read, "written settings read back as they were");
    fuzz::require(fuzz::readAll(fuzz::withAllWritten(rewritten, reread)) == reread,
                  "a second round trip changes nothing");
    fuzz::require(IniFile::parse(rewritten.bytes()).bytes() == rewritten.bytes(),
                  "a written file parses back");

    fuzz::checkSetValue(file, bytes);
    return 0;
}
