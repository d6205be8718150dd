// The wobble of the Earth's axis that shifts every longitude a little.
#pragma once

namespace vesm {

// Nutation in longitude in seconds of arc at `julianCenturies` from J2000, from the
// largest terms of the 1980 IAU theory (within a few hundredths of a second).
double NutationInLongitude(double julianCenturies);

}  // namespace vesm
