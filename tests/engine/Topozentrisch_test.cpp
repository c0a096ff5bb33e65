#include "engine/Topozentrisch.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Laufzeitfehler.hpp"
#include "astro/MATLIB.hpp"
#include "astro/TIMLIB.hpp"

using namespace zenaro;
using zenaro::test::FehlerNummer;

namespace {

// One comparison with an independent topocentric place. The places were made with
// PyEphem 4.1.4 (Debian python3-ephem): an ephem.Observer at the latitude and
// longitude (east positive there), elevation 0, pressure 0 (no refraction), date
// and epoch the universal time below; g_ra/g_dec and earth_distance are the
// geocentric apparent place fed in here, ra - g_ra and dec - g_dec the correction
// PyEphem applies.
struct Vergleich {
    std::int32_t jahr, monat, tag;
    Extended stunde, zone;    // local date and hour of the zone
    Extended breite, laenge;  // degrees; longitude WEST positive
    Extended ra, dek, delta;  // geocentric place (degrees, AU)
    Extended dRA, dDek;       // PyEphem's correction, degrees
};

void Pruefen(const Vergleich& v, Extended toleranz) {
    Extended ra = 0.0L, dek = 0.0L, delta = 0.0L;
    TopozentrischeKorrektur(v.jahr, v.monat, v.tag, v.stunde, v.zone, v.breite, v.laenge, v.ra,
                            v.dek, v.delta, ra, dek, delta);
    Extended dRA = ra - v.ra;
    if (dRA > 180.0L) dRA -= 360.0L;
    if (dRA < -180.0L) dRA += 360.0L;
    EXPECT_NEAR(dRA, v.dRA, toleranz);
    EXPECT_NEAR(dek - v.dek, v.dDek, toleranz);
    EXPECT_EQ(delta, v.delta);
}

}  // namespace

TEST(TopozentrischeKorrektur, TheMoonAgreesWithAnIndependentTopocentricPlace) {
    // The Moon's parallax is near one degree; the first-order correction agrees
    // with the rigorous one within a few thousandths of a degree.
    // 2026-03-15 21:00 UT, 50 N 10 E (local 22:00, zone +1): near the meridian.
    Pruefen({2026, 3, 15, 22.0L, 1.0L, 50.0L, -10.0L, 318.8215366391L, -18.1140541132L,
             0.002631841926L, -0.00378968L, -0.48673544L},
            0.003L);
    // 2026-07-04 02:30 UT, 33.9 S 18.4 E.
    Pruefen({2026, 7, 4, 2.5L, 0.0L, -33.9L, -18.4L, 330.1960299477L, -12.4245990854L,
             0.002603958128L, -0.10857858L, 0.34196822L},
            0.003L);
    // 2026-05-10 04:00 UT on the equator at 78.5 W: a large shift in right ascension.
    Pruefen({2026, 5, 10, 4.0L, 0.0L, 0.0L, 78.5L, 325.5371377916L, -14.9947056997L,
             0.002638119971L, 0.86074499L, 0.10687298L},
            0.003L);
}

TEST(TopozentrischeKorrektur, AnObjectAtOneAstronomicalUnitAgreesWithinAnArcSecond) {
    // The Sun (PyEphem, as above): a shift of a few arc seconds.
    // 2026-03-15 09:00 UT, 50 N 10 E, local 10:00 in zone +1.
    Pruefen({2026, 3, 15, 10.0L, 1.0L, 50.0L, -10.0L, 355.2120946104L, -2.0724920075L,
             0.994446754456L, 0.00095777L, -0.00191718L},
            1.0e-5L);
    // 2026-06-21 23:00 UT, 35 N 110 W.
    Pruefen({2026, 6, 21, 23.0L, 0.0L, 35.0L, 110.0L, 90.6323924236L, 23.4366380244L,
             1.016200900078L, -0.00174963L, -0.00080291L},
            1.0e-5L);
    // At exactly 1 AU the shift stays under 0.003 degrees for any hour angle.
    for (int stunde = 0; stunde < 24; ++stunde) {
        Extended ra = 0.0L, dek = 0.0L, delta = 0.0L;
        TopozentrischeKorrektur(2026, 1, 1, stunde, 0.0L, 45.0L, 0.0L, 100.0L, 10.0L, 1.0L, ra, dek,
                                delta);
        EXPECT_LT(std::fabs(ra - 100.0L), 0.003L);
        EXPECT_LT(std::fabs(dek - 10.0L), 0.003L);
    }
}

