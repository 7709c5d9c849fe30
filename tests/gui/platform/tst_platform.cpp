// The desktop seams: dialog placement and colours, conversions, the line error box and the German
// message boxes.

#include "gui/app/box_line_error_sink.h"
#include "gui/platform/caret_line.h"
#include "gui/platform/colours.h"
#include "gui/platform/dialog_look.h"
#include "gui/platform/font_colour_dialog.h"
#include "gui/platform/qt_message_boxes.h"
#include "gui/platform/settings_conversion.h"
#include "gui/platform/shell_reports.h"
#include "gui/platform/text_conversion.h"
#include "support/fake_desktop.h"
#include "support/gui_test_main.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

class TestPlatform : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void dialogsAreCentredAndKeptOnTheScreen_data();
    void dialogsAreCentredAndKeptOnTheScreen();
    void dialogColoursFollowTheViewOrTheDesktop();
    void textCrossesTheEdgeInWindows1252();
    void dayNumbersAndQDateAgree_data();
    void dayNumbersAndQDateAgree();
    void settingsColoursBecomeQtColours();
    void lineErrorBoxIsSilencedByAbbrechen();
    void messageBoxSpeaksGermanAfterTheBeep_data();
    void messageBoxSpeaksGermanAfterTheBeep();
    void textFileNoEditorTakesIsReported();
    void caretLineIsTheLastSelectedLine_data();
    void caretLineIsTheLastSelectedLine();
    void theFontDialogOffersTheTextColour();
};

void TestPlatform::dialogsAreCentredAndKeptOnTheScreen_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("own");
    QTest::addColumn<QPoint>("expected");
    // On a screen of 1280 x 900.
    QTest::newRow("centred, half the difference truncated")
        << QRect(100, 100, 641, 481) << QSize(200, 100) << QPoint(320, 290);
    QTest::newRow("owner off the left and top")
        << QRect(-400, -300, 500, 400) << QSize(300, 200) << QPoint(0, 0);
    QTest::newRow("owner beyond the right and bottom")
        << QRect(1100, 800, 400, 300) << QSize(300, 200) << QPoint(980, 700);
    QTest::newRow("dialog larger than the screen")
        << QRect(0, 0, 640, 480) << QSize(1500, 1000) << QPoint(0, 0);
}

void TestPlatform::dialogsAreCentredAndKeptOnTheScreen()
{
    QFETCH(QRect, owner);
    QFETCH(QSize, own);
    QFETCH(QPoint, expected);
    QCOMPARE(centredPosition(owner, own, QRect(0, 0, 1280, 900)), expected);
}

void TestPlatform::dialogColoursFollowTheViewOrTheDesktop()
{
    QDialog dialog;
    applyDialogColours(&dialog, {true, QColor(0xFF, 0xFF, 0x00), QColor(0x00, 0x80, 0x00)});
    QCOMPARE(dialog.palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x00));
    QCOMPARE(dialog.palette().color(QPalette::WindowText), QColor(0x00, 0x80, 0x00));
    applyDialogColours(&dialog, {false, QColor(0xFF, 0xFF, 0x00), QColor(0x00, 0x80, 0x00)});
    QCOMPARE(dialog.palette().color(QPalette::Window), QApplication::palette().color(QPalette::Button));
    QCOMPARE(dialog.palette().color(QPalette::WindowText),
             QApplication::palette().color(QPalette::WindowText));
}

void TestPlatform::textCrossesTheEdgeInWindows1252()
{
    const std::string bytes = "Gr\xFC\xDF"
                              "e \x80";
    QCOMPARE(fromCp1252(bytes), QStringLiteral("Gr\u00FC\u00DFe \u20AC"));
    QCOMPARE(toCp1252(fromCp1252(bytes)), bytes);
    QCOMPARE(toCp1252(QStringLiteral("\u4E2D")), std::string("?"));
    QCOMPARE(boxText("eins\r\rzwei\r\ndrei"), QStringLiteral("eins\n\nzwei\ndrei"));
}

