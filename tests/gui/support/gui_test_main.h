#pragma once

// One main for every Qt test program: offscreen unless told otherwise, the Fusion style without the
// desktop's settings, and the program's own German formats.

#include "gui/platform/font_stand_ins.h"
#include "gui/platform/german_formats.h"

#include <QApplication>
#include <QTest>

#define NOTAVI_GUI_TEST_MAIN(TestClass)                                                                      \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QApplication::setDesktopSettingsAware(false);                                                        \
        QApplication application(argc, argv);                                                                \
        QApplication::setStyle(QStringLiteral("Fusion"));                                                    \
        notavi::gui::applyGermanFormats();                                                                   \
        notavi::gui::installFontStandIns();                                                                  \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
