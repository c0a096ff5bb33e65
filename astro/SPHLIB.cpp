#include "astro/SPHLIB.hpp"

#include "astro/MATLIB.hpp"

namespace zenaro {

namespace {

// Sine and cosine of an obliquity.
struct Schiefe {
    Extended S, C;
    explicit Schiefe(Extended EPS) { SINCOSDEG(EPS, S, C); }
};

}  // namespace

void ECLIPTOEQ(Extended T, Extended& X, Extended& Y, Extended& Z) {
    (void)X;  // the rotation is about the X axis (the equinox)
    // The obliquity of J2000 (T = 0, of either sign) is the same every time.
    static const Schiefe J2000(23.43929111L -
                               (46.815L + (0.00059L - 0.001813L * 0.0L) * 0.0L) * 0.0L / 3600.0L);
    Extended S, C;
    if (T == 0.0L) {
        S = J2000.S;
        C = J2000.C;
    } else {
        const Extended EPS =
            23.43929111L - (46.815L + (0.00059L - 0.001813L * T) * T) * T / 3600.0L;
        SINCOSDEG(EPS, S, C);
    }
    const Extended V = C * Y - S * Z;
    const Extended W = S * Y + C * Z;
    Y = V;
    Z = W;
}

void ORBITMAT(Extended NODE, Extended INCL, Extended PERI, ROTMATRIX& A) {
    Extended CO, SO, CI, SI, CP, SP;
    SINCOSDEG(NODE, SO, CO);
    SINCOSDEG(INCL, SI, CI);
    SINCOSDEG(PERI, SP, CP);
    A[0][0] = CP * CO - SP * CI * SO;
    A[0][1] = -SP * CO - CP * CI * SO;
    A[0][2] = SI * SO;
    A[1][0] = CP * SO + SP * CI * CO;
    A[1][1] = -SP * SO + CP * CI * CO;
    A[1][2] = -SI * CO;
    A[2][0] = SP * SI;
    A[2][1] = CP * SI;
    A[2][2] = CI;
}

void PLANETOECL(const ROTMATRIX& A, Extended x, Extended y, Extended& X, Extended& Y, Extended& Z) {
    X = A[0][0] * x + A[0][1] * y;
    Y = A[1][0] * x + A[1][1] * y;
    Z = A[2][0] * x + A[2][1] * y;
}

}  // namespace zenaro
