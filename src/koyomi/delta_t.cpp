#include "koyomi/delta_t.h"

namespace vesm {

// Espenak and Meeus's polynomials. Beyond the present the prediction is
// uncertain by a minute or two late in the century; it matters only for a
// new moon or a term within that of midnight.
double DeltaTSeconds(double year) {
    if (year < 1986) {
        const double t = year - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (year < 2005) {
        const double t = year - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

}  // namespace vesm
