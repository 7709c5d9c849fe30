#include "cli/terminal_text.h"

#include "core/model/windows1252.h"

namespace notavi::cli {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// C0 controls and DEL, and the five bytes the code page leaves undefined: they become C1 controls,
// which some terminals obey as well.
bool isControl(unsigned char byte)
{
    if (byte == '\t')
        return false;
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 ||
           byte == 0x9D;
}

} // namespace

void appendForTerminal(std::string& out, std::string_view windows1252)
{
    std::size_t from = 0;
    for (std::size_t i = 0; i < windows1252.size(); ++i) {
        if (!isControl(static_cast<unsigned char>(windows1252[i])))
            continue;
        appendAsUtf8(out, windows1252.substr(from, i - from));
        out += kReplacement;
        from = i + 1;
    }
    appendAsUtf8(out, windows1252.substr(from));
}

std::string forTerminal(std::string_view windows1252)
{
    std::string out;
    appendForTerminal(out, windows1252);
    return out;
}

} // namespace notavi::cli
