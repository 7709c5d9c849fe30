#include "support/portable_folder.h"

#include "gui/platform/text_conversion.h"
#include "support/temp_dir.h"

#include <filesystem>

namespace notavi::gui::test {

using notavi::test::readBytes;
using notavi::test::writeBytes;

PortableFolder::PortableFolder()
{
    writeBytes(folder() / "notavi.por", "");
}

Path PortableFolder::folder() const
{
    return Path(m_dir.path().toStdString());
}

void PortableFolder::writeDataFile(const QStringList& utf8Lines) const
{
    Lines lines;
    for (const QString& line : utf8Lines)
        lines.push_back(toCp1252(line));
    writeDataBytes(joinLines(lines));
}

void PortableFolder::writeDataBytes(const std::string& bytes) const
{
    writeBytes(folder() / "notavi.dat", bytes);
}

Lines PortableFolder::dataFileLines() const
{
    return splitLines(fileBytes("notavi.dat"));
}

Lines PortableFolder::backupFileLines() const
{
    return splitLines(fileBytes("notavi.bak"));
}

bool PortableFolder::backupExists() const
{
    return std::filesystem::exists(folder() / "notavi.bak");
}

std::string PortableFolder::fileBytes(const char* name) const
{
    return readBytes(folder() / name);
}

void PortableFolder::writeSettings(const QString& utf8Text) const
{
    writeBytes(folder() / "notavi.ini", toCp1252(utf8Text));
}

QString PortableFolder::settingsText() const
{
    return fromCp1252(fileBytes("notavi.ini"));
}

} // namespace notavi::gui::test
