#include "ui/HellUnit.hpp"

#include <QPalette>

#include "engine/ZenaroDef.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

THellForm* HellForm = nullptr;

THellForm::THellForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HellForm");
    // The caption is replaced by the object's name when the editor is opened.
    setWindowTitle(Text(TextNr::HellFormTitel));
    if (Englisch)
        resize(391, 328);
    else
        resize(399, 337);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(255, 0, 0));
    setPalette(farben);
    QFont schrift("MS Sans Serif");
    schrift.setPixelSize(11);
    setFont(schrift);
    hide();
}

}  // namespace zenaro
