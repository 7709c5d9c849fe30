#include "core/model/leftover_files.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using namespace std::chrono_literals;
using test::TempDir;
using ::testing::ElementsAre;

TEST(LeftoverFiles, RemovesOnlyTheProgramsOwnTempFilesOlderThanAMinute)
{
    TempDir dir;
    const auto now = std::filesystem::file_time_type::clock::now();

    const struct
    {
        const char* name;
        std::chrono::seconds age;
    } kFiles[] = {
        {".notavi.dat.tmp3f9a0c", 3600s}, // an interrupted save
        {".notavi.bak.tmp000000", 61s},   // an interrupted backup
        {".notavi.ini.tmpabcdef", 120s},  // an interrupted settings write
        {".notavi.dat.tmp111111", 30s},   // another instance may be writing it right now
        {"notavi.dat", 3600s},
        {".notavi.dat.tmpnotours", 3600s},
        {".other.dat.tmp3f9a0c", 3600s},
        {".notavi.dat.tmp3f9a0c.keep", 3600s},
    };

    for (const auto& file : kFiles) {
        dir.write(file.name, "x");
        std::filesystem::last_write_time(dir / file.name, now - file.age);
    }
    // A folder and a link with such names are not files the program wrote.
    std::filesystem::create_directory(dir / ".notavi.dat.tmp222222");
    std::filesystem::create_symlink("notavi.dat", dir / ".notavi.dat.tmp333333");
    std::filesystem::last_write_time(dir / ".notavi.dat.tmp222222", now - 1h);

    EXPECT_EQ(removeLeftoverTempFiles(dir.path(), now), 3);
    EXPECT_THAT(dir.entries(), ElementsAre(".notavi.dat.tmp111111", ".notavi.dat.tmp222222",
                                           ".notavi.dat.tmp333333", ".notavi.dat.tmp3f9a0c.keep",
                                           ".notavi.dat.tmpnotours", ".other.dat.tmp3f9a0c", "notavi.dat"));
}

TEST(LeftoverFiles, AMissingFolderRemovesNothing)
{
    TempDir dir;
    EXPECT_EQ(removeLeftoverTempFiles(dir / "missing", std::filesystem::file_time_type::clock::now()), 0);
}

} // namespace
} // namespace notavi
