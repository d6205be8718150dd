#include "koyomi/new_moon.h"

#include <cmath>
#include <numbers>

namespace vesm {
namespace {

constexpr double kFirstNewMoon = 2451550.09766;
constexpr double kSynodicMonth = 29.530588861;

double SinDegrees(double degrees) {
    return std::sin(degrees * std::numbers::pi / 180);
}

// Coefficient and argument pairs for the planetary corrections.
struct PlanetaryTerm {
    double coefficient, start, perLunation;
};

constexpr PlanetaryTerm kPlanetaryTerms[] = {
    {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886}, {0.000126, 349.42, 36.412478},
    {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771}, {0.000060, 207.14, 2.453732},
    {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},  {0.000042, 207.19, 0.121824},
    {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154}, {0.000035, 239.56, 25.513099},
    {0.000023, 331.55, 3.592518},
};

double PlanetaryCorrection(double k, double t) {
    double sum = 0.000325 * SinDegrees(299.77 + 0.107408 * k - 0.009173 * t * t);
    for (const PlanetaryTerm& term : kPlanetaryTerms) {
        sum += term.coefficient * SinDegrees(term.start + term.perLunation * k);
    }
    return sum;
}

}  // namespace

double NewMoonMoment(int lunation) {
    const double k = lunation;
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    const double mean =
        kFirstNewMoon + kSynodicMonth * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    // The eccentricity factor of the Earth's orbit, and the anomalies of Sun and
    // Moon, the Moon's argument of latitude and its node, in degrees.
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = 2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3;
    const double mm =
        201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4;
    const double f =
        160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
    const double omega = 124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3;
    const double periodic =
        -0.40720 * SinDegrees(mm) + 0.17241 * e * SinDegrees(m) + 0.01608 * SinDegrees(2 * mm) +
        0.01039 * SinDegrees(2 * f) + 0.00739 * e * SinDegrees(mm - m) -
        0.00514 * e * SinDegrees(mm + m) + 0.00208 * e * e * SinDegrees(2 * m) -
        0.00111 * SinDegrees(mm - 2 * f) - 0.00057 * SinDegrees(mm + 2 * f) +
        0.00056 * e * SinDegrees(2 * mm + m) - 0.00042 * SinDegrees(3 * mm) +
        0.00042 * e * SinDegrees(m + 2 * f) + 0.00038 * e * SinDegrees(m - 2 * f) -
        0.00024 * e * SinDegrees(2 * mm - m) - 0.00017 * SinDegrees(omega) -
        0.00007 * SinDegrees(mm + 2 * m) + 0.00004 * SinDegrees(2 * mm - 2 * f) +
        0.00004 * SinDegrees(3 * m) + 0.00003 * SinDegrees(mm + m - 2 * f) +
        0.00003 * SinDegrees(2 * mm + 2 * f) - 0.00003 * SinDegrees(mm + m + 2 * f) +
        0.00003 * SinDegrees(mm - m + 2 * f) - 0.00002 * SinDegrees(mm - m - 2 * f) -
        0.00002 * SinDegrees(3 * mm + m) + 0.00002 * SinDegrees(4 * mm);
    return mean + periodic + PlanetaryCorrection(k, t);
}

int LunationNear(double jde) {
    return static_cast<int>(std::lround((jde - kFirstNewMoon) / kSynodicMonth));
}

}  // namespace vesm
