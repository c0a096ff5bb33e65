// Main window: the editor of the current object's orbital elements.
#include "ui/HauptUnit.hpp"

namespace zenaro {

bool ObjektListeGeoeffnet = false;

void THauptForm::ObjektAnzeigen(std::int32_t n) { (void)n; }

void THauptForm::ObjektUebernehmen(bool& Fehler, std::int32_t n) {
    (void)n;
    Fehler = false;
}

void THauptForm::ObjektEntfernen(std::int32_t n) { (void)n; }

void THauptForm::ObjektNeuButtonClick() {}

void THauptForm::ObjektSpeicherButtonClick() {}

void THauptForm::ObjektLoeschButtonClick() {}

void THauptForm::NameComboboxDropDown() { ObjektListeGeoeffnet = true; }

void THauptForm::NameComboboxChange() {}

}  // namespace zenaro
