// Opening the web address of the caret's line (or, by Alt+click on the check list, of the selected
// entry, which quotes its line), and printing the editor's text, its check list and the view.

#include "gui/app/document_printing.h"
#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "support/editor_rig.h"
#include "support/fake_desktop.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"
#include "support/temp_dir.h"

#include <cmath>

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>

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

// The words of a PDF file with the left and top edge of each, in points. A line that goes on to the
// next page is also drawn below the printable area of its first page, where the page clips it away:
// only words that end above the bottom margin (12 points) count.
struct PrintedWord
{
    QString text;
    int page = 0;
    double left = 0;
    double top = 0;
};

QList<PrintedWord> pdfWords(const QString& pdf)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!reader.waitForFinished(30000))
        return {};
    const QRegularExpression pageTag(QStringLiteral("<page width=\"[\\d.]+\" height=\"([\\d.]+)\""));
    const QRegularExpression word(QString::fromLatin1(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">([^<]*)</word>)re"));
    constexpr double kBottomMargin = 12;
    QList<PrintedWord> words;
    int page = 0;
    double printableBottom = 0;
    for (const QString& line : QString::fromUtf8(reader.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (const QRegularExpressionMatch tag = pageTag.match(line); tag.hasMatch()) {
            ++page;
            printableBottom = tag.captured(1).toDouble() - kBottomMargin;
        }
        const QRegularExpressionMatch match = word.match(line);
        if (match.hasMatch() && match.captured(3).toDouble() <= printableBottom + 0.5)
            words.append(
                {match.captured(4), page, match.captured(1).toDouble(), match.captured(2).toDouble()});
    }
    return words;
}

QListWidgetItem* entryEndingWith(TC_FORM_Editor& editor, const QString& end)
{
    const QList<QListWidgetItem*> found = editor.checkList().list().findItems(end, Qt::MatchEndsWith);
    return found.isEmpty() ? nullptr : found.front();
}

void altClick(TC_FORM_Editor& editor, QListWidgetItem* entry)
{
    QListWidget& list = editor.checkList().list();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::AltModifier, list.visualItemRect(entry).center());
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

    // --- the check list ----------------------------------------------------------------------

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

    // The text begins at the page's margin of 250 printer units (15 points on the PDF printer's
    // 1,200 dpi), and the pages carry nothing but the text: no page numbers.
    void printedPagesHaveTheirMarginsAndNoPageNumbers()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the printed PDF cannot be read back");
        notavi::test::TempDir folder;
        const QString pdf = QString::fromStdString((folder.path() / "seiten.pdf").string());
        FakeDesktop desktop(toDayNumber(2025, 6, 15));
        desktop.dialogs.pdfFile = pdf;
        QStringList lines;
        for (int line = 0; line < 150; ++line)
            lines << QStringLiteral("Zeile");
        const QTextDocument text(lines.join(QLatin1Char('\n')));
        QVERIFY(printDocument(nullptr, desktop.desktop(), text, QStringLiteral("Seiten")));
        const QList<PrintedWord> words = pdfWords(pdf);
        QCOMPARE(words.size(), 150);
        QVERIFY(words.back().page >= 2);
        for (const PrintedWord& word : words) {
            QCOMPARE(word.text, QStringLiteral("Zeile"));
            QVERIFY2(std::abs(word.left - 15) < 2, qPrintable(QString::number(word.left)));
        }
        QVERIFY2(words.front().top > 14 && words.front().top < 20,
                 qPrintable(QString::number(words.front().top)));
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

    void altClickOpensTheAddressInTheEntry_data()
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

    void altClickOpensTheAddressInTheEntry()
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

NOTAVI_GUI_TEST_MAIN(TestWebAddressAndPrint)
#include "tst_web_address_and_print.moc"
