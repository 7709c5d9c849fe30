// notavi: the desktop program.

#include "core/app/program_state.h"
#include "core/engine/clock.h"
#include "core/model/base_folder.h"
#include "core/model/file_system.h"
#include "gui/app/program_info.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/platform/font_stand_ins.h"
#include "gui/platform/german_formats.h"
#include "gui/platform/qt_translations.h"
#include "gui/platform/system_desktop.h"
#include "gui/platform/termination_signals.h"
#include "startup_probe.h"

#include <QApplication>
#include <QPlainTextEdit>

int main(int argc, char** argv)
{
    using namespace notavi;
    using namespace notavi::gui;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Notavi"));
    QApplication::setOrganizationName(kMakerName);
    QApplication::setApplicationVersion(programVersion());
    applyGermanFormats();
    if (!installGermanQtTexts(application))
        qWarning(
            "Die deutschen Texte von Qt (qtbase_de.qm) fehlen: Tastenk\xC3\xBCrzel und Kontextmen\xC3\xBCs "
            "erscheinen in der Sprache des Systems.");
    installFontStandIns();

    SystemDesktop system;
    SystemClock clock;
    RealFileSystem files;
    const Desktop desktop = system.with(clock);
    const StartupEnvironment environment{programFolderOfProcess(), userFolderEnvironmentOfProcess(), files};

    ProgramState state(environment);
    TC_FORM_Haupt window(desktop, state);
    // "Beenden" from the tray or a countdown closes a hidden window: Qt ends the program only when a
    // visible window closes.
    QObject::connect(&window, &TC_FORM_Haupt::ended, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // A logout, kill or Ctrl+C closes the window as the user would, so that its settings are stored.
    const TerminationSignals terminationSignals(closeAllTopLevelWindows);
    StartupProbe::installIfRequested(
        window.findChild<QPlainTextEdit*>(QStringLiteral("C_RE_TerminAnzeige"))->viewport());
    window.showAsStarted();
    return QApplication::exec();
}
