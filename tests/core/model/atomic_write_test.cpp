#include "core/model/atomic_write.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::Fault;
using test::FaultyFileSystem;
using test::FsOp;
using test::permissionsOf;
using test::TempDir;

bool anyTempFile(const TempDir& dir)
{
    for (const auto& name : dir.entries())
        if (isTempName(name))
            return true;
    return false;
}

TEST(AtomicWrite, ReplacesTheTargetAndLeavesNoTemporaryFile)
{
    TempDir dir;
    RealFileSystem fs;
    dir.write("notavi.dat", "old");
    ASSERT_TRUE(atomicWrite(fs, dir / "notavi.dat", "new content"));
    EXPECT_EQ(dir.read("notavi.dat"), "new content");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"notavi.dat"});
}

TEST(AtomicWrite, TemporaryFileLiesBesideTheTarget)
{
    TempDir dir;
    RealFileSystem fs;
    const auto pending = writeTempBeside(fs, dir / "notavi.dat", "x");
    ASSERT_TRUE(pending);
    EXPECT_EQ(pending->temp.parent_path(), dir.path());
    EXPECT_TRUE(pending->temp.filename().string().starts_with(".notavi.dat.tmp"));
    EXPECT_TRUE(isTempName(pending->temp.filename().string()));
    EXPECT_TRUE(isTempNameOf(pending->temp.filename().string(), "notavi.dat"));
    EXPECT_FALSE(isTempName("notavi.dat"));
    ASSERT_TRUE(commitTemp(fs, *pending));
    EXPECT_EQ(dir.read("notavi.dat"), "x");
}

struct FaultCase
{
    const char* name;
    Fault fault;
};

void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.name;
}

class AtomicWriteFault : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(AtomicWriteFault, TargetStaysWholeAndNoTemporaryFileRemains)
{
    TempDir dir;
    FaultyFileSystem fs;
    dir.write("notavi.dat", "old content");
    fs.inject(GetParam().fault);

    EXPECT_FALSE(atomicWrite(fs, dir / "notavi.dat", "new content, longer than the old one"));
    EXPECT_EQ(fs.fired(), 1);
    EXPECT_EQ(dir.read("notavi.dat"), "old content");
    EXPECT_FALSE(anyTempFile(dir));
}

