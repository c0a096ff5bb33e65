// The conjunction search: the positions of the objects bright enough at each
// instant, the pairs within the radius recorded once per instant, the time loop,
// the table's capacity and the current object.
#include "engine/Konjunktion.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "astro/MATLIB.hpp"
#include "astro/TIMLIB.hpp"
#include "engine/Abstand.hpp"
#include "engine/AbstandAusgeschrieben.hpp"
#include "engine/Arbeiter.hpp"
#include "engine/Bitgleich.hpp"
#include "engine/Datendateien.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/Rechenbereich.hpp"
#include "engine/Testkomet.hpp"

namespace zenaro {
namespace {

using test::Bereich;

constexpr Extended Unendlich = std::numeric_limits<Extended>::infinity();

// ---------------------------------------------------------------------------
// The pair search of one instant on prepared positions.

TKonjPosition Position(std::int32_t nr, Extended raGrad, Extended dek, Extended hell = 8.0L,
                       Extended zeit = 21.30L, std::int32_t tag = 15) {
    TKonjPosition p;
    p.ObjektNr = nr;
    p.Wochentag = "Mo";
    p.Jahr = 2024;
    p.Monat = 4;
    p.Tag = tag;
    p.Zeit = zeit;
    p.RA = raGrad / 15.0L;
    p.Dek = dek;
    p.Hell = hell;
    return p;
}

void PositionenSetzen(const std::vector<TKonjPosition>& positionen) {
    AnzahlKonjPositionen = 0;
    for (const TKonjPosition& p : positionen) KonjPositionen[++AnzahlKonjPositionen] = p;
}

// Every field, the numbers to the last bit.
bool GleicheZeilen(const TKonjunktionsZeile& a, const TKonjunktionsZeile& b) {
    using test::GleicheBits;
    return a.ObjektNr1 == b.ObjektNr1 && a.ObjektNr2 == b.ObjektNr2 && a.Wochentag == b.Wochentag &&
           a.Jahr == b.Jahr && a.Monat == b.Monat && a.Tag == b.Tag &&
           GleicheBits(a.Zeit, b.Zeit) && GleicheBits(a.RA1, b.RA1) &&
           GleicheBits(a.Dek1, b.Dek1) && GleicheBits(a.RA2, b.RA2) &&
           GleicheBits(a.Dek2, b.Dek2) && GleicheBits(a.Hell1, b.Hell1) &&
           GleicheBits(a.Hell2, b.Hell2) && GleicheBits(a.Abstand, b.Abstand);
}

bool GleichePositionen(const TKonjPosition& a, const TKonjPosition& b) {
    using test::GleicheBits;
    return a.ObjektNr == b.ObjektNr && a.Wochentag == b.Wochentag && a.Jahr == b.Jahr &&
           a.Monat == b.Monat && a.Tag == b.Tag && GleicheBits(a.Zeit, b.Zeit) &&
           GleicheBits(a.RA, b.RA) && GleicheBits(a.Dek, b.Dek) && GleicheBits(a.Hell, b.Hell);
}

// The separation of the rows a and b written out, row b first.
Extended Trennung(const TKonjPosition& a, const TKonjPosition& b) {
    return test::AbstandAusgeschrieben(15.0L * b.RA, b.Dek, 15.0L * a.RA, a.Dek);
}

// The pair search as the documented procedure words it: every ordered pair, and for
// each pair within the radius every row recorded so far looked through for the
// mirrored pair at the same date and time. No capacity.
void PaareDurchsuchen(const std::vector<TKonjPosition>& pos,
                      std::vector<TKonjunktionsZeile>& zeilen) {
    for (const TKonjPosition& a : pos) {
        for (const TKonjPosition& b : pos) {
            if (&a == &b) continue;
            const Extended d = Trennung(a, b);
            if (!(d <= KonjRadius)) continue;
            bool doppelt = false;
            for (const TKonjunktionsZeile& z : zeilen)
                doppelt = doppelt || (z.ObjektNr1 == b.ObjektNr && z.ObjektNr2 == a.ObjektNr &&
                                      z.Jahr == a.Jahr && z.Monat == a.Monat && z.Tag == a.Tag &&
                                      z.Zeit == a.Zeit);
            if (doppelt) continue;
            TKonjunktionsZeile z;
            z.ObjektNr1 = a.ObjektNr;
            z.ObjektNr2 = b.ObjektNr;
            z.Wochentag = a.Wochentag;
            z.Jahr = a.Jahr;
            z.Monat = a.Monat;
            z.Tag = a.Tag;
            z.Zeit = a.Zeit;
            z.RA1 = a.RA;
            z.Dek1 = a.Dek;
            z.Hell1 = a.Hell;
            z.RA2 = b.RA;
            z.Dek2 = b.Dek;
            z.Hell2 = b.Hell;
            z.Abstand = d;
            zeilen.push_back(z);
        }
    }
}

class KonjPaare : public ::testing::Test {
protected:
    void SetUp() override {
        AnzahlKonjPositionen = 0;
        AnzahlKonjunktionen = 0;
        KonjunktionenVoll = false;
        KonjRadius = 2.0L;
    }
    void TearDown() override {
        AnzahlKonjPositionen = 0;
        AnzahlKonjunktionen = 0;
        KonjunktionenVoll = false;
    }
};

TEST_F(KonjPaare, OnePairGivesOneRowWithTheFirstPositionAsObject1AndTheFieldsOfBothPositions) {
    // Object 7 stands before object 3 in the table only to show that the row takes
    // object 1 from the first position of the pair: the search itself always has
    // them in object order, so that the lower object comes first.
    PositionenSetzen({Position(7, 100.0L, 21.9L, 9.25L), Position(5, 200.0L, -30.0L),
                      Position(3, 100.0L, 20.0L, 7.5L)});
    KonjPaareSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 1);
    const TKonjunktionsZeile& z = Konjunktionen[1];
    EXPECT_EQ(z.ObjektNr1, 7);
    EXPECT_EQ(z.ObjektNr2, 3);
    EXPECT_EQ(z.Wochentag, "Mo");
    EXPECT_EQ(z.Jahr, 2024);
    EXPECT_EQ(z.Monat, 4);
    EXPECT_EQ(z.Tag, 15);
    EXPECT_EQ(z.Zeit, 21.30L);
    EXPECT_EQ(z.RA1, 100.0L / 15.0L);
    EXPECT_EQ(z.Dek1, 21.9L);
    EXPECT_EQ(z.Hell1, 9.25L);
    EXPECT_EQ(z.RA2, 100.0L / 15.0L);
    EXPECT_EQ(z.Dek2, 20.0L);
    EXPECT_EQ(z.Hell2, 7.5L);
    EXPECT_NEAR(z.Abstand, 1.9L, 1e-12L);

