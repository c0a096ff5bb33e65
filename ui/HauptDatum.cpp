// Main window: the buttons of the date and time picker, the receiver of the
// window message WM_DATUM, the today button and the zone list.
#include "ui/HauptUnit.hpp"

namespace zenaro {

void THauptForm::StartdatumChangeButtonClick() {}

void THauptForm::StartzeitChangeButtonClick() {}

void THauptForm::StopdatumChangeButtonClick() {}

void THauptForm::StopzeitChangeButtonClick() {}

std::int32_t THauptForm::DatumNachricht(std::int32_t code, std::int32_t wert) {
    (void)code;
    (void)wert;
    return 1;
}

void THauptForm::TagesDatumButtonClick() {}

void THauptForm::ZoneComboBoxChange() {}

}  // namespace zenaro