TEST(TopozentrischeKorrektur, RightAscensionWrapsOnceAndTheOutputMayOverwriteTheInput) {
    // East of the meridian the place moves to larger right ascension: from 359.9
    // over 360 to a small value.
    Extended ra = 359.9L, dek = 0.0L, delta = 0.00257L;
    // Local sidereal time 18.697 h at 2000-01-01 12h, longitude 0: hour angle
    // 280.46 - 359.9 + 360 = 280.56 degrees, east of the meridian.
    TopozentrischeKorrektur(2000, 1, 1, 12.0L, 0.0L, 30.0L, 0.0L, ra, dek, delta, ra, dek, delta);
    EXPECT_GE(ra, 0.0L);
    EXPECT_LT(ra, 1.0L);
    EXPECT_EQ(delta, 0.00257L);
    // West of the meridian it moves to smaller right ascension: from 0.1 below 0.
    // At 170 E the sidereal time is 6.03 h, the hour angle 90.4 - 0.1 degrees.
    ra = 0.1L;
    dek = 0.0L;
    TopozentrischeKorrektur(2000, 1, 1, 12.0L, 0.0L, 30.0L, -170.0L, ra, dek, delta, ra, dek,
                            delta);
    EXPECT_GT(ra, 359.0L);
    EXPECT_LT(ra, 360.0L);
}

TEST(TopozentrischeKorrektur, AnObserverOnTheEquatorGetsAFiniteDeclination) {
    // On the equator the ratio sin(phi') / sin(w) of the shift is 0/0; its limit cos H
    // gives the shift of PyEphem's place (third Moon case above) as well.
    for (Extended ra : {0.0L, 45.0L, 90.0L, 200.0L, 325.5L}) {
        Extended r = 0.0L, d = 0.0L, delta = 0.0L;
        TopozentrischeKorrektur(2026, 5, 10, 4.0L, 0.0L, 0.0L, 78.5L, ra, -15.0L, 0.00264L, r, d,
                                delta);
        EXPECT_TRUE(std::isfinite(d)) << ra;
        EXPECT_LT(std::fabs(d + 15.0L), 1.0L) << ra;
        // Close to the equator the ordinary formula leads to the same place.
        Extended r2 = 0.0L, d2 = 0.0L;
        TopozentrischeKorrektur(2026, 5, 10, 4.0L, 0.0L, 1e-9L, 78.5L, ra, -15.0L, 0.00264L, r2, d2,
                                delta);
        EXPECT_NEAR(d, d2, 1e-8L) << ra;
        EXPECT_NEAR(r, r2, 1e-8L) << ra;
    }
}

TEST(TopozentrischeKorrektur,
     ADistanceInsideTheEarthOrZeroAndALatitudeGivingNoPlaceAreRuntimeErrors) {
    Extended ra = 0.0L, dek = 0.0L, delta = 0.0L;
    EXPECT_EQ(FehlerNummer([&] {
                  TopozentrischeKorrektur(2026, 1, 1, 0.0L, 0.0L, 45.0L, 0.0L, 10.0L, 10.0L,
                                          1.0e-5L, ra, dek, delta);
              }),
              FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([&] {
                  TopozentrischeKorrektur(2026, 1, 1, 0.0L, 0.0L, 45.0L, 0.0L, 10.0L, 10.0L, 0.0L,
                                          ra, dek, delta);
              }),
              FehlerDivisionDurchNull);
    EXPECT_EQ(FehlerNummer([&] {
                  TopozentrischeKorrektur(2026, 1, 1, 0.0L, 0.0L, 45.0L, 0.0L, 10.0L, 10.0L,
                                          std::numeric_limits<Extended>::quiet_NaN(), ra, dek,
                                          delta);
              }),
              FehlerUngueltigeGleitkommaoperation);
    // A latitude that is no number, or one whose double (sin 2 phi) overflows, as a
    // damaged location file can hold: an error, not a place of NaN.
    for (const Extended breite :
         {std::numeric_limits<Extended>::quiet_NaN(), -std::numeric_limits<Extended>::max()}) {
        ra = dek = delta = 7.0L;
        EXPECT_EQ(FehlerNummer([&] {
                      TopozentrischeKorrektur(2026, 1, 1, 0.0L, 0.0L, breite, 0.0L, 10.0L, 10.0L,
                                              1.0L, ra, dek, delta);
                  }),
                  FehlerUngueltigeGleitkommaoperation)
            << breite;
        EXPECT_EQ(ra, 7.0L);
        EXPECT_EQ(dek, 7.0L);
    }
}

