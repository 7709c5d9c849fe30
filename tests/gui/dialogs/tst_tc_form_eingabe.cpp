// The small input dialog: the six layouts, the validation loop with its
// refusal messages, and the real modal run.

#include "gui/dialogs/date_picker.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/text_conversion.h"
#include "support/gui_test_main.h"
#include "support/scripted_message_boxes.h"

#include <optional>

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const QString kNotANumber =
    QStringLiteral("Die eingegebene Zahl \"%1\" ist keine ganze Zahl oder zu gro\u00DF.\n\n"
                   "Bitte korrigieren sie die Zahl !");
const QString kTooLate = QStringLiteral("Das Auswertungsdatum darf h\u00F6chstens der 31.12.9998 sein.\n\n"
                                        "Bitte korrigieren sie das Datum !");

// Answers each showing of the dialog by typing the next text into the edit and pressing OK; an
// empty script cancels.
class TypedAnswers
{
  public:
    TypedAnswers(TC_Form_Eingabe& dialog, QStringList answers)
        : m_dialog(dialog), m_answers(std::move(answers))
    {
        dialog.setRunModal([this] { return next(); });
    }

    QStringList presets; // the edit's text as each showing found it

  private:
    int next()
    {
        auto* edit = m_dialog.findChild<QLineEdit*>(QStringLiteral("C_EDTX_Eingabe"));
        presets << edit->text();
        if (m_answers.isEmpty())
            return QDialog::Rejected;
        edit->setText(m_answers.takeFirst());
        return QDialog::Accepted;
    }

    TC_Form_Eingabe& m_dialog;
    QStringList m_answers;
};

template <typename Widget> Widget* child(QObject& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// The text field of the date picker, which has the keyboard focus while the user types a date.
QWidget* pickerText(QObject& dialog)
{
    return child<QLineEdit>(dialog, "datePickerText");
}

} // namespace

class TestInputDialog : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void eachQuestionLaysOutItsControls_data();
    void eachQuestionLaysOutItsControls();
    void refusedAnswerShowsItsMessageAndTheDialogAgain();
    void cancelLeavesTheResultAlone();
    void countdownReportsTheChosenAction();
    void evaluationDateBeyond31December9998IsRefused();
    void typedDateIsJudgedAsTyped_data();
    void typedDateIsJudgedAsTyped();
    void arrowKeysMoveBetweenDayMonthAndYear();
    void calendarPicksADay();
    void holidayImportWidensTheDialogAndRestoresIt();
    void realModalRunAcceptsWithOk();
};

void TestInputDialog::eachQuestionLaysOutItsControls_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label1");
    QTest::addColumn<QString>("label2");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("hint");
    QTest::newRow("evaluation date") << "date"
                                     << "Auswertungsdatum eingeben"
                                     << ""
                                     << "Auswertungsdatum: "
                                     << "Format: TT.MM.JJJJ"
                                     << "C_DTP_Datum"
                                     << "Wechsel zwischen Tag/Monat/Jahr per Pfeiltasten.";
    QTest::newRow("go to line") << "line"
                                << "Gehe zu"
                                << ""
                                << "Gehe zu Zeile: "
                                << ""
                                << "C_EDTX_Eingabe"
                                << "Den Cursor an den Anfang dieser Zeilennummer setzen.";
    QTest::newRow("countdown") << "countdown"
                               << "Timer setzen"
                               << ""
                               << ""
                               << "0 = Timer deaktivieren"
                               << "C_EDTX_Eingabe"
                               << "Bitte die Anzahl der Sekunden vorgeben.";
    QTest::newRow("tooltip time") << "tooltip"
                                  << "Anzeigedauer der Tooltipps setzen"
                                  << ""
                                  << "Anzeigedauer in Millisekunden: "
                                  << "z.B.: 2500 = 2,5 Sekunden"
                                  << "C_EDTX_Eingabe"
                                  << "Anzeigedauer der Tooltipps in Millisekunden vorgeben";
    QTest::newRow("age limit") << "age" << QString::fromUtf8("Frist für das automatische Löschen")
                               << "Mindestalter der Termine in Tagen, damit"
                               << QString::fromUtf8("sie automatisch gelöscht werden:")
                               << "z.B.: 7 Tage = eine Woche"
                               << "C_EDTX_Eingabe"
                               << QString::fromUtf8("Das Alter ergibt sich aus der Anzahl von Tagen nach der "
                                                    "letztmaligen Fälligkeit des Termins.");
}

