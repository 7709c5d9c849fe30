// Opening the web address of the caret's line, and printing the editor's text and the view.

#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"
#include "support/temp_dir.h"

#include <QAction>
#include <QFile>
#include <QTabBar>
#include <QTest>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const QString kQuestion = QStringLiteral("Soll Notavi folgende URL im Standardbrowser \u00F6ffnen?\n\n");
const QString kNoAddress =
    QStringLiteral("In der aktuellen Zeile konnte keine Internetadresse gefunden werden.");

void placeCaretOn(TC_FORM_Editor& editor, const QString& line)
{
    const int number = static_cast<int>(editorLines(editor).indexOf(line));
    QVERIFY(number >= 0);
    editor.text().moveCaretToLine(number);
}

QByteArray fileStart(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(4);
}

} // namespace

class TestWebAddressAndPrint : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void editorOpensTheAddressOfTheCaretLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("ask");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("opened"); // empty: nothing opened
        QTest::addColumn<QStringList>("boxes");
        const QString inWords = QStringLiteral("Mo Kurs siehe www.verein.de/kurs und mehr");
        QTest::newRow("www in the middle, asked and confirmed")
            << inWords << true << true << QStringLiteral("http://www.verein.de/kurs")
            << QStringList{kQuestion + QStringLiteral("www.verein.de/kurs")};
        QTest::newRow("asked and refused") << inWords << true << false << QString()
                                           << QStringList{kQuestion + QStringLiteral("www.verein.de/kurs")};
        QTest::newRow("quoted at the end, without asking")
            << QStringLiteral("Di Plan \"https://example.org/plan\"") << false << true
            << QStringLiteral("https://example.org/plan") << QStringList{};
        QTest::newRow("no address") << QStringLiteral("Mi Chor") << false << true << QString()
                                    << QStringList{kNoAddress};
    }

    void editorOpensTheAddressOfTheCaretLine()
    {
        QFETCH(QString, line);
        QFETCH(bool, ask);
        QFETCH(bool, confirm);
        QFETCH(QString, opened);
        QFETCH(QStringList, boxes);
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {line}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.setUrlQuestionChecked(ask);
        placeCaretOn(editor, line);
        rig.fake.boxes.answer(confirm ? MessageAnswer::Yes : MessageAnswer::No);
        editor.action(EditorCommand::C_MItem_URL)->trigger();
        QCOMPARE(rig.fake.boxes.texts(), boxes);
        QCOMPARE(rig.fake.shell.urls.size(), qsizetype(opened.isEmpty() ? 0 : 1));
        if (!opened.isEmpty())
            QCOMPARE(rig.fake.shell.urls.front().toString(), opened);
    }

    void theViewRefusesAddressesWhileLinesWrap()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("So www.verein.de")}}}));
        TC_FORM_Haupt& window = rig.start();
        window.action(Command::C_MItem_Zeilenumbruch)->trigger();
        window.action(Command::C_MItem_URL)->trigger();
        QCOMPARE(rig.fake.boxes.shown.size(), qsizetype(1));
        QVERIFY(rig.fake.boxes.shown.front().text.startsWith(QStringLiteral("Solange der Zeilenumbruch")));
        QVERIFY(rig.fake.shell.urls.isEmpty());
    }

    void editorPrintsItsTextToPdf()
    {
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("Mo Sport")}}}));
        TC_FORM_Editor& editor = rig.open();
        const QString pdf = QString::fromStdString((rig.folder() / "termine.pdf").string());
        editor.action(EditorCommand::C_MItem_Drucken)->trigger(); // cancelled: no file
        QVERIFY(!QFile::exists(pdf));
        rig.fake.dialogs.pdfFile = pdf;
        editor.action(EditorCommand::C_MItem_Drucken)->trigger();
        QCOMPARE(rig.fake.dialogs.asked,
                 (QStringList{QStringLiteral("Notavi.dat"), QStringLiteral("Notavi.dat")}));
        QCOMPARE(fileStart(pdf), QByteArray("%PDF"));
        QVERIFY(!editor.text().document()->isModified());
    }

    void theViewPrintsWithItsTabCaptionAsTitle()
    {
        MainWindowRig rig("15.06.2025");
        rig.writeDataFile(fileWith({{BlockKind::Weekly, {QStringLiteral("So Chor")}}}));
        TC_FORM_Haupt& window = rig.start();
        const QString pdf = QString::fromStdString((rig.folder() / "ansicht.pdf").string());
        rig.fake.dialogs.pdfFile = pdf;
        window.action(Command::C_MItem_Drucken)->trigger();
        auto* tabs = window.findChild<QTabBar*>(QStringLiteral("C_TC_Terminart"));
        QCOMPARE(rig.fake.dialogs.asked,
                 QStringList{tabs->tabText(tabs->currentIndex()).remove(QLatin1Char('&'))});
        QCOMPARE(fileStart(pdf), QByteArray("%PDF"));
    }
};

NOTAVI_GUI_TEST_MAIN(TestWebAddressAndPrint)
#include "tst_web_address_and_print.moc"
