// The ephemeris text table: title blocks, header and dash lines, every column of a
// row with its markers, the groups of five, the filters of the all-objects mode and
// the legend of each sink, in both editions.
#include "ui/Ephemeridentext.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Ausgabeumgebung.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {
namespace {

const std::string G = "\xB0";  // "°" in Windows-1252

class Ephemeridentext_ : public test::EphemeridenUmgebung {
protected:
    void SetUp() override {
        EphemeridenUmgebung::SetUp();
        TBahnelement o;
        o.Name = "C/2026 A1 (Test)";
        o.Perihel[1] = 2026.0L;
        o.Perihel[2] = 3.0L;
        o.Perihel[3] = 15.12345L;
        o.Exzentrizitaet = 0.987654L;
        o.Perihelabstand = 0.54321L;
        o.Knoten = 12.3456L;
        o.Perihelargument = 123.456L;
        o.Bahnneigung = 45.0L;
        o.Aequinoktium = 2000.0L;
        o.H11 = 6.5L;
        o.N = 4.0L;
        Objekte[1] = o;
    }

    // A row whose every column is known; single-object and all-objects alike.
    static TEphemeridenZeile Beispiel() {
        TEphemeridenZeile z = Startzeile();
        z.Zeit = 0.05L;
        z.RA = 5.2L;
        z.Dek = -0.4L;
        z.R = 1.23456L;
        z.Delta = 0.5L;
        z.Elongation = 123.44L;
        z.MondAbstand = 45.6L;
        z.MondKlasse = "+ ";
        z.Phase = 7;
        z.Aufgang = 5.75L;
        z.Untergang = -1.0L;
        z.Kulmination = 22.30L;
        z.KulmHoehe = 45.5L;
        z.TOpt = 22.3L;
        z.TOptHoehe = 95.0L;
        z.TOptMond = "0 ";
        z.Hell = 8.5L;
        z.HellAenderung = 0.0L;
        z.RAproStunde = 0.123L;
        z.DekProStunde = -1.5L;
        z.Sternbild = "Ori";
        z.NaheBei = "M 42 (4.0)";
        z.Distanz = 999.0L;
        return z;
    }

    static void Zeilen(const std::vector<TEphemeridenZeile>& zeilen) {
        AnzahlZeilen = static_cast<std::int32_t>(zeilen.size());
        for (std::int32_t i = 1; i <= AnzahlZeilen; ++i) Ephemeride[i] = zeilen[i - 1];
    }

    static std::vector<std::string> Texte(TAusgabeSenke senke) {
        std::vector<std::string> t;
        for (const TTextZeile& z : Ephemeridentext(senke)) t.push_back(z.Text);
        return t;
    }

