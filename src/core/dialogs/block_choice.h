#pragma once

// The block choice: kinds of appointment in plain words, grouped by how often they repeat, each
// leading to the block that holds it. The window lays out these groups and buttons.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace notavi {

struct BlockChoiceButton
{
    std::string_view objectName; // the radio button, e.g. "C_RDBT_Einmalig"
    int block = 0;               // its tag: the block number it leads to
};

struct BlockChoiceGroup
{
    std::string caption; // Windows-1252
    std::span<const BlockChoiceButton> buttons;
};

// The five groups in their order on the dialog.
std::span<const BlockChoiceGroup> blockChoiceGroups();

// The button checked on opening: the entry dialog's block, or the one-time appointment without one.
int initialBlockChoice(std::optional<int> entryBlock);

// The entry dialog's item text of a block 0..12 ("+Alle x Tage/Wochen" for block 10), shown under the
// note; "" for any other number.
const std::string& entryBlockItemText(int block);

} // namespace notavi
