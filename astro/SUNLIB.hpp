// SUNLIB: geocentric place of the Sun from a trigonometric series of the Earth's
// orbit (Keplerian part, perturbations by Venus, Mars, Jupiter, Saturn and the Moon,
// four long-period terms). T is in Julian centuries since J2000. The module keeps no
// state.
#pragma once

#include "astro/Laufzeit.hpp"

namespace zenaro {

// Geometric ecliptic longitude L (degrees, [0, 360)) and latitude B (degrees),
// mean equinox of date, and distance R (AU).
void SUNECLIP(Extended T, Extended& L, Extended& B, Extended& R);

// Apparent right ascension RA (degrees, [0, 360)) and declination DEC (degrees),
// true equator and equinox of date, light time of 8.32 minutes applied; R is the
// distance (AU) at the time the light left the Sun.
void SUNEQUAT(Extended T, Extended& RA, Extended& DEC, Extended& R);

// x - trunc(x), plus 1 when negative: a fraction in [0, 1).
Extended SUNFRAC(Extended x);

// Cosine and sine of a sum from those of its parts.
void SUNADDANG(Extended c1, Extended s1, Extended c2, Extended s2, Extended& c, Extended& s);

}  // namespace zenaro
