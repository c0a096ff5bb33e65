#include "engine/Abstand.hpp"

#include <cmath>

#include "astro/MATLIB.hpp"

namespace zenaro {

namespace {

// The flat formula for two close places: the right-ascension difference weighted by
// the cosine of the mean declination, and the declination difference.
Extended FlacherAbstand(Extended alpha1, Extended delta1, Extended alpha2, Extended delta2) {
    // The difference as it comes may be almost a whole turn (359.5 and 0.5
    // degrees); the remainder brings it to the short way round.
    const Extended dAlpha = std::remainder(alpha1 - alpha2, 360.0L);
    const Extended a = COSDEG((delta1 + delta2) / 2.0L) * dAlpha;
    const Extended b = delta1 - delta2;
    return std::sqrt(a * a + b * b);
}

}  // namespace

Extended Winkelabstand(Extended alpha1, Extended delta1, Extended alpha2, Extended delta2) {
    return Winkelabstand(alpha1, delta1, alpha2, delta2, SINDEG(delta2), COSDEG(delta2));
}

Extended Winkelabstand(Extended alpha1, Extended delta1, Extended alpha2, Extended delta2,
                       Extended sinDelta2, Extended cosDelta2) {
    return Winkelabstand(alpha1, delta1, alpha2, delta2, SINDEG(delta1), COSDEG(delta1), sinDelta2,
                         cosDelta2);
}

Extended Winkelabstand(Extended alpha1, Extended delta1, Extended alpha2, Extended delta2,
                       Extended sinDelta1, Extended cosDelta1, Extended sinDelta2,
                       Extended cosDelta2) {
    const Extended x = sinDelta1 * sinDelta2 + cosDelta1 * cosDelta2 * COSDEG(alpha1 - alpha2);
    Extended d;
    if (x <= -AbstandFormelGrenze) {
        // Nearly opposite places: the flat formula measures the first place against
        // the point opposite the second, which lies close to it.
        d = 180.0L - FlacherAbstand(alpha1, delta1, alpha2 + 180.0L, -delta2);
    } else if (x < AbstandFormelGrenze) {
        d = ARCCOSDEG(x);
    } else {
        d = FlacherAbstand(alpha1, delta1, alpha2, delta2);
    }
    if (d > 180.0L) d = std::fabs(d - 360.0L);
    return d;
}

}  // namespace zenaro
