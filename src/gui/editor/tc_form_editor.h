#pragma once

// The appointment editor: the whole appointment file as text, with a tab per block, the protected
// info area, the calendar with the year's holidays, and the menus, tool bar and buttons of the
// editor's tools. Used on the screen (modal) and invisibly by the main window's commands, which
// call FormShow themselves, run one command and close it again (a hidden editor saves on closing).

#include "core/app/program_state.h"
#include "core/editor/line_block.h"
#include "gui/editor/editor_commands.h"
#include "gui/platform/desktop.h"
#include "gui/platform/dialog_look.h"
#include "gui/platform/modal_run.h"

#include <array>
#include <functional>
#include <optional>

#include <QMainWindow>

class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTabBar;
class QToolBar;
class QToolButton;

namespace notavi::gui {

class CalendarPanel;
class CheckListPanel;
class ClipboardTextWatch;
class EditorAppearance;
struct EditorToolHost;
class EditorTextControl;
class LineMirror;

class TC_FORM_Editor final : public QMainWindow
{
    Q_OBJECT

  public:
    // Reads the editor's settings sections; `owner` is the main window (minimising the editor
    // minimises it, and the boxes centre on it while the editor is hidden).
    TC_FORM_Editor(const Desktop& desktop, ProgramState& state, QWidget* owner = nullptr);
    ~TC_FORM_Editor() override;

    // Loads the file into the text, sets the calendar to today, and the commands by the result.
    void FormShow();

    // --- state that callers and tests read --------------------------------------------------
    bool fileLoaded() const { return m_fileLoaded; }

    QAction* action(EditorCommand command) const { return m_actions[editorCommandIndex(command)]; }

    EditorTextControl& text() const { return *C_RE_Termin; }

    // The lines of the text as the file would hold them.
    const Lines& lines() const;

    // Whether "Termin ändern" may act on the caret's line.
    bool caretLineChangeable() const { return m_caretBlock.changeable; }

    // The main window's help and its option "Sicherheitsabfrage vor URL-Aufruf" (which answers the
    // new check mark).
    void setHelpCommand(std::function<void()> help) { m_help = std::move(help); }

    void setUrlQuestionCommand(std::function<bool()> toggle) { m_toggleUrlQuestion = std::move(toggle); }

    void setUrlQuestionChecked(bool checked) const;

    // How the entry dialog is shown; tests play the user's part there.
    void setEntryDialogRun(ModalRun run) { m_entryRun = std::move(run); }

    // --- commands ---------------------------------------------------------------------------
    // Saves with notavi.bak; false when nothing was written (refused by the user or failed).
    bool C_MItem_speichernClick();
    void C_MItem_letzte_Version_ladenClick();
    // notavi.dat into the text again, on the first tab, without a question.
    void reloadFromDisk();
    void C_MItem_Neu_erstellenClick();
    // Jumps to the block of a tab; withEmptyLine (Ctrl+click) then inserts an empty line below the
    // caret's line for a new appointment.
    void C_TC_TerminblockChange(int tab, bool withEmptyLine = false);
    // withChange (Ctrl+click): the new line is to be opened in the change dialog.
    void C_PSBT_leerzeileClick(bool withChange = false);
    // "neuer Termin": the line from the entry dialog as the first line of its block, which is
    // created when missing (editor_entry.cpp).
    void C_PSBT_neuClick();
    // Who started "Termin ändern": its own button or items, another command (the main window, a
    // Ctrl+click), or the empty-line command right after inserting the empty line.
    enum class ChangeStart
    {
        Button,
        Command,
        FreshEmptyLine,
    };
    // "Termin ändern": the caret's line through the entry dialog, replaced in place.
    void C_PSBT_aendernClick(ChangeStart start = ChangeStart::Button);
    // A date of the calendar or the holiday list into the caret's line, in its block's form.
    void C_MCal_KalenderDblClick(const QDate& date);
    void C_MItem_TermindatumClick();
    void C_MItem_KalenderClick();

    // The tools over the whole text or the caret's line (editor_tools.cpp).
    void C_MItem_SortierenClick();
    void C_PSBT_loeschenClick();
    // Interactive with questions, or automatic (at start-up) after the age limit of the settings.
    void C_MItem_VerstricheneClick(bool interactive = true);
    void C_MItem_AktivierenClick();

