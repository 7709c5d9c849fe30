// The main window on a generated appointment file: the time from creating the window to its painted
// view in each tab, the switch to each tab (evaluation, filling the view, painting), the time until
// the last line of a long view is in its text (the lines after the first screen go in from the
// event loop), and the memory of the process with the year view shown. Runs on any Qt platform
// (offscreen or an X server).
//
//   view_bench [lines] [runs] [tab]   (only that tab, e.g. for a profiler)

#include "core/app/program_state.h"
#include "core/engine/clock.h"
#include "core/model/data_files.h"
#include "gui/app/entry_view.h"
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
#include <string>
#include <vector>

#include <QApplication>
#include <QTabBar>
#include <QTemporaryDir>

using namespace notavi;
using namespace notavi::gui;

namespace {

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

struct Fixture
{
    Fixture(int lines, int startTab)
    {
        std::ofstream(path("notavi.por"));
        std::ofstream(path(std::string(kDataFileName)), std::ios::binary)
            << joinLines(bench::sampleFile(lines));
        std::ofstream(path(std::string(kSettingsFileName)), std::ios::binary)
            << "[Terminansicht]\r\nTerminansicht=" << startTab << "\r\n";
    }

    std::filesystem::path path(const std::string& name) const
    {
        return folder.path().toStdString() + "/" + name;
    }

    QTemporaryDir folder;
};

EntryView& viewOf(TC_FORM_Haupt& window)
{
    return *window.findChild<EntryView*>(QStringLiteral("C_RE_TerminAnzeige"));
}

void paintNow(TC_FORM_Haupt& window)
{
    viewOf(window).viewport()->repaint();
    QCoreApplication::processEvents();
}

// Lets the event loop put in the rest of the lines.
void waitForWholeText(TC_FORM_Haupt& window)
{
    while (!viewOf(window).textComplete())
        QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const int onlyTab = argc > 3 ? std::atoi(argv[3]) : -1;
    bench::BenchDesktop desk(MessageAnswer::Cancel);

    std::printf("Hauptfenster mit %d Terminzeilen, Median aus %d Läufen\n", lines, runs);
    std::printf("| Tab | Start bis gemalte Ansicht | Wechsel auf den Tab | Wechsel bis ganzer Text |\n"
                "|---:|---:|---:|---:|\n");
    long yearKilobytes = 0;
    for (int tab = 0; tab < kViewModeCount; ++tab) {
        if (onlyTab >= 0 && tab != onlyTab)
            continue;
        std::vector<double> starts;
        std::vector<double> switches;
        std::vector<double> wholeTexts;
        for (int run = 0; run < runs; ++run) {
            Fixture fixture(lines, tab);
            const auto start = bench::Stopwatch::now();
            ProgramState state(StartupEnvironment{fixture.folder.path().toStdString(), {}, desk.files});
            TC_FORM_Haupt window(desk.desktop(), state);
            window.resize(1000, 700);
            window.show();
            paintNow(window);
            starts.push_back(bench::millisecondsSince(start));

            // From the neighbouring tab to this one.
            auto* tabs = window.findChild<QTabBar*>(QStringLiteral("C_TC_Terminart"));
            waitForWholeText(window);
            if (tab == 4)
                yearKilobytes = std::max(yearKilobytes, residentKilobytes());
            tabs->setCurrentIndex(tab == 0 ? 1 : tab - 1);
            paintNow(window);
            waitForWholeText(window);
            const auto switchStart = bench::Stopwatch::now();
            tabs->setCurrentIndex(tab);
            paintNow(window);
            switches.push_back(bench::millisecondsSince(switchStart));
            waitForWholeText(window);
            wholeTexts.push_back(bench::millisecondsSince(switchStart));
        }
        std::printf("| %d | %.0f ms | %.0f ms | %.0f ms |\n", tab, bench::median(starts),
                    bench::median(switches), bench::median(wholeTexts));
    }
    std::printf("Speicher des Prozesses mit der Jahresansicht: %ld MB\n", yearKilobytes / 1024);
    return 0;
}
