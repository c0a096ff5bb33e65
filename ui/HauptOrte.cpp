// Main window: the editor of the observing locations.
#include "ui/HauptUnit.hpp"

namespace zenaro {

bool OrtListeGeoeffnet = false;

void THauptForm::OrtAnzeigen(std::int32_t n) { (void)n; }

void THauptForm::OrtUebernehmen(bool& Fehler, std::int32_t n) {
    (void)n;
    Fehler = false;
}

void THauptForm::OrtEntfernen(std::int32_t n) { (void)n; }

void THauptForm::OrtNeuButtonClick() {}

void THauptForm::OrtSpeicherButtonClick() {}

void THauptForm::OrtLoeschButtonClick() {}

void THauptForm::OrtComboBoxDropDown() { OrtListeGeoeffnet = true; }

void THauptForm::OrtComboBoxChange() {}

}  // namespace zenaro
