// The conjunction table: row columns, signs and paddings, title and zone lines of
// both editions, the legend and the empty case.
#include "ui/Konjunktionstext.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ZenaroDef.hpp"

namespace zenaro {
namespace {

class KonjunktionstextTest : public ::testing::Test {
protected:
    void SetUp() override {
        Englisch = false;
        Objekte[1].Name = "C/2023 A3 (Tsuchinshan-ATLAS)";  // 29 characters: cut to 25
        Objekte[2].Name = "Ceres";
        Objekte[3].Name = "1234567890123456789012345";  // exactly 25
        AnzahlObjekte = 3;
        Orte[1].Name = "B\xFClach";  // Windows-1252 "ü"
        AktOrt = 1;
        ZeitzonenName = "MEZ";
        Startdatum = "05.01.2026";
        Startzeit = "01:00";
        Stopdatum = "07.01.2026";
        Stopzeit = "23:30";
        KonjGrenzgroesse = 12.0L;
        AlleObjekteModus = false;
        AnzahlKonjunktionen = 0;
    }
    void TearDown() override { Englisch = false; }

    static TKonjunktionsZeile Zeile() {
        TKonjunktionsZeile z;
        z.ObjektNr1 = 1;
        z.ObjektNr2 = 2;
        z.Wochentag = "Mo";
        z.Jahr = 2026;
        z.Monat = 1;
        z.Tag = 5;
        z.Zeit = 1.3L;
        z.RA1 = 5.5L;                     // 5h 30.0
        z.Dek1 = -0.4L;                   // -0° 24'
        z.RA2 = 12.05L;                   // 12h 03.0
        z.Dek2 = 45.25L;                  // +45° 15'
        z.Hell1 = 0.0L;                   // no sign
        z.Hell2 = 0.5L;                   // +0.5
        z.Abstand = 1.0L + 5.0L / 60.0L;  // 1°05'
        return z;
    }
};

TEST_F(KonjunktionstextTest, RowLineColumnByColumn) {
    EXPECT_EQ(KonjZeile(Zeile()),
              "Mo 05.Jan.2026 01:30 "
              "C/2023 A3 (Tsuchinshan-AT "
              "Ceres                     "
              " 5h 30.0  -0\xB0 24.0 "
              "12h 03.0 +45\xB0 15.0 "
              "  0.0  +0.5  "
              "1\xB0"
              "05'");

    // Signs of small and negative declinations, magnitudes below zero, a time
    // of ten hours or more, a name of exactly 25 characters, a wide separation.
    TKonjunktionsZeile z = Zeile();
    z.ObjektNr1 = 3;
    z.Tag = 28;
    z.Monat = 12;
    z.Zeit = 23.59L;
    z.Dek1 = 0.4L;
    z.Dek2 = -5.2L;
    z.RA1 = 0.0L;
    z.Hell1 = -1.2L;
    z.Hell2 = 11.95L;
    z.Abstand = 12.0L;
    EXPECT_EQ(KonjZeile(z),
              "Mo 28.Dez.2026 23:59 "
              "1234567890123456789012345 "
              "Ceres                     "
              " 0h 00.0  +0\xB0 24.0 "
              "12h 03.0  -5\xB0 12.0 "
              " -1.2 +12.0 "
              "12\xB0"
              "00'");
    z.Dek1 = -12.5L;
    z.Dek2 = 5.0L;
    const std::string zeile = KonjZeile(z);
    EXPECT_EQ(zeile.substr(82, 10), "-12\xB0 30.0 ");
    EXPECT_EQ(zeile.substr(101, 10), " +5\xB0 00.0 ");

    Englisch = true;
    EXPECT_EQ(KonjZeile(z).substr(0, 21), "Mo 28.Dec.2026 23:59 ");
}

TEST_F(KonjunktionstextTest, ColumnsLineUpWithHeaderAndDashRuns) {
    for (bool englisch : {false, true}) {
        Englisch = englisch;
        const std::string kopf = KonjKopfzeile();
        const std::string strich = KonjStrichzeile();
        const std::string zeile = KonjZeile(Zeile());
        // Each dash run starts where a header word and a row column start.
        const std::vector<std::size_t> anfaenge{0, 21, 47, 73, 82, 92, 101, 111, 117, 123};
        std::vector<std::size_t> laeufe;
        for (std::size_t i = 0; i < strich.size(); ++i)
            if (strich[i] == '-' && (i == 0 || strich[i - 1] == ' ')) laeufe.push_back(i);
        EXPECT_EQ(laeufe, anfaenge);
        for (std::size_t a : anfaenge) {
            EXPECT_NE(kopf[a], ' ') << a;
            if (a > 0) EXPECT_EQ(kopf[a - 1], ' ') << a;
            if (a > 0) EXPECT_EQ(zeile[a - 1], ' ') << a;
        }
        EXPECT_EQ(strich.size(), englisch ? 133u : 130u);
        EXPECT_EQ(kopf.size(), strich.size());
    }
    EXPECT_EQ(KonjKopfzeile().substr(111), "Magn1 Magn2 Separation");
}

TEST_F(KonjunktionstextTest, TitleAndZoneLinesOfBothModesAndEditions) {
    EXPECT_EQ(KonjTitelzeile(TKonjZiel::Fenster),
              "Konjunktionen vom 05.01.2026 um 01:00 bis zum 07.01.2026 um 23:30 bis "
              "Grenzgr\xF6\xDF"
              "e 12.0");
    EXPECT_EQ(KonjZonenzeile(), "Alle Zeiten sind in MEZ angegeben und gelten f\xFCr B\xFClach");
    AlleObjekteModus = true;
    KonjGrenzgroesse = 5.0L;
    EXPECT_EQ(KonjTitelzeile(TKonjZiel::Fenster),
              "Konjunktionen f\xFCr 05.01.2026 um 01:00 bis Helligkeit  5.0");
    EXPECT_EQ(KonjTitelzeile(TKonjZiel::Datei),
              "Konjunktionen am 05.01.2026 um 01:00 bis Helligkeit  5.0");
    EXPECT_EQ(KonjTitelzeile(TKonjZiel::Druck), KonjTitelzeile(TKonjZiel::Datei));

    Englisch = true;
    for (TKonjZiel ziel : {TKonjZiel::Fenster, TKonjZiel::Datei, TKonjZiel::Druck})
        EXPECT_EQ(KonjTitelzeile(ziel),
                  "Conjunctions on 05.01.2026 at 01:00 down to magnitude  5.0");
    AlleObjekteModus = false;
    EXPECT_EQ(KonjTitelzeile(TKonjZiel::Druck),
              "Conjunctions from 05.01.2026 at 01:00 to 07.01.2026 at 23:30 down to "
              "magnitude  5.0");
    EXPECT_EQ(KonjZonenzeile(),
              "All time values are given in MEZ and are valid for location B\xFClach");
}

TEST_F(KonjunktionstextTest, WholeTableWithLegendAndEmptyCase) {
    std::vector<std::string> leer = Konjunktionstext(TKonjZiel::Datei);
    ASSERT_EQ(leer.size(), 3u);
    EXPECT_EQ(leer[1], "");
    EXPECT_EQ(leer[2], "keine Konjunktionen im angegebenen Zeitraum");
    Englisch = true;
    EXPECT_EQ(Konjunktionstext(TKonjZiel::Fenster)[2], "no conjunctions at given time period");
    Englisch = false;

    Konjunktionen[1] = Zeile();
    Konjunktionen[2] = Zeile();
    Konjunktionen[2].ObjektNr1 = 3;
    AnzahlKonjunktionen = 2;
    const std::vector<std::string> datei = Konjunktionstext(TKonjZiel::Datei);
    ASSERT_EQ(datei.size(), 2u + 2u + 2u + 1u + 8u);
    EXPECT_EQ(datei[0], KonjZonenzeile());
    EXPECT_EQ(datei[2], KonjKopfzeile());
    EXPECT_EQ(datei[3], KonjStrichzeile());
    EXPECT_EQ(datei[5], KonjZeile(Konjunktionen[2]));
    EXPECT_EQ(datei[6], "");
    EXPECT_EQ(datei[7], "Legende:");
    EXPECT_EQ(datei[8], "Datum/Uhrzeit = Berechnungsdatum und -uhrzeit");
    EXPECT_EQ(datei[14], "Distanz        = Winkelabstand in Grad");
    EXPECT_EQ(Konjunktionstext(TKonjZiel::Fenster)[8],
              "Datum/Uhrzeit  = Berechnungsdatum und -uhrzeit");

    Englisch = true;
    const std::vector<std::string> legende = KonjLegende(TKonjZiel::Druck);
    ASSERT_EQ(legende.size(), 8u);
    EXPECT_EQ(legende[0], "Legende:");
    EXPECT_EQ(legende[1], "Date/Time      = Date and Time of calculation");
    EXPECT_EQ(legende[3], "Object2        = Name of object 2");
    EXPECT_EQ(legende[6], "Magn1, Magn2   = Brightness of object 1 and object 2 in Mag.");
    EXPECT_EQ(legende, KonjLegende(TKonjZiel::Fenster));
}

}  // namespace
}  // namespace zenaro
