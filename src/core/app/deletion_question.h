#pragma once

// The question that switches the automatic deletion of expired appointments at start-up on or off
// (Windows-1252; \r breaks the line).

#include <string>

namespace notavi {

std::string deletionSwitchQuestion(bool switchedOn, int periodDays);

} // namespace notavi
