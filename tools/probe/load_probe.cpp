// Loads notavi.dat from a folder like the main window does, evaluates one view and converts every
// entry to UTF-8 into one buffer, timing each step in processor time; prints one line of key=value
// pairs with the peak memory of the process. For the scripts that check size and time of large and hostile
// files.
//
//   notavi-probe FOLDER [VIEW] [TT.MM.JJJJ]

#include "core/calendar/german_text.h"
#include "core/engine/view_evaluator.h"
#include "core/model/storage.h"
#include "core/model/windows1252.h"

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <sys/resource.h>

namespace {

// Processor time of this process: other programs sharing the machine do not stretch it much.
double processMilliseconds()
{
    timespec now = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

long peakKilobytes()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Pages the process has touched for the first time so far: each costs a trip into the kernel.
long pageFaults()
{
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

const char* statusName(notavi::MainLoadStatus status)
{
    switch (status) {
    case notavi::MainLoadStatus::Loaded:
        return "loaded";
    case notavi::MainLoadStatus::CreatedDefault:
        return "default";
    case notavi::MainLoadStatus::ReadFailed:
        return "refused";
    }
    return "?";
}

} // namespace

int main(int argc, char** argv)
{
    using namespace notavi;
    if (argc < 2) {
        std::cerr << "Aufruf: notavi-probe ORDNER [ANSICHT] [TT.MM.JJJJ]\n";
        return 2;
    }
    const int view = argc > 2 ? std::atoi(argv[2]) : 0;
    const DayNumber date = parseDateText(argc > 3 ? argv[3] : "01.01.2025").value_or(toDayNumber(2025, 1, 1));

    RealFileSystem fs;
    double start = processMilliseconds();
    MainLoadResult loaded = loadMainList(fs, argv[1]);
    const double loadMs = processMilliseconds() - start;
    std::printf("status=%s lines=%zu load_ms=%.1f load_peak_kb=%ld", statusName(loaded.status),
                loaded.file.lines.size(), loadMs, peakKilobytes());
    if (!loaded.loaded()) {
        std::printf(" message=\"%s\" peak_kb=%ld\n", toUtf8(loaded.error.substr(0, 57)).c_str(),
                    peakKilobytes());
        return 0;
    }

    DisplayOptions options;
    FixedClock clock(date, 12 * 60, -60);
    CollectingLineErrorSink errors;
    Alarms alarms;
    EvaluationContext context{options, clock, errors, alarms};
    start = processMilliseconds();
    const long faultsBefore = pageFaults();
    const EvaluationResult result = evaluateView(loaded.file.lines, context, date, view);
    const double evaluateMs = processMilliseconds() - start;
    const long evaluateFaults = pageFaults() - faultsBefore;

    start = processMilliseconds();
    std::string out;
    for (const ViewEntry& entry : result.entries) {
        appendAsUtf8(out, entry.phrase);
        appendAsUtf8(out, entry.rest);
        out += '\n';
    }
    const double outputMs = processMilliseconds() - start;
    std::size_t errorBytes = 0;
    for (const LineError& error : errors.errors)
        errorBytes += error.message.size();

    std::printf(" evaluate_ms=%.1f evaluate_page_faults=%ld output_ms=%.1f entries=%zu output_bytes=%zu "
                "errors=%zu error_bytes=%zu "
                "peak_kb=%ld\n",
                evaluateMs, evaluateFaults, outputMs, result.entries.size(), out.size(), errors.errors.size(),
                errorBytes, peakKilobytes());
    return 0;
}
