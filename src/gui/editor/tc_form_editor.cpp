#include "gui/editor/tc_form_editor.h"

#include "core/editor/editor_load.h"
#include "core/editor/editor_tabs.h"
#include "core/model/default_file.h"
#include "core/model/storage_messages.h"
#include "gui/editor/calendar_panel.h"
#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_appearance.h"
#include "gui/editor/editor_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_mirror.h"
#include "gui/platform/clipboard_text_watch.h"
#include "gui/platform/text_conversion.h"

#include <QAction>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QTabBar>

namespace notavi::gui {

TC_FORM_Editor::TC_FORM_Editor(const Desktop& desktop, ProgramState& state, QWidget* owner)
    : QMainWindow(owner, Qt::Window), m_desktop(desktop), m_state(state), m_owner(owner),
      m_entryRun(desktop.modalRun)
{
    setObjectName(QStringLiteral("TC_FORM_Editor"));
    setWindowTitle(kEditorCaption);
    m_state.loadSettings({SettingsSection::Calendar, SettingsSection::EditorView, SettingsSection::CheckList,
                          SettingsSection::Editor});
    m_clipboard = new ClipboardTextWatch(this);
    createMenus();
    createControls();
    connect(m_clipboard, &ClipboardTextWatch::changed, this, [this] { updatePasteItem(); });
    createContextMenus();
    connectCommands();
    m_appearance = new EditorAppearance(*this, m_desktop.dialogs, m_state);
    connect(m_appearance, &EditorAppearance::textFontChanged, this, [this] { P_Caret(); });
    applySettings();
    P_Bearbeitung_freigeben(false);
}

TC_FORM_Editor::~TC_FORM_Editor() = default;

const Lines& TC_FORM_Editor::lines() const
{
    return m_mirror->lines();
}

void TC_FORM_Editor::FormShow()
{
    m_searchDone = false;
    selectTabQuietly(kFileStartTab);
    {
        QSignalBlocker quiet(C_RE_Termin);
        loadIntoText();
    }
    m_calendar->showToday();
    updateSaveAndUndo();
    P_CursorPos();
    // The keys go to the text once the window shows, not to its first tab.
    C_RE_Termin->setFocus();
}

// Loads notavi.dat into the text; without a file the user may start one from the template.
bool TC_FORM_Editor::loadIntoText()
{
    EditorText loaded = loadEditorFileCleaned(m_state.files(), m_state.dataFilePath());
    switch (loaded.status) {
    case EditorLoadStatus::Loaded:
        m_loadedOnDisk = std::move(loaded.onDisk);
        showFileLines(loaded.text);
        m_fileLoaded = true;
        P_Bearbeitung_freigeben(true);
        return true;
    case EditorLoadStatus::NotFound:
        m_loadedOnDisk.reset();
        showFileLines({});
        if (m_desktop.boxes.confirm(this, boxText(kEditorFileMissingQuestion))) {
            startNewFile();
            return true;
        }
        showFileLines({kEditorFileMissingLines.begin(), kEditorFileMissingLines.end()});
        m_fileLoaded = false;
        P_Bearbeitung_freigeben(false);
        return false;
    case EditorLoadStatus::ReadFailed:
        break;
    }
    m_loadedOnDisk.reset();
    showFileLines({kEditorLoadFailedLines.begin(), kEditorLoadFailedLines.end()});
    m_fileLoaded = false;
    P_Bearbeitung_freigeben(false);
    m_desktop.boxes.warning(this, boxText(kEditorLoadFailedMessage));
    return false;
}

void TC_FORM_Editor::showFileLines(const Lines& lines)
{
    m_checkList->hide(); // a reload, restore or new file leaves the check list
    C_RE_Termin->show();
    action(EditorCommand::C_MItem_AllesMarkieren)->setEnabled(true);
    C_RE_Termin->showLines(lines);
}

// The default file in the text, unsaved: the user saves it like any edit.
void TC_FORM_Editor::startNewFile()
{
    Lines lines;
    appendDefaultBlocks(lines, kNewFileMode);
    showFileLines(lines);
    m_fileLoaded = true;
    P_Bearbeitung_freigeben(true);
    C_RE_Termin->document()->setModified(true);
    C_TC_TerminblockChange(kFileStartTab + 1);
    if (isVisible())
        C_RE_Termin->setFocus();
    updateSaveAndUndo();
}

void TC_FORM_Editor::C_MItem_letzte_Version_ladenClick()
{
    if (C_RE_Termin->document()->isModified()) {
        m_desktop.beeper.play(SystemSound::Warning);
        if (!m_desktop.boxes.confirm(this, kDiscardChangesQuestion))
            return;
    }
    reloadFromDisk();
    m_desktop.boxes.information(this, kReloadedMessage);
}

void TC_FORM_Editor::reloadFromDisk()
{
    selectTabQuietly(kFileStartTab);
    {
        QSignalBlocker quiet(C_RE_Termin);
        loadIntoText();
    }
    updateSaveAndUndo();
    P_CursorPos();
}

void TC_FORM_Editor::C_MItem_Neu_erstellenClick()
{
    if (m_fileLoaded && !m_desktop.boxes.confirm(this, kReplaceFileQuestion))
        return;
    startNewFile();
}

void TC_FORM_Editor::closeEvent(QCloseEvent* event)
{
    if (C_RE_Termin->document()->isModified()) {
        // The hidden editor saves without asking.
        MessageAnswer answer = MessageAnswer::Yes;
        if (isVisible()) {
            m_desktop.beeper.play(SystemSound::Warning);
            answer = m_desktop.boxes.show(this, MessageKind::Confirmation, kSaveOnCloseQuestion,
                                          MessageButtons::YesNoCancel);
        }
        if (answer == MessageAnswer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == MessageAnswer::Yes && !C_MItem_speichernClick() && isVisible()) {
            event->ignore();
            return;
        }
    }
    if (isVisible())
        storeSettings();
    event->accept();
    Q_EMIT closed();
}

// Minimising the editor minimises the whole program.
void TC_FORM_Editor::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_owner)
        m_owner->window()->showMinimized();
}

// Every click on a tab jumps to its block, also on the tab already chosen; with Ctrl an empty line
// for a new appointment follows.
bool TC_FORM_Editor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == C_TC_Terminblock && event->type() == QEvent::MouseButtonPress) {
        auto* click = static_cast<QMouseEvent*>(event);
        const int tab = C_TC_Terminblock->tabAt(click->position().toPoint());
        if (tab < 0)
            return false;
        const bool ctrl = click->button() == Qt::LeftButton && (click->modifiers() & Qt::ControlModifier);
        selectTabQuietly(tab);
        C_TC_TerminblockChange(tab, ctrl);
        return true;
    }
    if (watched == C_TC_Terminblock && event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int tab = C_TC_Terminblock->tabAt(help->pos());
        C_TC_Terminblock->setToolTip(tab < 0 ? QString() : fromCp1252(editorTabHint(tab, m_fileLoaded)));
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace notavi::gui
