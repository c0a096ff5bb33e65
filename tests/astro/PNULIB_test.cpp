#include "astro/PNULIB.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/MATLIB.hpp"

using namespace zenaro;

namespace {

void ErwarteEinheitsmatrix(const ROTMATRIX& A, Extended toleranz) {
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(A[i][j], i == j ? 1.0L : 0.0L, toleranz) << i + 1 << "," << j + 1;
}

Extended Laenge(Extended X, Extended Y, Extended Z) { return std::sqrt(X * X + Y * Y + Z * Z); }

}  // namespace

TEST(PNULIB, NutationFractionKeepsTheSign) {
    EXPECT_EQ(NUTFRAC(2.75L), 0.75L);
    EXPECT_EQ(NUTFRAC(-2.75L), -0.75L);
    EXPECT_EQ(NUTFRAC(0.0L), 0.0L);
    EXPECT_EQ(NUTFRAC(1e20L), 0.0L);  // no integer range limit
}

TEST(PNULIB, NutationAgreesWithThePublishedValues) {
    // 1987 April 10, 0h (MJD 46895): nutation in longitude -3.788", in obliquity
    // +9.443" (Meeus, Astronomical Algorithms, example 22.a). The short series of the
    // library keeps only the main terms, so agreement is to a few tenths of a second.
    const Extended T = (46895.0L - 51544.5L) / 36525.0L;
    const Extended eps = 0.4090928L - 2.2696e-4L * T;
    // The equinox direction moves along the equator by dpsi cos(eps) and toward the
    // pole by dpsi sin(eps); the Y axis turns toward the pole by deps.
    Extended X = 1.0L, Y = 0.0L, Z = 0.0L;
    NUTATEVEC(T, X, Y, Z);
    EXPECT_EQ(X, 1.0L);
    EXPECT_NEAR(Y / std::cos(eps) * 206264.8062L, -3.788L, 0.3L);
    EXPECT_NEAR(Z / std::sin(eps) * 206264.8062L, -3.788L, 0.3L);
    X = 0.0L, Y = 1.0L, Z = 0.0L;
    NUTATEVEC(T, X, Y, Z);
    EXPECT_NEAR(Z * 206264.8062L, 9.443L, 0.3L);
}

TEST(PNULIB, NutationIsSmallAndLinear) {
    Extended X = 0.0L, Y = 0.0L, Z = 0.0L;
    NUTATEVEC(0.3L, X, Y, Z);
    EXPECT_EQ(X, 0.0L);
    EXPECT_EQ(Y, 0.0L);
    EXPECT_EQ(Z, 0.0L);
    for (Extended T : {-2.0L, -0.37L, 0.0L, 0.1234L, 1.0L, 5.0L}) {
        const Extended x0 = 0.3L, y0 = -2.0L, z0 = 1.7L;
        Extended x = x0, y = y0, z = z0;
        NUTATEVEC(T, x, y, z);
        const Extended d = Laenge(x - x0, y - y0, z - z0);
        EXPECT_LT(d, 1.1e-4L * Laenge(x0, y0, z0)) << T;
        EXPECT_GT(d, 0.0L) << T;
        // Doubling the vector doubles the change: the new components are formed from
        // the old ones only.
        Extended x2 = 2 * x0, y2 = 2 * y0, z2 = 2 * z0;
        NUTATEVEC(T, x2, y2, z2);
        EXPECT_NEAR(x2, 2 * x, 1e-17L);
        EXPECT_NEAR(y2, 2 * y, 1e-17L);
        EXPECT_NEAR(z2, 2 * z, 1e-17L);
    }
}

TEST(PNULIB, PrecessionMatrixIsTheIdentityForEqualEpochs) {
    ROTMATRIX A;
    for (Extended T : {-3.0L, 0.0L, 0.5L, 2.0L}) {
        PRECECLMAT(T, T, A);
        ErwarteEinheitsmatrix(A, 1e-17L);
    }
}

TEST(PNULIB, PrecessionMatrixIsOrthogonalAndReversible) {
    ROTMATRIX A, B;
    PRECECLMAT(-1.0L, 0.75L, A);
    PRECECLMAT(0.75L, -1.0L, B);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            Extended s = 0.0L, p = 0.0L;
            for (int k = 0; k < 3; ++k) {
                s += A[i][k] * A[j][k];
                p += B[i][k] * A[k][j];
            }
            EXPECT_NEAR(s, i == j ? 1.0L : 0.0L, 1e-17L);
            // Forward and back agree to the truncation of the series (well below 1e-9).
            EXPECT_NEAR(p, i == j ? 1.0L : 0.0L, 1e-9L);
        }
}

TEST(PNULIB, PrecessionOfAStarOverFiftyYears) {
    // Ecliptic positions of the equinox J2000 carried to 2050-01-01 12h (MJD 69807.5),
    // reference values from PyEphem 4.1.4 (IAU 1976 precession, through the equator of
    // each epoch). The two methods agree to a few milli-arcseconds.
    struct Fall {
        Extended l, b, l2, b2;
    };
    const Fall faelle[] = {
        {150.0L, 0.5L, 150.6986337778761L, 0.5027327754707653L},
        {30.5L, -60.25L, 31.20784805509514L, -60.246187245781194L},
        {275.0L, 85.0L, 275.6853327900731L, 84.99357784785238L},
    };
    ROTMATRIX A;
    PRECECLMAT(0.0L, (69807.5L - 51544.5L) / 36525.0L, A);
    for (const Fall& f : faelle) {
        Extended X, Y, Z, R, B, L;
        SPHTOCART(1.0L, f.b, f.l, X, Y, Z);
        ROTATEVEC(A, X, Y, Z);
        CARTTOSPH(X, Y, Z, R, B, L);
        EXPECT_NEAR(R, 1.0L, 1e-17L);
        EXPECT_NEAR(L, f.l2, 0.01L / 3600.0L / std::cos(f.b * RAD)) << f.l;
        EXPECT_NEAR(B, f.b2, 0.01L / 3600.0L) << f.l;
    }
}

TEST(PNULIB, RotationUsesRowsAndReadsOldComponents) {
    // A non-symmetric matrix shows the orientation: X' = A11 X + A12 Y + A13 Z.
    const ROTMATRIX A = {{{1.0L, 2.0L, 3.0L}, {4.0L, 5.0L, 6.0L}, {7.0L, 8.0L, 10.0L}}};
    Extended X = 1.0L, Y = -1.0L, Z = 2.0L;
    ROTATEVEC(A, X, Y, Z);
    EXPECT_EQ(X, 1.0L - 2.0L + 6.0L);
    EXPECT_EQ(Y, 4.0L - 5.0L + 12.0L);
    EXPECT_EQ(Z, 7.0L - 8.0L + 20.0L);
}
