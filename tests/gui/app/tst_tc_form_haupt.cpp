// The main window on a temporary base folder: start-up, the view, moving through time, reload, the
// line error report and the state without a readable file.

#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/windows1252.h"
#include "gui/app/entry_view.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/dialogs/date_picker.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/text_conversion.h"
#include "support/gui_test_main.h"
#include "support/main_window_rig.h"
#include "support/temp_dir.h"

#include <filesystem>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const QString kNoComputedBlocks = QStringLiteral("[Terminblock]\r\nC_MItem_Ostern=0\r\nC_MItem_Advent=0\r\n"
                                                 "C_MItem_Feiertage=0\r\nC_MItem_Mondphasen=0\r\n");

QTabBar* tabs(TC_FORM_Haupt& window)
{
    return window.findChild<QTabBar*>(QStringLiteral("C_TC_Terminart"));
}

QAction* item(TC_FORM_Haupt& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

QStringList tabCaptionsOf(TC_FORM_Haupt& window)
{
    QStringList captions;
    for (int tab = 0; tab < tabs(window)->count(); ++tab)
        captions << tabs(window)->tabText(tab);
    return captions;
}

void showActive(TC_FORM_Haupt& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void firstStartWritesTheDefaultFile();
    void tabsCarryCaptionsAndHintsOfTheEvaluationDate();
    void commandsAreEnabledWithTheirShortcuts();
    void viewShowsOneColouredLinePerEntry();
    void lastFourWeeksViewStandsOnItsLastLine();
    void yearViewShowsAWaitingNoteWhileItIsComputed();
    void startingMinimisedHasTheViewReady();
    void ctrlYInTheMonthViewOn31JanuaryGoesToTheEndOfFebruary_data();
    void ctrlYInTheMonthViewOn31JanuaryGoesToTheEndOfFebruary();
    void datesMoveByTheRangeOfTheView_data();
    void datesMoveByTheRangeOfTheView();
    void enteredDateBecomesTheEvaluationDate();
    void reloadShowsAnExternalChange();
    void reloadAfterTheEditorCollectsTodaysAlarmsOutsideTheView();
    void lineErrorBoxAndAbbrechenSilenceUntilReload();
    void repairsAreWrittenBackAndTheMissingEndAnnounced();
    void unreadableFileLeavesTheWindowWithoutAppointments();
    void helpOpensTheDocumentOrSaysItIsMissing();
    void notepadOpensTheAppointmentFile();
    void closingStoresTheMainSection();
    void weekdayOptionIsSavedAndRecomputes();
    void allFiveTabsStayVisibleWhateverTheDate();
    void movesBeyondTheValidYearsAreRefused();
    void theLoadFailureIsToldOverTheShownWindow();
    void maximisingKeepsTheNormalPlaceForTheNextStart();
    void aPlaceFromALargerScreenFitsThisOne();
    void ctrlTabAndCtrlPageKeysSwitchTheTabs();
    void commandsAreReachedByTheirEnumerator();
    void anOversizedSettingsFileIsToldOnceAndKept();
    void aStoredCountdownQuitsAfterItsSeconds();
    void aClickIntoTheViewOrF12StopsTheCountdown_data();
    void aClickIntoTheViewOrF12StopsTheCountdown();
    void noCountdownStartsWithoutSeconds_data();
    void noCountdownStartsWithoutSeconds();
    void aCountdownSetInTheDialogMinimisesIntoTheTray();
    void minimisingGoesIntoTheTrayOnlyWhereItCan_data();
    void minimisingGoesIntoTheTrayOnlyWhereItCan();
    void settingThePeriodOffersTheAutomaticDeletion();
    // display options
    void ownColourBeatsBlockColourBeatsFontColour();
    void sillauDressesTheViewTheDialogsAndTheEditorsSections();
    void uncheckingAllFourPhasesUnchecksTheMoonItem();
    void blockSelectionIsTakenOverAndSavedOnlyWhenAsked_data();
    void blockSelectionIsTakenOverAndSavedOnlyWhenAsked();
    void togglingAnOptionWritesOnlyItsSection_data();
    void togglingAnOptionWritesOnlyItsSection();
    void afterAFontChangeTheCaretStaysOnItsEntry();
    void thePersonalColourBecomesTheBackground();
    void theWideCaretNarrowsWhileTextIsSelected();
    void theBarsHideFromTheirOwnMenus();
    void aWebAddressUnderWordWrapIsRefusedAfterTheBeep();
    void tooltipsFollowTheirSwitchAndDisplayTime();
    void theViewConsumesCtrlRAndHidesTooltipsOnMouseMoves();
};

void TestMainWindow::firstStartWritesTheDefaultFile()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    QVERIFY(window.fileLoaded());
    QCOMPARE(rig.dataFileLines(), defaultFile());
    QVERIFY(rig.fake.boxes.shown.isEmpty());
    // Only the computed blocks speak: the third Sunday of Advent falls into the week.
    QVERIFY(viewLines(window).contains(QStringLiteral("In 6 Tagen (Sonntag) ist der 3. Advent.")));
}

void TestMainWindow::tabsCarryCaptionsAndHintsOfTheEvaluationDate()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(tabCaptionsOf(window),
             QStringList({QStringLiteral("&H Montag, der 07.12.2026"),
                          QStringLiteral("&N 07.12.2026 - 03.01.2027"), QStringLiteral("&M Dezember 2026"),
                          QStringLiteral("&L 10.11.2026 - 07.12.2026"), QStringLiteral("&J 2026")}));
    QCOMPARE(tabs(window)->tabToolTip(0),
             QStringLiteral("Termine f\u00FCr heute und der n\u00E4chsten Woche."));
    QCOMPARE(tabs(window)->tabToolTip(4), QStringLiteral("Termine des aktuellen Jahrs."));
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi"));
    QCOMPARE(window.objectName(), QStringLiteral("TC_FORM_Haupt"));
}

void TestMainWindow::commandsAreEnabledWithTheirShortcuts()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    for (const char* name :
         {"C_MItem_neuladen", "C_MItem_Vor", "C_MItem_eingeben", "C_MItem_Info", "C_MItem_Ende",
          "C_MItem_Verstrichene", "C_KMItem_neuerTermin", "C_KMItem_TerminAendern"})
        QVERIFY2(item(window, name)->isEnabled(), name);
    // Nothing to stop and nothing searched yet.
    QVERIFY(!item(window, "C_MItem_TimerDeaktivieren")->isEnabled());
    QVERIFY(!item(window, "C_MItem_NaechstesSuchen")->isEnabled());
    for (const char* name : {"C_PSBT_neu", "C_PSBT_aendern", "C_PSBT_loeschen", "C_PSBT_Termineditor"})
        QVERIFY2(window.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled(), name);
    QVERIFY(window.findChild<QToolButton*>(QStringLiteral("C_TBu_neu"))->isEnabled());
    auto* today = window.findChild<QToolButton*>(QStringLiteral("C_TBu_Heute"));
    QVERIFY(today->isEnabled());
    QVERIFY(!today->icon().isNull());
    QCOMPARE(item(window, "C_MItem_Vor")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    QCOMPARE(item(window, "C_MItem_NotaviHilfe")->shortcut(), QKeySequence(Qt::Key_F1));
}

