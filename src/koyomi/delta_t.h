// The difference between the uniform time of the ephemerides and clock time.
#pragma once

namespace vesm {

// Terrestrial Time minus Universal Time, in seconds, for a year with fraction.
// Observed values fitted up to 2005, a smooth prediction after.
double DeltaTSeconds(double year);

}  // namespace vesm
