#include "ui/ZenaroSpeicherUnit.hpp"

#include <QWidget>

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
    if (SaveDialog1.Ausfuehren(owner_)) {
        // The hourglass goes again also when writing fails.
        TSanduhr sanduhr;
        TTextdatei datei(SaveDialog1.Dateiname);
        for (const TTextZeile& zeile : Ephemeridentext(TAusgabeSenke::Datei))
            datei.ZeileSchreiben(zeile.Text);
        datei.Schliessen();
    }
    deleteLater();
}

}  // namespace zenaro
