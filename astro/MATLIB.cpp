#include "astro/MATLIB.hpp"

#include <cmath>

namespace zenaro {

Extended SINDEG(Extended x) { return std::sin(x * RAD); }

Extended COSDEG(Extended x) { return std::cos(x * RAD); }

void SINCOSDEG(Extended x, Extended& s, Extended& c) {
    Extended sinus, kosinus;
    ::sincosl(x * RAD, &sinus, &kosinus);
    s = sinus;
    c = kosinus;
}

Extended TANDEG(Extended x) {
    const Extended r = x * RAD;
    return std::sin(r) / std::cos(r);
}

Extended ARCTANDEG(Extended x) { return std::atan(x) / RAD; }

Extended ARCCOSDEG(Extended x) {
    if (std::isnan(x)) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "ARCCOSDEG");
    if (std::fabs(x) >= 1.0L) {
        // Cosines a little beyond +-1 from rounding snap to 0 or 180 degrees; a value
        // that would round to 2 or more is no cosine at all.
        if (std::fabs(x) >= 1.5L) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "ARCCOSDEG");
        return 90.0L - 90.0L * Round(x);
    }
    if (std::fabs(x) <= 1e-7L) return 90.0L - x / RAD;
    return 90.0L - ARCTANDEG(x / Sqrt((1.0L - x) * (1.0L + x)));
}

Extended ATANTWODEG(Extended y, Extended x) {
    if (x == 0.0L && y == 0.0L) return 0.0L;
    const Extended a = std::fabs(x);
    const Extended b = std::fabs(y);
    Extended f;
    if (b < a) {
        f = ARCTANDEG(b / a);
    } else {
        f = 90.0L - ARCTANDEG(a / b);
    }
    if (x < 0.0L) f = 180.0L - f;
    if (y < 0.0L) f = -f;
    return f;
}

void SPHTOCART(Extended R, Extended THETA, Extended PHI, Extended& X, Extended& Y, Extended& Z) {
    Extended sinTheta, cosTheta, sinPhi, cosPhi;
    SINCOSDEG(THETA, sinTheta, cosTheta);
    SINCOSDEG(PHI, sinPhi, cosPhi);
    const Extended r = R * cosTheta;
    X = r * cosPhi;
    Y = r * sinPhi;
    Z = R * sinTheta;
}

void CARTTOSPH(Extended X, Extended Y, Extended Z, Extended& R, Extended& THETA, Extended& PHI) {
    const Extended s = X * X + Y * Y;
    // Plain square roots: s + Z^2 is never negative, and NaN components simply
    // give NaN coordinates.
    R = std::sqrt(s + Z * Z);
    PHI = ATANTWODEG(Y, X);
    if (PHI < 0.0L) PHI = PHI + 360.0L;
    // A tiny negative angle plus 360 rounds to exactly 360; it is a direction of 0.
    if (PHI >= 360.0L) PHI = 0.0L;
    THETA = ATANTWODEG(Z, std::sqrt(s));
}

Extended CUBEROOT(Extended x) {
    if (x == 0.0L) return 0.0L;
    return std::exp(Ln(x) / 3.0L);
}

void THREEPOINT(Extended YMINUS, Extended Y0, Extended YPLUS, Extended& XE, Extended& YE,
                Extended& ROOT1, Extended& ROOT2, std::int32_t& NROOT) {
    NROOT = 0;
    const Extended A = (YMINUS + YPLUS) / 2.0L - Y0;
    const Extended B = (YPLUS - YMINUS) / 2.0L;
    const Extended C = Y0;
    if (A == 0.0L) {
        // A straight line: no extremum, at most the one zero of the line.
        XE = 0.0L;
        YE = C;
        if (B != 0.0L) {
            const Extended x0 = -C / B;
            if (std::fabs(x0) <= 1.0L) {
                NROOT = 1;
                ROOT1 = x0;
            }
        }
        return;
    }
    XE = -B / (2.0L * A);
    YE = (A * XE + B) * XE + C;
    const Extended D = B * B - 4.0L * A * C;
    if (!(D >= 0.0L)) return;  // no real zero (NaN samples included)
    const Extended H = std::sqrt(D) / 2.0L / std::fabs(A);
    ROOT1 = XE - H;
    ROOT2 = XE + H;
    if (std::fabs(ROOT1) <= 1.0L) NROOT = NROOT + 1;
    if (std::fabs(ROOT2) <= 1.0L) NROOT = NROOT + 1;
    if (ROOT1 < -1.0L) ROOT1 = ROOT2;
}

}  // namespace zenaro
