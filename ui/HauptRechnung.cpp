// Main window: the three calculation buttons, one road with three outputs.
//
// The calculate, print and save buttons take the options from the check boxes,
// check the parameters, compute the ephemeris (once for the current object, or
// once per object in the all-objects mode), create their ephemeris output and,
// when conjunctions are asked for, run the conjunction search and create their
// conjunction output. Every output form reads the globals while it is created.
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <cstdlib>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "engine/Ephemeride.hpp"
#include "engine/Konjunktion.hpp"
#include "engine/ShortString.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/DatumUnit.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/HellUnit.hpp"
#include "ui/KonjAusgabeUnit.hpp"
#include "ui/KonjDruckUnit.hpp"
#include "ui/KonjSpeicherUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"
#include "ui/Texte.hpp"
#include "ui/ZenaroAusgabeUnit.hpp"
#include "ui/ZenaroDruckUnit.hpp"
#include "ui/ZenaroSpeicherUnit.hpp"

namespace zenaro {

namespace {

// The three outputs of the road.
enum class TSenke { Fenster, Drucker, Datei };

// A calculation is running. The ephemeris lets the window system process
// pending messages after every step, so a click on a calculation button or on
// the download would otherwise start a second road (or replace the objects)
// inside the running one. The object and location editors are closed too: a
// choice there would change the current object inside the all-objects loop,
// which then puts the previous one back, and the editor would show one object
// while saving into another. What the road has taken over is closed as well:
// the parameter group (the today button and the picker launch buttons among
// it), every date picker already open and the brightness editor; a change
// there would reach the objects still to be computed, the conjunction search
// after the ephemeris or the title of the output, but not the rows computed
// before it. The exit waits for the end of the road: taken inside it, it would
// write the files and hide the window while the computation went on unseen and
// then still opened its table window, print or save dialog. While the road
// runs these controls and windows are disabled, a close of the main window is
// refused, and a handler called all the same returns at once. All of it is
// undone also when an error ends the road.
class TRechnungLaeuft {
public:
    explicit TRechnungLaeuft(THauptForm& form) : form_(form) {
        aktiv_ = true;
        std::vector<QWidget*> gesperrt{
            form.BerechnungsButton, form.DruckButton, form.SpeicherButton, form.Button1,
            form.ObjektBox,         form.OrtBox,      form.EndeButton,     form.ParameterBox};
        for (TDatumForm* auswahl : form.findChildren<TDatumForm*>()) gesperrt.push_back(auswahl);
        if (HellForm != nullptr) gesperrt.push_back(HellForm);
        for (QWidget* element : gesperrt) {
            vorher_.emplace_back(element, element->isEnabled());
            element->setEnabled(false);
        }
        form_.installEventFilter(&schliessenSperre_);
    }
    ~TRechnungLaeuft() {
        form_.removeEventFilter(&schliessenSperre_);
        for (const auto& [element, vorher] : vorher_)
            if (element) element->setEnabled(vorher);
        aktiv_ = false;
    }
    TRechnungLaeuft(const TRechnungLaeuft&) = delete;
    TRechnungLaeuft& operator=(const TRechnungLaeuft&) = delete;

    static bool Aktiv() { return aktiv_; }

private:
    // Refuses every close of the main window, without the exit question.
    class TSchliessenSperre final : public QObject {
    public:
        bool eventFilter(QObject* objekt, QEvent* ereignis) override {
            if (ereignis->type() != QEvent::Close) return QObject::eventFilter(objekt, ereignis);
            ereignis->ignore();
            return true;
        }
    };

