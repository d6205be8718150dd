#include "koyomi/sun_longitude.h"

#include <cmath>
#include <numbers>
#include <span>

#include "koyomi/japan_day.h"
#include "koyomi/nutation.h"

namespace vesm {
namespace {

// One periodic term of VSOP87: amplitude * cos(phase + frequency * tau), the
// amplitude in 1e-8 radian or astronomical unit, tau in millennia from J2000.
struct SeriesTerm {
    double amplitude, phase, frequency;
};

// The Earth's heliocentric longitude, as truncated in Meeus's Astronomical Algorithms.
constexpr SeriesTerm kL0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
    {25, 3.16, 4690.48},
};
constexpr SeriesTerm kL1[] = {
    {628331966747, 0, 0},       {206059, 2.678235, 6283.075850},
    {4303, 2.6351, 12566.1517}, {425, 1.590, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.40, 796.30},         {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.30},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694.00},
    {11, 0.77, 553.57},         {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},        {9, 2.70, 242.73},
    {9, 5.64, 951.72},          {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
};
constexpr SeriesTerm kL2[] = {
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.30}, {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.30}, {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98},
};
constexpr SeriesTerm kL3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},          {17, 5.49, 12566.15}, {3, 5.20, 155.42},
    {1, 4.72, 3.52},        {1, 5.30, 18849.23}, {1, 5.97, 242.73},
};
constexpr SeriesTerm kL4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr SeriesTerm kL5[] = {{1, 3.14, 0}};

// The Earth's distance, only for the aberration: its leading terms are ample.
constexpr SeriesTerm kR0[] = {
    {100013989, 0, 0},          {1670700, 3.0984635, 6283.0758500}, {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715}, {1628, 1.1739, 5753.3849},          {1576, 2.8469, 7860.4194},
};
constexpr SeriesTerm kR1[] = {{103019, 1.107490, 6283.075850}, {1721, 1.0644, 12566.1517}};

double Sum(std::span<const SeriesTerm> series, double tau) {
    double sum = 0;
    for (const SeriesTerm& term : series) {
        sum += term.amplitude * std::cos(term.phase + term.frequency * tau);
    }
    return sum;
}

// A power series in tau whose coefficients are the sums of the given series.
double Evaluate(std::span<const std::span<const SeriesTerm>> powers, double tau) {
    double result = 0;
    for (auto power = powers.rbegin(); power != powers.rend(); ++power) {
        result = result * tau + Sum(*power, tau);
    }
    return result / 1e8;
}

double Degrees(double radians) {
    return radians * 180 / std::numbers::pi;
}

}  // namespace

double SunApparentLongitude(double jde) {
    const double tau = (jde - kJ2000) / 365250;
    const std::span<const SeriesTerm> longitude[] = {kL0, kL1, kL2, kL3, kL4, kL5};
    const std::span<const SeriesTerm> distance[] = {kR0, kR1};
    const double earthLongitude = Degrees(Evaluate(longitude, tau));
    const double radius = Evaluate(distance, tau);
    constexpr double kToFk5 = -0.09033;       // seconds of arc
    constexpr double kAberration = -20.4898;  // seconds of arc at one unit
    const double correction = kToFk5 + NutationInLongitude(tau * 10) + kAberration / radius;
    const double sun = earthLongitude + 180 + correction / 3600;
    const double wrapped = std::fmod(sun, 360.0);
    return wrapped < 0 ? wrapped + 360 : wrapped;
}

}  // namespace vesm
