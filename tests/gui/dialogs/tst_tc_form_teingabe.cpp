// The entry dialog: lines composed from its controls per block, refusals and questions that keep it
// open on the control to mend, the field rules, a changed line read back, and the dialogs it opens.

#include "core/calendar/day_number.h"
#include "core/dialogs/entry_field_rules.h"
#include "gui/dialogs/colour_choice.h"
#include "gui/dialogs/tc_form_teingabe.h"
#include "gui/platform/colours.h"
#include "gui/platform/text_conversion.h"
#include "support/fake_desktop.h"
#include "support/gui_test_main.h"
#include "support/played_dialogs.h"

#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

using namespace notavi;
using namespace notavi::gui;
using namespace notavi::gui::test;

namespace {

const DayNumber kToday = notavi::toDayNumber(2025, 6, 15);
constexpr int kNoon = 12 * 60;

template <typename Widget> Widget* child(QObject& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void type(QDialog& dialog, const char* name, const QString& text)
{
    child<QLineEdit>(dialog, name)->setText(text);
}

void pick(QDialog& dialog, const char* name, const QDate& date)
{
    child<QDateEdit>(dialog, name)->setDate(date);
}

void choose(QDialog& dialog, const char* name, int item)
{
    child<QComboBox>(dialog, name)->setCurrentIndex(item);
}

// A click as the user makes it; a mouse click in the middle of a wide check box would miss its label.
void tick(QDialog& dialog, const char* name)
{
    child<QAbstractButton>(dialog, name)->click();
}

void clickOk(QDialog& dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, "C_PSBT_OK"), Qt::LeftButton);
}

QString focusName(QDialog& dialog)
{
    return dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
}

// One dialog over a desktop at noon on 15.06.2025, played by the test.
struct Rig
{
    Rig() { dialog.setModalRun(played.run()); }

    FakeDesktop desktop{kToday, kNoon};
    PlayedDialogs played;
    TC_FORM_TEingabe dialog{desktop.desktop(), DialogLook{}};
};

struct ComposeCase
{
    const char* name;
    int block;
    std::function<void(QDialog&)> fill;
    std::string line; // Windows-1252
};

} // namespace

class TestEntryDialog : public QObject
{
    Q_OBJECT

  private Q_SLOTS:
    void composesTheLineOfEachBlock();
    void refusalsKeepTheDialogOpenOnTheControlToMend();
    void aPastDateIsWrittenOnlyWhenTheQuestionIsAnsweredYes();
    void okNeedsTheTextsTheBlockUses();
    void controlsFollowTheBlock();
    void repeatCountRules();
    void periodEndIsComputedForNach();
    void holidayListGivesTheDate();
    void birthdayInTheYear9999HasAnUnknownYear();
    void colourListHasEighteenSwatches();
    void changeShowsTheLineReadBack();
    void changeTellsTheFaultsFirstAndMendsThem();
    void blankLineIsChangedAsANewAppointment();
    void escapeCancels();
    void blockChoiceSetsTheBlock();
    void dateCalculationSetsTheDate();
};

