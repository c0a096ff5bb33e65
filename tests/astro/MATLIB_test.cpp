#include "astro/MATLIB.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "Laufzeitfehler.hpp"

using namespace zenaro;
using zenaro::test::FehlerNummer;

namespace {

constexpr Extended NaN = std::numeric_limits<Extended>::quiet_NaN();

}  // namespace

TEST(MATLIB, DegreeFunctionsUseTheLibraryDegreeFactor) {
    // The factor is the 15-digit literal, not pi/180: the two differ in the 17th digit,
    // which long double arithmetic shows.
    EXPECT_EQ(SINDEG(30.0L), std::sin(30.0L * 0.0174532925199433L));
    EXPECT_NE(SINDEG(30.0L), std::sin(30.0L * (3.14159265358979323846264L / 180.0L)));
    EXPECT_NEAR(SINDEG(30.0L), 0.5L, 1e-15L);
    EXPECT_NEAR(COSDEG(60.0L), 0.5L, 1e-15L);
    EXPECT_NEAR(TANDEG(45.0L), 1.0L, 1e-15L);
    EXPECT_NEAR(TANDEG(-45.0L), -1.0L, 1e-15L);
    EXPECT_GT(std::fabs(TANDEG(90.0L)), 1e14L);  // no guard, just a very large value
    EXPECT_NEAR(ARCTANDEG(1.0L), 45.0L, 1e-13L);
    EXPECT_EQ(ARCTANDEG(1.0L), std::atan(1.0L) / 0.0174532925199433L);
    EXPECT_LT(ARCTANDEG(1e300L), 90.0L + 1e-12L);
}

TEST(MATLIB, SineAndCosineTogetherAreTheSameNumbersAsApart) {
    // SINCOSDEG takes both from one argument reduction; the places it serves must
    // stay the same to the bit as with SINDEG and COSDEG. The separate functions are
    // called through pointers, so that the compiler cannot join them here. Arguments
    // of every size (the reduction of large ones is a different path), both signs,
    // near multiples of 90 degrees and the special values.
    Extended (*volatile sinus)(Extended) = SINDEG;
    Extended (*volatile kosinus)(Extended) = COSDEG;
    auto gleich = [](Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; };
    std::mt19937_64 zufall(20260101);
    std::vector<Extended> werte = {0.0L,   -0.0L,  90.0L, 180.0L, 270.0L,  360.0L, 45.0L,
                                   1e-30L, 1e30L,  1e4000L, -1e4000L, NaN,
                                   std::numeric_limits<Extended>::infinity(),
                                   std::numeric_limits<Extended>::denorm_min()};
    for (int i = 0; i < 20000; ++i) {
        const int stellen = static_cast<int>(zufall() % 40) - 12;
        const Extended x = std::ldexp(static_cast<Extended>(zufall()) / 18446744073709551616.0L,
                                      static_cast<int>(stellen * 3.32L));
        werte.push_back(i % 2 ? -x : x);
        werte.push_back(90.0L * static_cast<Extended>(zufall() % 100000) +
                        static_cast<Extended>(static_cast<std::int64_t>(zufall() % 200) - 100) * 1e-15L);
    }
    int verschieden = 0;
    for (const Extended x : werte) {
        Extended s = 0.0L, c = 0.0L;
        SINCOSDEG(x, s, c);
        if (!gleich(s, sinus(x)) || !gleich(c, kosinus(x))) ++verschieden;
    }
    EXPECT_EQ(verschieden, 0);
}

TEST(MATLIB, ArcCosineSnapsAtTheEndsAndIsLinearNearZero) {
    EXPECT_EQ(ARCCOSDEG(1.0L), 0.0L);
    EXPECT_EQ(ARCCOSDEG(-1.0L), 180.0L);
    EXPECT_EQ(ARCCOSDEG(1.2L), 0.0L);
    EXPECT_EQ(ARCCOSDEG(-1.0000001L), 180.0L);
    EXPECT_EQ(ARCCOSDEG(0.0L), 90.0L);
    EXPECT_EQ(ARCCOSDEG(5e-8L), 90.0L - 5e-8L / 0.0174532925199433L);
    EXPECT_EQ(ARCCOSDEG(-1e-7L), 90.0L + 1e-7L / 0.0174532925199433L);
    EXPECT_NEAR(ARCCOSDEG(0.5L), 60.0L, 1e-12L);
    EXPECT_NEAR(ARCCOSDEG(-0.5L), 120.0L, 1e-12L);
    EXPECT_NEAR(ARCCOSDEG(std::cos(0.001L)), 0.001L / 0.0174532925199433L, 1e-9L);
}

