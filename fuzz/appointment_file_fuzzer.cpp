// Arbitrary bytes as notavi.dat: split into lines and repaired like the main window loads them, then
// every view, the alarm pass and the error check pass at a date taken from the input.

#include "core/engine/view_evaluator.h"
#include "core/model/info_area.h"
#include "fuzz_check.h"

namespace notavi::fuzz {
namespace {

struct Moment
{
    DayNumber date = 0;
    DayNumber today = 0;
    int minuteOfDay = 0;
    DisplayOptions options;
};

// From the last four bytes: the evaluation date within 1910-2089, today near it, the time of day and
// the display switches.
Moment momentOf(std::string_view bytes)
{
    Moment moment;
    const auto offset = static_cast<std::int16_t>(byteFromEnd(bytes, 1) | byteFromEnd(bytes, 2) << 8);
    moment.date = toDayNumber(2000, 1, 1) + offset;
    const std::uint8_t clock = byteFromEnd(bytes, 3);
    moment.today = moment.date + clock % 15 - 7;
    moment.minuteOfDay = clock * 1440 / 256;
    const std::uint8_t switches = byteFromEnd(bytes, 4);
    moment.options.separatorLines = switches & 1;
    moment.options.weekdayToday = switches & 2;
    moment.options.weekdayRest = switches & 4;
    moment.options.thousandDayBirthdays = switches & 8;
    moment.options.moonPhaseTime = switches & 16;
    if (switches & 32)
        moment.options.blockShown[switches % kBlockCount] = false;
    return moment;
}

void checkLineSplitting(std::string_view bytes, const Lines& lines)
{
    require(splitLines(joinLines(lines)) == lines, "joinLines then splitLines gives the lines back");
    std::size_t kept = 0;
    for (const std::string& line : lines)
        kept += line.size();
    std::size_t expected = 0;
    for (char c : bytes)
        expected += c != '\r' && c != '\n';
    require(kept == expected, "splitting drops only line ends");
}

bool sorted(const ViewEntries& entries)
{
    for (std::size_t i = 1; i < entries.size(); ++i) {
        const ViewEntry a = entries[i - 1];
        const ViewEntry b = entries[i];
        if (b.sortKey() < a.sortKey() || (b.sortKey() == a.sortKey() && b.text() < a.text()))
            return false;
    }
    return true;
}

void evaluateEverything(Lines& lines, const Moment& moment)
{
    FixedClock clock(moment.today, moment.minuteOfDay, -60);
    CollectingLineErrorSink errors;
    Alarms alarms;
    EvaluationContext context{moment.options, clock, errors, alarms};
    for (int view = 0; view < kViewModeCount; ++view) {
        const EvaluationResult result = evaluateView(lines, context, moment.date, view);
        require(result.ok, "every view mode is known");
        require(sorted(result.entries), "entries come sorted");
        if (result.corrected)
            require(!evaluateView(lines, context, moment.date, view).corrected,
                    "a repaired list needs no second repair");
    }
    evaluateView(lines, context, moment.date, 0, EvaluationPass::Alarm);

    Lines checked = lines;
    Lines editorText = lines;
    CollectingLineErrorSink checkErrors;
    EvaluationContext checkContext{moment.options, clock, checkErrors, alarms, &editorText};
    evaluateView(checked, checkContext, moment.date, 0, EvaluationPass::ErrorCheck);
    require(editorText == checked, "the error check repairs the editor's text like its own lines");
}

} // namespace
} // namespace notavi::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace notavi;
    const std::string_view bytes = fuzz::bytesOf(data, size);
    Lines lines = splitLines(bytes);
    fuzz::checkLineSplitting(bytes, lines);

    repairInfoArea(lines);
    Lines again = lines;
    fuzz::require(!repairInfoArea(again) && again == lines, "a repaired info area passes unchanged");

    fuzz::evaluateEverything(lines, fuzz::momentOf(bytes));
    return 0;
}