    // The same positions at the next instant give the next row, not a duplicate.
    PositionenSetzen({Position(7, 100.0L, 21.9L, 9.25L, 22.30L), Position(5, 200.0L, -30.0L),
                      Position(3, 100.0L, 20.0L, 7.5L, 22.30L)});
    KonjPaareSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 2);
    EXPECT_EQ(Konjunktionen[2].Zeit, 22.30L);
    EXPECT_EQ(Konjunktionen[2].ObjektNr1, 7);
}

TEST_F(KonjPaare, SeparationEqualToTheRadiusCountsAndTheRowsFollowThePairOrder) {
    // Same right ascension, 2.0 degrees apart in declination: the flat formula gives
    // exactly 2.
    PositionenSetzen(
        {Position(1, 50.0L, 10.0L), Position(2, 50.0L, 12.0L), Position(4, 50.0L, 11.0L)});
    KonjPaareSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 3);
    EXPECT_EQ(Konjunktionen[1].Abstand, 2.0L);
    EXPECT_EQ(Konjunktionen[1].ObjektNr1, 1);
    EXPECT_EQ(Konjunktionen[1].ObjektNr2, 2);
    EXPECT_EQ(Konjunktionen[2].ObjektNr1, 1);
    EXPECT_EQ(Konjunktionen[2].ObjektNr2, 4);
    EXPECT_EQ(Konjunktionen[3].ObjektNr1, 2);
    EXPECT_EQ(Konjunktionen[3].ObjektNr2, 4);

    AnzahlKonjunktionen = 0;
    KonjRadius = std::nextafter(2.0L, 0.0L);
    KonjPaareSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 2);  // only the two pairs 1 degree apart
}

TEST_F(KonjPaare, PairsAcrossZeroHoursAreMeasuredTheShortWayRound) {
    // On the equator 359.5 and 0.5 degrees are 1 degree apart.
    PositionenSetzen({Position(1, 359.5L, 0.0L), Position(2, 0.5L, 0.0L)});
    KonjPaareSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 1);
    EXPECT_NEAR(Konjunktionen[1].Abstand, 1.0L, 1e-12L);

    // At declination 60 the same right ascensions are 0.5 degrees apart and are found.
    AnzahlKonjunktionen = 0;
    PositionenSetzen({Position(1, 359.75L, 60.0L), Position(2, 0.25L, 60.0L),
                      Position(3, 359.5L, 60.0L), Position(4, 0.5L, 60.0L)});
    KonjPaareSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 6);
    const std::int32_t erstes[] = {1, 1, 1, 2, 2, 3};
    const std::int32_t zweites[] = {2, 3, 4, 3, 4, 4};
    const Extended abstand[] = {0.25L, 0.125L, 0.375L, 0.375L, 0.125L, 0.5L};
    for (std::int32_t i = 1; i <= 6; ++i) {
        EXPECT_EQ(Konjunktionen[i].ObjektNr1, erstes[i - 1]) << i;
        EXPECT_EQ(Konjunktionen[i].ObjektNr2, zweites[i - 1]) << i;
        EXPECT_NEAR(Konjunktionen[i].Abstand, abstand[i - 1], 1e-9L) << i;
    }

    // Nearly opposite places take the flat formula too and stay far from any radius.
    AnzahlKonjunktionen = 0;
    KonjRadius = 20.0L;
    PositionenSetzen({Position(1, 10.0L, 1.0L), Position(2, 190.5L, -1.0L)});
    KonjPaareSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 0);
}

TEST_F(KonjPaare, UnmeasurablePlacesAndAnEmptyInstantRecordNothing) {
    PositionenSetzen(
        {Position(1, std::nanl(""), 0.0L), Position(2, 0.0L, 0.0L), Position(3, 0.0L, Unendlich)});
    KonjPaareSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 0);
    PositionenSetzen({});
    KonjPaareSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 0);
    EXPECT_FALSE(KonjunktionenVoll);
}

