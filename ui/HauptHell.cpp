// Main window: the button that opens the brightness-parameter editor.
#include "ui/HauptUnit.hpp"

namespace zenaro {

void THauptForm::HellButtonClick() {}

}  // namespace zenaro
