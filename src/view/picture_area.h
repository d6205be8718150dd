// Which part of the window the off-screen picture covers. The picture is no
// larger than the screen in either direction, so that huge fonts cost no
// more memory than the screen; of a window larger than that, the picture
// holds the part that lies on the screen, and a move that brings a part
// outside the picture on screen calls for a new paint.
#pragma once

#include "view/geometry.h"

namespace vesm {

// The part of a window on the screen, in window pixels; empty when none is.
Rect VisiblePart(Rect windowOnScreen, Rect screen);

// The window pixels a picture of `picture` size covers (as CanvasSize gives
// it) when it is placed to hold `visible`.
Rect PictureArea(Size window, Size picture, Rect visible);

// Whether `picture` holds every pixel of `visible`; nothing visible always fits.
bool PictureHolds(Rect picture, Rect visible);

}  // namespace vesm
