#pragma once

// The program's name, version and maker as the windows show them.

#include "core/model/info_texts.h"

#include <QString>

namespace notavi::gui {

inline QString programVersion()
{
    return QString::fromLatin1(kProgramVersion.data(), static_cast<qsizetype>(kProgramVersion.size()));
}

inline const QString kVersionYear = QStringLiteral("2011");
inline const QString kMakerName = QStringLiteral("Notavi-Werkstatt");
inline const QString kHomePage = QStringLiteral("https://www.notavi.example/");
inline const QString kHelpFileName = QStringLiteral("notavi-hilfe.html");

inline QString makerMailAddress()
{
    return QString::fromLatin1(kContactAddress.data(), static_cast<qsizetype>(kContactAddress.size()));
}

} // namespace notavi::gui
