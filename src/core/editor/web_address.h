#pragma once

// The web address written in a line: the first of "http://", "www.", "ftp://" and "https://" that
// occurs (looked for in this order, ignoring letter case) starts it, the next blank ends it.

#include <optional>
#include <string>
#include <string_view>

namespace notavi {

struct WebAddress
{
    std::string text; // as written in the line, without a closing quotation mark
    // What to hand to the desktop: the text, with "http://" before a bare "www." address, which the
    // desktop would otherwise take for a file name.
    std::string url;
};

// nullopt when the line holds none of the four beginnings.
std::optional<WebAddress> webAddressOfLine(std::string_view line);

} // namespace notavi
