// Conversion of the comet element list: columns, names, blank fields, line ends,
// the capacity, and that a useless list or a failed write never costs the user's
// elements.
#include "engine/Kometenliste.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "DateiTestHilfen.hpp"
#include "astro/Laufzeit.hpp"
#include "engine/Datendateien.hpp"

namespace zenaro::test {
namespace {

// One comet in the list's fixed columns (published MPC elements, list of
// 2022-08-24), written by the test's own formatter.
struct Komet {
    std::string name;
    double tag;
    int monat, jahr;
    double q, e, i, w, knoten, h, n;
    std::string bemerkung;
};

// clang-format off
const Komet HaleBopp{"C/1995 O1 (Hale-Bopp)", 29.6466, 3, 1997, 0.890662, 0.994972,
                     89.2742, 130.4139, 282.7613, -2.0, 4.0, "MPC106342"};
const Komet Lagerkvist{"P/1996 R2 (Lagerkvist)", 12.7782, 2, 2019, 2.587322, 0.314552,
                       2.6009, 333.3845, 40.0092, 11.5, 4.0, "NK   1615"};
const Komet Bernardinelli{"C/2014 UN271 (Bernardinelli-Bernstein)", 23.5128, 1, 2031,
                          10.942819, 1.000293, 95.4304, 326.2781, 189.8984, 2.5, 3.2,
                          "MPEC 2022"};  // e >= 1
// clang-format on

void Setzen(std::string& z, std::size_t spalte, const std::string& text) {
    z.replace(spalte - 1, text.size(), text);
}

std::string Format(const char* f, double x) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, f, x);
    return puffer;
}

std::string Zeile(const Komet& k) {
    std::string z(154, ' ');
    Setzen(z, 1, k.name.substr(0, 43));
    Setzen(z, 44, Format("%7.4f", k.tag));
    Setzen(z, 53, Format("%2.0f", k.monat));
    Setzen(z, 57, Format("%4.0f", k.jahr));
    Setzen(z, 74, Format("%9.6f", k.q));
    Setzen(z, 86, Format("%9.6f", k.e));
    Setzen(z, 96, Format("%9.4f", k.i));
    Setzen(z, 108, Format("%9.4f", k.w));
    Setzen(z, 120, Format("%9.4f", k.knoten));
    Setzen(z, 133, "2000.0");
    Setzen(z, 141, Format("%5.1f", k.h));
    Setzen(z, 147, Format("%5.1f", k.n));
    return z + k.bemerkung;
}

class KometenlisteTest : public DateiTest {
protected:
    void Liste(const std::string& text, const char* name = "Soft02Cmt.txt") {
        std::ofstream(ordner / name, std::ios::binary) << text;
    }
    // The element file as its bytes; empty when there is none.
    Bytes Elementdatei() {
        std::error_code f;
        if (!std::filesystem::exists(ordner / "Bahnelem.dat", f)) return {};
        return DateiBytes(ordner / "Bahnelem.dat");
    }
    // Two objects the user entered by hand, saved.
    void EigeneObjekte() {
        AnzahlObjekte = 2;
        Objekte[1] = TBahnelement{};
        Objekte[1].Name = "Eigenes Objekt";
        Objekte[2] = TBahnelement{};
        Objekte[2].Name = "Zweites";
        ObjekteSchreiben();
    }
    std::string Kopf = "Comet elements\r\n\r\n";
};

