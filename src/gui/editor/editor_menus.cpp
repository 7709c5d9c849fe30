// The editor's controls: the tab control over the text, the calendar panel, the status line, the
// button bar, the tool bar, the menus and the context menus.

#include "core/editor/editor_tabs.h"
#include "gui/app/tool_icons.h"
#include "gui/editor/calendar_panel.h"
#include "gui/editor/check_list_panel.h"
#include "gui/editor/editor_messages.h"
#include "gui/editor/editor_text.h"
#include "gui/editor/line_mirror.h"
#include "gui/editor/tc_form_editor.h"
#include "gui/platform/text_conversion.h"

#include <functional>
#include <variant>

#include <QAction>
#include <QGroupBox>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace notavi::gui {
namespace {

using Cmd = EditorCommand;

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

// A tool button runs a menu command, or stands for one of the push buttons (index into the bar).
struct ToolEntry
{
    const char* name; // nullptr: a separator
    Cmd command;
    int button; // -1: the command; kFollowsShownControl; 0..3: the push button of that index
    std::variant<ToolIcon, QStyle::StandardPixmap> icon;
    const char* hint; // UTF-8
};

// "Schrift" and "Hintergrundfarbe" act on the text or the check list, whichever is shown; the
// editor's appearance controller connects them.
constexpr int kFollowsShownControl = -2;

const ToolEntry kTools[] = {
    {"C_TBu_neu", Cmd::C_KMItem_neuerTermin, 0, ToolIcon::NewAppointment, "Neuen Termin eingeben"},
    {"C_TBu_aendern", Cmd::C_KMItem_TerminAendern, 1, ToolIcon::ChangeAppointment, "Termin ändern"},
    {"C_TBu_loeschen", Cmd::C_KMItem_ZeilenLoeschen, 2, ToolIcon::DeleteAppointment, "Zeile(n) löschen"},
    {"C_TBu_Leerzeile", Cmd::C_KMItem_Leerzeile, 3, QStyle::SP_FileDialogDetailedView,
     "Leerzeile einfügen (mit Strg: und Termin eingeben)"},
    {},
    {"C_TBu_laden", Cmd::C_MItem_letzte_Version_laden, -1, QStyle::SP_BrowserReload,
     "Zuletzt gespeicherte Version laden"},
    {"C_TBu_speichern", Cmd::C_MItem_speichern, -1, QStyle::SP_DialogSaveButton, "Speichern"},
    {"C_TBu_drucken", Cmd::C_MItem_Drucken, -1, ToolIcon::Print, "Drucken"},
    {},
    {"C_TBu_Rueckgaengig", Cmd::C_MItem_Rueckgaengig, -1, QStyle::SP_ArrowBack, "Rückgängig"},
    {"C_TBu_Ausschneiden", Cmd::C_MItem_Ausschneiden, -1, QStyle::SP_DialogDiscardButton, "Ausschneiden"},
    {"C_TBu_Kopieren", Cmd::C_MItem_Kopieren, -1, QStyle::SP_FileDialogNewFolder, "Kopieren"},
    {"C_TBu_Einfuegen", Cmd::C_MItem_Einfuegen, -1, QStyle::SP_FileDialogContentsView, "Einfügen"},
    {},
    {"C_TBu_Suchen", Cmd::C_MItem_SuchenNach, -1, ToolIcon::Find, "Suchen nach"},
    {"C_TBu_GeheZu", Cmd::C_MItem_GeheZu, -1, QStyle::SP_ArrowForward, "Gehe zu Zeile"},
    {},
    {"C_TBu_Schrift", Cmd::C_MItem_SchriftEditor, kFollowsShownControl, ToolIcon::Font, "Schrift"},
    {"C_TBu_Hintergrundfarbe", Cmd::C_MItem_HintergrundEditorPersoenlich, kFollowsShownControl,
     ToolIcon::Background, "Hintergrundfarbe"},
    {},
    {"C_TBu_Pruefliste", Cmd::C_MItem_Pruefliste, -1, QStyle::SP_DialogApplyButton,
     "Auf Fehler überprüfen (Prüfliste)"},
    {"C_TBu_Sortieren", Cmd::C_MItem_Sortieren, -1, QStyle::SP_ArrowDown, "Sortieren"},
    {"C_TBu_URL", Cmd::C_MItem_URL, -1, ToolIcon::OpenUrl,
     "URL der aktuellen Zeile im Standardbrowser aufrufen"},
    {"C_TBu_verstrichene", Cmd::C_MItem_Verstrichene, -1, ToolIcon::DeleteExpired,
     "Verstrichene Termine löschen"},
    {},
    {"C_TBu_Hilfe", Cmd::C_MItem_NotaviHilfe, -1, ToolIcon::Help, "Notavi-Hilfe"},
};

QIcon iconOf(const ToolEntry& tool, const QStyle& style)
{
    if (const auto* own = std::get_if<ToolIcon>(&tool.icon))
        return toolIcon(*own);
    return style.standardIcon(std::get<QStyle::StandardPixmap>(tool.icon));
}

} // namespace

