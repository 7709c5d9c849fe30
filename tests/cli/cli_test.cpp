// notavi-cli as a user calls it: a file, a date, a view.

#include "core/model/default_file.h"
#include "core/model/info_area.h"
#include "support/temp_dir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct Result
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

class Cli : public ::testing::Test
{
  protected:
    fs::path write(const std::string& name, const std::string& bytes)
    {
        m_temp.write(name, bytes);
        return m_dir / name;
    }

    static std::string slurp(const fs::path& path) { return notavi::test::readBytes(path); }

    Result run(const std::string& arguments)
    {
        fs::path out = m_dir / "out.txt";
        fs::path err = m_dir / "err.txt";
        std::string command = std::string("HOME=") + m_dir.string() + " XDG_DATA_HOME= " + NOTAVI_CLI_PATH +
                              " " + arguments + " >" + out.string() + " 2>" + err.string();
        int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
    }

    notavi::test::TempDir m_temp;
    const fs::path m_dir = m_temp.path();
};

const std::string kFile = notavi::joinLines(notavi::standardInfoArea()) +
                          "Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis\r\n"
                          "08.12.2026 ~05~ Zahnarzt M\xFCller\r\n"
                          "31.02.2026 kaputt\r\n"
                          "@ E N D E\r\n";

TEST_F(Cli, ShowsTheViewInGermanAsUtf8)
{
    fs::path file = write("t.dat", kFile);
    Result r = run("--datei " + file.string() + " --datum 07.12.2026 --ansicht 0 --farbe nie");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Montag, der 07.12.2026\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Morgen (Dienstag) Zahnarzt Müller\n"), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("enthält das nicht korrekte Datum \"31.02.2026\""), std::string::npos) << r.err;
    EXPECT_EQ(slurp(file), kFile) << "the terminal view never writes the file";
}

TEST_F(Cli, ColoursAndJson)
{
    fs::path file = write("t.dat", kFile);
    Result coloured = run("--datei " + file.string() + " --datum 07.12.2026 --farbe immer");
    EXPECT_NE(coloured.out.find("\x1b[38;2;0;0;128mMorgen (Dienstag) Zahnarzt Müller\x1b[0m"),
              std::string::npos);
    Result json = run("--datei " + file.string() + " --datum 07.12.2026 --ansicht 2 --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_NE(
        json.out.find("{\"datum\":\"20261208\",\"text\":\"Am Dienstag, dem 08.12.2026 Zahnarzt Müller\","
                      "\"zeile\":13,\"block\":12,\"farbe\":5}"),
        std::string::npos)
        << json.out;
}

TEST_F(Cli, CheckListsEveryFormalError)
{
    fs::path file = write("t.dat", kFile + "Notiz\r\n");
    Result r = run("--datei " + file.string() + " --datum 07.12.2026 --pruefen");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(
        r.out.find("Die Terminzeile \"31.02.2026 kaputt\" enthält das nicht korrekte Datum \"31.02.2026\". "
                   "(Einmalige Termine;14)"),
        std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\"Notiz\" befindet sich außerhalb eines gültigen Terminblocks. (;16)"),
              std::string::npos);
}

TEST_F(Cli, BaseFolderOption)
{
    fs::create_directories(m_dir / "basis");
    write("basis/notavi.dat", kFile);
    Result r = run("--basis " + (m_dir / "basis").string() + " --datum 08.12.2026 --ansicht 1 --farbe nie");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Am Dienstag, dem 08.12.2026 Zahnarzt Müller"), std::string::npos) << r.out;
}

TEST_F(Cli, RefusesBadInputWithAClearMessage)
{
    struct Case
    {
        std::string arguments;
        std::string message;
    };

    fs::create_directories(m_dir / "ordner");
    for (const Case& c : {Case{"--ansicht 7", "Die Ansicht \"7\" ist unbekannt"},
                          Case{"--datum 31.02.2026", "kein gültiges Datum"},
                          Case{"--datum", "fehlt der Wert"}, Case{"--unsinn", "Unbekannte Option"},
                          Case{"--datei " + (m_dir / "fehlt.dat").string(), "wurde nicht gefunden"},
                          Case{"--datei " + (m_dir / "ordner").string(), "ist ein Ordner"},
                          Case{"--basis a --datei b", "schließen einander aus"}}) {
        Result r = run(c.arguments);
        EXPECT_EQ(r.exitCode, 2) << c.arguments;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.arguments << ": " << r.err;
    }
    EXPECT_EQ(run("--help").exitCode, 0);
}

TEST_F(Cli, BinaryGarbageIsNoCrash)
{
    std::string garbage;
    for (int i = 0; i < 20000; ++i)
        garbage.push_back(static_cast<char>((i * 7919) % 256));
    fs::path file = write("m\xFCll.dat", garbage);
    Result r = run("--datei '" + file.string() + "' --datum 01.01.2026 --ansicht 4 --farbe nie");
    EXPECT_EQ(r.exitCode, 0) << r.err.substr(0, 300);
}

} // namespace

namespace {

TEST_F(Cli, DefaultFileIsWrittenToStandardOutputAndPassesTheCheck)
{
    Result def = run("--standarddatei");
    EXPECT_EQ(def.exitCode, 0);
    EXPECT_EQ(def.out, notavi::joinLines(notavi::defaultFile()));
    fs::path file = write("neu.dat", def.out);
    Result check = run("--datei " + file.string() + " --datum 07.12.2026 --pruefen");
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_EQ(check.out, "Keine Fehler gefunden.\n");
    Result view = run("--datei " + file.string() + " --datum 07.12.2026 --ansicht 4");
    EXPECT_EQ(view.err, "") << "a file the program wrote needs no correction";
}

TEST_F(Cli, FollowsTheSettingsBesideTheFile)
{
    fs::create_directories(m_dir / "basis");
    write("basis/notavi.dat", kFile);
    write("basis/notavi.ini", "[Terminansicht]\r\nTerminansicht=2\r\n");
    Result r = run("--basis " + (m_dir / "basis").string() + " --datum 08.12.2026 --farbe nie");
    EXPECT_NE(r.out.find("Dezember 2026\n"), std::string::npos) << r.out;
}

} // namespace

// ---- school-holiday files

namespace {

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

} // namespace
