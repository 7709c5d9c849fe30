// Deleting a whole block from its header or its end line: the block with the comment lines directly
// above its header, and never a block whose beginning or end cannot be found.

#include "core/editor/line_block.h"
#include "core/editor/line_deletion.h"
#include "core/model/block_catalogue.h"
#include "core/model/info_texts.h"

#include <algorithm>
#include <string>

namespace notavi {
namespace {

bool isEndLine(std::string_view line)
{
    return !line.empty() && line[0] == '@';
}

LineDeletion failed(const char* message)
{
    return LineDeletion{LineDeletion::Kind::Failed, 0, 0, message, {}};
}

std::string blockQuestion(std::size_t linesInside)
{
    if (linesInside == 0)
        return "Sie beabsichtigen einen leeren Terminblock zu l\xF6schen.\rBei Bedarf wird dieser "
               "Terminblock "
               "selbst\xE4ndig wiederhergestellt.\r\rTerminblock l\xF6schen?";
    return "A C H T U N G ! ! !\r\rSie beabsichtigen einen Terminblock inklusive " +
           std::to_string(linesInside) +
           " Termin(e) zu l\xF6schen !\rAlle Termine werden hierbei gel\xF6scht!\r\rM\xF6"
           "chten Sie diese Termine nur vor\xFC"
           "bergehend nicht auswerten, sollten Sie\rdiesen Terminblock nicht l\xF6schen sondern in Notavi im "
           "Men\xFC Terminblock deaktivieren!\r\rTerminblock inklusive ALLER Termine l\xF6schen?";
}

constexpr const char* kBeginningMissing =
    "Der Anfang des Teminblocks konnte nicht gefunden werden.\rDer Terminblock kann daher nicht gel\xF6scht "
    "werden.\r\rWeitere Hinweise erhalten Sie in der Pr\xFC"
    "fliste.";
constexpr const char* kNotEnded = "Der Terminblock wurde nicht korrekt beendet.\r\rRufen Sie die Pr\xFC"
                                  "fliste auf, um diesen Fehler\rautomatisch von Notavi beheben zu lassen!";
constexpr const char* kEndMissing =
    "Der Ende des Teminblocks konnte nicht gefunden werden.\rDer Terminblock kann daher nicht gel\xF6scht "
    "werden.\r\rWeitere Hinweise erhalten Sie in der Pr\xFC"
    "fliste";

constexpr const char* kStrayEndLineQuestion =
    "Soll die nicht zuordbare, als Terminblockende\rinterpretierte Zeile gel\xF6scht werden?";

} // namespace

LineDeletion blockDeletionAt(const Lines& text, std::size_t line)
{
    std::size_t header = line;
    std::size_t end = line;
    if (isEndLine(text[line])) {
        std::size_t i = line;
        while (i > 0 && !BlockCatalogue::isHeaderLine(text[i - 1]) && !isEndLine(text[i - 1]))
            --i;
        if (i == 0)
            return failed(kBeginningMissing);
        // An end line after another end line belongs to no block: it goes alone, without the
        // comment lines above it, which the question does not mention.
        if (isEndLine(text[i - 1]))
            return LineDeletion{LineDeletion::Kind::Ask, line, line + 1, kStrayEndLineQuestion, {}};
        header = i - 1;
    } else {
        std::size_t i = line + 1;
        while (i < text.size() && !isEndLine(text[i]) && !BlockCatalogue::isHeaderLine(text[i]))
            ++i;
        if (i == text.size())
            return failed(kEndMissing);
        if (!isEndLine(text[i]))
            return failed(kNotEnded);
        end = i;
    }
    // The comment lines above the header go with it, but never lines of the info area (its last
    // lines are bare "*" like the comments that lead a block).
    const std::size_t first =
        std::max(leadingCommentsStart(text, header), std::min<std::size_t>(header, kInfoLineCount));
    return LineDeletion{LineDeletion::Kind::Ask, first, end + 1, blockQuestion(end - header - 1), {}};
}

} // namespace notavi
