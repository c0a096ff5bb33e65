// Main window: the button that opens the brightness-parameter editor.
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/HellUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

void THauptForm::HellButtonClick() {
    if (HellForm == nullptr) return;
    // The sets belong to an object by its name: without a current object (an empty
    // object table) there is nothing to edit, and the editor is not opened.
    if (AktObjekt < 1 || AktObjekt > AnzahlObjekte) {
        FehlerMeldung(Text(TextNr::HellKeinObjekt));
        return;
    }
    // Filled again on every click, also while it is already shown.
    HellForm->ObjektOeffnen(Objekte[AktObjekt].Name);
    HellForm->show();
    HellForm->raise();
    HellForm->activateWindow();
}

}  // namespace zenaro
