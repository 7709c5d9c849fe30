// The editor on a temporary base folder: loading, the protected info area, the block tabs, the
// calendar, the line commands, saving with its questions, and closing.

#include "core/model/default_file.h"
#include "core/model/windows1252.h"
#include "gui/editor/editor_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

QAction* item(const TC_FORM_Editor& editor, EditorCommand command)
{
    return editor.action(command);
}

template <typename Widget> Widget* child(const QWidget& editor, const char* name)
{
    auto* widget = editor.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

QTabBar* tabs(const TC_FORM_Editor& editor)
{
    return child<QTabBar>(editor, "C_TC_Terminblock");
}

// The caret to a line and column (both from 0), as a click would put it.
void placeCaret(TC_FORM_Editor& editor, int line, int column = 0)
{
    EditorTextControl& text = editor.text();
    QTextCursor cursor(text.document()->findBlockByNumber(line));
    cursor.setPosition(cursor.position() + column);
    text.setTextCursor(cursor);
}

int lineOf(const TC_FORM_Editor& editor, const QString& text)
{
    return static_cast<int>(editorLines(editor).indexOf(text));
}

const QString kBirthday = QStringLiteral("01.01.1990 Anna");
const QString kNoDate = QStringLiteral("Anna ohne Datum");
const QString kHoliday = QStringLiteral("01.07.2025-10.08.2025 Sommerferien");
const QString kWeekly = QStringLiteral("Mo Sport");

QStringList sampleFile()
{
    return fileWith({{BlockKind::Birthdays, {kBirthday, kNoDate}},
                     {BlockKind::Weekly, {kWeekly}},
                     {BlockKind::SchoolHolidays, {kHoliday}}});
}

} // namespace

