// Precession and nutation, and the one matrix type of the library. Pure functions,
// no state; times are Julian centuries since J2000, every real is Extended.
#pragma once

#include <array>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// A 3 x 3 rotation matrix stored row by row. Element Aij (row i, column j, both
// counted from 1) is A[i - 1][j - 1]: A[0][0] is A11, A[0][2] is A13, A[2][2] is A33.
// Applied to a column vector: X' = A11 X + A12 Y + A13 Z, and so on.
using ROTMATRIX = std::array<std::array<Extended, 3>, 3>;

// x - trunc(x), a signed fraction in (-1, 1), without any integer range limit.
Extended NUTFRAC(Extended x);
// Turns an equatorial vector referred to the mean equator and equinox of date T into
// the true equator and equinox of date (first-order rotation), in place.
void NUTATEVEC(Extended T, Extended& X, Extended& Y, Extended& Z);
// A turns ecliptic coordinates referred to the equinox of T1 into those of T2.
void PRECECLMAT(Extended T1, Extended T2, ROTMATRIX& A);
// (X, Y, Z) := A (X, Y, Z); the new components are computed before any is stored.
void ROTATEVEC(const ROTMATRIX& A, Extended& X, Extended& Y, Extended& Z);

}  // namespace zenaro
