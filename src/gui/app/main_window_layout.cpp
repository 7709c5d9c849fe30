// The main window's controls: the view tabs over the view, the tool bar and the button group.

#include "gui/app/tc_form_haupt.h"
#include "gui/app/tool_icons.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace notavi::gui {
namespace {

struct ToolBarEntry
{
    const char* name; // nullptr: a separator
    Command command;  // the menu or context item whose command the button runs
    ToolIcon icon;
    const char* hint; // UTF-8
};

// In groups, separated by an empty entry.
const ToolBarEntry kToolButtons[] = {
    {"C_TBu_neu", Command::C_KMItem_neuerTermin, ToolIcon::NewAppointment, "Neuen Termin eingeben"},
    {"C_TBu_aendern", Command::C_KMItem_TerminAendern, ToolIcon::ChangeAppointment, "Termin ändern"},
    {"C_TBu_loeschen", Command::C_KMitem_TerminLoeschen, ToolIcon::DeleteAppointment, "Termin löschen"},
    {},
    {"C_TBu_Sicherungsdatei", Command::C_MItem_Sicherungsdateiladen, ToolIcon::LoadBackup,
     "Sicherungsdatei laden"},
    {"C_TBu_drucken", Command::C_MItem_Drucken, ToolIcon::Print, "Terminansicht drucken"},
    {"C_TBu_Termineditor", Command::C_MItem_bearbeiten, ToolIcon::Editor,
     "Termindatei im Termineditor bearbeiten"},
    {"C_TBu_Suchen", Command::C_MItem_SuchenNach, ToolIcon::Find, "In der Terminansicht suchen"},
    {},
    {"C_TBu_Heute", Command::C_MItem_Rechnerdatum, ToolIcon::Today, "Auswertungsdatum auf heute setzen"},
    {"C_TBu_zurueck", Command::C_MItem_Zurueck, ToolIcon::Back,
     "Auswertungsdatum um den Terminzeitraum zurückstellen"},
    {"C_TBu_vor", Command::C_MItem_Vor, ToolIcon::Forward,
     "Auswertungsdatum um den Terminzeitraum vorstellen"},
    {"C_TBu_eingeben", Command::C_MItem_eingeben, ToolIcon::EnterDate, "Auswertungsdatum eingeben"},
    {},
    {"C_TBu_TbAuswahl", Command::C_MItem_Terminblockauswahl, ToolIcon::BlockChoice,
     "Angezeigte Terminblöcke auswählen"},
    {"C_TBu_Schrift", Command::C_MItem_Schrift, ToolIcon::Font, "Schrift der Terminansicht"},
    {"C_TBu_Hintergrundfarbe", Command::C_MItem_Hintergrund_persoenlich, ToolIcon::Background,
     "Hintergrundfarbe der Terminansicht"},
    {"C_TBu_TbFarbe", Command::C_MItem_Terminblockfarbe, ToolIcon::BlockColours, "Farben der Terminblöcke"},
    {},
    {"C_TBu_Wecker", Command::C_MItem_Wecker, ToolIcon::AlarmClock, "Wecker stellen"},
    {"C_TBu_URL", Command::C_MItem_URL, ToolIcon::OpenUrl, "URL des Termins im Standardbrowser aufrufen"},
    {"C_TBu_verstrichene", Command::C_MItem_Verstrichene, ToolIcon::DeleteExpired,
     "Verstrichene Termine löschen"},
    {},
    {"C_TBu_Hilfe", Command::C_MItem_NotaviHilfe, ToolIcon::Help, "Notavi-Hilfe"},
};

// Pixels between the push buttons and before the first; the height of the shown button group.
constexpr int kButtonSpacing = 8;
constexpr int kButtonGroupHeight = 41;

} // namespace

void TC_FORM_Haupt::createControls()
{
    auto* centre = new QWidget(this);
    auto* column = new QVBoxLayout(centre);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    C_TC_Terminart = new QTabBar(centre);
    C_TC_Terminart->setObjectName(QStringLiteral("C_TC_Terminart"));
    C_TC_Terminart->setExpanding(false);
    C_TC_Terminart->setDrawBase(true);
    C_TC_Terminart->setElideMode(Qt::ElideNone);
    C_TC_Terminart->setUsesScrollButtons(true);
    for (int tab = 0; tab < kViewModeCount; ++tab)
        C_TC_Terminart->addTab(QString());

    C_RE_TerminAnzeige = new EntryView(centre);
    C_RE_TerminAnzeige->setObjectName(QStringLiteral("C_RE_TerminAnzeige"));
    C_RE_TerminAnzeige->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    C_RE_TerminAnzeige->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    C_RE_TerminAnzeige->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(C_RE_TerminAnzeige, &QWidget::customContextMenuRequested, this, &TC_FORM_Haupt::showContextMenu);
    connect(C_RE_TerminAnzeige, &QPlainTextEdit::selectionChanged, this, [this] { refreshCaret(); });

    column->addWidget(C_TC_Terminart);
    column->addWidget(C_RE_TerminAnzeige, 1);
    createButtonGroup();
    column->addWidget(C_GRBX_PSBT);
    setCentralWidget(centre);
    createToolBar();
    createBarMenus();
}

