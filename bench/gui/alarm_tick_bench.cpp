// The main window's once-a-second tick on a generated appointment file while no alarm is due: what a
// second costs the program for the whole run. The tick is called directly, as the timer would.
//
//   alarm_tick_bench [lines] [ticks]

#include "core/app/program_state.h"
#include "core/calendar/german_text.h"
#include "core/engine/clock.h"
#include "core/model/block_catalogue.h"
#include "core/model/data_files.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/platform/beeper.h"
#include "gui/platform/qt_message_boxes.h"
#include "gui/platform/shell.h"
#include "gui_bench_support.h"
#include "sample/sample_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>

using namespace notavi;
using namespace notavi::gui;

namespace {

using Stopwatch = std::chrono::steady_clock;

// Timers that never run on their own: the benchmark calls their ticks.
class HeldTimers final : public Timers
{
  public:
    std::unique_ptr<RepeatingTimer> repeating(int, std::function<void()> tick) override
    {
        ticks.push_back(std::move(tick));

        class Held final : public RepeatingTimer
        {
          public:
            void start() override { m_active = true; }

            void stop() override { m_active = false; }

            bool isActive() const override { return m_active; }

          private:
            bool m_active = false;
        };

        return std::make_unique<Held>();
    }

    std::vector<std::function<void()>> ticks; // the countdown's, then the alarm tick's
};

// The generated file with alarms for today at every ten minutes from 07:00, after the header of the
// one-time appointments, so that the tick has a list of today's alarms to look through.
Lines fileWithTodaysAlarms(int lines, DayNumber today)
{
    Lines file = bench::sampleFile(lines);
    for (std::size_t index = 0; index < file.size(); ++index) {
        if (BlockCatalogue::headerBlock(file[index]) != blockNumber(BlockKind::OneTime))
            continue;
        Lines alarms;
        for (int minute = 7 * 60; minute < 24 * 60; minute += 10)
            alarms.push_back(formatDate(today) + " ~" + formatTime(minute) + "~ Termin");
        file.insert(file.begin() + static_cast<std::ptrdiff_t>(index) + 1, alarms.begin(), alarms.end());
        break;
    }
    return file;
}

double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int ticks = argc > 2 ? std::atoi(argv[2]) : 10000;

    QTemporaryDir folder;
    const std::string base = folder.path().toStdString() + "/";
    std::ofstream(base + "notavi.por");
    // The clock stands at 06:00 today: every alarm of the list lies ahead.
    const FixedClock clock(SystemClock().today(), 6 * 60);
    std::ofstream(base + std::string(kDataFileName), std::ios::binary)
        << joinLines(fileWithTodaysAlarms(lines, clock.today()));
    // The alarm clock is set for another minute, so that each tick also keeps its caption.
    std::ofstream(base + std::string(kSettingsFileName), std::ios::binary)
        << "[Wecker]\r\nWeckerzustand=1\r\nWeckzeit=1439\r\n";

    bench::ReportingBoxes boxes(MessageAnswer::Cancel);
    DesktopShell shell;
    SystemBeeper beeper;
    QtCommonDialogs dialogs;
    HeldTimers timers;
    SystemTray tray;
    SystemClipboard clipboard;
    RealFileSystem files;
    const ModalRun modalRun = bench::rejectUnexpectedDialog;
    ProgramState state(StartupEnvironment{base, {}, files});
    TC_FORM_Haupt window({boxes, shell, beeper, clock, dialogs, timers, tray, clipboard, modalRun}, state);
    window.show();
    QCoreApplication::processEvents();
    const std::function<void()>& alarmTick = timers.ticks.back();

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(ticks));
    for (int tick = 0; tick < ticks; ++tick) {
        const auto start = Stopwatch::now();
        alarmTick();
        micros.push_back(std::chrono::duration<double, std::micro>(Stopwatch::now() - start).count());
    }
    std::printf("Sekundentakt mit %d Terminzeilen (%zu Alarme heute), %d Takte ohne f\xC3\xA4lligen Alarm:\n",
                lines, state.alarms().size(), ticks);
    std::printf("Median %.2f \xC2\xB5s, 99. Perzentil %.2f \xC2\xB5s, h\xC3\xB6"
                "chstens %.2f \xC2\xB5s\n",
                percentile(micros, 0.5), percentile(micros, 0.99), percentile(micros, 1.0));
    return 0;
}
