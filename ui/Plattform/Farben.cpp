#include "ui/Plattform/Farben.hpp"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zenaro {

namespace {

double Leuchtdichte(const QColor& farbe) {
    auto linear = [](double k) {
        return k <= 0.04045 ? k / 12.92 : std::pow((k + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(farbe.redF()) + 0.7152 * linear(farbe.greenF()) +
           0.0722 * linear(farbe.blueF());
}

QColor Mischung(const QColor& a, const QColor& b, int anteilB, int stufen) {
    auto kanal = [&](int x, int y) { return x + (y - x) * anteilB / stufen; };
    return QColor(kanal(a.red(), b.red()), kanal(a.green(), b.green()), kanal(a.blue(), b.blue()));
}

// The contrast ratio of two colours, (L1 + 0.05) / (L2 + 0.05) of their relative
// luminances with the lighter first: 1 for equal colours, 21 for black on white.
double Kontrast(const QColor& a, const QColor& b) {
    const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor GesperrteSchrift(const QColor& schrift, const QColor& grund) {
    const double ziel = std::max(3.0, std::min(4.5, 0.6 * Kontrast(schrift, grund)));
    // The furthest step toward the background that still reaches the aim.
    constexpr int Stufen = 256;
    QColor ergebnis = schrift;
    for (int anteil = 1; anteil < Stufen; ++anteil) {
        const QColor naechste = Mischung(schrift, grund, anteil, Stufen);
        if (Kontrast(naechste, grund) < ziel) break;
        ergebnis = naechste;
    }
    return ergebnis;
}

}  // namespace

QPalette LesbarePalette(QPalette farben) {
    for (int rolle = 0; rolle < QPalette::NColorRoles; ++rolle) {
        const auto r = static_cast<QPalette::ColorRole>(rolle);
        farben.setBrush(QPalette::Inactive, r, farben.brush(QPalette::Active, r));
    }
    const struct {
        QPalette::ColorRole schrift, grund;
    } paare[] = {{QPalette::WindowText, QPalette::Window},
                 {QPalette::Text, QPalette::Base},
                 {QPalette::ButtonText, QPalette::Button}};
    for (const auto& paar : paare)
        farben.setColor(QPalette::Disabled, paar.schrift,
                        GesperrteSchrift(farben.color(QPalette::Active, paar.schrift),
                                         farben.color(QPalette::Disabled, paar.grund)));
    return farben;
}

void Einfaerben(QWidget& flaeche, const QColor& farbe) {
    flaeche.setAutoFillBackground(true);
    QPalette farben = flaeche.palette();
    farben.setColor(flaeche.backgroundRole(), farbe);
    farben.setColor(QPalette::Disabled, QPalette::WindowText,
                    GesperrteSchrift(farben.color(QPalette::Active, QPalette::WindowText), farbe));
    flaeche.setPalette(farben);
}

}  // namespace zenaro
