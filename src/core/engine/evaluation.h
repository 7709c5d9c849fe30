#pragma once

// The engine state shared by the view driver, the entry composition and the block evaluators
// for one evaluation, with the operations every evaluator uses.

#include "core/calendar/day_number.h"
#include "core/engine/clock.h"
#include "core/engine/display_options.h"
#include "core/engine/line_error.h"
#include "core/engine/view_entry.h"
#include "core/engine/view_range.h"
#include "core/model/appointment_file.h"
#include "core/model/block_catalogue.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace notavi {

enum class EvaluationPass
{
    Normal,     // fills the view
    ErrorCheck, // collects the errors of every line for the editor's check list
    Alarm,      // collects today's alarms only
};

struct EvaluationContext
{
    const DisplayOptions& options;
    const Clock& clock;
    LineErrorSink& errors;
    Alarms& alarms;
    // In the error check pass, the editor's text: repairs of the file are made there as well.
    Lines* mirror = nullptr;
};

class Evaluation
{
  public:
    Evaluation(Lines& lines, const EvaluationContext& context, EvaluationPass pass, ViewMode mode,
               ViewRange range);

    // --- state -----------------------------------------------------------------------------
    Lines& lines;
    const EvaluationContext& context;
    const EvaluationPass pass;
    const ViewMode viewMode;
    const DayNumber rangeStart;
    const int rangeLength;
    const CivilDate rangeDate; // calendar parts of rangeStart
    const int rangeWeekday;    // 1 = Monday ... 7 = Sunday

    std::size_t currentLine = 0;
    int dayOffset = 0;
    std::string entryText;
    bool repeatEntry = false;
    bool nextYearHit = false;
    bool corrected = false;
    std::vector<bool> schoolHolidayDays;
    std::vector<bool> daysWithEntries;
    // The entries in the order they were made, and their texts: the view is put together from
    // them at the end (view_evaluator).
    std::vector<ViewRecord> made;
    std::shared_ptr<ViewTexts> texts;

    std::size_t entryCount() const { return made.size(); }

    std::vector<std::size_t> insertedLines; // indices of the lines the repairs inserted, in order
    int utcBiasMinutes = 0; // of the moment of evaluation, for the local time of computed events

    bool isErrorCheck() const { return pass == EvaluationPass::ErrorCheck; }

    // The display switch an evaluator hands to the composition: off in the error check pass.
    bool switchOf(BlockKind block) const;

    bool lastFourWeeksBeforeEvaluationDate() const
    {
        return viewMode == ViewMode::LastFourWeeks && dayOffset != rangeLength;
    }

    DayNumber rangeEnd() const { return rangeStart + rangeLength; }

    bool inRange(DayNumber day) const { return day >= rangeStart && day <= rangeEnd(); }

    // --- the current line ------------------------------------------------------------------
    bool atEnd() const { return currentLine >= lines.size(); }

    const std::string& line() const { return lines[currentLine]; }

    // The line from a position counted from 1; at most 999 characters; empty past the end.
    std::string lineFrom(std::size_t position) const;
    // entryText = lineFrom(position), in entryText's own buffer: for lines with many occurrences.
    void setEntryTextFrom(std::size_t position);

    // --- entry composition -----------------------------------------------------------------
    // Consumes the options at the start of entryText and may add one entry and one alarm.
    void compose(std::string_view verb, bool shown, BlockKind block);
    // The output step of the computed blocks: "ist " / "war " by the day.
    void internalEntry(std::string text, BlockKind block);

    // --- line errors -----------------------------------------------------------------------
    void reportLineError(std::string message, std::size_t lineIndex, bool blockLevel,
                         std::string_view blockName);
    // "\"{Zeile}\"" of the current line, the start of every appointment message; a long line is
    // quoted by its first characters only.
    std::string quotedLine() const;

    // --- shared date tests -----------------------------------------------------------------
    bool dateCheck(std::string_view dateText, std::string_view name);
    // Sets dayOffset and nextYearHit; true when the date (or the same date a year later) is in range.
    bool anniversaryRangeTest(std::string_view dateText, std::string_view name);

    // --- repairs of the block structure ----------------------------------------------------
    // With currentLine on a header: brings it to the block's header text, steps past it and makes
    // sure the block has an end line.
    void adaptHeader(BlockKind block);
    void checkEndLine(std::string_view blockName);

  private:
    void addEntry(std::string_view verb, const std::string& text, int colour, BlockKind block);
    // The text of an entry: a recurring line gives the same one on every day, kept once.
    std::uint32_t textOf(const ViewText& entryOf, std::string_view verb, std::string_view text);
    // The day word or date phrase of each day of the range, made once per day.
    void makeDayPhrase(int offset);

    std::size_t blockEnd(std::size_t from, bool& hasEndLine) const;
    std::size_t beforeComments(std::size_t at, std::size_t from) const;
    void findLaterMissingEndLines(std::size_t from, std::vector<std::size_t>& positions) const;
    void insertEndLines(const std::vector<std::size_t>& positions);
    bool takePendingEndLine(std::size_t index);
    // End lines inserted ahead of the walk into blocks after the current one, ascending; each is
    // reported when the walk reaches its block, as if it were inserted then.
    std::vector<std::size_t> m_pendingEndLines;
    std::size_t m_nextPendingEndLine = 0;
};

} // namespace notavi
