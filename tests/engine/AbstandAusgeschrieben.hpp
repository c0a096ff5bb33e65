// The separation of two places written out step by step, every sine and cosine
// taken for the pair, to compare the searches that keep them from place to place.
#pragma once

#include <cmath>

#include "astro/MATLIB.hpp"

namespace zenaro::test {

// The flat formula, the right-ascension difference brought into [-180, 180].
inline Extended FlachAusgeschrieben(Extended a1, Extended d1, Extended a2, Extended d2) {
    const Extended a = COSDEG((d1 + d2) / 2.0L) * std::remainder(a1 - a2, 360.0L);
    const Extended b = d1 - d2;
    return std::sqrt(a * a + b * b);
}

// The arc cosine below 0.95 in size, the flat formula above, for nearly opposite
// places 180 minus the flat formula to the point opposite the second; then the fold.
inline Extended AbstandAusgeschrieben(Extended a1, Extended d1, Extended a2, Extended d2) {
    const Extended x = SINDEG(d1) * SINDEG(d2) + COSDEG(d1) * COSDEG(d2) * COSDEG(a1 - a2);
    Extended d;
    if (x <= -0.95L)
        d = 180.0L - FlachAusgeschrieben(a1, d1, a2 + 180.0L, -d2);
    else if (x < 0.95L)
        d = ARCCOSDEG(x);
    else
        d = FlachAusgeschrieben(a1, d1, a2, d2);
    if (d > 180.0L) d = std::fabs(d - 360.0L);
    return d;
}

}  // namespace zenaro::test
