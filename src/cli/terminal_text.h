#pragma once

// Text for a terminal: appointment lines may hold control characters (ESC, BEL, ...), which a
// terminal would obey (set its title, clear the screen, ...) instead of showing them.

#include <string>
#include <string_view>

namespace notavi::cli {

// The Windows-1252 text as UTF-8, each control character but the tab shown as U+FFFD.
void appendForTerminal(std::string& out, std::string_view windows1252);
std::string forTerminal(std::string_view windows1252);

} // namespace notavi::cli
