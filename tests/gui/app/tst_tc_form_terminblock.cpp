// The block selection dialog: its boxes filled from the choice, the rules that keep them
// consistent, and the three ways out.

#include "core/app/block_selection.h"
#include "gui/app/tc_form_terminblock.h"
#include "support/gui_test_main.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

using namespace notavi;
using namespace notavi::gui;

namespace {

BlockSelection allOn()
{
    return blockSelectionOf(BlockDisplaySettings{});
}

QCheckBox* box(const QDialog& dialog, const char* name)
{
    auto* found = dialog.findChild<QCheckBox*>(QLatin1String(name));
    if (!found)
        qFatal("no check box %s", name);
    return found;
}

void click(const QDialog& dialog, const char* name)
{
    box(dialog, name)->click();
}

const char* const kPhases[] = {"C_CHBX_Neumond", "C_CHBX_zunHalbmond", "C_CHBX_Vollmond",
                               "C_CHBX_abnHalbmond"};

} // namespace

class TestBlockSelection : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void showsTheChoiceInNamedBoxes();
    void allAndNoneSetEveryBox();
    void birthdayBoxesFollowEachOther();
    void moonPhasesAndTheirBoxFollowEachOther();
    void onShowTheViewColoursAndTheBirthdayRuleApply();
    void theButtonsEndTheDialogWithTheirResult_data();
    void theButtonsEndTheDialogWithTheirResult();
};

void TestBlockSelection::showsTheChoiceInNamedBoxes()
{
    BlockSelection selection = allOn();
    selection.blocks[3] = false;
    selection.moonPhases[2] = false;
    TC_FORM_Terminblock dialog(selection, {});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Terminblockauswahl"));
    QCOMPARE(box(dialog, "C_CHBX_Geburtstag")->text(), QStringLiteral("&Geburtstage ->"));
    QCOMPARE(box(dialog, "C_CHBX_Geburtstag")->toolTip(),
             QStringLiteral("Terminblock f\u00FCr die Terminanzeige (de)aktiveren."));
    QCOMPARE(box(dialog, "C_CHBX_ZweiwoechentlTermine")->property("tag").toInt(), 3);
    QCOMPARE(box(dialog, "C_CHBX_Mondphasen")->property("tag").toInt(), 16);
    QCOMPARE(box(dialog, "C_CHBX_GeburtstagMit")->text(), QStringLiteral("mit &1000er Tage"));
    QCOMPARE(box(dialog, "C_CHBX_zunHalbmond")->text(), QStringLiteral("Zunehmender Halbmond"));
    QCOMPARE(box(dialog, "C_CHBX_Uhrzeit")->text(), QStringLiteral("jeweils mit Uhrzeit"));
    QVERIFY(dialog.findChild<QPushButton*>(QStringLiteral("C_PSBT_OK"))->isDefault());
    QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("C_PSBT_OKSpeichern"))->text(),
             QStringLiteral("Ok && S&peichern"));
    QCOMPARE(dialog.selection(), selection);
}

void TestBlockSelection::allAndNoneSetEveryBox()
{
    BlockSelection mixed = allOn();
    mixed.blocks[1] = mixed.blocks[14] = false;
    mixed.moonPhases[0] = false;
    TC_FORM_Terminblock dialog(mixed, {});
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("C_PSBT_Keinen")), Qt::LeftButton);
    BlockSelection none;
    QCOMPARE(dialog.selection(), none);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("C_PSBT_Alle")), Qt::LeftButton);
    BlockSelection all = allOn();
    all.thousandDays = true;
    QCOMPARE(dialog.selection(), all);
}

void TestBlockSelection::birthdayBoxesFollowEachOther()
{
    BlockSelection selection = allOn();
    selection.thousandDays = true;
    TC_FORM_Terminblock dialog(selection, {});
    click(dialog, "C_CHBX_Geburtstag"); // off: the thousand days go with it
    QVERIFY(!box(dialog, "C_CHBX_GeburtstagMit")->isChecked());
    click(dialog, "C_CHBX_GeburtstagMit"); // on: birthdays come back
    QVERIFY(box(dialog, "C_CHBX_Geburtstag")->isChecked());
    click(dialog, "C_CHBX_GeburtstagMit"); // off alone: birthdays stay
    QVERIFY(box(dialog, "C_CHBX_Geburtstag")->isChecked());
}

void TestBlockSelection::moonPhasesAndTheirBoxFollowEachOther()
{
    TC_FORM_Terminblock dialog(allOn(), {});
    click(dialog, "C_CHBX_Mondphasen");
    for (const char* phase : kPhases)
        QVERIFY2(!box(dialog, phase)->isChecked(), phase);
    click(dialog, "C_CHBX_Vollmond"); // one phase is enough for the box
    QVERIFY(box(dialog, "C_CHBX_Mondphasen")->isChecked());
    QVERIFY(!box(dialog, "C_CHBX_Neumond")->isChecked()); // and the box did not check the others
    click(dialog, "C_CHBX_Vollmond");
    QVERIFY(!box(dialog, "C_CHBX_Mondphasen")->isChecked());
    click(dialog, "C_CHBX_Mondphasen");
    for (const char* phase : kPhases)
        QVERIFY2(box(dialog, phase)->isChecked(), phase);
    QVERIFY(box(dialog, "C_CHBX_Uhrzeit")->isChecked()); // not a phase
}

void TestBlockSelection::onShowTheViewColoursAndTheBirthdayRuleApply()
{
    BlockSelection inconsistent = allOn();
    inconsistent.blocks[0] = false;
    inconsistent.thousandDays = true;
    const QColor navy(0, 0, 0x80);
    const QColor silver(0xC0, 0xC0, 0xC0);
    TC_FORM_Terminblock dialog(inconsistent, {nullptr, {true, navy, silver}});
    dialog.show();
    QVERIFY(!box(dialog, "C_CHBX_GeburtstagMit")->isChecked());
    QCOMPARE(dialog.palette().color(QPalette::Window), navy);
    QCOMPARE(dialog.palette().color(QPalette::WindowText), silver);
    QCOMPARE(box(dialog, "C_CHBX_GeburtstagMit")->palette().color(QPalette::WindowText), silver);
}

void TestBlockSelection::theButtonsEndTheDialogWithTheirResult_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("&Ok") << "C_PSBT_OK" << int(TC_FORM_Terminblock::Ok);
    QTest::newRow("Ok && S&peichern") << "C_PSBT_OKSpeichern" << int(TC_FORM_Terminblock::OkAndSave);
    QTest::newRow("&Abbrechen") << "C_PSBT_Abbrechen" << int(QDialog::Rejected);
}

void TestBlockSelection::theButtonsEndTheDialogWithTheirResult()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    TC_FORM_Terminblock dialog(allOn(), {});
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(dialog.result(), result);
    QVERIFY(!dialog.isVisible());
}

NOTAVI_GUI_TEST_MAIN(TestBlockSelection)
#include "tst_tc_form_terminblock.moc"
