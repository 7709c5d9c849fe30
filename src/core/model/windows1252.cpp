#include "core/model/windows1252.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace notavi {
namespace {

// Code points of the bytes 0x80-0x9F; the undefined ones keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool hasHighByte(const char* eightBytes)
{
    std::uint64_t word = 0;
    std::memcpy(&word, eightBytes, sizeof word);
    return (word & 0x8080808080808080u) != 0;
}

// The byte of a code point; -1 when the code page has none.
int byteOrNone(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

int byteOf(char32_t cp)
{
    const int byte = byteOrNone(cp);
    return byte < 0 ? '?' : byte;
}

// Decodes one UTF-8 sequence at s[i]; advances i; returns U+FFFD on malformed input.
char32_t decodeOne(std::string_view s, std::size_t& i)
{
    const auto b0 = static_cast<unsigned char>(s[i++]);
    int extra = 0;
    char32_t cp = 0;
    if (b0 < 0x80)
        return b0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        cp = b0 & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp;
}

} // namespace

char32_t codePointOf1252(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x80 && value < 0xA0 ? kHighControls[value - 0x80] : value;
}

std::string toUtf8(std::string_view windows1252)
{
    std::string out;
    out.reserve(windows1252.size() + windows1252.size() / 8);
    appendAsUtf8(out, windows1252);
    return out;
}

void appendAsUtf8(std::string& out, std::string_view windows1252)
{
    // Runs of ASCII, most of every German text, are copied as they are, found eight bytes at a time:
    // the front ends convert every line of the view on its way out.
    std::size_t runStart = 0;
    std::size_t i = 0;
    while (i < windows1252.size()) {
        if (i + 8 <= windows1252.size() && !hasHighByte(windows1252.data() + i)) {
            i += 8;
            continue;
        }
        const auto byte = static_cast<unsigned char>(windows1252[i]);
        if (byte >= 0x80) {
            out.append(windows1252.substr(runStart, i - runStart));
            appendUtf8(out, codePointOf1252(static_cast<char>(byte)));
            runStart = i + 1;
        }
        ++i;
    }
    out.append(windows1252.substr(runStart));
}

std::string fromUtf8(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        out += static_cast<char>(byteOf(decodeOne(utf8, i)));
    return out;
}

bool storableAsWindows1252(std::string_view utf8)
{
    for (std::size_t i = 0; i < utf8.size();) {
        // A malformed sequence decodes as U+FFFD, which has no byte either.
        if (byteOrNone(decodeOne(utf8, i)) < 0)
            return false;
    }
    return true;
}

bool storableAsWindows1252(std::u32string_view text)
{
    for (const char32_t cp : text)
        if (byteOrNone(cp) < 0)
            return false;
    return true;
}

char toUpper1252(char c)
{
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 0x20);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<char>(b - 0x20);
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A); // š
    case 0x9C:
        return static_cast<char>(0x8C); // œ
    case 0x9E:
        return static_cast<char>(0x8E); // ž
    case 0xFF:
        return static_cast<char>(0x9F); // ÿ
    default:
        return c;
    }
}

std::string toUpper1252(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = toUpper1252(c);
    return out;
}

} // namespace notavi