QAction* TC_FORM_Editor::addMenuItem(QMenu* menu, EditorCommand command, const QString& caption,
                                     const QKeySequence& shortcut, bool checkable)
{
    auto* item = new QAction(caption, this);
    item->setObjectName(QString::fromLatin1(editorCommandName(command)));
    item->setShortcut(shortcut);
    item->setCheckable(checkable);
    if (menu)
        menu->addAction(item);
    else
        addAction(item);
    m_actions[editorCommandIndex(command)] = item;
    return item;
}

void TC_FORM_Editor::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("C_Menue_Editor"));
    QMenu* file = bar->addMenu(QStringLiteral("D&atei"));
    addMenuItem(file, Cmd::C_MItem_Neu_erstellen, QStringLiteral("&Neu erstellen"), ctrl(Qt::Key_N));
    addMenuItem(file, Cmd::C_MItem_letzte_Version_laden,
                QStringLiteral("Zuletzt gespeicherte Version &laden"), ctrl(Qt::Key_L));
    addMenuItem(file, Cmd::C_MItem_speichern, QStringLiteral("&Speichern"), ctrl(Qt::Key_S));
    file->addSeparator();
    addMenuItem(file, Cmd::C_MItem_SicherungErstellen, QStringLiteral("Sicherung &erstellen..."),
                ctrl(Qt::Key_E));
    addMenuItem(file, Cmd::C_MItem_SicherungWiederherstellen,
                QStringLiteral("Sicherung &wiederherstellen..."), ctrl(Qt::Key_W));
    file->addSeparator();
    addMenuItem(file, Cmd::C_MItem_Drucken, QStringLiteral("&Drucken..."), ctrl(Qt::Key_P));
    file->addSeparator();
    addMenuItem(file, Cmd::C_MItem_Ende, QStringLiteral("&Beenden"), ctrl(Qt::Key_Q));

    QMenu* edit = bar->addMenu(QStringLiteral("&Bearbeiten"));
    connect(edit, &QMenu::aboutToShow, this, &TC_FORM_Editor::prepareContextMenu);
    addMenuItem(edit, Cmd::C_MItem_Rueckgaengig, QStringLiteral("&R\u00FCckg\u00E4ngig"), ctrl(Qt::Key_Z));
    edit->addSeparator();
    addMenuItem(edit, Cmd::C_MItem_Ausschneiden, QStringLiteral("&Ausschneiden"), ctrl(Qt::Key_X));
    addMenuItem(edit, Cmd::C_MItem_Kopieren, QStringLiteral("&Kopieren"), ctrl(Qt::Key_C));
    addMenuItem(edit, Cmd::C_MItem_Einfuegen, QStringLiteral("&Einf\u00FCgen"), ctrl(Qt::Key_V));
    edit->addSeparator();
    addMenuItem(edit, Cmd::C_MItem_AllesMarkieren, QStringLiteral("Alles &markieren"), ctrl(Qt::Key_A));

    QMenu* view = bar->addMenu(QStringLiteral("Ans&icht"));
    addMenuItem(view, Cmd::C_MItem_Schaltflaechenleiste, QStringLiteral("&Schaltfl\u00E4chenleiste"), {},
                true);
    addMenuItem(view, Cmd::C_MItem_Symbolleiste, QStringLiteral("S&ymbolleiste"), {}, true);
    addMenuItem(view, Cmd::C_MItem_Kalender, QStringLiteral("&Kalender"), ctrl(Qt::Key_K), true);
    addMenuItem(view, Cmd::C_MItem_Cursor, QStringLiteral("&Breiter Cursor"), {}, true);

    QMenu* find = bar->addMenu(QStringLiteral("S&uchen"));
    addMenuItem(find, Cmd::C_MItem_SuchenNach, QStringLiteral("&Suchen nach..."), ctrl(Qt::Key_F));
    addMenuItem(find, Cmd::C_MItem_Weitersuchen, QStringLiteral("&Weitersuchen"), QKeySequence(Qt::Key_F3));
    addMenuItem(find, Cmd::C_MItem_GeheZu, QStringLiteral("&Gehe zu..."), ctrl(Qt::Key_G));

    QMenu* format = bar->addMenu(QStringLiteral("&Format"));
    addMenuItem(format, Cmd::C_MItem_SchriftEditor, QStringLiteral("Schrift &Editor..."));
    addMenuItem(format, Cmd::C_MItem_SchriftPruefliste, QStringLiteral("Schrift &Pr\u00FCfliste..."));
    QMenu* editorBack = format->addMenu(QStringLiteral("Hintergundfarbe E&ditor"));
    editorBack->menuAction()->setObjectName(QStringLiteral("C_MItem_HintergrundEditor"));
    addMenuItem(editorBack, Cmd::C_MItem_HintergrundEditorWindows, QStringLiteral("&Windows Standardfarbe"));
    addMenuItem(editorBack, Cmd::C_MItem_HintergrundEditorPersoenlich,
                QStringLiteral("&Pers\u00F6nliche Farbe..."));
    QMenu* listBack = format->addMenu(QStringLiteral("Hintergrundfarbe P&r\u00FCfliste"));
    listBack->menuAction()->setObjectName(QStringLiteral("C_MItem_HintergrundPruefliste"));
    addMenuItem(listBack, Cmd::C_MItem_HintergrundPrueflisteWindows,
                QStringLiteral("&Windows Standardfarbe"));
    addMenuItem(listBack, Cmd::C_MItem_HintergrundPrueflistePersoenlich,
                QStringLiteral("&Pers\u00F6nliche Farbe..."));

    QMenu* extras = bar->addMenu(QStringLiteral("Ex&tras"));
    addMenuItem(extras, Cmd::C_MItem_Pruefliste,
                QStringLiteral("&Auf Fehler \u00FCberpr\u00FCfen (Pr\u00FCfliste)"),
                QKeySequence(Qt::Key_F2));
    addMenuItem(extras, Cmd::C_MItem_Sortieren, QStringLiteral("&Sortieren"), QKeySequence(Qt::Key_F4));
    extras->addSeparator();
    addMenuItem(extras, Cmd::C_MItem_URL, QStringLiteral("&URL der akt. Zeile  im Standardbrowser aufrufen"),
                QKeySequence(Qt::Key_F5));
    addMenuItem(extras, Cmd::C_MItem_URLabfrage, QStringLiteral("S&icherheitsabfrage vor URL-Aufruf"), {},
                true);
    extras->addSeparator();
    addMenuItem(extras, Cmd::C_MItem_Verstrichene, QStringLiteral("&Verstrichene Temine l\u00F6schen"),
                QKeySequence(Qt::Key_F6));
    addMenuItem(extras, Cmd::C_MItem_Aktivieren, QStringLiteral("&Deaktivierte Termine aktivieren"),
                QKeySequence(Qt::Key_F7));
    extras->addSeparator();
    addMenuItem(extras, Cmd::C_MItem_Termindatum, QStringLiteral("&Termindatum berechnen..."),
                QKeySequence(Qt::Key_F8));
    extras->addSeparator();
    addMenuItem(extras, Cmd::C_MItem_FerienAnfordern,
                QStringLiteral("&Ferientermine per E-Mail anfordern..."));
    addMenuItem(extras, Cmd::C_MItem_FerienImportieren,
                QStringLiteral("Fe&rientermine aus Datei einlesen..."));

    QMenu* help = bar->addMenu(QStringLiteral("&Hilfe"));
    addMenuItem(help, Cmd::C_MItem_NotaviHilfe, QStringLiteral("&Notavi-Hilfe"), QKeySequence(Qt::Key_F1));
}

