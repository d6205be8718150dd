// Moments of the twenty-four solar terms.
#pragma once

namespace vesm {

constexpr int kSolarTermCount = 24;
constexpr int kWinterSolstice = 18;  // 冬至, 270°

// The Julian ephemeris day when the Sun's apparent longitude reaches 15° x `term`
// (0 = 春分 .. 23 = 啓蟄) within the Gregorian year `year`, found to a fraction
// of a second.
double SolarTermMoment(int year, int term);

// Principal terms (中気), at multiples of 30°, name the months; the others are 節気.
constexpr bool IsPrincipalTerm(int term) {
    return term % 2 == 0;
}

}  // namespace vesm
