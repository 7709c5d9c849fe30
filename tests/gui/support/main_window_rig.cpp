#include "support/main_window_rig.h"

#include "core/calendar/german_text.h"
#include "core/model/default_file.h"
#include "core/model/windows1252.h"
#include "gui/platform/text_conversion.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace notavi::gui::test {
namespace {

const EntryView& viewOf(const TC_FORM_Haupt& window)
{
    return *window.findChild<EntryView*>(QStringLiteral("C_RE_TerminAnzeige"));
}

} // namespace

DayNumber day(const char* ddmmyyyy)
{
    return *parseDateText(ddmmyyyy);
}

QStringList fileWith(const std::vector<std::pair<BlockKind, QStringList>>& blocks)
{
    QStringList lines;
    for (const std::string& line : defaultFile()) {
        lines << fromCp1252(line);
        const std::optional<int> header = BlockCatalogue::headerBlock(line);
        for (const auto& [block, appointments] : blocks)
            if (header == blockNumber(block))
                lines << appointments;
    }
    return lines;
}

QList<TC_FORM_Alarm*> alarmWindows()
{
    QList<TC_FORM_Alarm*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<TC_FORM_Alarm*>(widget); window && window->isVisible())
            windows << window;
    return windows;
}

MainWindowRig::MainWindowRig(const char* today) : fake(day(today)) {}

TC_FORM_Haupt& MainWindowRig::start()
{
    m_window.reset();
    const StartupEnvironment environment{folder(), {}, files};
    m_state = std::make_unique<ProgramState>(environment);
    m_window = std::make_unique<TC_FORM_Haupt>(fake.desktop(), *m_state);
    return *m_window;
}

QStringList viewLines(const TC_FORM_Haupt& window)
{
    QStringList lines;
    for (QTextBlock block = viewOf(window).document()->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

QList<QColor> viewLineColours(const TC_FORM_Haupt& window)
{
    QList<QColor> colours;
    const EntryView& view = viewOf(window);
    for (int line = 0; line < view.document()->blockCount(); ++line)
        colours << view.lineColour(line);
    return colours;
}

} // namespace notavi::gui::test
