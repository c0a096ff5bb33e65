#include "engine/Abstand.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/MATLIB.hpp"

using namespace zenaro;

namespace {

// The flat formula written out for the expected values.
Extended Flach(Extended a1, Extended d1, Extended a2, Extended d2) {
    const Extended a = std::cos((d1 + d2) / 2.0L * RAD) * (a1 - a2);
    return std::sqrt(a * a + (d1 - d2) * (d1 - d2));
}

}  // namespace

TEST(Abstand, FarPlacesAreMeasuredByTheArcCosine) {
    EXPECT_NEAR(Winkelabstand(10.0L, 0.0L, 30.0L, 0.0L), 20.0L, 1e-12L);
    EXPECT_NEAR(Winkelabstand(100.0L, 0.0L, 10.0L, 0.0L), 90.0L, 1e-12L);
    EXPECT_NEAR(Winkelabstand(0.0L, 90.0L, 123.0L, -30.0L), 120.0L, 1e-12L);
    // Symmetric in the two places.
    EXPECT_EQ(Winkelabstand(12.0L, 34.0L, 56.0L, -7.0L), Winkelabstand(56.0L, -7.0L, 12.0L, 34.0L));
    // Given sine and cosine of the second declination the result is the same.
    for (const Extended d : {-7.0L, 20.0L, 60.0L})
        EXPECT_EQ(Winkelabstand(12.0L, 34.0L, 56.0L, d, SINDEG(d), COSDEG(d)),
                  Winkelabstand(12.0L, 34.0L, 56.0L, d));
}

TEST(Abstand, TheFlatFormulaTakesOverAtCosine095) {
    // cos 18.19 degrees lies just above 0.95, cos 18.20 degrees just below.
    ASSERT_GE(COSDEG(18.19L), 0.95L);
    ASSERT_LT(COSDEG(18.20L), 0.95L);
    EXPECT_EQ(Winkelabstand(18.19L, 0.0L, 0.0L, 0.0L), Flach(18.19L, 0.0L, 0.0L, 0.0L));
    EXPECT_EQ(Winkelabstand(18.20L, 0.0L, 0.0L, 0.0L), ARCCOSDEG(COSDEG(18.20L)));
    // Ten degrees apart away from the equator: the flat value, which differs from the
    // great circle in the third decimal.
    const Extended flach = Flach(40.0L, 50.0L, 52.0L, 55.0L);
    EXPECT_NEAR(Winkelabstand(40.0L, 50.0L, 52.0L, 55.0L), flach, 1e-15L);
    const Extended x =
        SINDEG(50.0L) * SINDEG(55.0L) + COSDEG(50.0L) * COSDEG(55.0L) * COSDEG(12.0L);
    EXPECT_GT(std::fabs(flach - ARCCOSDEG(x)), 1e-3L);
}

TEST(Abstand, PlacesOnBothSidesOfZeroHoursAreMeasuredAcrossIt) {
    // On the equator: 359.5 and 0.5 degrees are 1 degree apart.
    EXPECT_NEAR(Winkelabstand(359.5L, 0.0L, 0.5L, 0.0L), 1.0L, 1e-15L);
    EXPECT_NEAR(Winkelabstand(0.5L, 0.0L, 359.5L, 0.0L), 1.0L, 1e-15L);
    // At declination 60 the right-ascension difference is reduced before it is
    // weighted: about 0.5 degrees, not about 179.5.
    EXPECT_NEAR(Winkelabstand(359.5L, 60.0L, 0.5L, 60.0L), 0.5L, 1e-12L);
    EXPECT_NEAR(Winkelabstand(359.9L, -45.0L, 0.1L, -44.9L), 0.1732L, 1e-3L);
}

TEST(Abstand, NearlyOppositePlacesStayFarApart) {
    // x below -0.95 also takes the flat formula; the fold keeps the result at most 180.
    const Extended d = Winkelabstand(0.0L, 1.0L, 180.0L, -0.5L);
    EXPECT_GT(d, 170.0L);
    EXPECT_LE(d, 180.0L);
    const Extended e = Winkelabstand(10.0L, 80.0L, 190.0L, -85.0L);
    EXPECT_GT(e, 100.0L);
    EXPECT_LE(e, 180.0L);
}

TEST(Abstand, APlaceThatIsNoNumberGivesNoDistance) {
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_TRUE(std::isnan(Winkelabstand(nan, 0.0L, 1.0L, 0.0L)));
    EXPECT_TRUE(std::isnan(Winkelabstand(1.0L, nan, 1.0L, 0.0L)));
    EXPECT_TRUE(std::isnan(Winkelabstand(inf, 0.0L, 1.0L, 0.0L)));
    EXPECT_FALSE(Winkelabstand(nan, 0.0L, 1.0L, 0.0L) <= 20.0L);
}
