#include "core/model/atomic_write.h"
#include "core/model/default_file.h"
#include "core/model/info_texts.h"
#include "core/model/storage.h"
#include "core/model/storage_messages.h"
#include "support/faulty_file_system.h"
#include "support/fixtures.h"
#include "support/temp_dir.h"

#include <chrono>
#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::Fault;
using test::FaultyFileSystem;
using test::FsOp;
using test::permissionsOf;
using test::TempDir;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StorageTest : public ::testing::Test
{
  protected:
    bool anyTempFile() const
    {
        for (const auto& name : dir.entries())
            if (isTempName(name))
                return true;
        return false;
    }

    TempDir dir;
    FaultyFileSystem fs;
};

// Every byte but the line ends, NUL and the upper half included.
std::string everyByteButLineEnds()
{
    std::string line;
    for (int i = 0; i < 256; ++i)
        if (i != '\r' && i != '\n')
            line += static_cast<char>(i);
    return line;
}

// ---- loading into the main window

TEST_F(StorageTest, MissingFileIsCreatedAsDefaultFile)
{
    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::CreatedDefault);
    EXPECT_TRUE(result.loaded());
    EXPECT_THAT(result.file.lines, IsEmpty());
    EXPECT_TRUE(result.defaultSave.written);
    EXPECT_THAT(saveMessages(result.defaultSave), IsEmpty());
    EXPECT_EQ(dir.read("notavi.dat"), test::readFixture("default.dat"));
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.dat"));
}

TEST_F(StorageTest, EmptyFileIsReplacedAndBecomesTheBackup)
{
    dir.write("notavi.dat", "");
    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::CreatedDefault);
    EXPECT_EQ(dir.read("notavi.dat"), test::readFixture("default.dat"));
    EXPECT_TRUE(dir.exists("notavi.bak"));
    EXPECT_EQ(dir.read("notavi.bak"), "");
}

TEST_F(StorageTest, FailedDefaultSaveIsReported)
{
    fs.inject(test::failing(FsOp::WriteNewFile));
    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::CreatedDefault);
    EXPECT_FALSE(result.defaultSave.written);
    EXPECT_THAT(saveMessages(result.defaultSave), ElementsAre(kSaveFailedMessage));
    EXPECT_THAT(dir.entries(), IsEmpty());
}

TEST_F(StorageTest, CurrentFileLoadsUncorrected)
{
    dir.write("notavi.dat", test::readFixture("default.dat"));
    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::Loaded);
    EXPECT_FALSE(result.corrected);
    EXPECT_EQ(result.file.lines, defaultFile());
}

TEST_F(StorageTest, LoadRepairsTheListButLeavesTheFileToTheWriteBack)
{
    Lines lines = defaultFile();
    lines[1] = "*    Notavi 8.00";
    lines.insert(lines.begin() + 20, "   ");
    dir.write("notavi.dat", joinLines(lines));

    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::Loaded);
    EXPECT_TRUE(result.corrected);
    EXPECT_EQ(result.file.lines, defaultFile());
    EXPECT_EQ(dir.read("notavi.dat"), joinLines(lines));
}

TEST_F(StorageTest, FolderNamedLikeTheFileIsAReadFailure)
{
    std::filesystem::create_directory(dir / "notavi.dat");
    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::ReadFailed);
    EXPECT_FALSE(result.loaded());
    EXPECT_EQ(result.error, kMainLoadFailedMessage);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "notavi.dat"));
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.dat"));
}

TEST_F(StorageTest, UnreadableFileIsAReadFailureAndStaysAsItIs)
{
    dir.write("notavi.dat", "content");
    fs.inject(test::failing(FsOp::ReadAll));
    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::ReadFailed);
    EXPECT_EQ(dir.read("notavi.dat"), "content");
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.dat"));
}

TEST_F(StorageTest, FileWithoutReadPermissionIsNeverReplaced)
{
    if (test::runningAsRoot())
        GTEST_SKIP() << "root ignores file permissions";
    dir.write("notavi.dat", "content");
    ASSERT_EQ(::chmod((dir / "notavi.dat").c_str(), 0), 0);
    EXPECT_EQ(loadMainList(fs, dir.path()).status, MainLoadStatus::ReadFailed);
    ::chmod((dir / "notavi.dat").c_str(), 0644);
    EXPECT_EQ(dir.read("notavi.dat"), "content");
}

// ---- loading into the editor