void TC_FORM_Editor::createContextMenus()
{
    C_PopupMenu_Editor = new QMenu(this);
    C_PopupMenu_Editor->setObjectName(QStringLiteral("C_PopupMenu_Editor"));
    const std::pair<Cmd, QString> groups[][4] = {
        {{Cmd::C_KMItem_Rueckgaengig, QStringLiteral("&R\u00FCckg\u00E4ngig")}},
        {{Cmd::C_KMItem_Ausschneiden, QStringLiteral("&Ausschneiden")},
         {Cmd::C_KMItem_Kopieren, QStringLiteral("&Kopieren")},
         {Cmd::C_KMItem_Einfuegen, QStringLiteral("&Einf\u00FCgen")}},
        {{Cmd::C_KMItem_neuerTermin, QStringLiteral("&neuer Termin...")},
         {Cmd::C_KMItem_TerminAendern, QStringLiteral("&Termin \u00E4ndern...")},
         {Cmd::C_KMItem_ZeilenLoeschen, QStringLiteral("&Zeilen(n) l\u00F6schen")},
         {Cmd::C_KMItem_Leerzeile, QStringLiteral("&Leerzeile einf\u00FCgen")}},
        {{Cmd::C_KMItem_Kalender, QStringLiteral("&Kalender einblenden")}},
        {{Cmd::C_KMItem_Pruefliste, QStringLiteral("&Auf Fehler \u00FCberpr\u00FCfen")},
         {Cmd::C_KMItem_Sortieren, QStringLiteral("&Sortieren")},
         {Cmd::C_KMItem_Verstrichene, QStringLiteral("&Verstrichene Temine l\u00F6schen")},
         {Cmd::C_KMItem_Aktivieren, QStringLiteral("&Deaktivierte Termine aktivieren")}},
        {{Cmd::C_KMItem_Cursor, QStringLiteral("&Breiter Cursor")}},
    };
    for (const auto& group : groups) {
        if (!C_PopupMenu_Editor->isEmpty())
            C_PopupMenu_Editor->addSeparator();
        for (const auto& [command, caption] : group)
            if (!caption.isEmpty())
                addMenuItem(C_PopupMenu_Editor, command, caption, {},
                            command == Cmd::C_KMItem_Kalender || command == Cmd::C_KMItem_Cursor);
    }
    C_RE_Termin->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(C_RE_Termin, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        prepareContextMenu();
        C_PopupMenu_Editor->popup(C_RE_Termin->viewport()->mapToGlobal(at));
    });

    const auto barMenu = [this](QWidget* bar, Cmd command, const QString& caption) {
        auto* menu = new QMenu(this);
        addMenuItem(menu, command, caption);
        bar->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(bar, &QWidget::customContextMenuRequested, menu,
                [bar, menu](const QPoint& at) { menu->popup(bar->mapToGlobal(at)); });
        return menu;
    };
    m_buttonBarMenu = barMenu(C_GRBX_PSBT, Cmd::C_KMItem_AusblendenSchaltflaechenleiste,
                              QStringLiteral("Schaltfl\u00E4chenleiste ausblenden."));
    m_toolBarMenu = barMenu(C_TBa_Editor, Cmd::C_KMItem_AusblendenSymbolleiste,
                            QStringLiteral("Symbolleiste ausblenden."));
}