INSTANTIATE_TEST_SUITE_P(Faults, AtomicWriteFault,
                         ::testing::Values(FaultCase{"FailAtStart", test::failing(FsOp::WriteNewFile)},
                                           FaultCase{"PartialWrite", test::partialWrite()},
                                           FaultCase{"RenameFails", test::failing(FsOp::ReplaceFile)}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(AtomicWrite, RefusesAFolderAsTarget)
{
    TempDir dir;
    RealFileSystem fs;
    std::filesystem::create_directory(dir / "notavi.dat");
    dir.write("notavi.dat/inside", "kept");
    EXPECT_FALSE(atomicWrite(fs, dir / "notavi.dat", "new"));
    EXPECT_EQ(dir.read("notavi.dat/inside"), "kept");
    EXPECT_FALSE(anyTempFile(dir));
}

TEST(AtomicWrite, FailsInAReadOnlyFolderAndKeepsTheTarget)
{
    if (test::runningAsRoot())
        GTEST_SKIP() << "root ignores file permissions";
    TempDir dir;
    RealFileSystem fs;
    dir.write("ro/notavi.dat", "old");
    ASSERT_EQ(::chmod((dir / "ro").c_str(), 0555), 0);
    EXPECT_FALSE(atomicWrite(fs, dir / "ro" / "notavi.dat", "new"));
    EXPECT_EQ(dir.read("ro/notavi.dat"), "old");
}

TEST(AtomicWrite, TempNamesOfOneTarget)
{
    const struct
    {
        const char* name;
        bool matches;
    } kCases[] = {
        {".notavi.dat.tmp3f9a0c", true},  {".notavi.dat.tmp3f9a0", false},  {".notavi.dat.tmp3f9a0c1", false},
        {".notavi.dat.tmp3F9A0C", false}, {".notavi.bak.tmp3f9a0c", false}, {"notavi.dat.tmp3f9a0c", false},
        {".notavi.dat.tmpxyzxyz", false},
    };

    for (const auto& row : kCases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(isTempNameOf(row.name, "notavi.dat"), row.matches);
    }
}

TEST(AtomicWrite, ReplacedFilesKeepTheirPermissions)
{
    TempDir dir;
    RealFileSystem fs;
    for (const mode_t mode : {0600, 0640, 0664}) {
        SCOPED_TRACE(mode);
        dir.write("notavi.ini", "old");
        ASSERT_EQ(::chmod((dir / "notavi.ini").c_str(), mode), 0);
        ASSERT_TRUE(atomicWrite(fs, dir / "notavi.ini", "new"));
        EXPECT_EQ(permissionsOf(dir / "notavi.ini"), mode);
    }
}

TEST(AtomicWrite, ANewFileGetsThePermissionsOfTheCreationMask)
{
    TempDir dir;
    RealFileSystem fs;
    const mode_t mask = ::umask(027);
    EXPECT_TRUE(atomicWrite(fs, dir / "notavi.dat", "new"));
    ::umask(mask);
    EXPECT_EQ(permissionsOf(dir / "notavi.dat"), 0640u);
}

TEST(AtomicWrite, WriteProtectedFileIsNotReplaced)
{
    // Also as root, who could write it: the missing write permission is the user's protection.
    TempDir dir;
    RealFileSystem fs;
    for (const mode_t mode : {0444, 0400, 0000}) {
        SCOPED_TRACE(mode);
        dir.write("notavi.dat", "old");
        ASSERT_EQ(::chmod((dir / "notavi.dat").c_str(), mode), 0);
        EXPECT_FALSE(atomicWrite(fs, dir / "notavi.dat", "new"));
        EXPECT_EQ(permissionsOf(dir / "notavi.dat"), mode);
        ::chmod((dir / "notavi.dat").c_str(), 0600);
        EXPECT_EQ(dir.read("notavi.dat"), "old");
        EXPECT_FALSE(anyTempFile(dir));
    }
}

TEST(AtomicWrite, WritesThroughALinkAndKeepsIt)
{
    TempDir dir;
    RealFileSystem fs;
    dir.write("synced/notavi.dat", "old");
    ASSERT_EQ(::chmod((dir / "synced/notavi.dat").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "base");
    // A relative link, through a second link: both are followed from the folder they lie in.
    std::filesystem::create_symlink("../synced/notavi.dat", dir / "base" / "real.dat");
    std::filesystem::create_symlink("real.dat", dir / "base" / "notavi.dat");

    ASSERT_TRUE(atomicWrite(fs, dir / "base" / "notavi.dat", "new"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "base" / "notavi.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "base" / "real.dat"));
    EXPECT_EQ(dir.read("synced/notavi.dat"), "new");
    EXPECT_EQ(permissionsOf(dir / "synced/notavi.dat"), 0600u);
    // The temporary file went beside the real file, where the rename can reach it.
    EXPECT_EQ(TempDir::entriesOf(dir / "base"), (std::vector<std::string>{"notavi.dat", "real.dat"}));
    EXPECT_EQ(TempDir::entriesOf(dir / "synced"), std::vector<std::string>{"notavi.dat"});
}

TEST(AtomicWrite, RefusesADanglingLinkALoopAndAPipe)
{
    TempDir dir;
    RealFileSystem fs;
    std::filesystem::create_directory(dir / "base");
    std::filesystem::create_symlink(dir / "unmounted" / "notavi.dat", dir / "base" / "notavi.dat");
    std::filesystem::create_symlink("loop.b", dir / "base" / "loop.a");
    std::filesystem::create_symlink("loop.a", dir / "base" / "loop.b");
    ASSERT_EQ(::mkfifo((dir / "base" / "pipe").c_str(), 0600), 0);

    for (const char* name : {"notavi.dat", "loop.a", "pipe"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(atomicWrite(fs, dir / "base" / name, "new"));
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "unmounted"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "base" / "notavi.dat"));
    EXPECT_TRUE(std::filesystem::is_fifo(dir / "base" / "pipe"));
    EXPECT_EQ(TempDir::entriesOf(dir / "base"),
              (std::vector<std::string>{"loop.a", "loop.b", "notavi.dat", "pipe"}));
}

} // namespace
} // namespace notavi