void TestMainWindow::viewShowsOneColouredLinePerEntry()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 ~05~ Zahnarzt", "10.12.2026 Elternabend"}},
                                {BlockKind::Weekly, {"Mi Chorprobe"}},
                                {BlockKind::Birthdays, {"09.12.1980 Anna"}}}));
    // Weekly appointments in green (code 3); the others without a block colour.
    rig.writeSettings(kNoComputedBlocks + QStringLiteral("[TBlockfarbe]\r\n2=3\r\n"));
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(viewLines(window),
             QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt"), QString(),
                          QStringLiteral("\u00DCbermorgen (Mittwoch) Chorprobe"),
                          QStringLiteral("\u00DCbermorgen (Mittwoch) wird Anna 46 Jahre alt."), QString(),
                          QStringLiteral("In 3 Tagen (Donnerstag) Elternabend")}));
    const QList<QColor> colours = viewLineColours(window);
    const QColor font = QApplication::palette().color(QPalette::Text);
    QCOMPARE(colours[0], QColor(0x00, 0x00, 0x80)); // its own colour code 5 wins
    QCOMPARE(colours[2], QColor(0x00, 0x80, 0x00)); // the weekly block's colour
    QCOMPARE(colours[3], font);                     // no colour at all: the view's font colour
    QCOMPARE(colours[5], font);
    QCOMPARE(window.entries().size(), std::size_t(6));
}

void TestMainWindow::lastFourWeeksViewStandsOnItsLastLine()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::Weekly, {"Mo Kegeln"}}}));
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    tabs(window)->setCurrentIndex(3);
    auto* view = window.findChild<QPlainTextEdit*>(QStringLiteral("C_RE_TerminAnzeige"));
    QCOMPARE(view->textCursor().block().text(), QStringLiteral("Am Montag, dem 07.12.2026 Kegeln"));
    QCOMPARE(view->textCursor().positionInBlock(), 0);
    QCOMPARE(window.entries().back().text(), toCp1252(QStringLiteral("Am Montag, dem 07.12.2026 Kegeln")));
}

void TestMainWindow::yearViewShowsAWaitingNoteWhileItIsComputed()
{
    MainWindowRig rig("07.12.2026");
    QStringList lines = fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}});
    lines << QStringLiteral("verirrte Zeile");
    rig.writeDataFile(lines);
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    // A line error box stops the evaluation half-way: what does the view show at that moment?
    QStringList shownMeanwhile;
    rig.fake.boxes.whileShown = [&] { shownMeanwhile = viewLines(window); };
    tabs(window)->setCurrentIndex(4);
    QCOMPARE(shownMeanwhile, QStringList({QStringLiteral("Ansicht wird aktualisiert."),
                                          QStringLiteral("Bitte einen Augenblick Geduld.")}));
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Am Dienstag, dem 08.12.2026 Zahnarzt")}));
}

void TestMainWindow::startingMinimisedHasTheViewReady()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}}));
    rig.writeSettings(kNoComputedBlocks + QStringLiteral("[Extras]\r\nC_MItem_MinimiertStarten=1\r\n"));
    TC_FORM_Haupt& window = rig.start();
    window.showAsStarted();
    QVERIFY(window.isMinimized());
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt")}));
}

void TestMainWindow::ctrlYInTheMonthViewOn31JanuaryGoesToTheEndOfFebruary_data()
{
    QTest::addColumn<QString>("today");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("caption");
    QTest::newRow("ordinary year") << "31.01.2027"
                                   << "28.02.2027"
                                   << "&M Februar 2027";
    QTest::newRow("leap year") << "31.01.2028"
                               << "29.02.2028"
                               << "&M Februar 2028";
}

void TestMainWindow::ctrlYInTheMonthViewOn31JanuaryGoesToTheEndOfFebruary()
{
    QFETCH(QString, today);
    QFETCH(QString, expected);
    QFETCH(QString, caption);
    MainWindowRig rig(today.toLatin1().constData());
    TC_FORM_Haupt& window = rig.start();
    showActive(window);
    tabs(window)->setCurrentIndex(2);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(window.evaluationDate(), day(expected.toLatin1().constData()));
    QCOMPARE(tabs(window)->tabText(2), caption);
}

void TestMainWindow::datesMoveByTheRangeOfTheView_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("back");
    // From 31.03.2027.
    QTest::newRow("week: 7 days") << 0 << "07.04.2027"
                                  << "24.03.2027";
    QTest::newRow("four weeks: 28 days") << 1 << "28.04.2027"
                                         << "03.03.2027";
    QTest::newRow("month: clipped to the month") << 2 << "30.04.2027"
                                                 << "28.02.2027";
    QTest::newRow("last four weeks: 28 days") << 3 << "28.04.2027"
                                              << "03.03.2027";
    QTest::newRow("year") << 4 << "31.03.2028"
                          << "31.03.2026";
}

void TestMainWindow::datesMoveByTheRangeOfTheView()
{
    QFETCH(int, tab);
    QFETCH(QString, forward);
    QFETCH(QString, back);
    MainWindowRig rig("31.03.2027");
    TC_FORM_Haupt& window = rig.start();
    tabs(window)->setCurrentIndex(tab);
    item(window, "C_MItem_Vor")->trigger();
    QCOMPARE(window.evaluationDate(), day(forward.toLatin1().constData()));
    item(window, "C_MItem_Rechnerdatum")->trigger();
    QCOMPARE(window.evaluationDate(), day("31.03.2027"));
    showActive(window);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(window.evaluationDate(), day(back.toLatin1().constData()));
    QTest::keyClick(&window, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(window.evaluationDate(), day("31.03.2027"));
}

void TestMainWindow::enteredDateBecomesTheEvaluationDate()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    TC_Form_Eingabe& input = window.inputDialog();
    input.setRunModal([&input] {
        DatePicker* picker = input.findChild<DatePicker*>(QStringLiteral("C_DTP_Datum"));
        if (picker->date() != QDate(2026, 12, 7))
            return int(QDialog::Rejected); // the preset is the evaluation date
        picker->setDate(QDate(2027, 5, 1));
        return int(QDialog::Accepted);
    });
    item(window, "C_MItem_eingeben")->trigger();
    QCOMPARE(window.evaluationDate(), day("01.05.2027"));
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("&H Samstag, der 01.05.2027"));

    input.setRunModal([] { return int(QDialog::Rejected); });
    item(window, "C_MItem_eingeben")->trigger();
    QCOMPARE(window.evaluationDate(), day("01.05.2027"));
}

void TestMainWindow::reloadShowsAnExternalChange()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}}));
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt")}));
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"09.12.2026 Friseur"}}}));
    item(window, "C_MItem_neuladen")->trigger();
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("\u00DCbermorgen (Mittwoch) Friseur")}));
}

