#pragma once

// The main window: the five view tabs over the evaluated view, the tool bar, the button group and
// the menus; start-up, the commands that move through time, reload, help, about and exit.

#include "core/app/number_game.h"
#include "core/app/program_state.h"
#include "core/engine/view_evaluator.h"
#include "gui/app/box_line_error_sink.h"
#include "gui/app/entry_view.h"
#include "gui/app/main_commands.h"
#include "gui/app/view_renderer.h"
#include "gui/platform/desktop.h"
#include "gui/platform/dialog_look.h"

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include <QMainWindow>

class QGroupBox;
class QMenu;
class QPushButton;
class QTabBar;
class QToolBar;
class QToolButton;

namespace notavi::gui {

class MainEditorCommand;
class MainSearch;
class AlarmClockController;
class AlarmRaiser;
class AlarmTicker;
class CountdownController;
class TC_Form_Eingabe;
class TrayController;
class WindowCaption;
struct AlarmLook;
class ViewAppearance;

class TC_FORM_Haupt final : public QMainWindow
{
    Q_OBJECT

  public:
    // Runs the window's start-up (FormCreate) on the program's state, which must outlive the window;
    // the window is not shown yet: call showAsStarted().
    TC_FORM_Haupt(const Desktop& desktop, ProgramState& state, QWidget* parent = nullptr);
    ~TC_FORM_Haupt() override;

    // Shows the window normal, maximised or minimised, as the settings say; then the messages of the
    // start-up (a file that could not be loaded), over the shown window.
    void showAsStarted();

    // --- state other windows and tests read ----------------------------------------------
    DayNumber evaluationDate() const { return m_evaluationDate; }

    int viewMode() const;

    bool fileLoaded() const { return m_state.fileLoaded(); }

    // The commands that need appointments are enabled only while a file is loaded.
    bool appointmentCommandsEnabled() const { return m_state.fileLoaded(); }

    const ViewEntries& entries() const { return m_entries; }

    const Lines& lines() const { return m_state.lines(); }

    // Today's alarms, as the last evaluation that covered today collected them.
    const Alarms& alarms() const { return m_state.alarms(); }

    const Settings& settings() const { return m_state.settings(); }

    const BaseFolder& baseFolder() const { return m_state.baseFolder(); }

    LineErrorState lineErrorState() const { return m_state.lineErrorState(); }

    QAction* action(Command command) const { return m_actions[commandIndex(command)]; }

    DialogLook dialogLook() const;

    TC_Form_Eingabe& inputDialog() { return *m_input; }

    bool countdownRunning() const;

    // --- commands ---------------------------------------------------------------------------
    void C_TC_TerminartChange(int index);
    // byUser: the menu command; false after the editor saved, which also collects today's alarms.
    void C_MItem_neuladenClick(bool byUser = true);
    void C_MItem_RechnerdatumClick();
    void C_MItem_VorClick();
    void C_MItem_ZurueckClick();
    void C_MItem_eingebenClick();
    void C_MItem_NotepadClick();
    void C_MItem_NotaviHilfeClick();
    void C_MItem_InfoClick();
    void C_MItem_EndeClick();
    void C_MItem_WeckerClick();
    void C_MItem_TimerSetzenClick();

  Q_SIGNALS:
    // The window has closed for good (its settings are stored): the program ends, also when the
    // window was hidden in the tray, where closing it would not end the program by itself.
    void ended();

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    // construction (main_window_layout.cpp, main_menu.cpp)
    void createControls();
    void createToolBar();
    void createBarMenus();
    void createButtonGroup();
    void createMenus();
    void createContextMenu();
    QAction* addMenuItem(QMenu* menu, Command command, const QString& caption,
                         const QKeySequence& shortcut = {}, bool checkable = false);
    QAction* contextItem(Command command, const QString& caption, bool checkable = false);
    void showContextMenu(const QPoint& position);
    void connectCommands();
    void connectToolCommands(); // main_window_tools.cpp
    void updateCommandStates();

    // start-up and files
    void FormCreate();
    void loadStartSettings();
    bool loadFile();
    void showLoadFailure(std::string_view message);
    void showStartMessages();
    void fitMinimumWidthToCaptions();
    void refitToScreen();
    void rememberNormalPlace();

    // the view
    void evaluate();
    void render();
    void setTabCaptions();
    void setTabHints();
    void moveEvaluationDate(DayNumber date);
    void stepEvaluationDate(int direction);
    void switchTab(int step);
    ViewColours viewColours() const;
    DisplayOptions displayOptions() const;

    // settings (main_window_settings.cpp)
    void applyWindowPlacement();
    void applyMainSettings();
    void refreshCaret();
    void applyMenuChecks();
    void applyBarVisibility();
    void saveSection(SettingsSection section);
    void storeWindowGeometry();
    void connectOptionToggles();
    void C_MItem_WochentagClick(QAction* item);
    void C_MItem_TerminblockClick(QAction* item);
    void C_MItem_TBGebTagClick(QAction* item);
    void C_MItem_TBMondphasenClick(QAction* item);
    void C_MItem_ZeilenumbruchClick();
    void C_MItem_BarClick(QAction* item);
    void C_MItem_ExtrasClick(QAction* item);
    void C_MItem_DialogfensterClick();
    void C_MItem_SpeicherAnsichtClick();
    void C_MItem_speichernClick();

    void C_MItem_LoeschenStartClick();
    void C_MItem_LoeschenFristClick();
    void askDeletionSwitch();

    // alarms, alarm clock, countdown and tray (main_window_alarms.cpp)
    void createTimedControllers();
    void followNewDay(DayNumber previousDay);
    AlarmLook alarmLook() const;
    // Every command stops the countdown first.
    void stopCountdown();

    // display options and the view's mouse and keys (main_window_display.cpp)
    void connectDisplayCommands();
    void connectViewMouseAndKeys();
    void C_MItem_TerminblockauswahlClick();

    Desktop m_desktop;
    ProgramState& m_state;
    QString m_helpFile;

    bool m_viewComputed = false;
    DayNumber m_evaluationDate = 0;
    ViewRange m_lastRange;
    ViewEntries m_entries;
    BoxLineErrorSink m_lineErrors;
    NumberGame m_game;
    std::vector<QString> m_startMessages; // shown once the window is on the screen
    QPoint m_normalFramePosition;         // where the window stood when it was last neither maximised
    QSize m_normalSize;                   // nor minimised: stored as its place in the settings

    QTabBar* C_TC_Terminart = nullptr;
    EntryView* C_RE_TerminAnzeige = nullptr;
    QGroupBox* C_GRBX_PSBT = nullptr;
    QToolBar* C_TBa_Notavi = nullptr;
    QMenu* C_PopupMenu_Haupt = nullptr;
    std::array<QAction*, kCommandCount> m_actions{};
    std::array<QPushButton*, kPushButtonCount> m_buttons{};
    TC_Form_Eingabe* m_input = nullptr;
    std::unique_ptr<MainEditorCommand> m_editorCommand;
    std::unique_ptr<MainSearch> m_search;

    // Declared in the order they depend on each other, so that each goes before what it uses.
    std::unique_ptr<WindowCaption> m_caption;
    std::unique_ptr<TrayController> m_tray;
    std::unique_ptr<AlarmRaiser> m_alarmRaiser;
    std::unique_ptr<AlarmClockController> m_alarmClock;
    std::unique_ptr<CountdownController> m_countdown;
    std::unique_ptr<AlarmTicker> m_alarmTicker;
    ViewAppearance* m_appearance = nullptr;
};

} // namespace notavi::gui