TEST_F(StorageTest, EditorTellsMissingFromUnreadable)
{
    EXPECT_EQ(loadEditorText(fs, dir.path()).status, EditorLoadStatus::NotFound);
    std::filesystem::create_directory(dir / "notavi.dat");
    EXPECT_EQ(loadEditorText(fs, dir.path()).status, EditorLoadStatus::ReadFailed);
    std::filesystem::remove(dir / "notavi.dat");
    dir.write("notavi.dat", "x");
    fs.inject(test::failing(FsOp::ReadAll));
    EXPECT_EQ(loadEditorText(fs, dir.path()).status, EditorLoadStatus::ReadFailed);
}

TEST_F(StorageTest, EditorGetsTheLinesAsTheyAre)
{
    dir.write("notavi.dat", "*\r\n\r\n  \r\nGEB\r\n");
    const auto result = loadEditorText(fs, dir.path());
    EXPECT_EQ(result.status, EditorLoadStatus::Loaded);
    EXPECT_THAT(result.lines, ElementsAre("*", "", "  ", "GEB"));
}

// ---- bytes and line ends

TEST_F(StorageTest, EveryByteSurvivesLoadAndSave)
{
    const std::string bytes = everyByteButLineEnds();
    Lines lines = defaultFile();
    lines.insert(lines.begin() + 13, bytes);
    lines.insert(lines.begin() + 14, std::string("01.01.2000 A\0B", 14));
    dir.write("notavi.dat", joinLines(lines));

    const auto main = loadMainList(fs, dir.path());
    ASSERT_EQ(main.status, MainLoadStatus::Loaded);
    EXPECT_EQ(main.file.lines, lines);
    ASSERT_TRUE(writeBack(fs, dir.path(), main.file.lines));
    EXPECT_EQ(dir.read("notavi.dat"), joinLines(lines));

    const auto editor = loadEditorText(fs, dir.path());
    ASSERT_TRUE(saveWithBackup(fs, dir.path(), editor.lines).written);
    EXPECT_EQ(dir.read("notavi.dat"), joinLines(lines));
    EXPECT_EQ(dir.read("notavi.bak"), joinLines(lines));
}