    // The day a deletion's question about a running period refers to while the editor is hidden:
    // the main window's chosen occurrence. The visible editor takes today.
    void setReferenceDay(DayNumber day) { m_referenceDay = day; }

    // The check list (editor_check_list.cpp): the errors of the text in place of the text (F2; does
    // nothing while the list is shown), and the jump from its selected entry to the line.
    void C_MItem_AufFehlerUeberpruefenClick();
    void C_LSBX_FehlerDblClick(bool withChange = false);

    CheckListPanel& checkList() const { return *m_checkList; }

  Q_SIGNALS:
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // construction (editor_menus.cpp)
    void createControls();
    void createMenus();
    void createContextMenus();
    void createToolBar();
    void createButtonBar();
    QAction* addMenuItem(QMenu* menu, EditorCommand command, const QString& caption,
                         const QKeySequence& shortcut = {}, bool checkable = false);
    void connectCommands();
    void connectToolCommands(); // editor_tools.cpp

    // layout and display settings (editor_layout.cpp)
    void FormResize();
    void applySettings();
    void storeSettings();
    void C_MItem_SchaltflaechenleisteClick();
    void C_MItem_SymbolleisteClick();
    void C_MItem_CursorClick();
    void P_Caret();

    // status, protection and command states (editor_status.cpp)
    void P_CursorPos(bool updateTab = true);
    void P_Bearbeitung_freigeben(bool enabled);
    void P_TerminblockDerZeile();
    void showSelectionStart();
    void updateSaveAndUndo();
    void updatePasteItem();
    void prepareContextMenu();
    void C_RE_TerminKeyUp(int key, Qt::KeyboardModifiers modifiers);
    void C_RE_TerminMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void C_MItem_EinfuegenClick();
    void C_MItem_RueckgaengigClick();
    void C_MItem_AusschneidenClick();
    void C_MItem_KopierenClick();
    void selectTabQuietly(int tab);
    bool checkListShown() const;

    // loading and saving (tc_form_editor.cpp, editor_save.cpp)
    bool loadIntoText();
    void showFileLines(const Lines& lines);
    void startNewFile();
    bool confirmUnstorable(const std::vector<std::string>& utf8, const std::vector<QString>& lines);
    bool confirmOverwriteChanged();

    EditorToolHost toolHost();
    void afterTool();
    void P_PrueflisteVerlassen();

    // the entry dialog (editor_entry.cpp)
    DialogLook entryDialogLook() const;
    void removeBlankCaretLine(bool restoreModified);

    Desktop m_desktop;
    ProgramState& m_state;
    QWidget* m_owner;

    bool m_fileLoaded = false;
    bool m_searchDone = false;
    bool m_modifiedBeforeEmptyLine = false;
    std::optional<DayNumber> m_referenceDay;
    std::optional<Lines> m_loadedOnDisk; // the file as read, to tell whether another program changed it
    LineBlock m_caretBlock;
    std::function<void()> m_help;
    std::function<bool()> m_toggleUrlQuestion;
    ModalRun m_entryRun;

    ClipboardTextWatch* m_clipboard = nullptr;
    EditorTextControl* C_RE_Termin = nullptr;
    LineMirror* m_mirror = nullptr;
    QTabBar* C_TC_Terminblock = nullptr;
    QWidget* m_tabPage = nullptr; // the tab bar with the text below it
    QStatusBar* C_SBAR_Editor = nullptr;
    QGroupBox* C_GRBX_PSBT = nullptr;
    QToolBar* C_TBa_Editor = nullptr;
    CalendarPanel* m_calendar = nullptr;
    CheckListPanel* m_checkList = nullptr;
    EditorAppearance* m_appearance = nullptr;
    QMenu* C_PopupMenu_Editor = nullptr;
    QMenu* m_buttonBarMenu = nullptr;
    QMenu* m_toolBarMenu = nullptr;
    std::array<QAction*, kEditorCommandCount> m_actions{};
    std::array<QPushButton*, kEditorButtonCount> m_buttons{};
    std::array<QToolButton*, kEditorButtonCount> m_lineTools{}; // neu, ändern, löschen, Leerzeile
};

} // namespace notavi::gui
