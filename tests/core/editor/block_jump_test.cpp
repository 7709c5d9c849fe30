#include "core/editor/block_jump.h"
#include "core/editor/editor_tabs.h"
#include "core/editor/line_block.h"
#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(BlockJump, BeginningOfTheFile)
{
    const auto jump = jumpOfTab(defaultFile(), kFileStartTab);
    ASSERT_TRUE(jump);
    EXPECT_EQ(jump->caretLine, 0u);
    EXPECT_EQ(jump->topLine, 0u);
    EXPECT_TRUE(jump->appended.empty());
}

TEST(BlockJump, EveryBlockOfTheDefaultFileWithItsCommentLinesOnTop)
{
    const Lines text = defaultFile();
    for (int block = 0; block < kUserBlockCount; ++block) {
        const auto jump = jumpOfTab(text, tabOfBlock(block));
        ASSERT_TRUE(jump);
        EXPECT_TRUE(jump->appended.empty());
        EXPECT_EQ(text[jump->caretLine], BlockCatalogue::headerText(block));
        ASSERT_TRUE(jump->topLine);
        // The block's comment lines begin right below the previous block's end line, or below
        // the info area's e-mail line for the first block.
        EXPECT_EQ(text[*jump->topLine - 1], block == 0 ? defaultFile()[7] : "@ E N D E") << block;
    }
}

TEST(BlockJump, FirstHeaderCountsAndCommentsStopAtAnyOtherLine)
{
    const Lines text = {"*", "01.01 x", "* a", "* b", "namenstage", "@", "*", "NAM zweiter", "@"};
    const auto jump = jumpOfTab(text, tabOfBlock(1));
    ASSERT_TRUE(jump);
    EXPECT_EQ(jump->caretLine, 4u);
    EXPECT_EQ(jump->topLine, 2u);
}

TEST(BlockJump, MissingBlockIsAppendedFromTheTemplateWithTheCaretInside)
{
    Lines text = defaultFile();
    Lines yearly;
    appendBlock(yearly, blockNumber(BlockKind::Yearly));
    const auto start = std::search(text.begin(), text.end(), yearly.begin(), yearly.end());
    ASSERT_NE(start, text.end());
    text.erase(start, start + static_cast<std::ptrdiff_t>(yearly.size()));

    const auto jump = jumpOfTab(text, tabOfBlock(blockNumber(BlockKind::Yearly)));
    ASSERT_TRUE(jump);
    EXPECT_EQ(jump->appended, yearly);
    EXPECT_FALSE(jump->topLine);
    text.insert(text.end(), jump->appended.begin(), jump->appended.end());
    EXPECT_EQ(jump->caretLine, text.size() - 2);
    EXPECT_EQ(blockOfLine(text, jump->caretLine).block, blockNumber(BlockKind::Yearly));
}

TEST(BlockJump, CheckListAndOtherNumbersAreNoJump)
{
    EXPECT_FALSE(jumpOfTab(defaultFile(), kCheckListTab));
    EXPECT_FALSE(jumpOfTab(defaultFile(), -1));
    EXPECT_FALSE(jumpOfTab(defaultFile(), 15));
}

TEST(EditorTabs, CodesAreTheBlockCodesInCatalogueOrder)
{
    EXPECT_EQ(editorTabCode(kFileStartTab), "DAT");
    EXPECT_EQ(editorTabCode(kCheckListTab), "PR\xDC");
    for (int block = 0; block < kUserBlockCount; ++block) {
        EXPECT_EQ(editorTabCode(tabOfBlock(block)), BlockCatalogue::code(block));
        EXPECT_EQ(blockOfTab(tabOfBlock(block)), block);
    }
    EXPECT_EQ(tabOfBlock(-1), kFileStartTab);
    EXPECT_FALSE(blockOfTab(kFileStartTab));
    EXPECT_FALSE(blockOfTab(kCheckListTab));
}

TEST(EditorTabs, Hints)
{
    EXPECT_EQ(editorTabHint(3, true), "Zum Terminblock \"W\xF6"
                                      "chentliche Termine\" wechseln.");
    EXPECT_EQ(editorTabHint(kFileStartTab, true), "Zum Anfang der Termindatei wechseln.");
    EXPECT_EQ(editorTabHint(kCheckListTab, true), "Die Termindatei auf Fehler \xFC"
                                                  "berpr\xFC"
                                                  "fen.");
    EXPECT_EQ(editorTabHint(5, false), "Sie m\xFCssen zun\xE4"
                                       "chst eine Termindatei erstellen, laden oder wiederherstellen!");
}

} // namespace
} // namespace notavi
