#pragma once

// What the window benchmarks share: a stopwatch with medians, and the real desktop but for message
// boxes, which would wait for a user and are reported instead.

#include "core/engine/clock.h"
#include "core/model/file_system.h"
#include "gui/platform/beeper.h"
#include "gui/platform/desktop.h"
#include "gui/platform/shell.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace notavi::bench {

using Stopwatch = std::chrono::steady_clock;

inline double millisecondsSince(Stopwatch::time_point start)
{
    return std::chrono::duration<double, std::milli>(Stopwatch::now() - start).count();
}

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The benchmarks' files hold no faulty lines, so no box is expected; one that comes is printed.
class ReportingBoxes final : public gui::MessageBoxes
{
  public:
    explicit ReportingBoxes(gui::MessageAnswer answer) : m_answer(answer) {}

    gui::MessageAnswer show(QWidget*, gui::MessageKind, const QString& text, gui::MessageButtons) override
    {
        std::fprintf(stderr, "unerwartete Meldung: %s\n", qPrintable(text));
        return m_answer;
    }

  private:
    gui::MessageAnswer m_answer;
};

// A benchmark plays no dialog: one that opens is named and cancelled rather than waited for.
inline int rejectUnexpectedDialog(QDialog& dialog)
{
    std::fprintf(stderr, "unerwarteter Dialog: %s\n", qPrintable(dialog.objectName()));
    return QDialog::Rejected;
}

struct BenchDesktop
{
    explicit BenchDesktop(gui::MessageAnswer answer) : boxes(answer) {}

    ReportingBoxes boxes;
    gui::DesktopShell shell;
    gui::SystemBeeper beeper;
    SystemClock clock;
    gui::QtCommonDialogs dialogs;
    gui::QtTimers timers;
    gui::SystemTray tray;
    gui::SystemClipboard clipboard;
    RealFileSystem files;
    const gui::ModalRun modalRun = rejectUnexpectedDialog;

    gui::Desktop desktop() { return desktop(boxes, clock); }

    // The same desktop with boxes and a clock of the benchmark's own.
    gui::Desktop desktop(gui::MessageBoxes& ownBoxes, const Clock& ownClock)
    {
        return {ownBoxes, shell, beeper, ownClock, dialogs, timers, tray, clipboard, modalRun};
    }
};

} // namespace notavi::bench
