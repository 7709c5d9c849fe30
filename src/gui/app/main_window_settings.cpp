// The main window and its settings: applying them at start, the menu items that switch one
// setting, and storing the sections they belong to.

#include "core/app/window_geometry.h"
#include "gui/app/tc_form_haupt.h"
#include "gui/dialogs/tc_form_eingabe.h"
#include "gui/platform/settings_conversion.h"

#include <set>

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>
#include <QToolBar>

namespace notavi::gui {
namespace {

// The commands this window carries out so far; the others are shown but disabled.
const std::set<std::string> kAvailableCommands = {
    "C_MItem_neuladen",
    "C_MItem_Ende",
    "C_MItem_Notepad",
    "C_MItem_WTagHeute",
    "C_MItem_WTagRest",
    "C_MItem_Leerzeile",
    "C_MItem_SpeicherAnsicht",
    "C_MItem_Zeilenumbruch",
    "C_MItem_Schaltflaechenleiste",
    "C_MItem_Symbolleiste",
    "C_MItem_Cursor",
    "C_MItem_Rechnerdatum",
    "C_MItem_Vor",
    "C_MItem_Zurueck",
    "C_MItem_eingeben",
    "C_MItem_speichern",
    "C_MItem_Geburtstage",
    "C_MItem_GeburtstageMit",
    "C_MItem_GeburtstageNormal",
    "C_MItem_KeineGeburtstage",
    "C_MItem_Namenstage",
    "C_MItem_WoechentlicheTermine",
    "C_MItem_ZweiwoechentlTermine",
    "C_MItem_VierwoechentlTermine",
    "C_MItem_6woechentlTermine",
    "C_MItem_MonatlicheTermine",
    "C_MItem_JaehrlicheTermine",
    "C_MItem_SeitxJahren",
    "C_MItem_Xwotagauswerten",
    "C_MItem_AllexTage",
    "C_MItem_Ferien",
    "C_MItem_EinmaligeTermine",
    "C_MItem_Ostern",
    "C_MItem_Advent",
    "C_MItem_Feiertage",
    "C_MItem_Mondphasen",
    "C_MItem_Neumond",
    "C_MItem_ZunHalbmond",
    "C_MItem_Vollmond",
    "C_MItem_AbnHalbmond",
    "C_MItem_Uhrzeit",
    "C_MItem_Hintergrund_Windows",
    "C_MItem_Dialogfenster",
    "C_MItem_URLabfrage",
    "C_MItem_LoeschenStart",
    "C_MItem_LoeschenFrist",
    "C_MItem_Alarmvordergrund",
    "C_MItem_SystemTray",
    "C_MItem_MinimiertStarten",
    "C_MItem_NotaviHilfe",
    "C_MItem_Info",
    "C_KMItem_kopieren",
    "C_KMItem_WTagHeute",
    "C_KMItem_WTagRest",
    "C_KMItem_Leerzeile",
    "C_KMItem_Zeilenumbruch",
    "C_KMItem_Cursor",
};

// The commands that need appointments: enabled only while a file is loaded.
const std::set<std::string> kAppointmentCommands = {
    "C_PSBT_neu",
    "C_PSBT_aendern",
    "C_PSBT_loeschen",
    "C_MItem_Verstrichene",
    "C_MItem_Aktivieren",
    "C_KMItem_neuerTermin",
    "C_KMItem_TerminAendern",
    "C_KMitem_TerminLoeschen",
    "C_KMItem_Verstrichene",
    "C_KMItem_Aktivieren",
};

// The check items of the "Extras" menu and the setting each one switches.
struct ExtrasSwitch
{
    const char* name;
    bool ExtrasSettings::*value;
};

constexpr ExtrasSwitch kExtrasSwitches[] = {
    {"C_MItem_URLabfrage", &ExtrasSettings::confirmUrl},
    {"C_MItem_LoeschenStart", &ExtrasSettings::deleteExpiredAtStart},
    {"C_MItem_Alarmvordergrund", &ExtrasSettings::alarmsOnTop},
    {"C_MItem_SystemTray", &ExtrasSettings::minimiseToTray},
    {"C_MItem_MinimiertStarten", &ExtrasSettings::startMinimised},
};

struct ViewSwitch
{
    const char* name;
    const char* contextTwin;
    bool ViewDisplaySettings::*value;
};

constexpr ViewSwitch kWeekdaySwitches[] = {
    {"C_MItem_WTagHeute", "C_KMItem_WTagHeute", &ViewDisplaySettings::weekdayToday},
    {"C_MItem_WTagRest", "C_KMItem_WTagRest", &ViewDisplaySettings::weekdayRest},
    {"C_MItem_Leerzeile", "C_KMItem_Leerzeile", &ViewDisplaySettings::separatorLines},
};

constexpr const char* kMoonItems[] = {"C_MItem_Neumond", "C_MItem_ZunHalbmond", "C_MItem_Vollmond",
                                      "C_MItem_AbnHalbmond"};

void check(QAction* item, bool on)
{
    QSignalBlocker quiet(item);
    item->setChecked(on);
}

} // namespace

void TC_FORM_Haupt::updateCommandStates()
{
    for (const auto& [name, item] : m_actions) {
        const bool available = kAvailableCommands.count(name) != 0;
        item->setEnabled(available &&
                         (kAppointmentCommands.count(name) == 0 || m_appointmentCommandsEnabled));
    }
    for (const auto& [name, button] : m_buttons) {
        const bool available = kAvailableCommands.count(name) != 0;
        button->setEnabled(available &&
                           (kAppointmentCommands.count(name) == 0 || m_appointmentCommandsEnabled));
    }
}

void TC_FORM_Haupt::applyMainSettings()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(1024, 768);
    const WindowGeometry geometry =
        fitToScreen(m_settings.main.geometry, ScreenSize{screenSize.width(), screenSize.height()});
    move(geometry.left, geometry.top);
    resize(geometry.width, geometry.height);

