#include "core/engine/line_error.h"

#include <algorithm>

namespace notavi {
namespace {

const std::string kAttention = "A C H T U N G ! ! !\r\r";
const std::string kSilenceHint = "(\"Abbrechen\" unterdr\xFC"
                                 "ckt die Ausgabe weiterer Fehlermeldungen.)";

} // namespace

std::string lineErrorBoxText(const LineError& error)
{
    if (error.blockLevel)
        return kAttention + error.message + "\r\r" + "Die \xC4nderung wird automatisch gespeichert." +
               "\r\r" + kSilenceHint;
    std::string where = error.blockName.empty() ? "." : " im Terminblock " + error.blockName + ".";
    return kAttention + "Die Terminzeile " + error.message + "\r\r" + "Bitte korrigieren Sie die Zeile " +
           std::to_string(error.lineIndex + 1) + " im Termineditor" + where + "\r" +
           "Nutzen Sie hierzu auch die Pr\xFC"
           "fliste des Termineditors!" +
           "\r\r" + kSilenceHint;
}

std::string lineErrorCheckListText(const LineError& error)
{
    std::string message = error.message;
    std::replace(message.begin(), message.end(), '\r', ' ');
    std::string place = " (" + error.blockName + ";" + std::to_string(error.lineIndex + 1) + ")";
    return error.blockLevel ? message + place : "Die Terminzeile " + message + place;
}

} // namespace notavi