void TC_FORM_Editor::createControls()
{
    auto* centre = new QWidget(this);
    setCentralWidget(centre);

    m_tabPage = new QWidget(centre);
    auto* column = new QVBoxLayout(m_tabPage);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    C_TC_Terminblock = new QTabBar(m_tabPage);
    C_TC_Terminblock->setObjectName(QStringLiteral("C_TC_Terminblock"));
    C_TC_Terminblock->setExpanding(false);
    C_TC_Terminblock->setUsesScrollButtons(true);
    C_TC_Terminblock->setElideMode(Qt::ElideNone);
    for (int tab = 0; tab < kEditorTabCount; ++tab)
        C_TC_Terminblock->addTab(fromCp1252(editorTabCaption(tab)));
    C_TC_Terminblock->installEventFilter(this);
    C_RE_Termin = new EditorTextControl(m_tabPage);
    C_RE_Termin->setObjectName(QStringLiteral("C_RE_Termin"));
    m_mirror = new LineMirror(*C_RE_Termin->document(), this);
    column->addWidget(C_TC_Terminblock);
    column->addWidget(C_RE_Termin, 1);
    m_checkList = new CheckListPanel(*m_tabPage, *action(Cmd::C_MItem_Kalender));

    m_calendar = new CalendarPanel(m_desktop.clock, centre);
    C_SBAR_Editor = new QStatusBar(centre);
    C_SBAR_Editor->setObjectName(QStringLiteral("C_SBAR_Editor"));
    C_SBAR_Editor->setSizeGripEnabled(false);
    C_SBAR_Editor->setToolTip(kStatusHint);
    createButtonBar();
    createToolBar();
}

