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
