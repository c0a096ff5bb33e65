// The ephemeris table window: the form as created in both editions, its lines and
// their colours, and the drawing of the items with the growing horizontal extent.
#include "ui/ZenaroAusgabeUnit.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>
#include <memory>
#include <set>

#include "Ausgabeumgebung.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Ephemeridentext.hpp"

namespace zenaro {
namespace {

class AusgabeForm : public test::EphemeridenUmgebung {
protected:
    void SetUp() override {
        EphemeridenUmgebung::SetUp();
        NurSichtbare = false;
    }

    static void Zeilen(std::initializer_list<Extended> hoehen) {
        AnzahlZeilen = 0;
        for (Extended h : hoehen) {
            TEphemeridenZeile z = Startzeile();
            z.MondKlasse = "++";
            z.TOptMond = "++";
            z.Sternbild = "Ori";
            z.TOptHoehe = h;
            z.TOpt = h == -90.0L ? -1.0L : 22.3L;
            z.Distanz = 999.0L;
            Ephemeride[++AnzahlZeilen] = z;
        }
    }

    // Draws the visible items and lets the list lay itself out afterwards.
    static void Zeichnen(TListBox& liste) {
        liste.viewport()->grab();
        QCoreApplication::processEvents();
    }

    static QColor Farbe(const TAusgabeForm& f, int i) {
        return f.ListBox1->item(i)->data(Qt::ForegroundRole).value<QColor>();
    }
};

TEST_F(AusgabeForm, FormAsCreatedInBothEditions) {
    auto f = std::make_unique<TAusgabeForm>(nullptr);
    EXPECT_EQ(f->objectName(), "AusgabeForm");
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->size(), QSize(962, 435));
    EXPECT_EQ(f->windowTitle(), "C/2026 A1 (Test)");
    TListBox* liste = f->findChild<TListBox*>("ListBox1");
    ASSERT_EQ(liste, f->ListBox1);
    EXPECT_EQ(liste->geometry(), f->rect());
    EXPECT_EQ(liste->font().pixelSize(), 11);
    EXPECT_EQ(liste->palette().color(QPalette::Base), QColor(0, 0, 128));
    EXPECT_EQ(liste->sizeHintForRow(0), 16);
    EXPECT_EQ(f->MaxBreite, 0);

    // Closing hides the window; it stays with its owner.
    f->close();
    EXPECT_FALSE(f->isVisible());

