#include "ui/ZenaroDruckUnit.hpp"

#include <QWidget>

#include "ui/Plattform/Drucken.hpp"

namespace zenaro {

TDruckForm::TDruckForm(QWidget* Owner) : QObject(Owner), owner_(Owner) {
    setObjectName(QStringLiteral("DruckForm"));
    deleteLater();
}

}  // namespace zenaro
