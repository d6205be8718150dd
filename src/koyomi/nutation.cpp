#include "koyomi/nutation.h"

#include <cmath>
#include <numbers>

namespace vesm {
namespace {

// Multiples of D, M, M', F, Omega, then the coefficient and its change per
// century, in units of 0.0001 second of arc.
struct NutationTerm {
    signed char d, m, mMoon, f, omega;
    double coefficient, perCentury;
};

constexpr NutationTerm kTerms[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
};

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

}  // namespace

double NutationInLongitude(double t) {
    // Mean elongation of the Moon, anomalies of Sun and Moon, the Moon's argument
    // of latitude and the longitude of its ascending node, in degrees.
    const double d = 297.85036 + t * (445267.111480 + t * (-0.0019142 + t / 189474));
    const double m = 357.52772 + t * (35999.050340 + t * (-0.0001603 - t / 300000));
    const double mMoon = 134.96298 + t * (477198.867398 + t * (0.0086972 + t / 56250));
    const double f = 93.27191 + t * (483202.017538 + t * (-0.0036825 + t / 327270));
    const double omega = 125.04452 + t * (-1934.136261 + t * (0.0020708 + t / 450000));
    double sum = 0;
    for (const NutationTerm& term : kTerms) {
        const double argument =
            term.d * d + term.m * m + term.mMoon * mMoon + term.f * f + term.omega * omega;
        sum += (term.coefficient + term.perCentury * t) * std::sin(Radians(argument));
    }
    return sum / 10000;
}

}  // namespace vesm