TEST_F(StorageTest, MixedLineEndsAreWrittenAsCrLf)
{
    dir.write("notavi.dat", "a\rb\nc\r\nd\n\re");
    const auto editor = loadEditorText(fs, dir.path());
    EXPECT_THAT(editor.lines, ElementsAre("a", "b", "c", "d", "", "e"));
    ASSERT_TRUE(saveWithBackup(fs, dir.path(), editor.lines).written);
    EXPECT_EQ(dir.read("notavi.dat"), "a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
}

// ---- saving with backup

TEST_F(StorageTest, FirstSaveMakesNoBackup)
{
    const auto result = saveWithBackup(fs, dir.path(), {"a", "b"});
    EXPECT_TRUE(result.written);
    EXPECT_FALSE(result.backupFailed);
    EXPECT_EQ(dir.read("notavi.dat"), "a\r\nb\r\n");
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.dat"));
}

TEST_F(StorageTest, SavingTwiceKeepsTheFirstSavedVersionAsBackup)
{
    dir.write("notavi.dat", "original\r\n");
    ASSERT_TRUE(saveWithBackup(fs, dir.path(), {"first"}).written);
    EXPECT_EQ(dir.read("notavi.bak"), "original\r\n");
    ASSERT_TRUE(saveWithBackup(fs, dir.path(), {"second"}).written);
    EXPECT_EQ(dir.read("notavi.dat"), "second\r\n");
    EXPECT_EQ(dir.read("notavi.bak"), "first\r\n");
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.bak", "notavi.dat"));
}

TEST_F(StorageTest, BackupCarriesTheTimeOfTheSave)
{
    dir.write("notavi.dat", "original\r\n");
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(72);
    std::filesystem::last_write_time(dir / "notavi.dat", past);
    ASSERT_TRUE(saveWithBackup(fs, dir.path(), {"new"}).written);
    EXPECT_GT(std::filesystem::last_write_time(dir / "notavi.bak"), past + std::chrono::hours(71));
}

struct SaveFault
{
    const char* name;
    Fault fault;
    bool written;
    bool backupFailed;
    const char* data;   // expected notavi.dat afterwards
    const char* backup; // expected notavi.bak afterwards
};

void PrintTo(const SaveFault& c, std::ostream* out)
{
    *out << c.name;
}

class SaveWithBackupFault : public StorageTest, public ::testing::WithParamInterface<SaveFault>
{
};

TEST_P(SaveWithBackupFault, EveryFileStaysWhole)
{
    dir.write("notavi.dat", "old\r\n");
    dir.write("notavi.bak", "previous\r\n");
    fs.inject(GetParam().fault);

    const auto result = saveWithBackup(fs, dir.path(), {"new"});
    EXPECT_EQ(fs.fired(), 1);
    EXPECT_EQ(result.written, GetParam().written);
    EXPECT_EQ(result.backupFailed, GetParam().backupFailed);
    EXPECT_EQ(dir.read("notavi.dat"), GetParam().data);
    EXPECT_EQ(dir.read("notavi.bak"), GetParam().backup);
    EXPECT_FALSE(anyTempFile());

    std::vector<std::string_view> messages;
    if (GetParam().backupFailed)
        messages.push_back(kBackupFailedMessage);
    if (!GetParam().written)
        messages.push_back(kSaveFailedMessage);
    EXPECT_EQ(saveMessages(result), messages);
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveWithBackupFault,
                         ::testing::Values(
                             // The backup fails: reported, the save goes on, the older backup stays.
                             SaveFault{"OldFileUnreadableForBackup",
                                       test::failing(FsOp::ReadAll, "notavi.dat"), true, true, "new\r\n",
                                       "previous\r\n"},
                             SaveFault{"BackupFailsAtStart", test::failing(FsOp::WriteNewFile, "notavi.bak"),
                                       true, true, "new\r\n", "previous\r\n"},
                             SaveFault{"BackupPartlyWritten", test::partialWrite("notavi.bak"), true, true,
                                       "new\r\n", "previous\r\n"},
                             SaveFault{"BackupRenameFails", test::failing(FsOp::ReplaceFile, "notavi.bak"),
                                       true, true, "new\r\n", "previous\r\n"},
                             SaveFault{"BackupTimeNotSet", test::failing(FsOp::SetModifiedNow), true, false,
                                       "new\r\n", "old\r\n"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(StorageTest, SaveRefusesAFolderNamedLikeTheFile)
{
    std::filesystem::create_directory(dir / "notavi.dat");
    const auto result = saveWithBackup(fs, dir.path(), {"new"});
    EXPECT_FALSE(result.written);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "notavi.dat"));
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.dat"));
}

TEST_F(StorageTest, FolderNamedLikeTheBackupOnlyFailsTheBackup)
{
    dir.write("notavi.dat", "old\r\n");
    std::filesystem::create_directory(dir / "notavi.bak");
    const auto result = saveWithBackup(fs, dir.path(), {"new"});
    EXPECT_TRUE(result.written);
    EXPECT_TRUE(result.backupFailed);
    EXPECT_EQ(dir.read("notavi.dat"), "new\r\n");
    EXPECT_FALSE(anyTempFile());
}

TEST_F(StorageTest, SaveInAReadOnlyFolderChangesNothing)
{
    if (test::runningAsRoot())
        GTEST_SKIP() << "root ignores file permissions";
    dir.write("ro/notavi.dat", "old\r\n");
    dir.write("ro/notavi.bak", "previous\r\n");
    ASSERT_EQ(::chmod((dir / "ro").c_str(), 0555), 0);
    EXPECT_FALSE(saveWithBackup(fs, dir / "ro", {"new"}).written);
    EXPECT_FALSE(writeBack(fs, dir / "ro", {"new"}));
    EXPECT_EQ(dir.read("ro/notavi.dat"), "old\r\n");
    EXPECT_EQ(dir.read("ro/notavi.bak"), "previous\r\n");
}

// ---- links, protection, permissions and special files

TEST_F(StorageTest, ALinkedFileIsRepairedAndSavedThroughTheLink)
{
    Lines lines = defaultFile();
    lines.erase(lines.begin()); // the info area needs a repair, which the write-back writes
    dir.write("synced/notavi.dat", joinLines(lines));
    std::filesystem::create_directory(dir / "base");
    std::filesystem::create_symlink(dir / "synced" / "notavi.dat", dir / "base" / "notavi.dat");

    const auto result = loadMainList(fs, dir / "base");
    ASSERT_EQ(result.status, MainLoadStatus::Loaded);
    ASSERT_TRUE(result.corrected);
    ASSERT_TRUE(writeBack(fs, dir / "base", result.file.lines));
    EXPECT_EQ(dir.read("synced/notavi.dat"), joinLines(defaultFile()));

    const auto saved = saveWithBackup(fs, dir / "base", {"edited"});
    EXPECT_TRUE(saved.written);
    EXPECT_FALSE(saved.backupFailed);
    EXPECT_EQ(dir.read("synced/notavi.dat"), "edited\r\n");
    EXPECT_EQ(dir.read("base/notavi.bak"), joinLines(defaultFile()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "base" / "notavi.dat"));
    EXPECT_THAT(TempDir::entriesOf(dir / "synced"), ElementsAre("notavi.dat"));
}

TEST_F(StorageTest, ADanglingLinkIsALoadFailureAndNeverADefaultFile)
{
    std::filesystem::create_directory(dir / "base");
    const auto target = dir / "unmounted" / "notavi.dat";
    std::filesystem::create_symlink(target, dir / "base" / "notavi.dat");

    const auto result = loadMainList(fs, dir / "base");
    EXPECT_EQ(result.status, MainLoadStatus::ReadFailed);
    EXPECT_EQ(result.error, kMainLoadDanglingLinkMessage);
    EXPECT_EQ(loadEditorText(fs, dir / "base").status, EditorLoadStatus::ReadFailed);
    EXPECT_FALSE(saveWithBackup(fs, dir / "base", {"new"}).written);
    EXPECT_FALSE(writeBack(fs, dir / "base", {"new"}));

    // Even with the folder there (a mount point not yet mounted), no file appears behind the link.
    std::filesystem::create_directory(dir / "unmounted");
    EXPECT_EQ(loadMainList(fs, dir / "base").status, MainLoadStatus::ReadFailed);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "base" / "notavi.dat"));
    EXPECT_THAT(dir.entries(), ElementsAre("base", "unmounted"));
    EXPECT_THAT(TempDir::entriesOf(dir / "base"), ElementsAre("notavi.dat"));
}

