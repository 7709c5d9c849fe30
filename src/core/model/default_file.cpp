#include "core/model/default_file.h"

#include "core/model/block_catalogue.h"
#include "core/model/info_texts.h"

#include <initializer_list>
#include <string>

namespace notavi {
namespace {

constexpr std::string_view kSeparatorLine =
    "* - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - - -";
static_assert(kSeparatorLine.size() == 93);

constexpr std::string_view kEndLine = "@ E N D E";

void append(Lines& lines, std::initializer_list<std::string_view> texts)
{
    for (const auto text : texts)
        lines.emplace_back(text);
}

// The texts keep one source line per line of text.
// clang-format off
void appendMonthlyComments(Lines& lines)
{
    append(lines, {
        "* der Tag im Monat ist zweistellig mit f\xFC" "hrendem \"+\" bzw \"-\"",
        "* vorzugeben, wobei ein \"-\" f\xFC" "r x-letzter Tag im Monat steht.",
        "* z.B. steht \"+15\" f\xFC" "r den 15. eines Monats (z.B. 15. April), wobei",
        "* \"-02\" f\xFC" "r den vorletzten Tag im Monat (z.B. 29. April) steht.",
    });
}

void appendYearlyComments(Lines& lines)
{
    append(lines, {
        "* soll ein Termin am letzten Tag im Februar (also 28.02 bzw.",
        "* 29.02) gelegt werden, so ist \"99.02\" als Termindatum vorzugeben",
    });
}

void appendSinceYearsComments(Lines& lines)
{
    append(lines, {
        "*   falls Sie daran erinnert werden wollen, vor wie viel Jahren",
        "*   ein Ereignis erstmals auftrat, benutzen Sie bitte folgende",
        "*   Funktion:",
        "*   z.B.: 09.09.1999 haben wir unseren |. Hochzeitstag!",
        "*   -> ergibt z.B.: \"Morgen haben wir unseren 1. Hochzeitstag!\"",
        "*   der \"|\" trennt den 1. Satzteil (haben wir unseren ) vom 2.",
        "*   Satzteil (.Hochzeitstag!), wobei direkt nach dem \"|\" die ",
        "*   Anzahl der Jahre seit dem erstmaligen Eintritt des Ereignis-",
        "*   ses ausgegeben wird. ",
    });
}

void appendXthWeekdayComments(Lines& lines)
{
    const std::string title(kExampleMagazineTitle);
    append(lines, {
        "* Ereignisse am X-ten Wochentag im Monat auswerten:",
        "* z.B.: 2.So 05 ist Muttertag. -> am 2-ten Sonntag im Mai ist",
        "*                                            Muttertag.",
        "* z.B.: 2.fr 00 ist Kegeln. -> jeden 2-ten Freitag im Monat ist",
        "*       Kegeln (Monat=00 bedeutet JEDER Monat im Jahr!)",
        "*",
    });
    lines.push_back("* z.B.: 9.fr 00 erscheint die n\xE4" "chste " + title + ". -> am letzten");
    lines.push_back("*       Freitag in jedem Monat erscheint die " + title);
    lines.emplace_back("*       \"9\" steht hier also f\xFC" "r letzter Wochentag im Monat");
}

void appendEveryXDaysComments(Lines& lines)
{
    append(lines, {
        "* Ereignisse auswerten, die alle x Tage/Wochen wiederkehren",
        "* z.B.: 05.07.2002 021 Treppe wischen.",
        "* -> alle 21 Tage (= 3 Wochen) muss ich die Treppe wischen.",
        "* A C H T U N G : Die Anzahl der Tage ist immer dreistellig vor-",
        "* zugeben, z.B.: 009 f\xFC" "r 9 Tage. Die Anzahl der Wochen ist manuell",
        "* in Tage umzurechnen: Woche mal 7 = Anzahl der Tage.",
    });
}

void appendSchoolHolidayComments(Lines& lines)
{
    append(lines, {
        "* Ferientermine: Ferienbeginn-Ferienende Ferienname",
        "* z.B.: 17.03.2008-29.03.2008 Osterferien",
    });
}

// clang-format on

// Appends the explanatory lines of a block; false for blocks that have none.
bool appendComments(Lines& lines, BlockKind kind)
{
    switch (kind) {
    case BlockKind::Monthly:
        appendMonthlyComments(lines);
        return true;
    case BlockKind::Yearly:
        appendYearlyComments(lines);
        return true;
    case BlockKind::SinceYears:
        appendSinceYearsComments(lines);
        return true;
    case BlockKind::XthWeekday:
        appendXthWeekdayComments(lines);
        return true;
    case BlockKind::EveryXDays:
        appendEveryXDaysComments(lines);
        return true;
    case BlockKind::SchoolHolidays:
        appendSchoolHolidayComments(lines);
        return true;
    default:
        return false;
    }
}

} // namespace

void appendBlock(Lines& lines, int blockNumber)
{
    append(lines, {kStarLine, kStarLine, kStarLine, kSeparatorLine});
    if (appendComments(lines, static_cast<BlockKind>(blockNumber)))
        lines.emplace_back(kStarLine);
    lines.push_back(BlockCatalogue::headerText(blockNumber));
    lines.emplace_back(kEndLine);
}

bool appendDefaultBlocks(Lines& lines, std::string_view mode)
{
    if (mode == kNewFileMode) {
        append(lines, {kStarLine, kVersionLine, kStarLine, kNoticeLine, kStarLine, kMakerLine, kStarLine,
                       kContactLine});
        for (int block = 0; block < kUserBlockCount; ++block)
            appendBlock(lines, block);
        return true;
    }
    const auto block = BlockCatalogue::blockOfCode(mode);
    if (!block)
        return false;
    appendBlock(lines, *block);
    return true;
}

Lines defaultFile()
{
    Lines lines;
    lines.reserve(124);
    appendDefaultBlocks(lines, kNewFileMode);
    return lines;
}

} // namespace notavi