TEST_F(KonjPaare, RecordsTheSameRowsAsLookingThroughTheWholeTable) {
    // Random instants: clusters around 0 h (at declination 30, now and then 80,
    // where the cosines of the two declinations differ more) so that many pairs fall
    // within the radius, times that repeat (steps below a minute give one date and time to
    // several instants), and now and then positions out of object order or an
    // object twice, so that every case of the duplicate test is met.
    // Radii from small to beyond 90 degrees: the pairs measured by the arc cosine are
    // recorded too, and pairs far apart in declination are passed over unmeasured
    // only where that changes nothing.
    const Extended radien[] = {0.5L, 2.0L, 20.0L, 90.0L, 120.0L};
    std::mt19937 zufall(20261209);
    std::uniform_int_distribution<int> wuerfel(0, 99);
    std::uniform_real_distribution<double> streuung(-1.5, 1.5);
    std::int32_t zeilenGesamt = 0;
    for (int durchgang = 0; durchgang < 60; ++durchgang) {
        AnzahlKonjunktionen = 0;
        KonjRadius = radien[durchgang % 5];
        std::vector<TKonjunktionsZeile> erwartet;
        for (int zeitpunkt = 0; zeitpunkt < 8; ++zeitpunkt) {
            const Extended zeit = 20.0L + static_cast<Extended>(wuerfel(zufall) % 3) / 100.0L;
            const int n = wuerfel(zufall) % 13;
            const bool ungeordnet = wuerfel(zufall) < 15;
            const bool gemischteZeit = wuerfel(zufall) < 10;
            std::vector<TKonjPosition> pos;
            std::int32_t nr = 0;
            for (int k = 0; k < n; ++k) {
                nr = ungeordnet ? 1 + wuerfel(zufall) % 8 : nr + 1 + wuerfel(zufall) % 3;
                Extended ra = 360.0L + static_cast<Extended>(streuung(zufall));
                if (ra >= 360.0L) ra -= 360.0L;
                // Now and then a place far off, measured by the arc cosine, and rarely
                // one beyond the pole, which no declination test may pass over.
                Extended dek =
                    (durchgang % 3 == 0 ? 80.0L : 30.0L) + static_cast<Extended>(streuung(zufall));
                if (wuerfel(zufall) < 15) {
                    ra = static_cast<Extended>(wuerfel(zufall)) * 3.6L;
                    dek = static_cast<Extended>(wuerfel(zufall)) * 1.8L - 89.0L;
                }
                if (wuerfel(zufall) < 3) dek = 150.0L - dek;
                const Extended z = gemischteZeit
                                       ? 20.0L + static_cast<Extended>(wuerfel(zufall) % 2) / 100.0L
                                       : zeit;
                pos.push_back(Position(nr, ra, dek, 8.0L, z));
            }
            PositionenSetzen(pos);
            KonjPaareSuchen();
            PaareDurchsuchen(pos, erwartet);
        }
        ASSERT_EQ(AnzahlKonjunktionen, static_cast<std::int32_t>(erwartet.size()))
            << "pass " << durchgang;
        for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i)
            ASSERT_TRUE(GleicheZeilen(Konjunktionen[i], erwartet[i - 1]))
                << "pass " << durchgang << " row " << i;
        zeilenGesamt += AnzahlKonjunktionen;
    }
    EXPECT_GT(zeilenGesamt, 1000);  // the comparison met plenty of rows
    EXPECT_FALSE(KonjunktionenVoll);

    // Pairs near the radius at declinations 50 to 89 that differ by up to a fifth of
    // the radius, where the cosines of the two declinations differ most, up to the
    // largest radius the form accepts.
    std::uniform_real_distribution<double> eins(0.0, 1.0);
    for (const Extended radius : {1.0L, 3.0L, 10.0L, 18.0L, 20.0L}) {
        KonjRadius = radius;
        AnzahlKonjunktionen = 0;
        std::vector<TKonjPosition> pos;
        for (std::int32_t nr = 1; nr <= 80; nr += 2) {
            const Extended ra = 360.0L * eins(zufall), dek = 50.0L + 39.0L * eins(zufall);
            const Extended dek2 = dek + radius * (0.4L * eins(zufall) - 0.2L);
            const Extended dAlpha =
                radius * (0.9L + 0.15L * eins(zufall)) / COSDEG((dek + dek2) / 2);
            pos.push_back(Position(nr, ra, dek));
            pos.push_back(Position(nr + 1, std::fmod(ra + dAlpha, 360.0L), std::fmin(dek2, 90.0L)));
        }
        PositionenSetzen(pos);
        KonjPaareSuchen();
        std::vector<TKonjunktionsZeile> erwartet;
        PaareDurchsuchen(pos, erwartet);
        ASSERT_EQ(AnzahlKonjunktionen, static_cast<std::int32_t>(erwartet.size())) << radius;
        for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i)
            ASSERT_TRUE(GleicheZeilen(Konjunktionen[i], erwartet[i - 1])) << radius << " " << i;
    }

    // Beyond a radius of 90 degrees places far off in declination are measured:
    // nearly opposite places (159 apart in declination) 179 degrees apart.
    KonjRadius = 179.5L;
    AnzahlKonjunktionen = 0;
    const std::vector<TKonjPosition> gegenueber = {Position(1, 0.0L, 80.0L),
                                                   Position(2, 180.0L, -79.0L)};
    PositionenSetzen(gegenueber);
    KonjPaareSuchen();
    std::vector<TKonjunktionsZeile> erwartet;
    PaareDurchsuchen(gegenueber, erwartet);
    ASSERT_EQ(erwartet.size(), 1u);
    ASSERT_EQ(AnzahlKonjunktionen, 1);
    EXPECT_TRUE(GleicheZeilen(Konjunktionen[1], erwartet[0]));
    EXPECT_NEAR(Konjunktionen[1].Abstand, 179.0L, 1e-12L);
}

