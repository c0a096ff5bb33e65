// The ephemeris printout on the recording printer: landscape before the dialog, a
// cancelled dialog, the page header of both modes, row positions and fonts, the
// groups of five per page, page breaks, the legend page and the footers.
#include "ui/ZenaroDruckUnit.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <string>
#include <vector>

#include "Ausgabeumgebung.hpp"
#include "engine/ShortString.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Ephemeridentext.hpp"
#include "ui/Plattform/Drucken.hpp"

namespace zenaro {
namespace {

using TAufruf = TDruckRekorder::TAufruf;
using TEintrag = TDruckRekorder::TEintrag;

constexpr int W = 6600;

using test::Q;

class ZenaroDruckUnit_ : public test::EphemeridenUmgebung {
protected:
    void SetUp() override {
        EphemeridenUmgebung::SetUp();
        Objekte[1].Perihel[3] = 15.5L;
        Objekte[2] = Objekte[1];
        Objekte[2].Name = "2P/Encke";
    }

    // Rows that pass every filter; the day tells them apart.
    static void Zeilen(int anzahl) {
        AnzahlZeilen = anzahl;
        for (int i = 1; i <= anzahl; ++i) {
            TEphemeridenZeile z = Startzeile();
            z.Tag = (i - 1) % 28 + 1;
            z.Zeit = 1.0L;
            z.Aufgang = 5.5L;
            z.Untergang = 17.25L;
            z.TOpt = 22.3L;
            z.TOptHoehe = 40.0L;
            z.KulmHoehe = 50.0L;
            z.Kulmination = 23.0L;
            z.Hell = 8.0L;
            z.Sternbild = "Ori";
            z.MondKlasse = "++";
            z.TOptMond = "+ ";
            z.Distanz = 999.0L;
            Ephemeride[i] = z;
        }
    }

    // Prints with the recorder and checks that the form is gone afterwards.
    static void Drucken(TDruckRekorder& rekorder) {
        QWidget owner;
        QPointer<TDruckForm> form = new TDruckForm(&owner);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form.isNull());
        EXPECT_EQ(rekorder.Eintraege().front().Aufruf, TAufruf::Querformat);
    }

    static QString Zeilentext(int i) { return Q(EphemeridenZeilenText(Ephemeride[i])); }

    static std::string Kopfzeile(TZeilenArt art) {
        for (const TTextZeile& z : Ephemeridentext(TAusgabeSenke::Druck))
            if (z.Art == art) return z.Text;
        return {};
    }

    static int Zentriert(const std::string& zeile, int faktor) {
        return W / 2 - static_cast<int>(zeile.size() / 2) * faktor;
    }

