// The QPrinter printer, writing a PDF file: landscape pages at 600 dots per inch,
// the documented fonts drawn in their metric-compatible families, several pages.
#include "ui/Plattform/Drucken.hpp"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "Anwendungsumgebung.hpp"

namespace zenaro {
namespace {

TEST(Drucken, QtPrinterWritesLandscapePagesAt600DotsPerInch) {
    test::Anwendung();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("druck.pdf"));
    {
        TQtDrucker drucker(pdf);
        drucker.SetzeQuerformat();
        ASSERT_TRUE(drucker.DruckdialogAusfuehren(nullptr));
        IDruckflaeche& f = drucker.Flaeche();
        f.DokumentBeginnen();
        // A4 or Letter across, less the margins: about 11 by 8 inches.
        const int w = f.Seitenbreite();
        const int h = f.Seitenhoehe();
        EXPECT_GT(w, h);
        EXPECT_GT(w, 6000);
        EXPECT_LT(w, 7100);
        EXPECT_GT(h, 4300);
        EXPECT_LT(h, 5200);

        // "Courier New" 7 points is fixed pitch, 0.6 of the size per character:
        // 7/72 inch x 600 x 0.6 = 35 units.
        f.SetzeSchriftname(QStringLiteral("Courier New"));
        f.SetzeSchriftgroesse(7);
        EXPECT_NEAR(f.Textbreite(QStringLiteral("iiiiiiiiii")), 350, 10);
        EXPECT_EQ(f.Textbreite(QStringLiteral("iiiiiiiiii")),
                  f.Textbreite(QStringLiteral("MMMMMMMMMM")));
        f.SetzeSchriftname(QStringLiteral("Arial"));
        f.SetzeSchriftgroesse(12);
        f.SetzeFett(true);
        EXPECT_LT(f.Textbreite(QStringLiteral("iiii")), f.Textbreite(QStringLiteral("MMMM")));

        f.TextAusgeben(200, 0, QStringLiteral("Ephemeride für Test"));
        f.NeueSeiteBeginnen();
        f.SetzeSchriftname(QStringLiteral("Courier New"));
        f.SetzeFett(false);
        f.TextAusgeben(200, 200, std::string_view("Dek. +12\xB0 30.0"));
        f.DokumentBeenden();
    }
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    EXPECT_EQ(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r"), 2);
    EXPECT_TRUE(inhalt.contains("LiberationMono"));
    EXPECT_TRUE(inhalt.contains("LiberationSans-Bold"));
}

TEST(Drucken, APrinterThatCannotBeginRaisesThePrintingError) {
    test::Anwendung();
    TQtDrucker drucker(QStringLiteral("/nonexistent-directory/druck.pdf"));
    drucker.SetzeQuerformat();
    EXPECT_THROW(drucker.DokumentBeginnen(), EDruckfehler);
    drucker.DokumentBeenden();  // nothing begun: nothing happens
}

TEST(Drucken, DocumentedFontNamesMapToMetricCompatibleFamilies) {
    EXPECT_EQ(DruckSchriftfamilie(QStringLiteral("Courier New")),
              QStringLiteral("Liberation Mono"));
    EXPECT_EQ(DruckSchriftfamilie(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(DruckSchriftfamilie(QStringLiteral("Courier")), QStringLiteral("Courier"));
}

}  // namespace
}  // namespace zenaro
