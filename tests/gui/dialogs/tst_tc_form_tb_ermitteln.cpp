// The block choice: its five groups of kinds, the kind checked on opening, the block each kind
// names, and Escape as cancel.

#include "gui/dialogs/tc_form_tb_ermitteln.h"
#include "support/gui_test_main.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace notavi::gui;

namespace {

QLabel* blockLabel(QDialog& dialog)
{
    return dialog.findChild<QLabel*>(QStringLiteral("C_LB_Terminblock"));
}

} // namespace

class TestBlockChoice : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void kindsStandInTheirGroups();
    void eachKindNamesItsBlock_data();
    void eachKindNamesItsBlock();
    void withoutBlockTheOneTimeAppointmentIsChecked();
    void escapeCancels();
    void centresOverTheEntryDialog();
};

void TestBlockChoice::kindsStandInTheirGroups()
{
    TC_Form_TB_ermitteln dialog(std::nullopt, DialogLook{});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Terminblock ermitteln"));
    const QList<QGroupBox*> groups = dialog.findChildren<QGroupBox*>();
    QStringList captions;
    QList<qsizetype> kinds;
    for (QGroupBox* group : groups) {
        captions << group->title();
        kinds << group->findChildren<QRadioButton*>().size();
    }
    QCOMPARE(captions,
             QStringList({QStringLiteral("Termin ohne Wiederholung"),
                          QStringLiteral("J\u00E4hrlich wiederkehrende Termine (siehe auch den ersten "
                                         "monatlichen Termin)"),
                          QStringLiteral("Monatlich wiederkehrende Termine"),
                          QStringLiteral("T\u00E4glich und w\u00F6chentlich wiederkehrende Termine"),
                          QStringLiteral("Ferientermine")}));
    QCOMPARE(kinds, QList<qsizetype>({1, 4, 2, 5, 1}));
    for (QRadioButton* kind : dialog.findChildren<QRadioButton*>()) {
        QVERIFY2(!kind->text().isEmpty(), qPrintable(kind->objectName()));
        QVERIFY2(!kind->toolTip().contains(QLatin1Char('&')), qPrintable(kind->objectName()));
    }
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("C_PSBT_OK"))->isDefault());
}

void TestBlockChoice::eachKindNamesItsBlock_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("block");
    QTest::addColumn<QString>("shown");
    QTest::newRow("birthday") << "C_RDBT_Geburtstag" << 0 << "Geburtstage";
    QTest::newRow("since years") << "C_RDBT_Seit_x_Jahren" << 8 << "Seit x Jahren";
    QTest::newRow("x-th weekday") << "C_RDBT_X_Wochentag" << 9 << "X-wo-tag-auswerten";
    QTest::newRow("every x days") << "C_RDBT_Alle_x_Tage" << 10 << "+Alle x Tage/Wochen";
    QTest::newRow("six-weekly") << "C_RDBT_6woechentlich" << 5 << "Sechsw\u00F6chentliche Termine";
    QTest::newRow("holidays") << "C_RDBT_Ferien" << 11 << "Ferien";
}

void TestBlockChoice::eachKindNamesItsBlock()
{
    QFETCH(QString, kind);
    QFETCH(int, block);
    QFETCH(QString, shown);
    // Opened on the block, the kind is checked and named.
    TC_Form_TB_ermitteln preset(block, DialogLook{});
    QVERIFY(preset.findChild<QRadioButton*>(kind)->isChecked());
    QCOMPARE(blockLabel(preset)->text(), shown);
    // Clicked, it is remembered.
    TC_Form_TB_ermitteln clicked(12, DialogLook{});
    QTest::mouseClick(clicked.findChild<QRadioButton*>(kind), Qt::LeftButton);
    QCOMPARE(clicked.chosenBlock(), block);
    QCOMPARE(blockLabel(clicked)->text(), shown);
}

void TestBlockChoice::withoutBlockTheOneTimeAppointmentIsChecked()
{
    TC_Form_TB_ermitteln dialog(std::nullopt, DialogLook{});
    QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("C_RDBT_Einmalig"))->isChecked());
    QCOMPARE(dialog.chosenBlock(), 12);
    QCOMPARE(blockLabel(dialog)->text(), QStringLiteral("Einmalige Termine"));
}

void TestBlockChoice::escapeCancels()
{
    TC_Form_TB_ermitteln dialog(3, DialogLook{});
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("C_RDBT_Ferien")), Qt::LeftButton);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
}

void TestBlockChoice::centresOverTheEntryDialog()
{
    // The owner covers the screen, so that the centred dialog needs no pulling back inside it.
    QWidget owner;
    owner.setGeometry(owner.screen()->availableGeometry());
    owner.show();
    TC_Form_TB_ermitteln dialog(1, DialogLook{&owner, {true, QColor(Qt::yellow), QColor(Qt::blue)}});
    const QPoint ownerCentre = owner.frameGeometry().center();
    const QPoint ownCentre = dialog.frameGeometry().center();
    QVERIFY2((ownerCentre - ownCentre).manhattanLength() <= 2, "centred over the owner");
    QCOMPARE(dialog.palette().color(QPalette::Window), QColor(Qt::yellow));
    QCOMPARE(dialog.palette().color(QPalette::WindowText), QColor(Qt::blue));
}

NOTAVI_GUI_TEST_MAIN(TestBlockChoice)
#include "tst_tc_form_tb_ermitteln.moc"
