#include "ui/KonjSpeicherUnit.hpp"

#include <QWidget>

#include "ui/Konjunktionstext.hpp"
#include "ui/Plattform/Sanduhr.hpp"
#include "ui/Plattform/Textdatei.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

TKonjSpeicherForm::TKonjSpeicherForm(QWidget* Owner) : QObject(Owner), owner_(Owner) {
    setObjectName(QStringLiteral("KonjSpeicherForm"));
    SaveDialog1.Standarderweiterung = QStringLiteral("*.txt");
    SaveDialog1.Filter = Text(TextNr::KonjFilter);
    SaveDialog1.UeberschreibenFragen = true;
    FormCreate(this);
}

void TKonjSpeicherForm::FormCreate(QObject* /*Sender*/) {
    // The form goes when control returns to the event loop, whether it wrote the
    // file or the dialog was cancelled.
    deleteLater();
    if (!SaveDialog1.Ausfuehren(owner_)) return;

    // The hourglass goes again also when writing fails. The file is written as a
    // whole or not at all: a failed write keeps the file it was to replace.
    TSanduhr sanduhr;
    TextdateiSchreiben(SaveDialog1.Dateiname, Konjunktionstext(TAusgabeSenke::Datei));
}

}  // namespace zenaro