TEST(Praezession, SameYearLeavesThePlaceUnchanged) {
    for (Extended ra : {0.0L, 123.456L, 359.999L}) {
        for (Extended dek : {-89.0L, 0.0L, 45.5L}) {
            Extended r = -1.0L, d = -1.0L;
            Praezession(2026, 2026, ra, dek, r, d);
            EXPECT_EQ(r, ra);
            EXPECT_EQ(d, dek);
        }
    }
}

TEST(Praezession, AgreesWithAnIndependentPrecession) {
    // Expected places from PyEphem 4.1.4: ephem.Equatorial(ra, dec, epoch=str(from))
    // carried to ephem.Equatorial(e, epoch=str(to)). Within two arc seconds.
    const struct {
        Extended ra, dek;
        std::int32_t von, bis;
        Extended raNeu, dekNeu;
    } faelle[] = {
        {279.2347L, 38.7837L, 2000, 2050, 279.65460036L, 38.82937506L},
        {10.0L, -60.0L, 2026, 2000, 9.70988694L, -60.14261172L},
        {150.0L, 85.0L, 1950, 2000, 152.14303712L, 84.75631250L},
        {300.0L, 0.0L, 2000, 2100, 301.28044471L, 0.28368111L},
    };
    for (const auto& f : faelle) {
        Extended r = 0.0L, d = 0.0L;
        Praezession(f.von, f.bis, f.ra, f.dek, r, d);
        EXPECT_NEAR((r - f.raNeu) * COSDEG(f.dekNeu), 0.0L, 0.0006L) << f.ra << " " << f.von;
        EXPECT_NEAR(d, f.dekNeu, 0.0006L) << f.ra << " " << f.von;
        // And back again.
        Extended r2 = 0.0L, d2 = 0.0L;
        Praezession(f.bis, f.von, r, d, r2, d2);
        EXPECT_NEAR((r2 - f.ra) * COSDEG(f.dek), 0.0L, 0.0006L);
        EXPECT_NEAR(d2, f.dek, 0.0006L);
    }
    // Extreme years do not overflow an integer.
    Extended r = 0.0L, d = 0.0L;
    EXPECT_EQ(FehlerNummer([&] {
                  Praezession(std::numeric_limits<std::int32_t>::min(),
                              std::numeric_limits<std::int32_t>::max(), 10.0L, 10.0L, r, d);
              }),
              0);
}

namespace {

Extended T(std::int32_t jahr, std::int32_t monat, std::int32_t tag, Extended stunde) {
    return (DATETOMJD(tag, monat, jahr, stunde) - 51544.5L) / 36525.0L;
}

}  // namespace

TEST(MondBeleuchtung, NewAndFullMoonAndNeverRoundedUp) {
    // Instants and illuminated shares from PyEphem 4.1.4 (ephem.Moon(date).moon_phase).
    EXPECT_EQ(MondBeleuchtung(T(2000, 1, 6, 18.0L + 14.0L / 60.0L)), 0);   // new, 0.02 %
    EXPECT_EQ(MondBeleuchtung(T(2000, 1, 21, 4.0L + 40.0L / 60.0L)), 99);  // full, 99.9995 %
    EXPECT_EQ(MondBeleuchtung(T(2026, 3, 3, 11.0L + 38.0L / 60.0L)), 99);  // full, 99.998 %
    EXPECT_EQ(MondBeleuchtung(T(2026, 3, 19, 1.0L + 23.0L / 60.0L)), 0);   // new, 0.02 %
    EXPECT_EQ(MondBeleuchtung(T(2026, 3, 10, 12.0L)), 58);                 // 58.64 %
    EXPECT_EQ(MondBeleuchtung(T(2026, 3, 25, 12.0L)), 46);                 // 46.68 %
    EXPECT_EQ(MondBeleuchtung(T(2026, 4, 1, 0.0L)), 98);                   // 98.73 %
    // Within one per cent of the whole lunation.
    for (int stunde = 0; stunde < 30 * 24; stunde += 7) {
        const std::int32_t x = MondBeleuchtung(T(2026, 3, 1, stunde));
        EXPECT_GE(x, 0);
        EXPECT_LE(x, 100);
    }
}

