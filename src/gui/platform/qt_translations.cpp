#include "gui/platform/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace notavi::gui {

bool installGermanQtTexts(QCoreApplication& application)
{
    // The file is named outright: a lookup by locale would follow the system's language.
    const QString file = QStringLiteral("qtbase_de");
    const QStringList folders{QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                              QCoreApplication::applicationDirPath() + QStringLiteral("/translations")};
    auto* translator = new QTranslator(&application);
    for (const QString& folder : folders)
        if (translator->load(file, folder) && QCoreApplication::installTranslator(translator))
            return true;
    delete translator;
    return false;
}

} // namespace notavi::gui