void TestMainWindow::reloadAfterTheEditorCollectsTodaysAlarmsOutsideTheView()
{
    MainWindowRig rig("07.12.2026"); // at noon
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"07.12.2026 ~18:00~ Kino"}}}));
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(window.alarms(), Alarms({{18 * 60, "Heute Kino"}}));
    tabs(window)->setCurrentIndex(2);
    item(window, "C_MItem_Vor")->trigger(); // January: today is out of sight
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"07.12.2026 ~19:30~ Theater"}}}));

    item(window, "C_MItem_neuladen")->trigger(); // the user's reload keeps what was collected
    QCOMPARE(window.alarms(), Alarms({{18 * 60, "Heute Kino"}}));
    window.C_MItem_neuladenClick(false); // as after the editor saved
    QCOMPARE(window.alarms(), Alarms({{19 * 60 + 30, "Heute Theater"}}));
    QCOMPARE(window.evaluationDate(), day("07.01.2027"));
}

void TestMainWindow::lineErrorBoxAndAbbrechenSilenceUntilReload()
{
    MainWindowRig rig("07.12.2026");
    QStringList lines = fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}});
    lines << QStringLiteral("verirrte Zeile");
    rig.writeDataFile(lines);
    rig.writeSettings(kNoComputedBlocks);
    rig.fake.boxes.answer(MessageAnswer::Cancel);
    TC_FORM_Haupt& window = rig.start();
    const int lineNumber = static_cast<int>(lines.size());
    const QString expected =
        QStringLiteral("A C H T U N G ! ! !\n\nDie Terminzeile \"verirrte Zeile\" befindet sich "
                       "au\u00DFerhalb eines g\u00FCltigen Terminblocks.\n\n"
                       "Bitte korrigieren Sie die Zeile %1 im Termineditor.\n"
                       "Nutzen Sie hierzu auch die Pr\u00FCfliste des Termineditors!\n\n"
                       "(\"Abbrechen\" unterdr\u00FCckt die Ausgabe weiterer Fehlermeldungen.)")
            .arg(lineNumber);
    QCOMPARE(rig.fake.boxes.texts(), QStringList({expected}));
    QCOMPARE(rig.fake.boxes.shown[0].kind, MessageKind::Warning);
    QCOMPARE(rig.fake.boxes.shown[0].buttons, MessageButtons::OkCancel);
    QCOMPARE(window.lineErrorState(), LineErrorState::Silenced);
    // The view is still computed.
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt")}));

    tabs(window)->setCurrentIndex(2);
    item(window, "C_MItem_Vor")->trigger();
    QCOMPARE(rig.fake.boxes.shown.size(), 1);

    item(window, "C_MItem_neuladen")->trigger(); // OK this time: the boxes keep coming
    QCOMPARE(rig.fake.boxes.shown.size(), 2);
    tabs(window)->setCurrentIndex(0);
    QCOMPARE(rig.fake.boxes.shown.size(), 3);
    QCOMPARE(window.lineErrorState(), LineErrorState::Show);
}

void TestMainWindow::repairsAreWrittenBackAndTheMissingEndAnnounced()
{
    MainWindowRig rig("07.12.2026");
    QStringList lines = fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}});
    const qsizetype header = lines.indexOf(QRegularExpression(QStringLiteral("^Einmalige Termine:.*")));
    QVERIFY(header > 0);
    lines[header] = QStringLiteral("einmalige termine");     // adapted silently
    QCOMPARE(lines.takeLast(), QStringLiteral("@ E N D E")); // reported as a block-level change
    rig.writeDataFile(lines);
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(rig.fake.boxes.shown.size(), 1);
    QVERIFY(rig.fake.boxes.shown[0].text.contains(
        QStringLiteral("Die \u00C4nderung wird automatisch gespeichert.")));
    const Lines written = rig.dataFileLines();
    QCOMPARE(written[static_cast<std::size_t>(header)],
             BlockCatalogue::headerText(blockNumber(BlockKind::OneTime)));
    QCOMPARE(written.back(), std::string("@ E N D E"));
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt")}));
}

void TestMainWindow::unreadableFileLeavesTheWindowWithoutAppointments()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(kNoComputedBlocks);
    std::filesystem::create_directory(rig.folder() / "notavi.dat"); // exists, but cannot be read
    TC_FORM_Haupt& window = rig.start();
    window.showAsStarted();
    QTRY_COMPARE(rig.fake.boxes.shown.size(), 1);
    QVERIFY(!window.fileLoaded());
    QVERIFY(!window.appointmentCommandsEnabled());
    const QStringList failure = {
        QStringLiteral("Die Termindatei (Notavi.dat) konnte nicht geladen werden."),
        QStringLiteral(
            "Falls sie von einer anderen Anwendung gesperrt wird, beenden sie diese Anwendung bitte."),
        QStringLiteral(
            "Danach k\u00F6nnen \u00FCber das Men\u00FC Datei -> Termindatei neu laden erneut versuchen, "
            "die Termindatei zu laden.")};
    QCOMPARE(viewLines(window), failure);
    QCOMPARE(
        rig.fake.boxes.texts(),
        QStringList({QStringLiteral("Die Termindatei (Notavi.dat) konnte nicht geladen werden.\n"
                                    "Falls sie von einer anderen Anwendung gesperrt wird, beenden sie diese "
                                    "Anwendung bitte.\nDanach k\u00F6nnen \u00FCber das Men\u00FC Datei -> "
                                    "Termindatei neu laden erneut versuchen, die\nTermindatei zu laden.")}));
    QCOMPARE(tabs(window)->tabToolTip(1),
             QStringLiteral("Keine Termindatei vorhanden. Beachten sie den Hinweis im Fenster!"));

    tabs(window)->setCurrentIndex(2);
    QCOMPARE(tabs(window)->currentIndex(), 0);
    item(window, "C_MItem_Vor")->trigger();
    QCOMPARE(tabs(window)->tabText(0), QStringLiteral("&H Montag, der 14.12.2026"));
    QCOMPARE(viewLines(window), failure);
    QCOMPARE(rig.fake.boxes.shown.size(), 1);

    // The reload retries: once the file can be read the window works normally again.
    std::filesystem::remove(rig.folder() / "notavi.dat");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"15.12.2026 Zahnarzt"}}}));
    item(window, "C_MItem_neuladen")->trigger();
    QVERIFY(window.appointmentCommandsEnabled());
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt")}));
    QCOMPARE(tabs(window)->tabToolTip(1), QStringLiteral("Termine der n\u00E4chsten vier Wochen."));
}

void TestMainWindow::helpOpensTheDocumentOrSaysItIsMissing()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    item(window, "C_MItem_NotaviHilfe")->trigger();
    QCOMPARE(rig.fake.boxes.texts(),
             QStringList({QStringLiteral("Die Hilfedatei kann nicht angezeigt werden.")}));
    QCOMPARE(rig.fake.boxes.shown[0].kind, MessageKind::Error);
    QVERIFY(rig.fake.shell.urls.isEmpty());

    QFile help(QString::fromStdString((rig.folder() / "notavi-hilfe.html").string()));
    QVERIFY(help.open(QIODevice::WriteOnly));
    help.write("<html></html>");
    help.close();
    item(window, "C_MItem_NotaviHilfe")->trigger();
    QCOMPARE(rig.fake.shell.urls, QList<QUrl>({QUrl::fromLocalFile(help.fileName())}));
    QCOMPARE(rig.fake.boxes.shown.size(), 1);
}

