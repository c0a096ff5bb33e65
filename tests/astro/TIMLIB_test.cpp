#include "astro/TIMLIB.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Laufzeitfehler.hpp"

using namespace zenaro;
using zenaro::test::FehlerNummer;

namespace {

struct Datum {
    std::int32_t Tag, Monat, Jahr;
    Extended Stunde;
};

Datum AusMJD(Extended mjd) {
    Datum d{};
    MJDTODATE(mjd, d.Tag, d.Monat, d.Jahr, d.Stunde);
    return d;
}

void ErwarteDatum(Extended mjd, std::int32_t tag, std::int32_t monat, std::int32_t jahr,
                  Extended stunde) {
    const Datum d = AusMJD(mjd);
    EXPECT_EQ(d.Tag, tag) << mjd;
    EXPECT_EQ(d.Monat, monat) << mjd;
    EXPECT_EQ(d.Jahr, jahr) << mjd;
    EXPECT_NEAR(d.Stunde, stunde, 1e-9L) << mjd;
}

Extended Grenzstunden(Extended h) {
    // Difference of two sidereal times folded into (-12, 12].
    while (h > 12.0L) h -= 24.0L;
    while (h <= -12.0L) h += 24.0L;
    return h;
}

}  // namespace

TEST(TIMLIB, IntegerAndFractionalParts) {
    EXPECT_EQ(INTPART(-2.5L), -2.0L);
    EXPECT_EQ(INTPART(2.5L), 2.0L);
    EXPECT_EQ(INTPART(1e15L + 0.5L), 1e15L);  // no 32-bit limit
    EXPECT_EQ(TIMFRAC(-0.25L), 0.75L);
    EXPECT_EQ(TIMFRAC(3.25L), 0.25L);
    EXPECT_EQ(TIMFRAC(-3.0L), 0.0L);
    // A negative fraction too small to show after adding 1 wraps to 0, not to 1.
    EXPECT_EQ(TIMFRAC(-1e-30L), 0.0L);
    EXPECT_LT(TIMFRAC(-1e-19L), 1.0L);
}

TEST(TIMLIB, ModifiedJulianDatesOfKnownDates) {
    EXPECT_EQ(DATETOMJD(1, 1, 2000, 12.0L), 51544.5L);
    EXPECT_EQ(DATETOMJD(17, 11, 1858, 0.0L), 0.0L);
    EXPECT_EQ(DATETOMJD(1, 1, 1875, 0.0L), 5889.0L);
    EXPECT_EQ(DATETOMJD(29, 2, 2000, 0.0L), 51603.0L);
    EXPECT_EQ(DATETOMJD(1, 3, 2000, 0.0L), 51604.0L);
    // JD 0 is -4712 January 1, 12h of the Julian calendar.
    EXPECT_EQ(DATETOMJD(1, 1, -4712, 12.0L), -2400000.5L);
    // Reference values from PyEphem 4.1.4 (ephem.julian_date - 2400000.5).
    EXPECT_EQ(DATETOMJD(1, 1, 1900, 0.0L), 15020.0L);
    EXPECT_EQ(DATETOMJD(1, 3, 1600, 0.0L), -94493.0L);
    EXPECT_EQ(DATETOMJD(1, 3, 2100, 0.0L), 88128.0L);       // 2100 is no leap year
    EXPECT_EQ(DATETOMJD(15, 7, 1000, 18.0L), -313496.25L);  // Julian
    EXPECT_EQ(DATETOMJD(1, 1, 1, 0.0L), -678577.0L);
    EXPECT_EQ(DATETOMJD(1, 3, 1900, 0.0L) - DATETOMJD(28, 2, 1900, 0.0L), 1.0L);
    // 1300 is a leap year in the Julian calendar.
    EXPECT_EQ(DATETOMJD(1, 3, 1300, 0.0L) - DATETOMJD(28, 2, 1300, 0.0L), 2.0L);
}

TEST(TIMLIB, JulianToGregorianSwitch) {
    EXPECT_EQ(DATETOMJD(4, 10, 1582, 0.0L), -100841.0L);
    EXPECT_EQ(DATETOMJD(15, 10, 1582, 0.0L), -100840.0L);
    // The hour takes no part in the choice of the calendar.
    EXPECT_EQ(DATETOMJD(4, 10, 1582, 23.0L), -100841.0L + 23.0L / 24.0L);
    // A date in the gap goes by the Gregorian rule.
    EXPECT_EQ(DATETOMJD(5, 10, 1582, 0.0L), -100850.0L);
    ErwarteDatum(-100850.0L, 25, 9, 1582, 0.0L);
    ErwarteDatum(-100840.5L, 4, 10, 1582, 12.0L);
    ErwarteDatum(-100840.0L, 15, 10, 1582, 0.0L);
    ErwarteDatum(-100841.0L, 4, 10, 1582, 0.0L);
}

