// The status line, the protection of the info area, and which commands the caret's line allows.
// Runs after every key and click: it reads the caret's line and its block, never the whole text.

#include "core/editor/editor_tabs.h"
#include "core/model/info_texts.h"
#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/info_area_keys.h"
#include "gui/editor/line_mirror.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/clipboard_text_watch.h"

#include <QAction>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTextBlock>
#include <QToolButton>

namespace notavi::gui {
namespace {

using Cmd = EditorCommand;

constexpr int kFirstFreeLine = kInfoLineCount; // zero-based: line 12 on the screen

// Line and column counted from 0, shown from 1.
QString positionStatus(int line, int column)
{
    return QStringLiteral("(Zeile:Spalte) %1:%2").arg(line + 1).arg(column + 1);
}

// Read-only keeps the caret moving with the keys, as in a writable text.
void setWritable(QPlainTextEdit& text, bool writable)
{
    if (writable == !text.isReadOnly())
        return;
    text.setReadOnly(!writable);
    if (!writable)
        text.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace

bool TC_FORM_Editor::checkListShown() const
{
    return m_checkList && m_checkList->shown();
}

void TC_FORM_Editor::selectTabQuietly(int tab)
{
    QSignalBlocker quiet(C_TC_Terminblock);
    C_TC_Terminblock->setCurrentIndex(tab);
}

void TC_FORM_Editor::P_Bearbeitung_freigeben(bool enabled)
{
    for (const Cmd command : {Cmd::C_MItem_SicherungErstellen, Cmd::C_MItem_Ausschneiden,
                              Cmd::C_MItem_SuchenNach, Cmd::C_MItem_GeheZu, Cmd::C_MItem_Sortieren,
                              Cmd::C_MItem_Verstrichene, Cmd::C_MItem_Aktivieren, Cmd::C_MItem_Pruefliste})
        action(command)->setEnabled(enabled);
    action(Cmd::C_MItem_Weitersuchen)->setEnabled(enabled && m_searchDone);
    for (QPushButton* button : m_buttons)
        button->setEnabled(enabled);
    for (QToolButton* tool : m_lineTools)
        tool->setEnabled(enabled);
    setWritable(*C_RE_Termin, enabled);
    updatePasteItem();
    updateSaveAndUndo();
    P_CursorPos();
}

void TC_FORM_Editor::updateSaveAndUndo()
{
    action(Cmd::C_MItem_speichern)->setEnabled(C_RE_Termin->document()->isModified());
    action(Cmd::C_MItem_Rueckgaengig)
        ->setEnabled(C_RE_Termin->document()->isUndoAvailable() && !checkListShown());
}

// Paste where the text may be written and the clipboard holds text; the clipboard may change while
// the editor is open.
void TC_FORM_Editor::updatePasteItem()
{
    action(Cmd::C_MItem_Einfuegen)
        ->setEnabled(m_fileLoaded && !checkListShown() && !C_RE_Termin->isReadOnly() &&
                     m_clipboard->holdsText());
}

void TC_FORM_Editor::P_CursorPos(bool updateTab)
{
    const bool selection = C_RE_Termin->textCursor().hasSelection();
    action(Cmd::C_MItem_Kopieren)->setEnabled(selection);
    if (!m_fileLoaded || checkListShown())
        return;
    if (updateTab) {
        if (!selection)
            C_SBAR_Editor->showMessage(positionStatus(C_RE_Termin->caretLine(), C_RE_Termin->caretColumn()));
        else if (!C_SBAR_Editor->currentMessage().contains(QStringLiteral("Markierung")))
            C_SBAR_Editor->showMessage(C_SBAR_Editor->currentMessage() + kSelectionStartNote);
        P_TerminblockDerZeile();
        selectTabQuietly(tabOfBlock(m_caretBlock.block));
    }
    const bool writable =
        C_RE_Termin->caretLine() >= kFirstFreeLine && C_RE_Termin->selectionStartLine() >= kFirstFreeLine;
    setWritable(*C_RE_Termin, writable);
    updatePasteItem();
    action(Cmd::C_MItem_Ausschneiden)->setEnabled(writable);
    P_Caret();
}

// A match of the search: the status line reports where it begins (the caret stands at its end).
void TC_FORM_Editor::showSelectionStart()
{
    if (!m_fileLoaded || checkListShown())
        return;
    const int start = C_RE_Termin->textCursor().selectionStart();
    const QTextBlock line = C_RE_Termin->document()->findBlock(start);
    C_SBAR_Editor->showMessage(positionStatus(line.blockNumber(), start - line.position()) +
                               kSelectionStartNote);
}

// The line commands by the kind of the caret's line: "Termin ändern" on appointment lines of a
// block only, "Zeile(n) löschen" below the info area.
void TC_FORM_Editor::P_TerminblockDerZeile()
{
    const auto line = static_cast<std::size_t>(C_RE_Termin->caretLine());
    m_caretBlock = blockOfLine(m_mirror->lines(), line);
    const bool deletable = linesDeletableAt(line);
    const std::string_view text =
        line < lines().size() ? std::string_view(lines()[line]) : std::string_view();
    const auto set = [this](EditorButton which, bool button, bool tool) {
        m_buttons[static_cast<std::size_t>(which)]->setEnabled(button);
        m_lineTools[static_cast<std::size_t>(which)]->setEnabled(tool);
    };
    set(EditorButton::C_PSBT_neu, true, true);
    set(EditorButton::C_PSBT_aendern, m_caretBlock.changeable, m_caretBlock.changeable);
    set(EditorButton::C_PSBT_loeschen, deletable, deletable);
    set(EditorButton::C_PSBT_leerzeile, emptyLineInsertableAt(text, m_caretBlock.changeable),
        m_caretBlock.changeable);
}

// What the context menu and the "Bearbeiten" menu offer at the moment they open.
void TC_FORM_Editor::prepareContextMenu()
{
    P_CursorPos();
    const bool selection = C_RE_Termin->textCursor().hasSelection();
    const bool writable = m_fileLoaded && !C_RE_Termin->isReadOnly();
    const bool undo = C_RE_Termin->document()->isUndoAvailable() && !checkListShown();
    action(Cmd::C_MItem_Rueckgaengig)->setEnabled(undo);
    action(Cmd::C_KMItem_Rueckgaengig)->setEnabled(undo);
    action(Cmd::C_MItem_Ausschneiden)->setEnabled(selection && writable);
    action(Cmd::C_KMItem_Ausschneiden)->setEnabled(selection && writable);
    action(Cmd::C_KMItem_Kopieren)->setEnabled(selection);
    action(Cmd::C_KMItem_Einfuegen)->setEnabled(writable && m_clipboard->holdsText());
    const std::pair<Cmd, EditorButton> buttonItems[] = {
        {Cmd::C_KMItem_neuerTermin, EditorButton::C_PSBT_neu},
        {Cmd::C_KMItem_TerminAendern, EditorButton::C_PSBT_aendern},
        {Cmd::C_KMItem_ZeilenLoeschen, EditorButton::C_PSBT_loeschen},
        {Cmd::C_KMItem_Leerzeile, EditorButton::C_PSBT_leerzeile},
    };
    for (const auto& [item, button] : buttonItems)
        action(item)->setEnabled(m_buttons[static_cast<std::size_t>(button)]->isEnabled());
    const std::pair<Cmd, Cmd> twins[] = {
        {Cmd::C_KMItem_Pruefliste, Cmd::C_MItem_Pruefliste},
        {Cmd::C_KMItem_Sortieren, Cmd::C_MItem_Sortieren},
        {Cmd::C_KMItem_Verstrichene, Cmd::C_MItem_Verstrichene},
        {Cmd::C_KMItem_Aktivieren, Cmd::C_MItem_Aktivieren},
    };
    for (const auto& [item, main] : twins)
        action(item)->setEnabled(action(main)->isEnabled());
    for (const auto& [item, main] : {std::pair{Cmd::C_KMItem_Kalender, Cmd::C_MItem_Kalender},
                                     std::pair{Cmd::C_KMItem_Cursor, Cmd::C_MItem_Cursor}}) {
        QSignalBlocker quiet(action(item));
        action(item)->setChecked(action(main)->isChecked());
    }
}

// A key in the info area: the read-only text stopped it; a Backspace at the start of line 12 got
// through and joined that line to line 11, which is split again here.
void TC_FORM_Editor::C_RE_TerminKeyUp(int key, Qt::KeyboardModifiers modifiers)
{
    P_CursorPos();
    if (!m_fileLoaded || !C_RE_Termin->isReadOnly())
        return;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_desktop.beeper.play(SystemSound::Information);
        return;
    }
    if (!changesInfoArea(key, modifiers))
        return;
    const QTextBlock starLine = C_RE_Termin->document()->findBlockByNumber(kInfoLineCount - 1);
    // Only a line that still begins with its "*" holds a joined line behind it; splitting any other
    // would replace a character of the user's.
    if (starLine.isValid() && starLine.text() != QStringLiteral("*") &&
        starLine.text().startsWith(QLatin1Char('*'))) {
        QTextCursor cursor(starLine);
        cursor.setPosition(starLine.position() + 1);
        cursor.beginEditBlock();
        cursor.insertText(QStringLiteral("\n"));
        cursor.endEditBlock();
        C_RE_Termin->moveCaretToLine(kInfoLineCount);
        m_desktop.beeper.play(SystemSound::Information);
    }
    if (warnsAboutInfoArea(key, modifiers)) {
        m_desktop.beeper.play(SystemSound::Warning);
        m_desktop.boxes.information(this, kInfoAreaWarning);
    }
}

void TC_FORM_Editor::C_RE_TerminMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    // Alt+click opens the line's web address once that exists.
    P_CursorPos();
    if (button == Qt::LeftButton && modifiers.testFlag(Qt::ControlModifier) &&
        m_buttons[static_cast<std::size_t>(EditorButton::C_PSBT_aendern)]->isEnabled())
        C_PSBT_aendernClick(ChangeStart::Command);
}

void TC_FORM_Editor::C_MItem_EinfuegenClick()
{
    P_CursorPos();
    if (!action(Cmd::C_MItem_Einfuegen)->isEnabled()) {
        m_desktop.beeper.play(SystemSound::Information);
        return;
    }
    C_RE_Termin->paste();
}

// Undo works in the info area too: a change there can only have come from the program.
void TC_FORM_Editor::C_MItem_RueckgaengigClick()
{
    setWritable(*C_RE_Termin, true);
    C_RE_Termin->undo();
    P_CursorPos();
}

void TC_FORM_Editor::C_MItem_AusschneidenClick()
{
    if (!C_RE_Termin->isReadOnly())
        C_RE_Termin->cut();
}

void TC_FORM_Editor::C_MItem_KopierenClick()
{
    C_RE_Termin->copy();
    P_CursorPos();
}

} // namespace notavi::gui