void TestMainWindow::notepadOpensTheAppointmentFile()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    item(window, "C_MItem_Notepad")->trigger();
    QCOMPARE(rig.fake.shell.files,
             QStringList({QString::fromStdString((rig.folder() / "notavi.dat").string())}));
}

void TestMainWindow::closingStoresTheMainSection()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    window.resize(800, 600);
    window.hide(); // as in the tray: the program still ends
    QSignalSpy ended(&window, &TC_FORM_Haupt::ended);
    window.close();
    QCOMPARE(ended.size(), 1);
    const QString ini = rig.settingsText();
    QVERIFY2(ini.contains(QStringLiteral("[Haupt]")), qPrintable(ini));
    QVERIFY2(ini.contains(QStringLiteral("Width=800")), qPrintable(ini));
    QVERIFY2(ini.contains(QStringLiteral("C_RE_TerminAnzeige.Color=11599871")), qPrintable(ini));
}

void TestMainWindow::weekdayOptionIsSavedAndRecomputes()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}}));
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    item(window, "C_KMItem_WTagHeute")->trigger(); // the context item runs the menu's command
    QVERIFY(!item(window, "C_MItem_WTagHeute")->isChecked());
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen Zahnarzt")}));
    QVERIFY(rig.settingsText().contains(QStringLiteral("C_MItem_WTagHeute=0")));
}

void TestMainWindow::allFiveTabsStayVisibleWhateverTheDate()
{
    // 07.12.2026 gives short captions; Wednesdays, Thursdays and September give long ones.
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(kNoComputedBlocks + QStringLiteral("[Haupt]\r\nWidth=100\r\n"));
    TC_FORM_Haupt& window = rig.start();
    showActive(window);
    window.resize(window.minimumWidth(), window.height());
    QTabBar* bar = tabs(window);
    for (int step = 0; step < 60; ++step) {
        bar->setCurrentIndex(step % 2 == 0 ? 0 : 2);
        item(window, "C_MItem_Vor")->trigger();
        QCoreApplication::processEvents();
        for (int tab = 0; tab < bar->count(); ++tab) {
            const QRect rect = bar->tabRect(tab);
            QVERIFY2(rect.left() >= 0 && rect.right() < bar->width(),
                     qPrintable(QStringLiteral("%1 at %2").arg(bar->tabText(tab)).arg(rect.right())));
        }
    }
}

void TestMainWindow::movesBeyondTheValidYearsAreRefused()
{
    MainWindowRig rig("31.12.9998");
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    tabs(window)->setCurrentIndex(4);
    item(window, "C_MItem_Vor")->trigger();
    QCOMPARE(window.evaluationDate(), day("31.12.9999"));
    QVERIFY(rig.fake.beeper.played.isEmpty());
    item(window, "C_MItem_Vor")->trigger();
    QCOMPARE(window.evaluationDate(), day("31.12.9999"));
    QCOMPARE(rig.fake.beeper.played, QList<SystemSound>({SystemSound::Warning}));
    QCOMPARE(tabs(window)->tabText(4), QStringLiteral("&J 9999"));
    QVERIFY(rig.fake.boxes.shown.isEmpty());
}

void TestMainWindow::theLoadFailureIsToldOverTheShownWindow()
{
    MainWindowRig rig("07.12.2026");
    std::filesystem::create_directory(rig.folder() / "notavi.dat");
    bool visibleWhenTold = false;
    TC_FORM_Haupt* shownWindow = nullptr;
    rig.fake.boxes.whileShown = [&] { visibleWhenTold = shownWindow && shownWindow->isVisible(); };
    TC_FORM_Haupt& window = rig.start();
    shownWindow = &window;
    QVERIFY(rig.fake.boxes.shown.isEmpty());
    window.showAsStarted();
    QTRY_COMPARE(rig.fake.boxes.shown.size(), 1);
    QVERIFY(visibleWhenTold);
}

void TestMainWindow::maximisingKeepsTheNormalPlaceForTheNextStart()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Haupt]\r\nTop=120\r\nLeft=0\r\nHeight=300\r\n"));
    QString firstPlace;
    for (int start = 0; start < 3; ++start) {
        TC_FORM_Haupt& window = rig.start();
        window.showAsStarted();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.showMaximized();
        QTRY_VERIFY(window.isMaximized());
        window.close();
        const QString ini = rig.settingsText();
        for (const char* key : {"Top=120", "Left=0", "Height=300", "WindowState.wsMaximized=1"})
            QVERIFY2(ini.contains(QLatin1String(key)), qPrintable(ini));
        const QString place = ini.section(QStringLiteral("Font."), 0, 0);
        if (start == 0)
            firstPlace = place;
        QCOMPARE(place, firstPlace); // the same place after every restart
    }
}

void TestMainWindow::aPlaceFromALargerScreenFitsThisOne()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Haupt]\r\nTop=900\r\nLeft=3000\r\nWidth=900\r\nHeight=5000\r\n"));
    TC_FORM_Haupt& window = rig.start();
    window.showAsStarted();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->availableGeometry();
    QTRY_VERIFY2(screen.contains(window.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(window.frameGeometry().left())
                                .arg(window.frameGeometry().top())
                                .arg(window.frameGeometry().width())
                                .arg(window.frameGeometry().height())));
}

void TestMainWindow::ctrlTabAndCtrlPageKeysSwitchTheTabs()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    showActive(window);
    QWidget* view = window.findChild<QPlainTextEdit*>(QStringLiteral("C_RE_TerminAnzeige"));
    view->setFocus();

    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int tab;
    } presses[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 4}, // round from the first to the last
        {Qt::Key_Tab, Qt::ControlModifier, 0},
    };

    for (const auto& press : presses) {
        QTest::keyClick(view, press.key, press.modifiers);
        QCOMPARE(tabs(window)->currentIndex(), press.tab);
    }
}

void TestMainWindow::commandsAreReachedByTheirEnumerator()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    for (std::size_t index = 0; index < kCommandCount; ++index) {
        const auto command = static_cast<Command>(index);
        QAction* action = window.action(command);
        QVERIFY(action);
        QCOMPARE(action->objectName(), QString::fromLatin1(commandName(command)));
    }
}

void TestMainWindow::anOversizedSettingsFileIsToldOnceAndKept()
{
    MainWindowRig rig("07.12.2026");
    const std::string huge = "[Haupt]\r\n" + std::string(5 * 1024 * 1024, ';');
    notavi::test::writeBytes(rig.folder() / "notavi.ini", huge);
    TC_FORM_Haupt& window = rig.start();
    window.showAsStarted();
    QTRY_COMPARE(rig.fake.boxes.shown.size(), 1);
    QCOMPARE(rig.fake.boxes.shown[0].kind, MessageKind::Warning);
    window.close();
    QCOMPARE(rig.fake.boxes.shown.size(), 1);
    QVERIFY(notavi::test::readBytes(rig.folder() / "notavi.ini") == huge); // never written
}

