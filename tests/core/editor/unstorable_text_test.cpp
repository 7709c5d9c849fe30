#include "core/editor/unstorable_text.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(UnstorableText, NamesTheFirstLineWithACharacterTheFileCannotHold)
{
    const std::vector<std::string> storable = {"*", "01.01.1990 Jürgen €5 „Gruß“ – ŠŽ…",
                                               "\xC2\x81 undefiniert"};
    EXPECT_EQ(firstUnstorableLine(storable), std::nullopt);
    EXPECT_EQ(firstUnstorableLine(std::vector<std::string>{}), std::nullopt);

    for (const std::string bad : {"A → B", "Party 🎉", "Erdős", "kaputt \xC3", "\xFF"}) {
        std::vector<std::string> lines = storable;
        lines.push_back("ok");
        lines.push_back(bad);
        lines.push_back("auch " + bad);
        EXPECT_EQ(firstUnstorableLine(lines), 4u) << bad;
    }
}

TEST(UnstorableText, Utf32LinesAsTheWindowHoldsThem)
{
    EXPECT_EQ(firstUnstorableLine(std::vector<std::u32string>{U"Jürgen €", U"Erdős"}), 1u);
    EXPECT_EQ(firstUnstorableLine(std::vector<std::u32string>{U"Jürgen €", U"\u0080"}), 1u)
        << "U+0080 is no character of the code page (0x80 is the euro sign)";
    EXPECT_EQ(firstUnstorableLine(std::vector<std::u32string>{U"Ÿ", U"\u009D"}), std::nullopt);
}

TEST(UnstorableText, WritesQuestionMarksForThemAndKeepsEverythingElse)
{
    EXPECT_EQ(storableLines({"A → B ü€", "Erdős 🎉", ""}), (Lines{"A ? B \xFC\x80", "Erd?s ?", ""}));
}

} // namespace
} // namespace notavi
