#include "astro/SUNLIB.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Laufzeitfehler.hpp"
#include "astro/MATLIB.hpp"
#include "astro/Winkelabstand.hpp"

using namespace zenaro;
using zenaro::test::FehlerNummer;

namespace {

// Angle between two directions given by longitude and latitude (degrees), in arc
// seconds.
Extended Abstand(Extended lon1, Extended lat1, Extended lon2, Extended lat2) {
    return test::Winkelabstand(lon1, lat1, lon2, lat2) * 3600;
}

// The Sun from PyEphem 4.1.4 (python3-ephem), Sun().compute(date, epoch=date):
// the date as MJD (universal time) and Delta T in seconds (ephem.delta_t), then
// the ecliptic longitude and latitude of the astrometric place referred to the mean
// equinox of date (ephem.Ecliptic of a_ra, a_dec with epoch=date; the Sun's own light
// time is negligible, so this is the geometric place of SUNECLIP), the apparent right
// ascension and declination (g_ra, g_dec: true equator and equinox of date, with
// aberration), and the distance in AU (earth_distance). The series runs in dynamical
// time, so the tests evaluate it at UT + Delta T.
struct EphemSonne {
    Extended mjd, deltaT, lon, lat, ra, dec, r;
};

const EphemSonne kEphem[] = {
    {-21445.0L, 13.65030103866506L, 340.2284089192L, 0.0001393074L, 341.7437247582L, -7.7446762143L,
     0.99158615L},  // 1800/3/1 0:00
    {-3020.75L, 7.1683891319510895L, 137.2054161337L, 0.0000825510L, 139.6493351852L,
     15.6926443073L, 1.01331127L},  // 1850/8/10 6:00
    {18823.0L, 10.863545190830266L, 69.6251290982L, -0.0002328662L, 67.9494349612L, 21.9042472670L,
     1.01414239L},  // 1910/6/1 0:00
    {35434.89583333333L, 31.321231140803025L, 240.8219730098L, 0.0001334648L, 238.6730091537L,
     -20.3264473002L, 0.98732537L},  // 1955/11/23 21:30
    {48087.125L, 57.228184480798255L, 112.3901389163L, 0.0001689379L, 114.1796373582L,
     21.5822957587L, 1.01643670L},  // 1990/7/15 3:00
    {51544.5L, 63.83041031315896L, 280.3785834609L, 0.0002421880L, 281.2784956922L, -23.0324176665L,
     0.98332781L},  // 2000/1/1 12:00
    {56410.375L, 67.02660822441553L, 38.2381922478L, 0.0001264889L, 35.8643612191L, 14.2498944013L,
     1.00683916L},  // 2013/4/28 9:00
    {61119.615277777775L, 73.95374541106817L, 0.0040841370L, 0.0000992939L, 0.0000691436L,
     0.0001403986L, 0.99591774L},  // 2026/3/20 14:46
    {61383.208333333336L, 74.58318825924594L, 257.1249805733L, -0.0000789849L, 256.0074808563L,
     -22.8144246159L, 0.98502570L},  // 2026/12/9 5:00
    {66765.66666666666L, 93.2917188267393L, 161.5394246503L, -0.0000587264L, 162.9626520610L,
     7.2382368296L, 1.00864470L},  // 2041/9/3 16:00
    {70140.75L, 109.8294862236923L, 248.7210857360L, -0.0000786758L, 246.9977565511L,
     -21.7478634328L, 0.98624456L},  // 2050/11/30 18:00
    {79713.04166666666L, 169.19791220099466L, 325.9753894997L, 0.0001906269L, 328.2135147368L,
     -12.8587042645L, 0.98745203L},  // 2077/2/14 1:00
    {88240.5L, 226.43039529916945L, 90.2615912720L, -0.0002690676L, 90.2804830427L, 23.4279255027L,
     1.01610839L},  // 2100/6/21 12:00
    {124870.0L, 443.92749778795235L, 191.6538455815L, -0.0001476436L, 190.7139317249L,
     -4.6020178869L, 1.00111079L},  // 2200/10/5 0:00
};

Extended TDyn(const EphemSonne& s) { return (s.mjd + s.deltaT / 86400 - 51544.5L) / 36525; }

}  // namespace

TEST(SUNLIB_SUNECLIP, GeometricPlaceWithinFiveArcSecondsOfPyEphem) {
    for (const EphemSonne& s : kEphem) {
        Extended L, B, R;
        SUNECLIP(TDyn(s), L, B, R);
        EXPECT_LT(Abstand(L, B, s.lon, s.lat), 5.0L) << "MJD " << static_cast<double>(s.mjd);
        EXPECT_NEAR(B * 3600, s.lat * 3600, 1.0L) << "MJD " << static_cast<double>(s.mjd);
        EXPECT_NEAR(R, s.r, 1e-5L) << "MJD " << static_cast<double>(s.mjd);
        EXPECT_GE(L, 0.0L);
        EXPECT_LT(L, 360.0L);
    }
}

