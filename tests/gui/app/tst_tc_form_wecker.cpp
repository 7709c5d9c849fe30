// The alarm clock: its dialog, the caption while it is set, the ring at its minute and the setting
// that survives a restart; over a clock the test advances.

#include "gui/app/tc_form_alarm.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/app/tc_form_wecker.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"

#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

constexpr int k0700 = 7 * 60;

TC_FORM_Wecker& alarmClockDialog(TC_FORM_Haupt& window)
{
    return *window.findChild<TC_FORM_Wecker*>(QStringLiteral("TC_FORM_Wecker"));
}

template <typename Widget> Widget* control(TC_FORM_Wecker& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// Opens the dialog through its command; the user works in it (use) and answers with OK or Cancel.
void useAlarmClockDialog(TC_FORM_Haupt& window, int answer, const std::function<void(TC_FORM_Wecker&)>& use)
{
    TC_FORM_Wecker& dialog = alarmClockDialog(window);
    dialog.setRunModal([&] {
        use(dialog);
        return answer;
    });
    window.action(Command::C_MItem_Wecker)->trigger();
}

} // namespace

class TestAlarmClock : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void anAlarmClockNotSetProposesTheCurrentMinute();
    void setForTheCurrentMinuteItRingsWithinATickAndSwitchesOff();
    void theSettingSurvivesARestart();
    void cancelKeepsTheAlarmClockAsItWas();
    void aRunningCountdownKeepsTheCaptionAndTheAlarmClockStillRings();
};

void TestAlarmClock::anAlarmClockNotSetProposesTheCurrentMinute()
{
    MainWindowRig rig("07.12.2026");
    rig.fake.clock.set(day("07.12.2026"), k0700 + 5, 42);
    TC_FORM_Haupt& window = rig.start();
    useAlarmClockDialog(window, QDialog::Rejected, [](TC_FORM_Wecker& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Wecker - deaktiviert"));
        QCOMPARE(control<QLabel>(dialog, "C_LB_Uhrzeit")->text(), QStringLiteral("07:05:42"));
        QCOMPARE(control<QTimeEdit>(dialog, "C_DTP_Weckzeit")->time(), QTime(7, 5));
        QVERIFY(control<QCheckBox>(dialog, "C_CHBX_Aktiviert")->isChecked());
        QCOMPARE(control<QLineEdit>(dialog, "C_EDTX_Nachricht")->text(), QStringLiteral("Erinnerung."));
        // Unchecking the box takes the message out of use.
        control<QCheckBox>(dialog, "C_CHBX_Aktiviert")->click();
        QVERIFY(!control<QLineEdit>(dialog, "C_EDTX_Nachricht")->isEnabled());
    });
    QVERIFY(!window.settings().alarmClock.active);
}

void TestAlarmClock::setForTheCurrentMinuteItRingsWithinATickAndSwitchesOff()
{
    MainWindowRig rig("07.12.2026");
    rig.fake.clock.set(day("07.12.2026"), k0700, 10);
    TC_FORM_Haupt& window = rig.start();
    useAlarmClockDialog(window, QDialog::Accepted, [](TC_FORM_Wecker& dialog) {
        control<QLineEdit>(dialog, "C_EDTX_Nachricht")->setText(QStringLiteral("Tee ziehen lassen"));
    });
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi (Wecker aktiv)"));
    QVERIFY(rig.settingsText().contains(QStringLiteral("Weckerzustand=1")));
    QVERIFY(rig.settingsText().contains(QStringLiteral("Weckzeit=420")));

    rig.fake.passSeconds(1);
    QCOMPARE(alarmWindows().size(), 1);
    QCOMPARE(alarmWindows().front()->windowTitle(), QStringLiteral("> > Notavi - Wecker < <"));
    QCOMPARE(alarmWindows().front()->text(), QStringLiteral("Tee ziehen lassen"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi"));
    QCOMPARE(alarmClockDialog(window).windowTitle(), QStringLiteral("Wecker - deaktiviert"));
    QVERIFY(!window.settings().alarmClock.active);
    QVERIFY(rig.settingsText().contains(QStringLiteral("Weckerzustand=0")));
    rig.fake.passSeconds(59);
    QCOMPARE(alarmWindows().size(), 1); // once per setting
}

void TestAlarmClock::theSettingSurvivesARestart()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(
        QStringLiteral("[Wecker]\r\nWeckerzustand=1\r\nWeckzeit=421\r\nWecknachricht=Gie\u00DFen\r\n"));
    rig.fake.clock.set(day("07.12.2026"), k0700, 0);
    TC_FORM_Haupt& window = rig.start();
    rig.fake.passSeconds(1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi (Wecker aktiv)"));
    useAlarmClockDialog(window, QDialog::Rejected, [](TC_FORM_Wecker& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Wecker - aktiviert"));
        QCOMPARE(control<QTimeEdit>(dialog, "C_DTP_Weckzeit")->time(), QTime(7, 1));
        QCOMPARE(control<QLineEdit>(dialog, "C_EDTX_Nachricht")->text(), QStringLiteral("Gie\u00DFen"));
    });
    rig.fake.passSeconds(60);
    QCOMPARE(alarmWindows().size(), 1);
    QCOMPARE(alarmWindows().front()->text(), QStringLiteral("Gie\u00DFen"));
}

// Unchecking the box and cancelling must not leave an alarm clock that the caption calls set but
// that will never ring.
void TestAlarmClock::cancelKeepsTheAlarmClockAsItWas()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Wecker]\r\nWeckerzustand=1\r\nWeckzeit=421\r\nWecknachricht=Tee\r\n"));
    rig.fake.clock.set(day("07.12.2026"), k0700, 0);
    TC_FORM_Haupt& window = rig.start();
    useAlarmClockDialog(window, QDialog::Rejected, [](TC_FORM_Wecker& dialog) {
        control<QCheckBox>(dialog, "C_CHBX_Aktiviert")->click();
        control<QTimeEdit>(dialog, "C_DTP_Weckzeit")->setTime(QTime(9, 0));
    });
    QVERIFY(window.settings().alarmClock.active);
    QCOMPARE(window.settings().alarmClock.minuteOfDay, 421);
    rig.fake.passSeconds(60);
    QCOMPARE(alarmWindows().size(), 1);
}

void TestAlarmClock::aRunningCountdownKeepsTheCaptionAndTheAlarmClockStillRings()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Wecker]\r\nWeckerzustand=1\r\nWeckzeit=421\r\nWecknachricht=Tee\r\n"
                                     "[Timer]\r\nTimer=100\r\nTimerart=Minimieren\r\n"));
    rig.fake.clock.set(day("07.12.2026"), k0700, 58);
    TC_FORM_Haupt& window = rig.start();
    rig.fake.passSeconds(1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi (Wecker aktiv) wird in 99 Sekunde(n) minimiert. "
                                                  "Abbruch mit F12 oder Mausklick"));
    rig.fake.passSeconds(1); // 07:01:00
    QCOMPARE(alarmWindows().size(), 1);
    QVERIFY(window.countdownRunning());
    rig.fake.passSeconds(1);
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Notavi wird in 97 Sekunde(n) minimiert. Abbruch mit F12 oder Mausklick"));
}

NOTAVI_GUI_TEST_MAIN(TestAlarmClock)
#include "tst_tc_form_wecker.moc"
