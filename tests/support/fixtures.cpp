#include "support/fixtures.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

namespace notavi::test {

std::string readFixture(std::string_view name)
{
    const auto path = std::filesystem::path(NOTAVI_FIXTURES_DIR) / name;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "missing fixture " << path;
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace notavi::test
