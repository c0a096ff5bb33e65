// The progress window: its form as created, and being driven by the engine
// through the progress interface.
#include "ui/GaugeUnit.hpp"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProgressBar>
#include <QScreen>

#include "Anwendungsumgebung.hpp"
#include "engine/Fortschritt.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {
namespace {

class Gauge : public ::testing::Test {
protected:
    void SetUp() override { test::Anwendung(); }
    void TearDown() override {
        SetzeFortschrittsanzeige(nullptr);
        Englisch = false;
    }
};

TEST_F(Gauge, FormWieErzeugt) {
    TGaugeForm form;
    EXPECT_EQ(form.objectName(), "GaugeForm");
    EXPECT_EQ(form.windowTitle(), "Berechnung der Ephemeride...");
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(form.size(), QSize(258, 28));
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(0, 0, 128));
    EXPECT_EQ(form.palette().color(QPalette::WindowText), QColor(0, 255, 255));
    EXPECT_EQ(form.font().family(), "MS Sans Serif");

    QProgressBar* balken = form.findChild<QProgressBar*>("Fortschritt");
    ASSERT_NE(balken, nullptr);
    EXPECT_EQ(balken, form.Fortschritt);
    EXPECT_EQ(balken->geometry(), QRect(0, 8, 257, 9));
    EXPECT_EQ(balken->minimum(), 0);
    EXPECT_EQ(balken->maximum(), 100);
    EXPECT_EQ(form.Minimum(), 0);
    EXPECT_EQ(form.Maximum(), 100);
    EXPECT_EQ(form.Schrittweite(), 1);
    EXPECT_EQ(form.Position(), 0);

    Englisch = true;
    TGaugeForm englisch;
    EXPECT_EQ(englisch.windowTitle(), "calculating ephemeris...");
}

TEST_F(Gauge, ZentriertAufDemBildschirm) {
    TGaugeForm form;
    form.Zeigen();
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    ASSERT_NE(bildschirm, nullptr);
    const QPoint abstand = form.frameGeometry().center() - bildschirm->availableGeometry().center();
    // Window frames of the platform may shift it by a few pixels.
    EXPECT_LE(abstand.manhattanLength(), 8);
}

// The engine's use: range, colour, position, show; one step per time step with
// pending messages processed; hide at the end.
TEST_F(Gauge, VonDerBerechnungGesteuert) {
    TGaugeForm form;
    SetzeFortschrittsanzeige(&form);
    IFortschrittsanzeige& anzeige = Fortschrittsanzeige();
    anzeige.SetzeBereich(0, 24, 1);
    anzeige.SetzeFarbe(0xFFFF00);
    anzeige.SetzePosition(0);
    anzeige.Zeigen();
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Fortschritt->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_EQ(form.Farbe(), 0xFFFF00u);
    for (int i = 1; i <= 24; ++i) {
        anzeige.Schritt();
        NachrichtenVerarbeiten();
        ASSERT_EQ(form.Position(), i);
        ASSERT_EQ(form.Fortschritt->value(), i);
        ASSERT_TRUE(form.isVisible());
    }
    EXPECT_EQ(form.Fortschritt->maximum(), 24);
    anzeige.Verbergen();
    EXPECT_FALSE(form.isVisible());

    // The next calculation sets its own range again.
    anzeige.SetzeBereich(0, 3, 1);
    anzeige.SetzePosition(0);
    EXPECT_EQ(form.Fortschritt->value(), 0);
    EXPECT_EQ(form.Fortschritt->maximum(), 3);
}

TEST_F(Gauge, EinZeitpunktGibtMaximumNull) {
    TGaugeForm form;
    form.SetzeBereich(0, 0, 1);
    form.SetzePosition(0);
    form.Zeigen();
    form.Schritt();
    EXPECT_EQ(form.Maximum(), 0);
    EXPECT_EQ(form.Position(), 0);
    // Not the busy indicator of an empty Qt range: an empty bar.
    EXPECT_GT(form.Fortschritt->maximum(), form.Fortschritt->minimum());
    EXPECT_EQ(form.Fortschritt->value(), 0);
    form.Verbergen();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Gauge, PositionBleibtImBereich) {
    TGaugeForm form;
    form.SetzeBereich(0, 4, 3);
    form.SetzePosition(99);
    EXPECT_EQ(form.Position(), 4);
    form.SetzePosition(-5);
    EXPECT_EQ(form.Position(), 0);
    form.Schritt();
    form.Schritt();  // 6 is past 4: the bar starts over
    EXPECT_GE(form.Position(), 0);
    EXPECT_LE(form.Position(), 4);
    // Absurd ranges do not overflow.
    form.SetzeBereich(-2147483647 - 1, 2147483647, 2147483647);
    form.SetzePosition(2147483647);
    form.Schritt();
    EXPECT_GE(form.Position(), form.Minimum());
    form.SetzeBereich(5, 1, 1);  // maximum below minimum: an empty bar
    form.Schritt();
    EXPECT_EQ(form.Position(), 5);
}

}  // namespace
}  // namespace zenaro
