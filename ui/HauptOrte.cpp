// Main window: the editor of the observing locations. The box shows AktOrt, the
// location every calculation uses; New appends a location, Save checks the
// fields and stores each one as soon as it passed, then rewrites the locations
// file, Delete removes the current location. Outside 1..AnzahlOrte (an empty
// table) the fields are empty and Save and Delete do nothing.
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <algorithm>
#include <cmath>
#include <string>

#include "engine/ShortString.hpp"
#include "engine/Zahltext.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Zeichensatz.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

bool OrtListeGeoeffnet = false;

void THauptForm::OrtListeFuellen() {
    OrtComboBox->clear();
    for (std::int32_t k = 1; k <= AnzahlOrte; ++k)
        OrtComboBox->addItem(Win1252AlsQString(Orte[k].Name.Text()));
}

void THauptForm::OrtAnzeigen(std::int32_t n) {
    OrtBox->setTitle(
        Text(TextNr::HauptOrtZaehler).arg(QString::number(n), QString::number(AnzahlOrte)));
    const bool vorhanden = n >= 1 && n <= AnzahlOrte;
    OrtSpeicherButton->setEnabled(vorhanden);
    OrtLoeschButton->setEnabled(vorhanden);
    if (!vorhanden) {
        OrtComboBox->setCurrentIndex(-1);
        OrtComboBox->setEditText("");
        LambdaEdit->clear();
        PhiEdit->clear();
        return;
    }

    const TOrt& ort = Orte[n];
    if (n - 1 < OrtComboBox->count())
        OrtComboBox->setCurrentIndex(n - 1);
    else
        OrtComboBox->setEditText(Win1252AlsQString(ort.Name.Text()));
    // A name longer than the field shows its beginning, not its end.
    OrtComboBox->lineEdit()->setCursorPosition(0);
    // Longitude positive to the west: "W", else east.
    LambdaEdit->setText(QString::fromStdString(ZahlText(std::fabs(ort.Laenge), 5, 2)));
    OWComboBox->setCurrentIndex(ort.Laenge >= 0.0L ? 1 : 0);
    PhiEdit->setText(QString::fromStdString(ZahlText(std::fabs(ort.Breite), 5, 2)));
    NSComboBox->setCurrentIndex(ort.Breite >= 0.0L ? 0 : 1);
}

void THauptForm::OrtUebernehmen(bool& Fehler, std::int32_t n) {
    Fehler = false;
    auto fehler = [&Fehler](TextNr meldung) {
        FehlerMeldung(Text(meldung));
        Fehler = true;
    };
    if (n < 1 || n > AnzahlOrte) {
        Fehler = true;
        return;
    }
    TOrt& ort = Orte[n];

    // Each part is stored as soon as it passed.
    const std::string name = QStringAlsWin1252(OrtComboBox->currentText());
    if (name.empty()) return fehler(TextNr::HauptOrtNameFehlt);
    ort.Name = name;

    Extended wert = 0.0L;
    if (PhiEdit->text().isEmpty()) return fehler(TextNr::HauptBreiteFehlt);
    if (!EinfachLesen(PhiEdit->text(), wert)) return fehler(TextNr::HauptBreiteFalsch);
    ort.Breite = NSComboBox->currentText() == Text(TextNr::HauptSued) ? -wert : wert;

    if (LambdaEdit->text().isEmpty()) return fehler(TextNr::HauptLaengeFehlt);
    if (!EinfachLesen(LambdaEdit->text(), wert)) return fehler(TextNr::HauptLaengeFalsch);
    ort.Laenge = OWComboBox->currentText() == Text(TextNr::HauptOst) ? -wert : wert;
}

void THauptForm::OrtEntfernen(std::int32_t n) {
    if (n < 1 || n > AnzahlOrte) return;
    for (std::int32_t k = n; k < AnzahlOrte; ++k) Orte[k] = Orte[k + 1];
    Orte[AnzahlOrte] = TOrt{};
    --AnzahlOrte;
    OrtListeFuellen();
}

void THauptForm::OrtNeuButtonClick() {
    // The table holds MaxOrte locations; a new one beyond them is refused.
    if (AnzahlOrte >= MaxOrte) {
        FehlerMeldung(Text(TextNr::HauptOrteVoll).arg(MaxOrte));
        return;
    }
    ++AnzahlOrte;
    AktOrt = AnzahlOrte;
    TOrt neu;
    neu.Name = QStringAlsWin1252(Text(TextNr::HauptNeuerOrt));
    neu.Laenge = -10.0L;
    neu.Breite = 53.6L;
    Orte[AktOrt] = neu;
    OrtComboBox->addItem(Text(TextNr::HauptNeuerOrt));
    OrtAnzeigen(AktOrt);
}

void THauptForm::OrtSpeicherButtonClick() {
    if (AktOrt < 1 || AktOrt > AnzahlOrte) return;
    bool fehler = false;
    OrtUebernehmen(fehler, AktOrt);
    // The list and the fields follow the table also after a write error.
    const auto zeigen = qScopeGuard([this] {
        OrtListeFuellen();
        OrtAnzeigen(AktOrt);
    });
    if (!fehler) OrteSpeichern();
}

void THauptForm::OrtLoeschButtonClick() {
    if (AktOrt < 1 || AktOrt > AnzahlOrte) return;
    if (!JaNeinFrage(Text(TextNr::HauptOrtLoeschenFrage))) return;
    OrtEntfernen(AktOrt);
    // After the last location by position the new last one is shown; after the
    // only one, none.
    AktOrt = std::min(AktOrt, AnzahlOrte);
    OrtAnzeigen(AktOrt);
}

void THauptForm::OrtComboBoxDropDown() { OrtListeGeoeffnet = true; }

void THauptForm::OrtComboBoxChange() {
    if (OrtListeGeoeffnet) {
        const int gewaehlt = OrtComboBox->currentIndex();
        if (gewaehlt >= 0) AktOrt = gewaehlt + 1;
        OrtAnzeigen(AktOrt);
    }
    OrtListeGeoeffnet = false;
}

}  // namespace zenaro
