#pragma once

// Fitting a stored window onto the screen, as a pure function so that the GUI only applies the result.

#include "core/app/settings.h"

namespace notavi {

struct ScreenSize
{
    int width = 0;
    int height = 0;
};

// The bounds to give a window read from the settings: moved right or down when it starts above or left
// of the screen, moved back when it sticks out at the right or bottom, and cut to the screen when it is
// larger. A width or height below 1 (a damaged file) is taken as the default size first. The maximised
// flag is passed through; the GUI maximises after setting the bounds.
WindowGeometry fitToScreen(WindowGeometry geometry, ScreenSize screen);

// The part of the screen a window may use (without panels), in screen coordinates.
struct ScreenArea
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What the window's frame adds to its inner size: borders left and right, title bar and borders
// above and below.
struct FrameExtent
{
    int width = 0;
    int height = 0;
};

// The same for a window whose stored position is that of its frame and whose stored size is its
// inner size: the whole frame is fitted into the area, so that no edge of it lies off the screen.
WindowGeometry fitToScreen(WindowGeometry geometry, ScreenArea area, FrameExtent frame);

} // namespace notavi