    // The columns at which the runs of dashes begin.
    static std::vector<std::size_t> Laeufe(const std::string& strich) {
        std::vector<std::size_t> anfang;
        for (std::size_t i = 0; i < strich.size(); ++i)
            if (strich[i] == '-' && (i == 0 || strich[i - 1] == ' ')) anfang.push_back(i);
        return anfang;
    }
};

// The part of the row after the date column that Beispiel() gives.
const std::string BeispielRest = std::string(" 5h 12.0  ") + " -0" + G + " 24.0  " + " 1.2346  " +
                                 " 0.5000 " + "123.4" + G + " " + " 46" + G + " +  " + "   7% " +
                                 "05:45 " + "--:-- " + "22:30 46" + G + "   " + "22:30 " + "90" +
                                 G + "  " + " 0   " + " 8.5+ " + "  0.12' " + " -1.50' " + "Ori";

TEST_F(Ephemeridentext_, HeaderAndDashLinesOfEveryLayoutInBothEditions) {
    const std::vector<std::size_t> einzeln = {0,  21, 31,  42,  51,  59,  66,  74,  80, 86,
                                              92, 98, 104, 110, 115, 120, 126, 134, 142};
    struct TFall {
        bool alle, deepsky, englisch;
        const char* kopf;
    };
    const TFall faelle[] = {
        {true, true, false,
         "Objekt                          RA        Dek.         r      Delta   Elong. Mond    "
         "Phase Aufg  Untg  Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb nahe bei [Hell] "
         "(Distanz)"},
        {true, false, false,
         "Objekt                          RA        Dek.         r      Delta   Elong. Mond    "
         "Phase Aufg  Untg  Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb"},
        {false, true, false,
         "Datum/Uhrzeit        RA        Dek.         r      Delta   Elong. Mond    Phase Aufg  "
         "Untg  Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb nahe bei [Hell] (Distanz)"},
        {false, false, false,
         "Datum/Uhrzeit        RA        Dek.         r      Delta   Elong. Mond    Phase Aufg  "
         "Untg  Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb"},
        {true, true, true,
         "Object                          RA        Dec.         r      Delta   Elong. Moon    "
         "Phase Rise  Set   Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con near to [Magn] "
         "(separation)"},
        {true, false, true,
         "Object                          RA        Dec.         r      Delta   Elong. Moon    "
         "Phase Rise  Set   Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con"},
        {false, true, true,
         "Date/time            RA        Dec.         r      Delta   Elong. Moon    Phase Rise  "
         "Set   Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con near to [Magn] "
         "(separation)"},
        {false, false, true,
         "Date/time            RA        Dec.         r      Delta   Elong. Moon    Phase Rise  "
         "Set   Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con"},
    };
    for (const TFall& f : faelle) {
        AlleObjekteModus = f.alle;
        DeepSkyAnzeigen = f.deepsky;
        Englisch = f.englisch;
        for (TAusgabeSenke senke :
             {TAusgabeSenke::Fenster, TAusgabeSenke::Druck, TAusgabeSenke::Datei}) {
            SCOPED_TRACE(std::string(f.kopf) + " sink " + std::to_string(static_cast<int>(senke)));
            const std::vector<TTextZeile> t = Ephemeridentext(senke);
            // No rows: the table ends with header and dash line, no legend.
            ASSERT_GE(t.size(), 2u);
            const TTextZeile& kopf = t[t.size() - 2];
            const TTextZeile& strich = t.back();
            EXPECT_EQ(kopf.Art, TZeilenArt::Kopf);
            EXPECT_EQ(strich.Art, TZeilenArt::Strich);
            EXPECT_EQ(kopf.Text, Utf8NachWin1252(f.kopf));

            std::vector<std::size_t> erwartet = einzeln;
            const std::size_t versatz = f.alle ? 11 : 0;
            for (std::size_t i = 1; i < erwartet.size(); ++i) erwartet[i] += versatz;
            if (f.deepsky) erwartet.push_back(146 + versatz);
            EXPECT_EQ(Laeufe(strich.Text), erwartet);
            const std::size_t erster = strich.Text.find(' ');
            EXPECT_EQ(erster, f.alle ? 31u : 20u);
            if (f.deepsky) {
                EXPECT_EQ(strich.Text.size() - erwartet.back(), 28u);
            }
            // Only the English window's single-object line without the deep-sky
            // column has the shorter run under "Moon".
            const bool kurz =
                f.englisch && !f.alle && !f.deepsky && senke == TAusgabeSenke::Fenster;
            EXPECT_EQ(strich.Text.substr(66 + versatz, 8), kurz ? "----    " : "------- ");
        }
    }
}

TEST_F(Ephemeridentext_, SingleObjectRowEveryColumn) {
    Zeilen({Beispiel()});
    const std::string zeile = "Mi 09.Dez.2026 00:05 " + BeispielRest;
    EXPECT_EQ(zeile.size(), 145u);
    EXPECT_EQ(EphemeridenZeilenText(Beispiel()), zeile);
    const std::vector<TTextZeile> t = Ephemeridentext(TAusgabeSenke::Fenster);
    const TTextZeile& z = t[11];  // after the title block of 11 lines
    EXPECT_EQ(z.Art, TZeilenArt::Zeile);
    EXPECT_EQ(z.Nummer, 1);
    EXPECT_EQ(z.Text, zeile);

    // Deep-sky column: label and distance in degrees and minutes, also below one degree.
    DeepSkyAnzeigen = true;
    TEphemeridenZeile d = Beispiel();
    d.Distanz = 1.5L;
    EXPECT_EQ(EphemeridenZeilenText(d), zeile + " M 42 (4.0) (1" + G + "30')");
    d.Distanz = 0.75L;
    EXPECT_EQ(EphemeridenZeilenText(d), zeile + " M 42 (4.0) (0" + G + "45')");
    d.Distanz = 12.05L;
    EXPECT_EQ(EphemeridenZeilenText(d), zeile + " M 42 (4.0) (12" + G + "03')");
    d.Distanz = 999.0L;
    EXPECT_EQ(EphemeridenZeilenText(d), zeile + " ");
    // The German edition keeps the label's blanks, the English one trims them.
    d.NaheBei = " NGC 1976 ";
    d.Distanz = 2.0L;
    EXPECT_EQ(EphemeridenZeilenText(d), zeile + "  NGC 1976  (2" + G + "00')");
    Englisch = true;
    EXPECT_EQ(EphemeridenZeilenText(d),
              "Mi 09.Dec.2026 00:05 " + BeispielRest + " NGC 1976 (2" + G + "00')");
}

TEST_F(Ephemeridentext_, ColumnEdgeCasesAndMarkers) {
    auto spalte = [](const TEphemeridenZeile& z, std::size_t anfang, std::size_t breite) {
        return EphemeridenZeilenText(z).substr(anfang, breite);
    };
    TEphemeridenZeile z = Beispiel();
    // Degrees of the declination: always three characters with the sign.
    const std::pair<Extended, const char*> dek[] = {{12.2L, "+12"}, {5.2L, " +5"},
                                                    {0.4L, " +0"},  {-0.4L, " -0"},
                                                    {-5.2L, " -5"}, {-12.2L, "-12"}};
    for (const auto& [wert, text] : dek) {
        z.Dek = wert;
        EXPECT_EQ(spalte(z, 31, 3), text) << static_cast<double>(wert);
    }
    z.Dek = 0.4L;
    EXPECT_EQ(spalte(z, 31, 11), " +0" + G + " 24.0  ");
    z.Dek = -89.99L;
    EXPECT_EQ(spalte(z, 31, 11), "-89" + G + " 59.0  ");

    // Times: the h.mm form and 24.00; plain hours rounded to the minute.
    z.Zeit = 13.3L;
    EXPECT_EQ(spalte(z, 15, 6), "13:30 ");
    z.Zeit = 24.0L;
    EXPECT_EQ(spalte(z, 15, 6), "24:00 ");
    z.Aufgang = 23.995L;  // rounds to the next minute: 24:00
    z.Untergang = 0.0L;
    EXPECT_EQ(spalte(z, 80, 12), "24:00 00:00 ");

    // Rise and set markers, both editions.
    const struct {
        Extended wert;
        const char* deutsch;
        const char* englisch;
    } marken[] = {{-1.0L, "--:-- --:-- ", "--:-- --:-- "},
                  {-2.0L, "zirkumpolar ", "always vis. "},
                  {-3.0L, "unbeobachtb.", "invisible   "}};
    for (const auto& m : marken) {
        z.Aufgang = z.Untergang = m.wert;
        Englisch = false;
        EXPECT_EQ(spalte(z, 80, 12), m.deutsch);
        Englisch = true;
        EXPECT_EQ(spalte(z, 80, 12), m.englisch);
    }
    Englisch = false;

    // Culmination, best time and altitudes.
    z.KulmHoehe = -0.1L;
    EXPECT_EQ(spalte(z, 92, 12), "--:-- --    ");
    z.KulmHoehe = 0.0L;
    z.Kulmination = 3.07L;
    EXPECT_EQ(spalte(z, 92, 12), "03:07  0" + G + "   ");
    const std::pair<Extended, std::string> hoehe[] = {
        {45.5L, "46" + G + "  "}, {45.49L, "45" + G + "  "}, {95.0L, "90" + G + "  "},
        {-5.6L, "-6" + G + "  "}, {-0.6L, "-1" + G + "  "},  {-90.0L, "--   "}};
    for (const auto& [wert, text] : hoehe) {
        z.TOptHoehe = wert;
        EXPECT_EQ(spalte(z, 110, 5), text) << static_cast<double>(wert);
    }
    z.TOpt = -1.0L;
    z.TOptMond = "  ";
    EXPECT_EQ(spalte(z, 104, 6), "--:-- ");
    EXPECT_EQ(spalte(z, 115, 5), "     ");

    // Magnitude with its trend, hourly motion padded to six.
    z.Hell = 12.34L;
    z.HellAenderung = -0.01L;
    EXPECT_EQ(spalte(z, 120, 6), "12.3- ");
    z.Hell = -1.25L;
    z.HellAenderung = 0.5L;
    EXPECT_EQ(spalte(z, 120, 6), "-1.3+ ");
    z.RAproStunde = 123.456L;
    z.DekProStunde = -12.5L;
    EXPECT_EQ(spalte(z, 126, 16), "123.46' -12.50' ");
}

TEST_F(Ephemeridentext_, SingleObjectTitleBlockWithBrightnessSets) {
    HellParameterBenutzen = true;
    AnzahlHellParameter = 3;
    HellParameterListe[1] =
        THellParameter{"C/2026 A1 (Test)", -100.0L, 0.0L, 5.5L, 5.0L, 4.0L, true, 5.0L};
    HellParameterListe[2] = THellParameter{"C/2026 A1 (test)", 0.0L, 10.0L, 1, 1, 1, false, 0};
    HellParameterListe[3] =
        THellParameter{"C/2026 A1 (Test)", 10.0L, 50.0L, 7.0L, 10.0L, 3.25L, true, -2.0L};
    const std::vector<std::string> erwartet = {
        "Ephemeride f\xFCr C/2026 A1 (Test)",
        "",
        "T=2026-Mrz-15.12345  e=0.987654  q=0.543210",
        "Omega=12.345600  omega=123.456000  i=45.000000  [2000.0]",
        "H[1,1]=  6.5  n= 4.0",
        "",
        "Berechnung der Helligkeit:",
        "T-100.0 bis   0.0: m =   5.5 +   5.0*log d + 2.5*  4.0*log r (T +  5.0)",
        "T+ 10.0 bis T+ 50.0: m =   7.0 +  10.0*log d + 2.5*  3.3*log r (T  -2.0)",
        "",
        "Alle Zeiten sind in MEZ angegeben und gelten f\xFCr Sonneberg",
        "",
        "Die festgelegte Sonnenh\xF6he f\xFCr D\xE4mmerung betr\xE4gt -18" + G,
        "",
    };
    std::vector<std::string> t = Texte(TAusgabeSenke::Fenster);
    t.resize(erwartet.size());
    EXPECT_EQ(t, erwartet);

    Englisch = true;
    t = Texte(TAusgabeSenke::Datei);
    EXPECT_EQ(t[0], "Ephemeris for C/2026 A1 (Test)");
    EXPECT_EQ(t[2], "T=2026-Mar-15.12345  e=0.987654  q=0.543210");
    EXPECT_EQ(t[6], "Magnitude calculation terms:");
    EXPECT_EQ(t[7], "T-100.0 until   0.0: m =   5.5 +   5.0*log d + 2.5*  4.0*log r (T +  5.0)");
    EXPECT_EQ(t[10], "All time values are given in MEZ and are valid for location Sonneberg");
    EXPECT_EQ(t[12], "Altitude of the sun for night is set to -18" + G);

    // A month outside 1..12 (damaged elements) is written as its number.
    Objekte[1].Perihel[2] = 13.0L;
    EXPECT_EQ(Texte(TAusgabeSenke::Datei)[2], "T=2026-13-15.12345  e=0.987654  q=0.543210");
    Objekte[1].Perihel[2] = 3.0L;

    // Without brightness sets the zone line follows the brightness line directly; no
    // set of the object still gives the heading between two empty lines.
    Englisch = false;
    HellParameterBenutzen = false;
    t = Texte(TAusgabeSenke::Fenster);
    EXPECT_EQ(t[5], "Alle Zeiten sind in MEZ angegeben und gelten f\xFCr Sonneberg");
    HellParameterBenutzen = true;
    AnzahlHellParameter = 1;
    HellParameterListe[1].Name = "Anderer";
    t = Texte(TAusgabeSenke::Fenster);
    EXPECT_EQ(std::vector<std::string>(t.begin() + 5, t.begin() + 9),
              (std::vector<std::string>{"", "Berechnung der Helligkeit:", "",
                                        "Alle Zeiten sind in MEZ angegeben und gelten f\xFCr "
                                        "Sonneberg"}));
}

TEST_F(Ephemeridentext_, GroupsOfFiveAndTheLegend) {
    std::vector<TEphemeridenZeile> zeilen(10, Beispiel());
    Zeilen(zeilen);
    const std::vector<TTextZeile> t = Ephemeridentext(TAusgabeSenke::Datei);
    std::vector<TZeilenArt> arten;
    for (std::size_t i = 11; i < t.size(); ++i) arten.push_back(t[i].Art);
    using A = TZeilenArt;
    std::vector<TZeilenArt> erwartet(5, A::Zeile);
    erwartet.push_back(A::Gruppe);
    erwartet.insert(erwartet.end(), 5, A::Zeile);
    erwartet.push_back(A::Gruppe);
    erwartet.push_back(A::LegendenLeer);
    erwartet.push_back(A::LegendenTitel);
    erwartet.insert(erwartet.end(), 16, A::Legende);
    EXPECT_EQ(arten, erwartet);
    EXPECT_EQ(t[10].Art, A::Strich);
    EXPECT_EQ(t[11 + 5].Text, "");

    // Seven rows: one empty line, after the fifth.
    Zeilen(std::vector<TEphemeridenZeile>(7, Beispiel()));
    std::size_t gruppen = 0;
    for (const TTextZeile& z : Ephemeridentext(TAusgabeSenke::Fenster))
        gruppen += z.Art == A::Gruppe;
    EXPECT_EQ(gruppen, 1u);
}

TEST_F(Ephemeridentext_, LegendOfEverySinkAndEdition) {
    Zeilen({Beispiel()});
    auto legende = [this](TAusgabeSenke senke) {
        std::vector<std::string> l;
        for (const TTextZeile& z : Ephemeridentext(senke))
            if (z.Art == TZeilenArt::LegendenTitel || z.Art == TZeilenArt::Legende)
                l.push_back(z.Text);
        return l;
    };
    // "Legende:" and 16 lines; the window and the file agree, the printout has its
    // own line about the Moon at the best time.
    const std::vector<std::string> deutsch = legende(TAusgabeSenke::Fenster);
    ASSERT_EQ(deutsch.size(), 17u);
    EXPECT_EQ(deutsch[0], "Legende:");
    EXPECT_EQ(deutsch[1], "Datum/Uhrzeit = Berechnungsdatum und -uhrzeit");
    EXPECT_EQ(deutsch[7], deutsch[13]);
    EXPECT_EQ(deutsch[12],
              "Mond          = Grad der Mondst\xF6rung zur optimalen Beobachtungszeit");
    EXPECT_EQ(deutsch[16], "Stb           = Sternbild zu Rekt. und Dekl.");
    EXPECT_EQ(legende(TAusgabeSenke::Datei), deutsch);
    std::vector<std::string> druck = deutsch;
    druck[12] =
        "Mond          = Grad der St\xF6rung durch den Mond zum optimalen Beobachtungszeitpunkt";
    EXPECT_EQ(legende(TAusgabeSenke::Druck), druck);
    DeepSkyAnzeigen = true;
    std::vector<std::string> mitDeepSky = deutsch;
    mitDeepSky.push_back(
        "nahe bei      = Konjunktion mit Deep Sky Objekt, dessen Helligkeit und Distanz dazu");
    EXPECT_EQ(legende(TAusgabeSenke::Fenster), mitDeepSky);

    // English: "Legende:" stays German; the text file has no transit line and its
    // own line about the best time.
    Englisch = true;
    DeepSkyAnzeigen = false;
    const std::vector<std::string> englisch = legende(TAusgabeSenke::Fenster);
    ASSERT_EQ(englisch.size(), 17u);
    EXPECT_EQ(englisch[0], "Legende:");
    EXPECT_EQ(englisch[10], "Trans, TElev  = Time of transit and corresponding elevation");
    EXPECT_EQ(englisch[11],
              "TOpt, Elev    = Time for optimal observation and corresponding elevation");
    EXPECT_EQ(legende(TAusgabeSenke::Druck), englisch);
    std::vector<std::string> datei = englisch;
    datei.erase(datei.begin() + 10);
    datei[10] = "TOpt, Alt.    = Time for optimal observation and corresponding altitude";
    EXPECT_EQ(legende(TAusgabeSenke::Datei), datei);
    DeepSkyAnzeigen = true;
    EXPECT_EQ(legende(TAusgabeSenke::Datei).back(),
              "near to       = Conjunction with Deep Sky object with magnitude and separation");
}

TEST_F(Ephemeridentext_, AllObjectsTitleNamesAndFilters) {
    AlleObjekteModus = true;
    Grenzgroesse = 9.5L;
    NurSichtbare = false;
    Objekte[2].Name = std::string(40, 'x');
    Objekte[3].Name = "Kurz";
    Objekte[4].Name = std::string(31, 'y');

    TEphemeridenZeile a = Beispiel();  // shown everywhere
    a.ObjektNr = 3;
    a.TOptHoehe = 20.0L;
    TEphemeridenZeile b = Beispiel();  // best-time altitude exactly 0: window only
    b.ObjektNr = 2;
    b.TOptHoehe = 0.0L;
    TEphemeridenZeile c = Beispiel();  // never rises: window without NurSichtbare only
    c.ObjektNr = 4;
    c.Aufgang = c.Untergang = -3.0L;
    c.TOptHoehe = -90.0L;
    TEphemeridenZeile d = Beispiel();  // fainter than the limit: nowhere
    d.Hell = 9.6L;
    Zeilen({a, b, c, d});

    auto zeilen = [](TAusgabeSenke senke) {
        std::vector<std::int32_t> n;
        for (const TTextZeile& z : Ephemeridentext(senke))
            if (z.Art == TZeilenArt::Zeile) n.push_back(z.Nummer);
        return n;
    };
    using V = std::vector<std::int32_t>;
    EXPECT_EQ(zeilen(TAusgabeSenke::Fenster), (V{1, 2, 3}));
    EXPECT_EQ(zeilen(TAusgabeSenke::Druck), (V{1}));
    EXPECT_EQ(zeilen(TAusgabeSenke::Datei), (V{1}));
    NurSichtbare = true;
    EXPECT_EQ(zeilen(TAusgabeSenke::Fenster), (V{1, 2}));

    // The name column is 32 wide: cut after 31 characters, or padded.
    std::string rest = BeispielRest;
    rest.replace(110 - 21, 2, "20");  // its best-time altitude, after the date column
    EXPECT_EQ(EphemeridenZeilenText(a), "Kurz" + std::string(27, ' ') + " " + rest);
    EXPECT_EQ(EphemeridenZeilenText(b).substr(0, 33), std::string(31, 'x') + "  ");
    EXPECT_EQ(EphemeridenZeilenText(c).substr(0, 33), std::string(31, 'y') + "  ");

    // Title block: the window has an empty line after the title, the file has none.
    const std::string titel = "Ephemeride f\xFCr 09.12.2026 um 22:00 bis Helligkeit  9.5";
    const std::string zone = "Alle Zeiten sind in MEZ angegeben und gelten f\xFCr Sonneberg";
    std::vector<std::string> t = Texte(TAusgabeSenke::Fenster);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 3),
              (std::vector<std::string>{titel, "", zone}));
    t = Texte(TAusgabeSenke::Datei);
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 2),
              (std::vector<std::string>{titel, zone}));
    EXPECT_EQ(Texte(TAusgabeSenke::Druck)[0], titel);
    Englisch = true;
    EXPECT_EQ(Texte(TAusgabeSenke::Fenster)[0],
              "Ephemeris on 09.12.2026 at 22:00 down to magnitude  9.5");
    EXPECT_EQ(Texte(TAusgabeSenke::Druck)[0],
              "Ephemeris for 09.12.2026 at 22:00 down to magnitude  9.5");
    Englisch = false;

    // Every row filtered out: the legend still follows, as rows were computed.
    Grenzgroesse = 1.0L;
    const std::vector<TTextZeile> leer = Ephemeridentext(TAusgabeSenke::Datei);
    EXPECT_EQ(leer[6].Art, TZeilenArt::Strich);
    EXPECT_EQ(leer[7].Art, TZeilenArt::LegendenLeer);
    // No rows computed: the table ends with the dash line.
    AnzahlZeilen = 0;
    EXPECT_EQ(Ephemeridentext(TAusgabeSenke::Datei).back().Art, TZeilenArt::Strich);
}