    static inline bool aktiv_ = false;
    THauptForm& form_;
    std::vector<std::pair<QPointer<QWidget>, bool>> vorher_;
    TSchliessenSperre schliessenSperre_;
};

// Puts the current object back when the all-objects loop ends, also by an
// error, so that the object shown in the main window stays the current one.
class TAktObjektMerken {
public:
    TAktObjektMerken() : gemerkt_(AktObjekt) {}
    ~TAktObjektMerken() { AktObjekt = gemerkt_; }
    TAktObjektMerken(const TAktObjektMerken&) = delete;
    TAktObjektMerken& operator=(const TAktObjektMerken&) = delete;

private:
    std::int32_t gemerkt_;
};

// The ephemeris of the current object, or one row per object in the all-objects
// mode (the objects computed on all cores, their calls made in object order).
void EphemerideRechnen() {
    if (!AlleObjekteModus) {
        EphemerideBerechnen();
        return;
    }
    TAktObjektMerken merken;
    EphemerideAllerObjekte();
}

void EphemerideAusgeben(TSenke senke, THauptForm* owner) {
    switch (senke) {
        case TSenke::Fenster:
            new TAusgabeForm(owner);
            break;
        case TSenke::Drucker:
            new TDruckForm(owner);
            break;
        case TSenke::Datei:
            new TSpeicherForm(owner);
            break;
    }
}

void KonjunktionenAusgeben(TSenke senke, THauptForm* owner) {
    switch (senke) {
        case TSenke::Fenster:
            new TKonjAusgabeForm(owner);
            break;
        case TSenke::Drucker:
            new TKonjDruckForm(owner);
            break;
        case TSenke::Datei:
            new TKonjSpeicherForm(owner);
            break;
    }
}

// The tables hold a fixed number of rows; a computation that reached the limit
// stopped there, and the user is told that the output is incomplete.
void VollMelden(bool voll, TextNr meldung) {
    if (voll) InfoMeldung(Text(meldung).arg(MaxZeilen));
}

// The outputs are built by the window library, which does not survive an
// allocation that fails inside it. Before an output is built, room for it is
// asked for and given back at once: where even that is not to be had, the road
// ends with the advice to ask for fewer rows instead of failing midway.
void RaumFuerAusgabePruefen() {
    constexpr std::size_t Raum = std::size_t{32} << 20;
    // Through a volatile pointer, so that the request is really made.
    void* (*volatile anfordern)(std::size_t) = std::malloc;
    void* block = anfordern(Raum);
    if (block == nullptr) throw std::bad_alloc();
    std::free(block);
}

// The road of one press.
void Rechnen(THauptForm& form, TSenke senke) {
    if (TRechnungLaeuft::Aktiv()) return;
    TRechnungLaeuft laeuft(form);

    ZeitzonenName = Utf8NachWin1252(form.ZoneComboBox->currentText().toStdString());
    AnzahlZeilen = 0;
    // The emptied table is not full; an all-objects run without objects does
    // not compute and would otherwise report the previous run's full table.
    EphemerideVoll = false;
    AlleObjekteModus = form.AllCheckBox->isChecked();
    NachHelligkeitSortieren = form.SortCheckBox->isChecked();
    HellParameterBenutzen = form.HellCheckBox->isChecked();

    bool fehler = false;
    form.ParameterPruefen(fehler);
    if (fehler) return;
    // Without a location, or without an object in the mode of one object, there
    // is nothing to compute for: the user is told so instead of meeting the
    // range error of the empty table.
    if (AktOrt < 1 || AktOrt > AnzahlOrte) return FehlerMeldung(Text(TextNr::RechKeinOrt));
    if (!AlleObjekteModus && (AktObjekt < 1 || AktObjekt > AnzahlObjekte))
        return FehlerMeldung(Text(TextNr::RechKeinObjekt));

    // Running out of memory ends the road with the advice to ask for fewer rows;
    // every other error goes on to the application's error box. The hourglass and
    // the progress window are gone by then.
    try {
        {
            // The save forms show the hourglass themselves while they write.
            std::optional<TSanduhr> sanduhr;
            if (senke != TSenke::Datei) sanduhr.emplace();
            DeepSkyAnzeigen = form.NGCCheckBox->isChecked();
            EphemerideRechnen();
            RaumFuerAusgabePruefen();
            EphemerideAusgeben(senke, &form);
        }
        VollMelden(EphemerideVoll, TextNr::RechEphemerideVoll);

        // The conjunction search runs with the normal cursor, after the ephemeris
        // output is complete.
        if (form.KonjCheckBox->isChecked()) {
            KonjunktionenSuchen();
            RaumFuerAusgabePruefen();
            KonjunktionenAusgeben(senke, &form);
            VollMelden(KonjunktionenVoll, TextNr::RechKonjunktionenVoll);
        }
    } catch (const std::bad_alloc&) {
        FehlerMeldung(Text(TextNr::RechSpeicherVoll));
    }
}

}  // namespace

void THauptForm::BerechnungsButtonClick() { Rechnen(*this, TSenke::Fenster); }

void THauptForm::DruckButtonClick() { Rechnen(*this, TSenke::Drucker); }

void THauptForm::SpeicherButtonClick() { Rechnen(*this, TSenke::Datei); }

}  // namespace zenaro
