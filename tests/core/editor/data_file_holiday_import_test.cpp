#include "core/editor/data_file_holiday_import.h"
#include "core/model/block_catalogue.h"
#include "core/model/default_file.h"
#include "core/model/storage.h"
#include "support/engine_harness.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::FaultyFileSystem;
using test::FsOp;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

const Lines kBerlin = {"26.10.2026-07.11.2026 Herbstferien", "23.12.2026-02.01.2027 Weihnachtsferien"};

class DataFileImportTest : public ::testing::Test
{
  protected:
    DataFileImport import(Lines list)
    {
        return importHolidaysIntoDataFile(fs, dir.path(), std::move(list), kBerlin,
                                          [this](const std::string&) {
                                              ++questions;
                                              return true;
                                          });
    }

    // The file as the main window would have it: written and loaded.
    Lines storedList(const Lines& lines)
    {
        dir.write("notavi.dat", joinLines(lines));
        return loadMainList(fs, dir.path()).file.lines;
    }

    test::TempDir dir;
    FaultyFileSystem fs;
    int questions = 0;
};

Lines withoutHolidayBlock()
{
    Lines lines = defaultFile();
    lines.resize(lines.size() - 15); // the "FER" and "EIN" blocks, the last two
    return lines;
}

TEST_F(DataFileImportTest, NewHolidaysAreWrittenAtOnceWithoutBackup)
{
    const Lines list = storedList(defaultFile());
    const DataFileImport result = import(list);
    EXPECT_EQ(result.status, DataFileImportStatus::Saved);
    EXPECT_EQ(dir.read("notavi.dat"), joinLines(result.import.lines));
    EXPECT_EQ(result.import.lines.size(), list.size() + 2);
    EXPECT_FALSE(dir.exists("notavi.bak"));
}

TEST_F(DataFileImportTest, NothingNewLeavesTheFileAlone)
{
    const Lines list = storedList(defaultFile());
    import(list);
    const std::string once = dir.read("notavi.dat");
    const DataFileImport again = import(loadMainList(fs, dir.path()).file.lines);
    EXPECT_EQ(again.status, DataFileImportStatus::NothingImported);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(dir.read("notavi.dat"), once);
    EXPECT_EQ(fs.calls(FsOp::WriteNewFile), 1);
}

TEST_F(DataFileImportTest, MissingBlockIsSavedWithBackupFirst)
{
    const Lines list = storedList(withoutHolidayBlock());
    const std::string before = dir.read("notavi.dat");
    const DataFileImport result = import(list);
    EXPECT_EQ(result.status, DataFileImportStatus::Saved);
    EXPECT_TRUE(result.import.blockAppended);
    EXPECT_EQ(dir.read("notavi.bak"), before);
    EXPECT_EQ(dir.read("notavi.dat"), joinLines(result.import.lines));
    EXPECT_THAT(Lines(result.import.lines.end() - 4, result.import.lines.end()),
                ElementsAre(BlockCatalogue::headerText(blockNumber(BlockKind::SchoolHolidays)), kBerlin[0],
                            kBerlin[1], "@ E N D E"));
}

TEST_F(DataFileImportTest, BlockThatCannotBeSavedEndsTheImportBeforeAnyQuestion)
{
    const Lines list = storedList(withoutHolidayBlock());
    const std::string before = dir.read("notavi.dat");
    fs.inject(test::partialWrite("notavi.dat"));
    const DataFileImport result = import(list);
    EXPECT_EQ(result.status, DataFileImportStatus::BlockNotCreated);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(dir.read("notavi.dat"), before);
    EXPECT_FALSE(dir.holdsTempFile());
}

TEST_F(DataFileImportTest, FailedWriteIsReportedAndKeepsTheFile)
{
    const Lines list = storedList(defaultFile());
    const std::string before = dir.read("notavi.dat");
    fs.inject(test::failing(FsOp::ReplaceFile, "notavi.dat"));
    EXPECT_EQ(import(list).status, DataFileImportStatus::SaveFailed);
    EXPECT_EQ(dir.read("notavi.dat"), before);
    EXPECT_FALSE(dir.holdsTempFile());
}

TEST_F(DataFileImportTest, MissingFileGetsTheHolidaysInTheDefaultFilesBlock)
{
    const MainLoadResult loaded = loadMainList(fs, dir.path());
    ASSERT_EQ(loaded.status, MainLoadStatus::CreatedDefault);
    EXPECT_EQ(import(loaded.file.lines).status, DataFileImportStatus::Saved);
    Lines stored = loadMainList(fs, dir.path()).file.lines;
    EXPECT_EQ(stored.size(), defaultFile().size() + 2);
    const auto view = test::EngineHarness::userBlocksOnly()
                          .runLines(std::move(stored), test::date("20.10.2026"), 1)
                          .entryTexts();
    EXPECT_THAT(view, Contains(HasSubstr("beginnen die Herbstferien.")));
}

TEST_F(DataFileImportTest, UnreadableFileBehindAnEmptyListIsNeverReplaced)
{
    // Loading failed, so the window's list is empty although notavi.dat holds appointments.
    dir.write("notavi.dat", joinLines(withoutHolidayBlock()));
    const std::string before = dir.read("notavi.dat");
    fs.inject(test::failing(FsOp::ReadAll, "notavi.dat"));
    EXPECT_EQ(import({}).status, DataFileImportStatus::FileUnreadable);
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(dir.read("notavi.dat"), before);
    EXPECT_EQ(fs.calls(FsOp::WriteNewFile), 0);
}

} // namespace
} // namespace notavi