TEST_F(KonjPaare, AFullTableStopsRecordingAndRaisesTheFlag) {
    TKonjunktionsZeile frueher = {};
    frueher.ObjektNr1 = 900;
    frueher.ObjektNr2 = 901;
    frueher.Jahr = 2023;
    // 9990 earlier rows and five objects in one place: ten pairs fill the table
    // exactly, which is no overflow.
    std::vector<TKonjPosition> fuenf;
    for (std::int32_t nr = 1; nr <= 5; ++nr) fuenf.push_back(Position(nr, 120.0L, 5.0L));
    for (std::int32_t i = 1; i <= 9990; ++i) Konjunktionen[i] = frueher;
    AnzahlKonjunktionen = 9990;
    PositionenSetzen(fuenf);
    KonjPaareSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 10000);
    EXPECT_FALSE(KonjunktionenVoll);

    // A sixth object makes fifteen pairs: the first ten are kept, the flag is set.
    std::vector<TKonjPosition> sechs = fuenf;
    sechs.push_back(Position(6, 120.0L, 5.0L));
    AnzahlKonjunktionen = 9990;
    PositionenSetzen(sechs);
    KonjPaareSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 10000);
    EXPECT_TRUE(KonjunktionenVoll);
    std::vector<TKonjunktionsZeile> erwartet;
    PaareDurchsuchen(sechs, erwartet);
    ASSERT_EQ(erwartet.size(), 15u);
    for (std::int32_t i = 1; i <= 10; ++i)
        EXPECT_TRUE(GleicheZeilen(Konjunktionen[9990 + i], erwartet[i - 1])) << i;
    EXPECT_EQ(Konjunktionen[9990].ObjektNr1, 900);
}

// ---------------------------------------------------------------------------
// Positions and the whole search on objects of the database.

using test::Testkomet;

class KonjSuche : public ::testing::Test {
protected:
    void SetUp() override {
        Orte[1].Name = "Testort";
        Orte[1].Laenge = 10.0L;  // 10 degrees west
        Orte[1].Breite = 50.0L;
        AnzahlOrte = 1;
        AktOrt = 1;
        ZonenOffset = 0.0L;
        HellParameterBenutzen = false;
        AnzahlHellParameter = 0;
        KonjRadius = 2.0L;
        KonjGrenzgroesse = 12.0L;
        Bereich(2024, 4, 15, 0.0L, 2024, 4, 15, 0.0L, 1, 0.0L);
        AnzahlKonjPositionen = 0;
        AnzahlKonjunktionen = 0;
    }
    void TearDown() override {
        for (std::int32_t i = 1; i <= AnzahlObjekte; ++i) Objekte[i] = TBahnelement{};
        AnzahlObjekte = 0;
        Orte[1] = TOrt{};
        AnzahlOrte = 0;
        AnzahlHellParameter = 0;
        HellParameterListe[1] = THellParameter{};
        HellParameterBenutzen = false;
        AnzahlKonjPositionen = 0;
        AnzahlKonjunktionen = 0;
        KonjunktionenVoll = false;
        ZonenOffset = 0.0L;
    }

    static void Objekt(const TBahnelement& e) { Objekte[++AnzahlObjekte] = e; }
};

TEST_F(KonjSuche, PositionIsTheTopocentricPlaceAndMagnitudeAtTheLocalDateAndTime) {
    // 2024-04-15 21:30 UT is 16 April 00:30 in a zone three hours ahead, a Tuesday.
    // Expected place (astrometric, J2000) and distances from PyEphem; the
    // topocentric shift at 0.71 AU is about 0.004 degrees.
    Objekt(Testkomet(260.0L));
    Objekt(Testkomet());
    ZonenOffset = 3.0L;
    KonjZeitMJD = DATETOMJD(15, 4, 2024, 21.5L);
    KonjZeitT = (KonjZeitMJD - 51544.5L) / 36525.0L;
    AktObjekt = 2;
    KonjPositionBerechnen();
    ASSERT_EQ(AnzahlKonjPositionen, 1);
    const TKonjPosition& p = KonjPositionen[1];
    EXPECT_EQ(p.ObjektNr, 2);
    EXPECT_EQ(p.Jahr, 2024);
    EXPECT_EQ(p.Monat, 4);
    EXPECT_EQ(p.Tag, 16);
    EXPECT_NEAR(p.Zeit, 0.30L, 1e-12L);
    EXPECT_EQ(p.Wochentag, "Di");
    EXPECT_NEAR(p.RA, 287.68388L / 15.0L, 0.02L / 15.0L);
    EXPECT_NEAR(p.Dek, 1.30839L, 0.02L);
    EXPECT_NEAR(p.Hell, 6.364L, 0.01L);

    // A brightness set of the object that covers the instant decides the magnitude.
    HellParameterBenutzen = true;
    AnzahlHellParameter = 1;
    HellParameterListe[1].Name = "C/2024 X1 (Test)";
    HellParameterListe[1].Von = -100.0L;
    HellParameterListe[1].Bis = 100.0L;
    HellParameterListe[1].H11 = 3.0L;
    KonjPositionBerechnen();
    ASSERT_EQ(AnzahlKonjPositionen, 2);
    EXPECT_EQ(KonjPositionen[2].Hell, 3.0L);
    EXPECT_EQ(KonjPositionen[2].RA, p.RA);
}

