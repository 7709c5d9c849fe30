#pragma once

// A temporary base folder in portable mode, so that notavi.dat, notavi.bak and notavi.ini live in
// it: what the rigs of the main window and of the editor share.

#include "core/model/appointment_file.h"
#include "core/model/file_system.h"

#include <string>

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace notavi::gui::test {

class PortableFolder
{
  public:
    PortableFolder();

    Path folder() const;
    // Writes notavi.dat from UTF-8 lines in Windows-1252 with CR LF.
    void writeDataFile(const QStringList& utf8Lines) const;
    void writeDataBytes(const std::string& bytes) const;
    Lines dataFileLines() const;
    Lines backupFileLines() const;
    bool backupExists() const;
    // The bytes of a file of the folder; empty when it cannot be read.
    std::string fileBytes(const char* name) const;
    // Writes notavi.ini (UTF-8 text converted to Windows-1252).
    void writeSettings(const QString& utf8Text) const;
    QString settingsText() const;

  private:
    QTemporaryDir m_dir;
};

} // namespace notavi::gui::test
