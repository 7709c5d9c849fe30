// A realistic file with every block, seen in all five views and in the check pass, compared with
// the reviewed output in tests/golden. NOTAVI_UPDATE_GOLDEN=1 writes the files anew for review.

#include "core/model/info_area.h"
#include "support/engine_harness.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

namespace notavi {
namespace {

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

Lines realisticFile()
{
    Lines lines = standardInfoArea();
    for (const std::string& line :
         splitLines(readText(std::string(NOTAVI_GOLDEN_DIR) + "/realistic.utf8.txt")))
        lines.push_back(test::cp(line));
    return lines;
}

std::string rendered(const test::HarnessRun& run)
{
    std::string out;
    for (const std::string& text : run.texts())
        out += text + "\n";
    for (const std::string& error : run.errorMessages())
        out += "! " + error + "\n";
    return out;
}

void compareWithGolden(const std::string& name, const std::string& actual)
{
    const std::string path = std::string(NOTAVI_GOLDEN_DIR) + "/" + name;
    if (std::getenv("NOTAVI_UPDATE_GOLDEN")) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    EXPECT_EQ(actual, readText(path)) << "differs from " << path;
}

test::EngineHarness harness()
{
    test::EngineHarness h;
    h.today = test::date("07.12.2026");
    h.minuteOfDay = 6 * 60;
    h.utcBias = -60;
    return h;
}

class GoldenView : public ::testing::TestWithParam<int>
{
};

TEST_P(GoldenView, MatchesTheReviewedOutput)
{
    const int view = GetParam();
    test::HarnessRun run = harness().runLines(realisticFile(), test::date("07.12.2026"), view);
    ASSERT_TRUE(run.result.ok);
    compareWithGolden("realistic.07.12.2026." + std::to_string(view) + ".txt", rendered(run));
}

INSTANTIATE_TEST_SUITE_P(Engine, GoldenView, ::testing::Range(0, 5));

TEST(GoldenView, CheckPassListsTheFaultyLine)
{
    test::HarnessRun run =
        harness().runLines(realisticFile(), test::date("07.12.2026"), 0, EvaluationPass::ErrorCheck);
    compareWithGolden("realistic.pruefen.txt", rendered(run));
}

TEST(GoldenView, EvaluatingTwiceChangesNothing)
{
    test::EngineHarness h = harness();
    Lines lines = realisticFile();
    test::HarnessRun first = h.runLines(lines, test::date("07.12.2026"), 4);
    EXPECT_FALSE(first.result.corrected) << "every header is current and every block closed";
    EXPECT_EQ(first.lines, lines);
    test::HarnessRun second = h.runLines(first.lines, test::date("07.12.2026"), 4);
    EXPECT_EQ(second.texts(), first.texts());
}

} // namespace
} // namespace notavi
