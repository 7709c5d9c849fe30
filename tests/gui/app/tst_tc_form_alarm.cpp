// Appointment alarms raised by the main window's tick over a clock the test advances: once at their
// minute, none for hidden appointments, across midnight and beside a view of another year; and the
// alarm windows they open.

#include "core/app/alarm_due.h"
#include "gui/app/tc_form_alarm.h"
#include "gui/app/tc_form_haupt.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"

#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

constexpr int k0729 = 7 * 60 + 29;

const QString kNoComputedBlocks = QStringLiteral("[Terminblock]\r\nC_MItem_Ostern=0\r\nC_MItem_Advent=0\r\n"
                                                 "C_MItem_Feiertage=0\r\nC_MItem_Mondphasen=0\r\n");

QStringList alarmTexts()
{
    QStringList texts;
    for (TC_FORM_Alarm* window : alarmWindows())
        texts << window->text();
    texts.sort();
    return texts;
}

QTabBar* tabs(TC_FORM_Haupt& window)
{
    return window.findChild<QTabBar*>(QStringLiteral("C_TC_Terminart"));
}

} // namespace

class TestAlarmWindow : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void anAlarmRingsOnceAtItsMinute();
    void alarmsOfOneMinuteOpenOneWindowEach();
    void hiddenAppointmentsRaiseNoAlarm_data();
    void hiddenAppointmentsRaiseNoAlarm();
    void anAlarmAtMidnightIsRegisteredAtMidnight();
    void aViewOfLastYearKeepsTodaysAlarms();
    void midnightMovesTheViewAndRegistersTheNewDaysAlarms();
    void midnightKeepsADateTheUserChose();
    void anAlarmInTheTrayComesToTheFrontAndKeepsTheIcon();
    void alarmWindowsTakeTheViewsLookWhenDialogsFollowIt();
};

void TestAlarmWindow::anAlarmRingsOnceAtItsMinute()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"07.12.2026 ~07:30~ Zahnarzt"}}}));
    rig.fake.clock.set(day("07.12.2026"), k0729, 58);
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(window.alarms().size(), std::size_t(1));

    rig.fake.passSeconds(1); // 07:29:59
    QVERIFY(alarmWindows().isEmpty());
    rig.fake.passSeconds(1); // 07:30:00
    QCOMPARE(alarmTexts(), QStringList{QStringLiteral("Heute Zahnarzt")});
    TC_FORM_Alarm* alarm = alarmWindows().front();
    QCOMPARE(alarm->windowTitle(), QStringLiteral("Alarmmeldung von Notavi"));
    QVERIFY(alarm->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!alarm->parentWidget()); // a window of its own, seen while the main window is away
    QCOMPARE(rig.fake.beeper.played, QList<SystemSound>{SystemSound::Warning});
    QCOMPARE(window.alarms().front().minuteOfDay, kRaisedAlarmMinute);

    rig.fake.passSeconds(30); // the rest of the minute
    QCOMPARE(alarmWindows().size(), 1);
    QCOMPARE(rig.fake.beeper.played.size(), 1);

    // "&OK" closes the window.
    QTest::mouseClick(alarm->findChild<QPushButton*>(QStringLiteral("C_PSBT_ok")), Qt::LeftButton);
    QVERIFY(alarmWindows().isEmpty());
}

void TestAlarmWindow::alarmsOfOneMinuteOpenOneWindowEach()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(
        fileWith({{BlockKind::OneTime, {"07.12.2026 ~07:30~ Zahnarzt", "07.12.2026 ~07:30~ Bus"}},
                  {BlockKind::Weekly, {"Mo ~07:31~ Kegeln"}}}));
    rig.writeSettings(QStringLiteral("[Extras]\r\nC_MItem_Alarmvordergrund=0\r\n"));
    rig.fake.clock.set(day("07.12.2026"), k0729, 59);
    rig.start();
    rig.fake.passSeconds(1);
    QCOMPARE(alarmTexts(), QStringList({QStringLiteral("Heute Bus"), QStringLiteral("Heute Zahnarzt")}));
    for (TC_FORM_Alarm* alarm : alarmWindows())
        QVERIFY(!(alarm->windowFlags() & Qt::WindowStaysOnTopHint));
    rig.fake.passSeconds(60);
    QCOMPARE(alarmWindows().size(), 3);
}

