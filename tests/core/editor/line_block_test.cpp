#include "core/editor/line_block.h"
#include "core/model/block_catalogue.h"
#include "core/model/info_area.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

Lines sampleText()
{
    Lines text = standardInfoArea(); // 0 ... 10, the e-mail line is 7
    const Lines body = {
        "*",                            // 11
        "* Kommentar",                  // 12
        BlockCatalogue::headerText(0),  // 13
        "01.01.1990 Anna",              // 14
        "",                             // 15: an empty line just inserted
        "@ E N D E",                    // 16
        BlockCatalogue::headerText(1),  // 17: right after the end line
        "01.02 Anna",                   // 18
        "@ E N D E",                    // 19
        "*",                            // 20
        "ausserhalb jedes Blocks",      // 21
        "*",                            // 22
        "geburtstage kleingeschrieben", // 23
        "~01.01.1990 Deaktiviert",      // 24
        "*",                            // 25: comment lines up to the end of the text
    };
    text.insert(text.end(), body.begin(), body.end());
    return text;
}

struct BlockCase
{
    std::size_t line;
    int block;
    bool changeable;
};

class BlockOfLine : public ::testing::TestWithParam<BlockCase>
{
};

TEST_P(BlockOfLine, FindsTheBlockAndWhetherTheLineIsAnAppointment)
{
    const LineBlock found = blockOfLine(sampleText(), GetParam().line);
    EXPECT_EQ(found.block, GetParam().block);
    EXPECT_EQ(found.changeable, GetParam().changeable);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, BlockOfLine,
    ::testing::Values(BlockCase{0, -1, false},                           // info area down to the e-mail line
                      BlockCase{7, -1, false},                           // the e-mail line itself
                      BlockCase{9, 0, false},                            // info stars open the first block
                      BlockCase{11, 0, false},                           // comment lines above a header
                      BlockCase{12, 0, false}, BlockCase{13, 0, false},  // the header
                      BlockCase{14, 0, true},                            // an appointment
                      BlockCase{15, 0, true},                            // an empty line inside a block
                      BlockCase{16, 0, false},                           // the end line
                      BlockCase{17, 1, false},                           // header right after an end line
                      BlockCase{18, 1, true},                            // and its appointment
                      BlockCase{19, 1, false}, BlockCase{20, -1, false}, // comment above no header
                      BlockCase{21, -1, false},                          // a line outside every block
                      BlockCase{23, 0, false},                           // a header in lower case
                      BlockCase{24, 0, true},                            // a deactivated appointment
                      BlockCase{25, 0, false},  // comment lines to the end of an unended block
                      BlockCase{26, -1, false}, // beyond the text
                      BlockCase{1000, -1, false}));

TEST(BlockOfLine, EmptyTextHasNoBlock)
{
    EXPECT_EQ(blockOfLine({}, 0).block, -1);
}

TEST(LineCommands, DeletingOnlyBelowTheInfoArea)
{
    EXPECT_FALSE(linesDeletableAt(0));
    EXPECT_FALSE(linesDeletableAt(10));
    EXPECT_TRUE(linesDeletableAt(11));
}

TEST(LineCommands, EmptyLineAlsoBelowALineThatBeginsLikeAHeader)
{
    EXPECT_TRUE(emptyLineInsertableAt("J\xE4hrliche Termine", false));
    EXPECT_TRUE(emptyLineInsertableAt("_6_w\xF6"
                                      "chentliche",
                                      false));
    EXPECT_TRUE(emptyLineInsertableAt("geb", false));
    EXPECT_TRUE(emptyLineInsertableAt("+AL", false));
    EXPECT_FALSE(emptyLineInsertableAt("01.01.1990 Anna", false));
    EXPECT_TRUE(emptyLineInsertableAt("01.01.1990 Anna", true));
    EXPECT_FALSE(emptyLineInsertableAt("@ E N D E", false));
    EXPECT_FALSE(emptyLineInsertableAt("", false));
    EXPECT_TRUE(emptyLineInsertableAt("", true));
}

} // namespace
} // namespace notavi