void TC_FORM_Editor::createButtonBar()
{
    C_GRBX_PSBT = new QGroupBox(centralWidget());
    C_GRBX_PSBT->setObjectName(QStringLiteral("C_GRBX_PSBT"));
    C_GRBX_PSBT->setFlat(true);
    const std::pair<const char*, QString> buttons[kEditorButtonCount] = {
        {"C_PSBT_neu", QStringLiteral("neuer Termin... &1")},
        {"C_PSBT_aendern", QStringLiteral("Termin \u00E4ndern... &2")},
        {"C_PSBT_loeschen", QStringLiteral("Zeile(n) l\u00F6schen  &3")},
        {"C_PSBT_leerzeile", QStringLiteral("Leerzeile einf\u00FCgen &4")},
    };
    for (std::size_t index = 0; index < kEditorButtonCount; ++index) {
        auto* button = new QPushButton(buttons[index].second, C_GRBX_PSBT);
        button->setObjectName(QString::fromLatin1(buttons[index].first));
        button->setFocusPolicy(Qt::TabFocus);
        m_buttons[index] = button;
    }
}

void TC_FORM_Editor::createToolBar()
{
    C_TBa_Editor = new QToolBar(QStringLiteral("Symbolleiste"), this);
    C_TBa_Editor->setObjectName(QStringLiteral("C_TBa_Editor"));
    C_TBa_Editor->setMovable(false);
    C_TBa_Editor->setFloatable(false);
    C_TBa_Editor->setIconSize(QSize(20, 20));
    addToolBar(Qt::TopToolBarArea, C_TBa_Editor);
    for (const ToolEntry& tool : kTools) {
        if (!tool.name) {
            C_TBa_Editor->addSeparator();
            continue;
        }
        auto* button = new QToolButton(C_TBa_Editor);
        button->setObjectName(QString::fromLatin1(tool.name));
        button->setIcon(iconOf(tool, *style()));
        button->setToolTip(QString::fromUtf8(tool.hint));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        C_TBa_Editor->addWidget(button);
        if (tool.button >= 0) {
            // The line commands have rules of their own (the button "Leerzeile" differs from its tool).
            m_lineTools[static_cast<std::size_t>(tool.button)] = button;
            connect(button, &QToolButton::clicked, m_buttons[static_cast<std::size_t>(tool.button)],
                    &QPushButton::click);
            continue;
        }
        if (tool.button == kFollowsShownControl)
            continue;
        QAction* command = action(tool.command);
        button->setEnabled(command->isEnabled());
        connect(button, &QToolButton::clicked, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, button, &QWidget::setEnabled);
    }
}

