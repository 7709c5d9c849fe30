// The date calculation: results of the units and directions, the count field's rules, the two
// targets, the clipboard only by the user's choice, and Escape as cancel.

#include "core/calendar/day_number.h"
#include "gui/dialogs/tc_form_datumsberechnung.h"
#include "support/fake_desktop.h"
#include "support/gui_test_main.h"
#include "support/played_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const DayNumber kToday = notavi::toDayNumber(2025, 3, 31);

template <typename Widget> Widget* child(QObject& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

void clickOk(QDialog& dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, "C_PSBT_OK"), Qt::LeftButton);
}

} // namespace

class TestDateCalculation : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void resultFollowsEveryParameter_data();
    void resultFollowsEveryParameter();
    void leavingTheCountEmptyMakesItZero();
    void aResultOutsideTheCalendarCannotBeTaken();
    void editorTargetOffersTheLine();
    void clipboardOnlyWhenChosen();
    void escapeCancels();
};

void TestDateCalculation::resultFollowsEveryParameter_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("after");
    QTest::addColumn<QString>("shown");
    QTest::newRow("one month before 31.03. is the end of February") << "1" << 2 << false << "28.02.2025";
    QTest::newRow("zero days is the start") << "0" << 0 << true << "31.03.2025";
    QTest::newRow("zero years is the start") << "0" << 3 << false << "31.03.2025";
    QTest::newRow("three weeks after") << "3" << 1 << true << "21.04.2025";
    QTest::newRow("a year after into a leap year keeps the day") << "3" << 3 << true << "31.03.2028";
    QTest::newRow("an empty count keeps the last result") << "" << 0 << true << "01.04.2025";
}

void TestDateCalculation::resultFollowsEveryParameter()
{
    QFETCH(QString, count);
    QFETCH(int, unit);
    QFETCH(bool, after);
    QFETCH(QString, shown);
    FakeDesktop desktop(kToday);
    TC_FORM_Datumsberechnung dialog(desktop.desktop(), DateCalculationTarget::EntryDialog, DialogLook{});
    child<QRadioButton>(dialog, after ? "C_RDBT_nach" : "C_RDBT_vor")->setChecked(true);
    child<QComboBox>(dialog, "C_CMBX_Einheit")->setCurrentIndex(unit);
    child<QLineEdit>(dialog, "C_EDTX_Anzahl")->setText(count);
    QCOMPARE(child<QLabel>(dialog, "C_LB_Termindatum")->text(), shown);
}

void TestDateCalculation::leavingTheCountEmptyMakesItZero()
{
    FakeDesktop desktop(kToday);
    TC_FORM_Datumsberechnung dialog(desktop.desktop(), DateCalculationTarget::EntryDialog, DialogLook{});
    PlayedDialogs played;
    played.queue(QStringLiteral("TC_FORM_Datumsberechnung"), [](QDialog& d) {
        auto* count = child<QLineEdit>(d, "C_EDTX_Anzahl");
        count->clear();
        QTest::keyClicks(count, QStringLiteral("x2y"));
        QCOMPARE(count->text(), QStringLiteral("2"));
        count->clear();
        count->setFocus();
        clickOk(d);
        QCOMPARE(count->text(), QStringLiteral("0"));
    });
    const std::optional<DateCalculationOutcome> outcome = dialog.ask(played.run());
    QVERIFY(outcome);
    QCOMPARE(outcome->date, kToday);
    QVERIFY(!outcome->intoEditorLine);
}

void TestDateCalculation::aResultOutsideTheCalendarCannotBeTaken()
{
    FakeDesktop desktop(notavi::toDayNumber(1, 1, 5));
    TC_FORM_Datumsberechnung dialog(desktop.desktop(), DateCalculationTarget::EntryDialog, DialogLook{});
    child<QLineEdit>(dialog, "C_EDTX_Anzahl")->setText(QStringLiteral("9"));
    QCOMPARE(child<QLabel>(dialog, "C_LB_Termindatum")->text(), QString());
    QVERIFY(!child<QPushButton>(dialog, "C_PSBT_OK")->isEnabled());
    child<QLineEdit>(dialog, "C_EDTX_Anzahl")->setText(QStringLiteral("4"));
    QCOMPARE(child<QLabel>(dialog, "C_LB_Termindatum")->text(), QStringLiteral("01.01.0001"));
    QVERIFY(child<QPushButton>(dialog, "C_PSBT_OK")->isEnabled());
}

void TestDateCalculation::editorTargetOffersTheLine()
{
    FakeDesktop desktop(kToday);
    TC_FORM_Datumsberechnung dialog(desktop.desktop(), DateCalculationTarget::Editor, DialogLook{});
    auto* intoLine = child<QCheckBox>(dialog, "C_CHBX_Uebernahme");
    QVERIFY(intoLine->isEnabled());
    QVERIFY(intoLine->isChecked());
    PlayedDialogs played;
    played.queue(QStringLiteral("TC_FORM_Datumsberechnung"), [](QDialog& d) {
        child<QRadioButton>(d, "C_RDBT_nach")->setChecked(true);
        clickOk(d);
    });
    const std::optional<DateCalculationOutcome> outcome = dialog.ask(played.run());
    QVERIFY(outcome);
    QCOMPARE(outcome->date, kToday + 1);
    QVERIFY(outcome->intoEditorLine);
}

void TestDateCalculation::clipboardOnlyWhenChosen()
{
    for (const bool chosen : {false, true}) {
        FakeDesktop desktop(kToday);
        desktop.clipboard.current = QStringLiteral("vorher");
        TC_FORM_Datumsberechnung dialog(desktop.desktop(), DateCalculationTarget::Editor, DialogLook{});
        PlayedDialogs played;
        played.queue(QStringLiteral("TC_FORM_Datumsberechnung"), [chosen](QDialog& d) {
            child<QCheckBox>(d, "C_CHBX_Zwischenablage")->setChecked(chosen);
            clickOk(d);
        });
        QVERIFY(dialog.ask(played.run()));
        QCOMPARE(desktop.clipboard.current, chosen ? QStringLiteral("30.03.2025") : QStringLiteral("vorher"));
        QCOMPARE(desktop.clipboard.writes.size(), chosen ? 1 : 0);
    }
}

void TestDateCalculation::escapeCancels()
{
    FakeDesktop desktop(kToday);
    TC_FORM_Datumsberechnung dialog(desktop.desktop(), DateCalculationTarget::Editor, DialogLook{});
    QTimer::singleShot(0, &dialog, [&dialog] {
        child<QCheckBox>(dialog, "C_CHBX_Zwischenablage")->setChecked(true);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QVERIFY(!dialog.ask());
    QVERIFY(desktop.clipboard.writes.isEmpty());
}

NOTAVI_GUI_TEST_MAIN(TestDateCalculation)
#include "tst_tc_form_datumsberechnung.moc"