    C_RE_TerminAnzeige->setFont(toQFont(m_settings.main.font));
    QPalette palette = C_RE_TerminAnzeige->palette();
    palette.setColor(QPalette::Base, toQColor(m_settings.main.background.effective()));
    palette.setColor(QPalette::Text, toQColor(m_settings.main.font.colour));
    C_RE_TerminAnzeige->setPalette(palette);
    C_RE_TerminAnzeige->setLineWrapMode(m_settings.view.wordWrap ? QTextEdit::WidgetWidth
                                                                 : QTextEdit::NoWrap);
    const int caretWidth =
        m_settings.view.wideCaret ? std::max(1, C_RE_TerminAnzeige->fontMetrics().height() / 3) : 1;
    C_RE_TerminAnzeige->setCursorWidth(caretWidth);
}

void TC_FORM_Haupt::applyMenuChecks()
{
    const ViewDisplaySettings& view = m_settings.view;
    for (const ViewSwitch& item : kWeekdaySwitches) {
        check(action(item.name), view.*item.value);
        check(action(item.contextTwin), view.*item.value);
    }
    check(action("C_MItem_Zeilenumbruch"), view.wordWrap);
    check(action("C_KMItem_Zeilenumbruch"), view.wordWrap);
    check(action("C_MItem_Schaltflaechenleiste"), view.buttonBar);
    check(action("C_MItem_Symbolleiste"), view.toolBar);
    check(action("C_MItem_Cursor"), view.wideCaret);
    check(action("C_KMItem_Cursor"), view.wideCaret);
    check(action("C_MItem_Tooltip"), m_settings.tooltips.shown);

    const BlockDisplaySettings& blocks = m_settings.blockDisplay;
    for (int block = 0; block < kBlockCount; ++block)
        for (const auto& [name, item] : m_actions)
            if (name.rfind("C_MItem_", 0) == 0 && item->data().isValid() && item->data().toInt() == block)
                check(item, blocks.shown[static_cast<std::size_t>(block)]);
    check(action("C_MItem_GeburtstageMit"), blocks.birthdays == BirthdayMode::WithThousandDays);
    check(action("C_MItem_GeburtstageNormal"), blocks.birthdays == BirthdayMode::Normal);
    check(action("C_MItem_KeineGeburtstage"), blocks.birthdays == BirthdayMode::None);
    for (std::size_t phase = 0; phase < std::size(kMoonItems); ++phase)
        check(action(kMoonItems[phase]), blocks.moonPhases[phase]);
    check(action("C_MItem_Uhrzeit"), blocks.moonClockTime);

    check(action("C_MItem_Hintergrund_Windows"), m_settings.main.background.useWindowColour);
    check(action("C_MItem_Hintergrund_persoenlich"), !m_settings.main.background.useWindowColour);
    check(action("C_MItem_Dialogfenster"), m_settings.main.dialogsFollowView);
    for (const ExtrasSwitch& item : kExtrasSwitches)
        check(action(item.name), m_settings.extras.*item.value);
}

