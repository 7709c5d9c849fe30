#pragma once

// "Deaktivierte Termine aktivieren": a walk over the deactivated lines (first character "~") that
// asks about each one inside a block and warns about each one outside every block. Reactivating a
// line removes its "~" and changes nothing else; the number of lines never changes.

#include "core/editor/block_tracker.h"
#include "core/editor/walk_answer.h"
#include "core/model/appointment_file.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace notavi {

// Information after a run that found no deactivated appointment (Windows-1252).
inline constexpr std::string_view kNoDeactivatedMessage = "Es sind keine deaktivierten Termine vorhanden.";

struct DeactivatedLine
{
    enum class Kind
    {
        Question, // inside a block: ask Yes/No/No to all/Yes to all, unless `ask` is false
        Warning,  // outside every block: warn with OK and Cancel; the line stays as it is
    };

    std::size_t line = 0;
    Kind kind = Kind::Question;
    std::string message;     // the question or the warning (Windows-1252); empty when not asked
    bool ask = true;         // false after Yes to all: the line is reactivated at once
    std::string reactivated; // the line without its "~"
};

class ReactivationWalk
{
  public:
    explicit ReactivationWalk(const Lines& text);

    // The next deactivated line to ask or warn about, or nullopt when the walk is over.
    std::optional<DeactivatedLine> next();

    // The answer to the question of the last next(); true when the line is to be replaced by its
    // reactivated text.
    bool answer(WalkAnswer answer);

    // Cancel on a warning: no warnings for the rest of the run.
    void silenceWarnings() { m_warnings = false; }

    bool cancelled() const { return m_answers.cancelled(); }

    bool nothingFoundToReport() const { return !m_foundAny; }

  private:
    const Lines& m_text;
    std::size_t m_position = 0;
    BlockTracker m_blocks;
    WalkAnswers m_answers;
    bool m_warnings = true;
    bool m_foundAny = false;
};

} // namespace notavi