TEST(KonjZeit, TheTimeOfAPositionIsWholeHoursPlusTheRemainingMinutes) {
    // A position's time is k = whole part of (hour * 60 + 0.5) minutes, written as the
    // whole hours of k plus its remaining minutes / 100; the ephemeris encoding the
    // positions share gives that for every local hour of a day.
    for (std::int32_t minute = 0; minute <= 1440; ++minute) {
        for (const Extended versatz : {-0.4999L, 0.0L, 0.4999L}) {
            const Extended stunde = (static_cast<Extended>(minute) + versatz) / 60.0L;
            if (stunde < 0.0L) continue;
            const std::int32_t k = static_cast<std::int32_t>(std::trunc(stunde * 60.0L + 0.5L));
            const Extended erwartet = static_cast<Extended>(k / 60) + (k % 60) / 100.0L;
            ASSERT_EQ(StundenPunktMinuten(stunde), erwartet) << stunde;
        }
    }
}

TEST_F(KonjSuche, PositionAgreesWithTheEphemerisRowOfTheSameInstant) {
    Objekt(Testkomet());
    Objekt(Testkomet(200.0L));
    ZonenOffset = -7.0L;
    Bereich(2024, 5, 3, 23.75L, 2024, 5, 3, 23.75L, 1, 0.0L);
    AlleObjekteModus = false;
    DeepSkyAnzeigen = false;
    AnzahlZeilen = 0;
    AktObjekt = 2;
    EphemerideBerechnen();
    ASSERT_EQ(AnzahlZeilen, 1);
    const TEphemeridenZeile e = Ephemeride[1];
    AnzahlZeilen = 0;

    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjPositionen, 2);
    const TKonjPosition& p = KonjPositionen[2];
    EXPECT_EQ(p.ObjektNr, 2);
    EXPECT_EQ(p.Wochentag, e.Wochentag);
    EXPECT_EQ(p.Jahr, e.Jahr);
    EXPECT_EQ(p.Monat, e.Monat);
    EXPECT_EQ(p.Tag, e.Tag);
    EXPECT_EQ(p.Zeit, e.Zeit);
    EXPECT_NEAR(p.RA, e.RA, 1e-12L);
    EXPECT_NEAR(p.Dek, e.Dek, 1e-12L);
    EXPECT_NEAR(p.Hell, e.Hell, 1e-12L);
}

TEST_F(KonjSuche, OneRowPerPairAndInstantOverTheRange) {
    Objekt(Testkomet());
    Objekt(Testkomet(260.0L));  // elsewhere in the sky
    Objekt(Testkomet());        // in the same place as object 1
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 16, 0.0L, 0, 12.0L);
    AktObjekt = 2;
    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 3);
    const Extended zeiten[] = {0.0L, 12.0L, 0.0L};
    const std::int32_t tage[] = {15, 15, 16};
    for (std::int32_t i = 1; i <= 3; ++i) {
        const TKonjunktionsZeile& z = Konjunktionen[i];
        EXPECT_EQ(z.ObjektNr1, 1) << i;
        EXPECT_EQ(z.ObjektNr2, 3) << i;
        EXPECT_EQ(z.Tag, tage[i - 1]) << i;
        EXPECT_EQ(z.Zeit, zeiten[i - 1]) << i;
        EXPECT_EQ(z.Abstand, 0.0L) << i;
        EXPECT_EQ(z.RA1, z.RA2) << i;
    }
    EXPECT_EQ(Konjunktionen[1].Wochentag, "Mo");
    EXPECT_EQ(AnzahlKonjPositionen, 3);  // the last instant's positions, all bright
    EXPECT_EQ(AktObjekt, 2);             // the current object is back
    // The instant after the last pass, accumulated by addition.
    const Extended schritt = 0 + 12.0L / 24.0L;
    EXPECT_EQ(KonjZeitMJD, DATETOMJD(15, 4, 2024, 0.0L) + schritt + schritt + schritt);
    const Extended t0 = (DATETOMJD(15, 4, 2024, 0.0L) - 51544.5L - 0.0L / 24.0L) / 36525.0L;
    EXPECT_EQ(KonjZeitT, t0 + schritt / 36525.0L + schritt / 36525.0L + schritt / 36525.0L);

    // Steps of 18 seconds give instants that share their minute: still one row per
    // instant.
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 15, 1.0L / 60.0L, 0, 0.005L);
    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 4);
    EXPECT_EQ(Konjunktionen[1].Zeit, 0.0L);
    EXPECT_EQ(Konjunktionen[2].Zeit, 0.0L);
    EXPECT_EQ(Konjunktionen[3].Zeit, 0.01L);
    EXPECT_EQ(Konjunktionen[4].Zeit, 0.01L);
}