void TestAlarmWindow::hiddenAppointmentsRaiseNoAlarm_data()
{
    QTest::addColumn<QStringList>("file");
    QTest::addColumn<QString>("settings");
    QTest::newRow("block display switched off")
        << fileWith({{BlockKind::OneTime, {"07.12.2026 ~07:30~ Zahnarzt"}}})
        << QStringLiteral("[Terminblock]\r\nC_MItem_EinmaligeTermine=0\r\n");
    QTest::newRow("outside its period")
        << fileWith({{BlockKind::Weekly, {"Mo ~01.01.2027-31.12.2027~ ~07:30~ Kegeln"}}}) << QString();
    QTest::newRow("holiday flag on a school-holiday day")
        << fileWith({{BlockKind::SchoolHolidays, {"01.12.2026-10.12.2026 Winterferien"}},
                     {BlockKind::OneTime, {"07.12.2026 ~F~ ~07:30~ Schule"}}})
        << QString();
    QTest::newRow("another day") << fileWith({{BlockKind::OneTime, {"08.12.2026 ~07:30~ Zahnarzt"}}})
                                 << QString();
    QTest::newRow("a minute already passed")
        << fileWith({{BlockKind::OneTime, {"07.12.2026 ~07:28~ Zahnarzt"}}}) << QString();
}

void TestAlarmWindow::hiddenAppointmentsRaiseNoAlarm()
{
    QFETCH(QStringList, file);
    QFETCH(QString, settings);
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(file);
    rig.writeSettings(settings);
    rig.fake.clock.set(day("07.12.2026"), k0729, 0);
    TC_FORM_Haupt& window = rig.start();
    QVERIFY(window.alarms().empty());
    rig.fake.passSeconds(120);
    QVERIFY(alarmWindows().isEmpty());
}

void TestAlarmWindow::anAlarmAtMidnightIsRegisteredAtMidnight()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"07.12.2026 ~00:00~ Geschenk"}}}));
    rig.fake.clock.set(day("07.12.2026"), 0, 0);
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(window.alarms().size(), std::size_t(1));
    rig.fake.passSeconds(1);
    QCOMPARE(alarmTexts(), QStringList{QStringLiteral("Heute Geschenk")});
}

void TestAlarmWindow::aViewOfLastYearKeepsTodaysAlarms()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"07.12.2026 ~07:30~ Zahnarzt"}}}));
    rig.writeSettings(kNoComputedBlocks);
    rig.fake.clock.set(day("07.12.2026"), k0729, 59);
    TC_FORM_Haupt& window = rig.start();
    tabs(window)->setCurrentIndex(4);
    window.C_MItem_ZurueckClick();
    QCOMPARE(window.evaluationDate(), day("07.12.2025"));
    QCOMPARE(window.alarms().size(), std::size_t(1));
    rig.fake.passSeconds(1);
    QCOMPARE(alarmTexts(), QStringList{QStringLiteral("Heute Zahnarzt")});
}

