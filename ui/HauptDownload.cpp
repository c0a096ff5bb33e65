// Main window: download of the comet element list.
#include "ui/HauptUnit.hpp"

namespace zenaro {

void THauptForm::Button1Click() {}

}  // namespace zenaro
