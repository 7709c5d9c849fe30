#include "core/app/settings_file.h"
#include "support/faulty_file_system.h"
#include "support/settings_printing.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <random>
#include <string>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace notavi {
namespace {

namespace fs = std::filesystem;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// A file edited by hand and by other programs: comments, foreign sections with umlaut names
// (Windows-1252), odd spacing and case, a duplicate key, mixed line ends, no final line end.
const std::string kHandEdited = "; Notavi-Einstellungen\r\n"
                                "\r\n"
                                "[Haupt]\r\n"
                                "Top=10\r\n"
                                "  Left = 20   \r\n"
                                "Width=700\r\n"
                                "Height=500\r\n"
                                "[Fremd]\n"
                                "Schl\xFC"
                                "ssel=Wert\r\n"
                                ";Kommentar\r\n"
                                "[Extras]\r\n"
                                "C_MItem_URLabfrage=0\r\n"
                                "c_mitem_alarmvordergrund =  1 \r\n"
                                "C_MItem_Alarmvordergrund=0\r\n"
                                "\r\n"
                                "[Gr\xFC\xDF"
                                "e]\r\n"
                                "\xC4=\xD6\r\n"
                                "\r\n"
                                "[\xDC"
                                "BER]\r"
                                "x=1";

Settings defaultSettings()
{
    Settings settings;
    settings.alarmClock.message = "Erinnerung.";
    return settings;
}

class SettingsFileTest : public testing::Test
{
  protected:
    TempDir dir;
    fs::path path = dir / "notavi.ini";
};

TEST_F(SettingsFileTest, FirstStartWithoutAFileYieldsTheDefaults)
{
    const Settings settings = SettingsFile(path).loadAll();
    EXPECT_EQ(settings, defaultSettings());

    // What the user sees on a first start.
    EXPECT_TRUE(std::ranges::all_of(settings.blockDisplay.shown, [](bool on) { return on; }));
    EXPECT_EQ(settings.blockDisplay.birthdays, BirthdayMode::Normal);
    EXPECT_TRUE(std::ranges::all_of(settings.blockDisplay.moonPhases, [](bool on) { return on; }));
    EXPECT_TRUE(settings.blockDisplay.moonClockTime);
    EXPECT_EQ(settings.startView.tab, 0);
    EXPECT_EQ(settings.tooltips, (TooltipSettings{true, 2500}));
    EXPECT_EQ(settings.main.geometry, (WindowGeometry{0, 0, 640, 480, false}));
    EXPECT_FALSE(fs::exists(path)); // reading never creates the file
}

TEST_F(SettingsFileTest, ReadsAHandEditedFile)
{
    writeBytes(path, kHandEdited);
    const Settings settings = SettingsFile(path).loadAll();
    EXPECT_EQ(settings.main.geometry, (WindowGeometry{10, 20, 700, 500, false}));
    EXPECT_FALSE(settings.extras.confirmUrl);
    EXPECT_TRUE(settings.extras.alarmsOnTop); // the first of the two lines counts
}

TEST_F(SettingsFileTest, SavingOneSectionChangesOnlyItsKeys)
{
    writeBytes(path, kHandEdited);
    const SettingsFile file(path);
    Settings settings = file.loadAll();
    settings.extras.alarmsOnTop = false;
    ASSERT_TRUE(file.save("Extras", settings));

    std::string expected = kHandEdited;
    const std::string before = "c_mitem_alarmvordergrund =  1 \r\n"
                               "C_MItem_Alarmvordergrund=0\r\n";
    const std::string after = "c_mitem_alarmvordergrund =  0\r\n"
                              "C_MItem_Alarmvordergrund=0\r\n"
                              "C_MItem_LoeschenStart=0\r\n"
                              "C_MItem_LoeschenFrist=1\r\n"
                              "C_MItem_SystemTray=1\r\n"
                              "C_MItem_MinimiertStarten=0\r\n";
    expected.replace(expected.find(before), before.size(), after);
    EXPECT_EQ(readBytes(path), expected);

    Settings reloaded = settings;
    file.load(SettingsSection::Extras, reloaded);
    EXPECT_EQ(reloaded, settings);
}

TEST_F(SettingsFileTest, UnchangedSettingsLeaveTheFileAlone)
{
    writeBytes(path, kHandEdited);
    test::FaultyFileSystem storage;
    const SettingsFile file(path, storage);
    Settings settings = file.loadAll();
    settings.main.geometry = {10, 20, 700, 500, false}; // as in the file, in other spacing
    ASSERT_TRUE(file.save(SettingsSection::Main, settings));
    ASSERT_TRUE(file.save(SettingsSection::Main, settings));
    EXPECT_EQ(storage.calls(test::FsOp::WriteNewFile),
              1); // the first save adds the missing keys, the second has nothing to do
    const std::string bytes = readBytes(path);
    EXPECT_NE(bytes.find("  Left = 20   \r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, ANewSectionGoesToTheEnd)
{
    writeBytes(path, kHandEdited);
    Settings settings = defaultSettings();
    settings.countdown = {10, "Beenden"};
    ASSERT_TRUE(SettingsFile(path).save("timer", settings));
    EXPECT_EQ(readBytes(path), kHandEdited + "\r\n\r\n[Timer]\r\nTimer=10\r\nTimerart=Beenden\r\n");
}

TEST_F(SettingsFileTest, UnknownSectionNamesDoNothing)
{
    writeBytes(path, kHandEdited);
    test::FaultyFileSystem storage;
    const SettingsFile file(path, storage);
    Settings settings = defaultSettings();
    settings.startView.tab = 2;
    EXPECT_FALSE(file.load("Fremd", settings));
    EXPECT_EQ(settings.startView.tab, 2);
    EXPECT_FALSE(file.save("Fremd", settings));
    EXPECT_EQ(storage.calls(test::FsOp::WriteNewFile), 0);
}

std::string binaryGarbage()
{
    std::mt19937 random(20110101);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(4096, '\0');
    for (char& c : bytes)
        c = static_cast<char>(byte(random));
    return bytes + "[Haupt\r\n=\r\n[]\r\n[Haupt]=Top\r\n===";
}

struct DamagedCase
{
    const char* name;
    void (*prepare)(const fs::path& path);
    bool savable;
    bool tooLarge = false; // the one case the user is told about
};

// Whatever is found in place of the file, start-up gets the defaults, and a save never makes it worse.
TEST_F(SettingsFileTest, DamagedOrMissingFilesGiveTheDefaults)
{
    const DamagedCase cases[] = {
        {"missing", [](const fs::path&) {}, true},
        {"empty", [](const fs::path& p) { writeBytes(p, ""); }, true},
        {"garbage", [](const fs::path& p) { writeBytes(p, binaryGarbage()); }, true},
        {"folder", [](const fs::path& p) { fs::create_directories(p / "inside"); }, false},
        {"too large", [](const fs::path& p) { writeBytes(p, std::string(kIniFileSizeLimit + 1, 'x')); },
         false, true},
        {"at the limit", [](const fs::path& p) { writeBytes(p, std::string(kIniFileSizeLimit, 'x')); }, true},
        {"pipe", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); }, false},
        {"dangling link",
         [](const fs::path& p) { fs::create_symlink(p.parent_path() / "gone" / "notavi.ini", p); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir caseDir;
        const auto file = caseDir / "notavi.ini";
        c.prepare(file);
        const std::string before = fs::is_regular_file(file) ? readBytes(file) : "";
        const auto kindBefore = fs::symlink_status(file).type();
        const SettingsFile settingsFile(file);
        EXPECT_EQ(settingsFile.tooLarge(), c.tooLarge);

        const Settings settings = settingsFile.loadAll();
        EXPECT_EQ(settings, defaultSettings());

        EXPECT_EQ(settingsFile.save(SettingsSection::Tooltips, settings), c.savable);
        if (c.savable) {
            EXPECT_EQ(readBytes(file).substr(0, before.size()), before);
            EXPECT_EQ(settingsFile.loadAll(), settings);
        } else if (fs::is_directory(file)) {
            EXPECT_TRUE(fs::is_directory(file / "inside"));
        } else if (!fs::is_regular_file(fs::symlink_status(file))) {
            EXPECT_EQ(fs::symlink_status(file).type(), kindBefore) << "a pipe or link stays what it is";
            EXPECT_FALSE(fs::exists(file.parent_path() / "gone"));
            EXPECT_EQ(caseDir.entries(), std::vector<std::string>{"notavi.ini"});
        } else {
            EXPECT_EQ(readBytes(file), before) << "a file that is no settings file is never replaced";
        }
    }
}

} // namespace
} // namespace notavi
