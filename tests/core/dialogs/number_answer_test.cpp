#include "core/dialogs/number_answer.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace notavi {
namespace {

const std::string kSixSeconds = "Bitte geben sie mindestens 6 Sekunden vor !";
const std::string kMilliseconds = "Bitte geben sie mindestens 1 und maximal 60000 Millisekunden vor !";
const std::string kDays = "Bitte geben sie mindestens 1 und maximal 9999 Tage vor !";
const std::string kNegative = "Bitte geben sie keine negativen Werte vor!";

// The refusal of a text that is no whole number quotes the text as typed (Windows-1252).
std::string notANumber(const std::string& typed)
{
    return "Die eingegebene Zahl \"" + typed + "\" ist keine ganze Zahl oder zu gro\xDF.\r\r" +
           "Bitte korrigieren sie die Zahl !";
}

struct AnswerCase
{
    const char* name;
    NumberQuestion question;
    std::string typed;
    std::optional<int> value;
    std::string refusal;
};

TEST(CheckNumberAnswer, AcceptsWithinTheBoundsOfEachQuestionAndRefusesTheRest)
{
    const AnswerCase cases[] = {
        {"countdown 0 switches it off", NumberQuestion::Countdown, "0", 0, ""},
        {"countdown 6 is the least", NumberQuestion::Countdown, "6", 6, ""},
        {"countdown 5 is too short", NumberQuestion::Countdown, "5", std::nullopt, kSixSeconds},
        {"countdown negative", NumberQuestion::Countdown, "-3", std::nullopt, kSixSeconds},
        {"tooltip 60000 is the most", NumberQuestion::TooltipTime, "60000", 60000, ""},
        {"tooltip 60001 is too long", NumberQuestion::TooltipTime, "60001", std::nullopt, kMilliseconds},
        {"tooltip 0 is too short", NumberQuestion::TooltipTime, "0", std::nullopt, kMilliseconds},
        {"age 1 is the least", NumberQuestion::DeletionAge, "1", 1, ""},
        {"age 9999 is the most", NumberQuestion::DeletionAge, "9999", 9999, ""},
        {"age 10000 is too much", NumberQuestion::DeletionAge, "10000", std::nullopt, kDays},
        {"line 0", NumberQuestion::LineNumber, "0", 0, ""},
        {"line negative", NumberQuestion::LineNumber, "-1", std::nullopt, kNegative},
        {"letters", NumberQuestion::TooltipTime, "abc", std::nullopt, notANumber("abc")},
        {"empty", NumberQuestion::LineNumber, "", std::nullopt, notANumber("")},
        {"blanks only", NumberQuestion::LineNumber, "   ", std::nullopt, notANumber("   ")},
        {"digits then letters", NumberQuestion::DeletionAge, "12x", std::nullopt, notANumber("12x")},
        {"sign alone", NumberQuestion::LineNumber, "-", std::nullopt, notANumber("-")},
        {"two signs", NumberQuestion::LineNumber, "+-4", std::nullopt, notANumber("+-4")},
        {"trailing blank", NumberQuestion::LineNumber, "4 ", std::nullopt, notANumber("4 ")},
        {"beyond 32 bits", NumberQuestion::LineNumber, "9999999999", std::nullopt, notANumber("9999999999")},
        {"largest int", NumberQuestion::LineNumber, "2147483647", 2147483647, ""},
        {"one above the largest int", NumberQuestion::LineNumber, "2147483648", std::nullopt,
         notANumber("2147483648")},
        {"leading blanks and sign", NumberQuestion::LineNumber, "  +42", 42, ""},
        {"umlaut in the text", NumberQuestion::LineNumber, "f\xFCnf", std::nullopt, notANumber("f\xFCnf")},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        const NumberAnswer answer = checkNumberAnswer(c.question, c.typed);
        EXPECT_EQ(answer.value, c.value);
        EXPECT_EQ(answer.refusal, c.refusal);
    }
}

} // namespace
} // namespace notavi