// A right click on either bar offers to hide it.
void TC_FORM_Haupt::createBarMenus()
{
    const auto barMenu = [this](QWidget* bar, Command item, const QString& caption, Command toggle) {
        auto* menu = new QMenu(bar);
        addMenuItem(menu, item, caption);
        connect(action(item), &QAction::triggered, this, [this, toggle] { action(toggle)->trigger(); });
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, menu,
                [bar, menu](const QPoint& at) { menu->popup(bar->mapToGlobal(at)); });
    };
    barMenu(C_GRBX_PSBT, Command::C_KMItem_AusblendenSchaltflaechenleiste,
            QStringLiteral("Schaltfl\u00E4chenleiste ausblenden."), Command::C_MItem_Schaltflaechenleiste);
    barMenu(C_TBa_Notavi, Command::C_KMItem_AusblendenSymbolleiste,
            QStringLiteral("Symbolleiste ausblenden."), Command::C_MItem_Symbolleiste);
}

void TC_FORM_Haupt::createButtonGroup()
{
    C_GRBX_PSBT = new QGroupBox(this);
    C_GRBX_PSBT->setObjectName(QStringLiteral("C_GRBX_PSBT"));
    C_GRBX_PSBT->setFixedHeight(kButtonGroupHeight);
    C_GRBX_PSBT->setFlat(true);
    auto* row = new QHBoxLayout(C_GRBX_PSBT);
    row->setContentsMargins(kButtonSpacing, 0, kButtonSpacing, 0);
    row->setSpacing(kButtonSpacing);
    // In the order of PushButton.
    const std::pair<const char*, QString> buttons[kPushButtonCount] = {
        {"C_PSBT_neu", QStringLiteral("neuer Termin... &1")},
        {"C_PSBT_aendern", QStringLiteral("Termin \u00E4ndern... &2")},
        {"C_PSBT_loeschen", QStringLiteral("Termin l\u00F6schen &3")},
        {"C_PSBT_Termineditor", QStringLiteral("Termineditor &4")},
    };
    for (std::size_t index = 0; index < kPushButtonCount; ++index) {
        const auto& [name, caption] = buttons[index];
        auto* button = new QPushButton(caption, C_GRBX_PSBT);
        button->setObjectName(QString::fromLatin1(name));
        button->setMinimumWidth(button->sizeHint().width() + 16);
        button->setFocusPolicy(Qt::TabFocus);
        row->addWidget(button);
        m_buttons[index] = button;
    }
    row->addStretch(1);
}

void TC_FORM_Haupt::createToolBar()
{
    C_TBa_Notavi = new QToolBar(QStringLiteral("Symbolleiste"), this);
    C_TBa_Notavi->setObjectName(QStringLiteral("C_TBa_Notavi"));
    C_TBa_Notavi->setMovable(false);
    C_TBa_Notavi->setFloatable(false);
    C_TBa_Notavi->setIconSize(QSize(24, 24));
    addToolBar(Qt::TopToolBarArea, C_TBa_Notavi);
    for (const ToolBarEntry& tool : kToolButtons) {
        if (!tool.name) {
            C_TBa_Notavi->addSeparator();
            continue;
        }
        QAction* command = action(tool.command);
        auto* button = new QToolButton(C_TBa_Notavi);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setIcon(toolIcon(tool.icon));
        button->setToolTip(QString::fromUtf8(tool.hint));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setEnabled(command->isEnabled());
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
        C_TBa_Notavi->addWidget(button);
    }
    // The menus show the same pictures as the tool bar.
    for (const ToolBarEntry& tool : kToolButtons)
        if (tool.name)
            action(tool.command)->setIcon(toolIcon(tool.icon));
}

void TC_FORM_Haupt::showContextMenu(const QPoint& position)
{
    stopCountdown();
    action(Command::C_KMItem_kopieren)->setEnabled(C_RE_TerminAnzeige->textCursor().hasSelection());
    const std::pair<Command, Command> twins[] = {
        {Command::C_KMItem_WTagHeute, Command::C_MItem_WTagHeute},
        {Command::C_KMItem_WTagRest, Command::C_MItem_WTagRest},
        {Command::C_KMItem_Leerzeile, Command::C_MItem_Leerzeile},
        {Command::C_KMItem_Zeilenumbruch, Command::C_MItem_Zeilenumbruch},
        {Command::C_KMItem_Cursor, Command::C_MItem_Cursor},
    };
    for (const auto& [context, main] : twins) {
        QSignalBlocker quiet(action(context));
        action(context)->setChecked(action(main)->isChecked());
    }
    C_PopupMenu_Haupt->popup(C_RE_TerminAnzeige->viewport()->mapToGlobal(position));
}

} // namespace notavi::gui