void TestEntryDialog::composesTheLineOfEachBlock()
{
    const std::vector<ComposeCase> cases = {
        {"birthday", 0,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(1980, 4, 3));
             type(d, "C_EDTX_Text1", QStringLiteral("Anna"));
         },
         "03.04.1980 Anna"},
        {"birthday, year unknown", 0,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(1980, 4, 3));
             tick(d, "C_CHBX_GebJahr");
             type(d, "C_EDTX_Text1", QStringLiteral("Anna"));
         },
         "03.04.9999 Anna"},
        {"name day on 29 February", 1,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(2028, 2, 29));
             type(d, "C_EDTX_Text1", QStringLiteral("Roman"));
         },
         "29.02 Roman"},
        {"weekly", 2,
         [](QDialog& d) {
             choose(d, "C_CMBX_WoTag", 4);
             type(d, "C_EDTX_Text1", QStringLiteral("M\u00FCll"));
         },
         "Fr M\xFCll"},
        {"monthly from the end", 6,
         [](QDialog& d) {
             choose(d, "C_CMBX_xterTag", 4);
             tick(d, "C_CHBX_Vorzeichen");
             type(d, "C_EDTX_Text1", QStringLiteral("Miete"));
         },
         "-05 Miete"},
        {"yearly, last day of February", 7,
         [](QDialog& d) {
             tick(d, "C_CHBX_Februar");
             type(d, "C_EDTX_Text1", QStringLiteral("Monatsende"));
         },
         "99.02 Monatsende"},
        {"since years with both parts", 8,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(2010, 5, 1));
             type(d, "C_EDTX_Text1", QStringLiteral("Vor"));
             type(d, "C_EDTX_Text2", QStringLiteral(" Jahren kennengelernt."));
         },
         "01.05.2010 Vor | Jahren kennengelernt."},
        {"last Monday in May", 9,
         [](QDialog& d) {
             choose(d, "C_CMBX_xterWoTag", 5);
             choose(d, "C_CMBX_Monat", 5);
             type(d, "C_EDTX_Text1", QStringLiteral("Treffen"));
         },
         "9.Mo 05 Treffen"},
        {"every 2 weeks with every option", 10,
         [](QDialog& d) {
             type(d, "C_EDTX_Tage", QStringLiteral("2"));
             tick(d, "C_RDBT_Woche");
             tick(d, "C_CHBX_Ferien");
             tick(d, "C_CHBX_Zeitraum");
             pick(d, "C_DTP_Beginn", QDate(2025, 7, 1));
             pick(d, "C_DTP_Ende", QDate(2025, 12, 31));
             tick(d, "C_CHBX_Alarm");
             child<QTimeEdit>(d, "C_DTP_Alarm")->setTime(QTime(7, 30));
             choose(d, "C_CMBX_Farbe", 17);
             type(d, "C_EDTX_Text1", QStringLiteral("Blumen gie\u00DFen"));
         },
         "15.06.2025 014 ~F~ ~01.07.2025-31.12.2025~ ~07:30~ ~17~ Blumen gie\xDF"
         "en"},
        {"every 7 days", 10, [](QDialog& d) { type(d, "C_EDTX_Tage", QStringLiteral("7")); },
         "15.06.2025 007 x"},
        {"one-day holidays", 11,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(2025, 6, 20));
             pick(d, "C_DTP_Ferienende", QDate(2025, 6, 20));
             type(d, "C_EDTX_Text1", QStringLiteral("Br\u00FCckentag"));
         },
         "20.06.2025-20.06.2025 Br\xFC"
         "ckentag"},
        {"deactivated one-time appointment", 12,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(2025, 6, 20));
             tick(d, "C_CHBX_Deaktiviert");
             type(d, "C_EDTX_Text1", QStringLiteral("Zahnarzt"));
         },
         "~20.06.2025 Zahnarzt"},
    };
    for (const ComposeCase& c : cases) {
        Rig rig;
        rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [&c](QDialog& d) {
            type(d, "C_EDTX_Text1", QStringLiteral("x"));
            c.fill(d);
            clickOk(d);
        });
        const std::optional<std::string> line = rig.dialog.askNewLine(c.block);
        QVERIFY2(line.has_value(), c.name);
        QCOMPARE(fromCp1252(*line), fromCp1252(c.line));
        QVERIFY2(rig.desktop.boxes.shown.isEmpty(), c.name);
    }
}

void TestEntryDialog::refusalsKeepTheDialogOpenOnTheControlToMend()
{
    struct Refusal
    {
        const char* name;
        int block;
        std::function<void(QDialog&)> fill;
        QString message;
        const char* focus;
    };

    const std::vector<Refusal> cases = {
        {"143 weeks", 10,
         [](QDialog& d) {
             tick(d, "C_RDBT_Woche");
             type(d, "C_EDTX_Tage", QStringLiteral("143"));
         },
         QStringLiteral(
             "Notavi kann maximal 142 Wochen ber\u00FCcksichtigen.\n\nBitte korrigieren Sie die Anzahl "
             "der Wochen!"),
         "C_EDTX_Tage"},
        {"holiday end before the start", 11,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(2025, 7, 10));
             pick(d, "C_DTP_Ferienende", QDate(2025, 7, 9));
         },
         QStringLiteral(
             "Das Ferienende darf nicht vor dem Ferienbeginn liegen.\n\nBei eint\u00E4gigen Ferien ist "
             "das Ferienende identisch mit dem Ferienbeginn. Beide sind vorzugeben."),
         "C_DTP_Ferienende"},
        {"period end before its begin", 2,
         [](QDialog& d) {
             tick(d, "C_CHBX_Zeitraum");
             pick(d, "C_DTP_Beginn", QDate(2025, 8, 2));
             pick(d, "C_DTP_Ende", QDate(2025, 8, 1));
         },
         QStringLiteral("Das Ende des Terminzeitraums darf nicht vor dessen Beginn liegen."), "C_DTP_Ende"},
        {"29 February of an unknown year", 0,
         [](QDialog& d) {
             pick(d, "C_DTP_Datum", QDate(2024, 2, 29));
             tick(d, "C_CHBX_GebJahr");
         },
         QStringLiteral(
             "Ein Geburtstag am 29. Februar kann nicht mit unbekanntem Geburtsjahr angelegt "
             "werden,\ndenn das Jahr 9999 ist kein Schaltjahr.\n\nBitte geben Sie das Geburtsjahr vor!"),
         "C_DTP_Datum"},
    };
    for (const Refusal& c : cases) {
        Rig rig;
        rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [&c, &rig](QDialog& d) {
            type(d, "C_EDTX_Text1", QStringLiteral("Text"));
            c.fill(d);
            clickOk(d);
            QVERIFY2(d.isVisible(), c.name);
            QCOMPARE(rig.desktop.boxes.texts(), QStringList{c.message});
            QCOMPARE(rig.desktop.boxes.shown.front().kind, MessageKind::Warning);
            QCOMPARE(focusName(d), QString::fromLatin1(c.focus));
        });
        QVERIFY2(!rig.dialog.askNewLine(c.block), c.name);
    }
}

