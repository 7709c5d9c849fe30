#include "core/editor/editor_tabs.h"

#include "core/model/windows1252.h"

#include <array>

namespace notavi {
namespace {

const std::array<std::string, kEditorTabCount> kCaptions = {
    "&Dateianfang",
    "&Geburtstage",
    "&Namenstage",
    "&W\xF6"
    "chentliche Termine",
    "&Zweiw\xF6"
    "chentl. Termine",
    "&Vierw\xF6"
    "chentl. Termine",
    "&_6_w\xF6"
    "chentl. Termine",
    "&Monatliche Termine",
    "&J\xE4hrliche Termine",
    "&Seit x Jahren",
    "&X-wo-tag-auswerten",
    "&+Alle x Tage/Wochen",
    "&Ferien",
    "&Einmalige Termine",
    "&Pr\xFC"
    "fliste",
};

} // namespace

const std::string& editorTabCaption(int tab)
{
    return kCaptions[tab >= 0 && tab < kEditorTabCount ? static_cast<std::size_t>(tab) : 0];
}

std::string editorTabCode(int tab)
{
    return toUpper1252(std::string_view(editorTabCaption(tab)).substr(1, 3));
}

std::optional<int> blockOfTab(int tab)
{
    if (tab <= kFileStartTab || tab >= kCheckListTab)
        return std::nullopt;
    return tab - 1;
}

std::string editorTabHint(int tab, bool fileLoaded)
{
    if (!fileLoaded)
        return "Sie m\xFCssen zun\xE4"
               "chst eine Termindatei erstellen, laden oder wiederherstellen!";
    if (tab == kFileStartTab)
        return "Zum Anfang der Termindatei wechseln.";
    if (tab == kCheckListTab)
        return "Die Termindatei auf Fehler \xFC"
               "berpr\xFC"
               "fen.";
    return "Zum Terminblock \"" + editorTabCaption(tab).substr(1) + "\" wechseln.";
}

} // namespace notavi
