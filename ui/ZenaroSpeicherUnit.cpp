#include "ui/ZenaroSpeicherUnit.hpp"

#include <QWidget>

namespace zenaro {

TSpeicherForm::TSpeicherForm(QWidget* Owner) : QObject(Owner), owner_(Owner) {
    setObjectName(QStringLiteral("SpeicherForm"));
    deleteLater();
}

}  // namespace zenaro