void TestAlarmWindow::midnightMovesTheViewAndRegistersTheNewDaysAlarms()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith(
        {{BlockKind::OneTime,
          {"08.12.2026 ~00:00~ Geschenk", "08.12.2026 ~08:00~ Arzt", "07.12.2026 ~23:59~ Gestern"}}}));
    rig.writeSettings(kNoComputedBlocks);
    rig.fake.clock.set(day("07.12.2026"), 23 * 60 + 58, 59);
    TC_FORM_Haupt& window = rig.start();
    rig.fake.passSeconds(1); // 23:59:00: the old day's last alarm
    QCOMPARE(alarmTexts(), QStringList{QStringLiteral("Heute Gestern")});

    rig.fake.passSeconds(60); // 00:00:00 on the 8th: the day changes, nothing rings in that tick
    QCOMPARE(window.evaluationDate(), day("08.12.2026"));
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("&H Dienstag, der 08.12.2026"));
    QVERIFY(viewLines(window).contains(QStringLiteral("Heute (Dienstag) Arzt")));
    QCOMPARE(window.alarms().size(), std::size_t(2));
    QCOMPARE(alarmWindows().size(), 1);

    rig.fake.passSeconds(1); // 00:00:01
    QCOMPARE(alarmTexts(), QStringList({QStringLiteral("Heute Geschenk"), QStringLiteral("Heute Gestern")}));
    rig.fake.clock.set(day("08.12.2026"), 8 * 60 - 1, 59);
    rig.fake.passSeconds(1);
    QCOMPARE(alarmWindows().size(), 3);
}

void TestAlarmWindow::midnightKeepsADateTheUserChose()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 ~08:00~ Arzt"}}}));
    rig.writeSettings(kNoComputedBlocks);
    rig.fake.clock.set(day("07.12.2026"), 23 * 60 + 59, 59);
    TC_FORM_Haupt& window = rig.start();
    window.C_MItem_VorClick(); // the week after
    const DayNumber chosen = window.evaluationDate();
    rig.fake.passSeconds(1);
    QCOMPARE(window.evaluationDate(), chosen);
    QCOMPARE(window.alarms().size(), std::size_t(1)); // collected beside the view
    rig.fake.clock.set(day("08.12.2026"), 8 * 60, 0);
    rig.fake.passSeconds(1);
    QCOMPARE(alarmTexts(), QStringList{QStringLiteral("Heute Arzt")});
}

void TestAlarmWindow::anAlarmInTheTrayComesToTheFrontAndKeepsTheIcon()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"07.12.2026 ~07:30~ Zahnarzt"}}}));
    rig.fake.clock.set(day("07.12.2026"), k0729, 50);
    TC_FORM_Haupt& window = rig.start();
    window.showMinimized();
    QCoreApplication::processEvents();
    QVERIFY(rig.fake.tray.shown);
    QVERIFY(!window.isVisible());
    rig.fake.passSeconds(10);
    QCOMPARE(alarmWindows().size(), 1);
    QVERIFY(alarmWindows().front()->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(alarmWindows().front()->isVisible());
    QVERIFY(rig.fake.tray.shown);
    QCOMPARE(rig.fake.tray.showCount, 2);
}

void TestAlarmWindow::alarmWindowsTakeTheViewsLookWhenDialogsFollowIt()
{
    for (const bool follow : {true, false}) {
        MainWindowRig rig("07.12.2026");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {"07.12.2026 ~07:30~ Zahnarzt"}}}));
        rig.writeSettings(QStringLiteral("[Haupt]\r\nC_RE_TerminAnzeige.Color=65280\r\nFont.Size=14\r\n"
                                         "Font.Style.fsBold=0\r\nC_MItem_Dialogfenster=%1\r\n")
                              .arg(follow ? 1 : 0));
        rig.fake.clock.set(day("07.12.2026"), k0729, 59);
        TC_FORM_Haupt& window = rig.start();
        rig.fake.passSeconds(1);
        QCOMPARE(alarmWindows().size(), 1);
        auto* text = alarmWindows().front()->findChild<QTextEdit*>(QStringLiteral("C_RE_Alarm"));
        auto* view = window.findChild<QWidget*>(QStringLiteral("C_RE_TerminAnzeige"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->palette().color(QPalette::Base) == view->palette().color(QPalette::Base), follow);
        QCOMPARE(text->font().pointSize(), follow ? 14 : 10);
        QCOMPARE(text->font().bold(), !follow);
    }
}

NOTAVI_GUI_TEST_MAIN(TestAlarmWindow)
#include "tst_tc_form_alarm.moc"
