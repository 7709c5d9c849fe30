#pragma once

// Where an entry of the check list points: the block name and the line number in the parentheses
// at its end. A message may hold parentheses of its own, so the last "(" opens the place.

#include <optional>

#include <QString>

namespace notavi::gui {

struct CheckListTarget
{
    QString blockName;
    int line = 1; // 1-based, at least 1
};

// nullopt for an entry without "(" (the entry of a file without errors).
std::optional<CheckListTarget> checkListTarget(const QString& entry);

} // namespace notavi::gui
