#include "core/editor/line_deletion.h"

#include "core/calendar/german_text.h"
#include "core/editor/appointment_period.h"
#include "core/editor/line_block.h"
#include "core/editor/question_texts.h"
#include "core/model/block_catalogue.h"

namespace notavi {
namespace {

LineDeletion oneLine(LineDeletion::Kind kind, std::size_t line, std::string message = {})
{
    return LineDeletion{kind, line, line + 1, std::move(message), {}};
}

std::string quoting(std::string_view before, std::string_view line, std::string_view after)
{
    std::string text(before);
    text.append("\r\r");
    text.append(questionExcerpt(line));
    text.append("\r\r");
    text.append(after);
    return text;
}

LineDeletion appointmentDeletion(const std::string& line, std::size_t index, BlockKind block,
                                 DayNumber referenceDay)
{
    const std::string& name = std::string(questionBlockName(block));
    const std::optional<AppointmentPeriod> period = appointmentPeriod(block, line);
    if (period && period->first <= referenceDay && referenceDay < period->last) {
        LineDeletion shortening = oneLine(
            LineDeletion::Kind::AskShortening, index,
            quoting("Achtung! Es handelt sich um einen Termin mit Terminzeitraum.\r\rSollen im Terminblock " +
                        name + " alle Vorkommen des Termins",
                    line,
                    "bis zum " + formatDate(referenceDay) +
                        " gel\xF6scht werden (Ja) oder sollen zus\xE4tzlich auch alle weiteren Vorkommen "
                        "gel\xF6scht werden (Alle)?"));
        // "~TT.MM.JJJJ-": the opening "~" stays, the first day follows it, the "-" after that.
        shortening.shortened = line.substr(0, period->start + 1) + formatDate(referenceDay + 1) +
                               line.substr(period->start + 11);
        return shortening;
    }
    return oneLine(
        LineDeletion::Kind::Ask, index,
        quoting("Soll im Terminblock " + name + " der Termin" + (period ? " mit Terminzeitraum" : ""), line,
                "wirklich gel\xF6scht werden?"));
}

} // namespace

LineDeletion deletionAt(const Lines& text, std::size_t line, DayNumber referenceDay)
{
    if (line >= text.size())
        return oneLine(
            LineDeletion::Kind::Refused, line,
            "\rDie letzte leere Zeile kann mit dieser Funktion nicht  gel\xF6scht werden. Sie muss "
            "auch nicht gel\xF6scht werden.");
    const std::string& content = text[line];
    if (trimBlanks(content).empty())
        return oneLine(LineDeletion::Kind::Delete, line);
    if (BlockCatalogue::isHeaderLine(content) || content[0] == '@')
        return blockDeletionAt(text, line);
    if (content[0] == '*')
        return oneLine(LineDeletion::Kind::Ask, line,
                       "Sie beabsichtigen eine Kommentarzeile zu l\xF6schen.\r\rSoll der Kommentar wirklich "
                       "gel\xF6scht werden?");
    const int block = blockOfLine(text, line).block;
    if (block < 0)
        return oneLine(LineDeletion::Kind::Ask, line,
                       quoting("Soll die nicht zuordbare Zeile", content, "wirklich gel\xF6scht werden?"));
    return appointmentDeletion(content, line, static_cast<BlockKind>(block), referenceDay);
}

} // namespace notavi
