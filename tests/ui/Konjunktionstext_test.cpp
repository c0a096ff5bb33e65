// The conjunction table: row columns with their signs and paddings, the columns
// under the header, title and zone lines of both editions.
#include "ui/Konjunktionstext.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Ausgabeumgebung.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {
namespace {

class KonjunktionstextTest : public test::KonjunktionsUmgebung {
protected:
    void SetUp() override {
        KonjunktionsUmgebung::SetUp();
        Objekte[1].Name = "C/2023 A3 (Tsuchinshan-ATLAS)";  // 29 characters: cut to 25
        Objekte[2].Name = "Ceres";
        Objekte[3].Name = "1234567890123456789012345";  // exactly 25
        KonjGrenzgroesse = 5.0L;

        z = Startzeile();
        z.Zeit = 1.3L;
        z.RA1 = 5.5L;
        z.Dek1 = -0.4L;
        z.RA2 = 12.05L;
        z.Dek2 = 45.25L;
        z.Hell1 = 0.0L;
        z.Hell2 = 0.5L;
        z.Abstand = 1.0L + 5.0L / 60.0L;
    }

    TKonjunktionsZeile z;
};

TEST_F(KonjunktionstextTest, RowLineColumnByColumn) {
    EXPECT_EQ(KonjZeile(z),
              "Mo 05.Jan.2026 01:30 C/2023 A3 (Tsuchinshan-AT Ceres                     "
              " 5h 30.0  -0\xB0 24.0 12h 03.0 +45\xB0 15.0   0.0  +0.5  1\xB0"
              "05'");

    z.ObjektNr1 = 3;
    z.Tag = 28;
    z.Monat = 12;
    z.Zeit = 23.59L;
    z.RA1 = 0.0L;
    z.Dek1 = 0.4L;
    z.Dek2 = -5.2L;
    z.Hell1 = -1.2L;
    z.Hell2 = 11.95L;
    z.Abstand = 12.0L;
    EXPECT_EQ(KonjZeile(z),
              "Mo 28.Dez.2026 23:59 1234567890123456789012345 Ceres                     "
              " 0h 00.0  +0\xB0 24.0 12h 03.0  -5\xB0 12.0  -1.2 +12.0 12\xB0"
              "00'");
    z.Dek1 = -12.5L;
    z.Dek2 = 5.0L;
    Englisch = true;
    const std::string zeile = KonjZeile(z);
    EXPECT_EQ(zeile.substr(0, 21), "Mo 28.Dec.2026 23:59 ");
    EXPECT_EQ(zeile.substr(82, 10), "-12\xB0 30.0 ");
    EXPECT_EQ(zeile.substr(101, 10), " +5\xB0 00.0 ");
}

TEST_F(KonjunktionstextTest, ColumnsLineUpWithHeaderAndDashRuns) {
    const std::vector<std::size_t> anfaenge{0, 21, 47, 73, 82, 92, 101, 111, 117, 123};
    for (bool englisch : {false, true}) {
        Englisch = englisch;
        const std::string kopf = KonjKopfzeile();
        const std::string strich = KonjStrichzeile();
        const std::string zeile = KonjZeile(z);
        std::vector<std::size_t> laeufe;
        for (std::size_t i = 0; i < strich.size(); ++i)
            if (strich[i] == '-' && (i == 0 || strich[i - 1] == ' ')) laeufe.push_back(i);
        EXPECT_EQ(laeufe, anfaenge);
        for (std::size_t a : anfaenge) {
            EXPECT_NE(kopf[a], ' ') << a;
            if (a > 0) {
                EXPECT_TRUE(kopf[a - 1] == ' ' && zeile[a - 1] == ' ') << a;
            }
        }
        EXPECT_EQ(kopf.size(), strich.size());
        EXPECT_EQ(strich.size(), englisch ? 133u : 130u);
    }
}

TEST_F(KonjunktionstextTest, TitleZoneAndEmptyLinesOfBothModesAndEditions) {
    EXPECT_EQ(KonjTitelzeile(TAusgabeSenke::Fenster),
              "Konjunktionen vom 05.01.2026 um 01:00 bis zum 07.01.2026 um 23:30 bis "
              "Grenzgr\xF6\xDF"
              "e  5.0");
    EXPECT_EQ(KonjZonenzeile(), "Alle Zeiten sind in MEZ angegeben und gelten f\xFCr B\xFClach");
    EXPECT_EQ(Konjunktionstext(TAusgabeSenke::Datei),
              (std::vector<std::string>{KonjZonenzeile(), "",
                                        "keine Konjunktionen im angegebenen Zeitraum"}));
    AlleObjekteModus = true;
    EXPECT_EQ(KonjTitelzeile(TAusgabeSenke::Fenster),
              "Konjunktionen f\xFCr 05.01.2026 um 01:00 bis Helligkeit  5.0");
    EXPECT_EQ(KonjTitelzeile(TAusgabeSenke::Druck),
              "Konjunktionen am 05.01.2026 um 01:00 bis Helligkeit  5.0");
    EXPECT_EQ(KonjTitelzeile(TAusgabeSenke::Datei), KonjTitelzeile(TAusgabeSenke::Druck));

    Englisch = true;
    EXPECT_EQ(KonjTitelzeile(TAusgabeSenke::Fenster),
              "Conjunctions on 05.01.2026 at 01:00 down to magnitude  5.0");
    EXPECT_EQ(KonjTitelzeile(TAusgabeSenke::Druck), KonjTitelzeile(TAusgabeSenke::Fenster));
    AlleObjekteModus = false;
    EXPECT_EQ(KonjTitelzeile(TAusgabeSenke::Druck),
              "Conjunctions from 05.01.2026 at 01:00 to 07.01.2026 at 23:30 down to "
              "magnitude  5.0");
    EXPECT_EQ(KonjZonenzeile(),
              "All time values are given in MEZ and are valid for location B\xFClach");
    EXPECT_EQ(KonjLegende(TAusgabeSenke::Fenster)[1],
              "Date/Time      = Date and Time of calculation");
}

}  // namespace
}  // namespace zenaro