// --- countdown and tray ------------------------------------------------------------------------

void TestMainWindow::aStoredCountdownQuitsAfterItsSeconds()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Timer]\r\nTimer=10\r\nTimerart=Beenden\r\n"));
    TC_FORM_Haupt& window = rig.start();
    window.showAsStarted();
    QVERIFY(item(window, "C_MItem_TimerDeaktivieren")->isEnabled());
    rig.fake.passSeconds(1);
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Notavi - noch 9 Sekunde(n) bis zum Programmende. Abbruch mit "
                            "F12 oder Mausklick ins Fenster"));
    rig.fake.passSeconds(8);
    QVERIFY(window.isVisible());
    rig.fake.passSeconds(1);
    QVERIFY(!window.isVisible());
    QVERIFY(!window.countdownRunning());
    QVERIFY(rig.settingsText().contains(QStringLiteral("[Haupt]"))); // closed the normal way
}

void TestMainWindow::aClickIntoTheViewOrF12StopsTheCountdown_data()
{
    QTest::addColumn<bool>("click");
    QTest::newRow("click into the view") << true;
    QTest::newRow("F12") << false;
}

void TestMainWindow::aClickIntoTheViewOrF12StopsTheCountdown()
{
    QFETCH(bool, click);
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Timer]\r\nTimer=10\r\nTimerart=Beenden\r\n"));
    TC_FORM_Haupt& window = rig.start();
    showActive(window);
    rig.fake.passSeconds(2);
    QVERIFY(window.windowTitle().contains(QStringLiteral("noch 8 Sekunde(n)")));
    auto* view = window.findChild<QPlainTextEdit*>(QStringLiteral("C_RE_TerminAnzeige"));
    if (click)
        QTest::mouseClick(view->viewport(), Qt::LeftButton);
    else
        QTest::keyClick(view, Qt::Key_F12);
    QVERIFY(!window.countdownRunning());
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi"));
    QVERIFY(!item(window, "C_MItem_TimerDeaktivieren")->isEnabled());
    rig.fake.passSeconds(20);
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi"));
}

void TestMainWindow::noCountdownStartsWithoutSeconds_data()
{
    QTest::addColumn<QString>("seconds");
    QTest::newRow("0") << QStringLiteral("0");
    QTest::newRow("negative") << QStringLiteral("-3");
    QTest::newRow("not a number") << QStringLiteral("zehn");
}

void TestMainWindow::noCountdownStartsWithoutSeconds()
{
    QFETCH(QString, seconds);
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Timer]\r\nTimer=%1\r\nTimerart=Beenden\r\n").arg(seconds));
    TC_FORM_Haupt& window = rig.start();
    window.show();
    QVERIFY(!window.countdownRunning());
    QVERIFY(!item(window, "C_MItem_TimerDeaktivieren")->isEnabled());
    rig.fake.passSeconds(5);
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi"));
    QVERIFY(window.isVisible());
}

void TestMainWindow::aCountdownSetInTheDialogMinimisesIntoTheTray()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    window.show();
    window.inputDialog().setRunModal([&window] {
        window.inputDialog()
            .findChild<QLineEdit*>(QStringLiteral("C_EDTX_Eingabe"))
            ->setText(QStringLiteral("6"));
        window.inputDialog().findChild<QRadioButton*>(QStringLiteral("C_RDBT_Minimieren"))->setChecked(true);
        return int(QDialog::Accepted);
    });
    item(window, "C_MItem_TimerSetzen")->trigger();
    QVERIFY(rig.settingsText().contains(QStringLiteral("Timer=6")));
    QVERIFY(rig.settingsText().contains(QStringLiteral("Timerart=Minimieren")));
    rig.fake.passSeconds(1);
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Notavi wird in 5 Sekunde(n) minimiert. Abbruch mit F12 oder Mausklick"));
    rig.fake.passSeconds(5);
    QCoreApplication::processEvents();
    QVERIFY(window.isMinimized());
    QVERIFY(rig.fake.tray.shown);
    QVERIFY(rig.fake.tray.tip.startsWith(QStringLiteral("Notavi")));
    QVERIFY(!window.isVisible());
    QCOMPARE(window.windowTitle(), QStringLiteral("Notavi"));

    rig.fake.tray.commands.restore();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QVERIFY(!rig.fake.tray.shown);
}

void TestMainWindow::minimisingGoesIntoTheTrayOnlyWhereItCan_data()
{
    QTest::addColumn<bool>("trayOption");
    QTest::addColumn<bool>("editorOpen");
    QTest::addColumn<bool>("desktopHasTray");
    QTest::addColumn<bool>("inTray");
    QTest::newRow("into the tray") << true << false << true << true;
    QTest::newRow("editor open") << true << true << true << false;
    QTest::newRow("tray option off") << false << false << true << false;
    QTest::newRow("desktop without tray") << true << false << false << false;
}

void TestMainWindow::minimisingGoesIntoTheTrayOnlyWhereItCan()
{
    QFETCH(bool, trayOption);
    QFETCH(bool, editorOpen);
    QFETCH(bool, desktopHasTray);
    QFETCH(bool, inTray);
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Extras]\r\nC_MItem_SystemTray=%1\r\n").arg(trayOption ? 1 : 0));
    rig.fake.tray.available = desktopHasTray;
    TC_FORM_Haupt& window = rig.start();
    rig.state().setEditorOpen(editorOpen);
    window.show();
    for (int time = 0; time < 2; ++time) {
        window.showMinimized();
        QCoreApplication::processEvents();
        QCOMPARE(rig.fake.tray.shown, inTray);
        // Out of the tray the window stays in the taskbar, where the user finds it.
        QCOMPARE(window.isVisible(), !inTray);
        if (inTray)
            rig.fake.tray.commands.restore();
        else
            window.showNormal();
    }
    // Without a tray the user is told so, once.
    const bool told = trayOption && !editorOpen && !desktopHasTray;
    QCOMPARE(rig.fake.boxes.shown.size(), told ? 1 : 0);
}

