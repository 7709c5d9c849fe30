// The block colour dialog: a colour list per block, preset to its code, and the reset button.

#include "gui/app/colour_list.h"
#include "gui/app/tc_form_terminblockfarbe.h"
#include "support/gui_test_main.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using namespace notavi;
using namespace notavi::gui;

class TestBlockColours : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void showsOneListPerBlockPresetToItsCode();
    void theButtonSetsEveryBlockToTheStandardColour();
};

void TestBlockColours::showsOneListPerBlockPresetToItsCode()
{
    TC_FORM_Terminblockfarbe::Codes codes{};
    codes[0] = 5;
    codes[16] = 17;
    TC_FORM_Terminblockfarbe dialog(codes, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Terminblockfarbe"));
    const QList<ColourList*> lists = dialog.findChildren<ColourList*>();
    QCOMPARE(lists.size(), 17);
    auto* birthdays = dialog.findChild<QComboBox*>(QStringLiteral("C_CMBX_Geburtstage"));
    auto* moon = dialog.findChild<QComboBox*>(QStringLiteral("C_CMBX_Mondphasen"));
    QVERIFY(birthdays && moon);
    QCOMPARE(birthdays->count(), 18);
    QCOMPARE(birthdays->itemText(0), QStringLiteral("Standardfarbe"));
    QCOMPARE(birthdays->itemText(3), QStringLiteral("Gr\u00FCn"));
    QCOMPARE(birthdays->itemText(17), QStringLiteral("Orange"));
    QVERIFY(birthdays->itemIcon(0).isNull());
    QVERIFY(!birthdays->itemIcon(1).isNull()); // a swatch before each colour
    QCOMPARE(birthdays->currentText(), QStringLiteral("Marineblau"));
    QVERIFY(birthdays->toolTip().contains(QStringLiteral("Geburtstage")));
    QVERIFY(moon->toolTip().contains(QStringLiteral("Mondphasen")));
    QCOMPARE(dialog.codes(), codes);

    dialog.findChild<QComboBox*>(QStringLiteral("C_CMBX_Feiertage"))->setCurrentIndex(10);
    codes[15] = 10;
    QCOMPARE(dialog.codes(), codes);
}

void TestBlockColours::theButtonSetsEveryBlockToTheStandardColour()
{
    TC_FORM_Terminblockfarbe::Codes codes{};
    codes.fill(9);
    TC_FORM_Terminblockfarbe dialog(codes, {});
    auto* reset = dialog.findChild<QPushButton*>(QStringLiteral("C_PSBT_Standard"));
    QCOMPARE(reset->text(),
             QStringLiteral("Alle Terminbl\u00F6cke auf die &Standardfarbe von Notavi setzen"));
    QTest::mouseClick(reset, Qt::LeftButton);
    QCOMPARE(dialog.codes(), TC_FORM_Terminblockfarbe::Codes{});
}

NOTAVI_GUI_TEST_MAIN(TestBlockColours)
#include "tst_tc_form_terminblockfarbe.moc"
