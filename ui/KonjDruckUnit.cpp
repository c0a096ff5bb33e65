#include "ui/KonjDruckUnit.hpp"

#include <QWidget>

namespace zenaro {

TKonjDruckForm::TKonjDruckForm(QWidget* Owner) : QObject(Owner) { FormCreate(this); }

void TKonjDruckForm::FormCreate(QObject*) { deleteLater(); }

}  // namespace zenaro
