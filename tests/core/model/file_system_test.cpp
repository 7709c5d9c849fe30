#include "core/model/file_system.h"
#include "support/temp_dir.h"

#include <chrono>
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::TempDir;

std::string allBytes()
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes;
}

class RealFileSystemTest : public ::testing::Test
{
  protected:
    TempDir dir;
    RealFileSystem fs;
};

TEST_F(RealFileSystemTest, TellsMissingEmptyFileAndFolderApart)
{
    dir.write("empty", "");
    dir.write("three", "abc");
    std::filesystem::create_directory(dir / "folder");

    EXPECT_FALSE(fs.exists(dir / "missing"));
    EXPECT_EQ(fs.size(dir / "missing"), -1);
    EXPECT_EQ(fs.size(dir / "missing" / "below"), -1);
    EXPECT_EQ(fs.size(dir / "empty"), 0);
    EXPECT_EQ(fs.size(dir / "three"), 3);
    EXPECT_TRUE(fs.exists(dir / "folder"));
    EXPECT_TRUE(fs.isDirectory(dir / "folder"));
    EXPECT_FALSE(fs.isDirectory(dir / "three"));
    EXPECT_EQ(fs.size(dir / "folder"), kSizeUnknown);
}

TEST_F(RealFileSystemTest, TellsTheKindOfWhatIsThere)
{
    dir.write("file", "abc");
    std::filesystem::create_directory(dir / "folder");
    std::filesystem::create_symlink("file", dir / "link");
    std::filesystem::create_symlink("nothing", dir / "dangling");
    std::filesystem::create_symlink("loop", dir / "loop");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);

    const struct
    {
        const char* name;
        FileKind kind;
    } kCases[] = {
        {"missing", FileKind::Missing}, {"file", FileKind::Regular},          {"folder", FileKind::Directory},
        {"link", FileKind::Regular},    {"dangling", FileKind::DanglingLink}, {"pipe", FileKind::Special},
        {"loop", FileKind::Unknown},
    };

    for (const auto& row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fs.kind(dir / row.name), row.kind);
    }
}

TEST_F(RealFileSystemTest, ReadingAPipeFailsAtOnce)
{
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(fs.readAll(dir / "pipe"));
    EXPECT_FALSE(fs.readInPieces(dir / "pipe", [](std::string_view) {}));
    EXPECT_FALSE(fs.copyFile(dir / "pipe", dir / "copy"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(dir.exists("copy"));
}

TEST_F(RealFileSystemTest, ReadsAndWritesEveryByte)
{
    ASSERT_TRUE(fs.writeNewFile(dir / "bytes", allBytes()));
    EXPECT_EQ(dir.read("bytes"), allBytes());
    EXPECT_EQ(fs.readAll(dir / "bytes"), allBytes());
}

TEST_F(RealFileSystemTest, ReadingAFolderOrAMissingFileFails)
{
    std::filesystem::create_directory(dir / "folder");
    EXPECT_FALSE(fs.readAll(dir / "folder"));
    EXPECT_FALSE(fs.readAll(dir / "missing"));
}

TEST_F(RealFileSystemTest, WriteNewFileNeverOverwrites)
{
    dir.write("old", "old");
    EXPECT_FALSE(fs.writeNewFile(dir / "old", "new"));
    EXPECT_EQ(dir.read("old"), "old");
    EXPECT_FALSE(fs.writeNewFile(dir / "no-folder" / "file", "x"));
}

TEST_F(RealFileSystemTest, ReplaceFileRenamesOverTheTarget)
{
    dir.write("new", "new");
    dir.write("target", "old");
    ASSERT_TRUE(fs.replaceFile(dir / "new", dir / "target"));
    EXPECT_EQ(dir.read("target"), "new");
    EXPECT_FALSE(dir.exists("new"));
}

TEST_F(RealFileSystemTest, ReplaceFileRefusesAFolderAsTarget)
{
    dir.write("new", "new");
    std::filesystem::create_directory(dir / "target");
    EXPECT_FALSE(fs.replaceFile(dir / "new", dir / "target"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "target"));
    EXPECT_EQ(dir.read("new"), "new");
}

TEST_F(RealFileSystemTest, RemoveFileLeavesFolders)
{
    dir.write("file", "x");
    std::filesystem::create_directory(dir / "folder");
    EXPECT_TRUE(fs.removeFile(dir / "file"));
    EXPECT_FALSE(dir.exists("file"));
    EXPECT_FALSE(fs.removeFile(dir / "folder"));
    EXPECT_FALSE(fs.removeFile(dir / "missing"));
    EXPECT_TRUE(dir.exists("folder"));
}

TEST_F(RealFileSystemTest, CopyFileNeverOverwrites)
{
    dir.write("source", allBytes());
    dir.write("taken", "mine");
    ASSERT_TRUE(fs.copyFile(dir / "source", dir / "copy"));
    EXPECT_EQ(dir.read("copy"), allBytes());
    EXPECT_FALSE(fs.copyFile(dir / "source", dir / "taken"));
    EXPECT_EQ(dir.read("taken"), "mine");
    EXPECT_FALSE(fs.copyFile(dir / "missing", dir / "other"));
    EXPECT_FALSE(dir.exists("other"));
}

TEST_F(RealFileSystemTest, SetModifiedNowTouchesTheFile)
{
    dir.write("file", "x");
    const auto past = std::filesystem::file_time_type::clock::now() - std::chrono::hours(48);
    std::filesystem::last_write_time(dir / "file", past);
    ASSERT_TRUE(fs.setModifiedNow(dir / "file"));
    EXPECT_GT(std::filesystem::last_write_time(dir / "file"), past + std::chrono::hours(47));
    EXPECT_FALSE(fs.setModifiedNow(dir / "missing"));
}

TEST_F(RealFileSystemTest, CreateDirectoriesMakesParentsAndAcceptsAnExistingFolder)
{
    EXPECT_TRUE(fs.createDirectories(dir / "a" / "b" / "c"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a" / "b" / "c"));
    EXPECT_TRUE(fs.createDirectories(dir / "a" / "b"));
    dir.write("file", "x");
    EXPECT_FALSE(fs.createDirectories(dir / "file"));
    EXPECT_FALSE(fs.createDirectories(dir / "file" / "below"));
}

} // namespace
} // namespace notavi
