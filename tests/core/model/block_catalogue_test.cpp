#include "core/model/block_catalogue.h"
#include "core/model/windows1252.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(BlockCatalogue, CodesAndNames)
{
    EXPECT_EQ(BlockCatalogue::code(2), fromUtf8("WÖC"));
    EXPECT_EQ(BlockCatalogue::code(7), fromUtf8("JÄH"));
    EXPECT_EQ(BlockCatalogue::displayName(5), "Sechsw\xF6"
                                              "chentliche Termine");
    EXPECT_EQ(BlockCatalogue::displayName(16), "Mondphasen");
    EXPECT_EQ(BlockCatalogue::blockOfCode("EIN"), 12);
    EXPECT_EQ(BlockCatalogue::blockOfCode("ein"), std::nullopt);
    for (int block = 0; block < kUserBlockCount; ++block) {
        const std::string& header = BlockCatalogue::headerText(block);
        EXPECT_EQ(BlockCatalogue::headerBlock(header), block) << header;
        EXPECT_NE(header.find(":  "), std::string::npos) << "two blanks after the colon: " << header;
    }
    for (int block = kUserBlockCount; block < kBlockCount; ++block)
        EXPECT_TRUE(BlockCatalogue::code(block).empty());
}

TEST(BlockCatalogue, HeaderLinesAreToldByTheirFirstThreeCharacters)
{
    struct Case
    {
        const char* utf8;
        std::optional<int> block;
    };

    for (Case c :
         {Case{"geburtstage:", 0}, Case{"GEB", 0}, Case{"wöchentlich", 2}, Case{"_6_wöchentlich", 5},
          Case{"+alle", 10}, Case{"x-w", 9}, Case{"einmalige termine", 12}, Case{"Ferien", 11},
          Case{"Notiz: etwas", std::nullopt}, Case{"Gartenarbeit", std::nullopt}, Case{"GE", std::nullopt},
          Case{"", std::nullopt}, Case{"*GEB", std::nullopt}, Case{"~EIN", std::nullopt}})
        EXPECT_EQ(BlockCatalogue::headerBlock(fromUtf8(c.utf8)), c.block) << c.utf8;
}

} // namespace
} // namespace notavi
