// The backup commands: making a backup from the editor, restoring one into it, and the main
// window's loading of notavi.bak.

#include "core/model/backup_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"
#include "gui/platform/text_insertion.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QTest>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;
using notavi::test::readBytes;
using notavi::test::writeBytes;

namespace {

const QString kWeekly = QStringLiteral("Mo Sport");

QString pathText(const Path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

class TestBackups : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void restoreRefusesTheDataFileInAnyLetterCase()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {kWeekly}}}));
        TC_FORM_Editor& editor = rig.open();
        const Lines before = rig.dataFileLines();
        rig.fake.dialogs.files.push_back(pathText(rig.folder() / "NOTAVI.DAT"));
        editor.action(EditorCommand::C_MItem_SicherungWiederherstellen)->trigger();
        QCOMPARE(rig.fake.boxes.texts(), QStringList{boxText(kRestoreFromItselfMessage)});
        QCOMPARE(rig.dataFileLines(), before);
        QCOMPARE(rig.fake.dialogs.asked, QStringList{fromCp1252(kRestoreBackupTitle)});
    }

    void restoreReplacesUnsavedChangesAndRemembersTheFile()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {kWeekly}}}));
        const Path backup = rig.folder() / "alt.dat";
        const QStringList older = fileWith({{BlockKind::Weekly, {QStringLiteral("Di Chor")}}});
        Lines olderLines;
        for (const QString& line : older)
            olderLines.push_back(toCp1252(line));
        writeBytes(backup, joinLines(olderLines));
        TC_FORM_Editor& editor = rig.open();
        insertAsOneEdit(editor.text(), QStringLiteral("ungespeichert\n"));
        rig.fake.dialogs.files.push_back(pathText(backup));
        editor.action(EditorCommand::C_MItem_SicherungWiederherstellen)->trigger();
        QCOMPARE(rig.fake.boxes.texts(), QStringList{boxText(kRestoredMessage)});
        QCOMPARE(rig.dataFileLines(), olderLines);
        QVERIFY(editorLines(editor).contains(QStringLiteral("Di Chor")));
        QVERIFY(!editorLines(editor).contains(QStringLiteral("ungespeichert")));
        QVERIFY(!editor.text().document()->isModified());
        QCOMPARE(rig.state().settings().backup.path, backup.string());
    }

    void backupOfAModifiedTextSavesFirstSoBothFilesAreEqual()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {kWeekly}}}));
        TC_FORM_Editor& editor = rig.open();
        insertAsOneEdit(editor.text(), QStringLiteral("Mi Schwimmen\n"));
        const Path backup = rig.folder() / "sicherung"; // the default extension is added
        rig.fake.dialogs.files.push_back(pathText(backup));
        editor.action(EditorCommand::C_MItem_SicherungErstellen)->trigger();
        QVERIFY(rig.fake.boxes.shown.isEmpty());
        QVERIFY(!editor.text().document()->isModified());
        const std::string written = readBytes(rig.folder() / "sicherung.dat");
        QCOMPARE(written, readBytes(rig.folder() / "notavi.dat"));
        QVERIFY(written.find("Mi Schwimmen") != std::string::npos);
        QCOMPARE(rig.state().settings().backup.path, (rig.folder() / "sicherung.dat").string());
    }

    void aFailedBackupIsReportedAndLeavesTheBackupPath()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {kWeekly}}}));
        TC_FORM_Editor& editor = rig.open();
        const std::string before = rig.state().settings().backup.path;
        rig.fake.dialogs.files.push_back(pathText(rig.folder() / "fehlt" / "sicherung.dat"));
        editor.action(EditorCommand::C_MItem_SicherungErstellen)->trigger();
        QCOMPARE(rig.fake.boxes.texts(), QStringList{boxText(kBackupCopyFailedMessage)});
        QCOMPARE(rig.fake.boxes.shown.front().kind, MessageKind::Error);
        rig.state().loadSettings(SettingsSection::Backup);
        QCOMPARE(rig.state().settings().backup.path, before);
    }

    void loadingTheBackupFileTwiceEqualsOnce()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("So Neu")}}}));
        Lines older;
        for (const QString& line : fileWith({{BlockKind::Weekly, {QStringLiteral("So Alt")}}}))
            older.push_back(toCp1252(line));
        writeBytes(rig.folder() / "notavi.bak", joinLines(older));
        TC_FORM_Haupt& window = rig.start();
        for (int round = 0; round < 2; ++round) {
            rig.fake.boxes.answer(MessageAnswer::Yes);
            window.action(Command::C_MItem_Sicherungsdateiladen)->trigger();
            QCOMPARE(rig.dataFileLines(), older);
            QCOMPARE(splitLines(readBytes(rig.folder() / "notavi.bak")), older);
            QVERIFY(viewLines(window).join(QLatin1Char('\n')).contains(QStringLiteral("Alt")));
        }
        QCOMPARE(rig.fake.boxes.texts(), QStringList(2, boxText(kLoadBackupQuestion)));
    }

    void answeringNoKeepsTheDataFile()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("So Neu")}}}));
        writeBytes(rig.folder() / "notavi.bak", "alt\r\n");
        TC_FORM_Haupt& window = rig.start();
        const Lines before = rig.dataFileLines();
        rig.fake.boxes.answer(MessageAnswer::No);
        window.action(Command::C_MItem_Sicherungsdateiladen)->trigger();
        QCOMPARE(rig.dataFileLines(), before);
    }
};

NOTAVI_GUI_TEST_MAIN(TestBackups)
#include "tst_editor_backups.moc"
