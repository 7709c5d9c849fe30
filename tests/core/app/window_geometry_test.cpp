#include "core/app/window_geometry.h"

#include <climits>
#include <ostream>

#include <gtest/gtest.h>

namespace notavi {

void PrintTo(const WindowGeometry& g, std::ostream* out)
{
    *out << "top " << g.top << " left " << g.left << " " << g.width << "x" << g.height
         << (g.maximised ? " maximised" : "");
}

namespace {

struct FitCase
{
    const char* name;
    WindowGeometry stored;
    WindowGeometry expected;
};

constexpr ScreenSize kScreen{1280, 1024};

TEST(FitToScreen, ClampsTheStoredBounds)
{
    const FitCase cases[] = {
        {"inside stays", {100, 200, 640, 480, false}, {100, 200, 640, 480, false}},
        {"fills the screen exactly", {0, 0, 1280, 1024, false}, {0, 0, 1280, 1024, false}},
        {"right of the screen moves back", {0, 1500, 640, 480, false}, {0, 640, 640, 480, false}},
        {"below the screen moves up", {900, 0, 640, 480, false}, {544, 0, 640, 480, false}},
        {"negative position becomes 0", {-20, -5, 640, 480, false}, {0, 0, 640, 480, false}},
        {"taller than the screen", {50, 0, 640, 2000, false}, {0, 0, 640, 1024, false}},
        {"wider than the screen", {0, 10, 3000, 480, false}, {0, 0, 1280, 480, false}},
        {"zero size is the default size", {0, 0, 0, -7, false}, {0, 0, 640, 480, false}},
        {"huge values do not overflow",
         {INT_MAX, INT_MAX, INT_MAX, INT_MAX, false},
         {0, 0, 1280, 1024, false}},
        {"maximised flag passes", {10, 10, 640, 480, true}, {10, 10, 640, 480, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fitToScreen(c.stored, kScreen), c.expected);
    }
}

TEST(FitToScreen, KeepsTheWholeFrameInsideTheUsableArea)
{
    // A panel of 30 pixels at the top; the frame adds 2 x 5 pixels of border and a 30-pixel title bar.
    constexpr ScreenArea kArea{0, 30, 1280, 994};
    constexpr FrameExtent kFrame{10, 35};
    const FitCase cases[] = {
        {"inside stays", {100, 200, 640, 480, false}, {100, 200, 640, 480, false}},
        {"from a taller screen: the bottom edge comes back",
         {100, 0, 640, 1200, false},
         {30, 0, 640, 959, false}},
        {"low window moves up by its frame", {700, 0, 640, 480, false}, {509, 0, 640, 480, false}},
        {"under the panel moves below it", {0, 0, 640, 480, false}, {30, 0, 640, 480, false}},
        {"from a wider screen", {0, 2000, 1500, 480, false}, {30, 0, 1270, 480, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowGeometry fitted = fitToScreen(c.stored, kArea, kFrame);
        EXPECT_EQ(fitted, c.expected);
        EXPECT_LE(fitted.top + fitted.height + kFrame.height, kArea.top + kArea.height);
    }
}

TEST(FitToScreen, SecondScreenLeftOfThePrimaryKeepsItsCoordinates)
{
    const ScreenArea left{-1920, 0, 1920, 1080};
    EXPECT_EQ(fitToScreen({100, -1800, 640, 480, false}, left, FrameExtent{}),
              (WindowGeometry{100, -1800, 640, 480, false}));
}

} // namespace
} // namespace notavi
