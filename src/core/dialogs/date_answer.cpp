#include "core/dialogs/date_answer.h"

#include "core/calendar/german_text.h"

namespace notavi {
namespace {

const char* const kCorrectIt = "\r\rBitte korrigieren sie das Datum !";

} // namespace

DateAnswer checkEvaluationDate(std::string_view typed)
{
    const std::string quoted = "\"" + std::string(typed) + "\"";
    if (typed.size() != 10 || !isWellFormedDateText(typed))
        return {std::nullopt, "Das Datum " + quoted + " ist unvollst\xE4ndig: bitte im Format TT.MM.JJJJ " +
                                  "eingeben." + kCorrectIt};
    const std::optional<DayNumber> day = parseDateText(typed);
    if (!day)
        return {std::nullopt, "Das Datum " + quoted + " gibt es nicht." + kCorrectIt};
    if (*day > toDayNumber(kLatestEvaluationDate))
        return {std::nullopt, "Das Auswertungsdatum darf h\xF6"
                              "chstens der " +
                                  formatDate(kLatestEvaluationDate) + " sein." + kCorrectIt};
    return {day, {}};
}

} // namespace notavi