void TestMainWindow::settingThePeriodOffersTheAutomaticDeletion()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    window.inputDialog().setRunModal([&window] {
        window.inputDialog()
            .findChild<QLineEdit*>(QStringLiteral("C_EDTX_Eingabe"))
            ->setText(QStringLiteral("14"));
        return int(QDialog::Accepted);
    });
    rig.fake.boxes.answer(MessageAnswer::Yes);
    item(window, "C_MItem_LoeschenFrist")->trigger();
    QCOMPARE(rig.fake.boxes.shown.size(), 1);
    QVERIFY(rig.fake.boxes.shown[0].text.contains(QStringLiteral("tens 14 Tag(e) alt sind")));
    QVERIFY(window.settings().extras.deleteExpiredAtStart);
    QVERIFY(item(window, "C_MItem_LoeschenStart")->isChecked());
    QVERIFY(rig.settingsText().contains(QStringLiteral("C_MItem_LoeschenFrist=14")));
    QVERIFY(rig.settingsText().contains(QStringLiteral("C_MItem_LoeschenStart=1")));

    // Switched on, the item asks to switch off; "Nein" keeps it on.
    rig.fake.boxes.answer(MessageAnswer::No);
    item(window, "C_MItem_LoeschenStart")->trigger();
    QVERIFY(rig.fake.boxes.shown[1].text.contains(QStringLiteral("abgeschaltet werden?")));
    QVERIFY(item(window, "C_MItem_LoeschenStart")->isChecked());
    QVERIFY(window.settings().extras.deleteExpiredAtStart);
    // A new period while it is on asks nothing more.
    item(window, "C_MItem_LoeschenFrist")->trigger();
    QCOMPARE(rig.fake.boxes.shown.size(), 2);
}

// --- display options ---------------------------------------------------------------------------

namespace {

EntryView* viewOf(TC_FORM_Haupt& window)
{
    return window.findChild<EntryView*>(QStringLiteral("C_RE_TerminAnzeige"));
}

// Runs the command and answers the dialog it opens modally.
template <typename Dialog> void answerDialog(QAction* command, const std::function<void(Dialog&)>& answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no modal dialog of the expected class");
        answer(*dialog);
    });
    command->trigger();
}

void clickButton(QDialog& dialog, const char* name)
{
    dialog.findChild<QPushButton*>(QLatin1String(name))->click();
}

// The names of the sections notavi.ini holds.
QStringList sectionsOf(const QString& ini)
{
    QStringList sections;
    for (const QString& line : ini.split(QStringLiteral("\r\n")))
        if (line.startsWith(QLatin1Char('[')))
            sections << line;
    return sections;
}

} // namespace

void TestMainWindow::ownColourBeatsBlockColourBeatsFontColour()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 ~05~ Zahnarzt", "09.12.2026 Friseur"}},
                                {BlockKind::Weekly, {"Do Chorprobe"}}}));
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt"), QString(),
                                             QStringLiteral("\u00DCbermorgen (Mittwoch) Friseur"), QString(),
                                             QStringLiteral("In 3 Tagen (Donnerstag) Chorprobe")}));
    viewOf(window)->setTextCursor(QTextCursor(viewOf(window)->document()->findBlockByNumber(2)));
    // One-time appointments red, weekly ones through the dialog's reset back to the font colour.
    answerDialog<QDialog>(item(window, "C_MItem_Terminblockfarbe"), [](QDialog& dialog) {
        dialog.findChild<QComboBox*>(QStringLiteral("C_CMBX_EinmaligeTermine"))->setCurrentIndex(10);
        clickButton(dialog, "C_PSBT_OK");
    });
    const QColor font = QApplication::palette().color(QPalette::Text);
    QList<QColor> colours = viewLineColours(window);
    QCOMPARE(colours[0], QColor(0x00, 0x00, 0x80));          // its own navy wins over the block's red
    QCOMPARE(colours[2], QColor(0xFF, 0x00, 0x00));          // the block's colour
    QCOMPARE(colours[4], font);                              // no colour at all
    QCOMPARE(viewOf(window)->textCursor().blockNumber(), 2); // recoloured in place
    QVERIFY(rig.settingsText().contains(QStringLiteral("[TBlockfarbe]\r\n0=0")));
    QVERIFY(rig.settingsText().contains(QStringLiteral("12=10")));

    answerDialog<QDialog>(item(window, "C_MItem_Terminblockfarbe"), [](QDialog& dialog) {
        clickButton(dialog, "C_PSBT_Standard");
        clickButton(dialog, "C_PSBT_OK");
    });
    colours = viewLineColours(window);
    QCOMPARE(colours[0], QColor(0x00, 0x00, 0x80));
    QCOMPARE(colours[2], font);
}

void TestMainWindow::sillauDressesTheViewTheDialogsAndTheEditorsSections()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}}));
    rig.writeSettings(kNoComputedBlocks + QStringLiteral("[Editor]\r\nWidth=700\r\n[Haupt]\r\n"
                                                         "C_MItem_Dialogfenster=0\r\n"));
    TC_FORM_Haupt& window = rig.start();
    item(window, "C_MItem_SilberBlau")->trigger();

    const QColor navy(0x00, 0x00, 0x80);
    const QColor silver(0xC0, 0xC0, 0xC0);
    EntryView* view = viewOf(window);
    QCOMPARE(view->font().family(), QStringLiteral("Times New Roman"));
    QVERIFY2(QStringList({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")})
                 .contains(QFontInfo(view->font()).family()),
             qPrintable(QFontInfo(view->font()).family()));
    QCOMPARE(view->font().pointSize(), 12);
    QVERIFY(!view->font().bold());
    QCOMPARE(view->palette().color(QPalette::Base), navy);
    QCOMPARE(viewLineColours(window)[0], silver);
    QVERIFY(item(window, "C_MItem_Dialogfenster")->isChecked());
    QVERIFY(item(window, "C_MItem_Hintergrund_persoenlich")->isChecked());
    QVERIFY(!item(window, "C_MItem_Hintergrund_Windows")->isChecked());

    // The dialogs follow the view.
    QColor inputBackground, inputText;
    window.inputDialog().setRunModal([&] {
        inputBackground = window.inputDialog().palette().color(QPalette::Window);
        inputText = window.inputDialog().palette().color(QPalette::WindowText);
        return int(QDialog::Rejected);
    });
    item(window, "C_MItem_Anzeigedauer")->trigger();
    QCOMPARE(inputBackground, navy);
    QCOMPARE(inputText, silver);
    QColor choiceBackground;
    answerDialog<QDialog>(item(window, "C_MItem_Terminblockauswahl"), [&](QDialog& dialog) {
        choiceBackground = dialog.palette().color(QPalette::Window);
        dialog.reject();
    });
    QCOMPARE(choiceBackground, navy);

    // The editor takes the same look from its sections when it opens; its place stays.
    const QString ini = rig.settingsText();
    const QString editor = ini.section(QStringLiteral("[Editor]"), 1).section(QLatin1Char('['), 0, 0);
    for (const char* line :
         {"Width=700", "Font.Name=Times New Roman", "Font.Size=12", "Font.Color=12632256",
          "Font.Style.fsBold=0", "C_RE_Termin-WindowsFarbe=0", "C_RE_Termin.Color=8388608"})
        QVERIFY2(editor.contains(QLatin1String(line)), qPrintable(editor));
    const QString checkList =
        ini.section(QStringLiteral("[Pr\u00FCfliste]"), 1).section(QLatin1Char('['), 0, 0);
    for (const char* line : {"Font.Color=65535", "Font.Style.fsBold=1", "C_LSBX_Fehler.Color=12615680"})
        QVERIFY2(checkList.contains(QLatin1String(line)), qPrintable(checkList));
    QVERIFY(ini.contains(QStringLiteral("C_MItem_Dialogfenster=1")));

    // ... and the next start reads the view's look back.
    window.close();
    TC_FORM_Haupt& again = rig.start();
    QCOMPARE(viewOf(again)->font().pointSize(), 12);
    QCOMPARE(viewOf(again)->palette().color(QPalette::Base), navy);
}

void TestMainWindow::uncheckingAllFourPhasesUnchecksTheMoonItem()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    const char* const phases[] = {"C_MItem_Neumond", "C_MItem_ZunHalbmond", "C_MItem_Vollmond",
                                  "C_MItem_AbnHalbmond"};
    for (const char* phase : phases) {
        QVERIFY(item(window, "C_MItem_Mondphasen")->isChecked());
        item(window, phase)->trigger();
    }
    QVERIFY(!item(window, "C_MItem_Mondphasen")->isChecked());
    QVERIFY(!viewLines(window).join(QLatin1Char(' ')).contains(QStringLiteral("mond")));
    item(window, "C_MItem_Vollmond")->trigger();
    QVERIFY(item(window, "C_MItem_Mondphasen")->isChecked());
}

