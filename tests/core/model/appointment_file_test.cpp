#include "core/model/appointment_file.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(AppointmentFile, EveryKindOfLineEndEndsALine)
{
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), (Lines{"a"}));
    EXPECT_EQ(splitLines("a\r\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(splitLines(""), Lines{});
    EXPECT_EQ(splitLines(std::string("x\0y", 3)), (Lines{std::string("x\0y", 3)}));
}

// A file read in pieces may have a line, or the CR and LF of one line end, on both sides of a cut.
TEST(AppointmentFile, LinesReadInPiecesAreTheLinesOfTheWhole)
{
    struct Case
    {
        std::string bytes;
        Lines lines;
        std::size_t longest;
    };

    const Case cases[] = {
        {"", {}, 0},
        {"\n", {""}, 0},
        {"\r", {""}, 0},
        {"\r\n", {""}, 0},
        {"\r\r\n\n", {"", "", ""}, 0},
        {"ab\r\ncd", {"ab", "cd"}, 2},
        {"ab\rcde\n", {"ab", "cde"}, 3},
        {"a\r\r\nb", {"a", "", "b"}, 1},
        {std::string("x\0\ry\0", 5), {std::string("x\0", 2), std::string("y\0", 2)}, 2},
        {"lang\xE4\xFC\r\n\r\nz", {"lang\xE4\xFC", "", "z"}, 6},
    };
    for (const Case& c : cases) {
        const std::string& b = c.bytes;
        for (std::size_t cut1 = 0; cut1 <= b.size(); ++cut1) {
            for (std::size_t cut2 = cut1; cut2 <= b.size(); ++cut2) {
                const std::string_view pieces[] = {std::string_view(b).substr(0, cut1),
                                                   std::string_view(b).substr(cut1, cut2 - cut1),
                                                   std::string_view(b).substr(cut2)};
                LineCounter counter;
                LineSplitter splitter(0, cut1 % 3); // any room made ahead changes nothing
                for (std::string_view piece : pieces) {
                    counter.feed(piece);
                    splitter.feed(piece);
                }
                EXPECT_EQ(splitter.finish(), c.lines)
                    << testing::PrintToString(b) << " cut at " << cut1 << ", " << cut2;
                EXPECT_EQ(counter.count(), c.lines.size()) << testing::PrintToString(b);
                EXPECT_EQ(counter.longest(), c.longest) << testing::PrintToString(b);
            }
        }
    }
}

TEST(AppointmentFile, WritesCrLfAfterEveryLine)
{
    EXPECT_EQ(joinLines({"a", "", "\xE4"}), "a\r\n\r\n\xE4\r\n");
    EXPECT_EQ(joinLines({}), "");
    Lines lines = {"x", "\x80\x81\xFF", ""};
    EXPECT_EQ(splitLines(joinLines(lines)), lines);
}

TEST(AppointmentFile, LineKinds)
{
    EXPECT_EQ(classifyLine("* x"), LineKind::Comment);
    EXPECT_EQ(classifyLine("~01.01.2024 x"), LineKind::Deactivated);
    EXPECT_EQ(classifyLine("geburtstage"), LineKind::Header);
    EXPECT_EQ(classifyLine("@ E N D E"), LineKind::End);
    EXPECT_EQ(classifyLine("   "), LineKind::Empty);
    EXPECT_EQ(classifyLine("01.01.2024 x"), LineKind::Other);
    EXPECT_EQ(trimBlanks("  a b  "), "a b");
    EXPECT_EQ(trimRight("*  "), "*");
}

} // namespace
} // namespace notavi
