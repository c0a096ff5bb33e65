#include "engine/Abstand.hpp"

#include <cmath>

#include "astro/MATLIB.hpp"

namespace zenaro {

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
    if (std::fabs(x) < AbstandFormelGrenze) {
        d = ARCCOSDEG(x);
    } else {
        // The difference as it comes may be almost a whole turn (359.5 and 0.5
        // degrees); the remainder brings it to the short way round.
        const Extended dAlpha = std::remainder(alpha1 - alpha2, 360.0L);
        const Extended a = COSDEG((delta1 + delta2) / 2.0L) * dAlpha;
        const Extended b = delta1 - delta2;
        d = std::sqrt(a * a + b * b);
    }
    if (d > 180.0L) d = std::fabs(d - 360.0L);
    return d;
}

}  // namespace zenaro