TEST(TIMLIB, DaysAndHoursOutsideTheirRangeMoveTheDate) {
    EXPECT_EQ(DATETOMJD(31, 12, 1999, 24.0L), 51544.0L);
    EXPECT_EQ(DATETOMJD(1, 1, 2000, 0.0L), 51544.0L);
    EXPECT_EQ(DATETOMJD(0, 1, 2000, 0.0L), 51543.0L);
    ErwarteDatum(51543.0L, 31, 12, 1999, 0.0L);
    ErwarteDatum(DATETOMJD(32, 1, 2000, 0.0L), 1, 2, 2000, 0.0L);
    EXPECT_EQ(DATETOMJD(1, 1, 2000, -6.0L), 51543.75L);
    // NaN hours give a NaN date, which the reverse conversion refuses.
    const Extended m = DATETOMJD(1, 1, 2000, std::numeric_limits<Extended>::quiet_NaN());
    EXPECT_TRUE(std::isnan(m));
    EXPECT_EQ(FehlerNummer([&] { AusMJD(m); }), FehlerUngueltigeGleitkommaoperation);
}

TEST(TIMLIB, CalendarDateOfAnMJD) {
    ErwarteDatum(51544.5L, 1, 1, 2000, 12.0L);
    ErwarteDatum(0.0L, 17, 11, 1858, 0.0L);
    ErwarteDatum(-0.25L, 16, 11, 1858, 18.0L);
    ErwarteDatum(-2400000.5L, 1, 1, -4712, 12.0L);
    ErwarteDatum(51603.999L, 29, 2, 2000, 23.976L);
    const Datum d = AusMJD(60000.75L);
    EXPECT_GE(d.Stunde, 0.0L);
    EXPECT_LT(d.Stunde, 24.0L);
}

TEST(TIMLIB, DatesBeforeJulianDayZeroContinueTheJulianCalendar) {
    // 5288 Julian years with 1322 leap days before JD 0.
    EXPECT_EQ(DATETOMJD(1, 1, -10000, 12.0L), -2400000.5L - 1931442.0L);
    ErwarteDatum(-2400000.5L - 1931442.0L, 1, 1, -10000, 12.0L);
    // The day before JD 0 and its last hours: no negative hours or days.
    ErwarteDatum(-2400001.5L, 31, 12, -4713, 12.0L);
    ErwarteDatum(-2400000.75L, 1, 1, -4712, 6.0L);
    ErwarteDatum(-2400001.25L, 31, 12, -4713, 18.0L);
    // -4716 is a leap year, -4717 and -4713 are not.
    EXPECT_EQ(DATETOMJD(1, 3, -4716, 0.0L) - DATETOMJD(28, 2, -4716, 0.0L), 2.0L);
    EXPECT_EQ(DATETOMJD(1, 3, -4717, 0.0L) - DATETOMJD(28, 2, -4717, 0.0L), 1.0L);
    EXPECT_EQ(DATETOMJD(1, 3, -4713, 0.0L) - DATETOMJD(28, 2, -4713, 0.0L), 1.0L);
    EXPECT_EQ(DATETOMJD(1, 1, -4716, 0.0L) - DATETOMJD(1, 1, -4717, 0.0L), 365.0L);
}

TEST(TIMLIB, DateConversionsRoundTrip) {
    // From -12000 to beyond 2100, both calendars, every few weeks and at odd hours.
    for (Extended m = -5100000.5L; m < 100000.0L; m += 37.375L) {
        const Datum d = AusMJD(m);
        ASSERT_GE(d.Monat, 1) << m;
        ASSERT_LE(d.Monat, 12) << m;
        ASSERT_GE(d.Tag, 1) << m;
        ASSERT_LE(d.Tag, 31) << m;
        ASSERT_EQ(DATETOMJD(d.Tag, d.Monat, d.Jahr, d.Stunde), m) << m;
    }
}

