#include "gui/app/tc_form_haupt.h"

#include "core/app/display_options_from_settings.h"
#include "core/app/view_settings.h"
#include "core/calendar/day_number.h"
#include "core/engine/view_range.h"
#include "core/model/data_files.h"
#include "core/model/storage.h"
#include "core/model/storage_messages.h"
#include "gui/app/program_info.h"
#include "gui/app/tc_form_info.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/german_formats.h"
#include "gui/platform/settings_conversion.h"
#include "gui/platform/shell_reports.h"
#include "gui/platform/text_conversion.h"

#include <algorithm>

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QTabBar>
#include <QTextEdit>
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

TC_FORM_Haupt::TC_FORM_Haupt(const Desktop& desktop, const StartupEnvironment& environment, QWidget* parent)
    : QMainWindow(parent), m_desktop(desktop), m_files(environment.files), m_lineErrors(desktop.boxes, this)
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
    FormCreate(environment);
    // The captions of the menus and tabs in this desktop's font set the narrowest useful window.
    setMinimumWidth(std::max(menuBar()->sizeHint().width(), C_TC_Terminart->sizeHint().width()) + 4);
    m_input = new TC_Form_Eingabe(m_desktop.boxes, this);
    m_input->setLookProvider([this] { return dialogLook(); });
}

TC_FORM_Haupt::~TC_FORM_Haupt() = default;

void TC_FORM_Haupt::FormCreate(const StartupEnvironment& environment)
{
    applyGermanFormats();
    m_evaluationDate = m_desktop.clock.today();
    m_lastKnownDate = m_evaluationDate;
    m_lineErrors.setState(LineErrorState::Show);
    m_programFolder = environment.programFolder;
    m_helpFile = pathText(m_programFolder / kHelpFileName.toStdString());
    m_baseFolder = determineBaseFolder(m_files, m_programFolder, environment.userFolders);
    m_settingsFile =
        std::make_unique<SettingsFile>(SettingsFile::inFolder(m_baseFolder.path, environment.files));
    loadStartSettings();
    if (m_settings.extras.startMinimised)
        stopCountdown();
    m_settingsFile->load(SettingsSection::Countdown, m_settings);
    if (loadFile())
        evaluate();
    else
        setTabCaptions();
}

void TC_FORM_Haupt::loadStartSettings()
{
    m_settingsFile->load({SettingsSection::Main, SettingsSection::BlockDisplay, SettingsSection::BlockColours,
                          SettingsSection::View, SettingsSection::StartView, SettingsSection::Tooltips,
                          SettingsSection::AlarmClock, SettingsSection::Extras},
                         m_settings);
    applyMainSettings();
    applyMenuChecks();
    applyBarVisibility();
    QSignalBlocker quiet(C_TC_Terminart);
    C_TC_Terminart->setCurrentIndex(std::clamp(m_settings.startView.tab, 0, kViewModeCount - 1));
}

int TC_FORM_Haupt::viewMode() const
{
    return C_TC_Terminart->currentIndex();
}

// --- files ------------------------------------------------------------------------------------

bool TC_FORM_Haupt::loadFile()
{
    m_file.lines.clear();
    m_fileLoaded = false;
    m_corrected = false;
    MainLoadResult result = loadMainList(m_files, m_baseFolder.path);
    if (!result.loaded()) {
        showLoadFailure();
        return false;
    }
    m_file = std::move(result.file);
    m_corrected = result.corrected;
    m_fileLoaded = true;
    m_appointmentCommandsEnabled = true;
    updateCommandStates();
    setTabHints();
    if (result.status == MainLoadStatus::CreatedDefault)
        for (std::string_view message : saveMessages(result.defaultSave))
            m_desktop.boxes.error(this, boxText(message));
    return true;
}

void TC_FORM_Haupt::showLoadFailure()
{
    stopCountdown();
    m_appointmentCommandsEnabled = false;
    updateCommandStates();
    m_entries.clear();
    QStringList lines;
    for (std::string_view line : kMainLoadFailedViewLines)
        lines << fromCp1252(line);
    showPlainLines(*C_RE_TerminAnzeige, lines, viewColours().fontColour);
    setTabHints();
    m_desktop.boxes.warning(this, boxText(kMainLoadFailedMessage));
}

void TC_FORM_Haupt::writeBackCorrections()
{
    m_corrected = false;
    if (!writeBack(m_files, m_baseFolder.path, m_file.lines))
        m_desktop.boxes.error(this, boxText(kWriteBackFailedMessage));
}

// --- the view ---------------------------------------------------------------------------------

DisplayOptions TC_FORM_Haupt::displayOptions() const
{
    return displayOptionsFrom(viewSettingsFrom(m_settings));
}

ViewColours TC_FORM_Haupt::viewColours() const
{
    return {m_settings.blockColours.codes, toQColor(m_settings.main.font.colour)};
}

DialogLook TC_FORM_Haupt::dialogLook() const
{
    return {this,
            {m_settings.main.dialogsFollowView, toQColor(m_settings.main.background.effective()),
             toQColor(m_settings.main.font.colour)}};
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
        C_TC_Terminart->setTabToolTip(tab, m_fileLoaded ? fromCp1252(tabHint(static_cast<ViewMode>(tab)))
                                                        : kNoFileHint);
}

