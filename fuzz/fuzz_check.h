#pragma once

// What the harnesses share: a property that fails stops the run like a crash, so that libFuzzer keeps
// the input that broke it.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace notavi::fuzz {

inline void require(bool holds, const char* what)
{
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s\n", what);
    std::abort();
}

// The bytes libFuzzer hands over, as the string view the core reads.
inline std::string_view bytesOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The byte `back` places from the end (1 = the last one), 0 when the input is shorter. The harnesses
// take their parameters from the end so that a real file works as a seed as it is.
inline std::uint8_t byteFromEnd(std::string_view bytes, std::size_t back)
{
    return bytes.size() >= back ? static_cast<std::uint8_t>(bytes[bytes.size() - back]) : 0;
}

} // namespace notavi::fuzz
