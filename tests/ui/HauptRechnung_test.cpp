// The calculation road of the main window's three buttons: validation first,
// the hourglass, the ephemeris once or per object, the outputs of the three
// sinks in their order, and what happens at errors, full tables and a second
// press during a running calculation.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "HauptUmgebung.hpp"
#include "astro/Laufzeit.hpp"
#include "engine/Fortschritt.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/DatumUnit.hpp"
#include "ui/GaugeUnit.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/HellUnit.hpp"
#include "ui/KonjAusgabeUnit.hpp"
#include "ui/Plattform/Dialoge.hpp"
#include "ui/Plattform/Drucken.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"
#include "ui/ZenaroAusgabeUnit.hpp"

namespace zenaro {
namespace {

// Stands in for the processing of pending messages during the ephemeris: notes
// whether the hourglass is shown at each processing and runs what a test wants to
// happen then (a click of the user, for example). Messages are processed after
// every step and also while a row is awaited, so there may be more processings
// than steps.
class TSchritte final : public INachrichtenverarbeitung {
public:
    void NachrichtenVerarbeiten() override {
        sanduhr.push_back(SanduhrAktiv());
        if (beimSchritt) beimSchritt();
    }
    std::vector<bool> sanduhr;
    std::function<void()> beimSchritt;
};

// At least one value per step (two steps in the set-up's range), each as expected.
template <class T>
void JedesMal(const std::vector<T>& werte, T erwartet, std::size_t schritte = 2) {
    EXPECT_GE(werte.size(), schritte);
    for (std::size_t i = 0; i < werte.size(); ++i) EXPECT_EQ(werte[i], erwartet) << i;
}

TBahnelement Komet(const char* name, Extended H11, Extended knoten) {
    TBahnelement e;
    e.Name = name;
    e.Perihel[1] = 2024;
    e.Perihel[2] = 4;
    e.Perihel[3] = 21.1L;
    e.Epoche = e.Perihel;
    e.Exzentrizitaet = 0.68L;
    e.Perihelabstand = 0.78L;
    e.GrosseHalbachse = 0.78L / 0.32L;
    e.Knoten = knoten;
    e.Perihelargument = 198.0L;
    e.Bahnneigung = 74.0L;
    e.Aequinoktium = 2000.0L;
    e.H11 = H11;
    e.N = 4.0L;
    return e;
}

class HauptRechnung : public test::THauptformFelder {
protected:
    void SetUp() override {
        test::Anwendung();
        Englisch = false;
        DatenVerzeichnis = "/nonexistent-zenaro-test/";
        Objekte[1] = Komet("Eins", 12.0L, 255.0L);
        Objekte[2] = Komet("Zwei", 6.0L, 256.0L);
        Objekte[3] = Komet("Drei", 9.0L, 257.0L);
        AnzahlObjekte = 3;
        Orte[1].Name = "Testort";
        Orte[1].Breite = 50.0L;
        Orte[1].Laenge = -10.0L;
        AnzahlOrte = 1;
        AnzahlHellParameter = 0;
        AlleObjekte = false;
        SetzeNachrichtenverarbeitung(&schritte);
        FormAnlegen();
    }
    // A main window of the current edition with valid parameters.
    void FormAnlegen() {
        form = std::make_unique<THauptForm>();
        AktObjekt = 2;
        Setze("StartdatumEdit", "01.03.2024");
        Setze("Startzeitedit", "20:00");
        Setze("StopdatumEdit", "02.03.2024");
        Setze("StopzeitEdit", "20:00");
        Setze("TageEdit", "1");
        Setze("StundenEdit", "0");
        form->ZoneComboBox->setEditText("MEZ");
        form->NGCCheckBox->setChecked(false);
        form->AllCheckBox->setChecked(false);
        form->KonjCheckBox->setChecked(false);
        Setze("SonnenHoeheEdit", "-18");
        Setze("LimitEdit", "30");
        Setze("KLimitEdit", "30");
        Setze("KRadiusEdit", "20");
        meldungen.Leeren();
    }
    void TearDown() override {
        form.reset();
        Englisch = false;
        SetzeNachrichtenverarbeitung(nullptr);
        NormalerCursor();
        AnzahlObjekte = 0;
        AnzahlOrte = 0;
        AnzahlZeilen = 0;
        AnzahlKonjunktionen = 0;
    }

