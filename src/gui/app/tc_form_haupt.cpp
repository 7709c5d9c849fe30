#include "gui/app/tc_form_haupt.h"

#include "core/app/display_options_from_settings.h"
#include "core/app/view_settings.h"
#include "core/calendar/day_number.h"
#include "core/engine/view_range.h"
#include "core/model/data_files.h"
#include "core/model/storage.h"
#include "core/model/storage_messages.h"
#include "gui/app/alarm_clock_controller.h"
#include "gui/app/alarm_raiser.h"
#include "gui/app/alarm_ticker.h"
#include "gui/app/countdown_controller.h"
#include "gui/app/editor_command.h"
#include "gui/app/main_search.h"
#include "gui/app/program_info.h"
#include "gui/app/tc_form_info.h"
#include "gui/app/tray_controller.h"
#include "gui/app/view_file_commands.h"
#include "gui/app/window_caption.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/german_formats.h"
#include "gui/platform/settings_conversion.h"
#include "gui/platform/shell_reports.h"
#include "gui/platform/text_conversion.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QUrl>

namespace notavi::gui {
namespace {

QString pathText(const Path& path)
{
    return QString::fromStdString(path.string());
}

const QString kWaitLine1 = QStringLiteral("Ansicht wird aktualisiert.");
const QString kWaitLine2 = QStringLiteral("Bitte einen Augenblick Geduld.");
const QString kNoFileHint =
    QStringLiteral("Keine Termindatei vorhanden. Beachten sie den Hinweis im Fenster!");

} // namespace

TC_FORM_Haupt::TC_FORM_Haupt(const Desktop& desktop, ProgramState& state, QWidget* parent)
    : QMainWindow(parent), m_desktop(desktop), m_state(state),
      m_lineErrors(desktop.boxes, state.lineErrorStateRef(), this)
{
    setObjectName(QStringLiteral("TC_FORM_Haupt"));
    setWindowTitle(QStringLiteral("Notavi"));
    setWindowIcon(QIcon());
    m_lineErrors.setBeforeReport([this] { stopCountdown(); });
    createMenus();
    createContextMenu();
    createControls();
    connectCommands();
    connectOptionToggles();
    createTimedControllers();
    FormCreate();
    fitMinimumWidthToCaptions();
    m_input = new TC_Form_Eingabe(m_desktop.boxes, this);
    m_input->setLookProvider([this] { return dialogLook(); });
    connectDisplayCommands();
    m_alarmTicker->start();
}

TC_FORM_Haupt::~TC_FORM_Haupt() = default;

void TC_FORM_Haupt::FormCreate()
{
    applyGermanFormats();
    m_evaluationDate = m_desktop.clock.today();
    m_state.setLineErrorState(LineErrorState::Show);
    m_helpFile = pathText(m_state.programFolder() / kHelpFileName.toStdString());
    loadStartSettings();
    if (m_state.settingsFileTooLarge())
        m_startMessages.push_back(boxText(kSettingsFileTooLargeMessage));
    if (m_state.settings().extras.startMinimised)
        stopCountdown();
    m_state.loadSettings(SettingsSection::Countdown);
    m_countdown->startFromSettings();
    if (loadFile()) {
        if (deleteExpiredAtStart(m_desktop, m_state, this))
            loadFile();
        evaluate();
    } else {
        setTabCaptions();
    }
}

void TC_FORM_Haupt::loadStartSettings()
{
    m_state.loadSettings({SettingsSection::Main, SettingsSection::BlockDisplay, SettingsSection::BlockColours,
                          SettingsSection::View, SettingsSection::StartView, SettingsSection::Tooltips,
                          SettingsSection::AlarmClock, SettingsSection::Extras});
    applyWindowPlacement();
    applyMainSettings();
    applyMenuChecks();
    applyBarVisibility();
    QSignalBlocker quiet(C_TC_Terminart);
    C_TC_Terminart->setCurrentIndex(std::clamp(m_state.settings().startView.tab, 0, kViewModeCount - 1));
}

int TC_FORM_Haupt::viewMode() const
{
    return C_TC_Terminart->currentIndex();
}

// The widest caption each tab can get over the dates of a year with every weekday and month: the
// window never becomes narrower than the five tabs side by side, whatever date is shown.
void TC_FORM_Haupt::fitMinimumWidthToCaptions()
{
    const DayNumber first = notavi::toDayNumber(2024, 1, 1);
    int tabsWidth = 0;
    for (int tab = 0; tab < kViewModeCount; ++tab) {
        int widest = 0;
        const auto mode = static_cast<ViewMode>(tab);
        for (DayNumber day = first; day < first + 366; ++day)
            widest = std::max(widest, C_TC_Terminart->fontMetrics().horizontalAdvance(
                                          fromCp1252(tabCaption(mode, day)).remove(QLatin1Char('&'))));
        const QString current = C_TC_Terminart->tabText(tab);
        const int padding =
            C_TC_Terminart->tabRect(tab).width() -
            C_TC_Terminart->fontMetrics().horizontalAdvance(QString(current).remove(QLatin1Char('&')));
        tabsWidth += widest + std::max(padding, 0);
    }
    setMinimumWidth(std::max(menuBar()->sizeHint().width(), tabsWidth) + 8);
}

// --- files ------------------------------------------------------------------------------------

bool TC_FORM_Haupt::loadFile()
{
    const FileLoadOutcome outcome = m_state.loadFile();
    if (!outcome.loaded) {
        showLoadFailure(outcome.failure);
        return false;
    }
    updateCommandStates();
    setTabHints();
    for (std::string_view message : outcome.messages)
        m_desktop.boxes.error(this, boxText(message));
    return true;
}

void TC_FORM_Haupt::showLoadFailure(std::string_view message)
{
    stopCountdown();
    updateCommandStates();
    m_entries.clear();
    QStringList lines;
    for (std::string_view line : kMainLoadFailedViewLines)
        lines << fromCp1252(line);
    C_RE_TerminAnzeige->showLines(lines, viewColours().fontColour);
    setTabHints();
    // At start-up the box waits until the window stands where it belongs.
    if (isVisible())
        m_desktop.boxes.warning(this, boxText(message));
    else
        m_startMessages.push_back(boxText(message));
}

void TC_FORM_Haupt::showStartMessages()
{
    const std::vector<QString> messages = std::exchange(m_startMessages, {});
    for (const QString& message : messages)
        m_desktop.boxes.warning(this, message);
}

// --- the view ---------------------------------------------------------------------------------

DisplayOptions TC_FORM_Haupt::displayOptions() const
{
    return displayOptionsFrom(viewSettingsFrom(m_state.settings()));
}

ViewColours TC_FORM_Haupt::viewColours() const
{
    return viewColoursOf(m_state.settings());
}

DialogLook TC_FORM_Haupt::dialogLook() const
{
    return {this,
            {m_state.settings().main.dialogsFollowView,
             toQColor(m_state.settings().main.background.effective()),
             toQColor(m_state.settings().main.font.colour)}};
}

void TC_FORM_Haupt::setTabCaptions()
{
    const auto captions = tabCaptions(m_evaluationDate);
    for (int tab = 0; tab < kViewModeCount; ++tab)
        C_TC_Terminart->setTabText(tab, fromCp1252(captions[static_cast<std::size_t>(tab)]));
}

void TC_FORM_Haupt::setTabHints()
{
    for (int tab = 0; tab < kViewModeCount; ++tab)
        C_TC_Terminart->setTabToolTip(
            tab, m_state.fileLoaded() ? fromCp1252(tabHint(static_cast<ViewMode>(tab))) : kNoFileHint);
}

void TC_FORM_Haupt::evaluate()
{
    const int mode = viewMode();
    setTabCaptions();
    m_entries.clear();
    if (mode == static_cast<int>(ViewMode::Year)) {
        // The year takes a moment: the note stands in the view while it is computed.
        C_RE_TerminAnzeige->showLines({kWaitLine1, kWaitLine2}, viewColours().fontColour);
        C_RE_TerminAnzeige->viewport()->repaint();
    } else {
        C_RE_TerminAnzeige->clear();
    }
    ViewOutcome outcome =
        m_state.evaluate(m_evaluationDate, mode, displayOptions(), m_desktop.clock, m_lineErrors);
    if (!outcome.result.ok) {
        C_RE_TerminAnzeige->clear();
        m_desktop.boxes.error(this, boxText(outcome.result.failure));
        return;
    }
    m_lastRange = outcome.range;
    if (outcome.writeBackFailed)
        m_desktop.boxes.error(this, boxText(kWriteBackFailedMessage));
    m_entries = std::move(outcome.result.entries);
    m_viewComputed = true;
    render();
    if (isVisible())
        C_RE_TerminAnzeige->setFocus();
}

void TC_FORM_Haupt::render()
{
    C_RE_TerminAnzeige->showEntries(m_entries, viewColours(),
                                    viewMode() == static_cast<int>(ViewMode::LastFourWeeks));
}

// --- tabs and the evaluation date -------------------------------------------------------------

void TC_FORM_Haupt::C_TC_TerminartChange(int)
{
    stopCountdown();
    if (m_state.fileLoaded()) {
        evaluate();
        return;
    }
    QSignalBlocker quiet(C_TC_Terminart);
    C_TC_Terminart->setCurrentIndex(0);
    setTabCaptions();
}

void TC_FORM_Haupt::switchTab(int step)
{
    const int tab = (viewMode() + step + kViewModeCount) % kViewModeCount;
    C_TC_Terminart->setCurrentIndex(tab);
}

void TC_FORM_Haupt::moveEvaluationDate(DayNumber date)
{
    m_evaluationDate = date;
    if (m_state.fileLoaded())
        evaluate();
    else
        setTabCaptions();
}

void TC_FORM_Haupt::stepEvaluationDate(int direction)
{
    const SteppedDate stepped = notavi::stepEvaluationDate(viewMode(), m_evaluationDate, direction);
    switch (stepped.step) {
    case DateStep::Moved:
        moveEvaluationDate(stepped.date);
        return;
    case DateStep::OutOfRange:
        // Before 01.01.0001 or after 31.12.9999 there is nothing to show: the date stays.
        m_desktop.beeper.play(SystemSound::Warning);
        return;
    case DateStep::UnknownMode:
        m_desktop.boxes.error(
            this, QStringLiteral("Der Terminzeitraum ist unbekannt. Bitte den Programmierer informieren."));
        return;
    }
}

void TC_FORM_Haupt::C_MItem_RechnerdatumClick()
{
    stopCountdown();
    moveEvaluationDate(m_desktop.clock.today());
}

void TC_FORM_Haupt::C_MItem_VorClick()
{
    stopCountdown();
    stepEvaluationDate(+1);
}

void TC_FORM_Haupt::C_MItem_ZurueckClick()
{
    stopCountdown();
    stepEvaluationDate(-1);
}

void TC_FORM_Haupt::C_MItem_eingebenClick()
{
    stopCountdown();
    DayNumber date = m_evaluationDate;
    if (m_input->askEvaluationDate(date))
        moveEvaluationDate(date);
}

// --- reload -----------------------------------------------------------------------------------

void TC_FORM_Haupt::C_MItem_neuladenClick(bool byUser)
{
    stopCountdown();
    m_state.setLineErrorState(LineErrorState::Show);
    if (!loadFile())
        return;
    if (!byUser && !m_lastRange.contains(m_desktop.clock.today())) {
        // Today is not in the view: collect today's alarms from the new file all the same.
        m_state.collectTodaysAlarms(displayOptions(), m_desktop.clock, m_lineErrors);
    }
    evaluate();
}

// --- help, about, exit ------------------------------------------------------------------------

void TC_FORM_Haupt::C_MItem_NotepadClick()
{
    stopCountdown();
    openTextFileOrReport(m_desktop, this, pathText(m_state.dataFilePath()));
}

void TC_FORM_Haupt::C_MItem_NotaviHilfeClick()
{
    stopCountdown();
    if (QFileInfo(m_helpFile).isFile() && m_desktop.shell.openUrl(QUrl::fromLocalFile(m_helpFile)))
        return;
    m_desktop.boxes.error(this, QStringLiteral("Die Hilfedatei kann nicht angezeigt werden."));
}

void TC_FORM_Haupt::C_MItem_InfoClick()
{
    stopCountdown();
    TC_Form_Info info(m_desktop, m_game, m_state.baseFolder().portable, dialogLook(), this);
    info.exec();
}

void TC_FORM_Haupt::C_MItem_EndeClick()
{
    close();
}

void TC_FORM_Haupt::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    rememberNormalPlace();
}

