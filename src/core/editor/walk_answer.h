#pragma once

// The answers to the questions the editor's walks ask line by line, and what they leave behind:
// Yes to all asks no more, No to all ends the walk.

namespace notavi {

enum class WalkAnswer
{
    Yes,
    No,
    NoToAll, // also a closed dialog: ends the walk
    YesToAll,
};

class WalkAnswers
{
  public:
    // A line was found whose answer is awaited (or given at once when no question is asked).
    void awaitAnswer() { m_pending = true; }

    void forgetPending() { m_pending = false; }

    bool asking() const { return !m_yesToAll; }

    bool cancelled() const { return m_cancelled; }

    // Takes the answer for the line awaiting it; true when the line is to be changed. An answer
    // without such a line changes nothing.
    bool take(WalkAnswer answer);

  private:
    bool m_pending = false;
    bool m_yesToAll = false;
    bool m_cancelled = false;
};

} // namespace notavi