void TestEntryDialog::aPastDateIsWrittenOnlyWhenTheQuestionIsAnsweredYes()
{
    for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
        Rig rig;
        rig.desktop.boxes.answer(answer);
        rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [&rig, answer](QDialog& d) {
            pick(d, "C_DTP_Datum", QDate(2025, 6, 14));
            type(d, "C_EDTX_Text1", QStringLiteral("Gestern"));
            clickOk(d);
            QCOMPARE(rig.desktop.boxes.shown.size(), 1);
            QCOMPARE(rig.desktop.boxes.shown.front().buttons, MessageButtons::YesNo);
            QVERIFY(rig.desktop.boxes.shown.front().text.startsWith(QStringLiteral("Achtung!")));
            QCOMPARE(d.isVisible(), answer == MessageAnswer::No);
            if (answer == MessageAnswer::No)
                QCOMPARE(focusName(d), QStringLiteral("C_DTP_Datum"));
        });
        const std::optional<std::string> line = rig.dialog.askNewLine(12);
        QCOMPARE(line.value_or("none"), answer == MessageAnswer::Yes ? "14.06.2025 Gestern" : "none");
    }
}

void TestEntryDialog::okNeedsTheTextsTheBlockUses()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        auto* ok = child<QPushButton>(d, "C_PSBT_OK");
        QVERIFY(!ok->isEnabled());
        type(d, "C_EDTX_Text1", QStringLiteral("Vor"));
        QVERIFY(!ok->isEnabled()); // the since-years block needs its third part
        type(d, "C_EDTX_Text2", QStringLiteral(" Jahren"));
        QVERIFY(ok->isEnabled());
        type(d, "C_EDTX_Text2", QString());
        choose(d, "C_CMBX_TerminBlock", 0);
        QVERIFY(ok->isEnabled()); // birthdays have no third part
    });
    QVERIFY(!rig.dialog.askNewLine(8));
}

void TestEntryDialog::controlsFollowTheBlock()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        for (int block = 0; block < 13; ++block) {
            child<QCheckBox>(d, "C_CHBX_Zeitraum")->setChecked(true);
            choose(d, "C_CMBX_TerminBlock", block);
            const EntryControlsInUse use = controlsInUse(block);
            const QByteArray row = "block " + QByteArray::number(block);
            const auto enabled = [&d](const char* name) { return child<QWidget>(d, name)->isEnabled(); };
            QVERIFY2(enabled("C_DTP_Datum") == use.date && enabled("C_PSBT_DatumErrechnen") == use.date, row);
            QVERIFY2(enabled("C_CHBX_Februar") == use.lastDayOfFebruary, row);
            QVERIFY2(enabled("C_CHBX_GebJahr") == use.birthYearUnknown, row);
            QVERIFY2(enabled("C_DTP_Ferienende") == use.holidayEnd, row);
            QVERIFY2(enabled("C_RDBT_Woche") == use.repeat && enabled("C_UpDown_Tage") == use.repeat, row);
            QVERIFY2(enabled("C_CMBX_xterWoTag") == use.xthWeekday, row);
            QVERIFY2(enabled("C_CMBX_WoTag") == use.weekday, row);
            QVERIFY2(enabled("C_CMBX_Monat") == use.month, row);
            QVERIFY2(enabled("C_CMBX_xterTag") == use.dayOfMonth, row);
            QVERIFY2(enabled("C_EDTX_Text2") == use.part2, row);
            // Holidays and one-time appointments never keep a period.
            QVERIFY2(enabled("C_CHBX_Zeitraum") == use.period, row);
            QVERIFY2(child<QCheckBox>(d, "C_CHBX_Zeitraum")->isChecked() == use.period, row);
            QVERIFY2(enabled("C_DTP_Beginn") == use.period, row);
            const bool withoutYear = block == 1 || block == 7;
            QCOMPARE(child<QDateEdit>(d, "C_DTP_Datum")->displayFormat(),
                     withoutYear ? QStringLiteral("dd.MM.") : QStringLiteral("dd.MM.yyyy"));
            if (withoutYear)
                QVERIFY(QDate::isLeapYear(child<QDateEdit>(d, "C_DTP_Datum")->date().year()));
        }
    });
    QVERIFY(!rig.dialog.askNewLine(12));
}

