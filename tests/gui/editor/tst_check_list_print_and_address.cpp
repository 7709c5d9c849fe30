// The check list in place of the text: printing prints its entries, and Alt+click on an entry opens
// the web address of the line the entry points to.

#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "support/editor_rig.h"
#include "support/gui_test_main.h"

#include <QAction>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const QString kQuestion = QStringLiteral("Soll Notavi folgende URL im Standardbrowser \u00F6ffnen?\n\n");
const QString kNoAddress =
    QStringLiteral("In der aktuellen Zeile konnte keine Internetadresse gefunden werden.");

QString withoutSpace(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// The text of a PDF file as pdftotext reads it, without any white space: long entries wrap, at a
// blank or after a ";".
QString pdfText(const QString& pdf)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!reader.waitForFinished(30000))
        return {};
    return withoutSpace(QString::fromUtf8(reader.readAllStandardOutput()));
}

QListWidgetItem* entryEndingWith(TC_FORM_Editor& editor, const QString& end)
{
    const QList<QListWidgetItem*> found = editor.checkList().list().findItems(end, Qt::MatchEndsWith);
    return found.isEmpty() ? nullptr : found.front();
}

void altClick(TC_FORM_Editor& editor, QListWidgetItem* entry)
{
    QListWidget& list = editor.checkList().list();
    const QPoint at = entry ? list.visualItemRect(entry).center() : QPoint(5, list.viewport()->height() - 5);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::AltModifier, at);
}

} // namespace

class TestCheckListPrintAndAddress : public QObject
{
    Q_OBJECT

  private Q_SLOTS:

    void printsTheEntriesNotTheFile()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        EditorRig rig;
        rig.writeDataFile(
            fileWith({{BlockKind::Birthdays,
                       {QStringLiteral("01.01.1990 Bernd"), QStringLiteral("32.01.1990 Jörg")}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_Pruefliste)->trigger();
        QListWidget& list = editor.checkList().list();
        QVERIFY(list.count() >= 1);
        const QString pdf = QString::fromStdString((rig.folder() / "pruefliste.pdf").string());
        rig.fake.dialogs.pdfFile = pdf;
        editor.action(EditorCommand::C_MItem_Drucken)->trigger();

        QCOMPARE(rig.fake.dialogs.asked, QStringList{QStringLiteral("Pr\u00FCfliste")});
        const QString printed = pdfText(pdf);
        for (int row = 0; row < list.count(); ++row)
            QVERIFY2(printed.contains(withoutSpace(list.item(row)->text())), qPrintable(printed));
        QVERIFY(printed.contains(QStringLiteral("32.01.1990Jörg")));
        QVERIFY2(!printed.contains(QStringLiteral("Bernd")), "the appointment file was printed");
        QVERIFY(editor.checkList().shown());
    }

    void printsTheTextOnceTheListIsLeft()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        EditorRig rig;
        rig.writeDataFile(fileWith({{BlockKind::Birthdays, {QStringLiteral("01.01.1990 Bernd")}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.action(EditorCommand::C_MItem_Pruefliste)->trigger();
        editor.C_TC_TerminblockChange(1);
        const QString pdf = QString::fromStdString((rig.folder() / "text.pdf").string());
        rig.fake.dialogs.pdfFile = pdf;
        editor.action(EditorCommand::C_MItem_Drucken)->trigger();
        QCOMPARE(rig.fake.dialogs.asked, QStringList{QStringLiteral("Notavi.dat")});
        const QString printed = pdfText(pdf);
        QVERIFY(printed.contains(QStringLiteral("01.01.1990Bernd")));
        QVERIFY(!printed.contains(QStringLiteral("keineformalenFehler")));
    }

    void altClickOpensTheAddressOfTheEntrysLine_data()
    {
        QTest::addColumn<bool>("onFaultyLine"); // else on the entry of an error-free file
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("opened"); // empty: nothing opened
        const QString asked = kQuestion + QStringLiteral("www.anna.de/fest");
        QTest::newRow("asked and confirmed")
            << true << true << QStringList{asked} << QStringLiteral("http://www.anna.de/fest");
        QTest::newRow("asked and refused") << true << false << QStringList{asked} << QString();
        QTest::newRow("entry without a line") << false << true << QStringList{kNoAddress} << QString();
    }

    void altClickOpensTheAddressOfTheEntrysLine()
    {
        QFETCH(bool, onFaultyLine);
        QFETCH(bool, confirm);
        QFETCH(QStringList, boxes);
        QFETCH(QString, opened);
        EditorRig rig;
        const QString line = onFaultyLine ? QStringLiteral("32.01.1990 Anna www.anna.de/fest Feier")
                                          : QStringLiteral("01.01.1990 Anna www.anna.de/fest");
        rig.writeDataFile(fileWith({{BlockKind::Birthdays, {line}}}));
        TC_FORM_Editor& editor = rig.open();
        editor.setUrlQuestionChecked(true);
        editor.action(EditorCommand::C_MItem_Pruefliste)->trigger();
        const int number = static_cast<int>(editorLines(editor).indexOf(line)) + 1;
        QListWidgetItem* entry = onFaultyLine ? entryEndingWith(editor, QStringLiteral(";%1)").arg(number))
                                              : editor.checkList().list().item(0);
        QVERIFY(entry);
        rig.fake.boxes.answer(confirm ? MessageAnswer::Yes : MessageAnswer::No);
        altClick(editor, entry);

        QCOMPARE(rig.fake.boxes.texts(), boxes);
        QCOMPARE(rig.fake.shell.urls.size(), qsizetype(opened.isEmpty() ? 0 : 1));
        if (!opened.isEmpty())
            QCOMPARE(rig.fake.shell.urls.front().toString(), opened);
        QVERIFY(editor.checkList().shown()); // the click is no jump
        QCOMPARE(editor.checkList().selectedEntry(), entry->text());
    }
};

NOTAVI_GUI_TEST_MAIN(TestCheckListPrintAndAddress)
#include "tst_check_list_print_and_address.moc"
