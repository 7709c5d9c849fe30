#pragma once

// The block tabs above the editor's text: tab 0 is the beginning of the file, tabs 1 to 13 are the
// thirteen user blocks in catalogue order (tab = block number + 1), tab 14 is the check list.

#include <optional>
#include <string>
#include <string_view>

namespace notavi {

constexpr int kFileStartTab = 0;
constexpr int kCheckListTab = 14;
constexpr int kEditorTabCount = 15;

// "&Dateianfang", "&Geburtstage" ... "&Prüfliste" (Windows-1252); tab 0 for a tab out of range.
const std::string& editorTabCaption(int tab);

// The code of a tab: characters 2 to 4 of its caption, upper-cased ("DAT", "GEB", "WÖC", "PRÜ").
std::string editorTabCode(int tab);

// The tab of a block, or tab 0 for a line outside every block (-1).
constexpr int tabOfBlock(int block)
{
    return block >= 0 && block < kCheckListTab - 1 ? block + 1 : kFileStartTab;
}

// The block of a block tab; nullopt for the beginning of the file, the check list and other numbers.
std::optional<int> blockOfTab(int tab);

// The hint of a tab: what choosing it does, or that there is no file to work on yet.
std::string editorTabHint(int tab, bool fileLoaded);

} // namespace notavi