    // The drawn rows (size 7 texts at x = 200 after the dash line) of one page.
    static std::vector<TEintrag> Zeilen(const std::vector<TEintrag>& seite) {
        std::vector<TEintrag> z;
        bool nachStrich = false;
        for (const TEintrag& e : seite) {
            if (nachStrich && e.X == 200 && e.Text != QStringLiteral("Legende:")) z.push_back(e);
            if (e.Text.startsWith(QStringLiteral("-----"))) nachStrich = true;
            if (e.Text == QStringLiteral("Legende:")) break;
        }
        return z;
    }
};

TEST_F(ZenaroDruckUnit_, CancelledDialogPrintsNothing) {
    Zeilen(3);
    TDruckRekorder rekorder(false);
    Drucken(rekorder);
    ASSERT_EQ(rekorder.Eintraege().size(), 2u);
    EXPECT_EQ(rekorder.Eintraege()[1].Aufruf, TAufruf::Dialog);
}

TEST_F(ZenaroDruckUnit_, NoRowsSingleObjectGivesOnePageWithHeaderAndFooter) {
    TDruckRekorder rekorder(true, W, 4800);
    Drucken(rekorder);
    ASSERT_TRUE(rekorder.Vorher(TAufruf::Dialog, TAufruf::DokumentBeginnen));
    EXPECT_EQ(rekorder.Eintraege().back().Aufruf, TAufruf::DokumentBeenden);
    EXPECT_FALSE(rekorder.Enthaelt(TAufruf::NeueSeite));

    const auto texte = rekorder.Texte();
    ASSERT_EQ(texte.size(), 9u);  // title, 3 element lines, zone, twilight, header, dash, footer
    const std::string titel = "Ephemeride f\xFCr C/2026 A1 (Test)";
    EXPECT_EQ(texte[0].Text, Q(titel));
    EXPECT_EQ(texte[0].X, Zentriert(titel, 45));
    EXPECT_EQ(texte[0].Y, 0);
    EXPECT_EQ(texte[0].Schriftname, QStringLiteral("Arial"));
    EXPECT_EQ(texte[0].Schriftgroesse, 12);
    EXPECT_TRUE(texte[0].Fett);

    // Element lines, then zone and twilight, centred in Courier New 8.
    const int y[] = {300, 400, 500, 600, 750};
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(texte[i].Y, y[i - 1]);
        EXPECT_EQ(texte[i].X, W / 2 - static_cast<int>(texte[i].Text.size() / 2) * 40);
        EXPECT_EQ(texte[i].Schriftname, QStringLiteral("Courier New"));
        EXPECT_EQ(texte[i].Schriftgroesse, 8);
        EXPECT_FALSE(texte[i].Fett);
    }
    EXPECT_EQ(texte[4].Text, Q(Kopfzeile(TZeilenArt::Zone)));
    EXPECT_EQ(texte[5].Text, Q(Kopfzeile(TZeilenArt::Daemmerung)));
    EXPECT_EQ(texte[6].Text, Q(Kopfzeile(TZeilenArt::Kopf)));
    EXPECT_EQ(texte[7].Text, Q(Kopfzeile(TZeilenArt::Strich)));
    for (int i : {6, 7}) {
        EXPECT_EQ(texte[i].X, 200);
        EXPECT_EQ(texte[i].Schriftgroesse, 7);
    }
    EXPECT_EQ(texte[6].Y, 900);
    EXPECT_EQ(texte[7].Y, 1000);

    EXPECT_EQ(texte[8].Text, QStringLiteral("Seite   1"));
    EXPECT_EQ(texte[8].X, W / 2 - 120);
    EXPECT_EQ(texte[8].Y, 4800 - 100);
}

TEST_F(ZenaroDruckUnit_, BrightnessSetsWidenTheSingleObjectHeader) {
    HellParameterBenutzen = true;
    AnzahlHellParameter = 1;
    HellParameterListe[1] = THellParameter{};
    HellParameterListe[1].Name = Objekte[1].Name;
    TDruckRekorder rekorder(true, W, 4800);
    Drucken(rekorder);
    const auto texte = rekorder.Texte();
    // Element lines at 300..500, empty line, the heading at 700, the set at 800, an
    // empty line, zone at 1000, twilight at 1150, header at 1300, dash at 1400.
    ASSERT_EQ(texte.size(), 11u);
    EXPECT_EQ(texte[4].Text, QStringLiteral("Berechnung der Helligkeit:"));
    EXPECT_EQ(texte[4].Y, 700);
    EXPECT_EQ(texte[5].Y, 800);
    EXPECT_EQ(texte[6].Y, 1000);
    EXPECT_EQ(texte[7].Y, 1150);
    EXPECT_EQ(texte[8].Y, 1300);
    EXPECT_EQ(texte[9].Y, 1400);
}

