#include "ui/ZenaroDruckUnit.hpp"

#include <QWidget>
#include <vector>

#include "engine/ZenaroDef.hpp"
#include "ui/Ephemeridentext.hpp"
#include "ui/Plattform/Drucken.hpp"

namespace zenaro {

namespace {

const QString Tabellenschrift = QStringLiteral("Courier New");  // fixed pitch
const QString Titelschrift = QStringLiteral("Arial");

constexpr int Rand = 200;  // left edge of the table lines
constexpr int Zeilenabstand = 100;

}  // namespace

TDruckForm::TDruckForm(QWidget* Owner) : QObject(Owner), owner_(Owner) {
    setObjectName(QStringLiteral("DruckForm"));
    FormCreate();
}

void TDruckForm::FormCreate() {
    // The form goes when control returns to the event loop, whether it printed,
    // the dialog was cancelled or the printing system failed.
    deleteLater();
    DokumentDrucken(owner_, [this](IDruckflaeche& f) {
        ZeilenHolen();
        flaeche_ = &f;
        f.SetzeSchriftname(Tabellenschrift);
        f.SetzeSchriftgroesse(7);
        W_ = f.Seitenbreite();
        H_ = f.Seitenhoehe();
        seitennummer_ = 0;
        KopfDrucken();

        for (const std::string& zeile : zeilen_) {
            if (y_ >= H_ - 300) {
                SeiteAbschliessen(f, W_, H_, seitennummer_);
                KopfDrucken();
            }
            f.SetzeSchriftgroesse(7);
            f.TextAusgeben(Rand, y_, zeile);
            y_ += Zeilenabstand;
            if (!AlleObjekteModus && ++gruppe_ > 5) {
                gruppe_ = 1;
                y_ += Zeilenabstand;
            }
        }

        if (AnzahlZeilen > 0) {
            // The legend stays on one page.
            if (y_ >= H_ - 1800) {
                SeiteAbschliessen(f, W_, H_, seitennummer_);
                NeueSeite();
            }
            y_ = LegendeDrucken(f, Rand, y_ + Zeilenabstand, legende_, Zeilenabstand);
        }

        SeitenfussDrucken(f, W_, H_, seitennummer_);
    });
}

void TDruckForm::ZeilenHolen() {
    for (auto& zeile : Ephemeridentext(TAusgabeSenke::Druck)) {
        switch (zeile.Art) {
            case TZeilenArt::Titel:
                titel_ = std::move(zeile.Text);
                break;
            case TZeilenArt::Element:
            case TZeilenArt::HellLeer:
            case TZeilenArt::HellKopf:
            case TZeilenArt::HellSatz:
            case TZeilenArt::Zone:
            case TZeilenArt::Daemmerung:
            case TZeilenArt::Kopf:
            case TZeilenArt::Strich:
                kopf_.push_back(std::move(zeile));
                break;
            case TZeilenArt::Zeile:
                zeilen_.push_back(std::move(zeile.Text));
                break;
            case TZeilenArt::LegendenTitel:
            case TZeilenArt::Legende:
                legende_.push_back(std::move(zeile.Text));
                break;
            // The printout sets the title apart by its own positions, leaves the
            // group lines by its own counter and starts the legend itself.
            case TZeilenArt::Leer:
            case TZeilenArt::Gruppe:
            case TZeilenArt::LegendenLeer:
                break;
        }
    }
}

void TDruckForm::KopfDrucken() {
    IDruckflaeche& f = *flaeche_;
    f.SetzeSchriftname(Titelschrift);
    f.SetzeSchriftgroesse(12);
    f.SetzeFett(true);
    ZentriertDrucken(f, W_, 0, titel_, 45);
    f.SetzeSchriftname(Tabellenschrift);
    f.SetzeFett(false);
    f.SetzeSchriftgroesse(8);

    if (AlleObjekteModus) {
        for (const TTextZeile& zeile : kopf_) {
            switch (zeile.Art) {
                case TZeilenArt::Zone:
                    y_ = 300;
                    ZentriertDrucken(f, W_, y_, zeile.Text, 40);
                    break;
                case TZeilenArt::Daemmerung:
                    y_ = 450;
                    ZentriertDrucken(f, W_, y_, zeile.Text, 40);
                    break;
                case TZeilenArt::Kopf:
                    f.SetzeSchriftgroesse(7);
                    f.TextAusgeben(Rand, 600, zeile.Text);
                    break;
                case TZeilenArt::Strich:
                    f.TextAusgeben(Rand, 700, zeile.Text);
                    break;
                default:
                    break;
            }
        }
        y_ = 800;
    } else {
        y_ = 300;
        for (const TTextZeile& zeile : kopf_) {
            switch (zeile.Art) {
                case TZeilenArt::Element:
                case TZeilenArt::HellKopf:
                case TZeilenArt::HellSatz:
                    ZentriertDrucken(f, W_, y_, zeile.Text, 40);
                    y_ += Zeilenabstand;
                    break;
                case TZeilenArt::HellLeer:
                    y_ += Zeilenabstand;
                    break;
                case TZeilenArt::Zone:
                case TZeilenArt::Daemmerung:
                    ZentriertDrucken(f, W_, y_, zeile.Text, 40);
                    y_ += 150;
                    break;
                case TZeilenArt::Kopf:
                    f.SetzeSchriftgroesse(7);
                    [[fallthrough]];
                case TZeilenArt::Strich:
                    f.TextAusgeben(Rand, y_, zeile.Text);
                    y_ += Zeilenabstand;
                    break;
                default:
                    break;
            }
        }
    }
    gruppe_ = 1;
    ++seitennummer_;
}

void TDruckForm::NeueSeite() {
    y_ = 200;
    gruppe_ = 1;
    ++seitennummer_;
}

}  // namespace zenaro