TEST_F(KometenlisteTest, ListeWirdUmgewandeltGeschriebenUndZurueckgelesen) {
    EigeneObjekte();
    const Bytes eigene = Elementdatei();
    Liste(Kopf + Zeile(HaleBopp) + "\r\n" + Zeile(Lagerkvist) + "\r\n" + Zeile(Bernardinelli) +
          "\r\n");
    const TKometenlisteErgebnis r = BahnelementeKonvertieren();
    EXPECT_TRUE(r.ListeGelesen);
    EXPECT_EQ(r.Umgewandelt, 3);
    EXPECT_EQ(r.Unlesbar, 0);
    ASSERT_EQ(AnzahlObjekte, 3);
    // The hand-entered objects are gone from the table and from the file, and the
    // previous file is kept whole beside it.
    EXPECT_EQ(Elementdatei().size(), 3 * SatzgroesseBahnelement);
    EXPECT_EQ(DateiBytes(ordner / "Bahnelem.dat.vor-update"), eigene);

    const TBahnelement& hb = Objekte[1];
    EXPECT_EQ(hb.Name.Text(), "Hale-Bopp C/1995 O1");
    EXPECT_EQ(hb.Bemerkung.Text(), "MPC106342");
    EXPECT_EQ(hb.Perihel[1], 1997.0L);
    EXPECT_EQ(hb.Perihel[2], 3.0L);
    EXPECT_EQ(hb.Perihel[3], 29.6466L);
    EXPECT_EQ(hb.Epoche[1], 1997.0L);
    EXPECT_EQ(hb.Epoche[2], 3.0L);
    EXPECT_EQ(hb.Epoche[3], 29.6466L);
    EXPECT_EQ(hb.Perihelabstand, 0.890662L);
    EXPECT_EQ(hb.Exzentrizitaet, 0.994972L);
    EXPECT_EQ(hb.Bahnneigung, 89.2742L);
    EXPECT_EQ(hb.Perihelargument, 130.4139L);
    EXPECT_EQ(hb.Knoten, 282.7613L);
    EXPECT_EQ(hb.Aequinoktium, 2000.0L);
    EXPECT_EQ(hb.H11, -2.0L);
    EXPECT_EQ(hb.N, 4.0L);
    EXPECT_EQ(hb.GrosseHalbachse, 0.890662L / (1.0L - 0.994972L));
    EXPECT_EQ(hb.MittlereAnomalie, 0.0L);

    // "P/" designation: the name, then the designation without its "P".
    EXPECT_EQ(Objekte[2].Name.Text(), "Lagerkvist/1996 R2");
    // e >= 1: no semi-major axis.
    EXPECT_EQ(Objekte[3].Exzentrizitaet, 1.000293L);
    EXPECT_EQ(Objekte[3].GrosseHalbachse, 0.0L);
    EXPECT_EQ(Objekte[3].Name.Text(), "Bernardinelli-Bernstein C/2014 UN271");
    EXPECT_EQ(Objekte[3].Bemerkung.Text(), "MPEC 2022");

    // The conversion command runs the same conversion: the next update keeps the
    // file of this one.
    const Bytes erste = Elementdatei();
    Liste(Zeile(HaleBopp) + "\n");
    ASSERT_EQ(std::system(("'" ZENARO_BINARY_DIR "/kometenliste_umwandeln' '" + ordner.string() +
                           "' >/dev/null")
                              .c_str()),
              0);
    EXPECT_EQ(Elementdatei().size(), SatzgroesseBahnelement);
    EXPECT_EQ(DateiBytes(ordner / "Bahnelem.dat.vor-update"), erste);
}

TEST_F(KometenlisteTest, ZeilenendenLfCrLfUndCrGebenDieselbenObjekte) {
    const std::string a = Zeile(HaleBopp), b = Zeile(Lagerkvist);
    std::vector<std::vector<std::string>> namen;
    for (const std::string& text :
         {"Kopf\n\n" + a + "\n" + b + "\n", "Kopf\r\n\r\n" + a + "\r\n" + b + "\r\n",
          "Kopf\r\r" + a + "\r" + b, "Kopf\n\r" + a + "\r\n\n" + b + "\x1A" + a + "\r\n"}) {
        Liste(text);
        BahnelementeKonvertieren();
        std::vector<std::string> n;
        for (std::int32_t i = 1; i <= AnzahlObjekte; ++i)
            n.push_back(Objekte[i].Name.Text() + "|" + Objekte[i].Bemerkung.Text());
        namen.push_back(n);
    }
    const std::vector<std::string> erwartet{"Hale-Bopp C/1995 O1|MPC106342",
                                            "Lagerkvist/1996 R2|NK   1615"};
    // The last list ends at its Ctrl-Z: the line after it is not read.
    for (const auto& n : namen) EXPECT_EQ(n, erwartet);
}

TEST_F(KometenlisteTest, ZeilenlaengeBemerkungUndNamensregeln) {
    std::string z154 = Zeile(HaleBopp).substr(0, 154);
    std::string z155 = z154 + " ";
    std::string lang = z154 + std::string(70, 'x');
    auto mitName = [&](const std::string& name) {
        std::string z = z154;
        Setzen(z, 1, (name + std::string(43, ' ')).substr(0, 43));
        return z + "R";
    };
    Liste(z154 + "\n" + z155 + "\n" + lang + "\n" + mitName("P/2013 EW90") + "\n" +
          mitName("2P/Encke") + "\n" + mitName("(Ganz in Klammern") + "\n" + mitName("") + "\n" +
          mitName("C/2020 F3 (NEO(WISE) x") + "\n" + mitName("  C/1 (A) B  ") + "\n");
    const TKometenlisteErgebnis r = BahnelementeKonvertieren();
    ASSERT_EQ(r.Umgewandelt, 8);
    EXPECT_EQ(Objekte[1].Bemerkung.Text(), "");                    // 155 characters
    EXPECT_EQ(Objekte[2].Bemerkung.Text(), std::string(60, 'x'));  // cut to 60
    EXPECT_EQ(Objekte[3].Name.Text(), " P/2013 EW90");  // no name in parentheses: keeps its "P"
    EXPECT_EQ(Objekte[4].Name.Text(), " 2P/Encke");
    EXPECT_EQ(Objekte[5].Name.Text(), "Ganz in Klammern");  // all inside parentheses
    EXPECT_EQ(Objekte[6].Name.Text(), "  ");                // blank field: B, blank, one blank
    EXPECT_EQ(Objekte[7].Name.Text(), "NEOWISE C/2020 F3  x");
    EXPECT_EQ(Objekte[8].Name.Text(), "A   C/1  B");
}

