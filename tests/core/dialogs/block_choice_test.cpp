#include "core/dialogs/block_choice.h"
#include "core/model/block_catalogue.h"

#include <set>

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(BlockChoice, EveryUserBlockHasExactlyOneButton)
{
    std::multiset<int> blocks;
    std::set<std::string_view> names;
    for (const BlockChoiceGroup& group : blockChoiceGroups())
        for (const BlockChoiceButton& button : group.buttons) {
            blocks.insert(button.block);
            names.insert(button.objectName);
        }
    EXPECT_EQ(blocks.size(), static_cast<std::size_t>(kUserBlockCount));
    EXPECT_EQ(names.size(), blocks.size());
    for (int block = 0; block < kUserBlockCount; ++block)
        EXPECT_EQ(blocks.count(block), 1u) << block;
}

TEST(BlockChoice, OpensOnTheEntryBlockOrTheOneTimeAppointment)
{
    EXPECT_EQ(initialBlockChoice(11), 11);
    EXPECT_EQ(initialBlockChoice(0), 0);
    EXPECT_EQ(initialBlockChoice(std::nullopt), 12);
    EXPECT_EQ(initialBlockChoice(-1), 12);
    EXPECT_EQ(initialBlockChoice(13), 12);
    EXPECT_EQ(entryBlockItemText(11), "Ferien");
    EXPECT_EQ(entryBlockItemText(10), "+Alle x Tage/Wochen");
    EXPECT_EQ(entryBlockItemText(17), "");
}

} // namespace
} // namespace notavi
