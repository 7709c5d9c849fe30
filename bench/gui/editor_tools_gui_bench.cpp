// The editor's tools in the window on a generated appointment file: the check list (F2), sorting,
// the automatic deletion of expired appointments in the hidden editor, and the interactive expired
// deletion and reactivation, each answered Yes at every question and timed between the questions.
// Runs on any Qt platform (offscreen or an X server).
//
//   editor_tools_gui_bench [lines] [runs] [expired]

#include "core/app/program_state.h"
#include "core/calendar/german_text.h"
#include "core/editor/editor_tabs.h"
#include "core/engine/clock.h"
#include "core/model/block_catalogue.h"
#include "core/model/data_files.h"
#include "gui/editor/editor_runner.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui_bench_support.h"
#include "sample/sample_file.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>

using namespace notavi;
using namespace notavi::gui;

namespace {

const DayNumber kToday = toDayNumber(2025, 6, 1);

// Answers Yes to every question and OK to every message, and notes when each box came and went: a
// step of a walk is the time from one answer to the next question.
class TimedBoxes final : public MessageBoxes
{
  public:
    MessageAnswer show(QWidget*, MessageKind kind, const QString&, MessageButtons) override
    {
        const auto now = bench::Stopwatch::now();
        if (m_answered)
            steps.push_back(std::chrono::duration<double, std::milli>(now - *m_answered).count());
        ++shown;
        m_answered = bench::Stopwatch::now();
        return kind == MessageKind::Confirmation ? MessageAnswer::Yes : MessageAnswer::Ok;
    }

    void reset()
    {
        steps.clear();
        shown = 0;
        m_answered.reset();
    }

    std::vector<double> steps;
    int shown = 0;

  private:
    std::optional<bench::Stopwatch::time_point> m_answered;
};

// The generated file of lines - extra lines with a block of `extra` lines made by `line` after it.
template <typename MakeLine> Lines fileWithBlock(int lines, int extra, BlockKind kind, MakeLine line)
{
    Lines file = bench::sampleFile(lines - extra);
    file.push_back(BlockCatalogue::headerText(blockNumber(kind)));
    for (int i = 0; i < extra; ++i)
        file.push_back(line(i));
    file.push_back("@ E N D E");
    return file;
}

// Wall clock and processor time of one step, taken together: the build machine is shared, so the
// processor time tells a slow step from a busy machine.
class Timings
{
  public:
    void start()
    {
        m_wall = bench::Stopwatch::now();
        m_cpu = std::clock();
    }

    void stop()
    {
        m_walls.push_back(bench::millisecondsSince(m_wall));
        m_cpus.push_back(1000.0 * static_cast<double>(std::clock() - m_cpu) / CLOCKS_PER_SEC);
    }

    // "wall ms (processor ms)", medians.
    std::string text() const
    {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.1f ms (%.1f)", bench::median(m_walls), bench::median(m_cpus));
        return buffer;
    }

