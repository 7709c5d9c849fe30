#include "core/app/window_geometry.h"

#include <algorithm>
#include <cstdint>

namespace notavi {
namespace {

// One axis: position and length against the screen's length. Sums are taken in 64 bits because the
// file may hold any 32-bit values.
void fitAxis(int& position, int& length, int screenLength)
{
    if (position < 0)
        position = 0;
    if (static_cast<std::int64_t>(position) + length > screenLength) {
        position = screenLength - length;
        if (position < 0) {
            position = 0;
            length = screenLength;
        }
    }
}

} // namespace

WindowGeometry fitToScreen(WindowGeometry geometry, ScreenSize screen)
{
    return fitToScreen(geometry, ScreenArea{0, 0, screen.width, screen.height}, FrameExtent{});
}

WindowGeometry fitToScreen(WindowGeometry geometry, ScreenArea area, FrameExtent frame)
{
    const WindowGeometry defaults;
    if (geometry.width < 1)
        geometry.width = defaults.width;
    if (geometry.height < 1)
        geometry.height = defaults.height;
    // Fitted in the area's own coordinates, with the frame's outer size.
    int top = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{geometry.top} - area.top, INT32_MIN, INT32_MAX));
    int left = static_cast<int>(
        std::clamp<std::int64_t>(std::int64_t{geometry.left} - area.left, INT32_MIN, INT32_MAX));
    int outerHeight =
        static_cast<int>(std::min<std::int64_t>(std::int64_t{geometry.height} + frame.height, INT32_MAX));
    int outerWidth =
        static_cast<int>(std::min<std::int64_t>(std::int64_t{geometry.width} + frame.width, INT32_MAX));
    fitAxis(top, outerHeight, area.height);
    fitAxis(left, outerWidth, area.width);
    geometry.top = top + area.top;
    geometry.left = left + area.left;
    geometry.height = std::max(1, outerHeight - frame.height);
    geometry.width = std::max(1, outerWidth - frame.width);
    return geometry;
}

} // namespace notavi