void TestEntryDialog::repeatCountRules()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        auto* days = child<QLineEdit>(d, "C_EDTX_Tage");
        days->clear();
        QTest::keyClicks(days, QStringLiteral("1a-2"));
        QCOMPARE(days->text(), QStringLiteral("12")); // digits only
        QTest::keyClicks(days, QStringLiteral("34"));
        QCOMPARE(days->text(), QStringLiteral("123")); // three at most

        QTest::mouseDClick(child<QRadioButton>(d, "C_RDBT_Woche"), Qt::LeftButton);
        QCOMPARE(days->text(), QStringLiteral("17"));
        QTest::mouseDClick(child<QRadioButton>(d, "C_RDBT_Tag"), Qt::LeftButton);
        QCOMPARE(days->text(), QStringLiteral("119"));

        // Leaving the field: 0 becomes 1, more than 142 weeks become 142. OK leaves it too.
        tick(d, "C_RDBT_Woche");
        days->setFocus();
        days->setText(QStringLiteral("500"));
        type(d, "C_EDTX_Text1", QStringLiteral("Gie\u00DFen"));
        clickOk(d);
    });
    QCOMPARE(rig.dialog.askNewLine(10).value_or(""), "15.06.2025 994 Gie\xDF"
                                                     "en");
}

void TestEntryDialog::periodEndIsComputedForNach()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        tick(d, "C_CHBX_Zeitraum");
        QVERIFY(child<QWidget>(d, "C_DTP_Ende")->isEnabled());
        QVERIFY(!child<QWidget>(d, "C_EDTX_Anzahl")->isEnabled());
        tick(d, "C_RDBT_nach");
        QVERIFY(!child<QWidget>(d, "C_DTP_Ende")->isEnabled());
        QVERIFY(child<QWidget>(d, "C_CMBX_Einheit")->isEnabled());
        pick(d, "C_DTP_Beginn", QDate(2026, 1, 31));
        choose(d, "C_CMBX_Einheit", 2);
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Ende")->date(), QDate(2026, 2, 28));
        type(d, "C_EDTX_Anzahl", QString()); // an empty count leaves the end as it is
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Ende")->date(), QDate(2026, 2, 28));
        child<QLineEdit>(d, "C_EDTX_Anzahl")->setFocus();
        type(d, "C_EDTX_Text1", QStringLiteral("Kurs"));
        clickOk(d);
        QCOMPARE(child<QLineEdit>(d, "C_EDTX_Anzahl")->text(), QStringLiteral("0"));
    });
    // A count of 0 ends the period on its first day.
    QCOMPARE(rig.dialog.askNewLine(2).value_or(""), "Mo ~31.01.2026-31.01.2026~ Kurs");
}

void TestEntryDialog::holidayListGivesTheDate()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        auto* list = child<QListWidget>(d, "C_LSBX_Feiertage");
        QVERIFY(list->count() > 5);
        pick(d, "C_DTP_Feiertagsjahr", QDate(2027, 1, 1));
        const QList<QListWidgetItem*> christmas =
            list->findItems(QStringLiteral("25.12."), Qt::MatchStartsWith);
        QVERIFY(!christmas.isEmpty());
        list->setCurrentItem(christmas.front());
        Q_EMIT list->itemDoubleClicked(christmas.front());
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Datum")->date(), QDate(2027, 12, 25));
        // Not while the block has no date.
        choose(d, "C_CMBX_TerminBlock", 2);
        list->setCurrentRow(0);
        Q_EMIT list->itemDoubleClicked(list->item(0));
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Datum")->date(), QDate(2027, 12, 25));
    });
    QVERIFY(!rig.dialog.askNewLine(12));
}