TEST_F(KonjSuche, TheStopInstantBelongsToTheRangeDespiteTheAccumulatedSteps) {
    Objekt(Testkomet());
    Objekt(Testkomet());
    ZonenOffset = 1.0L;
    Bereich(2024, 3, 1, 0.0L, 2024, 3, 31, 0.0L, 1, 0.0L);
    // Thirty daily steps added up land beyond the stop by rounding alone.
    const Extended t0 = (DATETOMJD(1, 3, 2024, 0.0L) - 51544.5L - 1.0L / 24.0L) / 36525.0L;
    const Extended t1 = (DATETOMJD(31, 3, 2024, 0.0L) - 51544.5L - 1.0L / 24.0L) / 36525.0L;
    Extended t = t0;
    for (int i = 0; i < 30; ++i) t = t + 1.0L / 36525.0L;
    ASSERT_GT(t, t1);

    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 31);
    EXPECT_EQ(Konjunktionen[31].Tag, 31);
    EXPECT_EQ(Konjunktionen[31].Monat, 3);
    EXPECT_EQ(Konjunktionen[31].Zeit, 0.0L);

    // A stop a minute short of the next step does not get that step.
    Bereich(2024, 3, 1, 0.0L, 2024, 3, 30, 23.0L + 59.0L / 60.0L, 1, 0.0L);
    KonjunktionenSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 30);
}

TEST_F(KonjSuche, StartEqualToOrAfterTheStopGivesOnePassAtTheStart) {
    Objekt(Testkomet());
    Objekt(Testkomet());
    ZonenOffset = -5.0L;
    Bereich(2024, 4, 15, 22.5L, 2024, 4, 15, 22.5L, 1, 0.0L);
    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 1);
    EXPECT_EQ(Konjunktionen[1].Tag, 15);
    EXPECT_NEAR(Konjunktionen[1].Zeit, 22.30L, 1e-12L);

    Bereich(2024, 4, 20, 0.0L, 2024, 4, 15, 0.0L, 1, 0.0L);
    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 1);
    EXPECT_EQ(Konjunktionen[1].Tag, 20);

    // A step that cannot move the instant (never accepted by the parameter check)
    // gives one pass too instead of repeating the start for ever.
    for (Extended stunden : {0.0L, -1.0L, std::nanl("")}) {
        Bereich(2024, 4, 15, 0.0L, 2024, 4, 20, 0.0L, 0, stunden);
        KonjunktionenSuchen();
        EXPECT_EQ(AnzahlKonjunktionen, 1) << stunden;
    }
}

TEST_F(KonjSuche, OnlyObjectsAtOrBrighterThanTheLimitTakePart) {
    Objekt(Testkomet());
    Objekt(Testkomet());
    Objekt(Testkomet(80.0L, 30.0L));  // in the same place, far too faint
    KonjGrenzgroesse = 99.0L;
    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 3);
    const Extended hell = Konjunktionen[1].Hell1;
    EXPECT_EQ(Konjunktionen[1].Hell2, hell);

    KonjGrenzgroesse = hell;  // a tie qualifies
    KonjunktionenSuchen();
    ASSERT_EQ(AnzahlKonjunktionen, 1);
    EXPECT_EQ(Konjunktionen[1].ObjektNr1, 1);
    EXPECT_EQ(Konjunktionen[1].ObjektNr2, 2);
    EXPECT_EQ(AnzahlKonjPositionen, 2);

    KonjGrenzgroesse = std::nextafter(hell, -Unendlich);  // none bright enough
    KonjunktionenSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 0);
    EXPECT_EQ(AnzahlKonjPositionen, 0);
}

TEST_F(KonjSuche, TheCurrentObjectIsRestoredAlsoWhenAnErrorEndsTheSearch) {
    Objekt(Testkomet());
    TBahnelement kaputt = Testkomet();
    kaputt.Exzentrizitaet = std::nanl("");
    Objekt(kaputt);
    Objekt(Testkomet());
    AktObjekt = 3;
    EXPECT_THROW(KonjunktionenSuchen(), ELaufzeitfehler);
    EXPECT_EQ(AktObjekt, 3);

    Objekte[2] = Testkomet(260.0L);
    AktObjekt = 1;
    KonjunktionenSuchen();
    EXPECT_EQ(AktObjekt, 1);
    EXPECT_EQ(AnzahlKonjunktionen, 1);

    // Without objects there is nothing to compare, and the current object stays.
    for (std::int32_t i = 1; i <= AnzahlObjekte; ++i) Objekte[i] = TBahnelement{};
    AnzahlObjekte = 0;
    KonjunktionenSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 0);
    EXPECT_EQ(AktObjekt, 1);
}

