#include "core/dialogs/entry_form.h"

namespace notavi {

std::string_view controlName(EntryControl control)
{
    switch (control) {
    case EntryControl::Date:
        return "C_DTP_Datum";
    case EntryControl::HolidayEnd:
        return "C_DTP_Ferienende";
    case EntryControl::RepeatCount:
        return "C_EDTX_Tage";
    case EntryControl::PeriodEnd:
        return "C_DTP_Ende";
    case EntryControl::PeriodCount:
        return "C_EDTX_Anzahl";
    case EntryControl::None:
        break;
    }
    return "";
}

EntryForm entryFormOn(int block, DayNumber today)
{
    EntryForm form;
    form.block = block;
    form.date = today;
    form.holidayEnd = today;
    form.periodBegin = today;
    form.periodEnd = today;
    return form;
}

} // namespace notavi
