// Moments of new moon.
#pragma once

namespace vesm {

// The Julian ephemeris day of new moon number `lunation`, counted from the new
// moon of 2000-01-06 (0), by Meeus's series for the lunar phases (within a few
// seconds over this century).
double NewMoonMoment(int lunation);

// The number of the new moon nearest to `jde`, give or take one.
int LunationNear(double jde);

}  // namespace vesm
