#include "core/engine/line_error.h"
#include "core/model/windows1252.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(LineError, BoxTextOfAnAppointmentLine)
{
    LineError error{fromUtf8("\"x\" enthält das nicht korrekte Datum \"x\"."), 4, false, "Einmalige Termine"};
    EXPECT_EQ(toUtf8(lineErrorBoxText(error)),
              "A C H T U N G ! ! !\r\rDie Terminzeile \"x\" enthält das nicht korrekte Datum \"x\".\r\r"
              "Bitte korrigieren Sie die Zeile 5 im Termineditor im Terminblock Einmalige Termine.\r"
              "Nutzen Sie hierzu auch die Prüfliste des Termineditors!\r\r"
              "(\"Abbrechen\" unterdrückt die Ausgabe weiterer Fehlermeldungen.)");
    error.blockName.clear();
    EXPECT_NE(toUtf8(lineErrorBoxText(error)).find("im Termineditor.\r"), std::string::npos);
}

TEST(LineError, BoxTextOfABlockLevelMessage)
{
    LineError error{"Der Terminblock \"Ferien\" wurde ...", 9, true, "Ferien"};
    EXPECT_EQ(toUtf8(lineErrorBoxText(error)),
              "A C H T U N G ! ! !\r\rDer Terminblock \"Ferien\" wurde ...\r\r"
              "Die Änderung wird automatisch gespeichert.\r\r"
              "(\"Abbrechen\" unterdrückt die Ausgabe weiterer Fehlermeldungen.)");
}

TEST(LineError, CheckListLines)
{
    EXPECT_EQ(lineErrorCheckListText({"\"a\" b.\rc.", 0, false, ""}), "Die Terminzeile \"a\" b. c. (;1)");
    EXPECT_EQ(lineErrorCheckListText({"Block.", 11, true, "Ferien"}), "Block. (Ferien;12)");
}

TEST(LineError, AVeryLongLineIsQuotedByItsFirst150Characters)
{
    // One faulty line of 1 MB outside a block: the box and the check list quote only its start.
    const std::string longLine(1'000'000, 'x');
    const std::string nearLimit = std::string(150, 'y');
    test::EngineHarness harness;
    const auto run = harness.runLines({longLine, nearLimit, nearLimit + "z"}, test::date("01.03.2025"), 0,
                                      EvaluationPass::ErrorCheck);
    ASSERT_EQ(run.errors.size(), 3u);
    EXPECT_EQ(run.lines[0], longLine) << "the file keeps the whole line";

    const std::string excerpt = "\"" + longLine.substr(0, 150) + " \x85\"";
    EXPECT_EQ(run.errors[0].message.substr(0, excerpt.size()), excerpt);
    EXPECT_LT(lineErrorBoxText(run.errors[0]).size(), 500u);
    EXPECT_LT(lineErrorCheckListText(run.errors[0]).size(), 500u);
    EXPECT_EQ(toUtf8(lineErrorCheckListText(run.errors[0])).find(" \u2026\""), 17u + 150u);
    // A line of 150 characters is quoted whole; one more and it is cut.
    EXPECT_NE(run.errors[1].message.find("\"" + nearLimit + "\""), std::string::npos);
    EXPECT_NE(run.errors[2].message.find("\"" + nearLimit + " \x85\""), std::string::npos);
}

} // namespace
} // namespace notavi
