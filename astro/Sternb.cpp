#include "astro/Sternb.hpp"

#include <cmath>
#include <numbers>

#include "astro/TIMLIB.hpp"

namespace zenaro {

namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;
constexpr Extended ZweiPi = 2.0L * Pi;
// Degrees to radians; the constellation search uses the full-precision factor.
constexpr Extended GradFaktor = 0.017453292519943295769L;
// Arc seconds to radians, for the higher terms of the precession angles.
constexpr Extended Bogensekunde = GradFaktor / 3600.0L;

// Precession angles zeta, z, theta of the IAU 1976 system (Lieske 1977) in radians
// from the starting epoch T over the interval t, both in Julian centuries.
struct Praezessionswinkel {
    Extended Zeta, Z, Theta;
};

Praezessionswinkel IAU1976(Extended T, Extended t) {
    const Extended rate = 0.0111808604L + (1.39656L - 0.000139L * T) * T * Bogensekunde;
    Praezessionswinkel w;
    w.Zeta = (rate + ((0.30188L - 0.000344L * T) + 0.017998L * t) * t * Bogensekunde) * t;
    w.Z = (rate + ((1.09468L + 0.000066L * T) + 0.018203L * t) * t * Bogensekunde) * t;
    w.Theta = (0.0097171739L - (0.85330L + 0.000217L * T) * T * Bogensekunde -
               ((0.42665L + 0.000217L * T) + 0.041833L * t) * t * Bogensekunde) *
              t;
    return w;
}

}  // namespace

Extended ARCSINRAD(Extended x) {
    if (std::fabs(x) == 1.0L) return x * Pi / 2.0L;
    if (std::fabs(x) <= 1e-7L) return x;
    return std::atan(x / Sqrt((1.0L - x) * (1.0L + x)));
}

std::string SternbildImKasten(Extended RA1875, Extended DEC1875) {
    // The loop stays inside the table by construction, so it reads the values
    // directly (box i is element i-1 of the arrays, counted from 0).
    const char* abbr = "UMI";
    const Extended* ra = CONSTRA.Werte;
    const Extended* dec = CONSTDEC.Werte;
    const std::int32_t kaesten = CONSTCOUNT / 2;
    for (std::int32_t i = 0; i < kaesten; ++i) {
        if (ra[2 * i] <= RA1875 && RA1875 <= ra[2 * i + 1] && dec[2 * i + 1] <= DEC1875 &&
            DEC1875 <= dec[2 * i])
            abbr = CONSTABBR.Werte[i];
    }
    return abbr;
}

std::string CONSTFIND(Extended RA, Extended DEC, Extended EQUINOX, std::string& ABBR) {
    // A NaN or infinite coordinate would match no box and pass as "UMI".
    if (!std::isfinite(RA) || !std::isfinite(DEC))
        Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "CONSTFIND");
    const Extended alpha = 15.0L * RA * GradFaktor;
    const Extended delta = DEC * GradFaktor;

    const Extended mjd0 = DATETOMJD(1, 1, Trunc(EQUINOX), 0.0L);
    const Extended mjd1 = DATETOMJD(1, 1, 1875, 0.0L);
    const Extended T = (mjd0 - 51544.5L) / 36525.0L;
    const Extended t = (mjd1 - mjd0) / 36525.0L;
    const Praezessionswinkel w = IAU1976(T, t);

    const Extended cd = std::cos(delta), sd = std::sin(delta);
    const Extended ct = std::cos(w.Theta), st = std::sin(w.Theta);
    const Extended ca = std::cos(alpha + w.Zeta), sa = std::sin(alpha + w.Zeta);
    Extended sinDelta1 = cd * st * ca + sd * ct;
    // At the poles the sum can exceed 1 by a rounding step; it is the pole itself.
    if (std::fabs(sinDelta1) > 1.0L && std::fabs(sinDelta1) <= 1.0L + 1e-15L)
        sinDelta1 = std::copysign(1.0L, sinDelta1);
    const Extended delta1 = ARCSINRAD(sinDelta1);
    const Extended cd1 = std::cos(delta1);
    const Extended A = cd * sa / cd1;
    const Extended B = (ct * cd * ca - st * sd) / cd1;

    Extended alpha1 = std::atan2(A, B);
    if (alpha1 < 0.0L) alpha1 += ZweiPi;
    alpha1 += w.Z;
    if (alpha1 >= ZweiPi)
        alpha1 -= ZweiPi;
    else if (alpha1 < 0.0L)
        alpha1 += ZweiPi;

    const Extended ra1875 = alpha1 / GradFaktor / 15.0L;
    const Extended dec1875 = delta1 / GradFaktor;
    if (!std::isfinite(ra1875) || !std::isfinite(dec1875))
        Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "CONSTFIND");
    ABBR = SternbildImKasten(ra1875, dec1875);
    return ABBR;
}

}  // namespace zenaro
