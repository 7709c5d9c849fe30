#include "gui/app/view_file_commands.h"

#include "gui/app/tc_form_haupt.h"
#include "gui/editor/editor_runner.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/tc_form_editor.h"

#include <algorithm>

#include <QAction>
#include <QTextBlock>

namespace notavi::gui {

// What a command on one appointment says when the caret's line holds none it can work on.
struct Refusals
{
    QString wordWrap;
    QString belowLastEntry;
    QString separator;
    QString internal;
};

namespace {

const Refusals kDeleteRefusals{
    QStringLiteral("Solange der Zeilenumbruch (im Men\u00FC Ansicht) aktiviert ist,\n\nk\u00F6nnen Termine "
                   "nur direkt im Termineditor gel\u00F6scht werden!"),
    QStringLiteral("Die unterste Leerzeile kann nicht gel\u00F6scht werden."),
    QStringLiteral("Die Leerzeile zwischen den Termintagen kann nicht gel\u00F6scht werden.\n\nSie kann aber "
                   "\u00FCber das Men\u00FC Ansicht (Strg+L) abgeschaltet werden."),
    QStringLiteral("Interne Termine (Ostern, Advent, Feiertage und Mondphasen)\nk\u00F6nnen nicht "
                   "gel\u00F6scht werden.\n\nSollen Sie nicht mehr angezeigt werden, so ist der "
                   "zugeh\u00F6rige\nTerminblock im Men\u00FC Terminblockanzeige zu deaktivieren."),
};

const Refusals kChangeRefusals{
    QStringLiteral("Solange der Zeilenumbruch (im Men\u00FC Ansicht) aktiviert ist,\n\nk\u00F6nnen Termine "
                   "nur direkt im Termineditor ge\u00E4ndert werden!"),
    QStringLiteral("Sie k\u00F6nnen einen Termin nur dann \u00E4ndern, wenn\n\nder Cursor sich in der "
                   "Terminzeile befindet."),
    QStringLiteral("Die Leerzeile zwischen den Termintagen kann nicht ge\u00E4ndert werden.\n\nSie kann aber "
                   "\u00FCber das Men\u00FC Ansicht (Strg+L) abgeschaltet werden."),
    QStringLiteral(
        "Interne Termine (Ostern, Advent, Feiertage und Mondphasen)\nk\u00F6nnen nicht "
        "ge\u00E4ndert werden.\n\nDie Farbe kann \u00FCber den Men\u00FCpunkt Terminblockfarbe im "
        "Men\u00FC\nFormat ge\u00E4ndert werden.\n\nSollen Sie nicht mehr angezeigt werden, so ist "
        "der zugeh\u00F6rige\nTerminblock im Men\u00FC Terminblockanzeige zu deaktivieren."),
};

const QString kVanishedLine =
    QStringLiteral("Der Termin steht nicht mehr in der Termindatei (sie wurde inzwischen ge\u00E4ndert, "
                   "etwa mit einem anderen Programm).\n\nDie Ansicht wird neu geladen.");

// The hidden editor reads notavi.dat afresh, which another program may have changed since the view
// was computed: the line is looked up by its text, at its index or above it, rather than working on
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

ViewFileCommands::ViewFileCommands(TC_FORM_Haupt& window, EntryView& view, const Desktop& desktop,
                                   ProgramState& state)
    : QObject(&window), m_window(window), m_view(view), m_desktop(desktop),
      m_editor(window, view, desktop, state)
{
}

void ViewFileCommands::refuse(const QString& message)
{
    m_desktop.beeper.play(SystemSound::Warning);
    m_desktop.boxes.information(&m_window, message);
    if (m_window.isVisible())
        m_view.setFocus();
}

std::optional<ViewEntry> ViewFileCommands::appointmentAtCaret(const Refusals& refusals)
{
    if (m_window.action(Command::C_MItem_Zeilenumbruch)->isChecked()) {
        refuse(refusals.wordWrap);
        return std::nullopt;
    }
    const int line = m_view.position().caretLine;
    const ViewEntries& entries = m_window.entries();
    if (line < 0 || static_cast<std::size_t>(line) >= entries.size()) {
        refuse(refusals.belowLastEntry);
        return std::nullopt;
    }
    const ViewEntry& entry = entries[static_cast<std::size_t>(line)];
    if (entry.isSeparator()) {
        refuse(refusals.separator);
        return std::nullopt;
    }
    if (entry.sourceLine == kInternalSourceLine) {
        refuse(refusals.internal);
        return std::nullopt;
    }
    return entry;
}

void ViewFileCommands::runOnLine(const ViewEntry& entry, const std::function<void(TC_FORM_Editor&)>& command)
{
    const auto source = static_cast<std::size_t>(entry.sourceLine);
    const std::string text = source < m_window.lines().size() ? m_window.lines()[source] : std::string();
    bool vanished = false;
    const bool saved = m_editor.runHidden([&](TC_FORM_Editor& editor) {
        const std::optional<int> editorLine = editorLineOf(editor.lines(), entry.sourceLine, text);
        // An editor that could not load the file has told the user so already.
        vanished = !editorLine && editor.fileLoaded();
        if (!editorLine)
            return;
        editor.text().moveCaretToLine(*editorLine);
        command(editor);
    });
    if (vanished && !saved) {
        refuse(kVanishedLine);
        m_editor.reloadKeepingPlace();
    }
}

void ViewFileCommands::C_PSBT_neuClick()
{
    // The new appointment's day is not known beforehand: after a save the view comes back to the
    // day in sight; a cancelled dialog leaves the caret where it was.
    m_editor.runHidden([](TC_FORM_Editor& editor) { editor.C_PSBT_neuClick(); },
                       [this] {
                           const int firstInSight = m_view.position().firstVisibleLine;
                           m_view.setTextCursor(
                               QTextCursor(m_view.document()->findBlockByNumber(firstInSight)));
                       });
}

void ViewFileCommands::C_PSBT_aendernClick()
{
    if (const std::optional<ViewEntry> entry = appointmentAtCaret(kChangeRefusals))
        runOnLine(*entry, [](TC_FORM_Editor& editor) {
            editor.C_PSBT_aendernClick(TC_FORM_Editor::ChangeStart::Command);
        });
}

void ViewFileCommands::C_PSBT_loeschenClick()
{
    if (const std::optional<ViewEntry> entry = appointmentAtCaret(kDeleteRefusals))
        runOnLine(*entry, [day = entry->day](TC_FORM_Editor& editor) {
            editor.setReferenceDay(day);
            editor.C_PSBT_loeschenClick();
        });
}

void ViewFileCommands::C_MItem_VerstricheneClick()
{
    m_editor.runHidden([](TC_FORM_Editor& editor) { editor.C_MItem_VerstricheneClick(); });
}

void ViewFileCommands::C_MItem_AktivierenClick()
{
    m_editor.runHidden([](TC_FORM_Editor& editor) { editor.C_MItem_AktivierenClick(); });
}

bool deleteExpiredAtStart(const Desktop& desktop, ProgramState& state, QWidget* owner)
{
    if (!state.settings().extras.deleteExpiredAtStart)
        return false;
    EditorRunner runner(desktop, state, owner);
    return runner.runHidden([](TC_FORM_Editor& editor) { editor.C_MItem_VerstricheneClick(false); });
}

} // namespace notavi::gui