    // The output windows the main window owns, in the order of their creation.
    std::vector<const char*> Fenster() const {
        std::vector<const char*> arten;
        for (QObject* kind : form->children()) {
            if (qobject_cast<TAusgabeForm*>(kind)) arten.push_back("Ephemeride");
            if (qobject_cast<TKonjAusgabeForm*>(kind)) arten.push_back("Konjunktionen");
        }
        return arten;
    }

    TMeldungsRekorder meldungen;
    TSchritte schritte;
};

TEST_F(HauptRechnung, UngueltigeParameterOhneRechnungUndAusgabe) {
    TDruckRekorder drucker;
    TSpeicherdialogRekorder dialoge;
    Setze("Startzeitedit", "25:00");
    form->KonjCheckBox->setChecked(true);
    for (QPushButton* knopf : {form->BerechnungsButton, form->DruckButton, form->SpeicherButton}) {
        AnzahlZeilen = 5;
        meldungen.Leeren();
        knopf->click();
        EXPECT_EQ(meldungen.Texte(), std::vector<QString>{"Ungültige Stundenangabe bei Startzeit"});
        EXPECT_EQ(AnzahlZeilen, 0);  // emptied before the check
        EXPECT_FALSE(SanduhrAktiv());
    }
    EXPECT_TRUE(schritte.sanduhr.empty());  // nothing was computed
    EXPECT_TRUE(Fenster().empty());
    EXPECT_TRUE(drucker.Eintraege().empty());
    EXPECT_TRUE(dialoge.Gezeigt().empty());
}

TEST_F(HauptRechnung, FensterUndSanduhrMitKonjunktionen) {
    form->KonjCheckBox->setChecked(true);
    form->BerechnungsButton->click();
    EXPECT_TRUE(meldungen.Texte().empty());
    EXPECT_EQ(AnzahlZeilen, 2);  // the current object over two days
    EXPECT_EQ(Ephemeride[1].ObjektNr, 2);
    JedesMal(schritte.sanduhr, true);
    EXPECT_FALSE(SanduhrAktiv());
    // The ephemeris table first, then the conjunction table.
    EXPECT_EQ(Fenster(), (std::vector<const char*>{"Ephemeride", "Konjunktionen"}));
    EXPECT_EQ(AktObjekt, 2);
    EXPECT_EQ(ZeitzonenName, "MEZ");
}

// A paste with nothing on the clipboard changes nothing and ends nothing, in every
// editable text field of every window of both editions: by Ctrl+V, Shift+Insert
// and the paste of the context menu. The window system's empty clipboard gives
// either no data at all or data without any format (as the X server's does); the
// offscreen platform has both states. (A middle click pastes the X selection,
// which the offscreen platform lacks; it takes the memo's same paste.)
TEST_F(HauptRechnung, EinfuegenOhneZwischenablageInJedemTextfeld) {
    const QInputDevice tastatur("Tastatur", 1, QInputDevice::DeviceType::Keyboard);
    auto taste = [&tastatur](QWidget* feld, int taste, Qt::KeyboardModifiers umschalter) {
        QKeyEvent druck(QEvent::KeyPress, taste, umschalter, 0, 0, 0, {}, false, 1, &tastatur);
        static_cast<QObject*>(feld)->event(&druck);
    };
    for (const bool englisch : {false, true}) {
        Englisch = englisch;
        FormAnlegen();
        form->KonjCheckBox->setChecked(true);
        form->BerechnungsButton->click();
        form->StartdatumChangeButton->click();
        THellForm hell;
        int memos = 0;
        for (QWidget* fenster : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&hell)})
            for (QWidget* feld : fenster->findChildren<QWidget*>()) {
                auto* memo = qobject_cast<QPlainTextEdit*>(feld);
                auto* edit = qobject_cast<QLineEdit*>(feld);
                if ((!memo || memo->isReadOnly()) && !edit) continue;
                memos += memo != nullptr;
                auto text = [&] { return memo ? memo->toPlainText() : edit->text(); };
                const QString vorher = text();
                for (const bool ohneFormat : {false, true}) {
                    if (ohneFormat)
                        QGuiApplication::clipboard()->setMimeData(new QMimeData);
                    else
                        QGuiApplication::clipboard()->clear();
                    taste(feld, Qt::Key_V, Qt::ControlModifier);
                    taste(feld, Qt::Key_Insert, Qt::ShiftModifier);
                    memo ? memo->paste() : edit->paste();
                    EXPECT_EQ(text(), vorher) << feld->objectName().toStdString();
                }
                if (!memo) continue;
                // The memo stays editable: copied text is pasted as before.
                QGuiApplication::clipboard()->setText("Notiz");
                memo->paste();
                EXPECT_TRUE(text().contains("Notiz"));
            }
        EXPECT_EQ(memos, 1);
    }
}

