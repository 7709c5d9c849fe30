// Paints the editor with its calendar panel into a PNG, on whatever Qt platform runs it (offscreen
// where no X server is available): the file and settings of docs/screenshots/ in a fresh folder.
//
//   editor_screenshot FOLDER_WITH_NOTAVI_DAT_AND_INI OUTPUT.png [TT.MM.JJJJ]

#include "core/app/program_state.h"
#include "core/calendar/german_text.h"
#include "core/engine/clock.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/beeper.h"
#include "gui/platform/german_formats.h"
#include "gui/platform/shell.h"

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QPixmap>
#include <QTextBlock>

using namespace notavi;
using namespace notavi::gui;

namespace {

class NoBoxes final : public MessageBoxes
{
  public:
    MessageAnswer show(QWidget*, MessageKind, const QString& text, MessageButtons) override
    {
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(text));
        return MessageAnswer::No;
    }
};

// Today as the picture should show it.
class PictureClock final : public Clock
{
  public:
    explicit PictureClock(DayNumber day) : m_day(day) {}

    DayNumber today() const override { return m_day; }

    int minuteOfDay() const override { return 12 * 60; }

    int utcBiasMinutes() const override { return -60; }

  private:
    DayNumber m_day;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    applyGermanFormats();
    if (argc < 3) {
        std::fprintf(stderr, "editor_screenshot ORDNER BILD.png [TT.MM.JJJJ]\n");
        return 2;
    }
    const std::optional<DayNumber> day = argc > 3 ? parseDateText(argv[3]) : std::nullopt;
    NoBoxes boxes;
    DesktopShell shell;
    SystemBeeper beeper;
    PictureClock today(day.value_or(SystemClock().today()));
    QtCommonDialogs dialogs;
    QtTimers timers;
    SystemTray tray;
    RealFileSystem files;
    ProgramState state(StartupEnvironment{argv[1], {}, files});
    TC_FORM_Editor editor(Desktop{boxes, shell, beeper, today, dialogs, timers, tray}, state);
    editor.FormShow();
    editor.show();
    editor.C_TC_TerminblockChange(1);
    QTextCursor caret(editor.text().document()->findBlockByNumber(editor.text().caretLine() + 1));
    editor.text().setTextCursor(caret);
    QCoreApplication::processEvents();
    return editor.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
