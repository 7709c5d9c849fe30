#pragma once

// The main window: the five view tabs over the evaluated view, the tool bar, the button group and
// the menus; start-up, the commands that move through time, reload, help, about and exit.

#include "core/app/number_game.h"
#include "core/app/settings.h"
#include "core/app/settings_file.h"
#include "core/engine/view_evaluator.h"
#include "core/model/appointment_file.h"
#include "core/model/base_folder.h"
#include "core/model/file_system.h"
#include "gui/app/box_line_error_sink.h"
#include "gui/app/view_renderer.h"
#include "gui/platform/desktop.h"
#include "gui/platform/dialog_look.h"

#include <map>
#include <memory>
#include <optional>
#include <string>

#include <QMainWindow>

class QGroupBox;
class QMenu;
class QPushButton;
class QTabBar;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace notavi::gui {

class TC_Form_Eingabe;

// Where the program finds its files: the folder of the executable, the per-user folders, and the
// file operations (tests pass a temporary folder and may pass failing file systems).
struct StartupEnvironment
{
    Path programFolder;
    UserFolderEnvironment userFolders;
    FileSystem& files;
};

class TC_FORM_Haupt final : public QMainWindow
{
    Q_OBJECT

  public:
    // Runs the whole start-up (FormCreate); the window is not shown yet: call showAsStarted().
    TC_FORM_Haupt(const Desktop& desktop, const StartupEnvironment& environment, QWidget* parent = nullptr);
    ~TC_FORM_Haupt() override;

    // Shows the window normal, maximised or minimised, as the settings say.
    void showAsStarted();

    // --- state other windows and tests read ----------------------------------------------
    DayNumber evaluationDate() const { return m_evaluationDate; }

    int viewMode() const;

    bool fileLoaded() const { return m_fileLoaded; }

    // The commands that need appointments are enabled only while a file is loaded.
    bool appointmentCommandsEnabled() const { return m_appointmentCommandsEnabled; }

    const ViewEntries& entries() const { return m_entries; }

    const Lines& lines() const { return m_file.lines; }

    // Today's alarms, as the last evaluation that covered today collected them.
    const Alarms& alarms() const { return m_alarms; }

    const Settings& settings() const { return m_settings; }

    const BaseFolder& baseFolder() const { return m_baseFolder; }

    LineErrorState lineErrorState() const { return m_lineErrors.state(); }

    DialogLook dialogLook() const;

    TC_Form_Eingabe& inputDialog() { return *m_input; }

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

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // construction (main_window_layout.cpp, main_menu.cpp)
    void createControls();
    void createToolBar();
    void createButtonGroup();
    void createMenus();
    void createContextMenu();
    QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption,
                         const QKeySequence& shortcut = {}, bool checkable = false);
    QAction* contextItem(const char* name, const QString& caption, bool checkable = false);
    void showContextMenu(const QPoint& position);
    void connectCommands();
    void updateCommandStates();

    // start-up and files
    void FormCreate(const StartupEnvironment& environment);
    void loadStartSettings();
    bool loadFile();
    void showLoadFailure();
    void writeBackCorrections();

    // the view
    void evaluate();
    void render();
    void setTabCaptions();
    void setTabHints();
    void moveEvaluationDate(DayNumber date);
    std::optional<DayNumber> steppedDate(int direction);
    ViewColours viewColours() const;
    DisplayOptions displayOptions() const;

    // settings (main_window_settings.cpp)
    void applyMainSettings();
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

    // The countdown arrives with the timer; every command stops it first.
    void stopCountdown() {}

    QAction* action(const char* name) const;

    Desktop m_desktop;
    FileSystem& m_files;
    std::unique_ptr<SettingsFile> m_settingsFile;
    Settings m_settings;
    BaseFolder m_baseFolder;
    Path m_programFolder;
    QString m_helpFile;

    AppointmentFile m_file;
    bool m_fileLoaded = false;
    bool m_corrected = false; // the load repaired the info area: written back after the evaluation
    bool m_appointmentCommandsEnabled = false;
    bool m_viewComputed = false;
    DayNumber m_evaluationDate = 0;
    DayNumber m_lastKnownDate = 0;
    ViewRange m_lastRange;
    ViewEntries m_entries;
    Alarms m_alarms;
    BoxLineErrorSink m_lineErrors;
    NumberGame m_game;

    QTabBar* C_TC_Terminart = nullptr;
    QTextEdit* C_RE_TerminAnzeige = nullptr;
    QGroupBox* C_GRBX_PSBT = nullptr;
    QToolBar* C_TBa_Notavi = nullptr;
    QMenu* C_PopupMenu_Haupt = nullptr;
    std::map<std::string, QAction*> m_actions;
    std::map<std::string, QPushButton*> m_buttons;
    TC_Form_Eingabe* m_input = nullptr;
};

} // namespace notavi::gui
