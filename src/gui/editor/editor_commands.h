#pragma once

// The editor window's commands: every menu item, context-menu item and tool button, one enumerator
// each, named as the item's objectName, so that a command that does not exist is a compile error.

#include <array>
#include <cstddef>
#include <string_view>

namespace notavi::gui {

// clang-format off
#define NOTAVI_EDITOR_COMMANDS(X) \
    X(C_MItem_Neu_erstellen) \
    X(C_MItem_letzte_Version_laden) \
    X(C_MItem_speichern) \
    X(C_MItem_SicherungErstellen) \
    X(C_MItem_SicherungWiederherstellen) \
    X(C_MItem_Drucken) \
    X(C_MItem_Ende) \
    X(C_MItem_Rueckgaengig) \
    X(C_MItem_Ausschneiden) \
    X(C_MItem_Kopieren) \
    X(C_MItem_Einfuegen) \
    X(C_MItem_AllesMarkieren) \
    X(C_MItem_Schaltflaechenleiste) \
    X(C_MItem_Symbolleiste) \
    X(C_MItem_Kalender) \
    X(C_MItem_Cursor) \
    X(C_MItem_SuchenNach) \
    X(C_MItem_Weitersuchen) \
    X(C_MItem_GeheZu) \
    X(C_MItem_SchriftEditor) \
    X(C_MItem_SchriftPruefliste) \
    X(C_MItem_HintergrundEditorWindows) \
    X(C_MItem_HintergrundEditorPersoenlich) \
    X(C_MItem_HintergrundPrueflisteWindows) \
    X(C_MItem_HintergrundPrueflistePersoenlich) \
    X(C_MItem_Pruefliste) \
    X(C_MItem_Sortieren) \
    X(C_MItem_URL) \
    X(C_MItem_URLabfrage) \
    X(C_MItem_Verstrichene) \
    X(C_MItem_Aktivieren) \
    X(C_MItem_Termindatum) \
    X(C_MItem_FerienAnfordern) \
    X(C_MItem_FerienImportieren) \
    X(C_MItem_NotaviHilfe) \
    X(C_KMItem_Rueckgaengig) \
    X(C_KMItem_Ausschneiden) \
    X(C_KMItem_Kopieren) \
    X(C_KMItem_Einfuegen) \
    X(C_KMItem_neuerTermin) \
    X(C_KMItem_TerminAendern) \
    X(C_KMItem_ZeilenLoeschen) \
    X(C_KMItem_Leerzeile) \
    X(C_KMItem_Kalender) \
    X(C_KMItem_Pruefliste) \
    X(C_KMItem_Sortieren) \
    X(C_KMItem_Verstrichene) \
    X(C_KMItem_Aktivieren) \
    X(C_KMItem_Cursor) \
    X(C_KMItem_AusblendenSchaltflaechenleiste) \
    X(C_KMItem_AusblendenSymbolleiste) \

enum class EditorCommand
{
#define NOTAVI_EDITOR_ENUMERATOR(name) name,
    NOTAVI_EDITOR_COMMANDS(NOTAVI_EDITOR_ENUMERATOR)
#undef NOTAVI_EDITOR_ENUMERATOR
};
// clang-format on

inline constexpr std::array kEditorCommandNames = {
#define NOTAVI_EDITOR_NAME(name) std::string_view(#name),
    NOTAVI_EDITOR_COMMANDS(NOTAVI_EDITOR_NAME)
#undef NOTAVI_EDITOR_NAME
};

inline constexpr std::size_t kEditorCommandCount = kEditorCommandNames.size();

constexpr std::size_t editorCommandIndex(EditorCommand command)
{
    return static_cast<std::size_t>(command);
}

constexpr std::string_view editorCommandName(EditorCommand command)
{
    return kEditorCommandNames[editorCommandIndex(command)];
}

// The push buttons of the button bar, from the left.
enum class EditorButton
{
    C_PSBT_neu,
    C_PSBT_aendern,
    C_PSBT_loeschen,
    C_PSBT_leerzeile,
};

inline constexpr std::size_t kEditorButtonCount = 4;

} // namespace notavi::gui
