#include "ui/HauptUnit.hpp"

#include <QPalette>

#include "engine/ZenaroDef.hpp"
#include "ui/Plattform/Fenster.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

THauptForm* HauptForm = nullptr;

THauptForm::THauptForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HauptForm");
    setWindowTitle(Text(TextNr::HauptFormTitel));
    // Fixed border: the client area keeps its size.
    setFixedSize(602, Englisch ? 495 : 493);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(0, 0, 0));
    setPalette(farben);
    setFont(QFont("MS Sans Serif"));

    AufBildschirmZentrieren(*this);

    FormCreate();
}

void THauptForm::FormCreate() {
    ElementeGeaendert = false;
    FehlendeKatalogeMelden();
    // Further steps of the creation (location list, settings into the edits, zone
    // list, check boxes, object list, caption of the object group) follow here.
}

void THauptForm::FehlendeKatalogeMelden() {
    // A catalogue counts as missing when its table is empty; each box only
    // informs, and the creation carries on.
    if (AnzahlNGC == 0) FehlerMeldung(Text(TextNr::NGCFehlt));
    if (AnzahlIC == 0) FehlerMeldung(Text(TextNr::ICFehlt));
    if (AnzahlSterne == 0) FehlerMeldung(Text(TextNr::BSC4Fehlt));
}

}  // namespace zenaro
