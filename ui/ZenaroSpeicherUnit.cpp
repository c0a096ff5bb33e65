#include "ui/ZenaroSpeicherUnit.hpp"

#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "ui/Ephemeridentext.hpp"
#include "ui/Plattform/Sanduhr.hpp"
#include "ui/Plattform/Textdatei.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

TSpeicherForm::TSpeicherForm(QWidget* Owner) : QObject(Owner), owner_(Owner) {
    setObjectName(QStringLiteral("SpeicherForm"));
    SaveDialog1.Filter = Text(TextNr::SpeicherFilter);
    SaveDialog1.Standarderweiterung = QStringLiteral("txt");
    SaveDialog1.UeberschreibenFragen = true;
    SaveDialog1.SchreibschutzVerbergen = true;
    SaveDialog1.GroesseAenderbar = true;
    FormCreate();
}

void TSpeicherForm::FormCreate() {
    // The form goes when control returns to the event loop, whether it wrote the
    // file, the dialog was cancelled or writing failed.
    deleteLater();
    if (!SaveDialog1.Ausfuehren(owner_)) return;

    // The hourglass goes again also when writing fails.
    TSanduhr sanduhr;
    std::vector<std::string> zeilen;
    for (TTextZeile& zeile : Ephemeridentext(TAusgabeSenke::Datei))
        zeilen.push_back(std::move(zeile.Text));
    TextdateiSchreiben(SaveDialog1.Dateiname, zeilen);
}

}  // namespace zenaro
