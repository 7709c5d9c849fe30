// Every writer of the base folder against a write that fails at its start, half-way through and at the
// rename: the file it writes keeps its old content, the other two files are not touched, no temporary
// file is left over, the failure is reported, and the next attempt succeeds.

#include "core/app/settings_file.h"
#include "core/model/atomic_write.h"
#include "core/model/storage.h"
#include "core/model/storage_messages.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

#include <tuple>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::FsOp;
using ::testing::ElementsAre;

enum class Writer
{
    WriteBack,      // the main window's corrections
    SaveWithBackup, // the editor's save
    SettingsSave,   // one section of notavi.ini
};

enum class FaultPoint
{
    Start,  // nothing of the new content is written
    Middle, // half of it is written, then the write fails
    Rename, // the whole temporary file is there, replacing the target fails
};

const char* const kOldSettings = "; von Hand\r\n[Haupt]\r\nTop=1\r\n";

struct Outcome
{
    bool written = false;
    std::vector<std::string_view> messages; // what the window shows afterwards
};

class FileWriteFault : public ::testing::TestWithParam<std::tuple<Writer, FaultPoint>>
{
  protected:
    void SetUp() override
    {
        dir.write("notavi.dat", "old\r\n");
        dir.write("notavi.bak", "previous\r\n");
        dir.write("notavi.ini", kOldSettings);
    }

    Writer writer() const { return std::get<0>(GetParam()); }

    FaultPoint point() const { return std::get<1>(GetParam()); }

    void inject()
    {
        const std::string file = writer() == Writer::SettingsSave ? "notavi.ini" : "notavi.dat";
        switch (point()) {
        case FaultPoint::Start:
            return fs.inject(test::failing(FsOp::WriteNewFile, file));
        case FaultPoint::Middle:
            return fs.inject(test::partialWrite(file));
        case FaultPoint::Rename:
            return fs.inject(test::failing(FsOp::ReplaceFile, file));
        }
    }

    Outcome write()
    {
        switch (writer()) {
        case Writer::WriteBack: {
            const bool written = writeBack(fs, dir.path(), {"new"});
            return {written, {}};
        }
        case Writer::SaveWithBackup: {
            const SaveResult result = saveWithBackup(fs, dir.path(), {"new"});
            return {result.written, saveMessages(result)};
        }
        case Writer::SettingsSave: {
            Settings settings;
            settings.main.geometry.top = 2;
            return {SettingsFile(dir / "notavi.ini", fs).save(SettingsSection::Main, settings), {}};
        }
        }
        return {};
    }

    test::TempDir dir;
    test::FaultyFileSystem fs;
};

TEST_P(FileWriteFault, LeavesEveryFileWholeAndTheNextSaveWorks)
{
    inject();
    const Outcome outcome = write();
    EXPECT_FALSE(outcome.written);
    if (writer() == Writer::SaveWithBackup) {
        EXPECT_THAT(outcome.messages, ElementsAre(kSaveFailedMessage));
    }

    EXPECT_EQ(dir.read("notavi.dat"), "old\r\n");
    EXPECT_EQ(dir.read("notavi.ini"), kOldSettings);
    // The editor's save copies notavi.dat to notavi.bak just before the final rename; when only that
    // rename fails, the backup is the file that stays, which is a previous version as well.
    const bool backupMade = writer() == Writer::SaveWithBackup && point() == FaultPoint::Rename;
    EXPECT_EQ(dir.read("notavi.bak"), backupMade ? "old\r\n" : "previous\r\n");
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.bak", "notavi.dat", "notavi.ini"));

    fs.clearFaults();
    EXPECT_TRUE(write().written);
    if (writer() == Writer::SettingsSave) {
        EXPECT_EQ(SettingsFile(dir / "notavi.ini").loadAll().main.geometry.top, 2);
    } else {
        EXPECT_EQ(dir.read("notavi.dat"), "new\r\n");
    }
    EXPECT_THAT(dir.entries(), ElementsAre("notavi.bak", "notavi.dat", "notavi.ini"));
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<Writer, FaultPoint>>& info)
{
    static const char* const kWriters[] = {"WriteBack", "SaveWithBackup", "SettingsSave"};
    static const char* const kPoints[] = {"AtStart", "InTheMiddle", "AtRename"};
    return std::string(kWriters[static_cast<int>(std::get<0>(info.param))]) +
           kPoints[static_cast<int>(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    AllWriters, FileWriteFault,
    ::testing::Combine(::testing::Values(Writer::WriteBack, Writer::SaveWithBackup, Writer::SettingsSave),
                       ::testing::Values(FaultPoint::Start, FaultPoint::Middle, FaultPoint::Rename)),
    caseName);

} // namespace
} // namespace notavi