TEST_F(HauptRechnung, AlleObjekteEineZeileJeObjektNachHelligkeit) {
    form->AllCheckBox->setChecked(true);
    form->SortCheckBox->setChecked(true);
    Setze("StopdatumEdit", "");  // not read in this mode
    form->BerechnungsButton->click();
    EXPECT_TRUE(meldungen.Texte().empty());
    ASSERT_EQ(AnzahlZeilen, 3);
    EXPECT_EQ(Ephemeride[1].ObjektNr, 2);
    EXPECT_EQ(Ephemeride[2].ObjektNr, 3);
    EXPECT_EQ(Ephemeride[3].ObjektNr, 1);
    EXPECT_LT(Ephemeride[1].Hell, Ephemeride[2].Hell);
    EXPECT_LT(Ephemeride[2].Hell, Ephemeride[3].Hell);
    EXPECT_EQ(AktObjekt, 2);
    EXPECT_EQ(Fenster(), std::vector<const char*>{"Ephemeride"});
}

// Print and save sinks: with conjunctions each asks twice (ephemeris, then
// conjunctions); the save road never shows the hourglass itself.
TEST_F(HauptRechnung, DruckUndSpeicherSenken) {
    form->KonjCheckBox->setChecked(true);
    {
        TDruckRekorder drucker(false);
        form->DruckButton->click();
        std::size_t dialoge = 0;
        for (const auto& e : drucker.Eintraege())
            dialoge += e.Aufruf == TDruckRekorder::TAufruf::Dialog;
        EXPECT_EQ(dialoge, 2u);
        JedesMal(schritte.sanduhr, true);
    }
    schritte.sanduhr.clear();
    {
        TSpeicherdialogRekorder dialoge;
        form->SpeicherButton->click();
        EXPECT_EQ(dialoge.Gezeigt().size(), 2u);
        JedesMal(schritte.sanduhr, false);
        EXPECT_FALSE(SanduhrAktiv());
    }
    EXPECT_TRUE(Fenster().empty());
    EXPECT_TRUE(meldungen.Texte().empty());
}

// A click on any calculation button or on the download while the ephemeris lets
// messages through starts nothing, and the object and location editors cannot
// change the current object inside the all-objects loop; all of them are back
// afterwards.
TEST_F(HauptRechnung, KeinZweiterLaufWaehrendDerRechnung) {
    form->Button1->setEnabled(true);
    const std::vector<QWidget*> gesperrt{form->BerechnungsButton, form->DruckButton,
                                         form->SpeicherButton,    form->Button1,
                                         form->ObjektBox,         form->OrtBox};
    std::vector<bool> waehrend;
    schritte.beimSchritt = [&] {
        for (QWidget* k : gesperrt) waehrend.push_back(k->isEnabled());
        for (QPushButton* k :
             {form->BerechnungsButton, form->DruckButton, form->SpeicherButton, form->Button1})
            k->click();
        form->BerechnungsButtonClick();
        form->SpeicherButtonClick();
    };
    TSpeicherdialogRekorder dialoge;
    form->BerechnungsButton->click();
    EXPECT_GE(schritte.sanduhr.size(), 2u);
    JedesMal(waehrend, false, 12);
    EXPECT_EQ(Fenster().size(), 1u);
    EXPECT_TRUE(dialoge.Gezeigt().empty());
    EXPECT_TRUE(meldungen.Texte().empty());
    for (QWidget* k : gesperrt) EXPECT_TRUE(k->isEnabled());
    // A control that was off before the road stays off.
    EXPECT_FALSE(form->HellButton->isEnabled());
}