TEST_F(StorageTest, AWriteProtectedFileIsNeitherReplacedNorBackedUp)
{
    dir.write("notavi.dat", "old\r\n");
    dir.write("notavi.bak", "previous\r\n");
    ASSERT_EQ(::chmod((dir / "notavi.dat").c_str(), 0444), 0);

    const auto saved = saveWithBackup(fs, dir.path(), {"new"});
    EXPECT_FALSE(saved.written);
    EXPECT_THAT(saveMessages(saved), ElementsAre(kSaveFailedMessage));
    EXPECT_FALSE(writeBack(fs, dir.path(), {"new"}));
    EXPECT_EQ(permissionsOf(dir / "notavi.dat"), 0444u);
    EXPECT_EQ(dir.read("notavi.dat"), "old\r\n");
    EXPECT_EQ(dir.read("notavi.bak"), "previous\r\n");
    EXPECT_FALSE(anyTempFile());
}

TEST_F(StorageTest, APrivateFileAndItsBackupStayPrivate)
{
    dir.write("notavi.dat", "old\r\n");
    ASSERT_EQ(::chmod((dir / "notavi.dat").c_str(), 0600), 0);
    ASSERT_TRUE(saveWithBackup(fs, dir.path(), {"new"}).written);
    EXPECT_EQ(permissionsOf(dir / "notavi.dat"), 0600u);
    EXPECT_EQ(permissionsOf(dir / "notavi.bak"), 0600u);
    ASSERT_TRUE(writeBack(fs, dir.path(), {"corrected"}));
    EXPECT_EQ(permissionsOf(dir / "notavi.dat"), 0600u);
}

TEST_F(StorageTest, APipeIsRefusedAtOnce)
{
    ASSERT_EQ(::mkfifo((dir / "notavi.dat").c_str(), 0600), 0);
    // With nobody writing to the pipe, opening it for reading would wait for ever.
    const auto result = loadMainList(fs, dir.path());
    EXPECT_EQ(result.status, MainLoadStatus::ReadFailed);
    EXPECT_EQ(result.error, kMainLoadNotAFileMessage);
    EXPECT_EQ(loadEditorText(fs, dir.path()).status, EditorLoadStatus::ReadFailed);
    EXPECT_FALSE(readLines(fs, dir / "notavi.dat"));
    EXPECT_FALSE(saveWithBackup(fs, dir.path(), {"new"}).written);
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "notavi.dat"));
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.dat"));
}

// ---- writing back corrections

TEST_F(StorageTest, WriteBackMakesNoBackup)
{
    dir.write("notavi.dat", "old\r\n");
    dir.write("notavi.bak", "previous\r\n");
    ASSERT_TRUE(writeBack(fs, dir.path(), {"corrected"}));
    EXPECT_EQ(dir.read("notavi.dat"), "corrected\r\n");
    EXPECT_EQ(dir.read("notavi.bak"), "previous\r\n");
}

} // namespace
} // namespace notavi
