#include "core/app/deletion_question.h"

namespace notavi {

std::string deletionSwitchQuestion(bool switchedOn, int periodDays)
{
    if (switchedOn)
        return "Soll ab dem n\xE4"
               "chsten Programmstart das automatische L\xF6schen\rverstrichener Termin (ohne Nachfrage) "
               "abgeschaltet werden?";
    return "Sollen ab dem n\xE4"
           "chsten Programmstart verstrichene Termine, die mindes-\rtens " +
           std::to_string(periodDays) + " Tag(e) alt sind, automatisch (ohne Nachfrage) gel\xF6scht werden?";
}

} // namespace notavi
