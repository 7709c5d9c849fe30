#pragma once

// The values of the entry dialog's controls that make up an appointment line. The window reads its
// controls into this form on OK and fills them from it for a change; comments name the controls.

#include "core/calendar/day_number.h"

#include <string>
#include <string_view>

namespace notavi {

// The controls a refusal or a declined question puts the focus on.
enum class EntryControl
{
    None,
    Date,        // C_DTP_Datum
    HolidayEnd,  // C_DTP_Ferienende
    RepeatCount, // C_EDTX_Tage
    PeriodEnd,   // C_DTP_Ende
    PeriodCount, // C_EDTX_Anzahl
};

// The objectName of the control ("" for None).
std::string_view controlName(EntryControl control);

constexpr int kLastXthWeekdayItem = 5; // "jeden letzten", written as ordinal 9
constexpr int kEveryMonthItem = 0;     // "in jedem Monat"

struct EntryForm
{
    int block = 12;                 // C_CMBX_TerminBlock item = block number 0..12
    DayNumber date = 0;             // C_DTP_Datum (holiday start for FER)
    bool lastDayOfFebruary = false; // C_CHBX_Februar
    bool birthYearUnknown = false;  // C_CHBX_GebJahr
    DayNumber holidayEnd = 0;       // C_DTP_Ferienende

    std::string repeatCount = "1"; // C_EDTX_Tage as typed
    bool repeatInWeeks = false;    // C_RDBT_Woche checked (else C_RDBT_Tag)

    int xthWeekdayItem = 0;    // C_CMBX_xterWoTag: "jeden 1." ... "jeden letzten" (0..5)
    int weekdayItem = 0;       // C_CMBX_WoTag: Montag ... Sonntag (0..6)
    int monthItem = 0;         // C_CMBX_Monat: every month, then Januar ... Dezember (0..12)
    int dayOfMonthItem = 0;    // C_CMBX_xterTag: "01." ... "31." (0..30)
    bool fromMonthEnd = false; // C_CHBX_Vorzeichen

    std::string text1; // C_EDTX_Text1 (Windows-1252)
    std::string text2; // C_EDTX_Text2, the part after the years of a since-years line

    int colourItem = 0;         // C_CMBX_Farbe: the colour code, 0 = "Termin Standardfarbe"
    bool alarmOn = false;       // C_CHBX_Alarm
    int alarmMinute = 0;        // C_DTP_Alarm as hour * 60 + minute
    bool notInHolidays = false; // C_CHBX_Ferien
    bool deactivated = false;   // C_CHBX_Deaktiviert

    bool periodOn = false;      // C_CHBX_Zeitraum
    DayNumber periodBegin = 0;  // C_DTP_Beginn
    DayNumber periodEnd = 0;    // C_DTP_Ende
    bool periodEndGiven = true; // C_RDBT_am checked (else C_RDBT_nach: the end is computed)

    friend bool operator==(const EntryForm&, const EntryForm&) = default;
};

// The form as the dialog starts: every date on today, the other controls on their first item.
EntryForm entryFormOn(int block, DayNumber today);

} // namespace notavi