void TC_FORM_Haupt::evaluate()
{
    const int mode = viewMode();
    setTabCaptions();
    m_entries.clear();
    if (mode == static_cast<int>(ViewMode::Year)) {
        // The year takes a moment: the note stands in the view while it is computed.
        showPlainLines(*C_RE_TerminAnzeige, {kWaitLine1, kWaitLine2}, viewColours().fontColour);
        C_RE_TerminAnzeige->viewport()->repaint();
    } else {
        C_RE_TerminAnzeige->clear();
    }
    const DisplayOptions options = displayOptions();
    EvaluationContext context{options, m_desktop.clock, m_lineErrors, m_alarms};
    EvaluationResult result = evaluateView(m_file.lines, context, m_evaluationDate, mode);
    if (!result.ok) {
        C_RE_TerminAnzeige->clear();
        m_desktop.boxes.error(this, boxText(result.failure));
        return;
    }
    m_lastRange = viewRange(static_cast<ViewMode>(mode), m_evaluationDate);
    if (result.corrected || m_corrected)
        writeBackCorrections();
    m_entries = std::move(result.entries);
    m_viewComputed = true;
    render();
    if (isVisible())
        C_RE_TerminAnzeige->setFocus();
}

void TC_FORM_Haupt::render()
{
    renderEntries(*C_RE_TerminAnzeige, m_entries, viewColours(),
                  viewMode() == static_cast<int>(ViewMode::LastFourWeeks));
}

// --- tabs and the evaluation date -------------------------------------------------------------

void TC_FORM_Haupt::C_TC_TerminartChange(int)
{
    stopCountdown();
    if (m_fileLoaded) {
        evaluate();
        return;
    }
    QSignalBlocker quiet(C_TC_Terminart);
    C_TC_Terminart->setCurrentIndex(0);
    setTabCaptions();
}

void TC_FORM_Haupt::moveEvaluationDate(DayNumber date)
{
    m_evaluationDate = date;
    if (m_fileLoaded)
        evaluate();
    else
        setTabCaptions();
}

std::optional<DayNumber> TC_FORM_Haupt::steppedDate(int direction)
{
    switch (static_cast<ViewMode>(viewMode())) {
    case ViewMode::Week:
        return m_evaluationDate + direction * 7;
    case ViewMode::FourWeeks:
    case ViewMode::LastFourWeeks:
        return m_evaluationDate + direction * 28;
    case ViewMode::Month:
        return addMonths(m_evaluationDate, direction);
    case ViewMode::Year:
        return addYears(m_evaluationDate, direction);
    }
    m_desktop.boxes.error(
        this, QStringLiteral("Der Terminzeitraum ist unbekannt. Bitte den Programmierer informieren."));
    return std::nullopt;
}

void TC_FORM_Haupt::C_MItem_RechnerdatumClick()
{
    stopCountdown();
    moveEvaluationDate(m_desktop.clock.today());
}

void TC_FORM_Haupt::C_MItem_VorClick()
{
    stopCountdown();
    if (std::optional<DayNumber> date = steppedDate(+1))
        moveEvaluationDate(*date);
}

void TC_FORM_Haupt::C_MItem_ZurueckClick()
{
    stopCountdown();
    if (std::optional<DayNumber> date = steppedDate(-1))
        moveEvaluationDate(*date);
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
    m_file.lines.clear();
    m_lineErrors.setState(LineErrorState::Show);
    if (!loadFile())
        return;
    const DayNumber today = m_desktop.clock.today();
    if (!byUser && !m_lastRange.contains(today)) {
        // Today is not in the view: collect today's alarms from the new file all the same.
        const DisplayOptions options = displayOptions();
        EvaluationContext context{options, m_desktop.clock, m_lineErrors, m_alarms};
        evaluateView(m_file.lines, context, today, 0, EvaluationPass::Alarm);
    }
    evaluate();
}

// --- help, about, exit ------------------------------------------------------------------------

void TC_FORM_Haupt::C_MItem_NotepadClick()
{
    stopCountdown();
    openTextFileOrReport(m_desktop, this, pathText(m_baseFolder.path / std::string(kDataFileName)));
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
    TC_Form_Info info(m_desktop, m_game, m_baseFolder.portable, dialogLook(), this);
    info.exec();
}

void TC_FORM_Haupt::C_MItem_EndeClick()
{
    close();
}

void TC_FORM_Haupt::closeEvent(QCloseEvent* event)
{
    stopCountdown();
    storeWindowGeometry();
    saveSection(SettingsSection::Main);
    event->accept();
}

// --- commands ---------------------------------------------------------------------------------

QAction* TC_FORM_Haupt::action(const char* name) const
{
    return m_actions.at(name);
}

void TC_FORM_Haupt::connectCommands()
{
    connect(C_TC_Terminart, &QTabBar::currentChanged, this, &TC_FORM_Haupt::C_TC_TerminartChange);
    const std::pair<const char*, void (TC_FORM_Haupt::*)()> commands[] = {
        {"C_MItem_Rechnerdatum", &TC_FORM_Haupt::C_MItem_RechnerdatumClick},
        {"C_MItem_Vor", &TC_FORM_Haupt::C_MItem_VorClick},
        {"C_MItem_Zurueck", &TC_FORM_Haupt::C_MItem_ZurueckClick},
        {"C_MItem_eingeben", &TC_FORM_Haupt::C_MItem_eingebenClick},
        {"C_MItem_Notepad", &TC_FORM_Haupt::C_MItem_NotepadClick},
        {"C_MItem_NotaviHilfe", &TC_FORM_Haupt::C_MItem_NotaviHilfeClick},
        {"C_MItem_Info", &TC_FORM_Haupt::C_MItem_InfoClick},
        {"C_MItem_Ende", &TC_FORM_Haupt::C_MItem_EndeClick},
    };
    for (const auto& [name, handler] : commands)
        connect(action(name), &QAction::triggered, this, handler);
    connect(action("C_MItem_neuladen"), &QAction::triggered, this, [this] { C_MItem_neuladenClick(true); });
    connect(action("C_KMItem_kopieren"), &QAction::triggered, C_RE_TerminAnzeige, &QTextEdit::copy);
    updateCommandStates();
}

} // namespace notavi::gui