    Englisch = true;
    AlleObjekteModus = true;
    f = std::make_unique<TAusgabeForm>(nullptr);
    EXPECT_EQ(f->size(), QSize(914, 447));
    EXPECT_EQ(f->windowTitle(), "Ephemeris on 09.12.2026 at 22:00 down to magnitude 12.0");
}

TEST_F(AusgabeForm, EveryTableLineWithItsColour) {
    Zeilen({10.0L, 10.01L, -0.01L, -90.0L, 0.0L, 45.0L});
    TAusgabeForm f(nullptr);
    const std::vector<TTextZeile> zeilen = Ephemeridentext(TAusgabeSenke::Fenster);
    ASSERT_EQ(f.ListBox1->count(), static_cast<int>(zeilen.size()));
    const QColor gelb(255, 255, 0), gruen(0, 255, 0), rot(255, 0, 0), weiss(255, 255, 255);
    std::vector<QColor> zeilenFarben;
    for (int i = 0; i < f.ListBox1->count(); ++i) {
        const TTextZeile& z = zeilen[static_cast<std::size_t>(i)];
        EXPECT_EQ(f.ListBox1->item(i)->text().toStdString(), Win1252NachUtf8(z.Text));
        if (z.Art == TZeilenArt::Zeile)
            zeilenFarben.push_back(Farbe(f, i));
        else
            EXPECT_EQ(Farbe(f, i), weiss) << i;
    }
    EXPECT_EQ(zeilenFarben, (std::vector<QColor>{gelb, gruen, rot, rot, gelb, gruen}));
    // The degree sign reaches the window as itself.
    EXPECT_TRUE(f.ListBox1->item(11)->text().contains(QString::fromUtf8("\u00B0")));
    // Five rows, then the group's empty line, in white.
    EXPECT_EQ(f.ListBox1->item(16)->text(), "");
    EXPECT_EQ(Farbe(f, 16), weiss);

    // Without rows: title block, header and dash line, all white, no legend.
    AnzahlZeilen = 0;
    TAusgabeForm leer(nullptr);
    ASSERT_EQ(leer.ListBox1->count(), 11);
    EXPECT_TRUE(leer.ListBox1->item(10)->text().startsWith("-------------------- "));
    for (int i = 0; i < 11; ++i) EXPECT_EQ(Farbe(leer, i), weiss);
}

TEST_F(AusgabeForm, DrawingWidensTheExtentOnlyForLinesDrawn) {
    Zeilen({20.0L, 20.0L, 20.0L});
    TAusgabeForm f(nullptr);
    TListBox& liste = *f.ListBox1;
    // A low window shows only the short lines of the title block at first.
    f.resize(400, 100);
    EXPECT_EQ(liste.horizontalScrollBar()->maximum(), 0);
    const QFontMetrics fm(liste.font());
    auto breite = [&](int i) { return fm.horizontalAdvance(liste.item(i)->text()) + 10; };
    auto breitesteSichtbare = [&] {
        int w = 0;
        for (int i = 0; i < liste.count(); ++i)
            if (liste.visualItemRect(liste.item(i)).intersects(liste.viewport()->rect()))
                w = std::max(w, breite(i));
        return w;
    };
    Zeichnen(liste);
    const int titel = breitesteSichtbare();
    EXPECT_LT(titel, breite(11));  // the rows are wider and not drawn yet
    EXPECT_EQ(f.MaxBreite, titel);
    EXPECT_EQ(liste.HorizontalerUmfang(), titel);
    const int sichtbar = liste.viewport()->width();
    EXPECT_EQ(liste.horizontalScrollBar()->maximum(), titel - sichtbar);

    // The rows drawn widen the extent; back at the top it stays.
    liste.scrollToItem(liste.item(11));
    Zeichnen(liste);
    EXPECT_EQ(f.MaxBreite, breite(11));
    liste.scrollToTop();
    Zeichnen(liste);
    EXPECT_EQ(f.MaxBreite, breite(11));
    EXPECT_EQ(liste.horizontalScrollBar()->maximum(), breite(11) - sichtbar);
    // Scrolled to the right end, the items move left by the scrolled width.
    liste.horizontalScrollBar()->setValue(liste.horizontalScrollBar()->maximum());
    EXPECT_EQ(liste.visualItemRect(liste.item(0)).left(), -(breite(11) - sichtbar));
}

TEST_F(AusgabeForm, SelectedLineKeepsItsTextColour) {
    Zeilen({45.0L});
    TAusgabeForm f(nullptr);
    TListBox& liste = *f.ListBox1;
    liste.setCurrentRow(11);
    const QRect r = liste.visualItemRect(liste.item(11));
    const QImage bild = liste.viewport()->grab().toImage();
    std::set<QRgb> farben;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x < std::min(r.right(), 600); ++x) farben.insert(bild.pixel(x, y));
    EXPECT_TRUE(farben.count(QColor(0, 255, 0).rgb()));
    EXPECT_TRUE(farben.count(liste.palette().color(QPalette::Highlight).rgb()));
    EXPECT_FALSE(farben.count(QColor(0, 0, 128).rgb()));
    // An ordinary line on navy.
    const QRect k = liste.visualItemRect(liste.item(1));
    EXPECT_EQ(QColor(bild.pixel(600, k.top() + 1)), QColor(0, 0, 128));
}

}  // namespace
}  // namespace zenaro