// Three lines "null", "eins", "zwei": positions 0-4 are line 0, 5-9 line 1, 10-13 line 2.
void TestPlatform::caretLineIsTheLastSelectedLine_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("line");
    QTest::newRow("caret only") << 7 << 7 << 1;
    QTest::newRow("within a line") << 5 << 8 << 1;
    QTest::newRow("down over two lines") << 2 << 8 << 1;
    QTest::newRow("up over two lines") << 8 << 2 << 1;
    QTest::newRow("whole line by Shift+Down") << 5 << 10 << 1;
    QTest::newRow("whole line upwards") << 10 << 5 << 1;
    QTest::newRow("two whole lines") << 0 << 10 << 1;
    QTest::newRow("up to the end of the text") << 6 << 14 << 2;
}

void TestPlatform::caretLineIsTheLastSelectedLine()
{
    QFETCH(int, anchor);
    QFETCH(int, position);
    QFETCH(int, line);
    QTextDocument document(QStringLiteral("null\neins\nzwei"));
    QTextCursor cursor(&document);
    cursor.setPosition(anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    QCOMPARE(caretLineOf(cursor), line);
}

// The fixed colours of appointment lines, and a colour of the text that is none of them kept as the
// first item.
void TestPlatform::theFontDialogOffersTheTextColour()
{
    FontColourDialog fixed(QFont(QStringLiteral("DejaVu Sans"), 11), colourOfCodeQt(3),
                           QStringLiteral("Schrift"));
    auto* colour = fixed.findChild<QComboBox*>(QStringLiteral("fontColour"));
    QVERIFY(colour);
    QCOMPARE(colour->count(), kColourCount);
    QCOMPARE(fixed.chosenColour(), colourOfCodeQt(3));
    QCOMPARE(fixed.chosenFont().pointSize(), 11);
    colour->setCurrentIndex(0);
    QCOMPARE(fixed.chosenColour(), colourOfCodeQt(1));

    FontColourDialog own(QFont(), QColor(1, 2, 3), QStringLiteral("Schrift"));
    colour = own.findChild<QComboBox*>(QStringLiteral("fontColour"));
    QCOMPARE(colour->count(), kColourCount + 1);
    QCOMPARE(colour->currentText(), QStringLiteral("Eigene Farbe"));
    QCOMPARE(own.chosenColour(), QColor(1, 2, 3));

    // A bold font of a generic family comes back bold.
    QFont bold(QStringLiteral("Sans Serif"), 10);
    bold.setBold(true);
    QVERIFY(FontColourDialog(bold, Qt::black, QStringLiteral("Schrift")).chosenFont().bold());
}

void TestPlatform::dayNumbersAndQDateAgree_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QDate>("date");
    QTest::newRow("day 0") << 0 << QDate(1899, 12, 30);
    QTest::newRow("01.01.1900") << 2 << QDate(1900, 1, 1);
    QTest::newRow("01.01.1970") << 25569 << QDate(1970, 1, 1);
    QTest::newRow("latest evaluation date") << 2958100 << QDate(9998, 12, 31);
    QTest::newRow("before day 0") << -1 << QDate(1899, 12, 29);
}

void TestPlatform::dayNumbersAndQDateAgree()
{
    QFETCH(int, day);
    QFETCH(QDate, date);
    QCOMPARE(toQDate(day), date);
    QCOMPARE(toDayNumber(date), day);
    QCOMPARE(toDayNumber(date), notavi::toDayNumber(date.year(), date.month(), date.day()));
}

void TestPlatform::settingsColoursBecomeQtColours()
{
    QCOMPARE(toQColor(kLightYellow), QColor(0xFF, 0xFF, 0xB0));
    QCOMPARE(toQColor(GuiColour(0x00FF0000)), QColor(0, 0, 0xFF)); // 0x00BBGGRR
    QCOMPARE(toQColor(kWindowTextColour), QApplication::palette().color(QPalette::Text));
    QCOMPARE(toQColor(kWindowColour), QApplication::palette().color(QPalette::Base));
    QCOMPARE(toGuiColour(QColor(0x12, 0x34, 0x56)), GuiColour(0x563412));
}

