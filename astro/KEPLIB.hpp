// KEPLIB: heliocentric position and velocity of a comet or minor planet by
// unperturbed two-body motion (elliptic, hyperbolic and near-parabolic orbits).
//
// Times T and T0 (time of perihelion) are Julian centuries since J2000, distances
// astronomical units, velocities AU per day, the mean anomaly M and the eccentric
// anomaly in degrees, the hyperbolic anomaly without unit. Orbit-plane coordinates:
// x toward the perihelion, y 90 degrees ahead in the direction of motion.
//
// The module keeps no state besides the per-thread protocol below. When one of the three solvers
// stops at its iteration limit it writes one line to the standard output (" Konvergenzprobleme in
// ECCANOM", " Konvergenzprobleme in HYPANOM", " Konvergenzprobleme in PARAB") and returns its last
// iterate. An operation the floating-point unit would refuse (square root or logarithm of a
// negative number, division by zero, overflow, a NaN or infinite argument) raises ELaufzeitfehler
// instead of returning NaN or infinity; the out-arguments are then left as they were.
#pragma once

#include "astro/Laufzeit.hpp"
#include "astro/PNULIB.hpp"

namespace zenaro {

// What the three solvers did on this thread: the most steps any of them took since
// the counter was last reset (ECCANOM and HYPANOM count their Newton steps, PARAB
// its passes), and whether a stop at the iteration limit is reported on the
// standard output. A caller that computes places only to bound others can hold the
// report back and learn from the steps whether a solver came near its limit.
struct TKeplerProtokoll {
    std::int32_t MeisteSchritte = 0;
    bool Melden = true;
};
TKeplerProtokoll& KeplerProtokoll();

// Eccentric anomaly in degrees from the mean anomaly M (degrees) and e < 1:
// at most 15 Newton steps.
Extended ECCANOM(Extended M, Extended e);

// Hyperbolic anomaly H from the mean anomaly MH and e > 1: at most 15 Newton steps.
Extended HYPANOM(Extended MH, Extended e);

// Orbit-plane position and velocity on an ellipse from the mean anomaly M (degrees),
// the semi-major axis a and the eccentricity e.
void ELLIPPOS(Extended M, Extended a, Extended e, Extended& x, Extended& y, Extended& vx,
              Extended& vy);

// Orbit-plane position and velocity on a hyperbola at T for the perihelion time T0;
// a is used as |a|.
void HYPERPOS(Extended T0, Extended T, Extended a, Extended e, Extended& x, Extended& y,
              Extended& vx, Extended& vy);

// Orbit-plane position and velocity on a near-parabolic orbit (perihelion distance q)
// at T for the perihelion time T0: at most 16 passes.
void PARAB(Extended T0, Extended T, Extended q, Extended e, Extended& x, Extended& y, Extended& vx,
           Extended& vy);

// The three series of PARAB: c1 = sum (-E2)^j/(2j+1)!, c2 = sum (-E2)^j/(2j+2)!,
// c3 = sum (-E2)^j/(2j+3)!, summed until a term falls below 1e-12.
void CSERIES(Extended E2, Extended& c1, Extended& c2, Extended& c3);

// Ecliptic position and velocity (equinox of the elements) for any eccentricity
// from the perihelion time T0, the perihelion distance q and the orientation PQR
// made by ORBITMAT.
void ORBITSTATE(Extended T0, Extended T, Extended q, Extended e, const ROTMATRIX& PQR, Extended& X,
                Extended& Y, Extended& Z, Extended& VX, Extended& VY, Extended& VZ);

// Ecliptic position and velocity of an elliptic orbit from its mean anomaly M
// (degrees), semi-major axis a and eccentricity e.
void ELLIPSTATE(Extended M, Extended a, Extended e, const ROTMATRIX& PQR, Extended& X, Extended& Y,
                Extended& Z, Extended& VX, Extended& VY, Extended& VZ);

}  // namespace zenaro
