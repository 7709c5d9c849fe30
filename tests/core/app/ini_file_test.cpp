#include "core/app/ini_file.h"

#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace notavi {
namespace {

template <class Info> std::string caseName(const Info& param)
{
    return param.param.name;
}

struct ReadCase
{
    const char* name;
    std::string bytes;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

void PrintTo(const ReadCase& c, std::ostream* out)
{
    *out << c.name;
}

class IniFileReading : public testing::TestWithParam<ReadCase>
{
};

TEST_P(IniFileReading, FindsTheValueAsTheProfileFunctionsDo)
{
    const auto& c = GetParam();
    EXPECT_EQ(IniFile::parse(c.bytes).value(c.section, c.key), c.expected);
}

// "Prüfliste" in Windows-1252 and upper-cased there ("PRÜFLISTE").
const std::string kCheckList = "Pr\xFC"
                               "fliste";
const std::string kCheckListUpper = "PR\xDC"
                                    "FLISTE";

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileReading,
    testing::Values(
        ReadCase{"plain", "[A]\r\nk=v\r\n", "A", "k", "v"},
        ReadCase{"blanksAroundEverything", "  [ A ]  \r\n\t k \t= \t v w \t\r\n", "A", "k", "v w"},
        ReadCase{"sectionIgnoresCase", "[haupt]\r\nTop=5\r\n", "HAUPT", "top", "5"},
        ReadCase{"umlautSectionIgnoresCase", "[" + kCheckListUpper + "]\r\nx=1\r\n", kCheckList, "X", "1"},
        ReadCase{"firstDuplicateKeyWins", "[A]\r\nk=1\r\nK=2\r\n", "A", "k", "1"},
        ReadCase{"firstDuplicateSectionWins", "[A]\r\nk=1\r\n[B]\r\n[a]\r\nk=2\r\nj=3\r\n", "A", "j",
                 std::nullopt},
        ReadCase{"keyOfOtherSectionNotFound", "[A]\r\nk=1\r\n[B]\r\n", "B", "k", std::nullopt},
        ReadCase{"keyBeforeAnySectionIgnored", "k=1\r\n[A]\r\n", "A", "k", std::nullopt},
        ReadCase{"commentNeverMatches", "[A]\r\n;k=1\r\n", "A", ";k", std::nullopt},
        ReadCase{"lineWithoutEqualsIgnored", "[A]\r\nk\r\nk=2\r\n", "A", "k", "2"},
        ReadCase{"emptyValue", "[A]\r\nk=\r\n", "A", "k", ""},
        ReadCase{"valueKeepsFurtherEquals", "[A]\r\nk=a=b\r\n", "A", "k", "a=b"},
        ReadCase{"doubleQuotesStripped", "[A]\r\nk= \" x \" \r\n", "A", "k", " x "},
        ReadCase{"singleQuotesStripped", "[A]\r\nk='x'\r\n", "A", "k", "x"},
        ReadCase{"unmatchedQuotesKept", "[A]\r\nk=\"x'\r\n", "A", "k", "\"x'"},
        ReadCase{"loneQuoteKept", "[A]\r\nk=\"\r\n", "A", "k", "\""},
        ReadCase{"lfLineEnds", "[A]\nk=1\nj=2", "A", "j", "2"},
        ReadCase{"crLineEnds", "[A]\rk=1\rj=2\r", "A", "j", "2"},
        ReadCase{"headerWithoutBracketIsNoSection", "[A\r\nk=1\r\n", "A", "k", std::nullopt},
        ReadCase{"textAfterBracketIgnored", "[A] old\r\nk=1\r\n", "A", "k", "1"},
        ReadCase{"missingSection", "[A]\r\nk=1\r\n", "B", "k", std::nullopt},
        ReadCase{"emptyFile", "", "A", "k", std::nullopt}),
    caseName<testing::TestParamInfo<ReadCase>>);

TEST(IniFileBytes, ParseKeepsEveryByte)
{
    const std::string samples[] = {
        "",
        "[A]\r\nk=1",
        "\r\n\r\n[A]\n\rk = 1 \r\r\n; note\n",
        std::string("\x00\xFF\x80[\x01]=\r\x00=\n", 12),
        "no section at all\r\n===\r\n[",
    };
    for (const auto& bytes : samples)
        EXPECT_EQ(IniFile::parse(bytes).bytes(), bytes);
}

struct WriteCase
{
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

void PrintTo(const WriteCase& c, std::ostream* out)
{
    *out << c.name;
}

class IniFileWriting : public testing::TestWithParam<WriteCase>
{
};

TEST_P(IniFileWriting, ChangesOnlyWhatItMust)
{
    const auto& c = GetParam();
    auto file = IniFile::parse(c.before);
    file.setValue(c.section, c.key, c.value);
    EXPECT_EQ(file.bytes(), c.after);
    EXPECT_EQ(file.value(c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniFileWriting,
    testing::Values(
        WriteCase{"replaceKeepsSpellingSpacingAndLineEnd", "[a]\n  TOP =  5  \n", "A", "Top", "7",
                  "[a]\n  TOP =  7\n"},
        WriteCase{"sameValueLeavesTheLineAlone", "[A]\r\n k = \"5\"  \r\n", "A", "k", "5",
                  "[A]\r\n k = \"5\"  \r\n"},
        WriteCase{"replaceOnlyFirstDuplicate", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "3",
                  "[A]\r\nk=3\r\nk=2\r\n"},
        WriteCase{"appendBeforeTrailingBlankLines", "[A]\r\nk=1\r\n\r\n  \r\n[B]\r\n", "A", "j", "2",
                  "[A]\r\nk=1\r\nj=2\r\n\r\n  \r\n[B]\r\n"},
        WriteCase{"appendAfterTrailingComment", "[A]\r\nk=1\r\n; end\r\n[B]\r\n", "a", "j", "2",
                  "[A]\r\nk=1\r\n; end\r\nj=2\r\n[B]\r\n"},
        WriteCase{"appendToEmptySection", "[A]\r\n[B]\r\n", "A", "j", "2", "[A]\r\nj=2\r\n[B]\r\n"},
        WriteCase{"appendToLastLineWithoutLineEnd", "[A]\r\nk=1", "A", "j", "2", "[A]\r\nk=1\r\nj=2\r\n"},
        WriteCase{"newSectionAfterBlankLine", "[A]\r\nk=1\r\n", "B", "j", "2",
                  "[A]\r\nk=1\r\n\r\n[B]\r\nj=2\r\n"},
        WriteCase{"newSectionAfterExistingBlankLine", "[A]\r\n\r\n", "B", "j", "2",
                  "[A]\r\n\r\n[B]\r\nj=2\r\n"},
        WriteCase{"newSectionInEmptyFile", "", "B", "j", "2", "[B]\r\nj=2\r\n"},
        WriteCase{"newSectionAfterUnterminatedLine", "; x", "B", "j", "2", "; x\r\n\r\n[B]\r\nj=2\r\n"},
        WriteCase{"valueWithBlanksIsQuoted", "[A]\r\n", "A", "k", " x ", "[A]\r\nk=\" x \"\r\n"},
        WriteCase{"quotedLookingValueIsQuoted", "[A]\r\n", "A", "k", "\"x\"", "[A]\r\nk=\"\"x\"\"\r\n"},
        WriteCase{"emptyValue", "[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"}),
    caseName<testing::TestParamInfo<WriteCase>>);

TEST(IniFileWriting, LineBreaksInAValueCannotAddLines)
{
    auto file = IniFile::parse("[A]\r\n");
    file.setValue("A", "k", "x\r\n[B]\nj=1");
    EXPECT_EQ(file.bytes(), "[A]\r\nk=x  [B] j=1\r\n");
    EXPECT_FALSE(file.hasSection("B"));
}

} // namespace
} // namespace notavi