void TestPlatform::lineErrorBoxIsSilencedByAbbrechen()
{
    ScriptedMessageBoxes boxes;
    LineErrorState state = LineErrorState::Show;
    BoxLineErrorSink sink(boxes, state, nullptr);
    int stops = 0;
    sink.setBeforeReport([&stops] { ++stops; });
    const LineError error{"\"x\" ist falsch.", 4, false, "Einmalige Termine"};
    boxes.answer(MessageAnswer::Ok);
    sink.report(error);
    boxes.answer(MessageAnswer::Cancel);
    sink.report(error);
    sink.report(error);
    QCOMPARE(boxes.shown.size(), 2);
    QCOMPARE(stops, 3);
    QVERIFY(
        boxes.shown[0].text.contains(QStringLiteral("Bitte korrigieren Sie die Zeile 5 im Termineditor im "
                                                    "Terminblock Einmalige Termine.")));
    QCOMPARE(state, LineErrorState::Silenced);
    sink.setState(LineErrorState::Show);
    sink.report(error);
    QCOMPARE(boxes.shown.size(), 3);
}

void TestPlatform::messageBoxSpeaksGermanAfterTheBeep_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("answer");
    QTest::newRow("OK") << int(MessageButtons::Ok) << QStringList{"OK"} << "OK" << int(MessageAnswer::Ok);
    QTest::newRow("OK and Abbrechen") << int(MessageButtons::OkCancel) << QStringList{"OK", "Abbrechen"}
                                      << "Abbrechen" << int(MessageAnswer::Cancel);
    QTest::newRow("yes/no") << int(MessageButtons::YesNo) << QStringList{"Ja", "Nein"} << "Nein"
                            << int(MessageAnswer::No);
    QTest::newRow("yes/no/cancel") << int(MessageButtons::YesNoCancel)
                                   << QStringList{"Ja", "Nein", "Abbrechen"} << "Ja"
                                   << int(MessageAnswer::Yes);
    QTest::newRow("to all") << int(MessageButtons::YesNoNoToAllYesToAll)
                            << QStringList{"Ja", "Nein", QString::fromUtf8("Nein für alle"),
                                           QString::fromUtf8("Ja für alle")}
                            << QString::fromUtf8("Ja für alle") << int(MessageAnswer::YesToAll);
}

void TestPlatform::messageBoxSpeaksGermanAfterTheBeep()
{
    QFETCH(int, buttons);
    QFETCH(QStringList, captions);
    QFETCH(QString, press);
    QFETCH(int, answer);
    CountingBeeper beeper;
    QtMessageBoxes boxes(beeper);
    QStringList seen;
    int beepsBeforeShown = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        beepsBeforeShown = static_cast<int>(beeper.played.size());
        for (QAbstractButton* button : box->buttons())
            seen << button->text();
        for (QAbstractButton* button : box->buttons())
            if (button->text() == press)
                button->click();
    });
    const MessageAnswer result = boxes.show(nullptr, MessageKind::Warning, QStringLiteral("Achtung"),
                                            static_cast<MessageButtons>(buttons));
    QCOMPARE(int(result), answer);
    QCOMPARE(beepsBeforeShown, 1);
    seen.sort();
    captions.sort();
    QCOMPARE(seen, captions);
}

void TestPlatform::textFileNoEditorTakesIsReported()
{
    FakeDesktop fake(0);
    const QString path = QStringLiteral("/home/anna/Notavi/notavi.dat");
    QVERIFY(openTextFileOrReport(fake.desktop(), nullptr, path));
    QVERIFY(fake.boxes.shown.isEmpty());
    fake.shell.succeeds = false;
    QVERIFY(!openTextFileOrReport(fake.desktop(), nullptr, path));
    QCOMPARE(fake.shell.files, QStringList({path, path}));
    QCOMPARE(fake.boxes.shown.size(), 1);
    QCOMPARE(fake.boxes.shown[0].kind, MessageKind::Error);
    QCOMPARE(fake.boxes.shown[0].text,
             QStringLiteral("Die Datei %1 kann nicht im Texteditor ge\u00F6ffnet werden.\n\n"
                            "Bitte pr\u00FCfen sie, ob ein Texteditor als Standardprogramm f\u00FCr "
                            "Textdateien eingerichtet ist.")
                 .arg(QDir::toNativeSeparators(path)));
}

NOTAVI_GUI_TEST_MAIN(TestPlatform)
#include "tst_platform.moc"