void TestInputDialog::eachQuestionLaysOutItsControls()
{
    QFETCH(QString, operation);
    QFETCH(QString, caption);
    QFETCH(QString, label1);
    QFETCH(QString, label2);
    QFETCH(QString, note);
    QFETCH(QString, input);
    QFETCH(QString, hint);
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);

    struct Seen
    {
        QString caption, label1, label2, note, hint;
        bool inputShown = false, othersHidden = true, radiosShown = false, statesShown = false;
    };

    std::optional<Seen> seen;
    dialog.setRunModal([&] {
        Seen now{dialog.windowTitle(), child<QLabel>(dialog, "C_LB_Eingabe1")->text(),
                 child<QLabel>(dialog, "C_LB_Eingabe2")->text(),
                 child<QLabel>(dialog, "C_LB_Hinweis")->text(), dialog.findChild<QWidget*>(input)->toolTip()};
        now.inputShown = !dialog.findChild<QWidget*>(input)->isHidden();
        for (const char* other : {"C_EDTX_Eingabe", "C_DTP_Datum"})
            if (input != QLatin1String(other) && !child<QWidget>(dialog, other)->isHidden())
                now.othersHidden = false;
        now.radiosShown = !child<QRadioButton>(dialog, "C_RDBT_Beenden")->isHidden();
        now.statesShown = !child<QComboBox>(dialog, "C_CMBX_Bundesland")->isHidden();
        seen = now;
        return int(QDialog::Rejected);
    });
    int number = 1;
    std::string action = kCountdownQuit;
    DayNumber date = 0;
    if (operation == "date")
        dialog.askEvaluationDate(date);
    else if (operation == "line")
        dialog.askLineNumber(number);
    else if (operation == "countdown")
        dialog.askCountdown(number, action);
    else if (operation == "tooltip")
        dialog.askTooltipTime(number);
    else
        dialog.askDeletionAge(number);
    QVERIFY(seen);
    QCOMPARE(seen->caption, caption);
    QCOMPARE(seen->label1, label1);
    QCOMPARE(seen->label2, label2);
    QCOMPARE(seen->note, note);
    QCOMPARE(seen->hint, hint);
    QVERIFY(seen->inputShown);
    QVERIFY(seen->othersHidden);
    QCOMPARE(seen->radiosShown, operation == QLatin1String("countdown"));
    QVERIFY(!seen->statesShown);
}

void TestInputDialog::refusedAnswerShowsItsMessageAndTheDialogAgain()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    TypedAnswers answers(dialog, {QStringLiteral("0"), QStringLiteral("zwei"), QStringLiteral("2500")});
    int milliseconds = 1200;
    QVERIFY(dialog.askTooltipTime(milliseconds));
    QCOMPARE(milliseconds, 2500);
    QCOMPARE(
        boxes.texts(),
        QStringList({QStringLiteral("Bitte geben sie mindestens 1 und maximal 60000 Millisekunden vor !"),
                     kNotANumber.arg(QStringLiteral("zwei"))}));
    QCOMPARE(boxes.shown[0].kind, MessageKind::Warning);
    // The preset is selected the first time; a refused answer comes back as typed.
    QCOMPARE(answers.presets,
             QStringList({QStringLiteral("1200"), QStringLiteral("0"), QStringLiteral("zwei")}));
}

void TestInputDialog::cancelLeavesTheResultAlone()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    TypedAnswers answers(dialog, {QStringLiteral("5")});
    int seconds = 30;
    std::string action = kCountdownMinimise;
    QVERIFY(!dialog.askCountdown(seconds, action)); // refused once, then cancelled
    QCOMPARE(seconds, 30);
    QCOMPARE(action, std::string(kCountdownMinimise));
    QCOMPARE(boxes.texts(), QStringList({QStringLiteral("Bitte geben sie mindestens 6 Sekunden vor !")}));
}

void TestInputDialog::countdownReportsTheChosenAction()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    dialog.setRunModal([&dialog] {
        auto* minimise = child<QRadioButton>(dialog, "C_RDBT_Minimieren");
        auto* quit = child<QRadioButton>(dialog, "C_RDBT_Beenden");
        if (!quit->isChecked() || minimise->text() != QStringLiteral("Notavi &minimieren (in Sekunden)"))
            return int(QDialog::Rejected);
        minimise->setChecked(true);
        child<QLineEdit>(dialog, "C_EDTX_Eingabe")->setText(QStringLiteral("90"));
        return int(QDialog::Accepted);
    });
    int seconds = 0;
    std::string action = kCountdownQuit;
    QVERIFY(dialog.askCountdown(seconds, action));
    QCOMPARE(seconds, 90);
    QCOMPARE(action, std::string(kCountdownMinimise));
}

