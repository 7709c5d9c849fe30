#pragma once

// How notavi-cli writes a view: coloured lines for a terminal, or JSON.

#include "core/engine/view_entry.h"

#include <array>
#include <ostream>
#include <string>

namespace notavi::cli {

struct ViewOutput
{
    std::string caption; // Windows-1252, as on the tab
    const ViewEntries* entries = nullptr;
    std::array<int, 17> blockColours{}; // colour codes, 0 = none
    bool colour = false;
};

void writeText(std::ostream& out, const ViewOutput& view);
void writeJson(std::ostream& out, const ViewOutput& view);

// The caption without its access-key mark ("&H Montag" -> "Montag").
std::string plainCaption(const std::string& caption);
std::string jsonString(const std::string& utf8);

} // namespace notavi::cli
