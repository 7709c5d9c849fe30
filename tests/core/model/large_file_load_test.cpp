// Large and hostile appointment files through the main window's load: each loads whole, every byte
// in its line. (A folder or an unreadable file in place of notavi.dat: storage_test.cpp. The full
// sizes, time and memory: bench/hostile_input.sh.)

#include "core/model/info_area.h"
#include "core/model/storage.h"
#include "support/temp_dir.h"

#include <functional>

#include <gtest/gtest.h>

namespace notavi {
namespace {

std::string infoArea()
{
    return joinLines(standardInfoArea());
}

std::string repeatedLine(std::string_view line, std::string_view end, std::size_t count)
{
    std::string bytes;
    bytes.reserve((line.size() + end.size()) * count);
    for (std::size_t i = 0; i < count; ++i)
        bytes.append(line).append(end);
    return bytes;
}

struct HostileFile
{
    const char* name;
    std::function<std::string()> bytes;
    std::size_t lines;                           // after the load
    std::function<void(const Lines&)> spotCheck; // a few lines where they must be
};

void PrintTo(const HostileFile& file, std::ostream* out)
{
    *out << file.name;
}

class LargeFileLoad : public ::testing::TestWithParam<HostileFile>
{
};

TEST_P(LargeFileLoad, LoadsWholeAndWritesBackTheSameBytes)
{
    test::TempDir dir;
    const std::string bytes = GetParam().bytes();
    dir.write("notavi.dat", bytes);
    RealFileSystem fs;
    const MainLoadResult loaded = loadMainList(fs, dir.path());
    ASSERT_EQ(loaded.status, MainLoadStatus::Loaded);
    ASSERT_EQ(loaded.file.lines.size(), GetParam().lines);
    GetParam().spotCheck(loaded.file.lines);

    // What the load repaired is written back; loading that again changes nothing.
    ASSERT_TRUE(writeBack(fs, dir.path(), loaded.file.lines));
    const MainLoadResult again = loadMainList(fs, dir.path());
    EXPECT_FALSE(again.corrected);
    EXPECT_EQ(again.file.lines, loaded.file.lines);
}

const std::string kWeeklyHeader = "W\xD6"
                                  "chentliche Termine:";

INSTANTIATE_TEST_SUITE_P(
    Hostile, LargeFileLoad,
    ::testing::Values(
        HostileFile{
            // A million lines here (seconds in a sanitizer build); the bench script loads two million.
            "MillionLines",
            [] { return infoArea() + kWeeklyHeader + "\r\n" + repeatedLine("Mo x", "\r\n", 1'000'000); },
            11 + 1 + 1'000'000,
            [](const Lines& lines) {
                EXPECT_EQ(lines[12], "Mo x");
                EXPECT_EQ(lines.back(), "Mo x");
            }},
        // 20 MB here; the bench script loads 100 MB.
        HostileFile{"TwentyMegabytes",
                    [] {
                        return infoArea() + "Einmalige Termine:\r\n" +
                               repeatedLine("15.03.2025 " + std::string(89, 'z'), "\r\n", 200'000);
                    },
                    11 + 1 + 200'000, [](const Lines& lines) { EXPECT_EQ(lines.back().size(), 100u); }},
        HostileFile{"TenMegabyteLine",
                    [] { return infoArea() + std::string(10'000'000, 'y') + "\r\nEIN\r\n"; }, 11 + 2,
                    [](const Lines& lines) { EXPECT_EQ(lines[11], std::string(10'000'000, 'y')); }},
        // No line end at all: one line, behind the info area the repair puts in front of it.
        HostileFile{"OnlyNulBytes", [] { return std::string(1'000'000, '\0'); }, 11 + 1,
                    [](const Lines& lines) { EXPECT_EQ(lines[11], std::string(1'000'000, '\0')); }},
        HostileFile{"LoneCarriageReturns",
                    [] {
                        std::string bytes = infoArea();
                        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
                             at = bytes.find("\r\n"))
                            bytes.erase(at + 1, 1);
                        return bytes + "EIN\r" +
                               repeatedLine(std::string("01.01.2025 a\0b", 14), "\r", 500'000);
                    },
                    11 + 1 + 500'000,
                    [](const Lines& lines) {
                        EXPECT_EQ(lines[10], "*");
                        EXPECT_EQ(lines.back(), std::string("01.01.2025 a\0b", 14));
                    }}),
    [](const auto& p) { return std::string(p.param.name); });

} // namespace
} // namespace notavi
