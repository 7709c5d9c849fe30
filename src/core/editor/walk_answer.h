#pragma once

namespace notavi {

// The buttons of the questions the editor's walks ask line by line.
enum class WalkAnswer
{
    Yes,
    No,
    NoToAll, // also a closed dialog: ends the walk
    YesToAll,
};

} // namespace notavi