void TC_FORM_Haupt::applyBarVisibility()
{
    C_GRBX_PSBT->setVisible(m_settings.view.buttonBar);
    C_TBa_Notavi->setVisible(m_settings.view.toolBar);
}

void TC_FORM_Haupt::saveSection(SettingsSection section)
{
    // A settings file that cannot be written leaves the settings in memory: nothing to tell the user.
    m_settingsFile->save(section, m_settings);
}

void TC_FORM_Haupt::storeWindowGeometry()
{
    const bool maximised = isMaximized();
    const QRect normal = maximised ? normalGeometry() : geometry();
    const QPoint corner = maximised ? normal.topLeft() : frameGeometry().topLeft();
    m_settings.main.geometry = {corner.y(), corner.x(), normal.width(), normal.height(), maximised};
    storeFont(C_RE_TerminAnzeige->font(), m_settings.main.font);
}

void TC_FORM_Haupt::showAsStarted()
{
    if (m_settings.extras.startMinimised)
        showMinimized();
    else if (m_settings.main.geometry.maximised)
        showMaximized();
    else
        show();
    C_RE_TerminAnzeige->setFocus();
}

// --- the check items ---------------------------------------------------------------------------

void TC_FORM_Haupt::connectOptionToggles()
{
    for (const ViewSwitch& item : kWeekdaySwitches)
        for (const char* name : {item.name, item.contextTwin}) {
            QAction* source = action(name);
            connect(source, &QAction::triggered, this, [this, source] { C_MItem_WochentagClick(source); });
        }
    for (const auto& [name, item] : m_actions) {
        if (name.rfind("C_MItem_", 0) != 0 || !item->data().isValid())
            continue;
        QAction* source = item;
        const int tag = item->data().toInt();
        if (tag >= 161)
            connect(source, &QAction::triggered, this, [this, source] { C_MItem_TBMondphasenClick(source); });
        else
            connect(source, &QAction::triggered, this, [this, source] { C_MItem_TerminblockClick(source); });
    }
    for (const char* name :
         {"C_MItem_GeburtstageMit", "C_MItem_GeburtstageNormal", "C_MItem_KeineGeburtstage"}) {
        QAction* source = action(name);
        connect(source, &QAction::triggered, this, [this, source] { C_MItem_TBGebTagClick(source); });
    }
    for (const char* name : {"C_MItem_Zeilenumbruch", "C_KMItem_Zeilenumbruch"})
        connect(action(name), &QAction::triggered, this, [this] { C_MItem_ZeilenumbruchClick(); });
    for (const char* name :
         {"C_MItem_Schaltflaechenleiste", "C_MItem_Symbolleiste", "C_MItem_Cursor", "C_KMItem_Cursor"}) {
        QAction* source = action(name);
        connect(source, &QAction::triggered, this, [this, source] { C_MItem_BarClick(source); });
    }
    for (const ExtrasSwitch& item : kExtrasSwitches) {
        QAction* source = action(item.name);
        connect(source, &QAction::triggered, this, [this, source] { C_MItem_ExtrasClick(source); });
    }
    connect(action("C_MItem_Dialogfenster"), &QAction::triggered, this,
            [this] { C_MItem_DialogfensterClick(); });
    connect(action("C_MItem_Hintergrund_Windows"), &QAction::triggered, this, [this] {
        stopCountdown();
        m_settings.main.background.useWindowColour = !m_settings.main.background.useWindowColour;
        applyMenuChecks();
        applyMainSettings();
        storeWindowGeometry();
        saveSection(SettingsSection::Main);
    });
    connect(action("C_MItem_SpeicherAnsicht"), &QAction::triggered, this,
            [this] { C_MItem_SpeicherAnsichtClick(); });
    connect(action("C_MItem_speichern"), &QAction::triggered, this, [this] { C_MItem_speichernClick(); });
    connect(action("C_MItem_LoeschenFrist"), &QAction::triggered, this, [this] {
        stopCountdown();
        if (m_input->askDeletionAge(m_settings.extras.deletionPeriodDays))
            saveSection(SettingsSection::Extras);
    });
}

