// "Zeile(n) löschen": what goes for each kind of line, with which question, and the shortening of
// an appointment whose period is running.

#include "core/editor/line_deletion.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

using Kind = LineDeletion::Kind;

std::string header(BlockKind block)
{
    return toUtf8(BlockCatalogue::headerText(blockNumber(block)));
}

// Info area (lines 0-10), then:
//   11 "" 12 "* Kommentar" 13 header WÖC 14 weekly line 15 "@ E N D E"
//   16 "Streuzeile" 17 "* vor EIN" 18 header EIN 19-21 three one-time lines 22 "@ E N D E"
//   23 "@ E N D E" (stray) 24 header NAM (no end line) 25 header JÄH 26 "@ E N D E"
std::vector<std::string> sampleFile()
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {"", "* Kommentar", header(BlockKind::Weekly), "Mo ~01.03.2024-31.03.2024~ Sport",
                             "@ E N D E", "Streuzeile", "* vor EIN", header(BlockKind::OneTime),
                             "01.01.2024 A", "02.01.2024 B", "03.01.2024 C", "@ E N D E", "@ E N D E",
                             header(BlockKind::NameDays), header(BlockKind::Yearly), "@ E N D E"});
    return file;
}

struct Expected
{
    Kind kind;
    std::size_t first;
    std::size_t end;
    std::string message; // UTF-8; "" = not checked
};

void expectDeletion(std::size_t line, const char* referenceDay, const Expected& expected)
{
    const LineDeletion deletion = deletionAt(cpLines(sampleFile()), line, date(referenceDay));
    EXPECT_EQ(deletion.kind, expected.kind);
    if (expected.kind == Kind::Failed || expected.kind == Kind::Refused) {
        EXPECT_EQ(toUtf8(deletion.message), expected.message);
        return;
    }
    EXPECT_EQ(deletion.first, expected.first);
    EXPECT_EQ(deletion.end, expected.end);
    if (!expected.message.empty()) {
        EXPECT_EQ(toUtf8(deletion.message), expected.message);
    }
}

TEST(LineDeletion, EachKindOfLine)
{
    const struct
    {
        const char* what;
        std::size_t line;
        Expected expected;
    } kCases[] = {
        {"the empty line after the last line break",
         27,
         {Kind::Refused, 0, 0,
          "\rDie letzte leere Zeile kann mit dieser Funktion nicht  gelöscht werden. Sie muss auch nicht "
          "gelöscht werden."}},
        {"an empty line goes without a question", 11, {Kind::Delete, 11, 12, ""}},
        {"a comment",
         12,
         {Kind::Ask, 12, 13,
          "Sie beabsichtigen eine Kommentarzeile zu löschen.\r\rSoll der Kommentar wirklich gelöscht "
          "werden?"}},
        {"a line outside every block",
         16,
         {Kind::Ask, 16, 17, "Soll die nicht zuordbare Zeile\r\rStreuzeile\r\rwirklich gelöscht werden?"}},
        {"an appointment",
         20,
         {Kind::Ask, 20, 21,
          "Soll im Terminblock Einmalige Termine der Termin\r\r02.01.2024 B\r\rwirklich gelöscht werden?"}},
        {"a block of three from its header, with the comment above",
         18,
         {Kind::Ask, 17, 23,
          "A C H T U N G ! ! !\r\rSie beabsichtigen einen Terminblock inklusive 3 Termin(e) zu löschen !\r"
          "Alle Termine werden hierbei gelöscht!\r\rMöchten Sie diese Termine nur vorübergehend nicht "
          "auswerten, sollten Sie\rdiesen Terminblock nicht löschen sondern in Notavi im Menü Terminblock "
          "deaktivieren!\r\rTerminblock inklusive ALLER Termine löschen?"}},
        {"the same block from its end line", 22, {Kind::Ask, 17, 23, ""}},
        {"an empty block",
         25,
         {Kind::Ask, 25, 27,
          "Sie beabsichtigen einen leeren Terminblock zu löschen.\rBei Bedarf wird dieser Terminblock "
          "selbständig wiederhergestellt.\r\rTerminblock löschen?"}},
        {"an end line after an end line goes alone",
         23,
         {Kind::Ask, 23, 24,
          "Soll die nicht zuordbare, als Terminblockende\rinterpretierte Zeile gelöscht werden?"}},
        {"a header whose end line is missing before the next block",
         24,
         {Kind::Failed, 0, 0,
          "Der Terminblock wurde nicht korrekt beendet.\r\rRufen Sie die Prüfliste auf, um diesen Fehler\r"
          "automatisch von Notavi beheben zu lassen!"}},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        expectDeletion(c.line, "10.03.2024", c.expected);
    }
}

