// Searching in cycles in the editor's text and in the main window's view, and the editor's
// "Gehe zu".

#include "gui/dialogs/find_dialog.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const QString kEditorCycleEnd = QStringLiteral("Der Suchvorgang innerhalb der Ansicht ist abgeschlossen.");
const QString kViewCycleEnd =
    QStringLiteral("Der Suchvorgang innerhalb der Terminansicht ist abgeschlossen.");

FindDialog& findDialog(QWidget& window, const char* name)
{
    auto* dialog = window.findChild<FindDialog*>(QString::fromLatin1(name));
    if (!dialog)
        qFatal("no find dialog %s", name);
    return *dialog;
}

void typeSearch(FindDialog& dialog, const QString& text, bool wholeWord = false, bool matchCase = false)
{
    dialog.findChild<QLineEdit*>(QStringLiteral("findText"))->setText(text);
    dialog.findChild<QCheckBox*>(QStringLiteral("findWholeWord"))->setChecked(wholeWord);
    dialog.findChild<QCheckBox*>(QStringLiteral("findMatchCase"))->setChecked(matchCase);
}

void pressFind(FindDialog& dialog)
{
    dialog.findChild<QPushButton*>(QStringLiteral("findNext"))->click();
}

// Three searches for a text that occurs twice: both matches in order, then the cycle's end, which
// removes the selection.
void checkTwoMatchCycle(QPlainTextEdit& text, FindDialog& dialog, ScriptedMessageBoxes& boxes,
                        const QString& word, const QString& cycleEnd)
{
    QTextCursor start(text.document());
    text.setTextCursor(start);
    typeSearch(dialog, word, true, true);
    pressFind(dialog);
    const int first = text.textCursor().selectionStart();
    QCOMPARE(text.textCursor().selectedText(), word);
    pressFind(dialog);
    QCOMPARE(text.textCursor().selectedText(), word);
    QVERIFY(text.textCursor().selectionStart() > first);
    QVERIFY(boxes.shown.isEmpty());
    pressFind(dialog);
    QCOMPARE(boxes.texts(), QStringList{cycleEnd});
    QVERIFY(!text.textCursor().hasSelection());
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void editorSearchCyclesThroughTwoMatches()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly,
                                     {QStringLiteral("Mo Chorprobe"), QStringLiteral("Di Sport"),
                                      QStringLiteral("Mi Chorprobe")}}}));
        TC_FORM_Editor& editor = rig.open();
        QVERIFY(!editor.action(EditorCommand::C_MItem_Weitersuchen)->isEnabled());
        editor.action(EditorCommand::C_MItem_SuchenNach)->trigger();
        FindDialog& dialog = findDialog(editor, "C_FindDialog_Editor");
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.isModal());
        checkTwoMatchCycle(editor.text(), dialog, rig.fake.boxes, QStringLiteral("Chorprobe"),
                           kEditorCycleEnd);
        QVERIFY(editor.action(EditorCommand::C_MItem_Weitersuchen)->isEnabled());
    }

    // The status line tells where the match begins, wherever the caret stood before.
    void editorStatusShowsTheStartOfTheMatch()
    {
        EditorRig rig;
        rig.writeDataFile(
            fileWith({{BlockKind::Weekly, {QStringLiteral("Mo Chorprobe"), QStringLiteral("Di Sport")}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_SuchenNach)->trigger();
        FindDialog& dialog = findDialog(editor, "C_FindDialog_Editor");
        typeSearch(dialog, QStringLiteral("Sport"));
        pressFind(dialog);
        const int line = editor.text().textCursor().blockNumber();
        QVERIFY(line > 12);
        QCOMPARE(editor.findChild<QStatusBar*>(QStringLiteral("C_SBAR_Editor"))->currentMessage(),
                 QStringLiteral("(Zeile:Spalte) %1:4 (Beginn der Markierung)").arg(line + 1));
    }

    void wholeWordAndMatchCaseNarrowTheSearch()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("Mo Chorprobe")}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_SuchenNach)->trigger();
        FindDialog& dialog = findDialog(editor, "C_FindDialog_Editor");
        typeSearch(dialog, QStringLiteral("chorprobe"), false, true);
        pressFind(dialog);
        typeSearch(dialog, QStringLiteral("Chor"), true, false);
        pressFind(dialog);
        QCOMPARE(rig.fake.boxes.texts(),
                 (QStringList{QStringLiteral("Die Zeichenkette \"chorprobe\" wurde nicht gefunden."),
                              QStringLiteral("Die Zeichenkette \"Chor\" wurde nicht gefunden.")}));
    }

    void viewSearchCyclesThroughTwoMatches()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("So Chorprobe")}}}));
        TC_FORM_Haupt& window = rig.start();
        QVERIFY(!window.action(Command::C_MItem_NaechstesSuchen)->isEnabled());
        window.action(Command::C_MItem_SuchenNach)->trigger();
        FindDialog& dialog = findDialog(window, "C_FindDialog_Haupt");
        auto* view = window.findChild<QPlainTextEdit*>(QStringLiteral("C_RE_TerminAnzeige"));
        QVERIFY(view);
        // Two Sundays in the four weeks' view of a Sunday at least.
        window.findChild<QTabBar*>(QStringLiteral("C_TC_Terminart"))->setCurrentIndex(1);
        QVERIFY(view->toPlainText().count(QStringLiteral("Chorprobe")) >= 2);
        const int matches = static_cast<int>(view->toPlainText().count(QStringLiteral("Chorprobe")));
        QTextCursor start(view->document());
        view->setTextCursor(start);
        typeSearch(dialog, QStringLiteral("Chorprobe"));
        for (int match = 0; match < matches; ++match) {
            pressFind(dialog);
            QCOMPARE(view->textCursor().selectedText(), QStringLiteral("Chorprobe"));
        }
        QVERIFY(rig.fake.boxes.shown.isEmpty());
        window.action(Command::C_MItem_NaechstesSuchen)->trigger();
        QCOMPARE(rig.fake.boxes.texts(), QStringList{kViewCycleEnd});
        QVERIFY(!view->textCursor().hasSelection());
    }

    void goToClampsTheLineNumber_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("atEnd");
        QTest::addColumn<int>("line");
        QTest::newRow("zero goes to line 1") << QStringLiteral("0") << false << 0;
        QTest::newRow("a line inside") << QStringLiteral("3") << false << 2;
        QTest::newRow("far beyond the end") << QStringLiteral("99999") << true << -1;
    }

    void goToClampsTheLineNumber()
    {
        QFETCH(QString, answer);
        QFETCH(bool, atEnd);
        QFETCH(int, line);
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("Mo Sport")}}}));
        TC_FORM_Editor& editor = rig.open();
        auto* question = editor.findChild<TC_Form_Eingabe*>();
        QVERIFY(question);
        question->setRunModal([question, answer] {
            question->findChild<QLineEdit*>(QStringLiteral("C_EDTX_Eingabe"))->setText(answer);
            return int(QDialog::Accepted);
        });
        placeCaretInMiddle(editor);
        editor.action(EditorCommand::C_MItem_GeheZu)->trigger();
        const QTextCursor caret = editor.text().textCursor();
        if (atEnd) {
            QVERIFY(caret.atEnd());
        } else {
            QCOMPARE(editor.text().caretLine(), line);
            QCOMPARE(editor.text().caretColumn(), 0);
        }
    }

  private:
    static void placeCaretInMiddle(TC_FORM_Editor& editor)
    {
        QTextCursor cursor(editor.text().document()->findBlockByNumber(5));
        cursor.movePosition(QTextCursor::Right);
        editor.text().setTextCursor(cursor);
    }
};

NOTAVI_GUI_TEST_MAIN(TestSearch)
#include "tst_editor_search.moc"