void TestInputDialog::evaluationDateBeyond31December9998IsRefused()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    int shown = 0;
    dialog.setRunModal([&] {
        if (++shown > 1)
            return int(QDialog::Rejected);
        child<DatePicker>(dialog, "C_DTP_Datum")->setDate(QDate(9999, 6, 30));
        return int(QDialog::Accepted);
    });
    DayNumber date = toDayNumber(QDate(2026, 12, 7));
    QVERIFY(!dialog.askEvaluationDate(date)); // refused, then cancelled
    QCOMPARE(toQDate(date), QDate(2026, 12, 7));
    QCOMPARE(boxes.texts(), QStringList({kTooLate}));
    QCOMPARE(boxes.shown[0].kind, MessageKind::Warning);
}

void TestInputDialog::typedDateIsJudgedAsTyped_data()
{
    // Keys typed into the picker, which shows the preset 07.12.2026 with the day selected;
    // ">" is the right arrow key and "<" Backspace.
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("clickOk"); // else Return
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QString>("refusal");
    const auto nonexistent = [](const QString& typed) {
        return QStringLiteral("Das Datum \"%1\" gibt es nicht.\n\nBitte korrigieren sie das Datum !")
            .arg(typed);
    };
    const auto incomplete = [](const QString& typed) {
        return QStringLiteral(
                   "Das Datum \"%1\" ist unvollst\u00E4ndig: bitte im Format TT.MM.JJJJ eingeben.\n\n"
                   "Bitte korrigieren sie das Datum !")
            .arg(typed);
    };
    QTest::newRow("31 February, Return") << "31022025" << false << "31.02.2025" << nonexistent("31.02.2025");
    QTest::newRow("31 February, OK clicked")
        << "31022025" << true << "31.02.2025" << nonexistent("31.02.2025");
    QTest::newRow("a real date is taken as typed") << "31>>" << false << "31.12.2026" << QString();
    QTest::newRow("year 9999 keeps its four digits") << ">>9999" << false << "07.12.9999" << kTooLate;
    QTest::newRow("year deleted") << ">><" << false << "07.12.____" << incomplete("07.12.____");
    QTest::newRow("year cut short, OK clicked") << ">>20" << true << "07.12.20__" << incomplete("07.12.20__");
}

void TestInputDialog::typedDateIsJudgedAsTyped()
{
    QFETCH(QString, keys);
    QFETCH(bool, clickOk);
    QFETCH(QString, kept);
    QFETCH(QString, refusal);
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    QString keptAfterOk;
    bool stayedOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
        QWidget* text = pickerText(dialog);
        for (const QChar key : keys)
            if (key == QLatin1Char('>'))
                QTest::keyClick(text, Qt::Key_Right);
            else if (key == QLatin1Char('<'))
                QTest::keyClick(text, Qt::Key_Backspace);
            else
                QTest::keyClicks(text, QString(key));
        if (clickOk)
            QTest::mouseClick(child<QPushButton>(dialog, "C_PSBT_Ok"), Qt::LeftButton);
        else
            QTest::keyClick(text, Qt::Key_Return);
        stayedOpen = dialog.isVisible();
        keptAfterOk = child<DatePicker>(dialog, "C_DTP_Datum")->text();
        if (!stayedOpen)
            return;
        // The user corrects the date and confirms.
        child<DatePicker>(dialog, "C_DTP_Datum")->selectPart(DatePicker::Part::Day);
        QTest::keyClicks(text, QStringLiteral("28022025"));
        QTest::keyClick(text, Qt::Key_Return);
    });
    DayNumber date = toDayNumber(QDate(2026, 12, 7));
    QVERIFY(dialog.askEvaluationDate(date));
    QCOMPARE(keptAfterOk, kept);
    QCOMPARE(stayedOpen, !refusal.isEmpty());
    QCOMPARE(boxes.texts(), refusal.isEmpty() ? QStringList() : QStringList({refusal}));
    QCOMPARE(toQDate(date),
             refusal.isEmpty() ? QDate::fromString(kept, QStringLiteral("dd.MM.yyyy")) : QDate(2025, 2, 28));
}

void TestInputDialog::arrowKeysMoveBetweenDayMonthAndYear()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    QList<DatePicker::Part> visited;
    QTimer::singleShot(0, &dialog, [&] {
        auto* picker = child<DatePicker>(dialog, "C_DTP_Datum");
        QWidget* text = pickerText(dialog);
        visited << picker->currentPart();
        for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left}) {
            QTest::keyClick(text, key);
            visited << picker->currentPart();
        }
        // The part reached by the arrows takes what is typed next; up and down step it.
        QTest::keyClicks(text, QStringLiteral("01")); // 07.01.2026, the cursor moves on to the year
        for (const Qt::Key key :
             {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left, Qt::Key_Left, Qt::Key_Down})
            QTest::keyClick(text, key);
        QTest::keyClick(text, Qt::Key_Return);
    });
    DayNumber date = toDayNumber(QDate(2026, 12, 7));
    QVERIFY(dialog.askEvaluationDate(date));
    using Part = DatePicker::Part;
    QCOMPARE(visited, QList<Part>({Part::Day, Part::Day, Part::Month, Part::Year, Part::Year, Part::Month}));
    QCOMPARE(toQDate(date), QDate(2027, 2, 6));
}

