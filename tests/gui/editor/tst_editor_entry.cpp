// New and changed appointments in the editor: where the line goes, one undo step each, the block
// created when missing, Ctrl+click, and the empty line that goes again when its change is cancelled.

#include "core/model/default_file.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"
#include "support/played_dialogs.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const QString kEntryDialog = QStringLiteral("TC_FORM_TEingabe");
const QString kBirthday = QStringLiteral("01.01.1990 Anna");
const QString kWeekly = QStringLiteral("Mo Sport");

QStringList sampleFile()
{
    return fileWith({{BlockKind::Birthdays, {kBirthday}}, {BlockKind::Weekly, {kWeekly}}});
}

template <typename Widget> Widget* child(const QObject& parent, const char* name)
{
    auto* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

int headerLine(const TC_FORM_Editor& editor, BlockKind block)
{
    return static_cast<int>(
        editorLines(editor).indexOf(fromCp1252(BlockCatalogue::headerText(blockNumber(block)))));
}

void placeCaret(TC_FORM_Editor& editor, int line)
{
    editor.text().setTextCursor(QTextCursor(editor.text().document()->findBlockByNumber(line)));
}

void ctrlClickOnLine(TC_FORM_Editor& editor, int line)
{
    EditorTextControl& text = editor.text();
    placeCaret(editor, line);
    text.ensureCursorVisible();
    const QRect place = text.cursorRect(QTextCursor(text.document()->findBlockByNumber(line)));
    QTest::mouseClick(text.viewport(), Qt::LeftButton, Qt::ControlModifier, place.center() + QPoint(8, 0));
}

PlayedDialogs::Script enterText(const QString& text, int weekday = -1, int* presetBlock = nullptr)
{
    return [=](QDialog& dialog) {
        if (presetBlock)
            *presetBlock = child<QComboBox>(dialog, "C_CMBX_TerminBlock")->currentIndex();
        if (weekday >= 0)
            child<QComboBox>(dialog, "C_CMBX_WoTag")->setCurrentIndex(weekday);
        child<QLineEdit>(dialog, "C_EDTX_Text1")->setText(text);
        QTest::mouseClick(child<QPushButton>(dialog, "C_PSBT_OK"), Qt::LeftButton);
    };
}

bool saveEnabled(const TC_FORM_Editor& editor)
{
    return editor.action(EditorCommand::C_MItem_speichern)->isEnabled();
}

// The editor on the sample file, shown, its entry dialog played by the test.
struct Rig
{
    explicit Rig(const QStringList& file = sampleFile())
    {
        rig.writeDataFile(file);
        rig.open().setEntryDialogRun(played.run());
    }

    TC_FORM_Editor& editor() { return rig.editor(); }

    EditorRig rig;
    PlayedDialogs played;
};

} // namespace

