#include "ui/KonjAusgabeUnit.hpp"

#include <QPlainTextEdit>

namespace zenaro {

TKonjAusgabeForm::TKonjAusgabeForm(QWidget* Owner) : QWidget(Owner, Qt::Window) {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    FormCreate(this);
}

void TKonjAusgabeForm::FormCreate(QObject*) {}

}  // namespace zenaro
