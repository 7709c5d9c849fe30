// notavi-cli --ferien: the states of a school-holiday file, and the import of one state's holidays.

#include "cli/cli_runner.h"
#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/info_area.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using notavi::test::Cli;
using notavi::test::Result;

// An appointment file without a holiday block: the info area and the weekly block as written.
std::string fileWithoutHolidays()
{
    notavi::Lines lines = notavi::standardInfoArea();
    lines.resize(8); // the three "*" lines that end the info area open the first block
    notavi::appendBlock(lines, notavi::blockNumber(notavi::BlockKind::Weekly));
    return notavi::joinLines(lines);
}

const std::string kFile = fileWithoutHolidays();

const std::string kHolidays = "2026/2027\r\n"
                              "Berlin\r\n"
                              "26.10.2026-07.11.2026 Herbstferien\r\n"
                              "23.12.2026-02.01.2027 Weihnachtsferien\r\n"
                              "\r\n"
                              "Th\xFCringen\r\n"
                              "19.10.2026-31.10.2026 Herbstferien\r\n";

const std::string kHolidayHeader = "Ferien:  TT.MM.JJJJ-TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ferienname\r\n";

TEST_F(Cli, ListsTheStatesOfAHolidayFile)
{
    fs::path holidays = write("ferien.fer", kHolidays);
    Result r = run("--ferien " + holidays.string());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Berlin\nThüringen\n");
}

TEST_F(Cli, PrintsTheFileWithTheImportedHolidays)
{
    fs::path holidays = write("ferien.fer", kHolidays);
    const std::string older = "06.07.2026-15.08.2026 Sommerferien in Berlin\r\n";
    fs::path file =
        write("t.dat", notavi::joinLines(notavi::standardInfoArea()) + kHolidayHeader +
                           "26.10.2026-07.11.2026 Herbstferien in Berlin\r\n" + older + "@ E N D E\r\n");
    const std::string before = slurp(file);
    Result r = run("--datei " + file.string() + " --ferien " + holidays.string() +
                   " --bundesland Berlin --mit-bundesland");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find(kHolidayHeader +
                         "23.12.2026-02.01.2027 Weihnachtsferien in Berlin\r\n"
                         "26.10.2026-07.11.2026 Herbstferien in Berlin\r\n" +
                         older),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.err.find("bereits vorhanden, übersprungen: 26.10.2026-07.11.2026 Herbstferien in Berlin\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("1 Ferientermine eingelesen."), std::string::npos) << r.err;
    EXPECT_EQ(slurp(file), before) << "printing never writes the file";
}

TEST_F(Cli, AppendsAMissingHolidayBlockFirst)
{
    fs::path holidays = write("ferien.fer", kHolidays);
    fs::path file = write("t.dat", kFile);
    Result r = run("--datei " + file.string() + " --ferien " + holidays.string() + " --bundesland Thüringen");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, kFile.size()), kFile);
    EXPECT_TRUE(r.out.ends_with(kHolidayHeader + "19.10.2026-31.10.2026 Herbstferien\r\n@ E N D E\r\n"))
        << r.out;
    EXPECT_NE(r.err.find("fehlte und wurde aus der Vorlage angelegt"), std::string::npos) << r.err;
    fs::path imported = write("neu.dat", r.out);
    Result view = run("--datei " + imported.string() + " --datum 15.10.2026 --ansicht 0 --farbe nie");
    EXPECT_NE(view.out.find("beginnen die Herbstferien."), std::string::npos) << view.out;
}

TEST_F(Cli, RefusesUnusableHolidayOptions)
{
    fs::path holidays = write("ferien.fer", kHolidays);
    fs::path file = write("t.dat", kFile);
    const std::string both = "--datei " + file.string() + " --ferien ";
    for (const auto& [arguments, message] : std::vector<std::pair<std::string, std::string>>{
             {both + holidays.string() + " --bundesland Hamburg", "Das Bundesland \"Hamburg\" steht nicht"},
             {both + (m_dir / "fehlt.fer").string() + " --bundesland Berlin", "konnte nicht gelesen werden"},
             {"--ferien " + m_dir.string(), "konnte nicht gelesen werden"},
             {"--bundesland Berlin", "gelten nur mit --ferien"},
             {both + holidays.string() + " --mit-bundesland", "braucht --bundesland"},
             {both + holidays.string() + " --pruefen", "schließt --pruefen"}}) {
        Result r = run(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments;
        EXPECT_EQ(r.out, "") << arguments;
        EXPECT_NE(r.err.find(message), std::string::npos) << arguments << ": " << r.err;
    }
}

TEST_F(Cli, SavesTheImportAsTheEditorSaves)
{
    fs::path holidays = write("ferien.fer", kHolidays);
    write("notavi.dat", kFile);
    const std::string arguments =
        "--basis " + m_dir.string() + " --ferien " + holidays.string() + " --bundesland Berlin --schreiben";
    Result first = run(arguments);
    EXPECT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, "");
    EXPECT_EQ(slurp(m_dir / "notavi.bak"), kFile);
    const std::string imported = slurp(m_dir / "notavi.dat");
    EXPECT_NE(imported.find(kHolidayHeader + "26.10.2026-07.11.2026 Herbstferien\r\n"), std::string::npos)
        << imported;
    Result again = run(arguments);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.err.find("0 Ferientermine eingelesen."), std::string::npos) << again.err;
    EXPECT_EQ(slurp(m_dir / "notavi.dat"), imported);
    EXPECT_EQ(slurp(m_dir / "notavi.bak"), kFile) << "nothing new, nothing saved";
}

} // namespace