  private:
    bench::Stopwatch::time_point m_wall;
    std::clock_t m_cpu = 0;
    std::vector<double> m_walls;
    std::vector<double> m_cpus;
};

double maximum(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

void paintNow(TC_FORM_Editor& editor)
{
    editor.repaint();
    QCoreApplication::processEvents();
}

class Bench
{
  public:
    Bench() : m_base(m_folder.path().toStdString()), m_clock(kToday, 12 * 60, -60)
    {
        std::ofstream(m_base + "/notavi.por");
    }

    void writeFile(const Lines& lines) const
    {
        std::ofstream(m_base + "/" + std::string(kDataFileName), std::ios::binary) << joinLines(lines);
    }

    Desktop desktop() { return m_desk.desktop(boxes, m_clock); }

    ProgramState state() { return ProgramState(StartupEnvironment{m_base, {}, m_desk.files}); }

    TimedBoxes boxes;

  private:
    QTemporaryDir m_folder;
    std::string m_base;
    FixedClock m_clock;
    bench::BenchDesktop m_desk{MessageAnswer::Yes};
};

// The editor shown on the screen with the file loaded and painted.
struct ShownEditor
{
    ShownEditor(Bench& bench) : state(bench.state()), editor(bench.desktop(), state)
    {
        editor.resize(900, 800);
        editor.FormShow();
        editor.show();
        paintNow(editor);
    }

    ProgramState state;
    TC_FORM_Editor editor;
};

struct WalkTimes
{
    std::vector<double> medians;
    std::vector<double> slowest;
    Timings wholes;
    int questions = 0;

    void add(const TimedBoxes& boxes)
    {
        medians.push_back(bench::median(boxes.steps));
        slowest.push_back(maximum(boxes.steps));
        questions = boxes.shown;
    }
};

template <typename Command> WalkTimes timeWalk(Bench& bench, const Lines& file, int runs, Command command)
{
    WalkTimes times;
    for (int run = 0; run < runs; ++run) {
        bench.writeFile(file);
        ShownEditor shown(bench);
        bench.boxes.reset();
        times.wholes.start();
        command(shown.editor);
        paintNow(shown.editor);
        times.wholes.stop();
        times.add(bench.boxes);
    }
    return times;
}

void printWalk(const char* what, const WalkTimes& times)
{
    std::printf("| %s: Schritt zwischen zwei Fragen (Median; langsamster) | %.2f ms; %.1f ms | < 20 ms |\n",
                what, bench::median(times.medians), bench::median(times.slowest));
    std::printf("| %s: ganzer Lauf, %d Fragen | %s | |\n", what, times.questions,
                times.wholes.text().c_str());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    const int extra = argc > 3 ? std::atoi(argv[3]) : 1000;
    Bench bench;

    Timings checks;
    bench.writeFile(bench::sampleFileWithFaults(lines));
    {
        ShownEditor shown(bench);
        for (int run = 0; run < runs; ++run) {
            checks.start();
            shown.editor.C_MItem_AufFehlerUeberpruefenClick();
            paintNow(shown.editor);
            checks.stop();
            shown.editor.C_TC_TerminblockChange(kFileStartTab);
        }
    }

    Timings sorts;
    bench.writeFile(bench::sampleFile(lines));
    {
        ShownEditor shown(bench);
        for (int run = 0; run < runs; ++run) {
            shown.editor.reloadFromDisk();
            sorts.start();
            shown.editor.C_MItem_SortierenClick();
            paintNow(shown.editor);
            sorts.stop();
        }
    }

    const Lines expiredFile = fileWithBlock(lines, extra, BlockKind::OneTime, [](int i) {
        return formatDate(kToday - 1 - i % 3000) + " Verstrichen " + std::to_string(i);
    });
    Timings automatic;
    Timings hiddenRuns;
    for (int run = 0; run < runs; ++run) {
        bench.writeFile(expiredFile);
        ProgramState state = bench.state();
        EditorRunner runner(bench.desktop(), state, nullptr);
        hiddenRuns.start();
        runner.runHidden([&automatic](TC_FORM_Editor& editor) {
            automatic.start();
            editor.C_MItem_VerstricheneClick(false);
            automatic.stop();
        });
        hiddenRuns.stop();
    }

    const WalkTimes expired = timeWalk(
        bench, expiredFile, runs, [](TC_FORM_Editor& editor) { editor.C_MItem_VerstricheneClick(true); });
    const Lines deactivatedFile = fileWithBlock(lines, extra, BlockKind::Birthdays, [](int i) {
        return "~" + formatDate(toDayNumber(1950, 1, 1) + i * 7) + " Ruhend " + std::to_string(i);
    });
    const WalkTimes reactivated = timeWalk(bench, deactivatedFile, runs,
                                           [](TC_FORM_Editor& editor) { editor.C_MItem_AktivierenClick(); });

    std::printf("Werkzeuge des Termineditors, %d Terminzeilen, Median aus %d L\u00e4ufen\n", lines, runs);
    std::printf("| Schritt | gemessen | Ziel |\n|---|---:|---:|\n");
    std::printf("| Pr\u00fcfliste (F2) gezeigt und gemalt | %s | < 300 ms |\n", checks.text().c_str());
    std::printf("| Sortieren, Text ersetzt und gemalt | %s | < 100 ms |\n", sorts.text().c_str());
    std::printf("| automatisches L\u00f6schen im verborgenen Editor, %d verstrichen | %s | < 100 ms |\n",
                extra, automatic.text().c_str());
    std::printf("| verborgener Editor mit automatischem L\u00f6schen und Speichern | %s | |\n",
                hiddenRuns.text().c_str());
    printWalk("Verstrichene l\u00f6schen, Ja", expired);
    printWalk("Deaktivierte aktivieren, Ja", reactivated);
    return 0;
}
