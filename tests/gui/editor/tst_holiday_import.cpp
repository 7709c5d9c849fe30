// The school-holiday import of the editor and of the main window, and the mail asking for the
// holiday file.

#include "core/editor/holiday_import_messages.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"
#include "support/temp_dir.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;
using notavi::test::writeBytes;

namespace {

const QString kOldHoliday = QStringLiteral("01.07.2025-10.08.2025 Sommerferien");
const QString kAutumn = QStringLiteral("20.10.2025-01.11.2025 Herbstferien");
const QString kChristmas = QStringLiteral("22.12.2025-02.01.2026 Weihnachtsferien");

// A holiday file with two states; Berlin's holidays are autumn and Christmas.
Path writeHolidayFile(const Path& folder)
{
    const Path file = folder / "ferien.fer";
    writeBytes(file, "2025/2026\r\nBayern\r\n03.11.2025-07.11.2025 Herbstferien\r\n\r\nBerlin\r\n" +
                         toCp1252(kAutumn) + "\r\n" + toCp1252(kChristmas) + "\r\n");
    return file;
}

// The options dialog answers with the state and the naming option; the caption is recorded.
void answerOptions(TC_Form_Eingabe& dialog, const QString& state, bool withStateName, QStringList& captions)
{
    dialog.setRunModal([&dialog, state, withStateName, &captions] {
        captions << dialog.windowTitle();
        auto* states = dialog.findChild<QComboBox*>(QStringLiteral("C_CMBX_Bundesland"));
        states->setCurrentIndex(states->findText(state));
        const QList<QRadioButton*> radios = dialog.findChildren<QRadioButton*>();
        for (QRadioButton* radio : radios)
            if (radio->text().contains(withStateName ? QStringLiteral("in &Bundesland")
                                                     : QStringLiteral("&Nur der")))
                radio->setChecked(true);
        return int(QDialog::Accepted);
    });
}

QString fileName(const Path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

class TestHolidayImport : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void editorImportsBelowTheHeaderAsOneEditAndOffersDeletion()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::SchoolHolidays, {kOldHoliday}}}));
        const Path holidays = writeHolidayFile(rig.folder());
        TC_FORM_Editor& editor = rig.open();
        QStringList captions;
        answerOptions(*editor.findChild<TC_Form_Eingabe*>(), QStringLiteral("Berlin"), true, captions);
        rig.fake.dialogs.files.push_back(fileName(holidays));
        rig.fake.boxes.answer(MessageAnswer::Yes); // delete the holiday file
        editor.action(EditorCommand::C_MItem_FerienImportieren)->trigger();

        QCOMPARE(rig.fake.dialogs.asked, QStringList{QStringLiteral("Ferientermine aus Datei einlesen")});
        QCOMPARE(captions,
                 QStringList{QStringLiteral("Ferien f\u00FCr das Schuljahr 2025/2026 importieren")});
        const QStringList lines = editorLines(editor);
        const int old = static_cast<int>(lines.indexOf(kOldHoliday));
        QCOMPARE(lines.mid(old - 2, 3),
                 (QStringList{kAutumn + QStringLiteral(" in Berlin"),
                              kChristmas + QStringLiteral(" in Berlin"), kOldHoliday}));
        QCOMPARE(rig.fake.boxes.texts(), (QStringList{boxText(holidaysAddedInEditorQuestion(2, "ferien.fer")),
                                                      boxText(holidayFileDeletedMessage("ferien.fer"))}));
        QVERIFY(!std::filesystem::exists(holidays));
        QVERIFY(editor.text().document()->isModified());
        editor.text().undo();
        QVERIFY(!editorLines(editor).contains(kAutumn + QStringLiteral(" in Berlin")));
        QVERIFY(editorLines(editor).contains(kOldHoliday));
        rig.state().loadSettings(SettingsSection::HolidayImport);
        QCOMPARE(rig.state().settings().holidayImport.withStateName, true);
    }

    void importingTheSameStateTwiceImportsNothing()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::SchoolHolidays, {kAutumn, kChristmas}}}));
        const Path holidays = writeHolidayFile(rig.folder());
        TC_FORM_Editor& editor = rig.open();
        QStringList captions;
        answerOptions(*editor.findChild<TC_Form_Eingabe*>(), QStringLiteral("Berlin"), false, captions);
        rig.fake.dialogs.files.push_back(fileName(holidays));
        for (int box = 0; box < 2; ++box)
            rig.fake.boxes.answer(MessageAnswer::Yes); // read on after each duplicate
        rig.fake.boxes.answer(MessageAnswer::No);      // keep the holiday file
        const QStringList before = editorLines(editor);
        editor.action(EditorCommand::C_MItem_FerienImportieren)->trigger();
        QCOMPARE(rig.fake.boxes.texts(), (QStringList{boxText(duplicateHolidayQuestion(toCp1252(kAutumn))),
                                                      boxText(duplicateHolidayQuestion(toCp1252(kChristmas))),
                                                      boxText(noHolidaysImportedQuestion("ferien.fer"))}));
        QCOMPARE(editorLines(editor), before);
        QVERIFY(!editor.text().document()->isModified());
        QVERIFY(std::filesystem::exists(holidays));
    }

    void mainWindowWritesTheNewListAndShowsIt()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::SchoolHolidays, {kOldHoliday}}}));
        const Path holidays = writeHolidayFile(rig.folder());
        TC_FORM_Haupt& window = rig.start();
        QStringList captions;
        answerOptions(window.inputDialog(), QStringLiteral("Berlin"), false, captions);
        rig.fake.dialogs.files.push_back(fileName(holidays));
        rig.fake.boxes.answer(MessageAnswer::No); // keep the holiday file
        window.action(Command::C_MItem_FerienImportieren)->trigger();

        QCOMPARE(rig.fake.boxes.texts(), QStringList{boxText(holidaysSavedQuestion(2, "ferien.fer"))});
        const Lines written = rig.dataFileLines();
        const auto old = std::ranges::find(written, toCp1252(kOldHoliday));
        QVERIFY(old != written.end());
        QCOMPARE(*(old - 2), toCp1252(kAutumn));
        QCOMPARE(*(old - 1), toCp1252(kChristmas));
        QCOMPARE(window.lines(), written);
        QVERIFY(std::filesystem::exists(holidays));
    }

    void theMailRequestGoesThroughTheShell()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({}));
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_FerienAnfordern)->trigger();
        QCOMPARE(rig.fake.shell.urls.size(), qsizetype(1));
        QCOMPARE(rig.fake.shell.urls.front().scheme(), QStringLiteral("mailto"));
        QVERIFY(
            rig.fake.shell.urls.front().toString().contains(QStringLiteral("Anforderung der Feriendatei")));
    }
};

NOTAVI_GUI_TEST_MAIN(TestHolidayImport)
#include "tst_holiday_import.moc"
