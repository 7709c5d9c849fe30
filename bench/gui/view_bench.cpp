// The main window on a generated appointment file: the time from creating the window to its painted
// view in each tab, the switch to each tab (evaluation, filling the view, painting), and the memory
// of the process with the year view shown. Runs on any Qt platform (offscreen or an X server).
//
//   view_bench [lines] [runs]

#include "core/app/program_state.h"
#include "core/engine/clock.h"
#include "core/model/data_files.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/platform/beeper.h"
#include "gui/platform/qt_message_boxes.h"
#include "gui/platform/shell.h"
#include "sample/sample_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>

using namespace notavi;
using namespace notavi::gui;

namespace {

using Stopwatch = std::chrono::steady_clock;

double millisecondsSince(Stopwatch::time_point start)
{
    return std::chrono::duration<double, std::milli>(Stopwatch::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

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

// Message boxes would wait for a user: the generated file has no faulty lines, so none is expected.
class NoBoxes final : public MessageBoxes
{
  public:
    MessageAnswer show(QWidget*, MessageKind, const QString& text, MessageButtons) override
    {
        std::fprintf(stderr, "unerwartete Meldung: %s\n", qPrintable(text));
        return MessageAnswer::Cancel;
    }
};

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

struct Desk
{
    NoBoxes boxes;
    DesktopShell shell;
    SystemBeeper beeper;
    SystemClock clock;
    QtCommonDialogs dialogs;
    QtTimers timers;
    SystemTray tray;
    RealFileSystem files;

    Desktop desktop() { return {boxes, shell, beeper, clock, dialogs, timers, tray}; }
};

void paintNow(TC_FORM_Haupt& window)
{
    auto* view = window.findChild<QPlainTextEdit*>(QStringLiteral("C_RE_TerminAnzeige"));
    view->viewport()->repaint();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    Desk desk;

    std::printf("Hauptfenster mit %d Terminzeilen, Median aus %d Läufen\n", lines, runs);
    std::printf("| Tab | Start bis gemalte Ansicht | Wechsel auf den Tab |\n|---:|---:|---:|\n");
    long yearKilobytes = 0;
    for (int tab = 0; tab < kViewModeCount; ++tab) {
        std::vector<double> starts;
        std::vector<double> switches;
        for (int run = 0; run < runs; ++run) {
            Fixture fixture(lines, tab);
            const auto start = Stopwatch::now();
            ProgramState state(StartupEnvironment{fixture.folder.path().toStdString(), {}, desk.files});
            TC_FORM_Haupt window(desk.desktop(), state);
            window.resize(1000, 700);
            window.show();
            paintNow(window);
            starts.push_back(millisecondsSince(start));
            if (tab == 4)
                yearKilobytes = std::max(yearKilobytes, residentKilobytes());

            // From the neighbouring tab to this one.
            auto* tabs = window.findChild<QTabBar*>(QStringLiteral("C_TC_Terminart"));
            tabs->setCurrentIndex(tab == 0 ? 1 : tab - 1);
            paintNow(window);
            const auto switchStart = Stopwatch::now();
            tabs->setCurrentIndex(tab);
            paintNow(window);
            switches.push_back(millisecondsSince(switchStart));
        }
        std::printf("| %d | %.0f ms | %.0f ms |\n", tab, median(starts), median(switches));
    }
    std::printf("Speicher des Prozesses mit der Jahresansicht: %ld MB\n", yearKilobytes / 1024);
    return 0;
}
