#include "ui/KonjDruckUnit.hpp"

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ShortString.hpp"
#include "engine/Zahltext.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Konjunktionstext.hpp"
#include "ui/Plattform/Drucken.hpp"
#include "ui/Texte.hpp"

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

    IDrucker& drucker = Drucker();
    drucker.SetzeQuerformat();
    if (!drucker.DruckdialogAusfuehren(owner_)) return;

    flaeche_ = &drucker.Flaeche();
    flaeche_->DokumentBeginnen();
    try {
        flaeche_->SetzeSchriftname(QStringLiteral("Courier New"));
        flaeche_->SetzeSchriftgroesse(8);
        flaeche_->SetzeFett(false);
        W_ = flaeche_->Seitenbreite();
        H_ = flaeche_->Seitenhoehe();
        seitennummer_ = 0;

        KopfDrucken();
        for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i) {
            if (y_ >= H_ - RaumFuerZeile) {
                FussDrucken();
                flaeche_->NeueSeiteBeginnen();
                KopfDrucken();
            }
            flaeche_->TextAusgeben(LinkerRand, y_, KonjZeile(Konjunktionen[i]));
            y_ += Zeilenabstand;
        }

        if (AnzahlKonjunktionen > 0) {
            // The legend stays on one page.
            if (y_ >= H_ - RaumFuerLegende) {
                FussDrucken();
                flaeche_->NeueSeiteBeginnen();
                NeueSeite();
            }
            y_ += Zeilenabstand;
            const std::vector<std::string> legende = KonjLegende(TAusgabeSenke::Druck);
            for (std::size_t i = 0; i < legende.size(); ++i) {
                if (i == 0) flaeche_->SetzeFett(true);
                flaeche_->TextAusgeben(LinkerRand, y_, legende[i]);
                if (i == 0) flaeche_->SetzeFett(false);
                y_ += Zeilenabstand;
            }
        }

        FussDrucken();
    } catch (...) {
        // A failed printout leaves no half document with the printer.
        flaeche_->DokumentAbbrechen();
        throw;
    }
    flaeche_->DokumentBeenden();
}

void TKonjDruckForm::ZentriertDrucken(const std::string& zeile, int zeichenbreite, int y) {
    const int laenge = static_cast<int>(zeile.size());
    flaeche_->TextAusgeben(W_ / 2 - (laenge / 2) * zeichenbreite, y, zeile);
}

void TKonjDruckForm::KopfDrucken() {
    flaeche_->SetzeFett(true);
    ZentriertDrucken(KonjTitelzeile(TAusgabeSenke::Druck), 30, 0);
    flaeche_->SetzeFett(false);
    ZentriertDrucken(KonjZonenzeile(), 40, 100);
    flaeche_->TextAusgeben(LinkerRand, 400, KonjKopfzeile());
    flaeche_->TextAusgeben(LinkerRand, 500, KonjStrichzeile());
    y_ = 600;
    ++seitennummer_;
}

void TKonjDruckForm::NeueSeite() {
    y_ = 200;
    ++seitennummer_;
}

void TKonjDruckForm::FussDrucken() {
    const std::string text = Utf8NachWin1252(Text(TextNr::DruckSeite).toStdString()) +
                             ZahlText(static_cast<Extended>(seitennummer_), 3, 0);
    flaeche_->TextAusgeben(W_ / 2 - 120, H_ - 100, text);
}

}  // namespace zenaro
