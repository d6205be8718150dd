// Which day in Japan an astronomical moment falls on.
#pragma once

namespace vesm {

// Julian ephemeris day (Terrestrial Time) of 2000-01-01 12:00.
constexpr double kJ2000 = 2451545.0;

// The day number of the Japan-time (UTC+9) date holding the moment `jde`.
int JapanDayOf(double jde);

}  // namespace vesm
