#include "astro/SPHLIB.hpp"

#include "astro/MATLIB.hpp"

namespace zenaro {

void ECLIPTOEQ(Extended T, Extended& X, Extended& Y, Extended& Z) {
    (void)X;  // the rotation is about the X axis (the equinox)
    const Extended EPS = 23.43929111L - (46.815L + (0.00059L - 0.001813L * T) * T) * T / 3600.0L;
    const Extended C = COSDEG(EPS);
    const Extended S = SINDEG(EPS);
    const Extended V = C * Y - S * Z;
    const Extended W = S * Y + C * Z;
    Y = V;
    Z = W;
}

void ORBITMAT(Extended NODE, Extended INCL, Extended PERI, ROTMATRIX& A) {
    const Extended CO = COSDEG(NODE);
    const Extended SO = SINDEG(NODE);
    const Extended CI = COSDEG(INCL);
    const Extended SI = SINDEG(INCL);
    const Extended CP = COSDEG(PERI);
    const Extended SP = SINDEG(PERI);
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