void TC_FORM_Editor::connectCommands()
{
    const std::pair<Cmd, std::function<void()>> handlers[] = {
        {Cmd::C_MItem_Neu_erstellen, [this] { C_MItem_Neu_erstellenClick(); }},
        {Cmd::C_MItem_Termindatum, [this] { C_MItem_TermindatumClick(); }},
        {Cmd::C_MItem_letzte_Version_laden, [this] { C_MItem_letzte_Version_ladenClick(); }},
        {Cmd::C_MItem_speichern, [this] { C_MItem_speichernClick(); }},
        {Cmd::C_MItem_Ende, [this] { close(); }},
        {Cmd::C_MItem_Rueckgaengig, [this] { C_MItem_RueckgaengigClick(); }},
        {Cmd::C_KMItem_Rueckgaengig, [this] { C_MItem_RueckgaengigClick(); }},
        {Cmd::C_MItem_Ausschneiden, [this] { C_MItem_AusschneidenClick(); }},
        {Cmd::C_KMItem_Ausschneiden, [this] { C_MItem_AusschneidenClick(); }},
        {Cmd::C_MItem_Kopieren, [this] { C_MItem_KopierenClick(); }},
        {Cmd::C_KMItem_Kopieren, [this] { C_MItem_KopierenClick(); }},
        {Cmd::C_MItem_Einfuegen, [this] { C_MItem_EinfuegenClick(); }},
        {Cmd::C_KMItem_Einfuegen, [this] { C_MItem_EinfuegenClick(); }},
        {Cmd::C_MItem_AllesMarkieren, [this] { C_RE_Termin->selectAll(); }},
        {Cmd::C_MItem_Schaltflaechenleiste, [this] { C_MItem_SchaltflaechenleisteClick(); }},
        {Cmd::C_KMItem_AusblendenSchaltflaechenleiste,
         [this] { action(Cmd::C_MItem_Schaltflaechenleiste)->trigger(); }},
        {Cmd::C_MItem_Symbolleiste, [this] { C_MItem_SymbolleisteClick(); }},
        {Cmd::C_KMItem_AusblendenSymbolleiste, [this] { action(Cmd::C_MItem_Symbolleiste)->trigger(); }},
        {Cmd::C_MItem_Kalender, [this] { C_MItem_KalenderClick(); }},
        {Cmd::C_KMItem_Kalender, [this] { action(Cmd::C_MItem_Kalender)->trigger(); }},
        {Cmd::C_MItem_Cursor, [this] { C_MItem_CursorClick(); }},
        {Cmd::C_KMItem_Cursor, [this] { action(Cmd::C_MItem_Cursor)->trigger(); }},
        {Cmd::C_KMItem_neuerTermin, [this] { m_buttons[0]->click(); }},
        {Cmd::C_KMItem_TerminAendern, [this] { m_buttons[1]->click(); }},
        {Cmd::C_KMItem_ZeilenLoeschen, [this] { m_buttons[2]->click(); }},
        {Cmd::C_KMItem_Leerzeile, [this] { m_buttons[3]->click(); }},
        {Cmd::C_MItem_Pruefliste, [this] { C_MItem_AufFehlerUeberpruefenClick(); }},
        {Cmd::C_KMItem_Pruefliste, [this] { C_MItem_AufFehlerUeberpruefenClick(); }},
        {Cmd::C_MItem_Sortieren, [this] { C_MItem_SortierenClick(); }},
        {Cmd::C_KMItem_Sortieren, [this] { C_MItem_SortierenClick(); }},
        {Cmd::C_MItem_Verstrichene, [this] { C_MItem_VerstricheneClick(); }},
        {Cmd::C_KMItem_Verstrichene, [this] { C_MItem_VerstricheneClick(); }},
        {Cmd::C_MItem_Aktivieren, [this] { C_MItem_AktivierenClick(); }},
        {Cmd::C_KMItem_Aktivieren, [this] { C_MItem_AktivierenClick(); }},
        {Cmd::C_MItem_NotaviHilfe,
         [this] {
             if (m_help)
                 m_help();
         }},
        {Cmd::C_MItem_URLabfrage,
         [this] {
             if (m_toggleUrlQuestion)
                 setUrlQuestionChecked(m_toggleUrlQuestion());
         }},
    };
    for (const auto& [command, handler] : handlers)
        connect(action(command), &QAction::triggered, this, handler);
    connect(m_buttons[0], &QPushButton::clicked, this, [this] { C_PSBT_neuClick(); });
    connect(m_buttons[1], &QPushButton::clicked, this, [this] { C_PSBT_aendernClick(); });
    connectToolCommands();
    // Ctrl on "Leerzeile einfügen" (button or tool) also opens the new line in the change dialog.
    connect(m_buttons[2], &QPushButton::clicked, this, [this] { C_PSBT_loeschenClick(); });
    connect(m_buttons[3], &QPushButton::clicked, this,
            [this] { C_PSBT_leerzeileClick(QGuiApplication::keyboardModifiers() & Qt::ControlModifier); });
    connect(C_TC_Terminblock, &QTabBar::currentChanged, this,
            [this](int tab) { C_TC_TerminblockChange(tab); });
    connect(m_checkList, &CheckListPanel::jumpRequested, this, &TC_FORM_Editor::C_LSBX_FehlerDblClick);
    connect(m_checkList, &CheckListPanel::fileStartRequested, this, [this] {
        selectTabQuietly(kFileStartTab);
        C_TC_TerminblockChange(kFileStartTab);
    });
    connect(m_calendar, &CalendarPanel::dateTaken, this, &TC_FORM_Editor::C_MCal_KalenderDblClick);
    connect(m_calendar, &CalendarPanel::hideRequested, this,
            [this] { action(Cmd::C_MItem_Kalender)->trigger(); });
    connect(C_RE_Termin, &EditorTextControl::keyReleased, this, &TC_FORM_Editor::C_RE_TerminKeyUp);
    connect(C_RE_Termin, &EditorTextControl::mousePressed, this, &TC_FORM_Editor::C_RE_TerminMouseDown);
    connect(C_RE_Termin, &QPlainTextEdit::cursorPositionChanged, this, [this] { P_CursorPos(); });
    connect(C_RE_Termin, &QPlainTextEdit::selectionChanged, this, [this] { P_CursorPos(); });
    connect(C_RE_Termin->document(), &QTextDocument::modificationChanged, this,
            [this] { updateSaveAndUndo(); });
    connect(C_RE_Termin, &QPlainTextEdit::undoAvailable, this, [this] { updateSaveAndUndo(); });
}

void TC_FORM_Editor::setUrlQuestionChecked(bool checked) const
{
    QSignalBlocker quiet(action(Cmd::C_MItem_URLabfrage));
    action(Cmd::C_MItem_URLabfrage)->setChecked(checked);
}

} // namespace notavi::gui
