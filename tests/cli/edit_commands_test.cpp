// notavi-cli commands that work as the editor does: its holiday list, and its cleanup with or
// without saving.

#include "cli/cli_runner.h"
#include "core/model/info_area.h"

#include <gtest/gtest.h>

namespace {

using notavi::test::Cli;
using notavi::test::Result;

const std::string kBlock = "Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis\r\n"
                           "08.12.2026 Zahnarzt M\xFCller\r\n"
                           "@ E N D E\r\n";
const std::string kClean = notavi::joinLines(notavi::standardInfoArea()) + kBlock;
const std::string kWithBlankLines =
    notavi::joinLines(notavi::standardInfoArea()) + "\r\n  \r\n" + kBlock + "\r\n";

TEST_F(Cli, HolidayListOfAYearAsUtf8)
{
    Result r = run("--feiertage 2024");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.starts_with("01.01. Neujahr\n06.01. Heilige Drei Könige\n02.02. Mariä Lichtmess\n"))
        << r.out;
    EXPECT_NE(r.out.find("\n20.11. Buß- und Bettag\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\n31.12. Silvester\n"));
    EXPECT_EQ(run("--feiertage 1").exitCode, 0);
    EXPECT_TRUE(run("--feiertage 9999").out.starts_with("01.01. Neujahr\n"));
}

TEST_F(Cli, HolidayListRefusesABadYear)
{
    for (const char* year : {"0", "10000", "20x4", "-5", "''", "2024.5"}) {
        Result r = run(std::string("--feiertage ") + year);
        EXPECT_EQ(r.exitCode, 2) << year;
        EXPECT_NE(r.err.find("ist ungültig (1 bis 9999)"), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(run("--feiertage").exitCode, 2);
}

TEST_F(Cli, CleanupWithoutWritingPrintsTheFileAndLeavesItAlone)
{
    const auto file = write("notavi.dat", kWithBlankLines);
    Result r = run("--datei " + file.string() + " --bereinigen");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, kClean);
    EXPECT_NE(r.err.find("bleibt unverändert"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(file), kWithBlankLines);
    EXPECT_FALSE(m_temp.exists("notavi.bak"));
}

TEST_F(Cli, CleanupWritesWithABackupOfThePreviousVersion)
{
    write("notavi.dat", kWithBlankLines);
    Result r = run("--basis " + m_dir.string() + " --bereinigen --schreiben");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("wurde gespeichert"), std::string::npos) << r.err;
    EXPECT_EQ(m_temp.read("notavi.dat"), kClean);
    EXPECT_EQ(m_temp.read("notavi.bak"), kWithBlankLines);
}

TEST_F(Cli, NothingToChangeIsNeverWritten)
{
    // Lines ended by LF alone: the same lines, so the file is not rewritten with CR LF.
    std::string unixEnds = kClean;
    std::erase(unixEnds, '\r');
    const auto file = write("termine.dat", unixEnds);
    Result r = run("--datei " + file.string() + " --bereinigen --schreiben");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.err.find("Nichts zu ändern"), std::string::npos) << r.err;
    EXPECT_EQ(slurp(file), unixEnds);
    EXPECT_FALSE(m_temp.exists("termine.bak"));

    Result printed = run("--datei " + file.string() + " --bereinigen");
    EXPECT_EQ(printed.out, kClean) << "the output is the file as it would be saved";
}

TEST_F(Cli, OtherFileNamesGetABackupOfTheirOwn)
{
    const auto file = write("termine.dat", kWithBlankLines);
    write("notavi.bak", "eine andere Sicherung\r\n");
    EXPECT_EQ(run("--datei " + file.string() + " --bereinigen --schreiben").exitCode, 0);
    EXPECT_EQ(m_temp.read("termine.bak"), kWithBlankLines);
    EXPECT_EQ(m_temp.read("notavi.bak"), "eine andere Sicherung\r\n");
}

TEST_F(Cli, CleanupOfAMissingOrUnreadableFileFails)
{
    Result missing = run("--datei " + (m_dir / "fehlt.dat").string() + " --bereinigen --schreiben");
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find("wurde nicht gefunden"), std::string::npos) << missing.err;
    EXPECT_FALSE(m_temp.exists("fehlt.dat"));

    Result folder = run("--datei " + m_dir.string() + " --bereinigen");
    EXPECT_EQ(folder.exitCode, 2);
    EXPECT_NE(folder.err.find("konnte nicht gelesen werden"), std::string::npos) << folder.err;
}

TEST_F(Cli, WritingNeedsACommandThatChangesTheFile)
{
    write("notavi.dat", kWithBlankLines);
    Result r = run("--basis " + m_dir.string() + " --schreiben");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--schreiben gilt nur"), std::string::npos) << r.err;
    EXPECT_EQ(m_temp.read("notavi.dat"), kWithBlankLines);
}

} // namespace
