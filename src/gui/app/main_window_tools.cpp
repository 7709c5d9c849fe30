// The main window's tools on the file and the view: loading notavi.bak, the school-holiday import
// and the mail asking for a holiday file, the web address of the caret's line, printing the view,
// and the search.

#include "gui/app/backup_file_load.h"
#include "gui/app/document_printing.h"
#include "gui/app/main_holiday_import.h"
#include "gui/app/main_search.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/app/web_address_command.h"
#include "gui/dialogs/holiday_import_steps.h"
#include "gui/dialogs/tc_form_eingabe.h"

#include <functional>

#include <QAction>
#include <QTabBar>

namespace notavi::gui {
namespace {

const QString kUrlNeedsNoWrapMessage =
    QStringLiteral("Solange der Zeilenumbruch (im Men\u00FC Ansicht) aktiviert ist, kann\n\n"
                   "die aktuelle Zeile nicht auf eine m\u00F6gliche URL \u00FCberpr\u00FCft werden!");
const QString kNoAddressMessage =
    QStringLiteral("In der aktuellen Terminzeile konnte keine Internetadresse gefunden werden.");

} // namespace

void TC_FORM_Haupt::connectToolCommands()
{
    m_search = std::make_unique<MainSearch>(*this, *C_RE_TerminAnzeige, m_desktop, [this] {
        C_RE_TerminAnzeige->completeText();
        action(Command::C_MItem_NaechstesSuchen)->setEnabled(true);
    });
    // Every command stops the countdown first.
    const auto connectCommand = [this](Command command, std::function<void()> run) {
        connect(action(command), &QAction::triggered, this, [this, run = std::move(run)] {
            stopCountdown();
            run();
        });
    };
    connectCommand(Command::C_MItem_Sicherungsdateiladen, [this] {
        if (askAndLoadBackupFile(this, m_desktop, m_state))
            C_MItem_neuladenClick(true);
    });
    connectCommand(Command::C_MItem_FerienImportieren, [this] {
        if (importHolidaysWithQuestions(this, m_desktop, m_state, *m_input))
            C_MItem_neuladenClick(true);
    });
    connectCommand(Command::C_MItem_FerienAnfordern, [this] { requestHolidayFileByMail(this, m_desktop); });
    connectCommand(Command::C_MItem_URL, [this] {
        if (action(Command::C_MItem_Zeilenumbruch)->isChecked()) {
            m_desktop.beeper.play(SystemSound::Warning);
            m_desktop.boxes.information(this, kUrlNeedsNoWrapMessage);
            return;
        }
        openWebAddressOfLine(this, m_desktop,
                             {caretLineText(*C_RE_TerminAnzeige),
                              action(Command::C_MItem_URLabfrage)->isChecked(), kNoAddressMessage});
    });
    connectCommand(Command::C_MItem_Drucken, [this] {
        printDocument(
            this, m_desktop, [this] { return C_RE_TerminAnzeige->colouredCopy(); },
            C_TC_Terminart->tabText(C_TC_Terminart->currentIndex()).remove(QLatin1Char('&')));
    });
    connectCommand(Command::C_MItem_SuchenNach, [this] { m_search->C_MItem_SuchenNachClick(); });
    connectCommand(Command::C_MItem_NaechstesSuchen, [this] { m_search->C_MItem_NaechstesSuchenClick(); });
}

} // namespace notavi::gui
