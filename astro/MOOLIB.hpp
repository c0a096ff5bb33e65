// MOOLIB: the geocentric place of the Moon for a time T in Julian centuries since
// J2000, from E. W. Brown's lunar theory in the condensed form for personal
// computers: four mean arguments of the Moon and the Sun with long-period
// corrections, 104 terms of the solar perturbation, 10 terms of the latitude,
// 11 planetary terms in longitude and a series for the sine of the horizontal
// parallax, from which the distance follows.
//
// Only MOONECLIP and MOONEQUAT are meant for the rest of the program. The other
// routines are the steps of one MOONECLIP call; they work on the call's frame
// (TMondRahmen) and are declared here so that each step can be checked on its own.
// The module keeps no state and allocates nothing.
#pragma once

#include <array>
#include <cstdint>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// Arc seconds per radian, as the series uses it.
inline constexpr Extended MondARC = 206264.81L;
// Two pi, as the series uses it.
inline constexpr Extended MondPI2 = 6.283185308L;

// Geocentric ecliptic place of the Moon at T: LAMBDA longitude in degrees in
// [0, 360), BETA latitude in degrees, R distance in Earth radii; mean equinox of
// date, no light time.
void MOONECLIP(Extended T, Extended& LAMBDA, Extended& BETA, Extended& R);

// Geocentric equatorial place of the Moon at T: RA right ascension in degrees in
// [0, 360), DEC declination in degrees, R distance in Earth radii; true equator and
// equinox of date (nutation applied, no aberration, no light time).
void MOONEQUAT(Extended T, Extended& RA, Extended& DEC, Extended& R);

// x - trunc(x), plus 1 when that is negative: a fraction in [0, 1).
Extended MOONFRAC(Extended x);

// Sum of two angles given by cosine and sine: c = c1 c2 - s1 s2, s = s1 c2 + c1 s2.
// c and s may be the variables passed as c1 and s1.
void MOONADDANG(Extended c1, Extended s1, Extended c2, Extended s2, Extended& c, Extended& s);

// sin(2 pi MOONFRAC(x)) for x in revolutions.
Extended SINREVOL(Extended x);

// Long-period corrections at T: DL0, DL, DLS, DF, DD in arc seconds (mean
// longitude, mean anomaly, the Sun's mean anomaly, argument of latitude,
// elongation) and DGAM, the correction of the inclination factor.
void LONGCORR(Extended T, Extended& DL0, Extended& DL, Extended& DLS, Extended& DF, Extended& DD,
              Extended& DGAM);

// The frame of one MOONECLIP call.
struct TMondRahmen {
    Extended T = 0.0L;
    Extended T2 = 0.0L;  // T squared
    // Long-period corrections (LONGCORR).
    Extended DL0 = 0.0L, DL = 0.0L, DLS = 0.0L, DF = 0.0L, DD = 0.0L, DGAM = 0.0L;
    // Mean arguments in radians: mean longitude, mean anomaly, the Sun's mean
    // anomaly, argument of latitude, mean elongation.
    Extended L0 = 0.0L, L = 0.0L, LS = 0.0L, F = 0.0L, D = 0.0L;
    // Multiple table: CO[k + 6][i] = FAC^|k| cos(k x), SI[k + 6][i] = FAC^|k| sin(k x)
    // for the argument i (0: l, 1: l', 2: F, 3: D) and the multiple k in -6..6; only
    // the multiples up to MondHoechsteVielfache[i] are filled.
    std::array<std::array<Extended, 4>, 13> CO{};
    std::array<std::array<Extended, 4>, 13> SI{};
    // Sums in arc seconds: perturbation of the longitude, of the argument of
    // latitude, correction of the inclination term, sine of the parallax.
    Extended DLAM = 0.0L, DS = 0.0L, GAM1C = 0.0L, SINPI = 0.0L;
};

// Highest multiple of l, l', F and D held in the multiple table.
inline constexpr std::array<std::int32_t, 4> MondHoechsteVielfache = {4, 3, 4, 6};

// Initial sums, long-period corrections, mean arguments and the multiple table for
// the time Rahmen.T (Rahmen.T2 = T squared).
void MOONSETUP(TMondRahmen& Rahmen);

// Cosine X and sine Y of P l + Q l' + R F + S D (with the scale factors) from the
// multiple table. A multiple beyond the argument's highest multiple is not part of
// the series and raises the range-check error.
void ARGCOSSIN(const TMondRahmen& Rahmen, std::int32_t P, std::int32_t Q, std::int32_t R,
               std::int32_t S, Extended& X, Extended& Y);

// Adds one solar term row to DLAM, DS (sine coefficients CL, CS) and GAM1C, SINPI
// (cosine coefficients CG, CP).
void SOLARTERM(TMondRahmen& Rahmen, std::int32_t P, std::int32_t Q, std::int32_t R, std::int32_t S,
               Extended CL, Extended CS, Extended CG, Extended CP);

// The solar term rows of the three sets, in series order.
void SOLARSETA(TMondRahmen& Rahmen);
void SOLARSETB(TMondRahmen& Rahmen);
void SOLARSETC(TMondRahmen& Rahmen);

// The latitude sum N in arc seconds.
void LATSERIES(const TMondRahmen& Rahmen, Extended& N);
// Adds one latitude row (sine coefficient C) to N.
void LATTERM(const TMondRahmen& Rahmen, std::int32_t P, std::int32_t Q, std::int32_t R,
             std::int32_t S, Extended C, Extended& N);

// Adds the eleven planetary terms at Rahmen.T to DLAM.
void PLANETPERT(const TMondRahmen& Rahmen, Extended& DLAM);

// One solar term row: multiples of l, l', F, D and the coefficients in arc seconds.
struct TSonnenterm {
    std::int32_t P, Q, R, S;
    Extended CL, CS, CG, CP;
};

// The solar term rows of SOLARSETA, SOLARSETB and SOLARSETC.
extern const std::array<TSonnenterm, 35> SonnentermeA;
extern const std::array<TSonnenterm, 46> SonnentermeB;
extern const std::array<TSonnenterm, 23> SonnentermeC;

}  // namespace zenaro