void TC_FORM_Haupt::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    rememberNormalPlace();
}

// The settings keep the window's frame position and inner size as it stands in its normal state; a
// maximised window's own geometry is the screen's, and its normal geometry gives the inner position,
// which would move the window down by its title bar at each start.
void TC_FORM_Haupt::rememberNormalPlace()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    m_normalFramePosition = frameGeometry().topLeft();
    m_normalSize = size();
}

void TC_FORM_Haupt::closeEvent(QCloseEvent* event)
{
    stopCountdown();
    storeWindowGeometry();
    saveSection(SettingsSection::Main);
    m_tray->removeIcon();
    event->accept();
    Q_EMIT ended();
}

// --- commands ---------------------------------------------------------------------------------

void TC_FORM_Haupt::connectCommands()
{
    connect(C_TC_Terminart, &QTabBar::currentChanged, this, &TC_FORM_Haupt::C_TC_TerminartChange);
    // The keys of tabbed programs switch the view tabs, wherever the focus is in the window.
    const std::pair<QKeySequence, int> tabKeys[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), +1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), +1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto& [keys, step] : tabKeys) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { switchTab(step); });
    }
    const std::pair<Command, void (TC_FORM_Haupt::*)()> commands[] = {
        {Command::C_MItem_Rechnerdatum, &TC_FORM_Haupt::C_MItem_RechnerdatumClick},
        {Command::C_MItem_Vor, &TC_FORM_Haupt::C_MItem_VorClick},
        {Command::C_MItem_Zurueck, &TC_FORM_Haupt::C_MItem_ZurueckClick},
        {Command::C_MItem_eingeben, &TC_FORM_Haupt::C_MItem_eingebenClick},
        {Command::C_MItem_Notepad, &TC_FORM_Haupt::C_MItem_NotepadClick},
        {Command::C_MItem_NotaviHilfe, &TC_FORM_Haupt::C_MItem_NotaviHilfeClick},
        {Command::C_MItem_Info, &TC_FORM_Haupt::C_MItem_InfoClick},
        {Command::C_MItem_Ende, &TC_FORM_Haupt::C_MItem_EndeClick},
    };
    for (const auto& [name, handler] : commands)
        connect(action(name), &QAction::triggered, this, handler);
    connect(action(Command::C_MItem_neuladen), &QAction::triggered, this,
            [this] { C_MItem_neuladenClick(true); });
    connect(action(Command::C_KMItem_kopieren), &QAction::triggered, C_RE_TerminAnzeige,
            &QPlainTextEdit::copy);
    m_editorCommand = std::make_unique<MainEditorCommand>(*this, *C_RE_TerminAnzeige, m_desktop, m_state);
    connectToolCommands();
    for (const Command starter : {Command::C_MItem_bearbeiten, Command::C_KMItem_bearbeiten})
        connect(action(starter), &QAction::triggered, this, [this] {
            stopCountdown();
            m_editorCommand->C_MItem_bearbeitenClick();
        });
    connect(m_buttons[static_cast<std::size_t>(PushButton::C_PSBT_Termineditor)], &QPushButton::clicked,
            action(Command::C_MItem_bearbeiten), &QAction::trigger);
    auto* fileCommands = new ViewFileCommands(*this, *C_RE_TerminAnzeige, m_desktop, m_state);
    const std::pair<Command, void (ViewFileCommands::*)()> fileStarters[] = {
        {Command::C_KMItem_neuerTermin, &ViewFileCommands::C_PSBT_neuClick},
        {Command::C_KMItem_TerminAendern, &ViewFileCommands::C_PSBT_aendernClick},
        {Command::C_KMitem_TerminLoeschen, &ViewFileCommands::C_PSBT_loeschenClick},
        {Command::C_MItem_Verstrichene, &ViewFileCommands::C_MItem_VerstricheneClick},
        {Command::C_KMItem_Verstrichene, &ViewFileCommands::C_MItem_VerstricheneClick},
        {Command::C_MItem_Aktivieren, &ViewFileCommands::C_MItem_AktivierenClick},
        {Command::C_KMItem_Aktivieren, &ViewFileCommands::C_MItem_AktivierenClick},
    };
    for (const auto& [starter, handler] : fileStarters)
        connect(action(starter), &QAction::triggered, this, [this, fileCommands, handler = handler] {
            stopCountdown();
            (fileCommands->*handler)();
        });
    const std::pair<PushButton, Command> buttonStarters[] = {
        {PushButton::C_PSBT_neu, Command::C_KMItem_neuerTermin},
        {PushButton::C_PSBT_aendern, Command::C_KMItem_TerminAendern},
        {PushButton::C_PSBT_loeschen, Command::C_KMitem_TerminLoeschen},
    };
    for (const auto& [button, starter] : buttonStarters)
        connect(m_buttons[static_cast<std::size_t>(button)], &QPushButton::clicked, action(starter),
                &QAction::trigger);
    updateCommandStates();
}

} // namespace notavi::gui