class TestEditorEntry : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void init() { QApplication::clipboard()->setText(QStringLiteral("Zwischenablage")); }

    void newLineGoesFirstIntoItsBlockAsOneEdit()
    {
        Rig rig;
        TC_FORM_Editor& editor = rig.editor();
        const int header = headerLine(editor, BlockKind::Weekly);
        placeCaret(editor, header + 1);
        int preset = -1;
        rig.played.queue(kEntryDialog, enterText(QStringLiteral("M\u00FCll"), 4, &preset));
        child<QPushButton>(editor, "C_PSBT_neu")->click();
        QCOMPARE(preset, blockNumber(BlockKind::Weekly));
        QStringList expected = sampleFile();
        expected.insert(header + 1, QStringLiteral("Fr M\u00FCll"));
        QCOMPARE(editorLines(editor), expected);
        QCOMPARE(editor.text().caretLine(), header + 1);
        QVERIFY(saveEnabled(editor));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Zwischenablage"));
        editor.text().undo();
        QCOMPARE(editorLines(editor), sampleFile());
        QVERIFY(!saveEnabled(editor));
    }

    // A cancelled new appointment leaves the text as it was, the caret where the selection began.
    void cancelledNewLineLeavesTheTextAndNoSelection()
    {
        Rig rig;
        TC_FORM_Editor& editor = rig.editor();
        const int header = headerLine(editor, BlockKind::Weekly);
        QTextCursor selection(editor.text().document()->findBlockByNumber(header + 1));
        const int start = selection.position();
        selection.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        editor.text().setTextCursor(selection);
        rig.played.queue(kEntryDialog, [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        child<QPushButton>(editor, "C_PSBT_neu")->click();
        QCOMPARE(rig.played.shown, QStringList{kEntryDialog});
        QCOMPARE(editorLines(editor), sampleFile());
        QVERIFY(!editor.text().textCursor().hasSelection());
        QCOMPARE(editor.text().textCursor().position(), start);
        QVERIFY(!saveEnabled(editor));
    }

    // From the info area (no block) the one-time block is preset; the file has none yet.
    void newLineForAMissingBlockCreatesItInTheSameEdit()
    {
        Lines lines = defaultFile();
        const auto oneTime = std::find(lines.begin(), lines.end(),
                                       BlockCatalogue::headerText(blockNumber(BlockKind::OneTime)));
        lines.erase(oneTime - 5, oneTime + 2);
        QStringList original;
        for (const std::string& line : lines)
            original << fromCp1252(line);
        Rig rig(original);
        TC_FORM_Editor& editor = rig.editor();
        int preset = -1;
        rig.played.queue(kEntryDialog, enterText(QStringLiteral("Zahnarzt"), -1, &preset));
        editor.action(EditorCommand::C_KMItem_neuerTermin)->trigger();
        QCOMPARE(preset, blockNumber(BlockKind::OneTime));
        const int header = headerLine(editor, BlockKind::OneTime);
        QVERIFY(header > 0);
        QCOMPARE(editorLines(editor).at(header + 1), QStringLiteral("15.06.2025 Zahnarzt"));
        QCOMPARE(child<QTabBar>(editor, "C_TC_Terminblock")->currentIndex(), 13);
        editor.text().undo();
        QCOMPARE(editorLines(editor), original);
    }

    void changeReplacesTheCaretLineOrLeavesItOnCancel_data()
    {
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("OK") << true;
        QTest::newRow("Abbrechen") << false;
    }

    void changeReplacesTheCaretLineOrLeavesItOnCancel()
    {
        QFETCH(bool, confirmed);
        Rig rig;
        TC_FORM_Editor& editor = rig.editor();
        const int line = headerLine(editor, BlockKind::Birthdays) + 1;
        placeCaret(editor, line);
        QString caption;
        rig.played.queue(kEntryDialog, [&](QDialog& dialog) {
            caption = dialog.windowTitle();
            QCOMPARE(child<QLineEdit>(dialog, "C_EDTX_Text1")->text(), QStringLiteral("Anna"));
            if (confirmed)
                enterText(QStringLiteral("Anna Berg"))(dialog);
        });
        editor.action(EditorCommand::C_KMItem_TerminAendern)->trigger();
        QCOMPARE(caption, QStringLiteral("Termin \u00E4ndern"));
        QStringList expected = sampleFile();
        if (confirmed)
            expected[line] = QStringLiteral("01.01.1990 Anna Berg");
        QCOMPARE(editorLines(editor), expected);
        QCOMPARE(editor.text().caretLine(), line);
        QVERIFY(!editor.text().textCursor().hasSelection());
        QCOMPARE(saveEnabled(editor), confirmed);
        editor.text().undo();
        QCOMPARE(editorLines(editor), sampleFile());
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Zwischenablage"));
    }

    void ctrlClickOpensTheChangeOnAppointmentLinesOnly()
    {
        Rig rig;
        TC_FORM_Editor& editor = rig.editor();
        const int header = headerLine(editor, BlockKind::Weekly);
        ctrlClickOnLine(editor, header);
        QVERIFY(rig.played.shown.isEmpty());
        ctrlClickOnLine(editor, header + 1);
        QCOMPARE(rig.played.shown, QStringList{kEntryDialog});
        QCOMPARE(editorLines(editor), sampleFile());
    }

    // Ctrl+click on a tab: an empty line opened in the change dialog; cancelled, it goes again and
    // the text is as unmodified as before.
    void emptyLineFromATabGoesAgainWhenCancelled()
    {
        Rig rig;
        TC_FORM_Editor& editor = rig.editor();
        QTabBar* tabs = child<QTabBar>(editor, "C_TC_Terminblock");
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::ControlModifier, tabs->tabRect(3).center());
        QCOMPARE(rig.played.shown, QStringList{kEntryDialog});
        QCOMPARE(editorLines(editor), sampleFile());
        QCOMPARE(editor.text().caretLine(), headerLine(editor, BlockKind::Weekly));
        QVERIFY(!saveEnabled(editor));

        rig.played.queue(kEntryDialog, enterText(QStringLiteral("Chor"), 2));
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::ControlModifier, tabs->tabRect(3).center());
        QCOMPARE(editorLines(editor).at(headerLine(editor, BlockKind::Weekly) + 1),
                 QStringLiteral("Mi Chor"));
    }

    // A blank line typed long before is removed as well, but an edit made since keeps the text
    // modified, so that closing still offers to save it.
    void cancelledChangeOfAnOlderBlankLineKeepsOtherEdits()
    {
        Rig rig;
        TC_FORM_Editor& editor = rig.editor();
        const int header = headerLine(editor, BlockKind::Weekly);
        placeCaret(editor, header);
        editor.C_PSBT_leerzeileClick();
        placeCaret(editor, header + 2);
        QTest::keyClicks(&editor.text(), QStringLiteral("x"));
        ctrlClickOnLine(editor, header + 1);
        QCOMPARE(rig.played.shown, QStringList{kEntryDialog});
        QCOMPARE(editorLines(editor).at(header + 1), QStringLiteral("x") + kWeekly);
        QVERIFY(saveEnabled(editor));
        QVERIFY(editor.text().document()->isModified());
    }
};

NOTAVI_GUI_TEST_MAIN(TestEditorEntry)
#include "tst_editor_entry.moc"
