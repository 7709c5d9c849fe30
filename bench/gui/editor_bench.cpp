// The editor on a generated appointment file: opening it (load, cleanup, text shown and painted), a
// jump to each block tab, the status and protection update after a key, and saving with notavi.bak.
// Runs on any Qt platform (offscreen or an X server).
//
//   editor_bench [lines] [runs]

#include "core/app/program_state.h"
#include "core/editor/editor_tabs.h"
#include "core/engine/clock.h"
#include "core/model/data_files.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/beeper.h"
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
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTextBlock>

using namespace notavi;
using namespace notavi::gui;

namespace {

void paintNow(TC_FORM_Editor& editor)
{
    editor.text().viewport()->repaint();
    QCoreApplication::processEvents();
}

void typeKey(QWidget& target, Qt::Key key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(&target, &press);
    QApplication::sendEvent(&target, &release);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    bench::BenchDesktop desk(MessageAnswer::Yes);
    QTemporaryDir folder;
    const std::string base = folder.path().toStdString();
    std::ofstream(base + "/notavi.por");
    const Lines sample = bench::sampleFile(lines);

    std::vector<double> opens;
    std::vector<double> jumps;
    std::vector<double> keys;
    std::vector<double> saves;
    for (int run = 0; run < runs; ++run) {
        std::ofstream(base + "/" + std::string(kDataFileName), std::ios::binary) << joinLines(sample);
        ProgramState state(StartupEnvironment{base, {}, desk.files});
        const auto openStart = bench::Stopwatch::now();
        TC_FORM_Editor editor(desk.desktop(), state);
        editor.resize(900, 800);
        editor.FormShow();
        editor.show();
        paintNow(editor);
        opens.push_back(bench::millisecondsSince(openStart));

        for (int tab = 1; tab < kCheckListTab; ++tab) {
            const auto jumpStart = bench::Stopwatch::now();
            editor.C_TC_TerminblockChange(tab);
            paintNow(editor);
            jumps.push_back(bench::millisecondsSince(jumpStart));
        }

        // Typing in the middle of the text: each key with its status and protection update.
        QTextCursor middle(editor.text().document()->findBlockByNumber(lines / 2));
        middle.movePosition(QTextCursor::EndOfBlock);
        editor.text().setTextCursor(middle);
        for (int key = 0; key < 50; ++key) {
            const auto keyStart = bench::Stopwatch::now();
            typeKey(editor.text(), Qt::Key_X, QStringLiteral("x"));
            keys.push_back(bench::millisecondsSince(keyStart));
        }

        const auto saveStart = bench::Stopwatch::now();
        editor.C_MItem_speichernClick();
        saves.push_back(bench::millisecondsSince(saveStart));
        editor.close();
    }
    std::printf("Termineditor mit %d Terminzeilen, Median aus %d Läufen\n", lines, runs);
    std::printf("| Schritt | gemessen | Ziel |\n|---|---:|---:|\n");
    std::printf("| Öffnen (laden, bereinigen, Text gezeigt und gemalt) | %.1f ms | < 300 ms |\n",
                bench::median(opens));
    std::printf("| Sprung zu einem Terminblock (Tab) | %.2f ms | < 50 ms |\n", bench::median(jumps));
    std::printf("| Taste mit Status und Schutz | %.3f ms | < 5 ms |\n", bench::median(keys));
    std::printf("| Speichern mit notavi.bak | %.1f ms | < 100 ms |\n", bench::median(saves));
    return 0;
}