// The exit waits for the end of the road: its button is off and a close of the
// main window is refused without the question; afterwards both work again.
TEST_F(HauptRechnung, KeinBeendenWaehrendDerRechnung) {
    std::vector<bool> knopf;
    std::vector<bool> geschlossen;
    schritte.beimSchritt = [&] {
        knopf.push_back(form->EndeButton->isEnabled());
        form->EndeButton->click();
        geschlossen.push_back(form->close());
    };
    form->show();
    form->BerechnungsButton->click();
    JedesMal(knopf, false);
    JedesMal(geschlossen, false);
    EXPECT_TRUE(meldungen.Texte().empty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Fenster().size(), 1u);
    EXPECT_TRUE(form->EndeButton->isEnabled());
    meldungen.SetzeAntwort(false);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(meldungen.Texte().size(), 1u);
}

// What the road has taken over stays as it was while it runs: the parameter
// group with the today button, an open date picker and the brightness editor
// are off, so the title of the output names the instant its rows were computed
// for; afterwards all of them work again.
TEST_F(HauptRechnung, ParameterBleibenWaehrendDerRechnung) {
    form->StartdatumChangeButton->click();
    auto* auswahl = form->findChild<TDatumForm*>();
    ASSERT_NE(auswahl, nullptr);
    THellForm hell;
    HellForm = &hell;
    std::vector<bool> bedienbar;
    schritte.beimSchritt = [&] {
        for (QWidget* w : {static_cast<QWidget*>(form->ParameterBox),
                           static_cast<QWidget*>(auswahl), static_cast<QWidget*>(&hell)})
            bedienbar.push_back(w->isEnabled());
        form->TagesDatumButton->click();
    };
    form->AllCheckBox->setChecked(true);
    form->BerechnungsButton->click();
    HellForm = nullptr;
    JedesMal(bedienbar, false, 9);
    EXPECT_EQ(Startdatum.Text(), "01.03.2024");
    EXPECT_TRUE(form->ParameterBox->isEnabled());
    EXPECT_TRUE(auswahl->isEnabled());
    EXPECT_TRUE(hell.isEnabled());
}

// Nothing to compute for: without an object (mode of one object) or without a
// location the road ends with a message of its own, no output and no range
// error; all objects of an empty table still give their empty output.
TEST_F(HauptRechnung, OhneObjektOderOrtEineMeldung) {
    AnzahlObjekte = 0;
    AktObjekt = 0;
    EXPECT_NO_THROW(form->BerechnungsButtonClick());
    EXPECT_EQ(
        meldungen.Texte(),
        std::vector<QString>{"Es ist kein Objekt vorhanden, für das gerechnet werden könnte"});
    EXPECT_TRUE(Fenster().empty());
    EXPECT_FALSE(SanduhrAktiv());

    meldungen.Leeren();
    form->AllCheckBox->setChecked(true);
    EXPECT_NO_THROW(form->BerechnungsButtonClick());
    EXPECT_TRUE(meldungen.Texte().empty());
    EXPECT_EQ(Fenster().size(), 1u);

    AnzahlOrte = 0;
    AktOrt = 0;
    EXPECT_NO_THROW(form->BerechnungsButtonClick());
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{
                  "Es ist kein Beobachtungsort vorhanden, für den gerechnet werden könnte"});
    EXPECT_EQ(Fenster().size(), 1u);
}

