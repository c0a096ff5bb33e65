// The byte layouts of the seven data files: files built byte by byte here are
// loaded by the program, and files the program writes are decoded here, both
// with this test's own encoder. Also the 80-bit Extended form of every kind of
// value.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "engine/DateiTestHilfen.hpp"

namespace zenaro {
namespace {

using test::Bytes;
using test::DateiBytes;
using test::DateiSchreiben;
using test::ExtendedAus;
using test::ExtendedNach;
using test::Int16Nach;
using test::Int32Aus;
using test::Int32Nach;
using test::TextAus;
using test::TextNach;

class DateiFormat : public test::DateiTest {};

// ---------------------------------------------------------------------------
// Extended.

struct Muster {
    std::uint64_t mantisse;
    std::uint16_t exponentUndVorzeichen;
};

Bytes MusterBytes(Muster m) {
    Bytes b(10);
    for (int i = 0; i < 8; ++i) b[i] = static_cast<std::uint8_t>(m.mantisse >> (8 * i));
    b[8] = static_cast<std::uint8_t>(m.exponentUndVorzeichen & 0xFF);
    b[9] = static_cast<std::uint8_t>(m.exponentUndVorzeichen >> 8);
    return b;
}

Bytes Kodiert(long double w) {
    Bytes b(10);
    ExtendedKodieren(w, b.data());
    return b;
}

TEST(Extended, KnownValuesHaveTheirTenByteForm) {
    using L = std::numeric_limits<long double>;
    const std::uint64_t ganz = 0x8000000000000000ull;
    EXPECT_EQ(Kodiert(1.0L), MusterBytes({ganz, 0x3FFF}));
    EXPECT_EQ(Kodiert(-2.5L), MusterBytes({0xA000000000000000ull, 0xC000}));
    EXPECT_EQ(Kodiert(0.0L), MusterBytes({0, 0}));
    EXPECT_EQ(Kodiert(-0.0L), MusterBytes({0, 0x8000}));
    EXPECT_EQ(Kodiert(L::infinity()), MusterBytes({ganz, 0x7FFF}));
    EXPECT_EQ(Kodiert(-L::infinity()), MusterBytes({ganz, 0xFFFF}));
    EXPECT_EQ(Kodiert(L::denorm_min()), MusterBytes({1, 0}));
    EXPECT_EQ(Kodiert(L::min()), MusterBytes({ganz, 0x0001}));
    EXPECT_EQ(Kodiert(L::max()), MusterBytes({~0ull, 0x7FFE}));

    EXPECT_EQ(ExtendedDekodieren(MusterBytes({ganz, 0x3FFF}).data()), 1.0L);
    EXPECT_EQ(ExtendedDekodieren(MusterBytes({1, 0}).data()), L::denorm_min());
    const long double minusNull = ExtendedDekodieren(MusterBytes({0, 0x8000}).data());
    EXPECT_EQ(minusNull, 0.0L);
    EXPECT_TRUE(std::signbit(minusNull));
    EXPECT_TRUE(
        std::isnan(ExtendedDekodieren(MusterBytes({0xC000000000000001ull, 0x7FFF}).data())));
    EXPECT_EQ(ExtendedDekodieren(MusterBytes({ganz, 0xFFFF}).data()), -L::infinity());
}

TEST(Extended, EveryBitPatternRoundTrips) {
    // Zeros, denormals, infinities, quiet and signalling NaNs with payloads, the
    // largest values, and random patterns (among them the unnormal forms that no
    // arithmetic produces): decoding and encoding again gives the same ten bytes.
    std::vector<Muster> muster = {
        {0, 0},
        {0, 0x8000},
        {1, 0},
        {0x7FFFFFFFFFFFFFFFull, 0x8000},
        {0x8000000000000000ull, 0x7FFF},
        {0x8000000000000000ull, 0xFFFF},
        {0xC000000000000000ull, 0x7FFF},
        {0xC123456789ABCDEFull, 0xFFFF},
        {0x8000000000000001ull, 0x7FFF},  // signalling NaN
        {0xFFFFFFFFFFFFFFFFull, 0x7FFE},
        {0x8000000000000000ull, 0x0001},
    };
    std::mt19937_64 zufall(20261209);
    for (int i = 0; i < 2000; ++i)
        muster.push_back({zufall(), static_cast<std::uint16_t>(zufall() & 0xFFFF)});
    for (const Muster& m : muster) {
        const Bytes vorher = MusterBytes(m);
        Bytes nachher(10);
        ExtendedKodieren(ExtendedDekodieren(vorher.data()), nachher.data());
        ASSERT_EQ(nachher, vorher) << std::hex << m.mantisse << " " << m.exponentUndVorzeichen;
    }
}

TEST(Extended, AgreesWithAnArithmeticEncodingOfOrdinaryValues) {
    Bytes erwartet(10);
    for (long double w : {1.0L, -1.0L, 0.1L, 2000.0L, -18.0L, 56.8541666667L, 1e-300L, 1e300L,
                          3.14159265358979323846L, -0.0174532925199433L}) {
        ExtendedNach(erwartet, 0, w);
        EXPECT_EQ(Kodiert(w), erwartet) << static_cast<double>(w);
        EXPECT_EQ(ExtendedAus(Kodiert(w), 0), w);
    }
}

// ---------------------------------------------------------------------------
// Files built here, loaded by the program.

Bytes Einstellungssatz() {
    Bytes b(128, 0xEE);  // padding filled with noise: it must be ignored
    TextNach(b, 0, "24.12.2026");
    TextNach(b, 11, "31.01.2027");
    TextNach(b, 22, "18:30");
    TextNach(b, 28, "06:15");
    Int32Nach(b, 36, 7);
    ExtendedNach(b, 40, 2.5L);
    Int32Nach(b, 52, 17);
    b[56] = 0;
    ExtendedNach(b, 64, 1.25L);
    ExtendedNach(b, 80, 10.5L);
    ExtendedNach(b, 96, 0.75L);
    ExtendedNach(b, 112, 8.0L);
    b[122] = 1;
    b[123] = 0;
    Int32Nach(b, 124, -12);
    return b;
}

void EinstellungenPruefen() {
    EXPECT_EQ(Startdatum, "24.12.2026");
    EXPECT_EQ(Stopdatum, "31.01.2027");
    EXPECT_EQ(Startzeit, "18:30");
    EXPECT_EQ(Stopzeit, "06:15");
    EXPECT_EQ(SchrittTage, 7);
    EXPECT_EQ(SchrittStunden, 2.5L);
    EXPECT_EQ(ZonenIndex, 17);
    EXPECT_FALSE(DeepSkyAnzeigen);
    EXPECT_EQ(DeepSkyRadius, 1.25L);
    EXPECT_EQ(Grenzgroesse, 10.5L);
    EXPECT_EQ(KonjRadius, 0.75L);
    EXPECT_EQ(KonjGrenzgroesse, 8.0L);
    EXPECT_TRUE(AlleObjekte);
    EXPECT_FALSE(NurSichtbare);
    EXPECT_EQ(DaemmerungsHoehe, -12);
}

TEST_F(DateiFormat, SettingsRecordIsReadFieldByField) {
    DateiSchreiben(ordner / "ZenaroWin.ini", Einstellungssatz());
    ASSERT_TRUE(EinstellungenLesen());
    EinstellungenPruefen();
}

TEST_F(DateiFormat, LongerSettingsFileUsesTheFirstRecordAndIsRewrittenAsOne) {
    Bytes b = Einstellungssatz();
    Bytes zweiter(128, 0);
    TextNach(zweiter, 0, "01.01.1999");
    b.insert(b.end(), zweiter.begin(), zweiter.end());
    b.push_back(0x42);
    DateiSchreiben(ordner / "ZenaroWin.ini", b);
    ASSERT_TRUE(EinstellungenLesen());
    EinstellungenPruefen();
    EinstellungenSchreiben();
    EXPECT_EQ(DateiBytes(ordner / "ZenaroWin.ini").size(), 128u);
}

TEST_F(DateiFormat, SettingsTextsAreCutToTheirFields) {
    // A length byte larger than the field (a damaged file) gives the whole field.
    Bytes b = Einstellungssatz();
    b[0] = 40;
    b[22] = 9;
    DateiSchreiben(ordner / "ZenaroWin.ini", b);
    ASSERT_TRUE(EinstellungenLesen());
    EXPECT_EQ(Startdatum.Text(), "24.12.2026");
    EXPECT_EQ(Startzeit.Text().size(), 5u);
    EXPECT_EQ(Startdatum.LaengenByte(), 10);
}

TEST_F(DateiFormat, ElementsAreReadFieldByField) {
    Bytes b(2 * 304, 0xA5);
    for (int k = 0; k < 2; ++k) {
        const std::size_t o = 304 * static_cast<std::size_t>(k);
        TextNach(b, o, k == 0 ? "C/2020 F3 (NEOWISE)" : "1P/Halley");
        TextNach(b, o + 61, "Bemerkung \xE4\xF6\xFC");
        ExtendedNach(b, o + 128, 2020.0L);
        ExtendedNach(b, o + 138, 7.0L);
        ExtendedNach(b, o + 148, k == 0 ? 3.6808L : 4.6808L);
        ExtendedNach(b, o + 160, 1999.0L);  // an epoch unlike the perihelion
        ExtendedNach(b, o + 170, 1.0L);
        ExtendedNach(b, o + 180, 2.0L);
        ExtendedNach(b, o + 192, 0.99918L);
        ExtendedNach(b, o + 202, 0.294646L);
        ExtendedNach(b, o + 212, 359.6L);
        ExtendedNach(b, o + 222, -3.5L);
        ExtendedNach(b, o + 232, 61.0107L);
        ExtendedNach(b, o + 242, 37.2786L);
        ExtendedNach(b, o + 252, 128.9375L);
        ExtendedNach(b, o + 264, 2000.0L);
        ExtendedNach(b, o + 280, 8.0L);
        ExtendedNach(b, o + 290, 3.2L);
    }
    DateiSchreiben(ordner / "Bahnelem.dat", b);
    ASSERT_TRUE(ObjekteLesen());
    ASSERT_EQ(AnzahlObjekte, 2);
    const TBahnelement& e = Objekte[2];
    EXPECT_EQ(Objekte[1].Name, "C/2020 F3 (NEOWISE)");
    EXPECT_EQ(e.Name, "1P/Halley");
    EXPECT_EQ(e.Bemerkung, "Bemerkung \xE4\xF6\xFC");
    EXPECT_EQ(e.Perihel[1], 2020.0L);
    EXPECT_EQ(e.Perihel[2], 7.0L);
    EXPECT_EQ(e.Perihel[3], 4.6808L);
    EXPECT_EQ(e.Epoche[1], 1999.0L);
    EXPECT_EQ(e.Epoche[3], 2.0L);
    EXPECT_EQ(e.Exzentrizitaet, 0.99918L);
    EXPECT_EQ(e.Perihelabstand, 0.294646L);
    EXPECT_EQ(e.GrosseHalbachse, 359.6L);
    EXPECT_EQ(e.MittlereAnomalie, -3.5L);
    EXPECT_EQ(e.Knoten, 61.0107L);
    EXPECT_EQ(e.Perihelargument, 37.2786L);
    EXPECT_EQ(e.Bahnneigung, 128.9375L);
    EXPECT_EQ(e.Aequinoktium, 2000.0L);
    EXPECT_EQ(e.H11, 8.0L);
    EXPECT_EQ(e.N, 3.2L);
}

TEST_F(DateiFormat, LocationsAreReadFieldByField) {
    Bytes b(88, 0x11);
    TextNach(b, 0, "Sonneberg");
    ExtendedNach(b, 64, -11.1917L);
    ExtendedNach(b, 74, 50.3792L);
    DateiSchreiben(ordner / "Orte.dat", b);
    ASSERT_TRUE(OrteLesen());
    ASSERT_EQ(AnzahlOrte, 1);
    EXPECT_EQ(Orte[1].Name, "Sonneberg");
    EXPECT_EQ(Orte[1].Laenge, -11.1917L);  // east of Greenwich
    EXPECT_EQ(Orte[1].Breite, 50.3792L);
}

TEST_F(DateiFormat, BrightnessSetsAreReadFieldByField) {
    Bytes b(144, 0x77);
    TextNach(b, 0, "C/1995 O1 (Hale-Bopp)");
    ExtendedNach(b, 64, -400.0L);
    ExtendedNach(b, 80, 250.5L);
    ExtendedNach(b, 96, -0.8L);
    ExtendedNach(b, 106, 5.0L);
    ExtendedNach(b, 116, 3.6L);
    b[126] = 1;
    ExtendedNach(b, 128, -12.5L);
    DateiSchreiben(ordner / "hell.dta", b);
    ASSERT_TRUE(HellParameterLesen());
    ASSERT_EQ(AnzahlHellParameter, 1);
    const THellParameter& h = HellParameterListe[1];
    EXPECT_EQ(h.Name, "C/1995 O1 (Hale-Bopp)");
    EXPECT_EQ(h.Von, -400.0L);
    EXPECT_EQ(h.Bis, 250.5L);
    EXPECT_EQ(h.H11, -0.8L);
    EXPECT_EQ(h.N1, 5.0L);
    EXPECT_EQ(h.N2, 3.6L);
    EXPECT_TRUE(h.Erweitert);
    EXPECT_EQ(h.DT, -12.5L);
}

Bytes DeepSkySatz(std::int32_t nummer, long double ra, long double dek, const std::string& typ,
                  long double hell, long double groesse, const std::string& sternbild,
                  std::uint8_t messier) {
    Bytes b(64, 0x5A);
    Int16Nach(b, 0, nummer);
    ExtendedNach(b, 8, ra);
    ExtendedNach(b, 18, dek);
    TextNach(b, 28, typ);
    ExtendedNach(b, 32, hell);
    ExtendedNach(b, 48, groesse);
    TextNach(b, 58, sternbild);
    b[62] = messier;
    return b;
}

TEST_F(DateiFormat, CatalogueEntriesAreReadFieldByField) {
    Bytes ngc = DeepSkySatz(224, 10.684708L, 41.26875L, "Gx", 3.44L, 177.83L, "And", 31);
    const Bytes zweiter = DeepSkySatz(7840, 359.9L, -0.5L, "Gx", 99.0L, 0.0L, "Psc", 0);
    ngc.insert(ngc.end(), zweiter.begin(), zweiter.end());
    DateiSchreiben(ordner / "ngc.dta", ngc);
    DateiSchreiben(ordner / "ic.dta",
                   DeepSkySatz(434, 85.25L, -2.45L, "Nb", 99.0L, 60.0L, "Ori", 0));
    ASSERT_TRUE(NGCLesen());
    ASSERT_TRUE(ICLesen());
    ASSERT_EQ(AnzahlNGC, 2);
    ASSERT_EQ(AnzahlIC, 1);
    const TDeepSkyObjekt& m31 = NGCKatalog[1];
    EXPECT_EQ(m31.Nummer, 224);
    EXPECT_EQ(m31.RA, 10.684708L);
    EXPECT_EQ(m31.Dek, 41.26875L);
    EXPECT_EQ(m31.Typ, "Gx");
    EXPECT_EQ(m31.Hell, 3.44L);
    EXPECT_EQ(m31.Groesse, 177.83L);
    EXPECT_EQ(m31.Sternbild, "And");
    EXPECT_EQ(m31.Messier, 31);
    EXPECT_EQ(NGCKatalog[2].Nummer, 7840);
    EXPECT_EQ(NGCKatalog[2].Hell, 99.0L);
    EXPECT_EQ(ICKatalog[1].Nummer, 434);
    EXPECT_EQ(ICKatalog[1].Typ, "Nb");
}

TEST_F(DateiFormat, StarsAreReadFieldByField) {
    Bytes b(2 * 96, 0x33);
    Int16Nach(b, 0, 58);
    TextNach(b, 2, "alp");
    b[10] = '1';
    TextNach(b, 11, "");
    TextNach(b, 22, "Ori");
    ExtendedNach(b, 32, 88.792958L);
    ExtendedNach(b, 48, 7.407064L);
    ExtendedNach(b, 64, 0.5L);
    Int16Nach(b, 96, 0);
    TextNach(b, 98, "");
    b[106] = ' ';
    TextNach(b, 107, "HR 1");
    TextNach(b, 118, "");  // no constellation in the file
    ExtendedNach(b, 128, 1.29125L);
    ExtendedNach(b, 144, 45.229167L);
    ExtendedNach(b, 160, 6.7L);
    DateiSchreiben(ordner / "bsc4.dta", b);
    ASSERT_TRUE(SterneLesen());
    ASSERT_EQ(AnzahlSterne, 2);
    const TStern& beteigeuze = Sternkatalog[1];
    EXPECT_EQ(beteigeuze.Flamsteed, 58);
    EXPECT_EQ(beteigeuze.Bayer, "alp");
    EXPECT_EQ(beteigeuze.BayerIndex, '1');
    EXPECT_TRUE(beteigeuze.Name.Leer());
    EXPECT_EQ(beteigeuze.Sternbild, "Ori");
    EXPECT_EQ(beteigeuze.RA, 88.792958L);
    EXPECT_EQ(beteigeuze.Dek, 7.407064L);
    EXPECT_EQ(beteigeuze.Hell, 0.5L);
    EXPECT_EQ(Sternkatalog[2].Flamsteed, 0);
    EXPECT_EQ(Sternkatalog[2].Name, "HR 1");
    EXPECT_TRUE(Sternkatalog[2].Sternbild.Leer());
    EXPECT_EQ(Sternkatalog[2].Hell, 6.7L);
}

TEST_F(DateiFormat, MissingFileGivesAnEmptyTableAndAnEmptyFileOpens) {
    AnzahlOrte = 5;
    EXPECT_FALSE(OrteLesen());
    EXPECT_EQ(AnzahlOrte, 0);
    DateiSchreiben(ordner / "ngc.dta", {});
    EXPECT_TRUE(NGCLesen());  // present, so the start appends its entry
    EXPECT_EQ(AnzahlNGC, 0);
    EXPECT_FALSE(ICLesen());
    EXPECT_FALSE(SterneLesen());
    EXPECT_FALSE(ObjekteLesen());
    EXPECT_FALSE(HellParameterLesen());
    Startdatum = "unchanged";
    EXPECT_FALSE(EinstellungenLesen());
    EXPECT_EQ(Startdatum, "unchanged");
    EXPECT_TRUE(UeberzaehligeDateien.empty());
}

// ---------------------------------------------------------------------------
// Files the program writes, decoded here.

TEST_F(DateiFormat, ElementsAreWrittenByteByByte) {
    TBahnelement e;
    e.Name = "C/2023 A3 (Tsuchinshan-ATLAS)";
    e.Bemerkung = "MPC";
    e.Perihel[1] = 2024.0L;
    e.Perihel[2] = 9.0L;
    e.Perihel[3] = 27.7405L;
    for (std::int32_t i = 1; i <= 3; ++i) e.Epoche[i] = e.Perihel[i];
    e.Exzentrizitaet = 1.000102L;
    e.Perihelabstand = 0.391404L;
    e.GrosseHalbachse = 0.0L;
    e.Knoten = 21.5594L;
    e.Perihelargument = 308.4918L;
    e.Bahnneigung = 139.1116L;
    e.Aequinoktium = 2000.0L;
    e.H11 = 4.6L;
    e.N = 3.2L;
    Objekte[1] = e;
    Objekte[2] = TBahnelement{};
    Objekte[2].Name = "zwei";
    AnzahlObjekte = 2;
    ObjekteSchreiben();
    const Bytes b = DateiBytes(ordner / "Bahnelem.dat");
    ASSERT_EQ(b.size(), 2u * 304);
    EXPECT_EQ(TextAus(b, 0), "C/2023 A3 (Tsuchinshan-ATLAS)");
    EXPECT_EQ(TextAus(b, 61), "MPC");
    EXPECT_EQ(ExtendedAus(b, 128), 2024.0L);
    EXPECT_EQ(ExtendedAus(b, 138), 9.0L);
    EXPECT_EQ(ExtendedAus(b, 148), 27.7405L);
    EXPECT_EQ(ExtendedAus(b, 160), 2024.0L);
    EXPECT_EQ(ExtendedAus(b, 170), 9.0L);
    EXPECT_EQ(ExtendedAus(b, 180), 27.7405L);
    EXPECT_EQ(ExtendedAus(b, 192), 1.000102L);
    EXPECT_EQ(ExtendedAus(b, 202), 0.391404L);
    EXPECT_EQ(ExtendedAus(b, 212), 0.0L);
    EXPECT_EQ(ExtendedAus(b, 222), 0.0L);
    EXPECT_EQ(ExtendedAus(b, 232), 21.5594L);
    EXPECT_EQ(ExtendedAus(b, 242), 308.4918L);
    EXPECT_EQ(ExtendedAus(b, 252), 139.1116L);
    EXPECT_EQ(ExtendedAus(b, 264), 2000.0L);
    EXPECT_EQ(ExtendedAus(b, 280), 4.6L);
    EXPECT_EQ(ExtendedAus(b, 290), 3.2L);
    for (std::size_t o :
         {122u, 123u, 127u, 158u, 159u, 190u, 191u, 262u, 263u, 274u, 279u, 300u, 303u})
        EXPECT_EQ(b[o], 0) << "padding at " << o;
    EXPECT_EQ(TextAus(b, 304), "zwei");
}

TEST_F(DateiFormat, LocationsAndBrightnessSetsAreWrittenByteByByte) {
    Orte[1].Name = "Mauna Kea";
    Orte[1].Laenge = 155.4681L;
    Orte[1].Breite = 19.8207L;
    AnzahlOrte = 1;
    OrteSchreiben();
    const Bytes o = DateiBytes(ordner / "Orte.dat");
    ASSERT_EQ(o.size(), 88u);
    EXPECT_EQ(TextAus(o, 0), "Mauna Kea");
    EXPECT_EQ(ExtendedAus(o, 64), 155.4681L);
    EXPECT_EQ(ExtendedAus(o, 74), 19.8207L);
    for (std::size_t i : {61u, 62u, 63u, 84u, 87u}) EXPECT_EQ(o[i], 0);

    THellParameter& h = HellParameterListe[1];
    h = THellParameter{};
    h.Name = "29P/Schwassmann-Wachmann";
    h.Von = -1000.0L;
    h.Bis = 1000.0L;
    h.H11 = 11.5L;
    h.N1 = 5.0L;
    h.N2 = 2.0L;
    h.Erweitert = true;
    h.DT = 30.0L;
    AnzahlHellParameter = 1;
    HellParameterSchreiben();
    const Bytes b = DateiBytes(ordner / "hell.dta");
    ASSERT_EQ(b.size(), 144u);
    EXPECT_EQ(TextAus(b, 0), "29P/Schwassmann-Wachmann");
    EXPECT_EQ(ExtendedAus(b, 64), -1000.0L);
    EXPECT_EQ(ExtendedAus(b, 80), 1000.0L);
    EXPECT_EQ(ExtendedAus(b, 96), 11.5L);
    EXPECT_EQ(ExtendedAus(b, 106), 5.0L);
    EXPECT_EQ(ExtendedAus(b, 116), 2.0L);
    EXPECT_EQ(b[126], 1);
    EXPECT_EQ(b[127], 0);
    EXPECT_EQ(ExtendedAus(b, 128), 30.0L);

    // An empty table gives an empty file.
    AnzahlOrte = 0;
    OrteSchreiben();
    EXPECT_TRUE(DateiBytes(ordner / "Orte.dat").empty());
}

TEST_F(DateiFormat, SettingsAreWrittenAsOneRecord) {
    Startdatum = "01.02.2026";
    Stopdatum = "03.04.2026";
    Startzeit = "05:06";
    Stopzeit = "07:08";
    SchrittTage = 9;
    SchrittStunden = 0.5L;
    ZonenIndex = 51;
    DeepSkyAnzeigen = true;
    DeepSkyRadius = 3.0L;
    Grenzgroesse = 14.0L;
    KonjRadius = 0.25L;
    KonjGrenzgroesse = 11.0L;
    AlleObjekte = false;
    NurSichtbare = true;
    DaemmerungsHoehe = -6;
    EinstellungenSchreiben();
    const Bytes b = DateiBytes(ordner / "ZenaroWin.ini");
    ASSERT_EQ(b.size(), 128u);
    EXPECT_EQ(TextAus(b, 0), "01.02.2026");
    EXPECT_EQ(TextAus(b, 11), "03.04.2026");
    EXPECT_EQ(TextAus(b, 22), "05:06");
    EXPECT_EQ(TextAus(b, 28), "07:08");
    EXPECT_EQ(Int32Aus(b, 36), 9);
    EXPECT_EQ(ExtendedAus(b, 40), 0.5L);
    EXPECT_EQ(Int32Aus(b, 52), 51);
    EXPECT_EQ(b[56], 1);
    EXPECT_EQ(ExtendedAus(b, 64), 3.0L);
    EXPECT_EQ(ExtendedAus(b, 80), 14.0L);
    EXPECT_EQ(ExtendedAus(b, 96), 0.25L);
    EXPECT_EQ(ExtendedAus(b, 112), 11.0L);
    EXPECT_EQ(b[122], 0);
    EXPECT_EQ(b[123], 1);
    EXPECT_EQ(Int32Aus(b, 124), -6);
}

TEST_F(DateiFormat, SpecialValuesSurviveAFileRoundTrip) {
    using L = std::numeric_limits<long double>;
    Orte[1].Name = "x";
    Orte[1].Laenge = L::quiet_NaN();
    Orte[1].Breite = -0.0L;
    Orte[2].Name = "y";
    Orte[2].Laenge = L::infinity();
    Orte[2].Breite = L::denorm_min();
    Orte[3].Name = "z";
    Orte[3].Laenge = ExtendedDekodieren(MusterBytes({0x8000000000000001ull, 0xFFFF}).data());
    Orte[3].Breite = L::max();
    AnzahlOrte = 3;
    OrteSchreiben();
    const Bytes vorher = DateiBytes(ordner / "Orte.dat");
    AnzahlOrte = 0;
    ASSERT_TRUE(OrteLesen());
    EXPECT_TRUE(std::isnan(Orte[1].Laenge));
    EXPECT_TRUE(std::signbit(Orte[1].Breite));
    EXPECT_EQ(Orte[2].Laenge, L::infinity());
    EXPECT_EQ(Orte[2].Breite, L::denorm_min());
    OrteSchreiben();
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat"), vorher);
}

}  // namespace
}  // namespace zenaro
