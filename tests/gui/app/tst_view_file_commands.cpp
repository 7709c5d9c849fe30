// The main window's commands that change the file from the view: a new appointment, changing and
// deleting the appointment of the caret's line with their refusals, and the automatic deletion of
// expired appointments at start-up.

#include "core/engine/view_entry.h"
#include "gui/app/tc_form_haupt.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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
const QString kEntryDialog = QStringLiteral("TC_FORM_TEingabe");

template <typename Widget> Widget* child(const QObject& parent, const char* name)
{
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

int firstAppointment(const TC_FORM_Haupt& window, const char* text)
{
    const auto source = static_cast<int>(std::find(window.lines().begin(), window.lines().end(), text) -
                                         window.lines().begin());
    return firstEntry(window, [source](const ViewEntry& entry) { return entry.sourceLine == source; });
}

// The entry dialog filled in as the user would and confirmed.
PlayedDialogs::Script confirmWith(std::function<void(QDialog&)> fill)
{
    return [fill = std::move(fill)](QDialog& dialog) {
        fill(dialog);
        QTest::mouseClick(child<QPushButton>(dialog, "C_PSBT_OK"), Qt::LeftButton);
    };
}

} // namespace

class TestViewFileCommands : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void commandsOnOneAppointmentAreRefusedWhereNoneStands_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("message");
        const QString remove = QStringLiteral("gel\u00F6scht");
        const QString change = QStringLiteral("ge\u00E4ndert");
        QTest::newRow("l\u00F6schen: unterste Leerzeile")
            << "delete"
            << "end" << QStringLiteral("Die unterste Leerzeile kann nicht gel\u00F6scht werden.");
        QTest::newRow("\u00E4ndern: unterste Leerzeile")
            << "change"
            << "end"
            << QStringLiteral("Sie k\u00F6nnen einen Termin nur dann \u00E4ndern, wenn\n\nder Cursor sich in "
                              "der Terminzeile befindet.");
        for (const auto& [command, verb] : {std::pair{"delete", remove}, std::pair{"change", change}}) {
            QTest::addRow("%s: Trennzeile", command)
                << command << "separator"
                << QStringLiteral("Die Leerzeile zwischen den Termintagen kann nicht %1 werden.").arg(verb);
            QTest::addRow("%s: intern", command)
                << command << "internal"
                << QStringLiteral("Interne Termine (Ostern, Advent, Feiertage und Mondphasen)\nk\u00F6nnen "
                                  "nicht %1 werden.")
                       .arg(verb);
            QTest::addRow("%s: Zeilenumbruch", command)
                << command << "wrap"
                << QStringLiteral(
                       "Solange der Zeilenumbruch (im Men\u00FC Ansicht) aktiviert ist,\n\nk\u00F6nnen "
                       "Termine nur direkt im Termineditor %1 werden!")
                       .arg(verb);
        }
    }

    void commandsOnOneAppointmentAreRefusedWhereNoneStands()
    {
        QFETCH(QString, command);
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
        const std::string before = rig.fileBytes("notavi.dat");
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
        rig.fake.beeper.played.clear();
        if (command == QLatin1String("delete"))
            QTest::keyClick(&viewOf(window), Qt::Key_Delete);
        else
            window.action(Command::C_KMItem_TerminAendern)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        QVERIFY2(rig.fake.boxes.shown[0].text.startsWith(message), qPrintable(rig.fake.boxes.shown[0].text));
        QCOMPARE(rig.fake.beeper.played.size(), 1);
        QVERIFY(rig.fake.played.shown.isEmpty());
        QCOMPARE(rig.fileBytes("notavi.dat"), before);
    }

    // The typical request: a weekly appointment added from the main window lands as the first line
    // of its block, the view shows it at once with the caret back on the day in sight, and the
    // backup holds the file as it was.
    void aNewAppointmentFromTheViewIsSavedAndShown()
    {
        MainWindowRig rig("15.06.2025");
        // So many appointments on Monday that the view scrolls when the caret goes to the end.
        QStringList monday;
        for (int i = 0; i < 60; ++i)
            monday << QStringLiteral("16.06.2025 Termin %1").arg(i);
        rig.writeDataFile(
            fileWith({{BlockKind::Weekly, {QStringLiteral("Mi Chor")}}, {BlockKind::OneTime, monday}}));
        TC_FORM_Haupt& window = rig.start();
        const std::string before = rig.fileBytes("notavi.dat");
        // The caret out of sight of the top line, which then gives the day to come back to.
        caretToLine(window, static_cast<int>(window.entries().size()) - 1);
        const int topLine = viewOf(window).cursorForPosition(QPoint(1, 1)).blockNumber();
        QVERIFY(topLine > 0);
        QVERIFY(window.entries()[static_cast<std::size_t>(topLine)].day != window.entries().front().day);
        const DayNumber dayInSight = window.entries()[static_cast<std::size_t>(topLine)].day;
        rig.fake.played.queue(
            kEntryDialog, confirmWith([](QDialog& dialog) {
                child<QComboBox>(dialog, "C_CMBX_TerminBlock")
                    ->setCurrentIndex(blockNumber(BlockKind::Weekly));
                child<QComboBox>(dialog, "C_CMBX_WoTag")->setCurrentIndex(4);
                child<QLineEdit>(dialog, "C_EDTX_Text1")->setText(QStringLiteral("M\u00FCll"));
            }));
        QTest::mouseClick(child<QPushButton>(window, "C_PSBT_neu"), Qt::LeftButton);

        const Lines saved = rig.dataFileLines();
        const auto header =
            std::find(saved.begin(), saved.end(), BlockCatalogue::headerText(blockNumber(BlockKind::Weekly)));
        QVERIFY(header != saved.end() && header + 1 != saved.end());
        QCOMPARE(*(header + 1), std::string("Fr M\xFCll"));
        QCOMPARE(rig.fileBytes("notavi.bak"), before);
        QVERIFY(viewLines(window).join(QLatin1Char('\n')).contains(QStringLiteral("M\u00FCll")));
        const int caret = viewOf(window).textCursor().blockNumber();
        QCOMPARE(window.entries()[static_cast<std::size_t>(caret)].day, dayInSight);
        QVERIFY(rig.fake.clipboard.writes.isEmpty());
    }

    void cancellingFromTheViewLeavesFileAndViewAsTheyWere_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("neu") << "new";
        QTest::newRow("\u00E4ndern") << "change";
    }

    void cancellingFromTheViewLeavesFileAndViewAsTheyWere()
    {
        QFETCH(QString, command);
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {QStringLiteral("15.06.2025 Kino"), kMeeting}}}));
        TC_FORM_Haupt& window = rig.start();
        const std::string before = rig.fileBytes("notavi.dat");
        const QStringList shown = viewLines(window);
        const int line = firstAppointment(window, "16.06.2025 Besprechung");
        window.resize(800, 600);
        window.show(); // so that the first line in sight is the view's first, above the caret
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(line > 0);
        caretToLine(window, line);
        rig.fake.played.queue(kEntryDialog,
                              [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        window
            .action(command == QLatin1String("new") ? Command::C_KMItem_neuerTermin
                                                    : Command::C_KMItem_TerminAendern)
            ->trigger();
        QCOMPARE(rig.fake.played.shown, QStringList{kEntryDialog});
        QCOMPARE(rig.fileBytes("notavi.dat"), before);
        QVERIFY(!rig.backupExists());
        QCOMPARE(viewLines(window), shown);
        QCOMPARE(viewOf(window).textCursor().blockNumber(), line);
    }

    // The appointment moves to a later day: the caret goes to the first entry of the day it stood on.
    void aChangeFromTheViewKeepsTheCaretOnItsDay()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(
            fileWith({{BlockKind::OneTime,
                       {QStringLiteral("17.06.2025 Zahnarzt"), QStringLiteral("17.06.2025 Kino"),
                        QStringLiteral("20.06.2025 Sport")}}}));
        TC_FORM_Haupt& window = rig.start();
        const int dentist = firstAppointment(window, "17.06.2025 Zahnarzt");
        QVERIFY(dentist >= 0);
        const DayNumber itsDay = window.entries()[static_cast<std::size_t>(dentist)].day;
        caretToLine(window, dentist);
        rig.fake.played.queue(kEntryDialog, confirmWith([](QDialog& dialog) {
                                  child<QDateEdit>(dialog, "C_DTP_Datum")->setDate(QDate(2025, 6, 19));
                              }));
        QTest::mouseClick(child<QPushButton>(window, "C_PSBT_aendern"), Qt::LeftButton);

        const Lines saved = rig.dataFileLines();
        QCOMPARE(std::count(saved.begin(), saved.end(), std::string("19.06.2025 Zahnarzt")), 1);
        QCOMPARE(std::count(saved.begin(), saved.end(), std::string("17.06.2025 Zahnarzt")), 0);
        const int caret = viewOf(window).textCursor().blockNumber();
        const ViewEntries& entries = window.entries();
        QCOMPARE(entries[static_cast<std::size_t>(caret)].day, itsDay);
        QVERIFY(caret == 0 || entries[static_cast<std::size_t>(caret) - 1].day != itsDay);
    }

    // Ctrl + left click in the view changes the clicked appointment.
    void ctrlClickInTheViewChangesTheClickedAppointment()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {kMeeting}}}));
        TC_FORM_Haupt& window = rig.start();
        const int line = firstAppointment(window, "16.06.2025 Besprechung");
        QString shownText;
        rig.fake.played.queue(kEntryDialog, [&shownText](QDialog& dialog) {
            shownText = child<QLineEdit>(dialog, "C_EDTX_Text1")->text();
        });
        QPlainTextEdit& view = viewOf(window);
        const QRect place = view.cursorRect(QTextCursor(view.document()->findBlockByNumber(line)));
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ControlModifier,
                          place.center() + QPoint(8, 0));
        QCOMPARE(shownText, QStringLiteral("Besprechung"));
    }

    // Another program changed the appointment after the view was computed: nothing else is changed
    // in its place, the user is told and sees the file as it is now.
    void aChangedAppointmentThatVanishedIsReported()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {kMeeting}}}));
        TC_FORM_Haupt& window = rig.start();
        caretToLine(window, firstAppointment(window, "16.06.2025 Besprechung"));
        const QStringList now =
            fileWith({{BlockKind::OneTime, {QStringLiteral("16.06.2025 Besprechung 2")}}});
        rig.writeDataFile(now);
        const std::string written = rig.fileBytes("notavi.dat");
        rig.fake.boxes.shown.clear();
        window.action(Command::C_KMItem_TerminAendern)->trigger();
        QVERIFY(rig.fake.played.shown.isEmpty());
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        QVERIFY(rig.fake.boxes.shown[0].text.startsWith(QStringLiteral("Der Termin steht nicht mehr")));
        QCOMPARE(rig.fileBytes("notavi.dat"), written);
        QVERIFY(viewLines(window).join(QLatin1Char('\n')).contains(QStringLiteral("Besprechung 2")));
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