void TestMainWindow::blockSelectionIsTakenOverAndSavedOnlyWhenAsked_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("takenOver");
    QTest::addColumn<bool>("saved");
    QTest::newRow("&Ok") << "C_PSBT_OK" << true << false;
    QTest::newRow("Ok && S&peichern") << "C_PSBT_OKSpeichern" << true << true;
    QTest::newRow("&Abbrechen") << "C_PSBT_Abbrechen" << false << false;
}

void TestMainWindow::blockSelectionIsTakenOverAndSavedOnlyWhenAsked()
{
    QFETCH(QString, button);
    QFETCH(bool, takenOver);
    QFETCH(bool, saved);
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}}));
    TC_FORM_Haupt& window = rig.start();
    answerDialog<QDialog>(item(window, "C_MItem_Terminblockauswahl"), [&](QDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("C_CHBX_EinmaligeTermine"))->click();
        dialog.findChild<QCheckBox*>(QStringLiteral("C_CHBX_GeburtstagMit"))->click();
        clickButton(dialog, button.toLatin1().constData());
    });
    QCOMPARE(!item(window, "C_MItem_EinmaligeTermine")->isChecked(), takenOver);
    QCOMPARE(item(window, "C_MItem_GeburtstageMit")->isChecked(), takenOver);
    QCOMPARE(!viewLines(window).contains(QStringLiteral("Morgen (Dienstag) Zahnarzt")), takenOver);
    QCOMPARE(rig.settingsText().contains(QStringLiteral("C_MItem_EinmaligeTermine=0")), saved);
    QCOMPARE(rig.settingsText().contains(QStringLiteral("[Terminblock]")), saved);
}

void TestMainWindow::togglingAnOptionWritesOnlyItsSection_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("section");
    QTest::newRow("tooltips") << "C_MItem_Tooltip"
                              << "Tooltipp=0"
                              << "[Tooltipp]";
    QTest::newRow("word wrap") << "C_MItem_Zeilenumbruch"
                               << "C_MItem_Zeilenumbruch=1"
                               << "[Anzeige]";
    QTest::newRow("weekday rest") << "C_MItem_WTagRest"
                                  << "C_MItem_WTagRest=0"
                                  << "[Anzeige]";
    QTest::newRow("wide caret") << "C_MItem_Cursor"
                                << "C_MItem_Cursor=1"
                                << "[Anzeige]";
    QTest::newRow("dialogs follow the view") << "C_MItem_Dialogfenster"
                                             << "C_MItem_Dialogfenster=0"
                                             << "[Haupt]";
    QTest::newRow("windows background") << "C_MItem_Hintergrund_Windows"
                                        << "C_RE_TerminAnzeige-WindowsFarbe=1"
                                        << "[Haupt]";
    QTest::newRow("ask before a web address") << "C_MItem_URLabfrage"
                                              << "C_MItem_URLabfrage=0"
                                              << "[Extras]";
    QTest::newRow("a block: kept until saved") << "C_MItem_Namenstage" << QString() << QString();
}

void TestMainWindow::togglingAnOptionWritesOnlyItsSection()
{
    QFETCH(QString, command);
    QFETCH(QString, line);
    QFETCH(QString, section);
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    item(window, command.toLatin1().constData())->trigger();
    const QString ini = rig.settingsText();
    QCOMPARE(sectionsOf(ini), section.isEmpty() ? QStringList() : QStringList({section}));
    QVERIFY2(ini.contains(line), qPrintable(ini));
    const bool checked = item(window, command.toLatin1().constData())->isChecked();
    window.close();
    TC_FORM_Haupt& again = rig.start(); // read back at the next start
    if (!section.isEmpty())
        QCOMPARE(item(again, command.toLatin1().constData())->isChecked(), checked);
}

void TestMainWindow::afterAFontChangeTheCaretStaysOnItsEntry()
{
    MainWindowRig rig("07.12.2026");
    QStringList appointments;
    for (int day = 8; day <= 31; ++day)
        appointments << QStringLiteral("%1.12.2026 Termin %1").arg(day);
    rig.writeDataFile(fileWith({{BlockKind::OneTime, appointments}}));
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    tabs(window)->setCurrentIndex(1);
    showActive(window);
    EntryView* view = viewOf(window);
    const QTextBlock line = view->document()->find(QStringLiteral("Termin 23")).block();
    QVERIFY(line.blockNumber() > 20); // far enough down to need scrolling
    view->setTextCursor(QTextCursor(line));
    const QString entry = line.text();
    QFont chosen(QStringLiteral("Liberation Serif"), 16);
    rig.fake.dialogs.fonts.push_back(chosen);
    rig.fake.dialogs.fontColours.push_back(QColor(128, 0, 0));
    item(window, "C_MItem_Schrift")->trigger();
    QCOMPARE(rig.fake.dialogs.asked, QStringList({QStringLiteral("Schriftart Notavi")}));
    QCOMPARE(view->font().pointSize(), 16);
    // The font's colour is the text's, and that of the entries without a colour of their own.
    QCOMPARE(view->palette().color(QPalette::Text), QColor(128, 0, 0));
    QCOMPARE(view->lineColour(line.blockNumber()), QColor(128, 0, 0));
    QVERIFY(rig.settingsText().contains(QStringLiteral("Font.Color=128")));
    QCOMPARE(view->textCursor().block().text(), entry);
    QVERIFY(view->cursorRect().top() >= 0 && view->cursorRect().bottom() <= view->viewport()->height());
    QVERIFY(rig.settingsText().contains(QStringLiteral("Font.Name=Liberation Serif")));
    QVERIFY(rig.settingsText().contains(QStringLiteral("Font.Size=16")));

    item(window, "C_MItem_Schrift")->trigger(); // cancelled: nothing changes
    QCOMPARE(view->font().pointSize(), 16);

    // A recomputation with other texts brings the caret back to the same entry, too.
    item(window, "C_MItem_WTagRest")->trigger();
    QVERIFY(view->textCursor().block().text() != entry);
    QVERIFY(view->textCursor().block().text().endsWith(QStringLiteral("Termin 23")));
}

