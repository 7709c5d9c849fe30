#pragma once

// "Verstrichene Termine löschen": a walk over the text that stops at every expired appointment
// line with the question to ask about it, and learns from the answer whether the line goes. A
// window asks between the steps and deletes each line as one edit; the automatic deletion at
// start-up runs the same walk without questions.

#include "core/calendar/day_number.h"
#include "core/editor/block_tracker.h"
#include "core/editor/walk_answer.h"
#include "core/model/appointment_file.h"
#include "core/model/block_catalogue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace notavi {

// Information after an interactive run that found nothing (Windows-1252).
inline constexpr std::string_view kNoExpiredMessage = "Es sind keine verstrichenen Termine vorhanden.";

struct ExpiredLine
{
    std::size_t line = 0; // index in the text with the deletions answered so far applied
    BlockKind block = BlockKind::OneTime;
    std::string question; // Windows-1252
    bool ask = true;      // false after Yes to all and in the automatic run: the line just goes
};

class ExpiredWalk
{
  public:
    // The walk reads the text as it was at the start; the caller applies the deletions.
    ExpiredWalk(const Lines& text, DayNumber limitDay, bool automatic);

    // The next expired line, or nullopt when the walk is over. Each call looks at the lines up to
    // the next expired one only.
    std::optional<ExpiredLine> next();

    // The answer to the line of the last next(); true when that line is to be deleted.
    bool answer(WalkAnswer answer);

    bool foundAny() const { return m_foundAny; }

    // No to all ended the walk.
    bool cancelled() const { return m_answers.cancelled(); }

    // After an interactive run: the information that nothing had expired is due.
    bool nothingFoundToReport() const { return !m_automatic && !m_foundAny; }

  private:
    const Lines& m_text;
    const DayNumber m_limitDay;
    const bool m_automatic;
    std::size_t m_position = 0; // next line of the original text to look at
    BlockTracker m_blocks;
    std::size_t m_deleted = 0; // lines deleted before m_position
    WalkAnswers m_answers;
    bool m_foundAny = false;
};

// The question about an expired line.
std::string expiredQuestion(BlockKind block, std::string_view line);

struct AutomaticDeletion
{
    Lines text;                       // the text without the expired lines
    std::vector<std::size_t> deleted; // their indices in the original text, ascending
};

// The automatic deletion of every line that expired at least ageLimit days before today.
AutomaticDeletion deleteExpiredLines(const Lines& text, DayNumber today, int ageLimit);

} // namespace notavi
