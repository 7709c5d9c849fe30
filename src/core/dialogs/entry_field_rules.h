#pragma once

// The entry dialog's rules over its values that need no widget: which controls a block uses, when OK
// may be pressed, and what the count fields become when they are left or converted.

#include "core/dialogs/date_calculation.h"
#include "core/dialogs/entry_form.h"

#include <optional>
#include <string>

namespace notavi {

// The controls that depend on the block; the period group is not used by holidays and one-time
// appointments (their C_CHBX_Zeitraum is unchecked and disabled).
struct EntryControlsInUse
{
    bool date = false;              // C_DTP_Datum, C_PSBT_DatumErrechnen
    bool lastDayOfFebruary = false; // C_CHBX_Februar
    bool birthYearUnknown = false;  // C_CHBX_GebJahr
    bool holidayEnd = false;        // C_LB_Ferienende, C_DTP_Ferienende
    bool repeat = false;            // C_EDTX_Tage and its spin, C_RDBT_Tag, C_RDBT_Woche
    bool xthWeekday = false;        // C_CMBX_xterWoTag
    bool weekday = false;           // C_CMBX_WoTag
    bool month = false;             // C_CMBX_Monat
    bool dayOfMonth = false;        // C_LB_Monat, C_CMBX_xterTag, C_CHBX_Vorzeichen
    bool part2 = false;             // C_LB_Text2, C_EDTX_Text2, C_LB_Text3
    bool period = false;            // C_CHBX_Zeitraum

    friend bool operator==(const EntryControlsInUse&, const EntryControlsInUse&) = default;
};

// Nothing is in use for a number outside 0..12.
EntryControlsInUse controlsInUse(int block);

// The first leap year from year on (the last one before 9999 at the end of the calendar), so that a
// date without year shown for name days and yearly appointments may be 29 February.
int leapYearFrom(int year);

// OK needs the first text, and the second one where the block uses it.
bool okAllowed(const EntryForm& form);

// Leaving C_EDTX_Tage: empty or 0 becomes "1"; in weeks more than 142 becomes "142".
std::string repeatCountOnLeave(const std::string& typed, bool inWeeks);
// Double-clicks on C_RDBT_Woche and C_RDBT_Tag: max(days div 7, 1) weeks, resp. weeks x 7 up to 999.
std::string repeatCountInWeeks(const std::string& typedDays);
std::string repeatCountInDays(const std::string& typedWeeks);

// Leaving C_EDTX_Anzahl empty sets it to "0".
std::string periodCountOnLeave(const std::string& typed);
// The period end for "nach": begin plus the count of the unit item 0..3; nullopt while the count is
// empty (the end stays as it is) or when the end is out of range.
std::optional<DayNumber> computedPeriodEnd(DayNumber begin, const std::string& count, int unitItem);

} // namespace notavi
