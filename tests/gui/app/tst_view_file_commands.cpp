// The main window's commands that change the file from the view: deleting the appointment of the
// caret's line with its refusals, and the automatic deletion of expired appointments at start-up.

#include "core/engine/view_entry.h"
#include "gui/app/tc_form_haupt.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"

#include <algorithm>

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

QPlainTextEdit& viewOf(TC_FORM_Haupt& window)
{
    return *window.findChild<QPlainTextEdit*>(QStringLiteral("C_RE_TerminAnzeige"));
}

void caretToLine(TC_FORM_Haupt& window, int line)
{
    QPlainTextEdit& view = viewOf(window);
    view.setTextCursor(QTextCursor(view.document()->findBlockByNumber(line)));
}

template <typename Predicate> int firstEntry(const TC_FORM_Haupt& window, Predicate predicate)
{
    const ViewEntries& entries = window.entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (predicate(entries[i]))
            return static_cast<int>(i);
    return -1;
}

const QString kMeeting = QStringLiteral("16.06.2025 Besprechung");

} // namespace

class TestViewFileCommands : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void deletionIsRefusedWhereNoAppointmentStands_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("message");
        QTest::newRow("unterste Leerzeile")
            << "end" << QStringLiteral("Die unterste Leerzeile kann nicht gel\u00F6scht werden.");
        QTest::newRow("Trennzeile")
            << "separator"
            << QStringLiteral("Die Leerzeile zwischen den Termintagen kann nicht gel\u00F6scht werden.");
        QTest::newRow("intern") << "internal"
                                << QStringLiteral(
                                       "Interne Termine (Ostern, Advent, Feiertage und Mondphasen)");
        QTest::newRow("Zeilenumbruch")
            << "wrap" << QStringLiteral("Solange der Zeilenumbruch (im Men\u00FC Ansicht) aktiviert ist,");
    }

    void deletionIsRefusedWhereNoAppointmentStands()
    {
        QFETCH(QString, where);
        QFETCH(QString, message);
        MainWindowRig rig("15.06.2025");
        if (where == QLatin1String("end")) {
            // An empty view: its only line lies below the last entry.
            rig.writeDataFile(fileWith({}));
            rig.writeSettings(QStringLiteral("[Terminblock]\r\nC_MItem_Ostern=0\r\nC_MItem_Advent=0\r\n"
                                             "C_MItem_Feiertage=0\r\nC_MItem_Mondphasen=0\r\n"));
        } else {
            rig.writeDataFile(fileWith({{BlockKind::OneTime, {kMeeting}}}));
        }
        TC_FORM_Haupt& window = rig.start();
        const Lines before = rig.dataFileLines();
        int line =
            firstEntry(window, [](const ViewEntry& entry) { return entry.sourceLine < kInternalSourceLine; });
        if (where == QLatin1String("end"))
            line = static_cast<int>(window.entries().size());
        else if (where == QLatin1String("separator"))
            line = firstEntry(window, [](const ViewEntry& entry) { return entry.isSeparator(); });
        else if (where == QLatin1String("internal"))
            line = firstEntry(window,
                              [](const ViewEntry& entry) { return entry.sourceLine == kInternalSourceLine; });
        else
            window.action(Command::C_MItem_Zeilenumbruch)->trigger();
        QVERIFY(line >= 0);
        caretToLine(window, line);
        rig.fake.boxes.shown.clear();
        QTest::keyClick(&viewOf(window), Qt::Key_Delete);
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        QVERIFY2(rig.fake.boxes.shown[0].text.startsWith(message), qPrintable(rig.fake.boxes.shown[0].text));
        QCOMPARE(rig.dataFileLines(), before);
    }

    void deletingAnAppointmentSavesTheFileAndTheView()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {kMeeting}}}));
        TC_FORM_Haupt& window = rig.start();
        const int line =
            firstEntry(window, [](const ViewEntry& entry) { return entry.sourceLine < kInternalSourceLine; });
        QVERIFY(line >= 0);
        caretToLine(window, line);
        rig.fake.boxes.answer(MessageAnswer::Yes);
        window.action(Command::C_KMitem_TerminLoeschen)->trigger();
        QVERIFY(!rig.dataFileLines().empty());
        for (const std::string& fileLine : rig.dataFileLines())
            QVERIFY(fileLine.find("Besprechung") == std::string::npos);
        QCOMPARE(
            firstEntry(window, [](const ViewEntry& entry) { return entry.sourceLine < kInternalSourceLine; }),
            -1);
    }

    // Another program removed a line above the appointment after the view was computed: the
    // appointment is still the line that goes, not the one that moved to its index.
    void deletionFindsTheLineAfterTheFileChangedOnDisk()
    {
        MainWindowRig rig("15.06.2025");
        QStringList file = fileWith({{BlockKind::OneTime, {QStringLiteral("16.06.2025 Arzt"), kMeeting}}});
        rig.writeDataFile(file);
        TC_FORM_Haupt& window = rig.start();
        const Lines& mainLines = window.lines();
        const auto meeting = static_cast<int>(
            std::find(mainLines.begin(), mainLines.end(), std::string("16.06.2025 Besprechung")) -
            mainLines.begin());
        const int line =
            firstEntry(window, [meeting](const ViewEntry& entry) { return entry.sourceLine == meeting; });
        QVERIFY(line >= 0);
        const std::size_t before = mainLines.size();
        file.removeOne(QStringLiteral("16.06.2025 Arzt"));
        rig.writeDataFile(file);
        caretToLine(window, line);
        rig.fake.boxes.answer(MessageAnswer::Yes);
        window.action(Command::C_KMitem_TerminLoeschen)->trigger();
        QVERIFY(rig.fake.boxes.shown.last().text.contains(kMeeting));
        const Lines saved = rig.dataFileLines();
        QCOMPARE(std::count(saved.begin(), saved.end(), std::string("16.06.2025 Besprechung")), 0);
        QCOMPARE(saved.size(), before - 2);
    }

    // Another program removed the appointment itself: nothing is deleted, the user hears why after
    // the beep, and the view shows the file as it is now.
    void deletingALineGoneFromTheFileSaysSoAndReloads()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {QStringLiteral("16.06.2025 Arzt"), kMeeting}}}));
        TC_FORM_Haupt& window = rig.start();
        const auto isMeeting = [&window](const ViewEntry& entry) {
            return entry.sourceLine < kInternalSourceLine &&
                   window.lines()[static_cast<std::size_t>(entry.sourceLine)] == "16.06.2025 Besprechung";
        };
        const int line = firstEntry(window, isMeeting);
        QVERIFY(line >= 0);
        const QStringList changedOnDisk =
            fileWith({{BlockKind::OneTime, {QStringLiteral("16.06.2025 Arzt")}}});
        rig.writeDataFile(changedOnDisk);
        const Lines onDisk = rig.dataFileLines();
        caretToLine(window, line);
        rig.fake.boxes.shown.clear();
        rig.fake.beeper.played.clear();
        int beepsBeforeBox = -1;
        rig.fake.boxes.whileShown = [&rig, &beepsBeforeBox] {
            beepsBeforeBox = static_cast<int>(rig.fake.beeper.played.size());
        };
        window.action(Command::C_KMitem_TerminLoeschen)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        QCOMPARE(rig.fake.boxes.shown[0].kind, MessageKind::Information);
        QVERIFY(rig.fake.boxes.shown[0].text.startsWith(
            QStringLiteral("Der Termin steht nicht mehr in der Termindatei")));
        QCOMPARE(beepsBeforeBox, 1);
        QCOMPARE(rig.dataFileLines(), onDisk);
        QCOMPARE(window.lines(), onDisk);
        QCOMPARE(firstEntry(window, isMeeting), -1);
    }

    void expiredAppointmentsGoAtStartWhenSwitchedOn_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<int>("ageLimit");
        QTest::addColumn<bool>("kept");
        QTest::newRow("aus") << false << 1 << true;
        QTest::newRow("Frist 1") << true << 1 << false;
        QTest::newRow("Frist 7") << true << 7 << true;
    }

    void expiredAppointmentsGoAtStartWhenSwitchedOn()
    {
        QFETCH(bool, on);
        QFETCH(int, ageLimit);
        QFETCH(bool, kept);
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {QStringLiteral("14.06.2025 gestern"), kMeeting}}}));
        rig.writeSettings(
            QStringLiteral("[Extras]\r\nC_MItem_LoeschenStart=%1\r\nC_MItem_LoeschenFrist=%2\r\n")
                .arg(on ? 1 : 0)
                .arg(ageLimit));
        TC_FORM_Haupt& window = rig.start();
        bool found = false;
        for (const std::string& line : window.lines())
            found = found || line == "14.06.2025 gestern";
        QCOMPARE(found, kept);
        const Lines saved = rig.dataFileLines();
        QCOMPARE(std::count(saved.begin(), saved.end(), std::string("14.06.2025 gestern")), kept ? 1 : 0);
    }
};

NOTAVI_GUI_TEST_MAIN(TestViewFileCommands)
#include "tst_view_file_commands.moc"
