// The main window and its settings: applying them at start, the menu items that switch one
// setting, and storing the sections they belong to.

#include "core/app/deletion_question.h"
#include "core/app/window_geometry.h"
#include "gui/app/main_search.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/app/view_appearance.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/quiet_check.h"
#include "gui/platform/settings_conversion.h"
#include "gui/platform/text_conversion.h"
#include "gui/platform/wide_caret.h"

#include <algorithm>

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>

namespace notavi::gui {
namespace {

// The commands that need appointments: enabled only while a file is loaded.
constexpr Command kAppointmentCommands[] = {
    Command::C_MItem_Verstrichene,   Command::C_MItem_Aktivieren,      Command::C_KMItem_neuerTermin,
    Command::C_KMItem_TerminAendern, Command::C_KMitem_TerminLoeschen, Command::C_KMItem_Verstrichene,
    Command::C_KMItem_Aktivieren,
};

// The check items of the "Extras" menu and the setting each one switches.
struct ExtrasSwitch
{
    Command name;
    bool ExtrasSettings::*value;
};

constexpr ExtrasSwitch kExtrasSwitches[] = {
    {Command::C_MItem_URLabfrage, &ExtrasSettings::confirmUrl},
    {Command::C_MItem_Alarmvordergrund, &ExtrasSettings::alarmsOnTop},
    {Command::C_MItem_SystemTray, &ExtrasSettings::minimiseToTray},
    {Command::C_MItem_MinimiertStarten, &ExtrasSettings::startMinimised},
};

struct ViewSwitch
{
    Command name;
    Command contextTwin;
    bool ViewDisplaySettings::*value;
};

constexpr ViewSwitch kWeekdaySwitches[] = {
    {Command::C_MItem_WTagHeute, Command::C_KMItem_WTagHeute, &ViewDisplaySettings::weekdayToday},
    {Command::C_MItem_WTagRest, Command::C_KMItem_WTagRest, &ViewDisplaySettings::weekdayRest},
    {Command::C_MItem_Leerzeile, Command::C_KMItem_Leerzeile, &ViewDisplaySettings::separatorLines},
};

constexpr Command kMoonItems[] = {Command::C_MItem_Neumond, Command::C_MItem_ZunHalbmond,
                                  Command::C_MItem_Vollmond, Command::C_MItem_AbnHalbmond};

template <typename T, std::size_t N> bool contains(const T (&list)[N], T value)
{
    return std::find(std::begin(list), std::end(list), value) != std::end(list);
}

} // namespace

void TC_FORM_Haupt::updateCommandStates()
{
    const bool appointments = m_state.fileLoaded();
    for (std::size_t index = 0; index < kCommandCount; ++index) {
        const auto command = static_cast<Command>(index);
        m_actions[index]->setEnabled(appointments || !contains(kAppointmentCommands, command));
    }
    action(Command::C_MItem_TimerDeaktivieren)->setEnabled(countdownRunning());
    action(Command::C_MItem_NaechstesSuchen)->setEnabled(m_search && m_search->searchDone());
    // The buttons of the commands on appointments need a loaded file, like their menu items.
    for (QPushButton* button : m_buttons)
        button->setEnabled(button == m_buttons[static_cast<std::size_t>(PushButton::C_PSBT_Termineditor)] ||
                           appointments);
}

namespace {

// The usable part of the screen the stored position lies on (the primary one when it lies on none).
ScreenArea screenAreaAt(const QPoint& position)
{
    QScreen* screen = QGuiApplication::screenAt(position);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {area.left(), area.top(), area.width(), area.height()};
}

} // namespace

// Before the window is shown its frame is unknown: the style's title bar stands in for it, and
// refitToScreen corrects the place once the frame is there.
void TC_FORM_Haupt::applyWindowPlacement()
{
    const WindowGeometry stored = m_state.settings().main.geometry;
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const WindowGeometry geometry =
        fitToScreen(stored, screenAreaAt({stored.left, stored.top}), FrameExtent{0, titleBar});
    move(geometry.left, geometry.top);
    resize(geometry.width, geometry.height);
    m_normalFramePosition = QPoint(geometry.left, geometry.top);
    m_normalSize = QSize(geometry.width, geometry.height);
}

void TC_FORM_Haupt::refitToScreen()
{
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return;
    const QRect frame = frameGeometry();
    const QRect inner = geometry();
    const WindowGeometry now{frame.top(), frame.left(), inner.width(), inner.height(), false};
    const WindowGeometry fitted =
        fitToScreen(now, screenAreaAt(frame.topLeft()),
                    FrameExtent{frame.width() - inner.width(), frame.height() - inner.height()});
    if (fitted == now)
        return;
    move(fitted.left, fitted.top);
    resize(fitted.width, fitted.height);
}

void TC_FORM_Haupt::applyMainSettings()
{
    C_RE_TerminAnzeige->setFont(toQFont(m_state.settings().main.font));
    paintColours(*C_RE_TerminAnzeige, m_state.settings().main.font, m_state.settings().main.background);
    C_RE_TerminAnzeige->setLineWrapMode(m_state.settings().view.wordWrap ? QPlainTextEdit::WidgetWidth
                                                                         : QPlainTextEdit::NoWrap);
    refreshCaret();
}

void TC_FORM_Haupt::refreshCaret()
{
    showCaret(*C_RE_TerminAnzeige, m_state.settings().view.wideCaret);
}

void TC_FORM_Haupt::applyMenuChecks()
{
    const ViewDisplaySettings& view = m_state.settings().view;
    for (const ViewSwitch& item : kWeekdaySwitches) {
        setCheckedQuietly(action(item.name), view.*item.value);
        setCheckedQuietly(action(item.contextTwin), view.*item.value);
    }
    setCheckedQuietly(action(Command::C_MItem_Zeilenumbruch), view.wordWrap);
    setCheckedQuietly(action(Command::C_KMItem_Zeilenumbruch), view.wordWrap);
    setCheckedQuietly(action(Command::C_MItem_Schaltflaechenleiste), view.buttonBar);
    setCheckedQuietly(action(Command::C_MItem_Symbolleiste), view.toolBar);
    setCheckedQuietly(action(Command::C_MItem_Cursor), view.wideCaret);
    setCheckedQuietly(action(Command::C_KMItem_Cursor), view.wideCaret);
    setCheckedQuietly(action(Command::C_MItem_Tooltip), m_state.settings().tooltips.shown);

    const BlockDisplaySettings& blocks = m_state.settings().blockDisplay;
    for (int block = 0; block < kBlockCount; ++block)
        for (QAction* item : m_actions)
            if (item->data().isValid() && item->data().toInt() == block)
                setCheckedQuietly(item, blocks.shown[static_cast<std::size_t>(block)]);
    setCheckedQuietly(action(Command::C_MItem_GeburtstageMit),
                      blocks.birthdays == BirthdayMode::WithThousandDays);
    setCheckedQuietly(action(Command::C_MItem_GeburtstageNormal), blocks.birthdays == BirthdayMode::Normal);
    setCheckedQuietly(action(Command::C_MItem_KeineGeburtstage), blocks.birthdays == BirthdayMode::None);
    for (std::size_t phase = 0; phase < std::size(kMoonItems); ++phase)
        setCheckedQuietly(action(kMoonItems[phase]), blocks.moonPhases[phase]);
    setCheckedQuietly(action(Command::C_MItem_Uhrzeit), blocks.moonClockTime);

    setCheckedQuietly(action(Command::C_MItem_Hintergrund_Windows),
                      m_state.settings().main.background.useWindowColour);
    setCheckedQuietly(action(Command::C_MItem_Hintergrund_persoenlich),
                      !m_state.settings().main.background.useWindowColour);
    setCheckedQuietly(action(Command::C_MItem_Dialogfenster), m_state.settings().main.dialogsFollowView);
    for (const ExtrasSwitch& item : kExtrasSwitches)
        setCheckedQuietly(action(item.name), m_state.settings().extras.*item.value);
    setCheckedQuietly(action(Command::C_MItem_LoeschenStart), m_state.settings().extras.deleteExpiredAtStart);
}

void TC_FORM_Haupt::applyBarVisibility()
{
    C_GRBX_PSBT->setVisible(m_state.settings().view.buttonBar);
    C_TBa_Notavi->setVisible(m_state.settings().view.toolBar);
}

void TC_FORM_Haupt::saveSection(SettingsSection section)
{
    // A settings file that cannot be written leaves the settings in memory: nothing to tell the user.
    m_state.saveSettings(section);
}

void TC_FORM_Haupt::storeWindowGeometry()
{
    rememberNormalPlace();
    m_state.settings().main.geometry = {m_normalFramePosition.y(), m_normalFramePosition.x(),
                                        m_normalSize.width(), m_normalSize.height(), isMaximized()};
    storeFont(C_RE_TerminAnzeige->font(), m_state.settings().main.font);
}

void TC_FORM_Haupt::showAsStarted()
{
    if (m_state.settings().extras.startMinimised)
        showMinimized();
    else if (m_state.settings().main.geometry.maximised)
        showMaximized();
    else
        show();
    C_RE_TerminAnzeige->setFocus();
    // The window manager frames the window after it is shown: then its place is checked once more.
    QTimer::singleShot(0, this, [this] {
        refitToScreen();
        showStartMessages();
    });
}

// --- the check items ---------------------------------------------------------------------------

void TC_FORM_Haupt::connectOptionToggles()
{
    for (const ViewSwitch& item : kWeekdaySwitches)
        for (Command name : {item.name, item.contextTwin}) {
            QAction* source = action(name);
            connect(source, &QAction::triggered, this, [this, source] { C_MItem_WochentagClick(source); });
        }
    for (QAction* item : m_actions) {
        if (!item->data().isValid())
            continue;
        QAction* source = item;
        const int tag = item->data().toInt();
        if (tag >= 161)
            connect(source, &QAction::triggered, this, [this, source] { C_MItem_TBMondphasenClick(source); });
        else
            connect(source, &QAction::triggered, this, [this, source] { C_MItem_TerminblockClick(source); });
    }
    for (Command name : {Command::C_MItem_GeburtstageMit, Command::C_MItem_GeburtstageNormal,
                         Command::C_MItem_KeineGeburtstage}) {
        QAction* source = action(name);
        connect(source, &QAction::triggered, this, [this, source] { C_MItem_TBGebTagClick(source); });
    }
    for (Command name : {Command::C_MItem_Zeilenumbruch, Command::C_KMItem_Zeilenumbruch})
        connect(action(name), &QAction::triggered, this, [this] { C_MItem_ZeilenumbruchClick(); });
    for (Command name : {Command::C_MItem_Schaltflaechenleiste, Command::C_MItem_Symbolleiste,
                         Command::C_MItem_Cursor, Command::C_KMItem_Cursor}) {
        QAction* source = action(name);
        connect(source, &QAction::triggered, this, [this, source] { C_MItem_BarClick(source); });
    }
    for (const ExtrasSwitch& item : kExtrasSwitches) {
        QAction* source = action(item.name);
        connect(source, &QAction::triggered, this, [this, source] { C_MItem_ExtrasClick(source); });
    }
    connect(action(Command::C_MItem_Dialogfenster), &QAction::triggered, this,
            [this] { C_MItem_DialogfensterClick(); });
    connect(action(Command::C_MItem_Hintergrund_Windows), &QAction::triggered, this, [this] {
        stopCountdown();
        m_state.settings().main.background.useWindowColour =
            !m_state.settings().main.background.useWindowColour;
        applyMenuChecks();
        applyMainSettings();
        storeWindowGeometry();
        saveSection(SettingsSection::Main);
    });
    connect(action(Command::C_MItem_SpeicherAnsicht), &QAction::triggered, this,
            [this] { C_MItem_SpeicherAnsichtClick(); });
    connect(action(Command::C_MItem_speichern), &QAction::triggered, this,
            [this] { C_MItem_speichernClick(); });
    connect(action(Command::C_MItem_LoeschenStart), &QAction::triggered, this,
            [this] { C_MItem_LoeschenStartClick(); });
    connect(action(Command::C_MItem_LoeschenFrist), &QAction::triggered, this,
            [this] { C_MItem_LoeschenFristClick(); });
}

void TC_FORM_Haupt::C_MItem_WochentagClick(QAction* item)
{
    stopCountdown();
    const ViewPosition place = C_RE_TerminAnzeige->position();
    for (const ViewSwitch& entry : kWeekdaySwitches)
        if (item == action(entry.name) || item == action(entry.contextTwin))
            m_state.settings().view.*entry.value = !(m_state.settings().view.*entry.value);
    applyMenuChecks();
    saveSection(SettingsSection::View);
    if (m_viewComputed && m_state.fileLoaded()) {
        evaluate();
        C_RE_TerminAnzeige->restorePosition(place, true);
    }
}

void TC_FORM_Haupt::C_MItem_TerminblockClick(QAction* item)
{
    stopCountdown();
    const int block = item->data().toInt();
    m_state.settings().blockDisplay.shown[static_cast<std::size_t>(block)] = item->isChecked();
    if (m_viewComputed && m_state.fileLoaded())
        evaluate();
}

void TC_FORM_Haupt::C_MItem_TBGebTagClick(QAction* item)
{
    stopCountdown();
    BirthdayMode mode = BirthdayMode::Normal;
    if (item == action(Command::C_MItem_GeburtstageMit))
        mode = BirthdayMode::WithThousandDays;
    else if (item == action(Command::C_MItem_KeineGeburtstage))
        mode = BirthdayMode::None;
    m_state.settings().blockDisplay.setBirthdayMode(mode);
    applyMenuChecks();
    if (m_viewComputed && m_state.fileLoaded())
        evaluate();
}

void TC_FORM_Haupt::C_MItem_TBMondphasenClick(QAction* item)
{
    stopCountdown();
    const int tag = item->data().toInt();
    if (tag == 165)
        m_state.settings().blockDisplay.moonClockTime = item->isChecked();
    else
        m_state.settings().blockDisplay.setMoonPhase(static_cast<MoonPhase>(tag - 161), item->isChecked());
    applyMenuChecks();
    if (m_viewComputed && m_state.fileLoaded())
        evaluate();
}

void TC_FORM_Haupt::C_MItem_ZeilenumbruchClick()
{
    stopCountdown();
    m_state.settings().view.wordWrap = !m_state.settings().view.wordWrap;
    applyMenuChecks();
    saveSection(SettingsSection::View);
    m_appearance->recolourKeepingPlace(true);
}

void TC_FORM_Haupt::C_MItem_BarClick(QAction* item)
{
    stopCountdown();
    ViewDisplaySettings& view = m_state.settings().view;
    if (item == action(Command::C_MItem_Schaltflaechenleiste))
        view.buttonBar = !view.buttonBar;
    else if (item == action(Command::C_MItem_Symbolleiste))
        view.toolBar = !view.toolBar;
    else
        view.wideCaret = !view.wideCaret;
    applyMenuChecks();
    applyBarVisibility();
    applyMainSettings();
    saveSection(SettingsSection::View);
}

void TC_FORM_Haupt::C_MItem_ExtrasClick(QAction* item)
{
    stopCountdown();
    for (const ExtrasSwitch& entry : kExtrasSwitches)
        if (item == action(entry.name))
            m_state.settings().extras.*entry.value = item->isChecked();
    saveSection(SettingsSection::Extras);
}

void TC_FORM_Haupt::C_MItem_LoeschenStartClick()
{
    stopCountdown();
    askDeletionSwitch();
}

// Setting a period offers to switch the deletion on, when it is off.
void TC_FORM_Haupt::C_MItem_LoeschenFristClick()
{
    stopCountdown();
    if (!m_input->askDeletionAge(m_state.settings().extras.deletionPeriodDays))
        return;
    saveSection(SettingsSection::Extras);
    if (!m_state.settings().extras.deleteExpiredAtStart)
        askDeletionSwitch();
}

void TC_FORM_Haupt::askDeletionSwitch()
{
    ExtrasSettings& extras = m_state.settings().extras;
    if (m_desktop.boxes.confirm(
            this, boxText(deletionSwitchQuestion(extras.deleteExpiredAtStart, extras.deletionPeriodDays))))
        extras.deleteExpiredAtStart = !extras.deleteExpiredAtStart;
    setCheckedQuietly(action(Command::C_MItem_LoeschenStart), extras.deleteExpiredAtStart);
    saveSection(SettingsSection::Extras);
}

void TC_FORM_Haupt::C_MItem_DialogfensterClick()
{
    stopCountdown();
    m_state.settings().main.dialogsFollowView = action(Command::C_MItem_Dialogfenster)->isChecked();
    storeWindowGeometry();
    saveSection(SettingsSection::Main);
}

void TC_FORM_Haupt::C_MItem_SpeicherAnsichtClick()
{
    stopCountdown();
    static const QString kPhrases[] = {QStringLiteral("f\u00FCr den aktuellen Tag "),
                                       QStringLiteral("der Termine der n\u00E4chsten vier Wochen "),
                                       QStringLiteral("f\u00FCr den aktuellen Monat "),
                                       QStringLiteral("der Termine der letzten vier Wochen "),
                                       QStringLiteral("aller Termine im aktuellen Jahr ")};
    const int tab = viewMode();
    const QString phrase =
        tab >= 0 && tab < kViewModeCount
            ? kPhrases[tab]
            : QStringLiteral("- unbekannt, bitte Programmierer informieren und Nein w\u00E4hlen - ");
    if (!m_desktop.boxes.confirm(
            this, QStringLiteral("Soll Notavi ab dem n\u00E4chsten Start mit der Termin-\n\nansicht ") +
                      phrase + QStringLiteral("starten ?")))
        return;
    m_state.settings().startView.tab = tab;
    saveSection(SettingsSection::StartView);
}

void TC_FORM_Haupt::C_MItem_speichernClick()
{
    stopCountdown();
    saveSection(SettingsSection::BlockDisplay);
}

} // namespace notavi::gui
