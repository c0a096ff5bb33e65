#include "ui/ZenaroAusgabeUnit.hpp"

#include <QListWidget>

namespace zenaro {

TAusgabeForm::TAusgabeForm(QWidget* Owner) : QWidget(Owner, Qt::Window) {
    ListBox1 = new QListWidget(this);
    FormCreate();
}

void TAusgabeForm::FormCreate() {}

}  // namespace zenaro