void TestInputDialog::calendarPicksADay()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    QDate shownInCalendar;
    QTimer::singleShot(0, &dialog, [&] {
        QTimer::singleShot(0, &dialog, [&] {
            auto* calendar = dialog.findChild<QCalendarWidget*>();
            if (!calendar)
                return;
            shownInCalendar = calendar->selectedDate();
            QWidget* days = calendar->findChild<QTableView*>();
            QTest::keyClick(days, Qt::Key_Right);
            QTest::keyClick(days, Qt::Key_Return);
        });
        QTest::keyClick(pickerText(dialog), Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(pickerText(dialog), Qt::Key_Return);
    });
    DayNumber date = toDayNumber(QDate(2026, 12, 7));
    QVERIFY(dialog.askEvaluationDate(date));
    QCOMPARE(shownInCalendar, QDate(2026, 12, 7));
    QCOMPARE(toQDate(date), QDate(2026, 12, 8));
}

void TestInputDialog::holidayImportWidensTheDialogAndRestoresIt()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    int holidayWidth = 0;
    int okLeft = 0;
    int cancelLeft = 0;
    bool presetShown = false;
    dialog.setRunModal([&] {
        holidayWidth = dialog.width();
        okLeft = child<QPushButton>(dialog, "C_PSBT_Ok")->x();
        cancelLeft = child<QPushButton>(dialog, "C_PSBT_Abbruch")->x();
        auto* states = child<QComboBox>(dialog, "C_CMBX_Bundesland");
        presetShown = !states->isHidden() && states->currentIndex() == 1 &&
                      child<QRadioButton>(dialog, "C_RDBT_Beenden")->isChecked();
        states->setCurrentIndex(2);
        child<QRadioButton>(dialog, "C_RDBT_Minimieren")->setChecked(true);
        return int(QDialog::Accepted);
    });
    HolidayImportChoice choice{1, true, {}};
    QVERIFY(dialog.askHolidayImport(
        QStringLiteral("Ferientermine einlesen"),
        {QStringLiteral("Bayern"), QStringLiteral("Berlin"), QStringLiteral("Hessen")}, choice));
    QVERIFY(presetShown);
    QCOMPARE(choice.stateIndex, 2);
    QCOMPARE(choice.stateText, QStringLiteral("Hessen"));
    QVERIFY(!choice.withStateName);
    QVERIFY(holidayWidth >= 292);
    // The buttons stand where they stand in the wide layout, shifted alike when the dialog had to grow.
    QCOMPARE(cancelLeft - okLeft, 130);
    QCOMPARE(okLeft - 40, (holidayWidth - 292) / 2);

    int normalWidth = 0;
    QString minimiseCaption;
    dialog.setRunModal([&] {
        normalWidth = dialog.width();
        minimiseCaption = child<QRadioButton>(dialog, "C_RDBT_Minimieren")->text();
        return int(QDialog::Rejected);
    });
    int seconds = 0;
    std::string action = kCountdownQuit;
    dialog.askCountdown(seconds, action);
    QVERIFY(normalWidth < holidayWidth);
    QCOMPARE(minimiseCaption, QStringLiteral("Notavi &minimieren (in Sekunden)"));
}

void TestInputDialog::realModalRunAcceptsWithOk()
{
    ScriptedMessageBoxes boxes;
    TC_Form_Eingabe dialog(boxes);
    QTimer::singleShot(0, &dialog, [&dialog] {
        auto* edit = child<QLineEdit>(dialog, "C_EDTX_Eingabe");
        QVERIFY(dialog.isVisible());
        QCOMPARE(edit->selectedText(), QStringLiteral("7")); // the preset is selected
        QTest::keyClicks(edit, QStringLiteral("14"));
        QTest::mouseClick(child<QPushButton>(dialog, "C_PSBT_Ok"), Qt::LeftButton);
    });
    int days = 7;
    QVERIFY(dialog.askDeletionAge(days));
    QCOMPARE(days, 14);
}

NOTAVI_GUI_TEST_MAIN(TestInputDialog)
#include "tst_tc_form_eingabe.moc"
