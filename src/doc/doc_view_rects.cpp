#include "doc/doc.h"

namespace vesm {

Rect CvesmDoc::ClockRect() const {
    std::lock_guard guard(lock_);
    return clockRect_;
}

void CvesmDoc::SetClockRect(const Rect& rect) {
    std::lock_guard guard(lock_);
    clockRect_ = rect;
}

NavigationZones CvesmDoc::Zones() const {
    std::lock_guard guard(lock_);
    return zones_;
}

void CvesmDoc::SetZones(const NavigationZones& zones) {
    std::lock_guard guard(lock_);
    zones_ = zones;
}

}  // namespace vesm