TEST_F(Ephemeridentext_, RowsOfTheEngineFitTheColumns) {
    // A short-period comet seen from 50 N 10 E at 23:00 (zone +1) on seven evenings;
    // the first place agrees with PyEphem at RA 14h 38.9m, Dec -13 48.4'.
    TBahnelement k;
    k.Name = "Kurzperiodisch";
    k.Perihel[1] = 2001.0L;
    k.Perihel[2] = 11.0L;
    k.Perihel[3] = 3.4L;
    k.Exzentrizitaet = 0.55L;
    k.Perihelabstand = 1.05L;
    k.GrosseHalbachse = 1.05L / 0.45L;
    k.Knoten = 75.4L;
    k.Perihelargument = 190.2L;
    k.Bahnneigung = 12.1L;
    k.Aequinoktium = 2000.0L;
    k.H11 = 8.0L;
    k.N = 4.0L;
    Objekte[1] = k;
    AnzahlObjekte = 1;
    Orte[1].Breite = 50.0L;
    Orte[1].Laenge = -10.0L;
    ZonenOffset = 1.0L;
    StartJahr = StopJahr = 2001;
    StartMonat = StopMonat = 10;
    StartTag = 12;
    StopTag = 18;
    StartStunde = StopStunde = 23.0L;
    SchrittweiteTage = 1;
    SchrittweiteStunden = 0.0L;
    AnzahlNGC = AnzahlIC = AnzahlSterne = 0;
    EphemerideBerechnen();
    ASSERT_EQ(AnzahlZeilen, 7);

    const std::vector<TTextZeile> t = Ephemeridentext(TAusgabeSenke::Fenster);
    const std::string& strich = t[10].Text;
    std::int32_t reihe = 0;
    for (const TTextZeile& z : t) {
        if (z.Art != TZeilenArt::Zeile) continue;
        ++reihe;
        SCOPED_TRACE(z.Text);
        EXPECT_EQ(z.Nummer, reihe);
        EXPECT_EQ(z.Text.size(), 145u);
        // Each column ends in a blank where the next run of dashes begins (the rise
        // and set markers fill their columns, so those two are left out).
        for (std::size_t i : Laeufe(strich))
            if (i > 0 && i != 86 && i != 92) {
                EXPECT_EQ(z.Text[i - 1], ' ') << i;
            }
    }
    EXPECT_EQ(t[11].Text.substr(0, 42), "Fr 12.Okt.2001 23:00 14h 39.0  -13" + G + " 48.0  ");
    EXPECT_EQ(t[16].Art, TZeilenArt::Gruppe);
}

}  // namespace
}  // namespace zenaro
