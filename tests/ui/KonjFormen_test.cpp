// The three conjunction outputs: the window as created, the recorded printout
// with its page breaks, the bytes of the text file, cancelled dialogs and errors.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "Ausgabeumgebung.hpp"
#include "engine/ShortString.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/KonjAusgabeUnit.hpp"
#include "ui/KonjDruckUnit.hpp"
#include "ui/KonjSpeicherUnit.hpp"
#include "ui/Konjunktionstext.hpp"
#include "ui/Plattform/Dialoge.hpp"
#include "ui/Plattform/Drucken.hpp"
#include "ui/Plattform/Sanduhr.hpp"

namespace zenaro {
namespace {

using TAufruf = TDruckRekorder::TAufruf;
using TSeite = std::vector<TDruckRekorder::TEintrag>;

using test::Q;

class KonjFormen : public test::KonjunktionsUmgebung {
protected:
    void SetUp() override {
        test::Anwendung();
        KonjunktionsUmgebung::SetUp();
        Objekte[1].Name = "Ceres";
        Objekte[2].Name = "Vesta";
        KonjGrenzgroesse = 12.0L;
        Zeilen(0);
    }

    // n rows, each a minute after the one before.
    static void Zeilen(std::int32_t n) {
        for (std::int32_t i = 1; i <= n; ++i) {
            TKonjunktionsZeile& z = Konjunktionen[i];
            z = Startzeile();
            z.Zeit = 1.0L + i / 100.0L;
            z.Dek1 = 10.5L;
            z.Abstand = 0.75L;
        }
        AnzahlKonjunktionen = n;
    }

    // Checks a page header: bold title centred at the top, zone line, column
    // header and dash line.
    static void KopfPruefen(const TSeite& seite, int W) {
        ASSERT_GE(seite.size(), 4u);
        const std::string titel = KonjTitelzeile(TAusgabeSenke::Druck);
        const std::string zone = KonjZonenzeile();
        EXPECT_EQ(seite[0].Text, Q(titel));
        EXPECT_TRUE(seite[0].Fett);
        EXPECT_EQ(seite[0].X, W / 2 - static_cast<int>(titel.size() / 2) * 30);
        EXPECT_EQ(seite[0].Y, 0);
        EXPECT_EQ(seite[1].Text, Q(zone));
        EXPECT_FALSE(seite[1].Fett);
        EXPECT_EQ(seite[1].X, W / 2 - static_cast<int>(zone.size() / 2) * 40);
        EXPECT_EQ(seite[1].Y, 100);
        EXPECT_EQ(seite[2].Text, Q(KonjKopfzeile()));
        EXPECT_EQ(seite[3].Text, Q(KonjStrichzeile()));
        EXPECT_EQ(std::make_pair(seite[2].X, seite[2].Y), std::make_pair(200, 400));
        EXPECT_EQ(std::make_pair(seite[3].X, seite[3].Y), std::make_pair(200, 500));
        EXPECT_EQ(seite[3].Schriftname, "Courier New");
        EXPECT_EQ(seite[3].Schriftgroesse, 8);
    }