// An error of the computation ends the road: no output, the normal cursor, the
// buttons usable, the current object as before and the progress window closed,
// whatever the error. Running out of memory is told in the edition's words; any
// other error goes on to the application's error box.
TEST_F(HauptRechnung, FehlerBeendetDenWegSauber) {
    TGaugeForm fortschritt;
    SetzeFortschrittsanzeige(&fortschritt);
    Objekte[3].Exzentrizitaet = -1.0L;
    form->AllCheckBox->setChecked(true);
    EXPECT_THROW(form->BerechnungsButtonClick(), ELaufzeitfehler);
    EXPECT_FALSE(SanduhrAktiv());
    EXPECT_TRUE(Fenster().empty());
    EXPECT_EQ(AktObjekt, 2);
    EXPECT_TRUE(form->BerechnungsButton->isEnabled());
    EXPECT_FALSE(fortschritt.isVisible());
    Objekte[3] = Komet("Drei", 9.0L, 257.0L);
    form->BerechnungsButton->click();
    EXPECT_EQ(AnzahlZeilen, 3);

    // While the rows are computed, with the progress window on screen, in both modes.
    std::vector<bool> gezeigt;
    schritte.beimSchritt = [&] {
        gezeigt.push_back(fortschritt.isVisible());
        throw std::bad_alloc();
    };
    for (const bool englisch : {false, true}) {
        Englisch = englisch;
        form->AllCheckBox->setChecked(englisch);
        meldungen.Leeren();
        EXPECT_NO_THROW(form->BerechnungsButtonClick());
        EXPECT_EQ(meldungen.Texte(),
                  std::vector<QString>{
                      englisch ? "There is not enough memory for this calculation; it was "
                                 "stopped. Choose a shorter range or larger steps."
                               : "Der Arbeitsspeicher reicht für diese Rechnung nicht aus; sie "
                                 "wurde abgebrochen. Wählen Sie einen kürzeren Zeitraum oder "
                                 "größere Schritte."});
        EXPECT_FALSE(fortschritt.isVisible());
        EXPECT_FALSE(SanduhrAktiv());
    }
    schritte.beimSchritt = [&] {
        gezeigt.push_back(fortschritt.isVisible());
        throw std::runtime_error("anderer Fehler");
    };
    EXPECT_THROW(form->BerechnungsButtonClick(), std::runtime_error);
    EXPECT_FALSE(fortschritt.isVisible());
    EXPECT_EQ(gezeigt, std::vector<bool>(3, true));
    EXPECT_EQ(Fenster().size(), 1u);  // only that of the road without an error
    SetzeFortschrittsanzeige(nullptr);
}

// Full tables: the output shows what fits, and the user is told so.
TEST_F(HauptRechnung, VolleTabellenWerdenGemeldet) {
    TSpeicherdialogRekorder dialoge;
    // The ephemeris: the table filled up after the first step.
    schritte.beimSchritt = [] { AnzahlZeilen = MaxZeilen; };
    form->SpeicherButton->click();
    EXPECT_EQ(AnzahlZeilen, MaxZeilen);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{"Die Ephemeridentabelle ist voll. Die Ausgabe zeigt nur die "
                                   "ersten 10000 Zeilen; die Zeitpunkte danach wurden nicht "
                                   "berechnet."});
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Information);
    // The next road that computes nothing (all objects, none there) is not full.
    schritte.beimSchritt = nullptr;
    AnzahlObjekte = 0;
    form->AllCheckBox->setChecked(true);
    meldungen.Leeren();
    form->SpeicherButton->click();
    EXPECT_EQ(AnzahlZeilen, 0);
    EXPECT_TRUE(meldungen.Texte().empty());
    form->AllCheckBox->setChecked(false);

    // The conjunctions: 142 objects at one place give 10011 pairs at one instant.
    schritte.beimSchritt = nullptr;
    for (std::int32_t i = 1; i <= 142; ++i) Objekte[i] = Komet("Gleich", 5.0L, 255.0L);
    AnzahlObjekte = 142;
    Setze("StopdatumEdit", "01.03.2024");
    form->KonjCheckBox->setChecked(true);
    Englisch = true;
    meldungen.Leeren();
    form->SpeicherButton->click();
    EXPECT_EQ(AnzahlKonjunktionen, MaxZeilen);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{"The conjunction table is full. The output shows only the "
                                   "first 10000 conjunctions; the search stopped there."});
}

}  // namespace
}  // namespace zenaro
