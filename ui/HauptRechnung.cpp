// Main window: the three calculation buttons, one road with three outputs.
#include "ui/HauptUnit.hpp"

namespace zenaro {

void THauptForm::BerechnungsButtonClick() {}

void THauptForm::DruckButtonClick() {}

void THauptForm::SpeicherButtonClick() {}

}  // namespace zenaro
