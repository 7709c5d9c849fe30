#include "core/model/windows1252.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(Windows1252, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(fromUtf8(toUtf8(all)), all);
}

TEST(Windows1252, KnownCharacters)
{
    EXPECT_EQ(toUtf8("\xE4\xF6\xFC\xDF\xC4\xD6\xDC"), "äöüßÄÖÜ");
    EXPECT_EQ(toUtf8("\x80"), "€");
    EXPECT_EQ(toUtf8("\x81"), "\xC2\x81"); // undefined byte: its C1 code point
    EXPECT_EQ(fromUtf8("Jährliche €"), "J\xE4hrliche \x80");
    EXPECT_EQ(fromUtf8("日本"), "??");
    EXPECT_EQ(fromUtf8("\xFF"), "?"); // broken UTF-8
}

// ASCII is copied eight bytes at a time: an umlaut at any place before, in or after such a run.
TEST(Windows1252, UmlautAtEveryPlaceOfALine)
{
    const std::string ascii = "Am Montag, dem 06.01.2025 Kegeln";
    for (std::size_t at = 0; at <= ascii.size(); ++at) {
        std::string line = ascii;
        line.insert(at, "\xFC");
        std::string expected = ascii;
        expected.insert(at, "ü");
        EXPECT_EQ(toUtf8(line), expected) << "at " << at;
    }
}

TEST(Windows1252, UpperCase)
{
    EXPECT_EQ(toUpper1252(fromUtf8("wöc")), fromUtf8("WÖC"));
    EXPECT_EQ(toUpper1252(fromUtf8("jäh")), fromUtf8("JÄH"));
    EXPECT_EQ(toUpper1252(fromUtf8("ß+_6")), fromUtf8("ß+_6"));
}

} // namespace
} // namespace notavi