TEST(TIMLIB, DatesFarAwayRaiseTheRuntimeError) {
    constexpr std::int32_t maxJahr = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t minJahr = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(FehlerNummer([] { DATETOMJD(1, 1, maxJahr, 0.0L); }), FehlerArithmetischerUeberlauf);
    EXPECT_EQ(FehlerNummer([] { DATETOMJD(1, 1, minJahr, 0.0L); }), FehlerArithmetischerUeberlauf);
    EXPECT_EQ(FehlerNummer([] { DATETOMJD(1, maxJahr, 2000, 0.0L); }),
              FehlerArithmetischerUeberlauf);
    EXPECT_EQ(FehlerNummer([] { DATETOMJD(maxJahr, 3, 2000, 0.0L); }),
              FehlerArithmetischerUeberlauf);
    // A million years is still fine.
    EXPECT_EQ(FehlerNummer([] { AusMJD(DATETOMJD(1, 1, 1000000, 0.0L)); }), 0);
    ErwarteDatum(DATETOMJD(1, 1, 1000000, 0.0L), 1, 1, 1000000, 0.0L);
    EXPECT_EQ(FehlerNummer([] { AusMJD(1e10L); }), FehlerArithmetischerUeberlauf);
    EXPECT_EQ(FehlerNummer([] { AusMJD(1e12L); }), FehlerBereichsueberschreitung);
    EXPECT_EQ(FehlerNummer([] { AusMJD(-1e12L); }), FehlerBereichsueberschreitung);
    EXPECT_NE(FehlerNummer([] { AusMJD(std::numeric_limits<Extended>::infinity()); }), 0);
}

TEST(TIMLIB, SiderealTimeAgreesWithPublishedValues) {
    EXPECT_NEAR(LOCSIDTIME(51544.5L, 0.0L), 18.6974L, 1e-4L);
    // Mean sidereal time at Greenwich, 1987 April 10 (MJD 46895): 13h10m46.3668s at 0h
    // and 8h34m57.0896s at 19h21m UT (Meeus, Astronomical Algorithms, examples 12.a/b).
    EXPECT_NEAR(LOCSIDTIME(46895.0L, 0.0L), 13.0L + 10.0L / 60.0L + 46.3668L / 3600.0L,
                0.0002L / 3600.0L);
    EXPECT_NEAR(LOCSIDTIME(46895.0L + 19.35L / 24.0L, 0.0L),
                8.0L + 34.0L / 60.0L + 57.0896L / 3600.0L, 0.0002L / 3600.0L);
}

TEST(TIMLIB, SiderealTimeOfALongitudeCountedWest) {
    const Extended g = LOCSIDTIME(51544.5L, 0.0L);
    EXPECT_NEAR(Grenzstunden(LOCSIDTIME(51544.5L, -15.0L) - g), 1.0L, 1e-12L);
    EXPECT_NEAR(Grenzstunden(LOCSIDTIME(51544.5L, 15.0L) - g), -1.0L, 1e-12L);
    // 90 degrees east: six hours later, wrapped past 24.
    EXPECT_NEAR(LOCSIDTIME(51544.5L, -90.0L), g + 6.0L - 24.0L, 1e-12L);
    for (Extended lambda : {-1e6L, -359.9L, -180.0L, 0.0L, 7.5L, 360.0L, 1e6L})
        for (Extended m : {-700000.3L, -1.25L, 0.0L, 51544.5L, 60000.999L}) {
            const Extended s = LOCSIDTIME(m, lambda);
            EXPECT_GE(s, 0.0L) << m << " " << lambda;
            EXPECT_LT(s, 24.0L) << m << " " << lambda;
        }
}

TEST(TIMLIB, SiderealTimeRunsOnSmoothlyAcrossMidnight) {
    // One solar day advances the sidereal time by 3m56.555s; midnight makes no jump
    // beyond a few microseconds, also before MJD 0 where the whole part is taken
    // toward zero.
    for (Extended m : {51544.0L, 0.0L, -1.0L, -50000.0L}) {
        const Extended a = LOCSIDTIME(m - 1e-6L, 0.0L);
        const Extended b = LOCSIDTIME(m, 0.0L);
        EXPECT_NEAR(Grenzstunden(b - a), 1.0027379093L * 24.0L * 1e-6L, 1e-8L) << m;
        const Extended t = LOCSIDTIME(m + 0.5L, 0.0L) - LOCSIDTIME(m - 0.5L, 0.0L);
        EXPECT_NEAR(Grenzstunden(t), 236.555L / 3600.0L, 0.01L / 3600.0L) << m;
    }
}