class TestEditor : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void init() { QApplication::clipboard()->setText(QStringLiteral("Zwischenablage")); }

    void shouldHaveDefaultState()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        QCOMPARE(editor.windowTitle(), QStringLiteral("Termineditor"));
        QCOMPARE(tabs(editor)->count(), 15);
        QCOMPARE(tabs(editor)->tabText(3), QStringLiteral("&W\u00F6chentliche Termine"));
        QCOMPARE(tabs(editor)->tabText(14), QStringLiteral("&Pr\u00FCfliste"));
        QCOMPARE(editorLines(editor), sampleFile());
        QVERIFY(!item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
        QVERIFY(!child<QToolButton>(editor, "C_TBu_speichern")->isEnabled());
        QCOMPARE(child<QStatusBar>(editor, "C_SBAR_Editor")->currentMessage(),
                 QStringLiteral("(Zeile:Spalte) 1:1"));
        QCOMPARE(editor.focusWidget(), static_cast<QWidget*>(&editor.text())); // the keys go to the text
        QVERIFY(editor.text().isReadOnly());
        QCOMPARE(child<QLabel>(editor, "C_LB_Feiertagsjahr")->text(),
                 QStringLiteral(" Feiertage im Jahr 2025"));
        QCOMPARE(child<QCalendarWidget>(editor, "C_MCal_Kalender")->selectedDate(), QDate(2025, 6, 15));
        QCOMPARE(child<QListWidget>(editor, "C_LSBX_Feiertage")->item(0)->text(),
                 QStringLiteral("01.01. Neujahr"));
        QVERIFY(rig.fake.boxes.shown.isEmpty());
    }

    void fileWithBlankLinesIsCleanedOnOpening()
    {
        EditorRig rig;
        QStringList lines = sampleFile();
        lines.insert(20, QString());
        lines.insert(30, QStringLiteral("   "));
        rig.writeDataFile(lines);
        TC_FORM_Editor& editor = rig.open();
        QCOMPARE(editorLines(editor), sampleFile());
        QVERIFY(!item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
    }

    // The file keeps every byte of its lines through the editor, no-break spaces and bytes
    // without a character of their own included.
    void everyByteSurvivesOpeningAndSaving()
    {
        std::string odd;
        for (int byte = 1; byte < 256; ++byte)
            if (byte != '\r' && byte != '\n')
                odd += static_cast<char>(byte);
        Lines lines = defaultFile();
        lines.insert(lines.begin() + 15, "01.01.1990 " + odd);
        EditorRig rig;
        rig.writeDataBytes(joinLines(lines));
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, 20);
        QTest::keyClicks(&editor.text(), QStringLiteral("x"));
        QVERIFY(editor.C_MItem_speichernClick());
        Lines expected = lines;
        expected[20] = "x" + expected[20];
        QCOMPARE(rig.dataFileLines(), expected);
    }

    void backspaceAtLine12IsUndoneWithWarning()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, 11);
        QVERIFY(!editor.text().isReadOnly());
        QTest::keyClick(&editor.text(), Qt::Key_Backspace);
        QCOMPARE(editorLines(editor), sampleFile());
        QCOMPARE(rig.fake.boxes.texts(), QStringList{kInfoAreaWarning});
        QVERIFY(!rig.fake.beeper.played.isEmpty());
        QCOMPARE(editor.text().caretLine(), 11);
    }

    // A file whose line 11 is not "*" keeps it: the split only undoes a join.
    void protectedKeyNeverSplitsAForeignLine11()
    {
        QStringList lines = sampleFile();
        lines[10] = QStringLiteral("Notiz");
        EditorRig rig;
        rig.writeDataFile(lines);
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, 10, 2);
        QTest::keyClick(&editor.text(), Qt::Key_A);
        QCOMPARE(editorLines(editor), lines);
    }

    void keysInTheInfoArea_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("warned");
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << true;
        QTest::newRow("A") << int(Qt::Key_A) << int(Qt::NoModifier) << true;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << true;
        QTest::newRow("D") << int(Qt::Key_D) << int(Qt::NoModifier) << false;
        QTest::newRow("E") << int(Qt::Key_E) << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier) << false;
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << false;
    }

    void keysInTheInfoArea()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, warned);
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        editor.activateWindow();
        editor.text().setFocus();
        QTextCursor selection(editor.text().document()->findBlockByNumber(1));
        selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        editor.text().setTextCursor(selection);
        QTest::keyClick(&editor.text(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(editorLines(editor), sampleFile());
        QCOMPARE(rig.fake.boxes.texts(), warned ? QStringList{kInfoAreaWarning} : QStringList{});
        QCOMPARE(rig.fake.beeper.played.contains(SystemSound::Warning), warned);
        QVERIFY(!item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
        const QString copied = key == Qt::Key_C ? sampleFile()[1] : QStringLiteral("Zwischenablage");
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }

    // "Einfügen" where the text may be written and while the clipboard holds text, also when the
    // clipboard changes with the caret standing still.
    void pasteFollowsTheClipboardAndTheCaret()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        QAction* paste = item(editor, EditorCommand::C_MItem_Einfuegen);
        placeCaret(editor, 13, 0);
        QVERIFY(paste->isEnabled());
        QApplication::clipboard()->clear();
        QVERIFY(!paste->isEnabled());
        QApplication::clipboard()->setText(QStringLiteral("Kegeln"));
        QVERIFY(paste->isEnabled());
        placeCaret(editor, 2, 0);
        QVERIFY(!paste->isEnabled());
        placeCaret(editor, 14, 0);
        QVERIFY(paste->isEnabled());
        QTest::keyClick(&editor.text(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editorLines(editor)[14].left(6), QStringLiteral("Kegeln"));
    }

    // Ctrl+click on a tab opens a new empty line of that block for a change; the file start is no
    // block, so it only moves the caret there.
    void ctrlClickOnTheFileStartTabAddsNoLine()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, lineOf(editor, kWeekly));
        QTest::mouseClick(tabs(editor), Qt::LeftButton, Qt::ControlModifier,
                          tabs(editor)->tabRect(0).center());
        QCOMPARE(editorLines(editor), sampleFile());
        QVERIFY(!editor.text().document()->isModified());
        QVERIFY(rig.fake.played.shown.isEmpty());
        QCOMPARE(editor.text().caretLine(), 0);
    }

    void tabOfAMissingBlockAppendsItWithTheCaretInside()
    {
        Lines lines = defaultFile();
        const auto oneTime = std::find(lines.begin(), lines.end(),
                                       BlockCatalogue::headerText(blockNumber(BlockKind::OneTime)));
        lines.erase(oneTime - 5, oneTime + 2);
        EditorRig rig;
        rig.writeDataBytes(joinLines(lines));
        TC_FORM_Editor& editor = rig.open();
        QTest::mouseClick(tabs(editor), Qt::LeftButton, {}, tabs(editor)->tabRect(13).center());
        Lines block;
        appendBlock(block, blockNumber(BlockKind::OneTime));
        const QStringList now = editorLines(editor);
        QCOMPARE(now.size(), static_cast<qsizetype>(lines.size() + block.size()));
        QCOMPARE(now.last(), QStringLiteral("@ E N D E"));
        QCOMPARE(editor.text().caretLine(), static_cast<int>(now.size()) - 2);
        QCOMPARE(tabs(editor)->currentIndex(), 13);
        QVERIFY(item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
        editor.text().undo();
        QCOMPARE(editorLines(editor).size(), static_cast<qsizetype>(lines.size()));
    }

    void tabOfAnExistingBlockShowsItsComments()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        editor.resize(700, 500);
        QTest::mouseClick(tabs(editor), Qt::LeftButton, {}, tabs(editor)->tabRect(7).center());
        const int header =
            lineOf(editor, fromCp1252(BlockCatalogue::headerText(blockNumber(BlockKind::Monthly))));
        QCOMPARE(editor.text().caretLine(), header);
        QCOMPARE(editor.text().cursorForPosition(QPoint(2, 2)).blockNumber(), header - 9);
        QCOMPARE(editorLines(editor), sampleFile());
    }

    void changeCommandFollowsTheKindOfLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("offset");
        QTest::addColumn<bool>("changeable");
        QTest::addColumn<int>("tab");
        const QString header = fromCp1252(BlockCatalogue::headerText(blockNumber(BlockKind::Weekly)));
        QTest::newRow("header") << header << 0 << false << 3;
        QTest::newRow("appointment") << kWeekly << 0 << true << 3;
        QTest::newRow("end line") << kWeekly << 1 << false << 3;
        QTest::newRow("comment above the header") << header << -1 << false << 3;
        QTest::newRow("info area") << QStringLiteral("*") << 0 << false << 0;
    }

    void changeCommandFollowsTheKindOfLine()
    {
        QFETCH(QString, line);
        QFETCH(int, offset);
        QFETCH(bool, changeable);
        QFETCH(int, tab);
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, lineOf(editor, line) + offset);
        QCOMPARE(child<QPushButton>(editor, "C_PSBT_aendern")->isEnabled(), changeable);
        QCOMPARE(child<QToolButton>(editor, "C_TBu_aendern")->isEnabled(), changeable);
        QCOMPARE(tabs(editor)->currentIndex(), tab);
    }

    void calendarDateIntoTheCaretsLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caret");
        QTest::newRow("birthday with a date") << kBirthday << 0 << QStringLiteral("24.12.2025 Anna") << 11;
        QTest::newRow("birthday without a date")
            << kNoDate << 3 << QStringLiteral("24.12.2025 Anna ohne Datum") << 11;
        QTest::newRow("holiday end by the caret")
            << kHoliday << 14 << QStringLiteral("01.07.2025-24.12.2025 Sommerferien") << 22;
        QTest::newRow("holiday begin")
            << kHoliday << 2 << QStringLiteral("24.12.2025-10.08.2025 Sommerferien") << 11;
        QTest::newRow("weekly stays") << kWeekly << 0 << kWeekly << 0;
    }

    void calendarDateIntoTheCaretsLine()
    {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(QString, expected);
        QFETCH(int, caret);
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        const int index = lineOf(editor, line);
        placeCaret(editor, index, column);
        auto* calendar = child<QCalendarWidget>(editor, "C_MCal_Kalender");
        calendar->setSelectedDate(QDate(2025, 12, 24));
        Q_EMIT calendar->activated(QDate(2025, 12, 24));
        QCOMPARE(editorLines(editor).at(index), expected);
        QCOMPARE(editor.text().caretLine(), index);
        QCOMPARE(editor.text().caretColumn(), expected == line ? column : caret);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Zwischenablage"));
        QCOMPARE(item(editor, EditorCommand::C_MItem_speichern)->isEnabled(), expected != line);
        editor.text().undo();
        QCOMPARE(editorLines(editor), sampleFile());
    }

    // What the line holds beyond the date stays as typed, also characters the file cannot store.
    // F8: the computed date goes to the calendar and into the caret's line, when the user asks for it.
    void computedDateIntoTheCaretsLine_data()
    {
        QTest::addColumn<bool>("intoLine");
        QTest::newRow("into the line") << true;
        QTest::newRow("clipboard only") << false;
    }

    void computedDateIntoTheCaretsLine()
    {
        QFETCH(bool, intoLine);
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        const int index = lineOf(editor, kBirthday);
        placeCaret(editor, index, 0);
        rig.fake.played.queue(QStringLiteral("TC_FORM_Datumsberechnung"), [intoLine](QDialog& dialog) {
            child<QLineEdit>(dialog, "C_EDTX_Anzahl")->setText(QStringLiteral("3"));
            child<QComboBox>(dialog, "C_CMBX_Einheit")->setCurrentIndex(1); // weeks
            child<QRadioButton>(dialog, "C_RDBT_nach")->setChecked(true);
            child<QCheckBox>(dialog, "C_CHBX_Uebernahme")->setChecked(intoLine);
            child<QPushButton>(dialog, "C_PSBT_OK")->click();
        });
        item(editor, EditorCommand::C_MItem_Termindatum)->trigger();
        QCOMPARE(rig.fake.played.shown, QStringList{QStringLiteral("TC_FORM_Datumsberechnung")});
        const QDate computed(2025, 7, 6); // three weeks after 15.06.2025
        QCOMPARE(editorLines(editor).at(index), intoLine ? QStringLiteral("06.07.2025 Anna") : kBirthday);
        QCOMPARE(child<QCalendarWidget>(editor, "C_MCal_Kalender")->selectedDate(),
                 intoLine ? computed : QDate(2025, 6, 15));
    }

    void holidayListDateKeepsTheRestOfTheLine()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        const int index = lineOf(editor, kBirthday);
        placeCaret(editor, index, 15);
        editor.text().insertPlainText(QStringLiteral(" \u2192 \U0001F382"));
        auto* list = child<QListWidget>(editor, "C_LSBX_Feiertage");
        QListWidgetItem* christmasEve =
            list->findItems(QStringLiteral("24.12. Heiligabend"), Qt::MatchExactly).value(0);
        QVERIFY(christmasEve);
        Q_EMIT list->itemDoubleClicked(christmasEve);
        QCOMPARE(editorLines(editor).at(index), QStringLiteral("24.12.2025 Anna \u2192 \U0001F382"));
        QCOMPARE(child<QCalendarWidget>(editor, "C_MCal_Kalender")->selectedDate(), QDate(2025, 12, 24));
    }

    void closingTheHiddenEditorSavesWithBackup()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        const Lines before = rig.dataFileLines();
        {
            TC_FORM_Editor& editor = rig.open(false);
            placeCaret(editor, lineOf(editor, kWeekly));
            editor.C_PSBT_leerzeileClick();
            QVERIFY(editor.close());
        }
        QVERIFY(rig.fake.boxes.shown.isEmpty());
        QVERIFY(rig.state().editorSaved());
        QCOMPARE(rig.backupFileLines(), before);
        QCOMPARE(rig.dataFileLines().size(), before.size() + 1);
    }

    void closeQuestion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Ja") << int(MessageAnswer::Yes) << true << true;
        QTest::newRow("Nein") << int(MessageAnswer::No) << true << false;
        QTest::newRow("Abbrechen") << int(MessageAnswer::Cancel) << false << false;
    }

    void closeQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, lineOf(editor, kWeekly), 8);
        QTest::keyClicks(&editor.text(), QStringLiteral(" am Abend"));
        const QStringList typed = editorLines(editor);
        rig.fake.boxes.answer(static_cast<MessageAnswer>(answer));
        rig.fake.beeper.played.clear();
        QCOMPARE(editor.close(), closes);
        QCOMPARE(rig.fake.boxes.texts(), QStringList{kSaveOnCloseQuestion});
        QCOMPARE(rig.fake.beeper.played, QList<SystemSound>{SystemSound::Warning});
        QCOMPARE(rig.fake.boxes.shown.first().buttons, MessageButtons::YesNoCancel);
        QCOMPARE(editorLines(editor), typed);
        if (!closes)
            QVERIFY(editor.text().document()->isModified());
        QCOMPARE(rig.state().editorSaved(), saved);
        QCOMPARE(rig.backupExists(), saved);
    }

    // Another program wrote notavi.dat after the editor read it: "Nein" keeps both.
    void saveAfterAnotherProgramChangedTheFileAsks()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        placeCaret(editor, lineOf(editor, kWeekly), 8);
        QTest::keyClicks(&editor.text(), QStringLiteral("!"));
        QStringList other = sampleFile();
        other.insert(other.indexOf(kBirthday), QStringLiteral("03.03.2003 Otto"));
        rig.writeDataFile(other);
        const Lines otherLines = rig.dataFileLines();
        rig.fake.boxes.answer(MessageAnswer::No);
        QVERIFY(!editor.C_MItem_speichernClick());
        QCOMPARE(rig.fake.boxes.texts(), QStringList{kChangedOnDiskQuestion});
        QCOMPARE(rig.dataFileLines(), otherLines);
        QVERIFY(item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
        rig.fake.boxes.answer(MessageAnswer::Yes);
        QVERIFY(editor.C_MItem_speichernClick());
        QCOMPARE(rig.backupFileLines(), otherLines);
        QVERIFY(!item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
        QVERIFY(editor.C_MItem_speichernClick()); // its own save is no change by another program
        QCOMPARE(rig.fake.boxes.shown.size(), 2);
    }

    void unstorableCharacterIsNamedBeforeSaving()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        const Lines before = rig.dataFileLines();
        TC_FORM_Editor& editor = rig.open();
        const int index = lineOf(editor, kWeekly);
        placeCaret(editor, index, 8);
        editor.text().insertPlainText(QStringLiteral(" \u2192 Halle \u0151"));
        rig.fake.boxes.answer(MessageAnswer::No);
        QVERIFY(!editor.C_MItem_speichernClick());
        QCOMPARE(rig.fake.boxes.texts(), QStringList{kUnstorableQuestion.arg(index + 1).arg(
                                             QStringLiteral("Mo Sport \u2192 Halle \u0151"))});
        QCOMPARE(rig.dataFileLines(), before);
        rig.fake.boxes.answer(MessageAnswer::Yes);
        QVERIFY(editor.C_MItem_speichernClick());
        QCOMPARE(rig.dataFileLines().at(static_cast<std::size_t>(index)), std::string("Mo Sport ? Halle ?"));
    }

    void reloadAsksOnlyAfterChanges()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        item(editor, EditorCommand::C_MItem_letzte_Version_laden)->trigger();
        QCOMPARE(rig.fake.boxes.texts(), QStringList{kReloadedMessage});
        placeCaret(editor, lineOf(editor, kWeekly), 8);
        QTest::keyClicks(&editor.text(), QStringLiteral("!"));
        const QStringList typed = editorLines(editor);
        rig.fake.boxes.answer(MessageAnswer::No);
        rig.fake.beeper.played.clear();
        item(editor, EditorCommand::C_MItem_letzte_Version_laden)->trigger();
        QCOMPARE(editorLines(editor), typed);
        QCOMPARE(rig.fake.beeper.played, QList<SystemSound>{SystemSound::Warning});
        rig.fake.boxes.answer(MessageAnswer::Yes);
        item(editor, EditorCommand::C_MItem_letzte_Version_laden)->trigger();
        QCOMPARE(editorLines(editor), sampleFile());
        QCOMPARE(rig.fake.boxes.texts().last(), kReloadedMessage);
        QVERIFY(!item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
    }

    void newFileReplacesTheTextOnlyAfterYes()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        const Lines before = rig.dataFileLines();
        TC_FORM_Editor& editor = rig.open();
        rig.fake.boxes.answer(MessageAnswer::No);
        item(editor, EditorCommand::C_MItem_Neu_erstellen)->trigger();
        QCOMPARE(editorLines(editor), sampleFile());
        rig.fake.boxes.answer(MessageAnswer::Yes);
        item(editor, EditorCommand::C_MItem_Neu_erstellen)->trigger();
        QCOMPARE(editorLines(editor).size(), 124);
        QVERIFY(item(editor, EditorCommand::C_MItem_speichern)->isEnabled());
        QVERIFY(!item(editor, EditorCommand::C_MItem_Rueckgaengig)->isEnabled());
        QCOMPARE(tabs(editor)->currentIndex(), 1);
        QCOMPARE(rig.dataFileLines(), before); // nothing written until saved
        QVERIFY(!rig.backupExists());
    }

    void missingFileAnsweredNoLeavesNothingToEdit()
    {
        EditorRig rig;
        rig.fake.boxes.answer(MessageAnswer::No);
        TC_FORM_Editor& editor = rig.open();
        QVERIFY(!editor.fileLoaded());
        QCOMPARE(editorLines(editor).size(), 2);
        QVERIFY(!child<QPushButton>(editor, "C_PSBT_neu")->isEnabled());
        QVERIFY(!item(editor, EditorCommand::C_MItem_Sortieren)->isEnabled());
        QVERIFY(editor.close());
        QVERIFY(!rig.state().editorSaved());
    }

    // The text's copy of lines for the block rules follows every kind of edit.
    void linesFollowEveryEdit()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        EditorTextControl& text = editor.text();
        const auto same = [&] {
            QStringList mirrored;
            for (const std::string& line : editor.lines())
                mirrored << fromCp1252(line);
            QCOMPARE(mirrored, editorLines(editor));
        };
        placeCaret(editor, 13, 0);
        QTest::keyClicks(&text, QStringLiteral("ab"));
        same();
        QTest::keyClick(&text, Qt::Key_Return);
        same();
        QApplication::clipboard()->setText(QStringLiteral("x\ny\nz"));
        text.paste();
        same();
        QTextCursor across(text.document()->findBlockByNumber(14));
        across.setPosition(text.document()->findBlockByNumber(20).position() + 2, QTextCursor::KeepAnchor);
        text.setTextCursor(across);
        QTest::keyClick(&text, Qt::Key_Delete);
        same();
        text.undo();
        same();
        text.undo();
        same();
        text.moveCursor(QTextCursor::End);
        QTest::keyClick(&text, Qt::Key_Return);
        same();
    }

    void buttonBarOffGivesItsHeightToTheText()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        editor.resize(800, 600);
        auto* page = tabs(editor)->parentWidget();
        const int before = page->height();
        QCOMPARE(child<QGroupBox>(editor, "C_GRBX_PSBT")->height(), 41);
        item(editor, EditorCommand::C_MItem_Schaltflaechenleiste)->trigger();
        QCOMPARE(child<QGroupBox>(editor, "C_GRBX_PSBT")->height(), 0);
        QCOMPARE(page->height(), before + 41);
        QVERIFY(!rig.state().settings().editorView.buttonBar);
        item(editor, EditorCommand::C_MItem_Kalender)->trigger();
        QCOMPARE(page->width(), editor.centralWidget()->width());
        QVERIFY(!rig.state().settings().calendar.shown);
    }

    void tabHints()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        TC_FORM_Editor& editor = rig.open();
        QHelpEvent hover(QEvent::ToolTip, tabs(editor)->tabRect(14).center(), QPoint());
        QApplication::sendEvent(tabs(editor), &hover);
        QCOMPARE(tabs(editor)->toolTip(), QStringLiteral("Die Termindatei auf Fehler \u00FCberpr\u00FCfen."));
    }

    void minimisingTheEditorMinimisesTheProgram()
    {
        EditorRig rig;
        rig.writeDataFile(sampleFile());
        QWidget owner;
        owner.show();
        TC_FORM_Editor editor(rig.fake.desktop(), rig.state(), &owner);
        editor.FormShow();
        editor.show();
        editor.setWindowState(Qt::WindowMinimized);
        QVERIFY(owner.isMinimized());
    }
};

NOTAVI_GUI_TEST_MAIN(TestEditor)
#include "tst_tc_form_editor.moc"
