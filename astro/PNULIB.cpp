#include "astro/PNULIB.hpp"

#include <cmath>

#include "astro/MATLIB.hpp"

namespace zenaro {

Extended NUTFRAC(Extended x) { return Frac(x); }

void NUTATEVEC(Extended T, Extended& X, Extended& Y, Extended& Z) {
    constexpr Extended PI2 = 6.283185307L;
    constexpr Extended ARC = 206264.8062L;  // arc seconds per radian
    const Extended LS = PI2 * NUTFRAC(0.993133L + 99.997306L * T);
    const Extended D = PI2 * NUTFRAC(0.827362L + 1236.853087L * T);
    const Extended F = PI2 * NUTFRAC(0.259089L + 1342.227826L * T);
    const Extended N = PI2 * NUTFRAC(0.347346L - 5.372447L * T);
    const Extended EPS = 0.4090928L - 2.2696e-4L * T;
    const Extended DPSI =
        (-17.2L * std::sin(N) - 1.319L * std::sin(2.0L * (F - D + N)) -
         0.227L * std::sin(2.0L * (F + N)) + 0.206L * std::sin(2.0L * N) + 0.143L * std::sin(LS)) /
        ARC;
    const Extended DEPS = (9.203L * std::cos(N) + 0.574L * std::cos(2.0L * (F - D + N)) +
                           0.098L * std::cos(2.0L * (F + N)) - 0.09L * std::cos(2.0L * N)) /
                          ARC;
    const Extended C = DPSI * std::cos(EPS);
    const Extended S = DPSI * std::sin(EPS);
    const Extended DX = -(C * Y + S * Z);
    const Extended DY = C * X - DEPS * Z;
    const Extended DZ = S * X + DEPS * Y;
    X = X + DX;
    Y = Y + DY;
    Z = Z + DZ;
}

void PRECECLMAT(Extended T1, Extended T2, ROTMATRIX& A) {
    const Extended DT = T2 - T1;
    const Extended PPI = 174.876383889L + ((3289.4789L + 0.60622L * T1) * T1 +
                                           (-869.8089L - 0.50491L * T1 + 0.03536L * DT) * DT) /
                                              3600.0L;
    const Extended PI = (47.0029L - (0.06603L - 0.000598L * T1) * T1 +
                         (-0.03302L + 0.000598L * T1 + 0.00006L * DT) * DT) *
                        DT / 3600.0L;
    const Extended PA = (5029.0966L + (2.22226L - 0.000042L * T1) * T1 +
                         (1.11113L - 0.000042L * T1 - 0.000006L * DT) * DT) *
                        DT / 3600.0L;
    Extended C1, S1, C2, S2, C3, S3;
    SINCOSDEG(PPI + PA, S1, C1);
    SINCOSDEG(PI, S2, C2);
    SINCOSDEG(PPI, S3, C3);
    A[0][0] = C1 * C3 + S1 * C2 * S3;
    A[0][1] = C1 * S3 - S1 * C2 * C3;
    A[0][2] = -S1 * S2;
    A[1][0] = S1 * C3 - C1 * C2 * S3;
    A[1][1] = S1 * S3 + C1 * C2 * C3;
    A[1][2] = C1 * S2;
    A[2][0] = S2 * S3;
    A[2][1] = -S2 * C3;
    A[2][2] = C2;
}

void ROTATEVEC(const ROTMATRIX& A, Extended& X, Extended& Y, Extended& Z) {
    const Extended U = A[0][0] * X + A[0][1] * Y + A[0][2] * Z;
    const Extended V = A[1][0] * X + A[1][1] * Y + A[1][2] * Z;
    const Extended W = A[2][0] * X + A[2][1] * Y + A[2][2] * Z;
    X = U;
    Y = V;
    Z = W;
}

}  // namespace zenaro
