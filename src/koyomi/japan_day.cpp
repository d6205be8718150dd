#include "koyomi/japan_day.h"

#include <cmath>

#include "koyomi/delta_t.h"

namespace vesm {

int JapanDayOf(double jde) {
    const double year = 2000 + (jde - kJ2000) / 365.25;
    const double universal = jde - DeltaTSeconds(year) / 86400;
    // A Julian day starts at noon; Japan's day starts 9 hours before UTC's.
    return static_cast<int>(std::floor(universal + 0.5 + 9.0 / 24));
}

}  // namespace vesm
