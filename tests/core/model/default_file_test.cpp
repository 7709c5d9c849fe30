#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/info_area.h"
#include "support/fixtures.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

constexpr std::size_t kInfoLinesWritten = 8;

TEST(DefaultFile, NewFileEqualsTheReviewedFixture)
{
    const Lines lines = defaultFile();
    EXPECT_EQ(lines.size(), 124u);
    EXPECT_EQ(joinLines(lines), test::readFixture("default.dat"));
}

TEST(DefaultFile, NewModeAppendsWithoutClearing)
{
    Lines lines = {"kept"};
    ASSERT_TRUE(appendDefaultBlocks(lines, "Neu"));
    ASSERT_EQ(lines.size(), 125u);
    EXPECT_EQ(lines.front(), "kept");
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()), defaultFile());
}

TEST(DefaultFile, PassesTheInfoAreaCheckUnchanged)
{
    Lines lines = defaultFile();
    EXPECT_FALSE(repairInfoArea(lines));
    EXPECT_EQ(lines, defaultFile());
}

// Each block code appends the same lines that the new file holds for that block.
struct BlockCase
{
    int block;
    std::size_t lineCount;
};

void PrintTo(const BlockCase& c, std::ostream* out)
{
    *out << "block " << c.block;
}

class DefaultBlock : public ::testing::TestWithParam<BlockCase>
{
};

TEST_P(DefaultBlock, AppendsTheBlockAsInTheNewFile)
{
    const Lines whole = defaultFile();
    std::size_t start = kInfoLinesWritten;
    const int number = GetParam().block;
    for (int block = 0; block < number; ++block) {
        Lines one;
        appendBlock(one, block);
        start += one.size();
    }

    Lines lines = {"kept"};
    ASSERT_TRUE(appendDefaultBlocks(lines, BlockCatalogue::code(number)));
    ASSERT_EQ(lines.size(), 1 + GetParam().lineCount);
    EXPECT_EQ(Lines(lines.begin() + 1, lines.end()),
              Lines(whole.begin() + static_cast<std::ptrdiff_t>(start),
                    whole.begin() + static_cast<std::ptrdiff_t>(start + GetParam().lineCount)));
    EXPECT_EQ(lines[lines.size() - 2], BlockCatalogue::headerText(number));
    EXPECT_EQ(lines.back(), "@ E N D E");
}

// Block number and its line count: 3 "*", separator, comments and "*" where there are any, header, end.
INSTANTIATE_TEST_SUITE_P(AllBlocks, DefaultBlock,
                         ::testing::Values(BlockCase{0, 6}, BlockCase{1, 6}, BlockCase{2, 6}, BlockCase{3, 6},
                                           BlockCase{4, 6}, BlockCase{5, 6}, BlockCase{6, 11},
                                           BlockCase{7, 9}, BlockCase{8, 16}, BlockCase{9, 16},
                                           BlockCase{10, 13}, BlockCase{11, 9}, BlockCase{12, 6}),
                         [](const auto& p) { return "Block" + std::to_string(p.param.block); });

TEST(DefaultFile, UnknownModesAppendNothing)
{
    for (const char* mode : {"", "neu", "NEU", "geb", "GEBURTSTAGE", "Ostern", "XYZ"}) {
        Lines lines = {"kept"};
        EXPECT_FALSE(appendDefaultBlocks(lines, mode)) << mode;
        EXPECT_EQ(lines, Lines{"kept"}) << mode;
    }
}

} // namespace
} // namespace notavi
