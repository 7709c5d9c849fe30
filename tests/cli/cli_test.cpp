// notavi-cli as a user calls it: a file, a date, a view.

#include "cli/cli_runner.h"
#include "core/model/default_file.h"
#include "core/model/info_area.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using notavi::test::Cli;
using notavi::test::Result;

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
