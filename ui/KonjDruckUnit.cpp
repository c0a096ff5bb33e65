#include "ui/KonjDruckUnit.hpp"

#include <QWidget>
#include <cstdint>
#include <string>

#include "engine/ZenaroDef.hpp"
#include "ui/Konjunktionstext.hpp"
#include "ui/Plattform/Drucken.hpp"
#include "ui/Tabellenformat.hpp"

namespace zenaro {

namespace {

constexpr int LinkerRand = 200;
constexpr int Zeilenabstand = 100;
// Below this distance from the page bottom no further row starts on the page.
constexpr int RaumFuerZeile = 300;
// The legend (an empty line, its title and seven lines) needs this much room.
constexpr int RaumFuerLegende = 1200;

}  // namespace

TKonjDruckForm::TKonjDruckForm(QWidget* Owner) : QObject(Owner), owner_(Owner) {
    setObjectName(QStringLiteral("KonjDruckForm"));
    FormCreate(this);
}

void TKonjDruckForm::FormCreate(QObject* /*Sender*/) {
    // The form goes when control returns to the event loop, whether it printed or
    // the dialog was cancelled.
    deleteLater();

    DokumentDrucken(owner_, [this](IDruckflaeche& f) {
        flaeche_ = &f;
        f.SetzeSchriftname(QStringLiteral("Courier New"));
        f.SetzeSchriftgroesse(8);
        f.SetzeFett(false);
        W_ = f.Seitenbreite();
        H_ = f.Seitenhoehe();
        seitennummer_ = 0;

        KopfDrucken();
        for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i) {
            if (y_ >= H_ - RaumFuerZeile) {
                SeiteAbschliessen(f, W_, H_, seitennummer_);
                KopfDrucken();
            }
            f.TextAusgeben(LinkerRand, y_, KonjZeile(Konjunktionen[i]));
            y_ += Zeilenabstand;
        }

        if (AnzahlKonjunktionen > 0) {
            // The legend stays on one page.
            if (y_ >= H_ - RaumFuerLegende) {
                SeiteAbschliessen(f, W_, H_, seitennummer_);
                NeueSeite();
            }
            y_ = LegendeDrucken(f, LinkerRand, y_ + Zeilenabstand,
                                KonjLegende(TAusgabeSenke::Druck), Zeilenabstand);
        }

        SeitenfussDrucken(f, W_, H_, seitennummer_);
    });
}

void TKonjDruckForm::KopfDrucken() {
    flaeche_->SetzeFett(true);
    ZentriertDrucken(*flaeche_, W_, 0, KonjTitelzeile(TAusgabeSenke::Druck), 30);
    flaeche_->SetzeFett(false);
    ZentriertDrucken(*flaeche_, W_, 100, Zonenzeile(), 40);
    flaeche_->TextAusgeben(LinkerRand, 400, KonjKopfzeile());
    flaeche_->TextAusgeben(LinkerRand, 500, KonjStrichzeile());
    y_ = 600;
    ++seitennummer_;
}

void TKonjDruckForm::NeueSeite() {
    y_ = 200;
    ++seitennummer_;
}

}  // namespace zenaro