TEST(LineDeletion, BlocksWhoseBeginningOrEndIsMissingStay)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {"@ E N D E", header(BlockKind::OneTime), "01.01.2024 A"});
    const Lines text = cpLines(file);
    EXPECT_EQ(toUtf8(deletionAt(text, 11, 0).message),
              "Der Anfang des Teminblocks konnte nicht gefunden werden.\rDer Terminblock kann daher nicht "
              "gelöscht werden.\r\rWeitere Hinweise erhalten Sie in der Prüfliste.");
    const LineDeletion noEnd = deletionAt(text, 12, 0);
    EXPECT_EQ(noEnd.kind, Kind::Failed);
    EXPECT_EQ(toUtf8(noEnd.message),
              "Der Ende des Teminblocks konnte nicht gefunden werden.\rDer Terminblock "
              "kann daher nicht gelöscht werden.\r\rWeitere Hinweise erhalten Sie in "
              "der Prüfliste");
}

// The info area ends with bare "*" lines, like the comments that lead a block: a block right
// below it once took them along.
TEST(LineDeletion, ABlockRightBelowTheInfoAreaLeavesTheInfoArea)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {"*", header(BlockKind::OneTime), "@ E N D E"});
    const LineDeletion deletion = deletionAt(cpLines(file), 12, 0);
    EXPECT_EQ(deletion.first, 11u);
    EXPECT_EQ(deletion.end, 14u);
}

TEST(LineDeletion, ARunningPeriodCanBeShortenedToBeginAfterTheReferenceDay)
{
    const LineDeletion running = deletionAt(cpLines(sampleFile()), 14, date("10.03.2024"));
    EXPECT_EQ(running.kind, Kind::AskShortening);
    EXPECT_EQ(running.first, 14u);
    EXPECT_EQ(running.end, 15u);
    EXPECT_EQ(running.shortened, "Mo ~11.03.2024-31.03.2024~ Sport");
    EXPECT_EQ(
        toUtf8(running.message),
        "Achtung! Es handelt sich um einen Termin mit Terminzeitraum.\r\rSollen im Terminblock "
        "Wöchentliche Termine alle Vorkommen des Termins\r\rMo ~01.03.2024-31.03.2024~ Sport\r\rbis zum "
        "10.03.2024 gelöscht werden (Ja) oder sollen zusätzlich auch alle weiteren Vorkommen gelöscht "
        "werden (Alle)?");

    // On the period's last day, and before its first, the ordinary question.
    for (const char* day : {"31.03.2024", "29.02.2024"}) {
        SCOPED_TRACE(day);
        const LineDeletion ordinary = deletionAt(cpLines(sampleFile()), 14, date(day));
        EXPECT_EQ(ordinary.kind, Kind::Ask);
        EXPECT_EQ(toUtf8(ordinary.message), "Soll im Terminblock Wöchentliche Termine der Termin mit "
                                            "Terminzeitraum\r\rMo ~01.03.2024-31.03.2024~ Sport\r\rwirklich "
                                            "gelöscht werden?");
    }
}

TEST(LineDeletion, ShorteningKeepsTheHolidayFlagAndTheRestOfTheLine)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {header(BlockKind::EveryXDays),
                             "05.07.2002 21 ~F~ ~01.03.2024-31.03.2024~ ~08:00~ Ä", "@ E N D E"});
    const LineDeletion deletion = deletionAt(cpLines(file), 12, date("31.12.2023") + 70);
    EXPECT_EQ(toUtf8(deletion.shortened), "05.07.2002 21 ~F~ ~11.03.2024-31.03.2024~ ~08:00~ Ä");
}

} // namespace
} // namespace notavi::test