TEST(SUNLIB_SUNECLIP, EveryTermRowCountsAsTheSeriesStates) {
    // The series summed term by term, each argument I M3 + J Mp taken directly (no sum
    // formula) and the secular rows as T and T squared times their argument, in double
    // precision: T, L (degrees), B (degrees), R (AU). A coefficient off by 0.01 shifts
    // L or B by some 1e-6 degrees and R by 1e-8 AU, far beyond the tolerances.
    struct Wert {
        Extended T, L, B, R;
    };
    const Wert werte[] = {
        {-2.5L, 278.5346474902370L, -2.1220148141502e-04L, 0.98317475016164L},
        {-0.73L, 279.8373871071333L, -8.6434204635607e-06L, 0.98330665902537L},
        {0.0L, 280.3774646050680L, 2.1262906881770e-04L, 0.98332684740688L},
        {0.2618L, 347.1669977349354L, -1.1354041886417e-04L, 0.99240033377588L},
        {1.7L, 281.6339684650689L, -2.4002186792477e-05L, 0.98340692639408L},
    };
    for (const Wert& w : werte) {
        Extended L, B, R;
        SUNECLIP(w.T, L, B, R);
        EXPECT_NEAR(L, w.L, 1e-9L) << static_cast<double>(w.T);
        EXPECT_NEAR(B, w.B, 1e-11L) << static_cast<double>(w.T);
        EXPECT_NEAR(R, w.R, 1e-12L) << static_cast<double>(w.T);
    }
}

TEST(SUNLIB_SUNEQUAT, ApparentPlaceWithinFiveArcSecondsOfPyEphem) {
    for (const EphemSonne& s : kEphem) {
        Extended RA, DEC, R;
        SUNEQUAT(TDyn(s), RA, DEC, R);
        EXPECT_LT(Abstand(RA, DEC, s.ra, s.dec), 5.0L) << "MJD " << static_cast<double>(s.mjd);
        EXPECT_NEAR(R, s.r, 1e-5L) << "MJD " << static_cast<double>(s.mjd);
        // At the March equinox of 2026 the Sun's right ascension wraps past 0.
        EXPECT_GE(RA, 0.0L);
        EXPECT_LT(RA, 360.0L);
    }
}

TEST(SUNLIB_SUNEQUAT, DistanceIsTheGeometricDistanceOfTheLightTimeEarlier) {
    for (Extended T : {-2.0L, -0.3L, 0.0L, 0.27L, 1.5L}) {
        Extended RA, DEC, R, L, B, R0;
        SUNEQUAT(T, RA, DEC, R);
        SUNECLIP(T - 1.5818693e-7L, L, B, R0);
        // The first-order nutation is not an exact rotation: it stretches the vector by
        // about DPSI^2 / 2, a few 1e-9.
        EXPECT_NEAR(R, R0, 1e-8L);
    }
}

TEST(SUNLIB_SUNECLIP, WholeCenturiesBeforeAndAfterJ2000StayInRange) {
    // Negative times reduce every anomaly into one revolution as positive ones do;
    // the place stays on the ecliptic near 1 AU, and the longitude advances by about
    // 0.9856 degrees a day through the whole span.
    for (Extended T = -20; T <= 20; T += 0.37L) {
        Extended L1, B1, R1, L2, B2, R2;
        SUNECLIP(T, L1, B1, R1);
        SUNECLIP(T + 1.0L / 36525, L2, B2, R2);
        EXPECT_GE(L1, 0.0L);
        EXPECT_LT(L1, 360.0L);
        EXPECT_LT(std::fabs(B1), 0.001L);
        EXPECT_GT(R1, 0.98L);
        EXPECT_LT(R1, 1.02L);
        const Extended schritt = std::remainder(L2 - L1, 360.0L);
        EXPECT_GT(schritt, 0.95L);
        EXPECT_LT(schritt, 1.025L);
    }
}

TEST(SUNLIB_SUNECLIP, NaNAndInfiniteTimesRaiseTheRuntimeError) {
    Extended a, b, c;
    const Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    const Extended inf = std::numeric_limits<Extended>::infinity();
    EXPECT_EQ(FehlerNummer([&] { SUNECLIP(nan, a, b, c); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([&] { SUNECLIP(-inf, a, b, c); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([&] { SUNEQUAT(nan, a, b, c); }), FehlerUngueltigeGleitkommaoperation);
    // A time so far away that the secular terms overflow.
    EXPECT_EQ(FehlerNummer([&] { SUNECLIP(1e3000L, a, b, c); }),
              FehlerUngueltigeGleitkommaoperation);
    // Far enough for the precession and nutation of the apparent place to overflow
    // while the series itself still answers: the error, and nothing half-written.
    a = b = c = 7;
    EXPECT_EQ(FehlerNummer([&] { SUNEQUAT(1e2000L, a, b, c); }),
              FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([&] { SUNEQUAT(-1e2000L, a, b, c); }),
              FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(a, 7.0L);
    EXPECT_EQ(b, 7.0L);
    EXPECT_EQ(c, 7.0L);
}

TEST(SUNLIB_Helpers, SUNFRACAndSUNADDANG) {
    EXPECT_EQ(SUNFRAC(2.25L), 0.25L);
    EXPECT_EQ(SUNFRAC(-0.25L), 0.75L);
    EXPECT_EQ(SUNFRAC(-3.0L), 0.0L);
    EXPECT_EQ(SUNFRAC(-1e-30L), 0.0L);  // 1 - 1e-30 rounds to 1: wraps to 0
    EXPECT_LT(SUNFRAC(-1e-10L), 1.0L);
    for (Extended a : {0.3L, -1.2L, 2.9L}) {
        for (Extended b : {0.0L, 0.7L, -2.4L}) {
            Extended c, s;
            SUNADDANG(std::cos(a), std::sin(a), std::cos(b), std::sin(b), c, s);
            EXPECT_NEAR(c, std::cos(a + b), 1e-18L);
            EXPECT_NEAR(s, std::sin(a + b), 1e-18L);
        }
    }
}
