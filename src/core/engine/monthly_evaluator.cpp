// Monthly appointments: "+TT Text" on day TT of every month, "-TT Text" counted from the month's end
// ("-01" is the last day). Months shorter than the day count are left out.

#include "core/engine/block_walk.h"
#include "core/engine/evaluators.h"
#include "core/engine/recurring_line.h"

#include <cstdlib>

namespace notavi {
namespace {

constexpr std::size_t kTextPosition = 5;
constexpr int kMaxDay = 31;

std::optional<int> readDay(Evaluation& ev)
{
    const std::string written = ev.line().substr(0, 3);
    const std::optional<int> day = signedNumber(written);
    if (!day || *day == 0 || *day < -kMaxDay || *day > kMaxDay) {
        ev.reportLineError(ev.quotedLine() + " enth\xE4lt die ung\xFCltige Tagesangabe: \"" + written + "\".",
                           ev.currentLine, false, recurringBlockName(BlockKind::Monthly));
        return std::nullopt;
    }
    return day;
}

void evaluateMonthlyLine(Evaluation& ev)
{
    const std::optional<int> day = readDay(ev);
    if (!day)
        return;
    forEachMonthOfRange(ev, [&ev, d = *day](YearMonth month) {
        const int length = daysInMonth(month.year, month.month);
        if (std::abs(d) > length)
            return;
        const int dayOfMonth = d > 0 ? d : length + 1 + d;
        composeIfInRange(ev, toDayNumber(month.year, month.month, dayOfMonth), kTextPosition,
                         BlockKind::Monthly);
    });
    checkOptionsOfLineWithoutEntry(ev, kTextPosition, BlockKind::Monthly);
}

} // namespace

void evaluateMonthly(Evaluation& ev)
{
    // Only a real header line opens the block, whoever called the evaluator.
    if (BlockCatalogue::headerBlock(ev.line()) != blockNumber(BlockKind::Monthly)) {
        ev.reportLineError(ev.quotedLine() + " befindet sich au\xDF"
                                             "erhalb eines g\xFCltigen Terminblocks.",
                           ev.currentLine, false, "");
        ++ev.currentLine;
        return;
    }
    ev.adaptHeader(BlockKind::Monthly);
    forEachAppointmentLine(ev, [&ev] { evaluateMonthlyLine(ev); });
    finishBlock(ev, BlockKind::Monthly);
}

} // namespace notavi
