// Trigonometry in degrees, spherical and cartesian coordinates, the cube root and
// the three-point parabola of the rising and setting search. Pure functions, no
// state; every real is Extended.
#pragma once

#include <cstdint>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// The degree factor of the library: degrees times RAD give radians, radians
// divided by RAD give degrees. Deliberately the 15-digit literal, not pi/180.
inline constexpr Extended RAD = 0.0174532925199433L;

Extended SINDEG(Extended x);  // sin(x * RAD)
Extended COSDEG(Extended x);  // cos(x * RAD)
// SINDEG(x) and COSDEG(x) from one argument reduction: the same two numbers.
void SINCOSDEG(Extended x, Extended& s, Extended& c);
// sin/cos of x * RAD; no guard at 90 degrees (the result is merely very large).
Extended TANDEG(Extended x);
// arctan(x) / RAD, in (-90, 90).
Extended ARCTANDEG(Extended x);
// arccos in degrees, [0, 180]. |x| >= 1 gives 90 - 90 * Round(x), so 1 gives 0,
// -1 gives 180 and slightly larger magnitudes (rounding noise up to below 1.5)
// clamp the same way; NaN or |x| >= 1.5 raises the runtime error 207.
Extended ARCCOSDEG(Extended x);
// The angle of the point (x, y) in degrees, in (-180, 180]; (0, 0) gives 0.
Extended ATANTWODEG(Extended y, Extended x);

// Radius, latitude and longitude (degrees) to the cartesian vector.
void SPHTOCART(Extended R, Extended THETA, Extended PHI, Extended& X, Extended& Y, Extended& Z);
// Cartesian vector to radius, latitude [-90, 90] and longitude [0, 360) in degrees.
// The zero vector gives R = 0, THETA = 0, PHI = 0.
void CARTTOSPH(Extended X, Extended Y, Extended Z, Extended& R, Extended& THETA, Extended& PHI);

// Cube root of x >= 0 (0 for 0); a negative argument or NaN raises the runtime
// error 207.
Extended CUBEROOT(Extended x);

// The parabola through (-1, YMINUS), (0, Y0), (+1, YPLUS): the abscissa XE and value
// YE of its extremum, and its zeros. NROOT counts the zeros in [-1, 1]; when it is 1
// the zero is in ROOT1. When the parabola has no real zero (discriminant < 0),
// NROOT = 0 and ROOT1, ROOT2 keep the caller's values.
// Three values on a straight line (curvature A = 0, no extremum): XE = 0 and
// YE = Y0 (the middle sample); when the line has a zero in [-1, 1] (it is not
// constant) NROOT = 1 and ROOT1 is that zero, otherwise NROOT = 0; ROOT2 keeps the
// caller's value in both cases, and ROOT1 when there is no zero in [-1, 1].
void THREEPOINT(Extended YMINUS, Extended Y0, Extended YPLUS, Extended& XE, Extended& YE,
                Extended& ROOT1, Extended& ROOT2, std::int32_t& NROOT);

}  // namespace zenaro
