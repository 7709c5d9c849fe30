#pragma once

// The main window's commands: every menu item, sub-menu and context-menu item, one enumerator each,
// named as the item's objectName. Windows reach an item through its enumerator, so a command that
// does not exist is a compile error rather than a failed lookup at run time.

#include <array>
#include <cstddef>
#include <string_view>

namespace notavi::gui {

// clang-format off
#define NOTAVI_MAIN_COMMANDS(X) \
    X(C_MItem_Sicherungsdateiladen) \
    X(C_MItem_neuladen) \
    X(C_MItem_Drucken) \
    X(C_MItem_Ende) \
    X(C_MItem_bearbeiten) \
    X(C_MItem_Notepad) \
    X(C_MItem_WTagHeute) \
    X(C_MItem_WTagRest) \
    X(C_MItem_Leerzeile) \
    X(C_MItem_SpeicherAnsicht) \
    X(C_MItem_Tooltip) \
    X(C_MItem_Anzeigedauer) \
    X(C_MItem_Zeilenumbruch) \
    X(C_MItem_Schaltflaechenleiste) \
    X(C_MItem_Symbolleiste) \
    X(C_MItem_Cursor) \
    X(C_MItem_SuchenNach) \
    X(C_MItem_NaechstesSuchen) \
    X(C_MItem_Rechnerdatum) \
    X(C_MItem_Vor) \
    X(C_MItem_Zurueck) \
    X(C_MItem_eingeben) \
    X(C_MItem_Terminblockauswahl) \
    X(C_MItem_speichern) \
    X(C_MItem_Geburtstage) \
    X(C_MItem_GeburtstageMit) \
    X(C_MItem_GeburtstageNormal) \
    X(C_MItem_KeineGeburtstage) \
    X(C_MItem_Namenstage) \
    X(C_MItem_WoechentlicheTermine) \
    X(C_MItem_ZweiwoechentlTermine) \
    X(C_MItem_VierwoechentlTermine) \
    X(C_MItem_6woechentlTermine) \
    X(C_MItem_MonatlicheTermine) \
    X(C_MItem_JaehrlicheTermine) \
    X(C_MItem_SeitxJahren) \
    X(C_MItem_Xwotagauswerten) \
    X(C_MItem_AllexTage) \
    X(C_MItem_Ferien) \
    X(C_MItem_EinmaligeTermine) \
    X(C_MItem_Ostern) \
    X(C_MItem_Advent) \
    X(C_MItem_Feiertage) \
    X(C_MItem_Mondphasen) \
    X(C_MItem_Neumond) \
    X(C_MItem_ZunHalbmond) \
    X(C_MItem_Vollmond) \
    X(C_MItem_AbnHalbmond) \
    X(C_MItem_Uhrzeit) \
    X(C_MItem_Schrift) \
    X(C_MItem_Hintergrund) \
    X(C_MItem_Hintergrund_Windows) \
    X(C_MItem_Hintergrund_persoenlich) \
    X(C_MItem_Skin) \
    X(C_MItem_Classic) \
    X(C_MItem_Modern) \
    X(C_MItem_SilberBlau) \
    X(C_MItem_GruenGelb) \
    X(C_MItem_Dialogfenster) \
    X(C_MItem_Terminblockfarbe) \
    X(C_MItem_Wecker) \
    X(C_MItem_TimerSetzen) \
    X(C_MItem_TimerDeaktivieren) \
    X(C_MItem_URL) \
    X(C_MItem_URLabfrage) \
    X(C_MItem_Verstrichene) \
    X(C_MItem_LoeschenStart) \
    X(C_MItem_LoeschenFrist) \
    X(C_MItem_Aktivieren) \
    X(C_MItem_Alarmvordergrund) \
    X(C_MItem_SystemTray) \
    X(C_MItem_MinimiertStarten) \
    X(C_MItem_FerienAnfordern) \
    X(C_MItem_FerienImportieren) \
    X(C_MItem_NotaviHilfe) \
    X(C_MItem_Info) \
    X(C_KMItem_neuerTermin) \
    X(C_KMItem_TerminAendern) \
    X(C_KMitem_TerminLoeschen) \
    X(C_KMItem_kopieren) \
    X(C_KMItem_WTagHeute) \
    X(C_KMItem_WTagRest) \
    X(C_KMItem_Leerzeile) \
    X(C_KMItem_Zeilenumbruch) \
    X(C_KMItem_bearbeiten) \
    X(C_KMItem_Verstrichene) \
    X(C_KMItem_Aktivieren) \
    X(C_KMItem_Cursor) \
    X(C_KMItem_AusblendenSchaltflaechenleiste) \
    X(C_KMItem_AusblendenSymbolleiste) \

enum class Command
{
#define NOTAVI_COMMAND_ENUMERATOR(name) name,
    NOTAVI_MAIN_COMMANDS(NOTAVI_COMMAND_ENUMERATOR)
#undef NOTAVI_COMMAND_ENUMERATOR
};
// clang-format on

// The objectName of the command's item.
inline constexpr std::array kCommandNames = {
#define NOTAVI_COMMAND_NAME(name) std::string_view(#name),
    NOTAVI_MAIN_COMMANDS(NOTAVI_COMMAND_NAME)
#undef NOTAVI_COMMAND_NAME
};

inline constexpr std::size_t kCommandCount = kCommandNames.size();

constexpr std::size_t commandIndex(Command command)
{
    return static_cast<std::size_t>(command);
}

constexpr std::string_view commandName(Command command)
{
    return kCommandNames[commandIndex(command)];
}

// The push buttons of the button group, in their order from the left.
enum class PushButton
{
    C_PSBT_neu,
    C_PSBT_aendern,
    C_PSBT_loeschen,
    C_PSBT_Termineditor,
};

inline constexpr std::size_t kPushButtonCount = 4;

} // namespace notavi::gui