void TestEntryDialog::birthdayInTheYear9999HasAnUnknownYear()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        pick(d, "C_DTP_Datum", QDate(9999, 3, 7));
        QVERIFY(child<QCheckBox>(d, "C_CHBX_GebJahr")->isChecked());
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Datum")->displayFormat(), QStringLiteral("dd.MM."));
        // Another block keeps its year visible.
        choose(d, "C_CMBX_TerminBlock", 12);
        pick(d, "C_DTP_Datum", QDate(9999, 3, 7));
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Datum")->displayFormat(), QStringLiteral("dd.MM.yyyy"));
    });
    QVERIFY(!rig.dialog.askNewLine(0));
}

void TestEntryDialog::colourListHasEighteenSwatches()
{
    Rig rig;
    auto* colours = child<QComboBox>(rig.dialog, "C_CMBX_Farbe");
    QCOMPARE(colours->count(), 18);
    QCOMPARE(colours->itemText(0), QStringLiteral("Termin Standardfarbe"));
    QCOMPARE(colours->itemText(17), QStringLiteral("Orange"));
    for (int item = 0; item < colours->count(); ++item) {
        const QImage swatch = colours->itemIcon(item).pixmap(colours->iconSize()).toImage();
        QVERIFY(swatch.width() >= 30);
        const QColor expected = item == 0 ? QColor(0xFF, 0xFB, 0xF0) : colourOfCodeQt(item);
        QCOMPARE(swatch.pixelColor(swatch.width() / 2, swatch.height() / 2), expected);
    }
}

void TestEntryDialog::changeShowsTheLineReadBack()
{
    const std::string line = "~Fr ~F~ ~01.07.2025-31.12.2025~ ~07:30~ ~05~ Sport";
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Termin \u00E4ndern"));
        QVERIFY(!child<QWidget>(d, "C_CMBX_TerminBlock")->isEnabled());
        QVERIFY(!child<QWidget>(d, "C_PSBT_Terminblock")->isEnabled());
        QCOMPARE(child<QComboBox>(d, "C_CMBX_TerminBlock")->currentIndex(), 2);
        QCOMPARE(child<QComboBox>(d, "C_CMBX_WoTag")->currentIndex(), 4);
        QVERIFY(child<QCheckBox>(d, "C_CHBX_Deaktiviert")->isChecked());
        QVERIFY(child<QCheckBox>(d, "C_CHBX_Ferien")->isChecked());
        QVERIFY(child<QCheckBox>(d, "C_CHBX_Zeitraum")->isChecked());
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Ende")->date(), QDate(2025, 12, 31));
        QVERIFY(child<QWidget>(d, "C_DTP_Alarm")->isEnabled());
        QCOMPARE(child<QTimeEdit>(d, "C_DTP_Alarm")->time(), QTime(7, 30));
        QCOMPARE(child<QComboBox>(d, "C_CMBX_Farbe")->currentIndex(), 5);
        QCOMPARE(child<QLineEdit>(d, "C_EDTX_Text1")->text(), QStringLiteral("Sport"));
        clickOk(d);
    });
    QCOMPARE(rig.dialog.askChangedLine(2, line).value_or(""), line);
    QVERIFY(rig.desktop.boxes.shown.isEmpty());
}

void TestEntryDialog::changeTellsTheFaultsFirstAndMendsThem()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [&rig](QDialog& d) {
        QCOMPARE(rig.desktop.boxes.shown.size(), 1); // told before the dialog appeared
        QVERIFY(!child<QWidget>(d, "C_CHBX_Zeitraum")->isEnabled());
        clickOk(d);
    });
    const std::optional<std::string> line =
        rig.dialog.askChangedLine(12, "20.06.2025 ~01.07.2025-31.07.2025~ Fest");
    QCOMPARE(rig.desktop.boxes.texts(),
             QStringList{QStringLiteral(
                 "Ein Terminzeitraum ist nur bei wiederholenden Terminen zul\u00E4ssig.\nEr "
                 "wird daher ignoriert und nach der Termin\u00E4nderung automatisch entfernt.")});
    QCOMPARE(line.value_or(""), "20.06.2025 Fest");
}

