#include "astro/SPHLIB.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/MATLIB.hpp"

using namespace zenaro;

TEST(SPHLIB, EclipticToEquatorAtJ2000) {
    const Extended eps = 23.43929111L * 0.0174532925199433L;
    Extended X = 0.0L, Y = 1.0L, Z = 0.0L;
    ECLIPTOEQ(0.0L, X, Y, Z);
    EXPECT_EQ(X, 0.0L);
    EXPECT_NEAR(Y, std::cos(eps), 1e-18L);
    EXPECT_NEAR(Z, std::sin(eps), 1e-18L);
    // The ecliptic pole goes to the equatorial point at right ascension 270 degrees.
    X = 0.0L, Y = 0.0L, Z = 1.0L;
    ECLIPTOEQ(0.0L, X, Y, Z);
    EXPECT_NEAR(Y, -std::sin(eps), 1e-18L);
    EXPECT_NEAR(Z, std::cos(eps), 1e-18L);
    // The equinox stays where it is.
    X = 2.0L, Y = 0.0L, Z = 0.0L;
    ECLIPTOEQ(0.0L, X, Y, Z);
    EXPECT_EQ(X, 2.0L);
    EXPECT_EQ(Y, 0.0L);
    EXPECT_EQ(Z, 0.0L);
}

TEST(SPHLIB, EclipticToEquatorAgreesWithPyEphem) {
    // Ecliptic longitude 150, latitude 0.5 of J2000 is right ascension
    // 152.26908853944323 and declination 11.94001062102971 (PyEphem 4.1.4).
    Extended X, Y, Z, R, B, L;
    SPHTOCART(1.0L, 0.5L, 150.0L, X, Y, Z);
    ECLIPTOEQ(0.0L, X, Y, Z);
    CARTTOSPH(X, Y, Z, R, B, L);
    EXPECT_NEAR(L, 152.26908853944323L, 1e-7L);
    EXPECT_NEAR(B, 11.94001062102971L, 1e-7L);
}

TEST(SPHLIB, ObliquityChangesWithTime) {
    // One century later the obliquity is 46.8 arc seconds smaller.
    Extended X = 0.0L, Y = 1.0L, Z = 0.0L;
    ECLIPTOEQ(1.0L, X, Y, Z);
    const Extended eps = (23.43929111L - (46.815L + 0.00059L - 0.001813L) / 3600.0L);
    EXPECT_NEAR(std::atan2(Z, Y) / 0.0174532925199433L, eps, 1e-14L);
}

TEST(SPHLIB, OrbitMatrixOfTheEclipticIsTheIdentity) {
    ROTMATRIX A;
    ORBITMAT(0.0L, 0.0L, 0.0L, A);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) EXPECT_EQ(A[i][j], i == j ? 1.0L : 0.0L);

    // A retrograde orbit in the ecliptic runs the other way round (180 degrees times the
    // library's degree factor misses pi by about 1e-15).
    ORBITMAT(0.0L, 180.0L, 0.0L, A);
    Extended X, Y, Z;
    PLANETOECL(A, 0.0L, 1.0L, X, Y, Z);
    EXPECT_NEAR(X, 0.0L, 1e-14L);
    EXPECT_NEAR(Y, -1.0L, 1e-14L);
    EXPECT_NEAR(Z, 0.0L, 1e-14L);
}

TEST(SPHLIB, OrbitMatrixColumnsArePerihelionAheadAndPole) {
    const Extended node = 80.0L, incl = 30.0L, peri = 100.0L;
    ROTMATRIX A;
    ORBITMAT(node, incl, peri, A);
    // Column 3 is the orbit pole: inclination from the ecliptic pole, ascending node
    // 90 degrees behind its longitude.
    Extended R, B, L;
    CARTTOSPH(A[0][2], A[1][2], A[2][2], R, B, L);
    EXPECT_NEAR(R, 1.0L, 1e-17L);
    EXPECT_NEAR(B, 90.0L - incl, 1e-12L);
    EXPECT_NEAR(L, node - 90.0L + 360.0L, 1e-12L);
    // The perihelion lies peri degrees from the node along the orbit: its latitude is
    // asin(sin i sin w).
    CARTTOSPH(A[0][0], A[1][0], A[2][0], R, B, L);
    EXPECT_NEAR(B, std::asin(std::sin(incl * RAD) * std::sin(peri * RAD)) / RAD, 1e-12L);
    // The columns are orthonormal and right-handed.
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            Extended s = 0.0L;
            for (int k = 0; k < 3; ++k) s += A[k][i] * A[k][j];
            EXPECT_NEAR(s, i == j ? 1.0L : 0.0L, 1e-17L);
        }
    EXPECT_NEAR(A[1][0] * A[2][1] - A[2][0] * A[1][1], A[0][2], 1e-17L);
    // The ascending node direction (cos node, sin node, 0) is the orbit-plane point at
    // the angle -peri from the perihelion.
    Extended X, Y, Z;
    PLANETOECL(A, COSDEG(-peri), SINDEG(-peri), X, Y, Z);
    EXPECT_NEAR(X, COSDEG(node), 1e-17L);
    EXPECT_NEAR(Y, SINDEG(node), 1e-17L);
    EXPECT_NEAR(Z, 0.0L, 1e-17L);
}

TEST(SPHLIB, PlaneToEclipticUsesTheFirstTwoColumns) {
    const ROTMATRIX A = {{{1.0L, 2.0L, 100.0L}, {3.0L, 4.0L, 100.0L}, {5.0L, 6.0L, 100.0L}}};
    Extended X = 9, Y = 9, Z = 9;
    PLANETOECL(A, 0.0L, 0.0L, X, Y, Z);
    EXPECT_EQ(X, 0.0L);
    EXPECT_EQ(Y, 0.0L);
    EXPECT_EQ(Z, 0.0L);
    PLANETOECL(A, 2.0L, -1.0L, X, Y, Z);
    EXPECT_EQ(X, 0.0L);
    EXPECT_EQ(Y, 2.0L);
    EXPECT_EQ(Z, 4.0L);
}
