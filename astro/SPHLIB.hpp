// Ecliptic to equator of date, and the rotation from the plane of an orbit to the
// ecliptic. Pure functions, no state; every real is Extended, angles in degrees.
#pragma once

#include "astro/Laufzeit.hpp"
#include "astro/PNULIB.hpp"

namespace zenaro {

// Ecliptic to equatorial coordinates by the mean obliquity of date T (Julian
// centuries since J2000), in place; X is unchanged.
void ECLIPTOEQ(Extended T, Extended& X, Extended& Y, Extended& Z);
// A turns orbit-plane coordinates into ecliptic ones. Column 1 is the unit vector
// toward the perihelion, column 2 the one 90 degrees ahead in the orbit, column 3
// the pole of the orbit. Angles in degrees.
void ORBITMAT(Extended NODE, Extended INCL, Extended PERI, ROTMATRIX& A);
// Orbit-plane position (x, y) to ecliptic (X, Y, Z) through the first two columns of A.
void PLANETOECL(const ROTMATRIX& A, Extended x, Extended y, Extended& X, Extended& Y, Extended& Z);

}  // namespace zenaro