TEST(MondKlasse, EveryThresholdFromBothSides) {
    // Below the horizon: no interference, whatever the phase.
    for (std::int32_t x : {0, 25, 26, 50, 51, 75, 76, 100}) {
        EXPECT_EQ(MondKlasseAus(-0.001L, x), "++") << x;
        EXPECT_EQ(MondKlasseAus(-45.0L, x), "++") << x;
    }
    const struct {
        std::int32_t beleuchtung;
        const char* tief;  // 0 <= h < 10
        const char* hoch;  // h >= 10
    } zeilen[] = {
        {100, "- ", "--"}, {76, "- ", "--"}, {75, "0 ", "- "}, {51, "0 ", "- "},
        {50, "+ ", "0 "},  {26, "+ ", "0 "}, {25, "++", "+ "}, {0, "++", "+ "},
    };
    for (const auto& z : zeilen) {
        for (Extended h : {0.0L, 5.0L, 9.999L}) EXPECT_EQ(MondKlasseAus(h, z.beleuchtung), z.tief);
        for (Extended h : {10.0L, 30.0L, 90.0L}) EXPECT_EQ(MondKlasseAus(h, z.beleuchtung), z.hoch);
    }
    // The examples of the legend.
    EXPECT_EQ(MondKlasseAus(5.0L, 100), "- ");
    EXPECT_EQ(MondKlasseAus(30.0L, 100), "--");
    EXPECT_EQ(MondKlasseAus(20.0L, 40), "0 ");
    EXPECT_EQ(MondKlasseAus(5.0L, 30), "+ ");
    EXPECT_EQ(MondKlasseAus(5.0L, 25), "++");
}

TEST(MondStoerung, GradesTheMoonSeenFromTheCurrentLocation) {
    // 52.5 N 13.4 E. Altitude and illuminated share of each instant from PyEphem
    // 4.1.4 (topocentric altitude without refraction, moon_phase), all well away
    // from the thresholds.
    AktOrtBreite = 52.5L;
    AktOrtLaenge = -13.4L;
    const struct {
        std::int32_t jahr, monat, tag;
        Extended stunde;  // universal time
        const char* klasse;
    } faelle[] = {
        {2026, 3, 1, 0.0L, "--"},    // 93 %, 45.0 degrees high
        {2026, 3, 1, 4.5L, "- "},    // 94 %, 5.8 degrees
        {2026, 3, 1, 6.0L, "++"},    // 94 %, 5.6 degrees below the horizon
        {2026, 3, 9, 2.5L, "- "},    // 71 %, 12.3 degrees
        {2026, 3, 9, 0.5L, "0 "},    // 72 %, 5.3 degrees
        {2026, 3, 9, 7.5L, "++"},    // 69 %, 3.9 degrees below
        {2026, 3, 23, 22.0L, "0 "},  // 29 %, 14.8 degrees
        {2026, 3, 12, 3.5L, "+ "},   // 43 %, 3.0 degrees
        {2026, 3, 11, 18.0L, "++"},  // 47 %, 65 degrees below
        {2026, 3, 15, 7.0L, "+ "},   // 16 %, 13.7 degrees
        {2026, 3, 15, 5.0L, "++"},   // 16 %, 4.0 degrees
        {2026, 3, 14, 12.0L, "++"},  // 22 %, 5.5 degrees below
    };
    for (const auto& f : faelle) {
        ShortString<2> klasse;
        MondStoerung(f.jahr, f.monat, f.tag, f.stunde, 0.0L, klasse);
        EXPECT_EQ(klasse, f.klasse) << f.monat << "-" << f.tag << " " << f.stunde;
    }
    // The same instant as local time of a zone of +1 hour.
    ShortString<2> klasse;
    MondStoerung(2026, 3, 1, 1.0L, 1.0L, klasse);
    EXPECT_EQ(klasse, "--");
    MondStoerung(2026, 3, 1, 5.5L, 1.0L, klasse);
    EXPECT_EQ(klasse, "- ");
    // The grade belongs to the location: at 52.5 S the Moon of the first instant
    // (declination about +21) stands 46 degrees below the horizon at 166.6 W.
    AktOrtBreite = -52.5L;
    AktOrtLaenge = 166.6L;
    MondStoerung(2026, 3, 1, 0.0L, 0.0L, klasse);
    EXPECT_EQ(klasse, "++");
    AktOrtBreite = 0.0L;
    AktOrtLaenge = 0.0L;
}
