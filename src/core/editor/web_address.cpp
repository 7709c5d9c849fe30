#include "core/editor/web_address.h"

#include <algorithm>
#include <array>

namespace notavi {
namespace {

// The order decides: "https://www.x" yields the address from "www." on.
constexpr std::array<std::string_view, 4> kBeginnings = {"http://", "www.", "ftp://", "https://"};
constexpr std::string_view kBareWebPrefix = "www.";

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The patterns are ASCII, and no other Windows-1252 letter lower-cases to ASCII.
std::size_t findIgnoringCase(std::string_view text, std::string_view lowerPattern)
{
    const auto* const hit = std::search(text.begin(), text.end(), lowerPattern.begin(), lowerPattern.end(),
                                        [](char a, char b) { return asciiLower(a) == b; });
    return hit == text.end() ? std::string_view::npos : static_cast<std::size_t>(hit - text.begin());
}

} // namespace

std::optional<WebAddress> webAddressOfLine(std::string_view line)
{
    for (const std::string_view beginning : kBeginnings) {
        const std::size_t start = findIgnoringCase(line, beginning);
        if (start == std::string_view::npos)
            continue;
        std::string_view address = line.substr(start);
        address = address.substr(0, address.find(' '));
        if (address.ends_with('"'))
            address.remove_suffix(1);
        WebAddress result{std::string(address), std::string(address)};
        if (beginning == kBareWebPrefix)
            result.url.insert(0, "http://");
        return result;
    }
    return std::nullopt;
}

} // namespace notavi
