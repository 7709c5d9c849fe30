// The editor's tools over the text: sorting, deleting at the caret, expired and deactivated
// appointments, with their questions answered from a script.

#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"

#include <QAction>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

void placeCaret(TC_FORM_Editor& editor, int line)
{
    editor.text().setTextCursor(QTextCursor(editor.text().document()->findBlockByNumber(line)));
}

int lineOf(const TC_FORM_Editor& editor, const QString& text)
{
    return static_cast<int>(editorLines(editor).indexOf(text));
}

bool modified(const TC_FORM_Editor& editor)
{
    return editor.text().document()->isModified();
}

// Today is 15.06.2025 in the rig.
const QStringList kExpired = {QStringLiteral("01.06.2025 Zahnarzt"), QStringLiteral("14.06.2025 Friseur"),
                              QStringLiteral("10.01.2025 Steuer")};
const QString kToday = QStringLiteral("15.06.2025 heute");

const QStringList kDeactivated = {QStringLiteral("~01.01.1990 Anna"), QStringLiteral("~02.02.1980 Bernd"),
                                  QStringLiteral("~03.03.1970 Clara")};

} // namespace

class TestEditorTools : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void sortingOrdersBlocksAndRemovesBlankLinesInOneEdit()
    {
        EditorRig rig;
        const QStringList file = fileWith(
            {{BlockKind::Weekly,
              {QStringLiteral("So Kirche"), QStringLiteral("Mo Sport"), QStringLiteral("Fr Markt")}}});
        rig.writeDataFile(file);
        TC_FORM_Editor& editor = rig.open();
        const int sunday = lineOf(editor, QStringLiteral("So Kirche"));
        placeCaret(editor, sunday);
        QTest::keyClick(&editor.text(), Qt::Key_Return);
        placeCaret(editor, 3);
        editor.text().textCursor().insertText(QStringLiteral("\n"));
        QVERIFY(lineOf(editor, QString()) >= 0);

        const int unsorted = lineOf(editor, QStringLiteral("So Kirche"));
        editor.action(EditorCommand::C_MItem_Sortieren)->trigger();

        QStringList sorted = file;
        sorted.replace(sunday, QStringLiteral("Mo Sport"));
        sorted.replace(sunday + 1, QStringLiteral("Fr Markt"));
        sorted.replace(sunday + 2, QStringLiteral("So Kirche"));
        QCOMPARE(editorLines(editor), sorted);
        QVERIFY(modified(editor));
        QCOMPARE(rig.fake.boxes.texts(),
                 QStringList{QStringLiteral("Die Termindatei wurde erfolgreich sortiert.")});

        editor.text().undo(); // the sort was one edit
        QCOMPARE(lineOf(editor, QStringLiteral("So Kirche")), unsorted);
        QVERIFY(lineOf(editor, QString()) >= 0);
    }

    // Characters the file cannot store stand as "?" in the file text; sorting moves their lines
    // with the characters, also beside a line that holds a real "?".
    void sortingKeepsCharactersTheFileCannotStore()
    {
        EditorRig rig;
        rig.writeDataFile(
            fileWith({{BlockKind::Weekly, {QStringLiteral("So Kirche"), QStringLiteral("Fr Markt ?")}}}));
        TC_FORM_Editor& editor = rig.open();
        const int sunday = lineOf(editor, QStringLiteral("So Kirche"));
        QTextCursor cursor(editor.text().document()->findBlockByNumber(sunday));
        cursor.movePosition(QTextCursor::EndOfBlock);
        cursor.insertText(QStringLiteral(" \u2713"));
        editor.action(EditorCommand::C_MItem_Sortieren)->trigger();
        QCOMPARE(lineOf(editor, QStringLiteral("Fr Markt ?")), sunday);
        QCOMPARE(lineOf(editor, QStringLiteral("So Kirche \u2713")), sunday + 1);
    }

    void expiredYesToAllDeletesTheRestWithoutAsking()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {kExpired[0], kToday, kExpired[1], kExpired[2]}}}));
        TC_FORM_Editor& editor = rig.open();
        rig.fake.boxes.answer(MessageAnswer::YesToAll);
        editor.action(EditorCommand::C_MItem_Verstrichene)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        QVERIFY(rig.fake.boxes.shown[0].text.contains(kExpired[0]));
        for (const QString& line : kExpired)
            QCOMPARE(lineOf(editor, line), -1);
        QVERIFY(lineOf(editor, kToday) >= 0);
        QVERIFY(modified(editor));
    }

    void expiredNoToAllLeavesTheTextWithoutFurtherMessage()
    {
        EditorRig rig;
        const QStringList file = fileWith({{BlockKind::OneTime, {kExpired[0], kExpired[1]}}});
        rig.writeDataFile(file);
        TC_FORM_Editor& editor = rig.open();
        rig.fake.boxes.answer(MessageAnswer::No);
        rig.fake.boxes.answer(MessageAnswer::NoToAll);
        editor.action(EditorCommand::C_MItem_Verstrichene)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), 2);
        QCOMPARE(editorLines(editor), file);
        QVERIFY(!modified(editor));
        QVERIFY(!editor.text().textCursor().hasSelection());
    }

    void expiredFindsNothingAndSaysSo()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::OneTime, {kToday, QStringLiteral("~01.01.2020 aus")}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_Verstrichene)->trigger();
        QCOMPARE(rig.fake.boxes.texts(),
                 QStringList{QStringLiteral("Es sind keine verstrichenen Termine vorhanden.")});
    }

    // A thousand expired lines go in one edit after Yes to all, and automatically at start-up.
    void manyExpiredLinesGoTogether()
    {
        QStringList many;
        for (int i = 0; i < 1000; ++i)
            many << QStringLiteral("01.01.2024 alt %1").arg(i);
        many << kToday;
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::OneTime, many}}));
        TC_FORM_Editor& editor = rig.open();
        const int before = editor.text().document()->blockCount();
        rig.fake.boxes.answer(MessageAnswer::Yes);
        rig.fake.boxes.answer(MessageAnswer::YesToAll);
        editor.action(EditorCommand::C_MItem_Verstrichene)->trigger();
        QCOMPARE(editor.text().document()->blockCount(), before - 1000);
        QVERIFY(lineOf(editor, kToday) >= 0);
        editor.text().undo(); // the lines without questions were one edit
        QCOMPARE(editor.text().document()->blockCount(), before - 2);

        EditorRig automatic;
        automatic.writeDataFile(fileWith({{BlockKind::OneTime, many}}));
        TC_FORM_Editor& hidden = automatic.open(false);
        hidden.C_MItem_VerstricheneClick(false);
        QCOMPARE(hidden.text().document()->blockCount(), before - 1000);
        QVERIFY(automatic.fake.boxes.shown.isEmpty());
    }

    void reactivationYesToAllAsksOnce()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Birthdays, kDeactivated}}));
        TC_FORM_Editor& editor = rig.open();
        rig.fake.boxes.answer(MessageAnswer::YesToAll);
        editor.action(EditorCommand::C_MItem_Aktivieren)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        for (const QString& line : kDeactivated)
            QVERIFY(lineOf(editor, line.mid(1)) >= 0);
    }

    void reactivationNoToAllAtTheSecondKeepsTheRest()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Birthdays, kDeactivated}}));
        TC_FORM_Editor& editor = rig.open();
        rig.fake.boxes.answer(MessageAnswer::Yes);
        rig.fake.boxes.answer(MessageAnswer::NoToAll);
        editor.action(EditorCommand::C_MItem_Aktivieren)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), 2);
        QVERIFY(lineOf(editor, kDeactivated[0].mid(1)) >= 0);
        QVERIFY(lineOf(editor, kDeactivated[1]) >= 0);
        QVERIFY(lineOf(editor, kDeactivated[2]) >= 0);
    }

    void deactivatedLineOutsideBlocksOnlyWarns()
    {
        EditorRig rig;
        QStringList file = fileWith({});
        file << QStringLiteral("~verirrt");
        rig.writeDataFile(file);
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_Aktivieren)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), 2);
        QCOMPARE(rig.fake.boxes.shown[0].buttons, MessageButtons::OkCancel);
        QCOMPARE(rig.fake.boxes.shown[1].text,
                 QStringLiteral("Es sind keine deaktivierten Termine vorhanden."));
        QCOMPARE(editorLines(editor), file);
    }

    // A weekly appointment whose period runs on the reference day: Yes shortens it, All deletes it,
    // No keeps it.
    void runningPeriodIsShortenedDeletedOrKept_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("after");
        QTest::newRow("Ja") << MessageAnswer::Yes << QStringLiteral("Mo ~11.03.2024-31.03.2024~ Kurs");
        QTest::newRow("Alle") << MessageAnswer::All << QString();
        QTest::newRow("Nein") << MessageAnswer::No << QStringLiteral("Mo ~01.03.2024-31.03.2024~ Kurs");
    }

    void runningPeriodIsShortenedDeletedOrKept()
    {
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, after);
        const QString line = QStringLiteral("Mo ~01.03.2024-31.03.2024~ Kurs");
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {line, QStringLiteral("Di Chor")}}}));
        TC_FORM_Editor& editor = rig.open(false);
        const int at = lineOf(editor, line);
        placeCaret(editor, at);
        rig.fake.boxes.answer(answer);
        editor.setReferenceDay(toDayNumber(2024, 3, 10));
        editor.C_PSBT_loeschenClick();
        QCOMPARE(rig.fake.boxes.shown.size(), 1);
        QCOMPARE(rig.fake.boxes.shown[0].buttons, MessageButtons::YesNoAll);
        QVERIFY(rig.fake.boxes.shown[0].text.contains(QStringLiteral("bis zum 10.03.2024")));
        QCOMPARE(editorLines(editor).at(at), after.isEmpty() ? QStringLiteral("Di Chor") : after);
    }

    void deletingABlockFromItsHeaderAsksWithTheNumberOfAppointments()
    {
        EditorRig rig;
        const QStringList file = fileWith(
            {{BlockKind::Weekly, {QStringLiteral("Mo a"), QStringLiteral("Di b"), QStringLiteral("Mi c")}}});
        rig.writeDataFile(file);
        TC_FORM_Editor& editor = rig.open();
        const int header = lineOf(editor, QStringLiteral("Mo a")) - 1;
        placeCaret(editor, header);
        rig.fake.boxes.answer(MessageAnswer::No);
        editor.action(EditorCommand::C_KMItem_ZeilenLoeschen)->trigger();
        QVERIFY(rig.fake.boxes.shown.at(0).text.contains(QStringLiteral("inklusive 3 Termin(e)")));
        QCOMPARE(editorLines(editor), file);
        QCOMPARE(editor.text().caretLine(), header);

        editor.action(EditorCommand::C_KMItem_ZeilenLoeschen)->trigger();
        for (const char* line : {"Mo a", "Di b", "Mi c"})
            QCOMPARE(lineOf(editor, QString::fromLatin1(line)), -1);
        QVERIFY(editorLines(editor).size() <= file.size() - 5);
    }

    // Every box of the tools comes after the warning beep: questions, refusals, errors and the
    // final messages alike.
    void everyBoxOfTheToolsComesAfterTheBeep_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("caretText");
        QTest::addColumn<int>("caretShift");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("boxes");
        const auto row = [](const char* name, const QStringList& file, const QString& caretText,
                            int caretShift, EditorCommand command, int boxes) {
            QTest::newRow(name) << file << caretText << caretShift << static_cast<int>(command) << boxes;
        };
        const QString course = QStringLiteral("Mo ~01.06.2025-30.06.2025~ Kurs");
        const QStringList weekly = fileWith({{BlockKind::Weekly, {QStringLiteral("Mo a"), course}}});
        const QStringList oneTime =
            fileWith({{BlockKind::OneTime, {QStringLiteral("* Notiz"), kToday, kExpired[0], kExpired[1]}}});
        QStringList unended = weekly;
        unended.removeAt(
            static_cast<int>(unended.indexOf(QStringLiteral("@ E N D E"), unended.indexOf(course))));
        QStringList stray = fileWith({});
        stray << QStringLiteral("verirrt");
        QStringList deactivated = fileWith({{BlockKind::Birthdays, {kDeactivated[0], kDeactivated[1]}}});
        deactivated << QStringLiteral("~verirrt");
        const QStringList faulty = fileWith({{BlockKind::Birthdays, {QStringLiteral("32.01.1990 Anna")}}});
        using Cmd = EditorCommand;
        row("Sortieren", weekly, {}, 0, Cmd::C_MItem_Sortieren, 1);
        row("Kommentarzeile", oneTime, QStringLiteral("* Notiz"), 0, Cmd::C_KMItem_ZeilenLoeschen, 1);
        row("Termin", oneTime, kToday, 0, Cmd::C_KMItem_ZeilenLoeschen, 1);
        row("nicht zuordbare Zeile", stray, QStringLiteral("verirrt"), 0, Cmd::C_KMItem_ZeilenLoeschen, 1);
        row("Terminblock", weekly, QStringLiteral("Mo a"), -1, Cmd::C_KMItem_ZeilenLoeschen, 1);
        row("Terminzeitraum", weekly, course, 0, Cmd::C_KMItem_ZeilenLoeschen, 1);
        row("Block ohne Ende", unended, QStringLiteral("Mo a"), -1, Cmd::C_KMItem_ZeilenLoeschen, 1);
        row("Verstrichene", oneTime, {}, 0, Cmd::C_MItem_Verstrichene, 2);
        row("keine Verstrichenen", weekly, {}, 0, Cmd::C_MItem_Verstrichene, 1);
        row("Aktivieren", deactivated, {}, 0, Cmd::C_MItem_Aktivieren, 3);
        row("keine Deaktivierten", weekly, {}, 0, Cmd::C_MItem_Aktivieren, 1);
        row("Pr\u00FCfliste", faulty, {}, 0, Cmd::C_MItem_Pruefliste, 0);
    }

    void everyBoxOfTheToolsComesAfterTheBeep()
    {
        QFETCH(QStringList, file);
        QFETCH(QString, caretText);
        QFETCH(int, caretShift);
        QFETCH(int, command);
        QFETCH(int, boxes);
        EditorRig rig;
        rig.writeDataFile(file);
        TC_FORM_Editor& editor = rig.open();
        if (!caretText.isEmpty())
            placeCaret(editor, lineOf(editor, caretText) + caretShift);
        rig.fake.beeper.played.clear();
        QList<int> beepsBeforeBox;
        rig.fake.boxes.whileShown = [&rig, &beepsBeforeBox] {
            beepsBeforeBox << static_cast<int>(rig.fake.beeper.played.size());
        };
        editor.action(static_cast<EditorCommand>(command))->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), boxes);
        for (int box = 0; box < boxes; ++box)
            QVERIFY2(beepsBeforeBox[box] == box + 1, qPrintable(rig.fake.boxes.shown[box].text));
        QCOMPARE(rig.fake.beeper.played, QList<SystemSound>(boxes, SystemSound::Warning));
    }

    // --- the check list -----------------------------------------------------------------------

    void errorFreeFileGivesOneEntryThatPointsNowhere()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Birthdays, {QStringLiteral("01.01.1990 Anna")}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_Pruefliste)->trigger();
        QListWidget& list = editor.checkList().list();
        QVERIFY(editor.checkList().shown());
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.item(0)->text(), QStringLiteral("Die Terminliste enthält keine formalen Fehler."));
        QCOMPARE(editor.findChild<QTabBar*>(QStringLiteral("C_TC_Terminblock"))->currentIndex(), 14);
        QCOMPARE(editor.findChild<QStatusBar*>(QStringLiteral("C_SBAR_Editor"))->currentMessage(),
                 kCheckListStatus);
        for (const EditorCommand command :
             {EditorCommand::C_MItem_Sortieren, EditorCommand::C_MItem_Verstrichene,
              EditorCommand::C_MItem_Aktivieren, EditorCommand::C_MItem_Pruefliste,
              EditorCommand::C_MItem_AllesMarkieren})
            QVERIFY(!editor.action(command)->isEnabled());

        list.setCurrentRow(0);
        Q_EMIT editor.checkList().menu().aboutToShow();
        for (const char* name : {"C_KMItem_FehlerZeigen", "C_KMItem_FehlerAendern"})
            QVERIFY(!editor.findChild<QAction*>(QString::fromLatin1(name))->isEnabled());
        editor.C_LSBX_FehlerDblClick();
        QVERIFY(editor.checkList().shown()); // nothing to jump to

        // Another tab leaves the list and gives the commands back.
        editor.C_TC_TerminblockChange(1);
        QVERIFY(!editor.checkList().shown());
        QVERIFY(editor.action(EditorCommand::C_MItem_Sortieren)->isEnabled());
        QVERIFY(editor.action(EditorCommand::C_MItem_AllesMarkieren)->isEnabled());
    }

    void entryLeadsToItsLineAlsoWithParenthesesInTheMessage()
    {
        EditorRig rig;
        const QString faulty = QStringLiteral("32.01.1990 Anna (Oma)");
        rig.writeDataFile(fileWith({{BlockKind::Birthdays, {QStringLiteral("01.01.1990 Bernd"), faulty}}}));
        TC_FORM_Editor& editor = rig.open();
        const int line = lineOf(editor, faulty);
        editor.C_MItem_AufFehlerUeberpruefenClick();
        QListWidget& list = editor.checkList().list();
        const QList<QListWidgetItem*> found =
            list.findItems(QStringLiteral("(Geburtstage;%1)").arg(line + 1), Qt::MatchEndsWith);
        QVERIFY(!found.isEmpty());
        QVERIFY(found[0]->text().contains(QStringLiteral("(Oma)")));
        list.setCurrentItem(found[0]);
        Q_EMIT editor.checkList().menu().aboutToShow();
        QVERIFY(editor.findChild<QAction*>(QStringLiteral("C_KMItem_FehlerZeigen"))->isEnabled());
        editor.C_LSBX_FehlerDblClick();
        QVERIFY(!editor.checkList().shown());
        QCOMPARE(editor.text().caretLine(), line);
        QCOMPARE(editor.findChild<QTabBar*>(QStringLiteral("C_TC_Terminblock"))->currentIndex(), 1);
    }

    void checkAgainWhileShownDoesNothing()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({}));
        TC_FORM_Editor& editor = rig.open();
        editor.C_MItem_AufFehlerUeberpruefenClick();
        editor.checkList().list().addItem(QStringLiteral("von Hand"));
        QTest::keyClick(&editor, Qt::Key_F2);
        editor.C_MItem_AufFehlerUeberpruefenClick();
        QCOMPARE(editor.checkList().list().count(), 2);
        // Leaving and choosing the tab again checks afresh.
        editor.C_TC_TerminblockChange(0);
        editor.C_TC_TerminblockChange(14);
        QCOMPARE(editor.checkList().list().count(), 1);
    }

    void checkRemovesBlankLinesAndMarksTheTextModified()
    {
        EditorRig rig;
        const QStringList file = fileWith({{BlockKind::Weekly, {QStringLiteral("Mo Sport")}}});
        rig.writeDataFile(file);
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, lineOf(editor, QStringLiteral("Mo Sport")));
        QTest::keyClick(&editor.text(), Qt::Key_Return);
        QVERIFY(lineOf(editor, QString()) >= 0);
        editor.C_MItem_AufFehlerUeberpruefenClick();
        QCOMPARE(editorLines(editor), file);
        QVERIFY(modified(editor));
        QVERIFY(editor.action(EditorCommand::C_MItem_speichern)->isEnabled());
    }
};

NOTAVI_GUI_TEST_MAIN(TestEditorTools)
#include "tst_editor_tools.moc"
