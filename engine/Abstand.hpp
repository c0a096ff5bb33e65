// The angular separation of two places of the sky, as the Moon separation of the
// ephemeris, the passage search and the conjunction search measure it.
#pragma once

#include <cmath>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// Switch between the formulas: below this cosine in size the arc cosine is exact
// enough; at and above it (places closer than about 18 degrees, or nearly opposite)
// the flat formula takes over.
inline constexpr Extended AbstandFormelGrenze = 0.95L;

// Separation in degrees of the places (alpha1, delta1) and (alpha2, delta2), all in
// degrees. x = sin delta1 sin delta2 + cos delta1 cos delta2 cos(alpha1 - alpha2);
// for |x| < 0.95 the arc cosine of x; for x >= 0.95 the flat formula
// sqrt((cos((delta1 + delta2)/2) (alpha1 - alpha2))^2 + (delta1 - delta2)^2), with the
// right-ascension difference first brought into [-180, 180] so that two places on
// both sides of 0 h are measured across 0 h at every declination. For x <= -0.95
// (nearly opposite places, where the flat formula between the places themselves
// would be far off) 180 minus the flat formula between the first place and the point
// opposite the second (alpha2 + 180, -delta2). A result above 180 is folded back as
// |d - 360|. A place that is not a number gives NaN, which no radius test accepts.
Extended Winkelabstand(Extended alpha1, Extended delta1, Extended alpha2, Extended delta2);

// The same with SINDEG(delta2) and COSDEG(delta2) given, for a scan that measures
// many places from one place, or with the sines and cosines of both declinations
// given, for a search among places whose sines and cosines are taken once per
// place instead of once per pair (the result is the same to the last bit).
Extended Winkelabstand(Extended alpha1, Extended delta1, Extended alpha2, Extended delta2,
                       Extended sinDelta2, Extended cosDelta2);
Extended Winkelabstand(Extended alpha1, Extended delta1, Extended alpha2, Extended delta2,
                       Extended sinDelta1, Extended cosDelta1, Extended sinDelta2,
                       Extended cosDelta2);

// Whether (alpha, delta) is a place on the sky as a catalogue gives it: a declination
// from -90 to +90 degrees and a right ascension within a turn either way of 0..360.
// Between two such places Winkelabstand gives a number from 0 to 180; a place off the
// sky (from a damaged file: a declination of 300 or -1e2467, a right ascension of 1e30)
// may give anything, less than 0 and -infinity included, or NaN.
inline bool AmHimmel(Extended alpha, Extended delta) {
    return std::fabs(delta) <= 90.0L && alpha >= -360.0L && alpha <= 720.0L;
}

// Whether two places are certainly further apart than the radius, judged from their
// declinations alone, so that a search may pass over them unmeasured: both
// declinations on the sphere (|delta| <= 90), a radius of at most 90 degrees, and
// declinations more than the radius plus one degree apart. Winkelabstand never
// gives less than the declination difference there: the arc cosine measures within
// far less than a degree of the true arc, which is at least that difference; the
// flat formula between close places gives at least |delta1 - delta2| before the fold,
// and a result above 180 (at most sqrt(180^2 + 180^2) = 254.6) folds to at least
// 105.4; nearly opposite places lie within 18.2 degrees of each other's opposite
// point, which the flat formula measures as at most about 34 degrees (a place at a
// pole, the other 18.2 degrees from it across the pole), so they are more than 140
// degrees apart. So a place passed over would have been rejected by the radius.
inline bool SicherAusserhalb(Extended delta1, Extended delta2, Extended radius) {
    return radius <= 90.0L && std::fabs(delta1) <= 90.0L && std::fabs(delta2) <= 90.0L &&
           std::fabs(delta1 - delta2) > radius + 1.0L;
}

}  // namespace zenaro
