#include "view/picture_area.h"

#include <algorithm>

namespace vesm {

namespace {

bool IsEmpty(Rect rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// Where along one direction the picture starts: at the visible part's start,
// unless that would run the picture past the window's end.
int PictureStart(int windowLength, int pictureLength, int visibleStart) {
    return std::clamp(visibleStart, 0, std::max(windowLength - pictureLength, 0));
}

}  // namespace

Rect VisiblePart(Rect windowOnScreen, Rect screen) {
    const Rect part{std::max(windowOnScreen.left, screen.left) - windowOnScreen.left,
                    std::max(windowOnScreen.top, screen.top) - windowOnScreen.top,
                    std::min(windowOnScreen.right, screen.right) - windowOnScreen.left,
                    std::min(windowOnScreen.bottom, screen.bottom) - windowOnScreen.top};
    return IsEmpty(part) ? Rect{} : part;
}

Rect PictureArea(Size window, Size picture, Rect visible) {
    const Point start{PictureStart(window.width, picture.width, visible.left),
                      PictureStart(window.height, picture.height, visible.top)};
    return RectAt(start, picture);
}

bool PictureHolds(Rect picture, Rect visible) {
    return IsEmpty(visible) || (picture.left <= visible.left && picture.top <= visible.top &&
                                visible.right <= picture.right && visible.bottom <= picture.bottom);
}

}  // namespace vesm
