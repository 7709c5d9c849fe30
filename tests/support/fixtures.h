#pragma once

// Files below tests/fixtures.

#include <string>
#include <string_view>

namespace notavi::test {

// The bytes of a fixture file; fails the test when it is missing.
std::string readFixture(std::string_view name);

} // namespace notavi::test
