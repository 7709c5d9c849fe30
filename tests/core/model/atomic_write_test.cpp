#include "core/model/atomic_write.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::Fault;
using test::FaultyFileSystem;
using test::FsOp;
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
    const auto temp = writeTempBeside(fs, dir / "notavi.dat", "x");
    ASSERT_TRUE(temp);
    EXPECT_EQ(temp->parent_path(), dir.path());
    EXPECT_TRUE(temp->filename().string().starts_with(".notavi.dat.tmp"));
    EXPECT_TRUE(isTempName(temp->filename().string()));
    EXPECT_FALSE(isTempName("notavi.dat"));
    ASSERT_TRUE(commitTemp(fs, *temp, dir / "notavi.dat"));
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

} // namespace
} // namespace notavi
