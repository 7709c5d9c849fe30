// Draws the entry dialog (a repetition every two weeks with a period and an alarm) and the block
// choice into PNG files, for the pictures in docs/screenshots. The dialogs are drawn without the
// window frame of a desktop, at a fixed day, so that the pictures do not change from run to run.
//
//   notavi-dialog-shots FOLDER

#include "core/calendar/day_number.h"
#include "core/engine/clock.h"
#include "core/model/block_catalogue.h"
#include "gui/dialogs/tc_form_tb_ermitteln.h"
#include "gui/dialogs/tc_form_teingabe.h"
#include "gui/platform/german_formats.h"
#include "gui/platform/system_desktop.h"

#include <iostream>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimeEdit>

namespace {

using namespace notavi;
using namespace notavi::gui;

template <typename Widget> Widget* control(QDialog& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// What a user enters for flowers to be watered every two weeks through the second half of the year.
void enterEveryTwoWeeks(QDialog& dialog)
{
    control<QLineEdit>(dialog, "C_EDTX_Tage")->setText(QStringLiteral("2"));
    control<QRadioButton>(dialog, "C_RDBT_Woche")->setChecked(true);
    control<QCheckBox>(dialog, "C_CHBX_Zeitraum")->setChecked(true);
    control<QDateEdit>(dialog, "C_DTP_Beginn")->setDate(QDate(2025, 7, 1));
    control<QDateEdit>(dialog, "C_DTP_Ende")->setDate(QDate(2025, 12, 31));
    control<QCheckBox>(dialog, "C_CHBX_Alarm")->setChecked(true);
    control<QTimeEdit>(dialog, "C_DTP_Alarm")->setTime(QTime(7, 30));
    control<QComboBox>(dialog, "C_CMBX_Farbe")->setCurrentIndex(3);
    control<QLineEdit>(dialog, "C_EDTX_Text1")->setText(QStringLiteral("Blumen im Garten gie\u00DFen"));
}

bool save(QDialog& dialog, const QString& path)
{
    dialog.show();
    QApplication::processEvents();
    const bool saved = dialog.grab().save(path);
    if (!saved)
        std::cerr << "cannot write " << path.toStdString() << "\n";
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    applyGermanFormats();
    if (argc != 2) {
        std::cerr << "usage: notavi-dialog-shots FOLDER\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    SystemDesktop system;
    const FixedClock clock(notavi::toDayNumber(2025, 6, 15), 10 * 60);
    const Desktop desktop = system.with(clock);

    bool saved = true;
    TC_FORM_TEingabe entry(desktop, DialogLook{});
    entry.setModalRun([&](QDialog& dialog) {
        enterEveryTwoWeeks(dialog);
        saved = save(dialog, folder.filePath(QStringLiteral("termin-eingeben.png"))) && saved;
        return int(QDialog::Rejected);
    });
    entry.askNewLine(blockNumber(BlockKind::EveryXDays));

    TC_Form_TB_ermitteln choice(blockNumber(BlockKind::EveryXDays), DialogLook{});
    saved = save(choice, folder.filePath(QStringLiteral("terminblock-ermitteln.png"))) && saved;
    return saved ? 0 : 1;
}
