// Where the Sun stands along the ecliptic, as seen from the Earth.
#pragma once

namespace vesm {

// The Sun's apparent geocentric longitude in degrees, 0 <= result < 360, at the
// Julian ephemeris day `jde`: the Earth's heliocentric place from a truncated
// VSOP87 series (accurate to about a second of arc), plus nutation and aberration.
double SunApparentLongitude(double jde);

}  // namespace vesm
