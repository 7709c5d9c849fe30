#pragma once

// Windows-1252 text: the single-byte code page of the appointment file.
// The core keeps every text as these bytes; only the front ends convert.

#include <string>
#include <string_view>

namespace notavi {

// Lossless: every byte maps to one code point (the five undefined bytes to the C1 code point of the
// same value), so fromUtf8(toUtf8(s)) == s for every byte string s.
std::string toUtf8(std::string_view windows1252);
// The same, appended to out: no string of its own for every line of a long output.
void appendAsUtf8(std::string& out, std::string_view windows1252);
// The code point of one byte; all of them lie in the Basic Multilingual Plane.
char32_t codePointOf1252(char byte);
// Characters without a Windows-1252 byte become "?"; malformed UTF-8 bytes become "?".
std::string fromUtf8(std::string_view utf8);
// Whether fromUtf8 keeps the text whole: every character has a Windows-1252 byte and the UTF-8 is
// well formed.
bool storableAsWindows1252(std::string_view utf8);
bool storableAsWindows1252(std::u32string_view text);

// Upper case as the code page defines it ("wöc" -> "WÖC"; "ß" stays).
char toUpper1252(char c);
std::string toUpper1252(std::string_view text);

} // namespace notavi
