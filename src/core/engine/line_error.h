#pragma once

// The one way the evaluation reports a faulty line: the window shows a warning box, the editor's
// check list collects a line, the terminal prints it.

#include <string>
#include <vector>

namespace notavi {

// Whether the window shows line error boxes: "Abbrechen" in a box silences every later one until
// the state is reset (reload, backup load, while the editor is open).
enum class LineErrorState
{
    Show,
    Silenced,
};

struct LineError
{
    std::string message; // begins with the quoted line for appointment errors; may hold CRs
    int lineIndex = 0;   // index in the file; shown to the user as lineIndex + 1
    bool blockLevel = false;
    std::string blockName; // display name of the block, may be empty
    friend bool operator==(const LineError&, const LineError&) = default;
};

class LineErrorSink
{
  public:
    virtual ~LineErrorSink() = default;
    virtual void report(const LineError& error) = 0;
};

// Text of the warning box in the window.
std::string lineErrorBoxText(const LineError& error);
// Line of the editor's check list: CRs become blanks, block name and line number in parentheses.
std::string lineErrorCheckListText(const LineError& error);

// Keeps every report, in order.
class CollectingLineErrorSink final : public LineErrorSink
{
  public:
    void report(const LineError& error) override { errors.push_back(error); }

    std::vector<LineError> errors;
};

// Swallows every report (for evaluations whose errors nobody reads).
class SilentLineErrorSink final : public LineErrorSink
{
  public:
    void report(const LineError&) override {}
};

} // namespace notavi
