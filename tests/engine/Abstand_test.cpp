#include "engine/Abstand.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "astro/MATLIB.hpp"
#include "astro/Winkelabstand.hpp"
#include "engine/AbstandAusgeschrieben.hpp"

using namespace zenaro;

using test::FlachAusgeschrieben;

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
    EXPECT_EQ(Winkelabstand(18.19L, 0.0L, 0.0L, 0.0L),
              FlachAusgeschrieben(18.19L, 0.0L, 0.0L, 0.0L));
    EXPECT_EQ(Winkelabstand(18.20L, 0.0L, 0.0L, 0.0L), ARCCOSDEG(COSDEG(18.20L)));
    // Ten degrees apart away from the equator: the flat value, which differs from the
    // great circle in the third decimal.
    const Extended flach = FlachAusgeschrieben(40.0L, 50.0L, 52.0L, 55.0L);
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

TEST(Abstand, NearlyOppositePlacesAreMeasuredAgainstTheOppositePoint) {
    // Places 150 to 180 degrees apart in every direction from places of the Moon's
    // range of declination (one just before 0 h): the separation agrees with the great
    // circle within the flat formula's own error at the switch, in both orders.
    struct Ort {
        Extended alpha, delta;
    };
    for (const Ort mond :
         {Ort{0.0L, 0.0L}, Ort{100.0L, 28.5L}, Ort{250.0L, -28.5L}, Ort{359.9L, 15.0L}}) {
        const Extended sd = SINDEG(mond.delta), cd = COSDEG(mond.delta);
        Extended schlimmste = 0.0L;
        std::string wo;
        for (int zehntel = 1500; zehntel <= 1800; zehntel += 5) {
            const Extended s = zehntel / 10.0L;
            for (int richtung = 0; richtung < 360; richtung += 30) {
                // The place s degrees from the Moon in the direction given.
                const Extended sinD = sd * COSDEG(s) + cd * SINDEG(s) * COSDEG(richtung);
                const Extended delta = std::asin(sinD) / RAD;
                const Extended alpha =
                    mond.alpha +
                    std::atan2(SINDEG(richtung) * SINDEG(s) * cd, COSDEG(s) - sd * sinD) / RAD;
                const Extended wahr = test::Winkelabstand(mond.alpha, mond.delta, alpha, delta);
                for (const Extended d : {Winkelabstand(mond.alpha, mond.delta, alpha, delta),
                                         Winkelabstand(alpha, delta, mond.alpha, mond.delta)}) {
                    EXPECT_LE(d, 180.0L);
                    if (std::fabs(d - wahr) > schlimmste) {
                        schlimmste = std::fabs(d - wahr);
                        wo = std::to_string(static_cast<double>(alpha)) + " " +
                             std::to_string(static_cast<double>(delta)) + ": " +
                             std::to_string(static_cast<double>(d)) + " for " +
                             std::to_string(static_cast<double>(wahr));
                    }
                }
            }
        }
        EXPECT_LT(schlimmste, 0.1L) << "from " << static_cast<double>(mond.alpha) << " "
                                    << static_cast<double>(mond.delta) << " to " << wo;
    }
    // Exactly opposite places are 180 degrees apart; near the poles too the opposite
    // point is the reference.
    EXPECT_EQ(Winkelabstand(10.0L, 20.0L, 190.0L, -20.0L), 180.0L);
    EXPECT_NEAR(Winkelabstand(0.0L, 1.0L, 180.0L, -0.5L),
                test::Winkelabstand(0.0L, 1.0L, 180.0L, -0.5L), 1e-3L);
    EXPECT_NEAR(Winkelabstand(10.0L, 80.0L, 190.0L, -85.0L), 175.0L, 1e-12L);
}

TEST(Abstand, APlaceThatIsNoNumberGivesNoDistance) {
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_TRUE(std::isnan(Winkelabstand(nan, 0.0L, 1.0L, 0.0L)));
    EXPECT_TRUE(std::isnan(Winkelabstand(1.0L, nan, 1.0L, 0.0L)));
    EXPECT_TRUE(std::isnan(Winkelabstand(inf, 0.0L, 1.0L, 0.0L)));
    EXPECT_FALSE(Winkelabstand(nan, 0.0L, 1.0L, 0.0L) <= 20.0L);
}
