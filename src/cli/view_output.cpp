#include "cli/view_output.h"

#include "cli/terminal_text.h"
#include "core/calendar/german_text.h"
#include "core/engine/entry_colour.h"
#include "core/model/colour_table.h"
#include "core/model/windows1252.h"

#include <cstdio>

namespace notavi::cli {
namespace {

std::string ansiForeground(int code)
{
    Rgb rgb = colourOfCode(code);
    return "\x1b[38;2;" + std::to_string(rgb.red) + ";" + std::to_string(rgb.green) + ";" +
           std::to_string(rgb.blue) + "m";
}

} // namespace

std::string plainCaption(const std::string& caption)
{
    return caption.size() > 3 && caption[0] == '&' ? caption.substr(3) : caption;
}

std::string jsonString(const std::string& utf8)
{
    std::string out = "\"";
    for (unsigned char c : utf8) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out += escaped;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

void writeText(std::ostream& out, const ViewOutput& view)
{
    // Written in slices of a fixed size: a year view has a hundred thousand lines, and a buffer
    // for all of them would only cost fresh memory.
    constexpr std::size_t kSlice = 64 * 1024;
    std::string text = forTerminal(plainCaption(view.caption)) + "\n\n";
    text.reserve(kSlice + 4096);
    for (const ViewEntry& entry : *view.entries) {
        int colour = shownColourCode(entry, view.blockColours);
        const bool coloured = view.colour && colour != 0 && !entry.isSeparator();
        if (coloured)
            text += ansiForeground(colour);
        appendForTerminal(text, entry.phrase);
        appendForTerminal(text, entry.rest);
        text += coloured ? "\x1b[0m\n" : "\n";
        if (text.size() >= kSlice) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

void writeJson(std::ostream& out, const ViewOutput& view)
{
    out << "{\"ansicht\":" << jsonString(toUtf8(plainCaption(view.caption))) << ",\"eintraege\":[";
    bool first = true;
    for (const ViewEntry& entry : *view.entries) {
        if (entry.isSeparator())
            continue;
        out << (first ? "" : ",") << "\n  {\"datum\":" << jsonString(dateKey(entry.day))
            << ",\"text\":" << jsonString(toUtf8(entry.text())) << ",\"zeile\":";
        if (entry.sourceLine == kInternalSourceLine)
            out << "null";
        else
            out << entry.sourceLine + 1;
        out << ",\"block\":" << entry.block << ",\"farbe\":" << shownColourCode(entry, view.blockColours)
            << "}";
        first = false;
    }
    out << "\n]}\n";
}

} // namespace notavi::cli
