#include "core/app/window_geometry.h"

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
    const WindowGeometry defaults;
    if (geometry.width < 1)
        geometry.width = defaults.width;
    if (geometry.height < 1)
        geometry.height = defaults.height;
    fitAxis(geometry.top, geometry.height, screen.height);
    fitAxis(geometry.left, geometry.width, screen.width);
    return geometry;
}

} // namespace notavi
