// "Deaktivierte Termine aktivieren": the questions, the warnings for lines outside the blocks and
// the answers that end or shorten the walk.

#include "core/editor/reactivation_walk.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

std::string header(BlockKind block)
{
    return toUtf8(BlockCatalogue::headerText(blockNumber(block)));
}

struct WalkRun
{
    Lines text;
    std::vector<std::string> messages; // UTF-8, in order; "" for a line reactivated unasked
    bool nothingFoundToReport = false;
};

// Answers the questions in order (Yes once they run out); cancels the warnings when asked to.
WalkRun reactivate(const std::vector<std::string>& utf8Lines, std::vector<WalkAnswer> answers,
                   bool cancelWarnings = false)
{
    WalkRun run;
    run.text = cpLines(utf8Lines);
    const Lines original = run.text;
    ReactivationWalk walk(original);
    std::size_t nextAnswer = 0;
    while (const std::optional<DeactivatedLine> found = walk.next()) {
        run.messages.push_back(toUtf8(found->message));
        if (found->kind == DeactivatedLine::Kind::Warning) {
            if (cancelWarnings)
                walk.silenceWarnings();
            continue;
        }
        const WalkAnswer answer =
            found->ask && nextAnswer < answers.size() ? answers[nextAnswer++] : WalkAnswer::Yes;
        if (walk.answer(answer))
            run.text[found->line] = found->reactivated;
    }
    run.nothingFoundToReport = walk.nothingFoundToReport();
    return run;
}

std::vector<std::string> threeDeactivated()
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {header(BlockKind::Birthdays), "~01.02.1990 ~F~ ~05~ Anna", "02.02.1990 Bert",
                             "~03.02.1990 Cora", "@ E N D E", header(BlockKind::TwoWeekly),
                             "~01.01.2024 Kurs", "@ E N D E"});
    return file;
}

TEST(ReactivationWalk, AsksInTheWordsOfTheBlockAndRemovesOnlyTheMark)
{
    const WalkRun run = reactivate(threeDeactivated(), {WalkAnswer::Yes, WalkAnswer::No, WalkAnswer::Yes});
    ASSERT_EQ(run.messages.size(), 3u);
    EXPECT_EQ(run.messages[0], "Soll der im Terminblock Geburtstage deaktivierte Termin\r\r~01.02.1990 ~F~ "
                               "~05~ Anna\r\rwieder aktiviert werden?");
    EXPECT_EQ(run.messages[2], "Soll der im Terminblock Zweiwöchentl. Termine deaktivierte Termin\r\r"
                               "~01.01.2024 Kurs\r\rwieder aktiviert werden?");
    EXPECT_EQ(toUtf8(run.text[12]), "01.02.1990 ~F~ ~05~ Anna");
    EXPECT_EQ(toUtf8(run.text[14]), "~03.02.1990 Cora");
    EXPECT_EQ(toUtf8(run.text[17]), "01.01.2024 Kurs");
    EXPECT_FALSE(run.nothingFoundToReport);
}

TEST(ReactivationWalk, YesToAllAsksNoMore)
{
    const WalkRun run = reactivate(threeDeactivated(), {WalkAnswer::YesToAll});
    EXPECT_EQ(run.messages.size(), 3u);
    EXPECT_EQ(run.messages[1], "");
    EXPECT_EQ(run.messages[2], "");
    EXPECT_EQ(toUtf8(run.text[14]), "03.02.1990 Cora");
    EXPECT_EQ(toUtf8(run.text[17]), "01.01.2024 Kurs");
}

TEST(ReactivationWalk, NoToAllAtTheSecondLeavesTheRestWithoutFinalMessage)
{
    const WalkRun run = reactivate(threeDeactivated(), {WalkAnswer::Yes, WalkAnswer::NoToAll});
    EXPECT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(toUtf8(run.text[12]), "01.02.1990 ~F~ ~05~ Anna");
    EXPECT_EQ(toUtf8(run.text[14]), "~03.02.1990 Cora");
    EXPECT_EQ(toUtf8(run.text[17]), "~01.01.2024 Kurs");
    EXPECT_FALSE(run.nothingFoundToReport);
}

TEST(ReactivationWalk, LinesOutsideTheBlocksAreOnlyWarnedAbout)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {"~draußen", header(BlockKind::OneTime), "@ E N D E", "~auch draußen"});
    const WalkRun run = reactivate(file, {});
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0], "~draußen\rbefindet sich außerhalb eines gültigen Terminblocks!\r\rBitte "
                               "korrigieren Sie diese Zeile (Zeilen-Nr. 12) in der Datei NOTAVI.DAT\r"
                               "(Abbrechen unterdrückt die Ausgabe weiterer Fehler.)");
    EXPECT_EQ(run.text, cpLines(file));
    EXPECT_TRUE(run.nothingFoundToReport);

    EXPECT_EQ(reactivate(file, {}, true).messages.size(), 1u) << "Cancel silences the later warnings";
}

} // namespace
} // namespace notavi::test
