#include "core/model/backup_files.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::FaultyFileSystem;
using test::FsOp;
using namespace std::string_view_literals;

constexpr std::string_view kCurrent = "*\r\nneu\r\n"sv;
// Every byte counts, a NUL and a lone CR included.
constexpr std::string_view kPrevious = "*\r\nalt\xE4\x00\rohne LF"sv;

class BackupFilesTest : public ::testing::Test
{
  protected:
    BackupFilesTest()
    {
        dir.write("notavi.dat", kCurrent);
        dir.write("notavi.bak", kPrevious);
    }

    test::TempDir dir;
    FaultyFileSystem fs;
};

TEST_F(BackupFilesTest, DataFileIsRecognisedInAnyLetterCaseAndSpelling)
{
    const Path base = dir.path();

    const struct
    {
        const char* label;
        Path chosen;
        bool isData;
    } kCases[] = {
        {"same path", base / "notavi.dat", true},
        {"upper case", base / "NOTAVI.DAT", true},
        {"mixed case", base / "Notavi.Dat", true},
        {"through ..", base / "sub" / ".." / "notavi.dat", true},
        {"through .", base / "." / "notavi.dat", true},
        {"the backup", base / "notavi.bak", false},
        {"another folder", base / "sub" / "notavi.dat", false},
        {"a longer name", base / "notavi.dat.alt", false},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(isDataFile(c.chosen, base), c.isData);
    }
}

TEST_F(BackupFilesTest, RestoreRefusesTheDataFileItself)
{
    EXPECT_EQ(restoreBackup(fs, dir.path(), dir / "NOTAVI.DAT"), RestoreStatus::RefusedDataFileItself);
    EXPECT_EQ(dir.read("notavi.dat"), kCurrent);
    EXPECT_EQ(fs.calls(FsOp::WriteNewFile), 0);
}

TEST_F(BackupFilesTest, RestoreCopiesEveryByte)
{
    dir.write("sicher/alt.dat", kPrevious);
    EXPECT_EQ(restoreBackup(fs, dir.path(), dir / "sicher" / "alt.dat"), RestoreStatus::Restored);
    EXPECT_EQ(dir.read("notavi.dat"), kPrevious);
    EXPECT_EQ(dir.read("sicher/alt.dat"), kPrevious);
}

TEST_F(BackupFilesTest, FailedCopiesLeaveTheDataFileWhole)
{
    const struct
    {
        const char* label;
        test::Fault fault;
    } kCases[] = {
        {"half written", test::partialWrite("notavi.dat")},
        {"rename refused", test::failing(FsOp::ReplaceFile, "notavi.dat")},
        {"source unreadable", test::failing(FsOp::ReadAll, "notavi.bak")},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        fs.clearFaults();
        fs.inject(c.fault);
        EXPECT_EQ(restoreBackup(fs, dir.path(), dir / "notavi.bak"), RestoreStatus::CopyFailed);
        fs.inject(c.fault);
        EXPECT_FALSE(loadBackupFile(fs, dir.path()));
        EXPECT_EQ(dir.read("notavi.dat"), kCurrent);
        EXPECT_FALSE(dir.holdsTempFile());
    }
}

TEST_F(BackupFilesTest, MissingSourceRestoresNothing)
{
    EXPECT_EQ(restoreBackup(fs, dir.path(), dir / "fehlt.dat"), RestoreStatus::CopyFailed);
    EXPECT_EQ(restoreBackup(fs, dir.path(), dir.path()), RestoreStatus::CopyFailed);
    EXPECT_EQ(dir.read("notavi.dat"), kCurrent);
}

TEST_F(BackupFilesTest, LoadingTheBackupTwiceEqualsOnce)
{
    ASSERT_TRUE(loadBackupFile(fs, dir.path()));
    EXPECT_EQ(dir.read("notavi.dat"), kPrevious);
    ASSERT_TRUE(loadBackupFile(fs, dir.path()));
    EXPECT_EQ(dir.read("notavi.dat"), kPrevious);
    EXPECT_EQ(dir.read("notavi.bak"), kPrevious);
}

TEST_F(BackupFilesTest, LoadingWithoutBackupFails)
{
    std::filesystem::remove(dir / "notavi.bak");
    EXPECT_FALSE(loadBackupFile(fs, dir.path()));
    EXPECT_EQ(dir.read("notavi.dat"), kCurrent);
}

TEST_F(BackupFilesTest, BackupCopyHoldsTheTextWithCrLf)
{
    EXPECT_TRUE(writeBackupCopy(fs, dir / "kopie.dat", {"*", "Zeile \xE4", ""}));
    EXPECT_EQ(dir.read("kopie.dat"), "*\r\nZeile \xE4\r\n\r\n");
}

TEST_F(BackupFilesTest, FailedBackupCopyKeepsTheOldOne)
{
    dir.write("kopie.dat", "vorher");
    fs.inject(test::partialWrite("kopie.dat"));
    EXPECT_FALSE(writeBackupCopy(fs, dir / "kopie.dat", {"neu"}));
    EXPECT_EQ(dir.read("kopie.dat"), "vorher");
    EXPECT_FALSE(writeBackupCopy(fs, dir.path(), {"neu"})) << "a folder is no backup file";
    EXPECT_FALSE(dir.holdsTempFile());
}

} // namespace
} // namespace notavi