TEST_F(KometenlisteTest, BlankInZahlfeldernLiestSichAlsNull) {
    std::string z = Zeile(HaleBopp);
    Setzen(z, 44, " 5.5   ");    // day: padded fraction keeps its value
    Setzen(z, 53, "1 ");         // month: a whole number followed by a blank reads 10
    Setzen(z, 74, "    0.5  ");  // q
    Setzen(z, 86, "         ");  // e: blanks only read 0
    Setzen(z, 141, " 1 . ");     // H: characters 1-2 stay, 3-5 become "0.0"
    Setzen(z, 147, "- 1  ");     // n: characters 2-5 become "0100"
    Liste(z + "\n");
    ASSERT_EQ(BahnelementeKonvertieren().Umgewandelt, 1);
    EXPECT_EQ(Objekte[1].Perihel[3], 5.5L);
    EXPECT_EQ(Objekte[1].Perihel[2], 10.0L);
    EXPECT_EQ(Objekte[1].Perihelabstand, 0.5L);
    EXPECT_EQ(Objekte[1].Exzentrizitaet, 0.0L);
    EXPECT_EQ(Objekte[1].GrosseHalbachse, 0.5L);
    EXPECT_EQ(Objekte[1].H11, 10.0L);
    EXPECT_EQ(Objekte[1].N, -100.0L);
}

TEST_F(KometenlisteTest, NutzloseOderFehlendeListeLaesstTabelleUndDateiStehen) {
    EigeneObjekte();
    const Bytes datei = Elementdatei();
    Objekte[2].Name = "Noch nicht gespeichert";
    auto unveraendert = [&] {
        EXPECT_EQ(AnzahlObjekte, 2);
        EXPECT_EQ(Objekte[2].Name.Text(), "Noch nicht gespeichert");
        EXPECT_EQ(Elementdatei(), datei);
    };
    // No list: nothing read, unsaved changes kept.
    EXPECT_FALSE(BahnelementeKonvertieren().ListeGelesen);
    unveraendert();
    // An empty list, and a web page in place of the list.
    for (const std::string& text :
         {std::string(), "<html><body>" + std::string(300, 'a') + "</body></html>\r\n"}) {
        Liste(text);
        const TKometenlisteErgebnis r = BahnelementeKonvertieren();
        EXPECT_TRUE(r.ListeGelesen);
        EXPECT_FALSE(r.Uebernommen());
        EXPECT_EQ(r.Unlesbar, text.empty() ? 0 : 1);  // its number fields are no numbers
        unveraendert();
    }
    EXPECT_EQ(Eintraege(ordner).size(), 2u);  // no temporary file left behind
}

TEST_F(KometenlisteTest, MehrAls1000ZeilenFuellenDieTabelle) {
    std::string text;
    for (int i = 1; i <= 1005; ++i) {
        Komet k = HaleBopp;
        k.name = "C/" + std::to_string(i);
        text += Zeile(k) + "\n\n";  // empty pieces count as lines of the list too
    }
    Liste(text);
    const TKometenlisteErgebnis r = BahnelementeKonvertieren();
    EXPECT_EQ(r.Umgewandelt, MaxObjekte);
    EXPECT_EQ(r.NichtUebernommen, 5);
    ASSERT_EQ(AnzahlObjekte, MaxObjekte);
    EXPECT_EQ(Objekte[1000].Name.Text(), " C/1000");
    EXPECT_EQ(Elementdatei().size(), MaxObjekte * SatzgroesseBahnelement);
}

TEST_F(KometenlisteTest, GrossKleinschreibungUndFehlgeschlagenesSchreiben) {
    // Any spelling of the list is found, and the element file keeps its one name.
    Liste(Zeile(HaleBopp) + "\n", "SOFT02CMT.TXT");
    DateiSchreiben(ordner / "BAHNELEM.DAT", Bytes{});
    EXPECT_EQ(BahnelementeKonvertieren().Umgewandelt, 1);
    EXPECT_EQ(DateiBytes(ordner / "BAHNELEM.DAT").size(), SatzgroesseBahnelement);
    EXPECT_EQ(Eintraege(ordner).size(), 3u);  // with the previous (empty) file kept

    // A write-protected element file: the error reaches the caller, and the
    // table and the file stay as they were.
    Objekte[1].Name = "Ungespeichert";
    const Bytes vorher = DateiBytes(ordner / "BAHNELEM.DAT");
    ::chmod((ordner / "BAHNELEM.DAT").c_str(), 0444);
    Liste(Zeile(Lagerkvist) + "\n" + Zeile(Bernardinelli) + "\n", "SOFT02CMT.TXT");
    EXPECT_THROW(BahnelementeKonvertieren(), ELaufzeitfehler);
    EXPECT_EQ(AnzahlObjekte, 1);
    EXPECT_EQ(Objekte[1].Name.Text(), "Ungespeichert");
    EXPECT_EQ(DateiBytes(ordner / "BAHNELEM.DAT"), vorher);
    EXPECT_EQ(DateiBytes(ordner / "BAHNELEM.DAT.vor-update"), Bytes{});  // not replaced either
}

}  // namespace
}  // namespace zenaro::test
