#include "core/editor/disk_change.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(DiskChange, TellsWhetherTheFileStillHoldsTheLoadedLines)
{
    test::TempDir dir;
    RealFileSystem disk;
    const Path file = dir / "notavi.dat";
    const Lines loaded = {"*", "01.01.2000 Anna"};

    EXPECT_FALSE(changedOnDisk(disk, file, std::nullopt)) << "no file then, none now";
    EXPECT_TRUE(changedOnDisk(disk, file, loaded)) << "removed since";

    dir.write("notavi.dat", "*\r\n01.01.2000 Anna\r\n");
    EXPECT_FALSE(changedOnDisk(disk, file, loaded));
    EXPECT_TRUE(changedOnDisk(disk, file, std::nullopt)) << "created since";

    dir.write("notavi.dat", "*\n01.01.2000 Anna");
    EXPECT_FALSE(changedOnDisk(disk, file, loaded)) << "only the line ends differ";

    dir.write("notavi.dat", "*\r\n01.01.2000 Anna \r\n");
    EXPECT_TRUE(changedOnDisk(disk, file, loaded)) << "one blank more";

    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
    EXPECT_TRUE(changedOnDisk(disk, file, loaded)) << "unreadable counts as changed";
}

} // namespace
} // namespace notavi
