// Since-x-years anniversaries: the count of years put between two sentence parts.

#include "core/engine/anniversary_occurrence.h"
#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

namespace notavi {
namespace {

// The start date must be a real date; its day in a year without 29 February falls on the 28th,
// which the name with the trailing blank tolerates.
constexpr std::string_view kStartDateName = "Seit x Jahren";
constexpr std::string_view kAnniversaryName = "Seit x Jahren ";
constexpr std::size_t kTextPosition = 12;

const std::string& sinceYearsName()
{
    return BlockCatalogue::displayName(blockNumber(BlockKind::SinceYears));
}

void reportMissingBar(Evaluation& ev)
{
    ev.reportLineError(ev.quotedLine() +
                           " ist unvollst\xE4ndig. Es fehlt der dritte Teil der Terminbeschreibung.",
                       ev.currentLine, false, sinceYearsName());
}

// The years between the parts around the first bar; without a bar they follow the text.
std::string sentenceWithYears(Evaluation& ev, const std::string& text, int years)
{
    const std::size_t bar = text.find('|');
    if (bar == std::string::npos) {
        reportMissingBar(ev);
        return text + " " + std::to_string(years);
    }
    return text.substr(0, bar) + std::to_string(years) + text.substr(bar + 1);
}

// The check pass looks at a line without entry once: an incomplete text is reported, a complete
// one composed for its options.
void checkLineWithoutEntry(Evaluation& ev, const std::string& text)
{
    if (!ev.isErrorCheck())
        return;
    if (text.find('|') == std::string::npos)
        reportMissingBar(ev);
    else
        checkOptionsOfLineWithoutEntry(ev, kTextPosition, BlockKind::SinceYears);
}

void evaluateSinceYearsLine(Evaluation& ev)
{
    const YearlyOccurrence occurrence = findYearlyOccurrence(ev, kStartDateName, kAnniversaryName);
    const std::string text = ev.lineFrom(kTextPosition);
    if (occurrence.validDate && occurrence.hit && occurrence.startYear <= occurrence.occurrenceYear) {
        ev.entryText = sentenceWithYears(ev, text, occurrence.occurrenceYear - occurrence.startYear);
        ev.compose("", ev.switchOf(BlockKind::SinceYears), BlockKind::SinceYears);
    } else {
        // Also a line with a faulty date, which yields no entry either.
        checkLineWithoutEntry(ev, text);
    }
}

} // namespace

void evaluateSinceYears(Evaluation& ev)
{
    ev.adaptHeader(BlockKind::SinceYears);
    forEachAppointmentLine(ev, [&ev] { evaluateSinceYearsLine(ev); });
    finishBlock(ev, BlockKind::SinceYears);
}

} // namespace notavi