void TestMainWindow::thePersonalColourBecomesTheBackground()
{
    MainWindowRig rig("07.12.2026");
    rig.writeSettings(QStringLiteral("[Haupt]\r\nC_RE_TerminAnzeige-WindowsFarbe=1\r\n"));
    TC_FORM_Haupt& window = rig.start();
    QVERIFY(item(window, "C_MItem_Hintergrund_Windows")->isChecked());
    // A cancelled dialog leaves the check marks as they were, not as the click toggled them.
    item(window, "C_MItem_Hintergrund_persoenlich")->trigger();
    QVERIFY(item(window, "C_MItem_Hintergrund_Windows")->isChecked());
    QVERIFY(!item(window, "C_MItem_Hintergrund_persoenlich")->isChecked());
    rig.fake.dialogs.colours.push_back(QColor(0x12, 0x34, 0x56));
    item(window, "C_MItem_Hintergrund_persoenlich")->trigger();
    QCOMPARE(rig.fake.dialogs.asked, QStringList(2, QStringLiteral("Hintergrundfarbe Notavi")));
    QCOMPARE(viewOf(window)->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
    QVERIFY(item(window, "C_MItem_Hintergrund_persoenlich")->isChecked());
    QVERIFY(!item(window, "C_MItem_Hintergrund_Windows")->isChecked());
    QVERIFY(rig.settingsText().contains(QStringLiteral("C_RE_TerminAnzeige.Color=5649426")));
    // Windows colour and back: the personal colour returns.
    item(window, "C_MItem_Hintergrund_Windows")->trigger();
    item(window, "C_MItem_Hintergrund_Windows")->trigger();
    QCOMPARE(viewOf(window)->palette().color(QPalette::Base), QColor(0x12, 0x34, 0x56));
}

void TestMainWindow::theWideCaretNarrowsWhileTextIsSelected()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt", "09.12.2026 Friseur"}}}));
    TC_FORM_Haupt& window = rig.start();
    item(window, "C_MItem_Cursor")->trigger();
    EntryView* view = viewOf(window);
    const int wide = view->cursorWidth();
    QVERIFY(wide > 1);
    QTextCursor selection(view->document());
    selection.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    view->setTextCursor(selection);
    QCOMPARE(view->cursorWidth(), 1);
    view->moveCursor(QTextCursor::Start);
    QCOMPARE(view->cursorWidth(), wide);
}

void TestMainWindow::theBarsHideFromTheirOwnMenus()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    showActive(window);
    auto* toolBar = window.findChild<QToolBar*>(QStringLiteral("C_TBa_Notavi"));
    auto* buttonBar = window.findChild<QWidget*>(QStringLiteral("C_GRBX_PSBT"));
    QCOMPARE(toolBar->contextMenuPolicy(), Qt::CustomContextMenu);
    QCOMPARE(buttonBar->contextMenuPolicy(), Qt::CustomContextMenu);
    item(window, "C_KMItem_AusblendenSymbolleiste")->trigger();
    QVERIFY(!toolBar->isVisible());
    QVERIFY(!item(window, "C_MItem_Symbolleiste")->isChecked());
    item(window, "C_KMItem_AusblendenSchaltflaechenleiste")->trigger();
    QVERIFY(!item(window, "C_MItem_Schaltflaechenleiste")->isChecked());
    QVERIFY(rig.settingsText().contains(QStringLiteral("C_MItem_Symbolleiste=0")));
    QVERIFY(rig.settingsText().contains(QStringLiteral("C_MItem_Schaltflaechenleiste=0")));
}

void TestMainWindow::aWebAddressUnderWordWrapIsRefusedAfterTheBeep()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    item(window, "C_MItem_Zeilenumbruch")->trigger();
    rig.fake.beeper.played.clear();
    item(window, "C_MItem_URL")->trigger();
    QCOMPARE(rig.fake.boxes.shown.size(), 1);
    QVERIFY(rig.fake.boxes.shown[0].text.startsWith(QStringLiteral("Solange der Zeilenumbruch")));
    QCOMPARE(rig.fake.beeper.played, QList<SystemSound>{SystemSound::Warning});
    QVERIFY(rig.fake.shell.urls.isEmpty());
}

void TestMainWindow::tooltipsFollowTheirSwitchAndDisplayTime()
{
    MainWindowRig rig("07.12.2026");
    TC_FORM_Haupt& window = rig.start();
    showActive(window);
    auto* today = window.findChild<QToolButton*>(QStringLiteral("C_TBu_Heute"));
    auto askForHint = [&] {
        QToolTip::hideText();
        if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
            return QStringLiteral("<the last hint stays>");
        QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), today->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(today, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(askForHint(), QStringLiteral("Auswertungsdatum auf heute setzen"));
    item(window, "C_MItem_Tooltip")->trigger();
    QVERIFY(!item(window, "C_MItem_Tooltip")->isChecked());
    QCOMPARE(askForHint(), QString());

    window.inputDialog().setRunModal([&] {
        auto* edit = window.inputDialog().findChild<QLineEdit*>(QStringLiteral("C_EDTX_Eingabe"));
        edit->setText(QStringLiteral("5000"));
        return int(QDialog::Accepted);
    });
    item(window, "C_MItem_Anzeigedauer")->trigger();
    QVERIFY(item(window, "C_MItem_Tooltip")->isChecked()); // a display time switches them on
    QCOMPARE(askForHint(), QStringLiteral("Auswertungsdatum auf heute setzen"));
    QVERIFY(rig.settingsText().contains(QStringLiteral("[Tooltipp]\r\nTooltipp=1\r\nAnzeigedauer=5000")));
}

void TestMainWindow::theViewConsumesCtrlRAndHidesTooltipsOnMouseMoves()
{
    MainWindowRig rig("07.12.2026");
    rig.writeDataFile(fileWith({{BlockKind::OneTime, {"08.12.2026 Zahnarzt"}}}));
    rig.writeSettings(kNoComputedBlocks);
    TC_FORM_Haupt& window = rig.start();
    showActive(window);
    EntryView* view = viewOf(window);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_R, Qt::ControlModifier); // the menu's word wrap, once
    QVERIFY(item(window, "C_MItem_Zeilenumbruch")->isChecked());
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt")}));
    QTest::keyClick(view, Qt::Key_Delete); // no delete command yet: nothing happens
    QCOMPARE(viewLines(window), QStringList({QStringLiteral("Morgen (Dienstag) Zahnarzt")}));

    QToolTip::showText(view->mapToGlobal(QPoint(10, 10)), QStringLiteral("Hinweis"), view);
    QVERIFY(QToolTip::isVisible());
    QTest::mouseMove(view->viewport(), QPoint(30, 20));
    QTRY_VERIFY(!QToolTip::isVisible());
}

NOTAVI_GUI_TEST_MAIN(TestMainWindow)
#include "tst_tc_form_haupt.moc"
