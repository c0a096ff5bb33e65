// Main window: download of the comet element list.
//
// The button fetches the published list of comet elements into the data
// directory, has it converted into the object table and the element file, shows
// the last object and reports the number of objects.
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QString>
#include <optional>
#include <string>

#include "engine/Kometenliste.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Herunterladen.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

void THauptForm::Button1Click() {
    std::optional<TKometenlisteErgebnis> ergebnis;
    {
        // The hourglass goes also when the conversion ends with an error.
        TSanduhr sanduhr;
        // The file the conversion reads, in whatever case it already exists.
        const std::string ziel = KometenlistePfad();
        // Let the hourglass show. Clicks wait until the download is over, so
        // that nothing else (a second download, a calculation) starts inside it.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (DateiHerunterladen(KometenlisteAdresse, ziel)) {
            ergebnis = BahnelementeKonvertieren();
            if (ergebnis->Uebernommen()) {
                AktObjekt = AnzahlObjekte;
                ObjektListeFuellen();
                ObjektAnzeigen(AktObjekt);
                ElementeDateiStandAnzeigen();
            }
        }
    }
    // The reports come with the normal cursor.
    if (!ergebnis) {
        // A failed transfer leaves the previous list file and everything else.
        SchlichteMeldung(Text(TextNr::DownGescheitert));
    } else if (!ergebnis->Uebernommen()) {
        // A list without a usable line would empty the object table: the
        // conversion keeps the objects and the element file as they were.
        SchlichteMeldung(Text(TextNr::DownNichtsVerwendbar));
    } else {
        SchlichteMeldung(Text(TextNr::DownErfolgreich).arg(AnzahlObjekte));
        QString hinweis;
        if (ergebnis->NichtUebernommen > 0)
            hinweis =
                Text(TextNr::DownNichtUebernommen).arg(ergebnis->NichtUebernommen).arg(MaxObjekte);
        if (ergebnis->Unlesbar > 0) {
            if (!hinweis.isEmpty()) hinweis += QStringLiteral("\n\n");
            hinweis += Text(TextNr::DownUnlesbar).arg(ergebnis->Unlesbar);
        }
        if (!hinweis.isEmpty()) SchlichteMeldung(hinweis);
    }
}

}  // namespace zenaro
