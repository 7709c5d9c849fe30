// The main window's menus and the context menu of the view.

#include "gui/app/tc_form_haupt.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace notavi::gui {
namespace {

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

QAction* TC_FORM_Haupt::addMenuItem(QMenu* menu, Command command, const QString& caption,
                                    const QKeySequence& shortcut, bool checkable)
{
    auto* item = new QAction(caption, this);
    item->setObjectName(QString::fromLatin1(commandName(command)));
    item->setShortcut(shortcut);
    item->setCheckable(checkable);
    if (menu)
        menu->addAction(item);
    m_actions[commandIndex(command)] = item;
    return item;
}

void TC_FORM_Haupt::createMenus()
{
    QMenuBar* bar = menuBar();
    auto topMenu = [&](const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        connect(menu, &QMenu::aboutToShow, this, [this] { stopCountdown(); });
        return menu;
    };

    QMenu* file = topMenu(QStringLiteral("&Datei"));
    addMenuItem(file, Command::C_MItem_Sicherungsdateiladen, QStringLiteral("&Sicherungsdatei laden"),
                ctrl(Qt::Key_U));
    addMenuItem(file, Command::C_MItem_neuladen, QStringLiteral("Termindatei &neu laden"), ctrl(Qt::Key_N));
    file->addSeparator();
    addMenuItem(file, Command::C_MItem_Drucken, QStringLiteral("&Drucken..."), ctrl(Qt::Key_P));
    file->addSeparator();
    addMenuItem(file, Command::C_MItem_Ende, QStringLiteral("&Beenden"), ctrl(Qt::Key_Q));

    QMenu* dataFile = topMenu(QStringLiteral("&Termindatei"));
    addMenuItem(dataFile, Command::C_MItem_bearbeiten, QStringLiteral("&Bearbeiten (Termineditor)"),
                ctrl(Qt::Key_E));
    addMenuItem(dataFile, Command::C_MItem_Notepad,
                QStringLiteral("Mit dem &Editor von Windows \u00F6ffnen"));

    QMenu* view = topMenu(QStringLiteral("&Ansicht"));
    addMenuItem(view, Command::C_MItem_WTagHeute, QStringLiteral("Wochentaganzeige &Heute"), {}, true);
    addMenuItem(view, Command::C_MItem_WTagRest, QStringLiteral("Wochentaganzeige &Rest"), {}, true);
    addMenuItem(view, Command::C_MItem_Leerzeile, QStringLiteral("Termintage durch &Leerzeile trennen"),
                ctrl(Qt::Key_L), true);
    view->addSeparator();
    addMenuItem(view, Command::C_MItem_SpeicherAnsicht,
                QStringLiteral("&Mit aktueller Terminansicht starten "));
    view->addSeparator();
    addMenuItem(view, Command::C_MItem_Tooltip, QStringLiteral("Tooltipps &anzeigen"), {}, true);
    addMenuItem(view, Command::C_MItem_Anzeigedauer, QStringLiteral("Tooltipps A&nzeigedauer setzen..."));
    view->addSeparator();
    addMenuItem(view, Command::C_MItem_Zeilenumbruch, QStringLiteral("&Zeilenumbruch"), ctrl(Qt::Key_R),
                true);
    addMenuItem(view, Command::C_MItem_Schaltflaechenleiste, QStringLiteral("&Schaltfl\u00E4chenleiste"), {},
                true);
    addMenuItem(view, Command::C_MItem_Symbolleiste, QStringLiteral("S&ymbolleiste"), {}, true);
    addMenuItem(view, Command::C_MItem_Cursor, QStringLiteral("&Breiter Cursor"), {}, true);

    QMenu* find = topMenu(QStringLiteral("&Suchen"));
    addMenuItem(find, Command::C_MItem_SuchenNach, QStringLiteral("&Suchen nach..."), ctrl(Qt::Key_F));
    addMenuItem(find, Command::C_MItem_NaechstesSuchen, QStringLiteral("&Weitersuchen"),
                QKeySequence(Qt::Key_F3));

    QMenu* date = topMenu(QStringLiteral("A&uswertungsdatum"));
    addMenuItem(date, Command::C_MItem_Rechnerdatum, QStringLiteral("&Auf Tagesdatum setzen"),
                ctrl(Qt::Key_H));
    addMenuItem(date, Command::C_MItem_Vor, QStringLiteral("&Vorstellen um akt. Terminzeitraum"),
                ctrl(Qt::Key_Y));
    addMenuItem(date, Command::C_MItem_Zurueck, QStringLiteral("&Zur\u00FCckstellen um akt. Terminzeitraum"),
                ctrl(Qt::Key_Z));
    addMenuItem(date, Command::C_MItem_eingeben, QStringLiteral("&Eingeben..."), ctrl(Qt::Key_D));

    QMenu* blocks = topMenu(QStringLiteral("Termin&blockanzeige"));
    addMenuItem(blocks, Command::C_MItem_Terminblockauswahl, QStringLiteral("&Terminblockauswahl..."),
                ctrl(Qt::Key_B));
    addMenuItem(blocks, Command::C_MItem_speichern, QStringLiteral("S&peichern"), ctrl(Qt::Key_S));
    blocks->addSeparator();
    QMenu* birthdays = blocks->addMenu(QStringLiteral("&Geburtstage"));
    birthdays->menuAction()->setObjectName(QStringLiteral("C_MItem_Geburtstage"));
    birthdays->menuAction()->setCheckable(true);
    m_actions[commandIndex(Command::C_MItem_Geburtstage)] = birthdays->menuAction();
    auto* birthdayModes = new QActionGroup(this);
    for (QAction* mode : {addMenuItem(birthdays, Command::C_MItem_GeburtstageMit,
                                      QStringLiteral("Geburtstage mit \"1000er-&Tage\""), {}, true),
                          addMenuItem(birthdays, Command::C_MItem_GeburtstageNormal,
                                      QStringLiteral("&Geburtstage"), {}, true),
                          addMenuItem(birthdays, Command::C_MItem_KeineGeburtstage,
                                      QStringLiteral("&keine Geburtstage"), {}, true)})
        birthdayModes->addAction(mode);
    const std::pair<Command, QString> blockItems[] = {
        {Command::C_MItem_Namenstage, QStringLiteral("&Namenstage")},
        {Command::C_MItem_WoechentlicheTermine, QStringLiteral("&W\u00F6chentliche Termine")},
        {Command::C_MItem_ZweiwoechentlTermine, QStringLiteral("&Zweiw\u00F6chentliche Termine")},
        {Command::C_MItem_VierwoechentlTermine, QStringLiteral("&Vierw\u00F6chentliche Termine")},
        {Command::C_MItem_6woechentlTermine, QStringLiteral("&6-w\u00F6chentliche Termine")},
        {Command::C_MItem_MonatlicheTermine, QStringLiteral("&Monatliche Termine")},
        {Command::C_MItem_JaehrlicheTermine, QStringLiteral("&J\u00E4hrliche Termine")},
        {Command::C_MItem_SeitxJahren, QStringLiteral("&Seit x Jahren")},
        {Command::C_MItem_Xwotagauswerten, QStringLiteral("&X-ter Wochentag im Monat")},
        {Command::C_MItem_AllexTage, QStringLiteral("&Alle x Tage")},
        {Command::C_MItem_Ferien, QStringLiteral("&Ferien")},
        {Command::C_MItem_EinmaligeTermine, QStringLiteral("&Einmalige Termine")},
        {Command::C_MItem_Ostern, QStringLiteral("&Ostern")},
        {Command::C_MItem_Advent, QStringLiteral("A&dvent")},
        {Command::C_MItem_Feiertage, QStringLiteral("Fe&iertage")},
    };
    int tag = 1;
    for (const auto& [name, caption] : blockItems)
        addMenuItem(blocks, name, caption, {}, true)->setData(tag++);
    m_actions[commandIndex(Command::C_MItem_Geburtstage)]->setData(0);
    QMenu* moon = blocks->addMenu(QStringLiteral("Mondp&hasen"));
    moon->menuAction()->setObjectName(QStringLiteral("C_MItem_Mondphasen"));
    moon->menuAction()->setCheckable(true);
    moon->menuAction()->setData(16);
    m_actions[commandIndex(Command::C_MItem_Mondphasen)] = moon->menuAction();
    addMenuItem(moon, Command::C_MItem_Neumond, QStringLiteral("&Neumond"), {}, true)->setData(161);
    addMenuItem(moon, Command::C_MItem_ZunHalbmond, QStringLiteral("&Zunehmender Halbmond"), {}, true)
        ->setData(162);
    addMenuItem(moon, Command::C_MItem_Vollmond, QStringLiteral("&Vollmond"), {}, true)->setData(163);
    addMenuItem(moon, Command::C_MItem_AbnHalbmond, QStringLiteral("&Abnehmender Halbmond"), {}, true)
        ->setData(164);
    moon->addSeparator();
    addMenuItem(moon, Command::C_MItem_Uhrzeit, QStringLiteral("&Jeweils mit Uhrzeit"), {}, true)
        ->setData(165);

    QMenu* format = topMenu(QStringLiteral("&Format"));
    addMenuItem(format, Command::C_MItem_Schrift, QStringLiteral("&Schrift..."));
    QMenu* background = format->addMenu(QStringLiteral("&Hintergrund"));
    background->menuAction()->setObjectName(QStringLiteral("C_MItem_Hintergrund"));
    m_actions[commandIndex(Command::C_MItem_Hintergrund)] = background->menuAction();
    addMenuItem(background, Command::C_MItem_Hintergrund_Windows, QStringLiteral("&Windows Standardfarbe"),
                {}, true);
    addMenuItem(background, Command::C_MItem_Hintergrund_persoenlich,
                QStringLiteral("&Pers\u00F6nliche Farbe..."), {}, true);
    QMenu* skins = format->addMenu(QStringLiteral("S&kins"));
    skins->menuAction()->setObjectName(QStringLiteral("C_MItem_Skin"));
    m_actions[commandIndex(Command::C_MItem_Skin)] = skins->menuAction();
    addMenuItem(skins, Command::C_MItem_Classic, QStringLiteral("&Classic"));
    addMenuItem(skins, Command::C_MItem_Modern, QStringLiteral("&Modern"));
    addMenuItem(skins, Command::C_MItem_SilberBlau, QStringLiteral("Sillau"));
    addMenuItem(skins, Command::C_MItem_GruenGelb, QStringLiteral("Gr\u00FClb"));
    format->addSeparator();
    addMenuItem(format, Command::C_MItem_Dialogfenster,
                QStringLiteral("&Einstellungen f\u00FCr Dialogfenster \u00FCbernehmen"), {}, true);
    addMenuItem(format, Command::C_MItem_Terminblockfarbe, QStringLiteral("&Terminblockfarbe..."));

    QMenu* extras = topMenu(QStringLiteral("&Extras"));
    addMenuItem(extras, Command::C_MItem_Wecker, QStringLiteral("&Wecker..."), ctrl(Qt::Key_W));
    addMenuItem(extras, Command::C_MItem_TimerSetzen, QStringLiteral("&Timer setzen..."), ctrl(Qt::Key_T));
    // Not in the menu, but on the window, so that its key F12 works while a countdown runs.
    addAction(addMenuItem(nullptr, Command::C_MItem_TimerDeaktivieren,
                          QStringLiteral("Timer &deaktivieren (unsichtbar)"), QKeySequence(Qt::Key_F12)));
    extras->addSeparator();
    addMenuItem(extras, Command::C_MItem_URL, QStringLiteral("&URL des Termins im Standardbrowser aufrufen"),
                QKeySequence(Qt::Key_F5));
    addMenuItem(extras, Command::C_MItem_URLabfrage, QStringLiteral("&Sicherheitsabfrage vor URL-Aufruf"), {},
                true);
    extras->addSeparator();
    addMenuItem(extras, Command::C_MItem_Verstrichene, QStringLiteral("&Verstrichene Temine l\u00F6schen"),
                QKeySequence(Qt::Key_F6));
    addMenuItem(extras, Command::C_MItem_LoeschenStart,
                QStringLiteral("V&erstrichene Termine automatisch l\u00F6schen"), {}, true);
    addMenuItem(extras, Command::C_MItem_LoeschenFrist,
                QStringLiteral("- Frist f\u00FCr automatisches L\u00F6schen..."));
    addMenuItem(extras, Command::C_MItem_Aktivieren, QStringLiteral("&Deaktivierte Termine aktivieren"),
                QKeySequence(Qt::Key_F7));
    extras->addSeparator();
    addMenuItem(extras, Command::C_MItem_Alarmvordergrund,
                QStringLiteral("&Alarmmeldung im Vordergrund ausgeben"), {}, true);
    addMenuItem(extras, Command::C_MItem_SystemTray,
                QStringLiteral("&Minimieren in System Tray (Infobereich)"), {}, true);
    addMenuItem(extras, Command::C_MItem_MinimiertStarten, QStringLiteral("M&inimiert starten"), {}, true);
    extras->addSeparator();
    addMenuItem(extras, Command::C_MItem_FerienAnfordern,
                QStringLiteral("&Ferientermine per E-Mail anfordern..."));
    addMenuItem(extras, Command::C_MItem_FerienImportieren,
                QStringLiteral("Fe&rientermine aus Datei einlesen..."));

    QMenu* help = topMenu(QStringLiteral("H&ilfe"));
    addMenuItem(help, Command::C_MItem_NotaviHilfe, QStringLiteral("&Notavi-Hilfe"),
                QKeySequence(Qt::Key_F1));
    addMenuItem(help, Command::C_MItem_Info, QStringLiteral("&Info"), ctrl(Qt::Key_I));
}

QAction* TC_FORM_Haupt::contextItem(Command command, const QString& caption, bool checkable)
{
    return addMenuItem(C_PopupMenu_Haupt, command, caption, {}, checkable);
}

void TC_FORM_Haupt::createContextMenu()
{
    C_PopupMenu_Haupt = new QMenu(this);
    C_PopupMenu_Haupt->setObjectName(QStringLiteral("C_PopupMenu_Haupt"));
    contextItem(Command::C_KMItem_neuerTermin, QStringLiteral("&Neuer Termin..."));
    contextItem(Command::C_KMItem_TerminAendern, QStringLiteral("&Termin &\u00E4ndern..."));
    contextItem(Command::C_KMitem_TerminLoeschen, QStringLiteral("Termin l&\u00F6schen"));
    C_PopupMenu_Haupt->addSeparator();
    contextItem(Command::C_KMItem_kopieren, QStringLiteral("&Kopieren"));
    C_PopupMenu_Haupt->addSeparator();
    contextItem(Command::C_KMItem_WTagHeute, QStringLiteral("Wochentagsanzeige &Heute"), true);
    contextItem(Command::C_KMItem_WTagRest, QStringLiteral("Wochentagsanzeige &Rest"), true);
    contextItem(Command::C_KMItem_Leerzeile, QStringLiteral("Termintage durch &Leerzeile trennen"), true);
    contextItem(Command::C_KMItem_Zeilenumbruch, QStringLiteral("&Zeilenumbruch"), true);
    C_PopupMenu_Haupt->addSeparator();
    contextItem(Command::C_KMItem_bearbeiten, QStringLiteral("Termindatei &bearbeiten (Termineditor)"));
    contextItem(Command::C_KMItem_Verstrichene, QStringLiteral("&Verstrichene Temine l\u00F6schen"));
    contextItem(Command::C_KMItem_Aktivieren, QStringLiteral("&Deaktivierte Termine aktivieren"));
    C_PopupMenu_Haupt->addSeparator();
    contextItem(Command::C_KMItem_Cursor, QStringLiteral("&Breiter Cursor"), true);
}

} // namespace notavi::gui