TEST(MATLIB, ArcCosineRejectsWhatIsNoCosine) {
    // Round would turn 1.5 and beyond into 2, 3, ... and a result outside [0, 180].
    EXPECT_EQ(FehlerNummer([] { ARCCOSDEG(1.5L); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([] { ARCCOSDEG(-7.0L); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([] { ARCCOSDEG(NaN); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([] { ARCCOSDEG(std::numeric_limits<Extended>::infinity()); }),
              FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([] { ARCCOSDEG(1.4999L); }), 0);
}

TEST(MATLIB, TwoArgumentArcTangentCoversAllQuadrants) {
    EXPECT_EQ(ATANTWODEG(0.0L, 0.0L), 0.0L);
    EXPECT_EQ(ATANTWODEG(0.0L, -1.0L), 180.0L);
    EXPECT_EQ(ATANTWODEG(0.0L, 1.0L), 0.0L);
    EXPECT_EQ(ATANTWODEG(1.0L, 0.0L), 90.0L);
    EXPECT_EQ(ATANTWODEG(-1.0L, 0.0L), -90.0L);
    EXPECT_NEAR(ATANTWODEG(-1.0L, -1.0L), -135.0L, 1e-13L);
    EXPECT_NEAR(ATANTWODEG(1.0L, 1.0L), 45.0L, 1e-13L);
    EXPECT_NEAR(ATANTWODEG(1.0L, -1.0L), 135.0L, 1e-13L);
    EXPECT_NEAR(ATANTWODEG(-1.0L, 1.0L), -45.0L, 1e-13L);
    // Both branches of the ratio agree with the library arctangent.
    EXPECT_NEAR(ATANTWODEG(1.0L, 2.0L), ARCTANDEG(0.5L), 1e-13L);
    EXPECT_NEAR(ATANTWODEG(2.0L, 1.0L), 90.0L - ARCTANDEG(0.5L), 1e-13L);
    EXPECT_NEAR(ATANTWODEG(-2.0L, -1.0L), -(180.0L - (90.0L - ARCTANDEG(0.5L))), 1e-13L);
}

TEST(MATLIB, SphericalAndCartesianCoordinates) {
    Extended R, B, L;
    CARTTOSPH(0.0L, -1.0L, 0.0L, R, B, L);
    EXPECT_EQ(R, 1.0L);
    EXPECT_EQ(B, 0.0L);
    EXPECT_EQ(L, 270.0L);
    CARTTOSPH(0.0L, 0.0L, 2.0L, R, B, L);
    EXPECT_EQ(R, 2.0L);
    EXPECT_EQ(B, 90.0L);
    EXPECT_EQ(L, 0.0L);
    CARTTOSPH(0.0L, 0.0L, 0.0L, R, B, L);
    EXPECT_EQ(R, 0.0L);
    EXPECT_EQ(B, 0.0L);
    EXPECT_EQ(L, 0.0L);
    CARTTOSPH(-1.0L, 0.0L, -1.0L, R, B, L);
    EXPECT_NEAR(R, std::sqrt(2.0L), 1e-18L);
    EXPECT_NEAR(B, -45.0L, 1e-13L);
    EXPECT_EQ(L, 180.0L);
    // A direction a hair below the x axis stays in [0, 360).
    CARTTOSPH(1.0L, -1e-22L, 0.0L, R, B, L);
    EXPECT_GE(L, 0.0L);
    EXPECT_LT(L, 360.0L);

    Extended X, Y, Z;
    SPHTOCART(2.0L, 30.0L, 120.0L, X, Y, Z);
    EXPECT_NEAR(X, 2.0L * std::sqrt(0.75L) * -0.5L, 1e-15L);
    EXPECT_NEAR(Y, 2.0L * std::sqrt(0.75L) * std::sqrt(0.75L), 1e-15L);
    EXPECT_NEAR(Z, 1.0L, 1e-15L);
    // Round trip with a longitude that comes back in [0, 360).
    SPHTOCART(3.5L, -12.25L, -40.0L, X, Y, Z);
    CARTTOSPH(X, Y, Z, R, B, L);
    EXPECT_NEAR(R, 3.5L, 1e-16L);
    EXPECT_NEAR(B, -12.25L, 1e-12L);
    EXPECT_NEAR(L, 320.0L, 1e-12L);
}

TEST(MATLIB, CubeRoot) {
    EXPECT_EQ(CUBEROOT(0.0L), 0.0L);
    EXPECT_NEAR(CUBEROOT(27.0L), 3.0L, 1e-17L);
    EXPECT_NEAR(CUBEROOT(1e-9L), 1e-3L, 1e-19L);
    EXPECT_NEAR(CUBEROOT(2.0L), 1.25992104989487316476721L, 1e-18L);
    EXPECT_EQ(FehlerNummer([] { CUBEROOT(-8.0L); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([] { CUBEROOT(NaN); }), FehlerUngueltigeGleitkommaoperation);
}

namespace {

struct Parabel {
    Extended XE = 111, YE = 222, ROOT1 = 333, ROOT2 = 444;
    std::int32_t NROOT = 99;
};

Parabel Dreipunkt(Extended ym, Extended y0, Extended yp) {
    Parabel p;
    THREEPOINT(ym, y0, yp, p.XE, p.YE, p.ROOT1, p.ROOT2, p.NROOT);
    return p;
}

// Samples at -1, 0, +1 of the parabola k (x - r1) (x - r2).
Parabel DurchNullstellen(Extended k, Extended r1, Extended r2) {
    auto y = [&](Extended x) { return k * (x - r1) * (x - r2); };
    return Dreipunkt(y(-1.0L), y(0.0L), y(1.0L));
}

}  // namespace

TEST(MATLIB, ThreePointParabolaWithTwoZeros) {
    const Parabel p = Dreipunkt(1.0L, -1.0L, 1.0L);
    EXPECT_EQ(p.XE, 0.0L);
    EXPECT_EQ(p.YE, -1.0L);
    EXPECT_NEAR(p.ROOT1, -std::sqrt(0.5L), 1e-18L);
    EXPECT_NEAR(p.ROOT2, std::sqrt(0.5L), 1e-18L);
    EXPECT_EQ(p.NROOT, 2);

    // Zeros exactly at the ends of the interval both count.
    const Parabel q = DurchNullstellen(1.0L, -1.0L, 1.0L);
    EXPECT_EQ(q.NROOT, 2);
    EXPECT_EQ(q.ROOT1, -1.0L);
    EXPECT_EQ(q.ROOT2, 1.0L);

    // Opening downward, the roots still come in ascending order.
    const Parabel r = DurchNullstellen(-3.0L, 0.25L, -0.5L);
    EXPECT_EQ(r.NROOT, 2);
    EXPECT_NEAR(r.ROOT1, -0.5L, 1e-18L);
    EXPECT_NEAR(r.ROOT2, 0.25L, 1e-18L);
    EXPECT_NEAR(r.XE, -0.125L, 1e-18L);
}

TEST(MATLIB, ThreePointParabolaWithOneZeroInside) {
    // One zero at 0.5, the other at -1.5: the one inside is in ROOT1.
    const Parabel p = DurchNullstellen(1.0L, 0.5L, -1.5L);
    EXPECT_EQ(p.NROOT, 1);
    EXPECT_NEAR(p.ROOT1, 0.5L, 1e-18L);
    EXPECT_NEAR(p.ROOT2, 0.5L, 1e-18L);
    // Zero inside at -0.25, the other at 4: ROOT1 is already the inside one and ROOT2
    // keeps the outside zero.
    const Parabel q = DurchNullstellen(2.0L, -0.25L, 4.0L);
    EXPECT_EQ(q.NROOT, 1);
    EXPECT_NEAR(q.ROOT1, -0.25L, 1e-18L);
    EXPECT_NEAR(q.ROOT2, 4.0L, 1e-17L);
}

TEST(MATLIB, ThreePointParabolaWithoutZeroKeepsTheCallersRoots) {
    const Parabel p = Dreipunkt(3.0L, 1.0L, 3.0L);
    EXPECT_EQ(p.NROOT, 0);
    EXPECT_EQ(p.ROOT1, 333.0L);
    EXPECT_EQ(p.ROOT2, 444.0L);
    EXPECT_EQ(p.XE, 0.0L);
    EXPECT_EQ(p.YE, 1.0L);
    // Both zeros outside [-1, 1]; the extremum is reported wherever it lies.
    const Parabel q = DurchNullstellen(1.0L, 2.0L, 5.0L);
    EXPECT_EQ(q.NROOT, 0);
    EXPECT_NEAR(q.XE, 3.5L, 1e-17L);
    EXPECT_NEAR(q.YE, -2.25L, 1e-17L);
}

TEST(MATLIB, ThreePointStraightLine) {
    // y = 2x - 1 has its zero at 0.5.
    Parabel p = Dreipunkt(-3.0L, -1.0L, 1.0L);
    EXPECT_EQ(p.NROOT, 1);
    EXPECT_EQ(p.ROOT1, 0.5L);
    EXPECT_EQ(p.ROOT2, 444.0L);
    EXPECT_EQ(p.XE, 0.0L);
    EXPECT_EQ(p.YE, -1.0L);
    // Zero at an end of the interval counts.
    p = Dreipunkt(0.0L, 1.0L, 2.0L);
    EXPECT_EQ(p.NROOT, 1);
    EXPECT_EQ(p.ROOT1, -1.0L);
    // Zero outside: nothing found, roots untouched.
    p = Dreipunkt(2.0L, 3.0L, 4.0L);
    EXPECT_EQ(p.NROOT, 0);
    EXPECT_EQ(p.ROOT1, 333.0L);
    // Three equal values, zero too: no division by zero, no root.
    for (Extended c : {5.0L, 0.0L, -1.0L}) {
        p = Dreipunkt(c, c, c);
        EXPECT_EQ(p.NROOT, 0);
        EXPECT_EQ(p.XE, 0.0L);
        EXPECT_EQ(p.YE, c);
        EXPECT_EQ(p.ROOT1, 333.0L);
    }
}

TEST(MATLIB, ThreePointWithNaNSamplesFindsNothing) {
    const Parabel p = Dreipunkt(NaN, 1.0L, -1.0L);
    EXPECT_EQ(p.NROOT, 0);
    EXPECT_EQ(p.ROOT1, 333.0L);
}