void TestEntryDialog::blankLineIsChangedAsANewAppointment()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Termin eingeben"));
        QVERIFY(!child<QWidget>(d, "C_CMBX_TerminBlock")->isEnabled());
        QVERIFY(!child<QCheckBox>(d, "C_CHBX_Alarm")->isChecked());
        QVERIFY(!child<QWidget>(d, "C_DTP_Alarm")->isEnabled());
        QCOMPARE(child<QTimeEdit>(d, "C_DTP_Alarm")->time(), QTime(12, 0));
        type(d, "C_EDTX_Text1", QStringLiteral("Neu"));
        clickOk(d);
    });
    QCOMPARE(rig.dialog.askChangedLine(3, "   ").value_or(""), "15.06.2025 Neu");
}

void TestEntryDialog::escapeCancels()
{
    FakeDesktop desktop(kToday, kNoon);
    TC_FORM_TEingabe dialog(desktop.desktop(), DialogLook{});
    bool shown = false;
    QTimer::singleShot(0, &dialog, [&] {
        shown = dialog.isVisible();
        type(dialog, "C_EDTX_Text1", QStringLiteral("Nicht speichern"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QVERIFY(!dialog.askNewLine(12));
    QVERIFY(shown);
    QVERIFY(desktop.boxes.shown.isEmpty());
}

void TestEntryDialog::blockChoiceSetsTheBlock()
{
    Rig rig;
    rig.played.queue(QStringLiteral("TC_Form_TB_ermitteln"), [](QDialog& choice) {
        QVERIFY(child<QRadioButton>(choice, "C_RDBT_Ferien")->isChecked());
        QCOMPARE(child<QLabel>(choice, "C_LB_Terminblock")->text(), QStringLiteral("Ferien"));
        tick(choice, "C_RDBT_Seit_x_Jahren");
        QCOMPARE(child<QLabel>(choice, "C_LB_Terminblock")->text(), QStringLiteral("Seit x Jahren"));
        choice.reject();
    });
    rig.played.queue(QStringLiteral("TC_Form_TB_ermitteln"), [](QDialog& choice) {
        tick(choice, "C_RDBT_Seit_x_Jahren");
        tick(choice, "C_PSBT_OK");
    });
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        tick(d, "C_PSBT_Terminblock"); // cancelled: the block stays
        QCOMPARE(child<QComboBox>(d, "C_CMBX_TerminBlock")->currentIndex(), 11);
        tick(d, "C_PSBT_Terminblock");
        QCOMPARE(child<QComboBox>(d, "C_CMBX_TerminBlock")->currentIndex(), 8);
        QVERIFY(child<QWidget>(d, "C_EDTX_Text2")->isEnabled());
    });
    QVERIFY(!rig.dialog.askNewLine(11));
    QCOMPARE(rig.played.shown,
             QStringList({QStringLiteral("TC_FORM_TEingabe"), QStringLiteral("TC_Form_TB_ermitteln"),
                          QStringLiteral("TC_Form_TB_ermitteln")}));
}

void TestEntryDialog::dateCalculationSetsTheDate()
{
    Rig rig;
    rig.desktop.clipboard.current = QStringLiteral("vorher");
    rig.played.queue(QStringLiteral("TC_FORM_Datumsberechnung"), [](QDialog& calculation) {
        QVERIFY(!child<QCheckBox>(calculation, "C_CHBX_Uebernahme")->isEnabled());
        QVERIFY(!child<QCheckBox>(calculation, "C_CHBX_Uebernahme")->isChecked());
        type(calculation, "C_EDTX_Anzahl", QStringLiteral("3"));
        choose(calculation, "C_CMBX_Einheit", 1);
        tick(calculation, "C_PSBT_OK");
    });
    rig.played.queue(QStringLiteral("TC_FORM_TEingabe"), [](QDialog& d) {
        tick(d, "C_PSBT_DatumErrechnen");
        QCOMPARE(child<QDateEdit>(d, "C_DTP_Datum")->date(), QDate(2025, 5, 25));
        type(d, "C_EDTX_Text1", QStringLiteral("Frist"));
        clickOk(d);
    });
    rig.desktop.boxes.answer(MessageAnswer::Yes); // the date lies in the past
    QCOMPARE(rig.dialog.askNewLine(12).value_or(""), "25.05.2025 Frist");
    QCOMPARE(rig.desktop.clipboard.current, QStringLiteral("vorher"));
    QVERIFY(rig.desktop.clipboard.writes.isEmpty());
}

NOTAVI_GUI_TEST_MAIN(TestEntryDialog)
#include "tst_tc_form_teingabe.moc"
