#include "koyomi/solar_terms.h"

#include <cmath>

#include "koyomi/sun_longitude.h"

namespace vesm {
namespace {

constexpr double kTropicalYear = 365.242189;
// A mean March equinox, a first guess only.
constexpr double kEquinox2000 = 2451623.80984;

// The angle from `from` to `to` in degrees, -180 < result <= 180.
double AngleBetween(double from, double to) {
    const double angle = std::fmod(to - from, 360.0);
    if (angle > 180) return angle - 360;
    if (angle <= -180) return angle + 360;
    return angle;
}

}  // namespace

double SolarTermMoment(int year, int term) {
    // 小寒 (19) to 啓蟄 (23) come before the year's March equinox.
    const int termsFromEquinox = term <= kWinterSolstice ? term : term - kSolarTermCount;
    double jde = kEquinox2000 + kTropicalYear * (year - 2000) +
                 kTropicalYear * termsFromEquinox / kSolarTermCount;
    const double target = 15.0 * term;
    // The Sun moves about a degree a day; each step cuts the error some thirty-fold.
    for (int step = 0; step < 8; ++step) {
        const double correction =
            AngleBetween(SunApparentLongitude(jde), target) * kTropicalYear / 360;
        jde += correction;
        if (std::abs(correction) < 1e-6) break;
    }
    return jde;
}

}  // namespace vesm
