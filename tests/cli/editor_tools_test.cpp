// notavi-cli --sortieren and --verstrichene: the editor's sorting and the automatic deletion of
// expired appointments, shown or saved as the editor saves.

#include "cli/cli_runner.h"
#include "core/model/info_area.h"

#include <gtest/gtest.h>

namespace {

using notavi::test::Cli;
using notavi::test::Result;

const std::string kInfo = notavi::joinLines(notavi::standardInfoArea());
const std::string kHeader = "Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis\r\n";
const std::string kUnsorted =
    kInfo + kHeader + "08.12.2026 Zahnarzt M\xFCller\r\n\r\n01.12.2026 Friseur\r\n@ E N D E\r\n";
const std::string kSorted =
    kInfo + kHeader + "01.12.2026 Friseur\r\n08.12.2026 Zahnarzt M\xFCller\r\n@ E N D E\r\n";

TEST_F(Cli, SortPrintsTheSortedFileAndLeavesTheOriginal)
{
    const auto file = write("t.dat", kUnsorted);
    Result r = run("--sortieren --datei " + file.string());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, kSorted);
    EXPECT_EQ(slurp(file), kUnsorted);
    EXPECT_NE(r.err.find("bleibt unver\xC3\xA4ndert (speichern mit --schreiben)"), std::string::npos)
        << r.err;
}

TEST_F(Cli, SortWithWriteSavesAndKeepsThePreviousVersionInTheBackup)
{
    write("notavi.dat", kUnsorted);
    Result r = run("--sortieren --schreiben --basis " + m_dir.string());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(slurp(m_dir / "notavi.dat"), kSorted);
    EXPECT_EQ(slurp(m_dir / "notavi.bak"), kUnsorted);

    // Sorted once more: nothing changes, nothing is saved.
    write("notavi.bak", "alt");
    r = run("--sortieren --schreiben --basis " + m_dir.string());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(slurp(m_dir / "notavi.bak"), "alt");
}

TEST_F(Cli, ExpiredLinesGoAfterTheAgeLimitAndAreNamed)
{
    const auto file = write("t.dat", kUnsorted);
    Result r = run("--verstrichene --datum 08.12.2026 --datei " + file.string());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, kInfo + kHeader + "08.12.2026 Zahnarzt M\xFCller\r\n@ E N D E\r\n")
        << "the default age limit of one day";
    EXPECT_NE(r.err.find("Verstrichen, gel\xC3\xB6scht (Zeile 14): 01.12.2026 Friseur\n"), std::string::npos)
        << r.err;
    EXPECT_EQ(slurp(file), kUnsorted);

    r = run("--verstrichene --frist 8 --datum 08.12.2026 --datei " + file.string());
    EXPECT_EQ(r.out, kUnsorted) << "nothing expired: the file as it is";
    EXPECT_NE(r.err.find("Nichts zu \xC3\xA4ndern"), std::string::npos) << r.err;
}

TEST_F(Cli, ExpiredDeletionTakesTheAgeLimitFromTheSettings)
{
    write("notavi.dat", kUnsorted);
    write("notavi.ini", "[Extras]\r\nC_MItem_LoeschenFrist=9\r\n");
    Result r = run("--verstrichene --schreiben --datum 09.12.2026 --basis " + m_dir.string());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(slurp(m_dir / "notavi.dat"), kUnsorted) << "nothing was nine days old";
    EXPECT_FALSE(m_temp.exists("notavi.bak"));

    r = run("--verstrichene --schreiben --datum 10.12.2026 --basis " + m_dir.string());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(slurp(m_dir / "notavi.dat"),
              kInfo + kHeader + "08.12.2026 Zahnarzt M\xFCller\r\n@ E N D E\r\n");
    EXPECT_EQ(slurp(m_dir / "notavi.bak"), kUnsorted);
}

TEST_F(Cli, ToolOptionsThatMakeNoSenseAreRefused)
{
    const auto file = write("t.dat", kUnsorted);
    for (const std::string& arguments :
         {std::string("--frist 7"), std::string("--verstrichene --frist 0"),
          std::string("--verstrichene --frist 10000"), std::string("--verstrichene --frist x"),
          std::string("--sortieren --verstrichene")}) {
        Result r = run(arguments + " --datei " + file.string());
        EXPECT_EQ(r.exitCode, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
    }
    EXPECT_EQ(slurp(file), kUnsorted);
}

// A faulty date once hid every other fault of a birthday line from the check list.
TEST_F(Cli, CheckListsEveryFaultOfABirthdayWithAFaultyDate)
{
    const auto file = write(
        "t.dat", kInfo + "Geburtstage:  TT.MM.JJJJ [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ ]"
                         "Name (unbekanntes Geburtsjahr = 9999)\r\n31.04.1980 ~99~ Anna\r\n@ E N D E\r\n");
    Result r = run("--pruefen --datum 01.06.2024 --datei " + file.string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("nicht korrekte Datum \"31.04.1980\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Farbcode \"99\""), std::string::npos) << r.out;
}

} // namespace
