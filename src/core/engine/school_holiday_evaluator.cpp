#include "core/calendar/german_text.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"

#include <algorithm>

namespace notavi {
namespace {

enum class HolidayEntry
{
    Begin,
    OneDay,
    End,
};

struct Wording
{
    const char* verb;
    const char* ending;
};

Wording wordingOf(HolidayEntry entry, bool beforeEvaluationDate)
{
    switch (entry) {
    case HolidayEntry::Begin:
        return beforeEvaluationDate ? Wording{"haben die ", " begonnen."} : Wording{"beginnen die ", "."};
    case HolidayEntry::OneDay:
        return beforeEvaluationDate ? Wording{"waren die ", "."} : Wording{"sind die ", "."};
    case HolidayEntry::End:
        return beforeEvaluationDate ? Wording{"sind die ", " zu Ende gegangen."} : Wording{"enden die ", "."};
    }
    return {"", ""};
}

const std::string& holidayName()
{
    return BlockCatalogue::displayName(blockNumber(BlockKind::SchoolHolidays));
}

void markHolidayDays(Evaluation& ev, DayNumber begin, DayNumber end)
{
    if (begin > ev.rangeEnd())
        return;
    DayNumber from = std::max(begin, ev.rangeStart);
    DayNumber to = std::min(end, ev.rangeEnd());
    for (DayNumber day = from; day <= to; ++day)
        ev.schoolHolidayDays[static_cast<std::size_t>(day - ev.rangeStart)] = true;
}

// True when an entry was composed.
bool composeHolidayEntry(Evaluation& ev, std::string_view dateText, HolidayEntry entry)
{
    if (!ev.anniversaryRangeTest(dateText, holidayName()) || ev.nextYearHit)
        return false;
    Wording wording = wordingOf(entry, ev.lastFourWeeksBeforeEvaluationDate());
    ev.entryText = ev.lineFrom(23) + wording.ending;
    ev.compose(wording.verb, ev.switchOf(BlockKind::SchoolHolidays), BlockKind::SchoolHolidays);
    return true;
}

void evaluateHolidayLine(Evaluation& ev)
{
    const std::string line = ev.line();
    const std::string beginText = line.substr(0, 10);
    const std::string endText = line.size() > 11 ? line.substr(11, 10) : std::string();
    if (!ev.dateCheck(beginText, holidayName()) || !ev.dateCheck(endText, holidayName()))
        return;
    const DayNumber begin = *parseDateText(beginText);
    const DayNumber end = *parseDateText(endText);
    if (begin > end) {
        ev.reportLineError(
            ev.quotedLine() + " enth\xE4lt widersinnige Angaben. Der Ferienbeginn liegt nach dem Ferienende.",
            ev.currentLine, false, holidayName());
        return;
    }
    markHolidayDays(ev, begin, end);
    const bool oneDay = begin == end;
    if (composeHolidayEntry(ev, beginText, oneDay ? HolidayEntry::OneDay : HolidayEntry::Begin)) {
        ev.repeatEntry = true;
    } else if (ev.isErrorCheck()) {
        ev.entryText = ev.lineFrom(23);
        ev.dayOffset = 0;
        ev.compose("", false, BlockKind::SchoolHolidays);
    }
    if (!oneDay)
        composeHolidayEntry(ev, endText, HolidayEntry::End);
}

} // namespace

void evaluateSchoolHolidays(Evaluation& ev)
{
    if (BlockCatalogue::headerBlock(ev.line()) != blockNumber(BlockKind::SchoolHolidays)) {
        ev.reportLineError(ev.quotedLine() + " befindet sich au\xDF"
                                             "erhalb eines g\xFCltigen Terminblocks.",
                           ev.currentLine, false, "");
        ++ev.currentLine;
        return;
    }
    ev.adaptHeader(BlockKind::SchoolHolidays);
    forEachAppointmentLine(ev, [&ev] { evaluateHolidayLine(ev); });
}

} // namespace notavi