void TC_FORM_Haupt::C_MItem_WochentagClick(QAction* item)
{
    stopCountdown();
    for (const ViewSwitch& entry : kWeekdaySwitches)
        if (item == action(entry.name) || item == action(entry.contextTwin))
            m_settings.view.*entry.value = !(m_settings.view.*entry.value);
    applyMenuChecks();
    saveSection(SettingsSection::View);
    if (m_viewComputed && m_fileLoaded)
        evaluate();
}

void TC_FORM_Haupt::C_MItem_TerminblockClick(QAction* item)
{
    stopCountdown();
    const int block = item->data().toInt();
    m_settings.blockDisplay.shown[static_cast<std::size_t>(block)] = item->isChecked();
    if (m_viewComputed && m_fileLoaded)
        evaluate();
}

void TC_FORM_Haupt::C_MItem_TBGebTagClick(QAction* item)
{
    stopCountdown();
    BirthdayMode mode = BirthdayMode::Normal;
    if (item == action("C_MItem_GeburtstageMit"))
        mode = BirthdayMode::WithThousandDays;
    else if (item == action("C_MItem_KeineGeburtstage"))
        mode = BirthdayMode::None;
    m_settings.blockDisplay.setBirthdayMode(mode);
    applyMenuChecks();
    if (m_viewComputed && m_fileLoaded)
        evaluate();
}

void TC_FORM_Haupt::C_MItem_TBMondphasenClick(QAction* item)
{
    stopCountdown();
    const int tag = item->data().toInt();
    if (tag == 165)
        m_settings.blockDisplay.moonClockTime = item->isChecked();
    else
        m_settings.blockDisplay.setMoonPhase(static_cast<MoonPhase>(tag - 161), item->isChecked());
    applyMenuChecks();
    if (m_viewComputed && m_fileLoaded)
        evaluate();
}

void TC_FORM_Haupt::C_MItem_ZeilenumbruchClick()
{
    stopCountdown();
    m_settings.view.wordWrap = !m_settings.view.wordWrap;
    applyMenuChecks();
    applyMainSettings();
    saveSection(SettingsSection::View);
    if (m_viewComputed && m_fileLoaded)
        render();
}

void TC_FORM_Haupt::C_MItem_BarClick(QAction* item)
{
    stopCountdown();
    ViewDisplaySettings& view = m_settings.view;
    if (item == action("C_MItem_Schaltflaechenleiste"))
        view.buttonBar = !view.buttonBar;
    else if (item == action("C_MItem_Symbolleiste"))
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
            m_settings.extras.*entry.value = item->isChecked();
    saveSection(SettingsSection::Extras);
}

void TC_FORM_Haupt::C_MItem_DialogfensterClick()
{
    stopCountdown();
    m_settings.main.dialogsFollowView = action("C_MItem_Dialogfenster")->isChecked();
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
    m_settings.startView.tab = tab;
    saveSection(SettingsSection::StartView);
}

void TC_FORM_Haupt::C_MItem_speichernClick()
{
    stopCountdown();
    saveSection(SettingsSection::BlockDisplay);
}

} // namespace notavi::gui
