#include "core/app/ini_storage.h"
#include "support/settings_failing_storage.h"
#include "support/settings_temp_dir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace notavi {
namespace {

namespace fs = std::filesystem;
using test::FailingIniStorage;
using test::readBytes;
using test::SettingsTempDir;
using test::writeBytes;

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    SettingsTempDir dir;
    const auto file = dir / "notavi.ini";
    writeBytes(file, "old");
    ASSERT_TRUE(writeFileAtomically(diskIniStorage(), file, "new content"));
    EXPECT_EQ(readBytes(file), "new content");
    EXPECT_FALSE(fs::exists(temporaryPathFor(file)));
}

TEST(AtomicWrite, FailureAtEitherStepKeepsTheOldFileWhole)
{
    for (const bool failAtRename : {false, true}) {
        SCOPED_TRACE(failAtRename ? "rename fails" : "write fails");
        SettingsTempDir dir;
        const auto file = dir / "notavi.ini";
        writeBytes(file, "[Haupt]\r\nTop=1\r\n");
        FailingIniStorage storage;
        storage.failWrite = !failAtRename;
        storage.failRename = failAtRename;
        EXPECT_FALSE(writeFileAtomically(storage, file, "[Haupt]\r\nTop=2\r\n"));
        EXPECT_EQ(readBytes(file), "[Haupt]\r\nTop=1\r\n");
        EXPECT_FALSE(fs::exists(temporaryPathFor(file)));
    }
}

TEST(AtomicWrite, FolderInPlaceOfTheFileIsAFailure)
{
    SettingsTempDir dir;
    const auto file = dir / "notavi.ini";
    fs::create_directory(file);
    fs::create_directory(file / "inside"); // renaming over a non-empty folder never succeeds
    EXPECT_FALSE(writeFileAtomically(diskIniStorage(), file, "x"));
    EXPECT_TRUE(fs::is_directory(file / "inside"));
    EXPECT_FALSE(fs::exists(temporaryPathFor(file)));
}

TEST(AtomicWrite, MissingFolderIsAFailure)
{
    SettingsTempDir dir;
    EXPECT_FALSE(writeFileAtomically(diskIniStorage(), dir / "no" / "notavi.ini", "x"));
}

TEST(DiskRead, TellsMissingFromUnreadable)
{
    SettingsTempDir dir;
    EXPECT_EQ(diskIniStorage().readFile(dir / "none.ini").status, IniFileRead::Status::NotFound);

    fs::create_directory(dir / "folder.ini");
    EXPECT_EQ(diskIniStorage().readFile(dir / "folder.ini").status, IniFileRead::Status::Failed);

    writeBytes(dir / "big.ini", std::string(kIniFileSizeLimit + 1, 'x'));
    EXPECT_EQ(diskIniStorage().readFile(dir / "big.ini").status, IniFileRead::Status::Failed);

    const std::string bytes("a\0b\r\n\xFF", 6);
    writeBytes(dir / "ok.ini", bytes);
    const auto read = diskIniStorage().readFile(dir / "ok.ini");
    EXPECT_EQ(read.status, IniFileRead::Status::Ok);
    EXPECT_EQ(read.bytes, bytes);
}

} // namespace
} // namespace notavi
