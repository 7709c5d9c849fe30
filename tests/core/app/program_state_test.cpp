#include "core/app/program_state.h"
#include "core/engine/display_options.h"
#include "core/model/block_catalogue.h"
#include "core/model/data_files.h"
#include "core/model/default_file.h"
#include "support/faulty_file_system.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <chrono>

#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::FaultyFileSystem;
using test::TempDir;

// A portable program folder, so that the state keeps its files there.
struct Program
{
    Program() { folder.write(kPortableMarkerName, ""); }

    ProgramState start(FileSystem& files)
    {
        return ProgramState(StartupEnvironment{folder.path(), {}, files});
    }

    TempDir folder;
};

Lines fileWithOneTimeLines(std::initializer_list<const char*> appointments)
{
    Lines lines = defaultFile();
    const auto header =
        std::find(lines.begin(), lines.end(), BlockCatalogue::headerText(blockNumber(BlockKind::OneTime)));
    lines.insert(header + 1, appointments.begin(), appointments.end());
    return lines;
}

TEST(ProgramState, FirstLoadWritesTheDefaultFileAndLoadsIt)
{
    Program program;
    FaultyFileSystem files;
    ProgramState state = program.start(files);
    EXPECT_TRUE(state.baseFolder().portable);
    EXPECT_FALSE(state.fileLoaded());
    const FileLoadOutcome outcome = state.loadFile();
    EXPECT_TRUE(outcome.loaded);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_TRUE(state.fileLoaded());
    EXPECT_EQ(program.folder.read(kDataFileName), joinLines(defaultFile()));
}

TEST(ProgramState, AFolderInPlaceOfTheFileIsALoadFailure)
{
    Program program;
    std::filesystem::create_directory(program.folder / kDataFileName);
    FaultyFileSystem files;
    ProgramState state = program.start(files);
    const FileLoadOutcome outcome = state.loadFile();
    EXPECT_FALSE(outcome.loaded);
    EXPECT_FALSE(state.fileLoaded());
    EXPECT_TRUE(state.lines().empty());
}

TEST(ProgramState, TheDefaultFileThatCannotBeSavedIsReported)
{
    Program program;
    FaultyFileSystem files;
    files.inject(test::failing(test::FsOp::WriteNewFile, std::string(kDataFileName)));
    ProgramState state = program.start(files);
    const FileLoadOutcome outcome = state.loadFile();
    ASSERT_FALSE(outcome.messages.empty());
}

TEST(ProgramState, EvaluationWritesTheRepairBackOnceAndReportsAFailedWrite)
{
    Program program;
    Lines damaged = fileWithOneTimeLines({"08.12.2026 Zahnarzt"});
    damaged.erase(damaged.begin() + 2); // a line of the info area is missing
    program.folder.write(kDataFileName, joinLines(damaged));
    FaultyFileSystem files;
    ProgramState state = program.start(files);
    ASSERT_TRUE(state.loadFile().loaded);

    FixedClock clock(toDayNumber(2026, 12, 7), 600);
    CollectingLineErrorSink errors;
    files.inject(test::failing(test::FsOp::ReplaceFile, std::string(kDataFileName)));
    ViewOutcome first = state.evaluate(clock.today(), 0, DisplayOptions{}, clock, errors);
    EXPECT_TRUE(first.writeBackFailed);
    EXPECT_EQ(program.folder.read(kDataFileName), joinLines(damaged)); // a failed write keeps the file

    // The repair is not tried again with every evaluation; a reload brings it back.
    ViewOutcome second = state.evaluate(clock.today(), 0, DisplayOptions{}, clock, errors);
    EXPECT_FALSE(second.writeBackFailed);
    ASSERT_TRUE(state.loadFile().loaded);
    ViewOutcome third = state.evaluate(clock.today(), 0, DisplayOptions{}, clock, errors);
    EXPECT_FALSE(third.writeBackFailed);
    EXPECT_EQ(program.folder.read(kDataFileName), joinLines(state.lines()));
    EXPECT_EQ(third.range.start, clock.today());
    EXPECT_EQ(third.range.length, 7);
}

TEST(ProgramState, TodaysAlarmsAreCollectedWhateverTheViewShows)
{
    Program program;
    program.folder.write(kDataFileName, joinLines(fileWithOneTimeLines({"07.12.2026 ~07:30~ Zahnarzt"})));
    FaultyFileSystem files;
    ProgramState state = program.start(files);
    ASSERT_TRUE(state.loadFile().loaded);
    FixedClock clock(toDayNumber(2026, 12, 7), 6 * 60); // before the alarm
    SilentLineErrorSink errors;
    state.evaluate(toDayNumber(2025, 12, 7), 2, DisplayOptions{}, clock, errors);
    EXPECT_TRUE(state.alarms().empty());
    state.collectTodaysAlarms(DisplayOptions{}, clock, errors);
    ASSERT_EQ(state.alarms().size(), 1U);
}

TEST(ProgramState, SettingsAreReadAndWrittenInTheBaseFolder)
{
    Program program;
    program.folder.write(kSettingsFileName, "[Terminansicht]\r\nTerminansicht=3\r\n");
    FaultyFileSystem files;
    ProgramState state = program.start(files);
    EXPECT_EQ(state.settings().startView.tab, 0);
    state.loadSettings(SettingsSection::StartView);
    EXPECT_EQ(state.settings().startView.tab, 3);
    state.settings().startView.tab = 4;
    EXPECT_TRUE(state.saveSettings(SettingsSection::StartView));
    EXPECT_NE(program.folder.read(kSettingsFileName).find("Terminansicht=4"), std::string::npos);
}

TEST(ProgramState, StartRemovesOldLeftoversOfInterruptedWritesOnly)
{
    Program program;
    program.folder.write(".notavi.dat.tmpa1b2c3", "half a file");
    program.folder.write(".notavi.dat.tmpd4e5f6", "a write going on now");
    program.folder.write("notizen.txt", "not ours");
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(5);
    std::filesystem::last_write_time(program.folder / ".notavi.dat.tmpa1b2c3", old);
    FaultyFileSystem files;
    ProgramState state = program.start(files);
    EXPECT_FALSE(program.folder.exists(".notavi.dat.tmpa1b2c3"));
    EXPECT_TRUE(program.folder.exists(".notavi.dat.tmpd4e5f6"));
    EXPECT_TRUE(program.folder.exists("notizen.txt"));
}

TEST(ProgramState, TheSavedFlagIsSharedStateOfTheRun)
{
    Program program;
    FaultyFileSystem files;
    ProgramState state = program.start(files);
    EXPECT_FALSE(state.editorSaved());
    state.markEditorSaved();
    EXPECT_TRUE(state.editorSaved());
    state.clearEditorSaved();
    EXPECT_FALSE(state.editorSaved());
    EXPECT_EQ(state.lineErrorState(), LineErrorState::Show);
}

} // namespace
} // namespace notavi
