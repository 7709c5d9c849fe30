#pragma once

// The block a walk from the top of the text is in: a header opens its block (and ends one whose end
// line is missing), an end line closes it. Only real headers count: a line outside the blocks that
// merely begins with the letter of a code opens nothing.

#include "core/model/block_catalogue.h"

#include <optional>
#include <string_view>

namespace notavi {

class BlockTracker
{
  public:
    // Takes the next line of the walk; true when it was a header or an end line, which belong to
    // no appointment.
    bool step(std::string_view line)
    {
        if (const std::optional<int> header = BlockCatalogue::headerBlock(line)) {
            m_block = static_cast<BlockKind>(*header);
            return true;
        }
        if (!line.empty() && line[0] == '@') {
            m_block.reset();
            return true;
        }
        return false;
    }

    // The block of the line last stepped over; nullopt outside every block.
    const std::optional<BlockKind>& block() const { return m_block; }

  private:
    std::optional<BlockKind> m_block;
};

} // namespace notavi
