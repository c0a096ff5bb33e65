#include "ui/KonjSpeicherUnit.hpp"

#include <QWidget>

namespace zenaro {

TKonjSpeicherForm::TKonjSpeicherForm(QWidget* Owner) : QObject(Owner) { FormCreate(this); }

void TKonjSpeicherForm::FormCreate(QObject*) { deleteLater(); }

}  // namespace zenaro
