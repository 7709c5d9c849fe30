#include "core/model/base_folder.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::FaultyFileSystem;
using test::FsOp;
using test::TempDir;

class BaseFolderTest : public ::testing::Test
{
  protected:
    Path program() const { return dir / "program"; }

    Path xdg() const { return dir / "data"; }

    Path xdgFolder() const { return xdg() / "Notavi"; }

    UserFolderEnvironment xdgEnvironment() const { return {xdg().string(), (dir / "home").string()}; }

    void ship(std::string_view name, std::string_view bytes) const
    {
        dir.write("program/" + std::string(name), bytes);
    }

    TempDir dir;
    FaultyFileSystem fs;
};

TEST_F(BaseFolderTest, MarkerBesideTheProgramMeansPortable)
{
    ship("notavi.por", "");
    ship("notavi.dat", "shipped");
    const auto base = determineBaseFolder(fs, program(), xdgEnvironment());
    EXPECT_TRUE(base.portable);
    EXPECT_EQ(base.path, program());
    EXPECT_FALSE(dir.exists("data"));
    EXPECT_FALSE(dir.exists("home"));
}

TEST_F(BaseFolderTest, NoUserFolderMeansPortable)
{
    for (const UserFolderEnvironment& environment : {UserFolderEnvironment{}, UserFolderEnvironment{"", ""},
                                                     UserFolderEnvironment{"relative/data", {}}}) {
        const auto base = determineBaseFolder(fs, program(), environment);
        EXPECT_TRUE(base.portable);
        EXPECT_EQ(base.path, program());
    }
}

TEST_F(BaseFolderTest, UserFolderFollowsXdgThenHome)
{
    EXPECT_EQ(userFolder({"/x/data", "/home/anna"}), Path("/x/data/Notavi"));
    EXPECT_EQ(userFolder({{}, "/home/anna"}), Path("/home/anna/.local/share/Notavi"));
    EXPECT_EQ(userFolder({"", "/home/anna"}), Path("/home/anna/.local/share/Notavi"));
    EXPECT_EQ(userFolder({"data", "/home/anna"}), Path("/home/anna/.local/share/Notavi"));
    EXPECT_EQ(userFolder({{}, {}}), std::nullopt);
}

TEST_F(BaseFolderTest, UserFolderIsCreatedWithItsParents)
{
    const auto base = determineBaseFolder(fs, program(), {{}, (dir / "home").string()});
    EXPECT_FALSE(base.portable);
    EXPECT_EQ(base.path, dir / "home" / ".local" / "share" / "Notavi");
    EXPECT_TRUE(std::filesystem::is_directory(base.path));
}

TEST_F(BaseFolderTest, ShippedFilesAreCopiedOnce)
{
    ship("notavi.ini", "settings");
    ship("notavi.dat", "appointments");
    ship("notavi.bak", "backup");
    const auto base = determineBaseFolder(fs, program(), xdgEnvironment());
    ASSERT_FALSE(base.portable);
    ASSERT_EQ(base.path, xdgFolder());
    EXPECT_EQ(dir.read("data/Notavi/notavi.ini"), "settings");
    EXPECT_EQ(dir.read("data/Notavi/notavi.dat"), "appointments");
    EXPECT_EQ(dir.read("data/Notavi/notavi.bak"), "backup");
}

TEST_F(BaseFolderTest, ExistingFilesAreNeverOverwrittenAndMissingOnesAreCopiedAgain)
{
    ship("notavi.ini", "shipped settings");
    ship("notavi.dat", "shipped appointments");
    dir.write("data/Notavi/notavi.dat", "the user's appointments");
    determineBaseFolder(fs, program(), xdgEnvironment());
    EXPECT_EQ(dir.read("data/Notavi/notavi.dat"), "the user's appointments");
    EXPECT_EQ(dir.read("data/Notavi/notavi.ini"), "shipped settings");
    EXPECT_FALSE(dir.exists("data/Notavi/notavi.bak"));

    std::filesystem::remove(xdgFolder() / "notavi.ini");
    determineBaseFolder(fs, program(), xdgEnvironment());
    EXPECT_EQ(dir.read("data/Notavi/notavi.ini"), "shipped settings");
}

TEST_F(BaseFolderTest, FolderThatCannotBeCreatedMeansPortable)
{
    dir.write("data", "a file where the folder should be");
    const auto base = determineBaseFolder(fs, program(), xdgEnvironment());
    EXPECT_TRUE(base.portable);
    EXPECT_EQ(base.path, program());

    FaultyFileSystem failing;
    failing.inject(test::failing(FsOp::CreateDirectories));
    EXPECT_TRUE(determineBaseFolder(failing, program(), {{}, (dir / "home").string()}).portable);
}

TEST_F(BaseFolderTest, FailedCopyIsIgnored)
{
    ship("notavi.ini", "settings");
    ship("notavi.dat", "appointments");
    fs.inject(test::failing(FsOp::CopyFile, "notavi.ini"));
    const auto base = determineBaseFolder(fs, program(), xdgEnvironment());
    EXPECT_FALSE(base.portable);
    EXPECT_FALSE(dir.exists("data/Notavi/notavi.ini"));
    EXPECT_EQ(dir.read("data/Notavi/notavi.dat"), "appointments");
}

TEST(ProcessFolders, ProgramFolderHoldsTheRunningProgram)
{
    const Path folder = programFolderOfProcess();
    EXPECT_TRUE(std::filesystem::exists(folder / "core_model_tests"));
}

} // namespace
} // namespace notavi