TEST_F(KonjSuche, ALocationThatGivesNoPlaceEndsTheSearchWithTheErrorOfTheEphemeris) {
    // A quiet NaN, and the bytes a damaged location file held as a latitude (an
    // unnormal: no number to the floating-point unit), each as latitude and longitude,
    // are named as the location's fault; a latitude so large that its double
    // overflows ends the topocentric correction.
    const std::uint8_t beschaedigt[10] = {0xc7, 0xff, 0x00, 0x00, 0x00,
                                          0x0b, 0x50, 0x69, 0x63, 0x20};
    const Extended keineZahlen[] = {std::nanl(""), ExtendedDekodieren(beschaedigt)};
    struct TFall {
        Extended* feld;
        Extended wert;
        bool ortGenannt;
    };
    std::vector<TFall> faelle{{&Orte[1].Breite, -std::numeric_limits<Extended>::max(), false}};
    for (const Extended keineZahl : keineZahlen)
        for (Extended* feld : {&Orte[1].Breite, &Orte[1].Laenge})
            faelle.push_back({feld, keineZahl, true});
    Objekt(Testkomet());
    Objekt(Testkomet());
    for (const TFall& fall : faelle) {
        Orte[1].Breite = 50.0L;
        Orte[1].Laenge = 10.0L;
        *fall.feld = fall.wert;
        std::string ephemeride;
        AnzahlZeilen = 0;
        AktObjekt = 1;
        try {
            EphemerideBerechnen();
        } catch (const ELaufzeitfehler& f) {
            ephemeride = f.what();
        }
        EXPECT_EQ(ephemeride.find("\"Testort\"") != std::string::npos, fall.ortGenannt)
            << ephemeride;
        for (void (*suche)() : {KonjunktionenSuchen, KonjPositionBerechnen}) {
            AnzahlKonjPositionen = 0;
            AnzahlKonjunktionen = 0;
            try {
                suche();
                ADD_FAILURE() << "no error";
            } catch (const ELaufzeitfehler& f) {
                EXPECT_EQ(f.Nummer(), FehlerUngueltigeGleitkommaoperation);
                // The ephemeris adds the object it was computing to the same text.
                EXPECT_EQ(ephemeride.rfind(f.what(), 0), 0u) << f.what();
            }
            EXPECT_EQ(AnzahlKonjPositionen, 0);
            EXPECT_EQ(AnzahlKonjunktionen, 0);
        }
    }
}

TEST_F(KonjSuche, MoreConjunctionsThanTheTableHoldsEndTheSearchWithTheFlag) {
    // 142 objects in one place give 10011 pairs at the first instant already.
    for (int i = 0; i < 142; ++i) Objekt(Testkomet());
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 20, 0.0L, 1, 0.0L);
    KonjunktionenSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 10000);
    EXPECT_TRUE(KonjunktionenVoll);
    EXPECT_EQ(Konjunktionen[10000].Tag, 15);                      // all from the first instant
    EXPECT_EQ(Konjunktionen[10000].ObjektNr1, 137);               // the pairs in their order up to
    EXPECT_EQ(Konjunktionen[10000].ObjektNr2, 141);               // (137, 141)
    EXPECT_EQ(KonjZeitMJD, DATETOMJD(15, 4, 2024, 0.0L) + 1.0L);  // no second pass

    // The next search starts afresh: 141 objects give 9870 pairs at one instant.
    Objekte[142] = TBahnelement{};
    AnzahlObjekte = 141;
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 15, 0.0L, 1, 0.0L);
    KonjunktionenSuchen();
    EXPECT_EQ(AnzahlKonjunktionen, 9870);
    EXPECT_FALSE(KonjunktionenVoll);
}

// ---------------------------------------------------------------------------
// The search on several threads against the search step by step.

// The search as documented, from its public pieces: at every instant the position
// of each object in object order, then the pair search of the instant, until the
// stop or a full table.
void SucheSchrittFuerSchritt() {
    AnzahlKonjunktionen = 0;
    KonjunktionenVoll = false;
    const Extended t0 =
        (DATETOMJD(StartTag, StartMonat, StartJahr, StartStunde) - 51544.5L - ZonenOffset / 24.0L) /
        36525.0L;
    const Extended t1 =
        (DATETOMJD(StopTag, StopMonat, StopJahr, StopStunde) - 51544.5L - ZonenOffset / 24.0L) /
        36525.0L;
    const Extended schritt = SchrittweiteTage + SchrittweiteStunden / 24.0L;
    KonjZeitMJD = DATETOMJD(StartTag, StartMonat, StartJahr, StartStunde) - ZonenOffset / 24.0L;
    KonjZeitT = t0;
    const std::int32_t gemerkt = AktObjekt;
    bool weiter = true;
    try {
        do {
            AnzahlKonjPositionen = 0;
            for (AktObjekt = 1; AktObjekt <= AnzahlObjekte; ++AktObjekt) KonjPositionBerechnen();
            KonjPaareSuchen();
            const Extended vorher = KonjZeitT;
            KonjZeitT = KonjZeitT + schritt / 36525.0L;
            KonjZeitMJD = KonjZeitMJD + schritt;
            weiter = !KonjunktionenVoll && KonjZeitT > vorher && KonjZeitT <= t1 + Zeittoleranz;
        } while (weiter);
    } catch (...) {
        AktObjekt = gemerkt;
        throw;
    }
    AktObjekt = gemerkt;
}

// What a search leaves behind.
struct TSuche {
    std::vector<TKonjunktionsZeile> Zeilen;
    std::vector<TKonjPosition> Positionen;
    bool Voll = false;
    Extended T = 0.0L, MJD = 0.0L;
    std::int32_t Objekt = 0;
    std::string Fehler;
};

