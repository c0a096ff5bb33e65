// Calendar dates and Modified Julian Dates, and the local mean sidereal time.
// Pure functions, no state.
//
// Time scale of the library: MJD = JD - 2400000.5 (MJD 51544.5 is 2000-01-01 12h);
// the series of the Sun, Moon, precession and nutation take T = (MJD - 51544.5)/36525,
// Julian centuries since J2000. Dates up to and including 1582-10-04 are Julian,
// later dates Gregorian; years are astronomical (1 BC is year 0).
//
// An intermediate that does not fit a 32-bit integer raises the runtime error 201
// (conversion) or 215 (integer addition or multiplication); NaN raises 207. Only
// dates millions of years away reach them.
#pragma once

#include <cstdint>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// Integer part of x as an extended, truncated toward zero (no range limit).
Extended INTPART(Extended x);
// Fractional part of x in [0, 1): x - trunc(x), plus 1 when that is negative. A
// negative fraction so small that adding 1 rounds to 1 gives 0 (its wrap-around).
Extended TIMFRAC(Extended x);

// MJD of a calendar date and hour of the day (decimal hours). Day and hour are not
// range-checked: day 0 or 32, hour 24 or negative move the result accordingly.
Extended DATETOMJD(std::int32_t DAY, std::int32_t MONTH, std::int32_t YEAR, Extended HOUR);
// Calendar date and hour of the day [0, 24) of an MJD. Before -4712 January 1 (JD 0)
// the Julian calendar runs on backward, so day, month and hour stay in their ranges.
void MJDTODATE(Extended MJD, std::int32_t& DAY, std::int32_t& MONTH, std::int32_t& YEAR,
               Extended& HOUR);
// Local mean sidereal time in hours [0, 24) at the MJD (universal time) and the
// geographic longitude LAMBDA in degrees, counted positive to the WEST.
Extended LOCSIDTIME(Extended MJD, Extended LAMBDA);

}  // namespace zenaro
