#include "gui/app/view_file_commands.h"

#include "gui/app/tc_form_haupt.h"
#include "gui/editor/editor_runner.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"

#include <algorithm>
#include <optional>

#include <QAction>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextBlock>

namespace notavi::gui {
namespace {

const QString kWordWrapRefusal = QStringLiteral(
    "Solange der Zeilenumbruch (im Men\u00FC Ansicht) aktiviert ist,\n\nk\u00F6nnen Termine nur "
    "direkt im Termineditor gel\u00F6scht werden!");
const QString kLastLineRefusal = QStringLiteral("Die unterste Leerzeile kann nicht gel\u00F6scht werden.");
const QString kSeparatorRefusal =
    QStringLiteral("Die Leerzeile zwischen den Termintagen kann nicht gel\u00F6scht werden.\n\nSie kann aber "
                   "\u00FCber das Men\u00FC Ansicht (Strg+L) abgeschaltet werden.");
const QString kInternalRefusal = QStringLiteral(
    "Interne Termine (Ostern, Advent, Feiertage und Mondphasen)\nk\u00F6nnen nicht gel\u00F6scht "
    "werden.\n\nSollen Sie nicht mehr angezeigt werden, so ist der zugeh\u00F6rige\nTerminblock "
    "im Men\u00FC Terminblockanzeige zu deaktivieren.");
const QString kLineGoneMessage =
    QStringLiteral("Der Termin steht nicht mehr in der Termindatei (sie wurde inzwischen ge\u00E4ndert, "
                   "etwa mit einem anderen Programm).\n\nDie Ansicht wird neu geladen.");

// The caret's line of the view; a selection that ends with a line break counts as ending on the
// line before it.
int caretLineOf(const QPlainTextEdit& view)
{
    const QTextCursor cursor = view.textCursor();
    const QTextBlock end = view.document()->findBlock(cursor.selectionEnd());
    if (cursor.hasSelection() && cursor.selectionEnd() == end.position() && end.blockNumber() > 0 &&
        cursor.selectionStart() < cursor.selectionEnd())
        return end.blockNumber() - 1;
    return cursor.blockNumber();
}

// The hidden editor reads notavi.dat afresh, which another program may have changed since the view
// was computed: the line is looked up by its text, at its index or above it, rather than deleting
// whatever now stands at that index. nullopt when the text no longer holds it there.
std::optional<int> editorLineOf(const Lines& editorLines, int fileLine, const std::string& text)
{
    if (editorLines.empty() || fileLine < 0)
        return std::nullopt;
    for (auto line = std::min(static_cast<std::size_t>(fileLine), editorLines.size() - 1);; --line) {
        if (editorLines[line] == text)
            return static_cast<int>(line);
        if (line == 0)
            return std::nullopt;
    }
}

} // namespace

ViewFileCommands::ViewFileCommands(TC_FORM_Haupt& window, QPlainTextEdit& view, const Desktop& desktop,
                                   ProgramState& state)
    : QObject(&window), m_window(window), m_view(view), m_desktop(desktop), m_editor(window, desktop, state)
{
    view.installEventFilter(this);
}

void ViewFileCommands::refuse(const QString& message)
{
    m_desktop.beeper.play(SystemSound::Warning);
    m_desktop.boxes.information(&m_window, message);
}

void ViewFileCommands::C_PSBT_loeschenClick()
{
    if (m_window.action(Command::C_MItem_Zeilenumbruch)->isChecked()) {
        refuse(kWordWrapRefusal);
        return;
    }
    const int line = caretLineOf(m_view);
    const ViewEntries& entries = m_window.entries();
    if (line < 0 || static_cast<std::size_t>(line) >= entries.size()) {
        refuse(kLastLineRefusal);
        return;
    }
    const ViewEntry& entry = entries[static_cast<std::size_t>(line)];
    if (entry.isSeparator()) {
        refuse(kSeparatorRefusal);
        return;
    }
    if (entry.sourceLine == kInternalSourceLine) {
        refuse(kInternalRefusal);
        return;
    }
    const auto source = static_cast<std::size_t>(entry.sourceLine);
    const std::string text = source < m_window.lines().size() ? m_window.lines()[source] : std::string();
    bool lineGone = false;
    m_editor.runHidden(
        [day = entry.day, source = entry.sourceLine, &text, &lineGone](TC_FORM_Editor& editor) {
            const std::optional<int> editorLine = editorLineOf(editor.lines(), source, text);
            // An editor that could not load the file has told the user so already.
            lineGone = !editorLine && editor.fileLoaded();
            if (!editorLine)
                return;
            editor.setReferenceDay(day);
            editor.text().moveCaretToLine(*editorLine);
            editor.C_PSBT_loeschenClick();
        });
    if (lineGone) {
        refuse(kLineGoneMessage);
        m_editor.reloadKeepingPlace();
    }
}

void ViewFileCommands::C_MItem_VerstricheneClick()
{
    m_editor.runHidden([](TC_FORM_Editor& editor) { editor.C_MItem_VerstricheneClick(); });
}

void ViewFileCommands::C_MItem_AktivierenClick()
{
    m_editor.runHidden([](TC_FORM_Editor& editor) { editor.C_MItem_AktivierenClick(); });
}

// The Delete key deletes the appointment of the caret's line and goes no further.
bool ViewFileCommands::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_view && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (m_window.action(Command::C_KMitem_TerminLoeschen)->isEnabled())
            m_window.action(Command::C_KMitem_TerminLoeschen)->trigger();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool deleteExpiredAtStart(const Desktop& desktop, ProgramState& state, QWidget* owner)
{
    if (!state.settings().extras.deleteExpiredAtStart)
        return false;
    EditorRunner runner(desktop, state, owner);
    return runner.runHidden([](TC_FORM_Editor& editor) { editor.C_MItem_VerstricheneClick(false); });
}

} // namespace notavi::gui