TEST_F(ZenaroDruckUnit_, RowsBreakPagesGroupsRestartAndTheLegendGetsItsOwnPage) {
    // Header ends at y = 1100; a row at y >= 1900 goes to the next page.
    Zeilen(13);
    TDruckRekorder rekorder(true, W, 2200);
    Drucken(rekorder);
    const auto seiten = rekorder.Seiten();
    ASSERT_EQ(seiten.size(), 3u);

    // Page 1: rows 1-5, a free line, rows 6 and 7.
    const auto z1 = Zeilen(seiten[0]);
    ASSERT_EQ(z1.size(), 7u);
    const int y1[] = {1100, 1200, 1300, 1400, 1500, 1700, 1800};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(z1[i].Y, y1[i]) << i;
        EXPECT_EQ(z1[i].Text, Zeilentext(i + 1));
        EXPECT_EQ(z1[i].Schriftname, QStringLiteral("Courier New"));
        EXPECT_EQ(z1[i].Schriftgroesse, 7);
        EXPECT_FALSE(z1[i].Fett);
    }
    EXPECT_EQ(seiten[0].back().Text, QStringLiteral("Seite   1"));

    // Page 2 repeats the header; its group of five starts with row 8.
    EXPECT_EQ(seiten[1].front().Y, 0);
    EXPECT_TRUE(seiten[1].front().Fett);
    const auto z2 = Zeilen(seiten[1]);
    ASSERT_EQ(z2.size(), 6u);
    EXPECT_EQ(z2[0].Text, Zeilentext(8));
    EXPECT_EQ(z2[0].Y, 1100);
    EXPECT_EQ(z2[4].Y, 1500);
    EXPECT_EQ(z2[5].Y, 1700);
    EXPECT_EQ(seiten[1].back().Text, QStringLiteral("Seite   2"));

    // Page 3: no header; an empty line, "Legende:" in bold, the legend lines.
    const auto& s3 = seiten[2];
    ASSERT_GE(s3.size(), 3u);
    EXPECT_EQ(s3[0].Text, QStringLiteral("Legende:"));
    EXPECT_EQ(s3[0].Y, 300);
    EXPECT_TRUE(s3[0].Fett);
    EXPECT_FALSE(s3[1].Fett);
    EXPECT_EQ(s3[1].Y, 400);
    EXPECT_EQ(s3[1].Text, QStringLiteral("Datum/Uhrzeit = Berechnungsdatum und -uhrzeit"));
    bool mondzeile = false;
    for (const auto& e : s3)
        mondzeile |= e.Text == QStringLiteral(
                                   "Mond          = Grad der Störung durch den Mond zum "
                                   "optimalen Beobachtungszeitpunkt");
    EXPECT_TRUE(mondzeile);
    EXPECT_EQ(s3.back().Text, QStringLiteral("Seite   3"));
    EXPECT_EQ(s3.back().Y, 2200 - 100);
}

TEST_F(ZenaroDruckUnit_, AllObjectsModeFiltersRowsAndHasNoGroups) {
    AlleObjekteModus = true;
    NurSichtbare = false;
    Zeilen(8);
    Ephemeride[2].TOptHoehe = 0.0L;  // not above the horizon at the best time
    Ephemeride[3].Aufgang = -3.0L;   // never rises
    Ephemeride[4].Hell = 12.5L;      // fainter than the limit
    Ephemeride[5].ObjektNr = 2;
    Englisch = true;
    TDruckRekorder rekorder(true, W, 4800);
    Drucken(rekorder);
    const auto texte = rekorder.Texte();
    ASSERT_GE(texte.size(), 5u);
    const std::string titel = Kopfzeile(TZeilenArt::Titel);
    EXPECT_EQ(texte[0].Text, Q(titel));
    EXPECT_TRUE(texte[0].Text.startsWith(QStringLiteral("Ephemeris for 09.12.2026 at 22:00")));
    EXPECT_EQ(texte[0].X, Zentriert(titel, 45));
    EXPECT_EQ(texte[1].Y, 300);  // zone
    EXPECT_EQ(texte[2].Y, 450);  // twilight
    EXPECT_EQ(texte[3].Y, 600);  // header
    EXPECT_EQ(texte[4].Y, 700);  // dash

    const auto zeilen = Zeilen(rekorder.Seiten()[0]);
    ASSERT_EQ(zeilen.size(), 5u);  // rows 1, 5, 6, 7, 8
    const int nr[] = {1, 5, 6, 7, 8};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(zeilen[i].Text, Zeilentext(nr[i]));
        EXPECT_EQ(zeilen[i].Y, 800 + 100 * i);
    }
    EXPECT_TRUE(zeilen[1].Text.startsWith(QStringLiteral("2P/Encke   ")));
    EXPECT_EQ(texte.back().Text, QStringLiteral("Page   1"));
}

TEST_F(ZenaroDruckUnit_, EveryRowFilteredStillPrintsTheLegend) {
    AlleObjekteModus = true;
    Zeilen(2);
    Ephemeride[1].Hell = 13.0L;
    Ephemeride[2].Hell = 13.0L;
    TDruckRekorder rekorder(true, W, 4800);
    Drucken(rekorder);
    const auto texte = rekorder.Texte();
    ASSERT_GE(texte.size(), 7u);
    EXPECT_EQ(texte[5].Text, QStringLiteral("Legende:"));
    EXPECT_EQ(texte[5].Y, 900);
}

}  // namespace
}  // namespace zenaro
