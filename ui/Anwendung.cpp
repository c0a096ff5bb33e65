#include "ui/Anwendung.hpp"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

#include "engine/Datendateien.hpp"
#include "engine/Fortschritt.hpp"
#include "engine/Programmstart.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/GaugeUnit.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/HellUnit.hpp"
#include "ui/Plattform/Farben.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

namespace {

bool IstEAFehler(std::int32_t nummer) {
    return nummer == FehlerDateiNichtGefunden || nummer == FehlerPfadNichtGefunden ||
           nummer == FehlerZugriffVerweigert || (nummer >= 100 && nummer <= 106);
}

// The runtime's text of an error number in the current edition.
QString FehlerText(std::int32_t nummer) {
    switch (nummer) {
        case FehlerDateiNichtGefunden:
            return Text(TextNr::FehlerDateiNichtGefunden);
        case FehlerPfadNichtGefunden:
            return Text(TextNr::FehlerPfadNichtGefunden);
        case FehlerZugriffVerweigert:
            return Text(TextNr::FehlerZugriffVerweigert);
        case FehlerLesenUeberDateiende:
            return Text(TextNr::FehlerLesenUeberDateiende);
        case FehlerSchreiben:
            return Text(TextNr::FehlerSchreiben);
        case FehlerDivisionDurchNull:
            return Text(TextNr::FehlerDivisionDurchNull);
        case FehlerBereichsueberschreitung:
            return Text(TextNr::FehlerBereichsueberschreitung);
        case FehlerUngueltigeGleitkommaoperation:
            return Text(TextNr::FehlerUngueltigeGleitkommaoperation);
        case FehlerArithmetischerUeberlauf:
            return Text(TextNr::FehlerArithmetischerUeberlauf);
        default:
            break;
    }
    return QString::fromStdString(LaufzeitfehlerText(nummer));
}

// An exit code that no shell mistakes for success.
int Beendigungscode(std::int32_t nummer) { return nummer >= 1 && nummer <= 255 ? nummer : 1; }

TQtNachrichtenverarbeitung qtNachrichtenverarbeitung;

// The window system's own dialogs (save, print) speak the edition's language:
// the German edition loads the German texts of the Qt library when they are
// installed; the English edition keeps the library's own English texts.
void StandarddialogeInDerSpracheDerAusgabe() {
    static QTranslator uebersetzer;
    QCoreApplication::removeTranslator(&uebersetzer);
    if (Englisch) return;
    if (uebersetzer.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&uebersetzer);
}

}  // namespace

QString LaufzeitfehlerMeldung(const ELaufzeitfehler& fehler) {
    const std::int32_t nummer = fehler.Nummer();
    QString meldung =
        Text(IstEAFehler(nummer) ? TextNr::EAFehler : TextNr::Laufzeitfehler).arg(nummer) + ": " +
        FehlerText(nummer);
    // The exception's own text is the runtime's English text of the number,
    // followed by what it names; that part is kept as it stands.
    std::string zusatz = fehler.what();
    const std::string standard = LaufzeitfehlerText(nummer);
    if (zusatz.compare(0, standard.size(), standard) == 0) zusatz.erase(0, standard.size());
    while (!zusatz.empty() && zusatz.front() == ' ') zusatz.erase(0, 1);
    if (!zusatz.empty()) meldung += "\n" + QString::fromUtf8(zusatz);
    return meldung;
}

void LaufzeitfehlerZeigen(const ELaufzeitfehler& fehler) {
    FehlerMeldung(LaufzeitfehlerMeldung(fehler));
}

TAnwendung::TAnwendung(int& argc, char** argv) : QApplication(argc, argv) { PaletteLesbarMachen(); }

void TAnwendung::PaletteLesbarMachen() {
    // Setting the palette announces a change of its own; that one is not taken
    // up again.
    paletteSetzen_ = true;
    setPalette(LesbarePalette(palette()));
    paletteSetzen_ = false;
}

bool TAnwendung::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::ApplicationPaletteChange && !paletteSetzen_)
        PaletteLesbarMachen();
    return QApplication::event(ereignis);
}

bool TAnwendung::notify(QObject* empfaenger, QEvent* ereignis) {
    try {
        return QApplication::notify(empfaenger, ereignis);
    } catch (const ELaufzeitfehler& fehler) {
        NormalerCursor();
        LaufzeitfehlerZeigen(fehler);
    } catch (const std::exception& fehler) {
        NormalerCursor();
        FehlerMeldung(QString::fromUtf8(fehler.what()));
    }
    return false;
}

TProgramm::~TProgramm() { Abbauen(); }

void TProgramm::Abbauen() {
    SetzeFortschrittsanzeige(nullptr);
    SetzeNachrichtenverarbeitung(nullptr);
    delete HellForm;
    HellForm = nullptr;
    delete GaugeForm;
    GaugeForm = nullptr;
    delete HauptForm;
    HauptForm = nullptr;
}

std::int32_t TProgramm::Starten(const std::string& arbeitsverzeichnis) {
    return StartenMit([&] { StartdatenLaden(arbeitsverzeichnis); });
}

std::int32_t TProgramm::Starten() {
    return StartenMit([] { StartdatenLaden(); });
}

std::int32_t TProgramm::StartenMit(const std::function<void()>& laden) {
    Abbauen();
    try {
        laden();

        if (!UeberzaehligeDateien.empty()) {
            QString meldung = Text(TextNr::UeberlaufKopf);
            for (const auto& datei : UeberzaehligeDateien)
                // One pass over both values, so that a "%" in the path stays as it is.
                meldung += "\n" + Text(TextNr::UeberlaufDatei)
                                      .arg(QString::fromStdString(datei.Datei),
                                           QString::number(datei.NichtGeladen));
            FehlerMeldung(meldung);
        }

        StandarddialogeInDerSpracheDerAusgabe();

        // The main window first: it becomes the application's main window, and
        // closing it ends the program.
        HauptForm = new THauptForm();
        GaugeForm = new TGaugeForm();
        GaugeForm->setAttribute(Qt::WA_QuitOnClose, false);
        HellForm = new THellForm();
        HellForm->setAttribute(Qt::WA_QuitOnClose, false);

        SetzeFortschrittsanzeige(GaugeForm);
        SetzeNachrichtenverarbeitung(&qtNachrichtenverarbeitung);
        return 0;
    } catch (const ELaufzeitfehler& fehler) {
        Abbauen();
        LaufzeitfehlerZeigen(fehler);
        return Beendigungscode(fehler.Nummer());
    } catch (const std::exception& fehler) {
        Abbauen();
        FehlerMeldung(QString::fromUtf8(fehler.what()));
        return 1;
    }
}

int Hauptprogramm() {
    // The program takes no command-line arguments; the window system gets only
    // the program's name.
    static char name[] = "zenarowin";
    static char* argumente[] = {name, nullptr};
    int anzahl = 1;
    TAnwendung anwendung(anzahl, argumente);
    anwendung.setApplicationName(Text(TextNr::TitelProgramm));

    int ergebnis = 0;
    {
        TProgramm programm;
        ergebnis = programm.Starten();
        if (ergebnis != 0) return ergebnis;
        HauptForm->show();
        ergebnis = anwendung.exec();
    }
    ZeitzonenName.clear();
    ZeitzonenName.shrink_to_fit();
    return ergebnis;
}

}  // namespace zenaro