TSuche Suchen(const std::function<void()>& suche) {
    AnzahlKonjPositionen = 0;
    TSuche s;
    try {
        suche();
    } catch (const ELaufzeitfehler& f) {
        s.Fehler = f.what();
    }
    for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i) s.Zeilen.push_back(Konjunktionen[i]);
    for (std::int32_t i = 1; i <= AnzahlKonjPositionen; ++i)
        s.Positionen.push_back(KonjPositionen[i]);
    s.Voll = KonjunktionenVoll;
    s.T = KonjZeitT;
    s.MJD = KonjZeitMJD;
    s.Objekt = AktObjekt;
    return s;
}

// The search on one thread and on eight gives what the search step by step gives;
// returns that.
TSuche WieSchrittFuerSchritt() {
    const TSuche erwartet = Suchen(SucheSchrittFuerSchritt);
    for (const std::int32_t arbeiter : {1, 8}) {
        SCOPED_TRACE(arbeiter);
        SetzeArbeiterzahl(arbeiter);
        const TSuche s = Suchen(KonjunktionenSuchen);
        SetzeArbeiterzahl(0);
        EXPECT_EQ(s.Zeilen.size(), erwartet.Zeilen.size());
        for (std::size_t i = 0; i < std::min(s.Zeilen.size(), erwartet.Zeilen.size()); ++i)
            EXPECT_TRUE(GleicheZeilen(s.Zeilen[i], erwartet.Zeilen[i])) << "row " << i + 1;
        EXPECT_EQ(s.Positionen.size(), erwartet.Positionen.size());
        for (std::size_t i = 0; i < std::min(s.Positionen.size(), erwartet.Positionen.size()); ++i)
            EXPECT_TRUE(GleichePositionen(s.Positionen[i], erwartet.Positionen[i])) << i + 1;
        EXPECT_EQ(s.Voll, erwartet.Voll);
        EXPECT_TRUE(test::GleicheBits(s.T, erwartet.T));
        EXPECT_TRUE(test::GleicheBits(s.MJD, erwartet.MJD));
        EXPECT_EQ(s.Objekt, erwartet.Objekt);
        EXPECT_EQ(s.Fehler, erwartet.Fehler);
    }
    return erwartet;
}

TEST_F(KonjSuche, OnSeveralThreadsTheSearchRecordsWhatTheSearchStepByStepRecords) {
    // 40 comets in a few groups close together, some too faint, every three hours
    // over two days.
    for (std::int32_t i = 1; i <= 40; ++i)
        Objekt(Testkomet(
            80.0L + static_cast<Extended>(i % 7) * 0.6L + static_cast<Extended>(i / 7) * 40.0L,
            5.0L + static_cast<Extended>(i % 9)));
    KonjGrenzgroesse = 12.0L;
    AktObjekt = 3;
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 17, 0.0L, 0, 3.0L);
    const TSuche suche = WieSchrittFuerSchritt();
    EXPECT_GT(suche.Zeilen.size(), 100u);
    EXPECT_LT(suche.Positionen.size(), 40u);

    // Steps of 18 seconds: instants that share their minute look through the table.
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 15, 0.05L, 0, 0.005L);
    EXPECT_GT(WieSchrittFuerSchritt().Zeilen.size(), 100u);

    // An object whose elements are undefined ends the search where the step-by-step
    // search ends, with its positions before it.
    Objekte[12].Exzentrizitaet = std::nanl("");
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 17, 0.0L, 0, 3.0L);
    const TSuche fehler = WieSchrittFuerSchritt();
    EXPECT_FALSE(fehler.Fehler.empty());
    EXPECT_EQ(AktObjekt, 3);

    // A count of objects beyond the table ends at the slot after it, with the
    // positions of all the table holds.
    for (std::int32_t i = 1; i <= MaxObjekte; ++i) Objekte[i] = Testkomet(static_cast<Extended>(i));
    AnzahlObjekte = MaxObjekte + 5;
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 15, 0.0L, 1, 0.0L);
    const TSuche jenseits = WieSchrittFuerSchritt();
    EXPECT_NE(jenseits.Fehler.find("1001"), std::string::npos) << jenseits.Fehler;
    EXPECT_EQ(jenseits.Positionen.size(), static_cast<std::size_t>(MaxObjekte));
    AnzahlObjekte = MaxObjekte;
}

TEST_F(KonjSuche, OnSeveralThreadsAFullTableEndsTheSearchAtTheSamePair) {
    // 142 comets in one place: 10011 pairs at the first instant.
    for (int i = 0; i < 142; ++i) Objekt(Testkomet());
    Bereich(2024, 4, 15, 0.0L, 2024, 4, 16, 0.0L, 0, 6.0L);
    const TSuche suche = WieSchrittFuerSchritt();
    EXPECT_TRUE(suche.Voll);
    EXPECT_EQ(suche.Zeilen.size(), 10000u);
    // 100 comets: 4950 pairs per instant, the table full in the third.
    Objekte[101] = TBahnelement{};
    AnzahlObjekte = 100;
    EXPECT_TRUE(WieSchrittFuerSchritt().Voll);
}

}  // namespace
}  // namespace zenaro