    static void Freigaben() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(KonjFormen, WindowShowsTheTableUnderTheTitleCaption) {
    Zeilen(2);
    QWidget owner;
    QPointer<TKonjAusgabeForm> form(new TKonjAusgabeForm(&owner));
    EXPECT_TRUE(form->isVisible() && form->isWindow());
    EXPECT_EQ(form->size(), QSize(834, 336));
    EXPECT_EQ(form->windowTitle(), Q(KonjTitelzeile(TAusgabeSenke::Fenster)));
    QPlainTextEdit* memo = form->findChild<QPlainTextEdit*>("Memo1");
    ASSERT_EQ(memo, form->Memo1);
    const QStringList zeilen = memo->toPlainText().split('\n');
    ASSERT_EQ(zeilen.size(), 2 + 2 + 2 + 1 + 8);
    EXPECT_EQ(zeilen[4], Q(KonjZeile(Konjunktionen[1])));
    EXPECT_EQ(zeilen[8], "Datum/Uhrzeit  = Berechnungsdatum und -uhrzeit");
    EXPECT_EQ(memo->font().family(), "Courier");
    EXPECT_EQ(memo->font().pixelSize(), 11);
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    // Closing only hides the window.
    form->close();
    Freigaben();
    ASSERT_FALSE(form.isNull());
    EXPECT_FALSE(form->isVisible());

    Englisch = true;
    AlleObjekteModus = true;
    Zeilen(0);
    TKonjAusgabeForm englisch(nullptr);
    EXPECT_EQ(englisch.size(), QSize(900, 374));
    EXPECT_EQ(englisch.windowTitle(), "Conjunctions on 05.01.2026 at 01:00 down to magnitude 12.0");
    EXPECT_EQ(englisch.Memo1->toPlainText(),
              "All time values are given in MEZ and are valid for location B\u00FClach\n\n"
              "no conjunctions at given time period");
}

TEST_F(KonjFormen, PrintoutBreaksRowsAndPutsTheLegendOnItsOwnPage) {
    // Height 1200: rows at 600, 700 and 800, the fourth on a new page; the legend
    // needs 1200 units and so gets a page of its own without header.
    TDruckRekorder drucker(true, 6000, 1200);
    Zeilen(4);
    new TKonjDruckForm(nullptr);
    EXPECT_TRUE(drucker.Vorher(TAufruf::Querformat, TAufruf::Dialog));
    EXPECT_TRUE(drucker.Vorher(TAufruf::Dialog, TAufruf::DokumentBeginnen));
    EXPECT_EQ(drucker.Eintraege().back().Aufruf, TAufruf::DokumentBeenden);

    const auto seiten = drucker.Seiten();
    ASSERT_EQ(seiten.size(), 3u);
    ASSERT_EQ(seiten[0].size(), 4u + 3u + 1u);
    ASSERT_EQ(seiten[1].size(), 4u + 1u + 1u);
    ASSERT_EQ(seiten[2].size(), 8u + 1u);
    KopfPruefen(seiten[0], 6000);
    KopfPruefen(seiten[1], 6000);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(seiten[0][4 + i].Text, Q(KonjZeile(Konjunktionen[i + 1])));
        EXPECT_EQ(std::make_pair(seiten[0][4 + i].X, seiten[0][4 + i].Y),
                  std::make_pair(200, 600 + 100 * i));
    }
    EXPECT_EQ(seiten[1][4].Text, Q(KonjZeile(Konjunktionen[4])));
    EXPECT_EQ(seiten[1][4].Y, 600);
    for (int s = 0; s < 3; ++s) {
        const auto& fuss = seiten[s].back();
        EXPECT_EQ(fuss.Text, QString("Seite   %1").arg(s + 1));
        EXPECT_EQ(std::make_pair(fuss.X, fuss.Y), std::make_pair(3000 - 120, 1100));
    }
    // The legend page: an empty line, then "Legende:" in bold at 300.
    const std::vector<std::string> legende = KonjLegende(TAusgabeSenke::Druck);
    for (std::size_t i = 0; i < legende.size(); ++i) {
        EXPECT_EQ(seiten[2][i].Text, Q(legende[i]));
        EXPECT_EQ(std::make_pair(seiten[2][i].X, seiten[2][i].Y),
                  std::make_pair(200, 300 + 100 * static_cast<int>(i)));
        EXPECT_EQ(seiten[2][i].Fett, i == 0);
    }
    EXPECT_EQ(seiten[2][1].Text, "Datum/Uhrzeit = Berechnungsdatum und -uhrzeit");
}

TEST_F(KonjFormen, PrintoutWithRoomForTheLegendAndWithoutRows) {
    Englisch = true;
    TDruckRekorder drucker(true, 6600, 4800);
    Zeilen(2);
    new TKonjDruckForm(nullptr);
    auto seiten = drucker.Seiten();
    ASSERT_EQ(seiten.size(), 1u);
    ASSERT_EQ(seiten[0].size(), 4u + 2u + 8u + 1u);
    EXPECT_EQ(seiten[0][6].Text, "Legende:");
    EXPECT_EQ(seiten[0][6].Y, 900);
    EXPECT_EQ(seiten[0].back().Text, "Page   1");
    EXPECT_EQ(seiten[0].back().Y, 4700);

    // No conjunctions: the page header and the footer of page 1, nothing else.
    drucker.Leeren();
    Zeilen(0);
    new TKonjDruckForm(nullptr);
    seiten = drucker.Seiten();
    ASSERT_EQ(seiten.size(), 1u);
    ASSERT_EQ(seiten[0].size(), 5u);
    KopfPruefen(seiten[0], 6600);
    EXPECT_TRUE(drucker.Enthaelt(TAufruf::DokumentBeenden));
}

TEST_F(KonjFormen, AnErrorInTheMiddleOfThePrintoutDropsTheDocument) {
    TDruckRekorder drucker(true);
    Zeilen(2);
    Konjunktionen[2].ObjektNr1 = 0;  // no such object: range-check error
    EXPECT_THROW(new TKonjDruckForm(nullptr), ELaufzeitfehler);
    EXPECT_TRUE(drucker.Vorher(TAufruf::DokumentBeginnen, TAufruf::DokumentAbbrechen));
    EXPECT_FALSE(drucker.Enthaelt(TAufruf::DokumentBeenden));
}

TEST_F(KonjFormen, CancelledDialogsPrintAndWriteNothingAndReleaseTheForm) {
    Zeilen(1);
    TDruckRekorder drucker(false);
    QPointer<TKonjDruckForm> druck(new TKonjDruckForm(nullptr));
    EXPECT_TRUE(drucker.Enthaelt(TAufruf::Dialog));
    EXPECT_FALSE(drucker.Enthaelt(TAufruf::DokumentBeginnen));

    QTemporaryDir verzeichnis;
    TSpeicherdialogRekorder dialoge({std::nullopt});
    QPointer<TKonjSpeicherForm> speicher(new TKonjSpeicherForm(nullptr));
    EXPECT_EQ(dialoge.Gezeigt().size(), 1u);
    EXPECT_TRUE(QDir(verzeichnis.path()).entryList(QDir::Files).isEmpty());

    Freigaben();
    EXPECT_TRUE(druck.isNull());
    EXPECT_TRUE(speicher.isNull());
}

TEST_F(KonjFormen, TextFileHoldsTheTableWithoutTitleInWindows1252AndCrLf) {
    QTemporaryDir verzeichnis;
    const QString name = verzeichnis.filePath("konj");
    Zeilen(1);
    TSpeicherdialogRekorder dialoge({name});
    new TKonjSpeicherForm(nullptr);
    ASSERT_EQ(dialoge.Gezeigt().size(), 1u);
    EXPECT_EQ(dialoge.Gezeigt()[0].Filter, "Textdateien|*.txt");
    EXPECT_TRUE(dialoge.Gezeigt()[0].UeberschreibenFragen);

    QFile datei(name + ".txt");
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const std::string zeile = KonjZeile(Konjunktionen[1]);
    EXPECT_EQ(zeile.substr(0, 26), "Mo 05.Jan.2026 01:01 Ceres");
    EXPECT_EQ(datei.readAll().toStdString(),
              "Alle Zeiten sind in MEZ angegeben und gelten f\xFCr B\xFClach\r\n\r\n" +
                  KonjKopfzeile() + "\r\n" + KonjStrichzeile() + "\r\n" + zeile +
                  "\r\n\r\nLegende:\r\n"
                  "Datum/Uhrzeit = Berechnungsdatum und -uhrzeit\r\n"
                  "Objekt1        = Beteiligtes Objekt 1\r\n"
                  "Objekt2        = Beteiligtes Objekt 2\r\n"
                  "Rekt.1, Dekl.1 = Rektaszension, Deklination (2000.0) Objekt 1\r\n"
                  "Rekt.2, Dekl.2 = Rektaszension, Deklination (2000.0) Objekt 2\r\n"
                  "Hell1, Hell2   = Helligkeit der beiden Objekte in Mag.\r\n"
                  "Distanz        = Winkelabstand in Grad\r\n");

    Englisch = true;
    dialoge.SetzeAntworten({verzeichnis.filePath("en.txt")});
    new TKonjSpeicherForm(nullptr);
    EXPECT_EQ(dialoge.Gezeigt().back().Filter, "Textfiles|*.txt");
}

TEST_F(KonjFormen, WriteErrorIsTheRuntimeErrorAndLeavesNoHourglass) {
    QTemporaryDir verzeichnis;
    TSpeicherdialogRekorder dialoge({verzeichnis.filePath("fehlt/konj.txt")});
    try {
        new TKonjSpeicherForm(nullptr);
        FAIL() << "no error";
    } catch (const ELaufzeitfehler& fehler) {
        EXPECT_EQ(fehler.Nummer(), FehlerPfadNichtGefunden);
    }
    EXPECT_FALSE(SanduhrAktiv());
}

}  // namespace
}  // namespace zenaro
