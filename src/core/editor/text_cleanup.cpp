#include "core/editor/text_cleanup.h"

#include "core/model/info_texts.h"
#include "core/model/outdated_blocks.h"

namespace notavi {

bool cleanUpText(Lines& lines)
{
    // The same pass as the main window's repair, but over the whole text: the editor does not
    // repair the info area, so a blank line inside it goes as well.
    return removeBlankAndOutdatedLines(lines, 0, 0, kInfoLineCount);
}

} // namespace notavi
