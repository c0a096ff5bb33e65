// The brightness-parameter editor driven through its controls, in both editions:
// opening, showing a set, the twelve checks in their order, add, update and delete
// with the sort of the whole table, the dT controls, and the table's capacity.
#include "ui/HellUnit.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QPushButton>
#include <algorithm>
#include <memory>
#include <vector>

#include "Editionen.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"

namespace zenaro {
namespace {

const char* const Komet = "C/2020 F3 (NEOWISE)";
const char* const Encke = "2P/Encke";

THellParameter Satz(const char* name, Extended von, Extended bis, Extended h11 = 5.5L,
                    bool erweitert = false, Extended dt = 0.0L) {
    THellParameter satz;
    satz.Name = name;
    satz.Von = von;
    satz.Bis = bis;
    satz.H11 = h11;
    satz.N1 = 4.0L;
    satz.N2 = 2.5L;
    satz.Erweitert = erweitert;
    satz.DT = dt;
    return satz;
}

void TabelleSetzen(const std::vector<THellParameter>& saetze) {
    HellParameterListe.Leeren();
    AnzahlHellParameter = static_cast<std::int32_t>(saetze.size());
    for (std::size_t k = 0; k < saetze.size(); ++k)
        HellParameterListe[static_cast<std::int32_t>(k + 1)] = saetze[k];
}

std::vector<Extended> VonWerte() {
    std::vector<Extended> werte;
    for (std::int32_t k = 1; k <= AnzahlHellParameter; ++k)
        werte.push_back(HellParameterListe[k].Von);
    return werte;
}

class HellEditor : public test::TEditionenTest {
protected:
    void SetUp() override {
        TEditionenTest::SetUp();
        Objekte.Leeren();
        Objekte[1].Name = Komet;
        Objekte[2].Name = Encke;
        AnzahlObjekte = 2;
        AktObjekt = 1;
        AnzahlHellAuswahl = 0;
        form = std::make_unique<THellForm>();
        HellForm = form.get();
    }
    void TearDown() override {
        HellForm = nullptr;
        TEditionenTest::TearDown();
        AnzahlHellParameter = 0;
        AnzahlObjekte = 0;
    }

    QString Bis() const { return T(" bis ", " until "); }

    // Opens the editor through the main window's button handler.
    // The main window's creation shows an object of its own choice; the test's
    // current object is set again after it.
    void Oeffnen() {
        if (!haupt) {
            const std::int32_t aktObjekt = AktObjekt;
            haupt = std::make_unique<THauptForm>();
            AktObjekt = aktObjekt;
            meldungen.Leeren();
        }
        haupt->HellButtonClick();
    }

    QLineEdit* Feld(const char* name) { return form->findChild<QLineEdit*>(name); }
    QComboBox* Liste() { return form->findChild<QComboBox*>("HellComboBox"); }
    QCheckBox* Faktor() { return form->findChild<QCheckBox*>("FaktorCheckBox"); }
    bool DTSichtbar() { return Feld("FaktorEdit")->isVisibleTo(form.get()); }
    void Klick(const char* knopf) { form->findChild<QPushButton*>(knopf)->click(); }
    void Waehlen(int i) {
        Liste()->setCurrentIndex(i);
        emit Liste()->activated(i);
    }
    void Eingeben(const char* von, const char* bis, const char* m0 = "5.0", const char* x = "4",
                  const char* n = "2") {
        Feld("VonEdit")->setText(von);
        Feld("BisEdit")->setText(bis);
        Feld("m0Edit")->setText(m0);
        Feld("xEdit")->setText(x);
        Feld("nEdit")->setText(n);
    }
    std::vector<QString> Eintraege() {
        std::vector<QString> texte;
        for (int i = 0; i < Liste()->count(); ++i) texte.push_back(Liste()->itemText(i));
        return texte;
    }
    std::vector<QString> Felder() {
        std::vector<QString> texte;
        for (const char* name : {"VonEdit", "BisEdit", "m0Edit", "xEdit", "nEdit", "FaktorEdit"})
            texte.push_back(Feld(name)->text());
        return texte;
    }
    // Mouse events carry a device of the test's own: the window system's default
    // device would be created on first use and outlive the application.
    void MausKlick(QWidget* ziel) {
        const QPointF punkt(6, ziel->height() / 2);
        QMouseEvent druck(QEvent::MouseButtonPress, punkt, ziel->mapToGlobal(punkt), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier, &maus);
        QMouseEvent los(QEvent::MouseButtonRelease, punkt, ziel->mapToGlobal(punkt), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier, &maus);
        QApplication::sendEvent(ziel, &druck);
        QApplication::sendEvent(ziel, &los);
    }
    QPointingDevice maus{"Maus",
                         1,
                         QInputDevice::DeviceType::Mouse,
                         QPointingDevice::PointerType::Generic,
                         QInputDevice::Capability::Position,
                         1,
                         3};
    TMeldungsRekorder meldungen;
    std::unique_ptr<THellForm> form;
    std::unique_ptr<THauptForm> haupt;
};

INSTANTIATE_TEST_SUITE_P(Ausgaben, HellEditor, ::testing::Bool());

TEST_P(HellEditor, OeffnenOhneSaetzeMeldetUndZeigtLeeresFenster) {
    TabelleSetzen({Satz(Encke, -5, 10, 5.5L, true, 10)});
    AktObjekt = 2;
    Oeffnen();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    ASSERT_EQ(Liste()->count(), 1);

    // Another object while the editor is shown: filled again, the old set gone.
    AktObjekt = 1;
    Faktor()->setChecked(false);
    Oeffnen();
    ASSERT_EQ(meldungen.Eintraege().size(), 1u);
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Information);
    EXPECT_EQ(meldungen.Texte()[0], T("Es sind noch keine Helligkeiten für diesen Kometen "
                                      "gespeichert",
                                      "No brightness parameters found"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), Komet);
    EXPECT_EQ(Liste()->count(), 0);
    EXPECT_EQ(AnzahlHellAuswahl, 0);
    EXPECT_EQ(Felder(), std::vector<QString>(6));
    EXPECT_TRUE(Faktor()->isChecked());
    EXPECT_TRUE(DTSichtbar());

    // Closing hides the window; it stays for the next opening.
    Klick("CloseButton");
    EXPECT_FALSE(form->isVisible());
    Oeffnen();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(HellForm, form.get());
}

TEST_P(HellEditor, OhneObjektOeffnetSichDerEditorNicht) {
    AnzahlObjekte = 0;
    Oeffnen();
    ASSERT_EQ(meldungen.Eintraege().size(), 1u);
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Fehler);
    EXPECT_EQ(meldungen.Texte()[0], T("Es ist kein Objekt vorhanden, für das Helligkeiten "
                                      "gelten könnten",
                                      "There is no object for brightness parameters"));
    EXPECT_FALSE(form->isVisible());
}

TEST_P(HellEditor, SaetzeDesObjektsWerdenGelistetUndGezeigt) {
    TabelleSetzen({Satz(Komet, -5, 10, 5.5L, true, 10), Satz(Encke, 0, 20),
                   Satz("c/2020 f3 (neowise)", 0, 1), Satz(Komet, 150, 300, 1234.5L)});
    Oeffnen();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_EQ(Eintraege(),
              (std::vector<QString>{"T -5.0" + Bis() + "T+ 10.0", "T+150.0" + Bis() + "T+300.0"}));
    EXPECT_EQ(AnzahlHellAuswahl, 2);
    EXPECT_EQ(HellAuswahl[1], 1);
    EXPECT_EQ(HellAuswahl[2], 4);
    EXPECT_EQ(Liste()->currentIndex(), 0);
    // A positive value shown with its "+" directly before the digits reads back.
    EXPECT_EQ(Felder(),
              (std::vector<QString>{" -5.0", " +10.0", "  5.5", "  4.0", "  2.5", " +10.0"}));
    EXPECT_TRUE(DTSichtbar());

    // A set without the extended formula hides the dT controls, the text stays.
    Waehlen(1);
    EXPECT_EQ(Feld("VonEdit")->text(), "+150.0");
    EXPECT_EQ(Feld("m0Edit")->text(), "1234.5");  // whole, beyond the typing limit
    EXPECT_FALSE(Faktor()->isChecked());
    EXPECT_FALSE(DTSichtbar());
    EXPECT_EQ(Feld("FaktorEdit")->text(), " +10.0");

    // The keyboard changes the tick only (the space key ends in a click, without a
    // mouse button); Update reads the tick.
    form->show();
    Faktor()->click();
    EXPECT_TRUE(Faktor()->isChecked());
    EXPECT_FALSE(DTSichtbar());
    Klick("UpdateButton");
    ASSERT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Die Helligkeitsparameter wurden aufdatiert",
                                     "The brightness parameters are updated")});
    const THellParameter& neu = HellParameterListe[4];
    EXPECT_EQ(neu.Name, std::string(Komet));
    EXPECT_EQ(neu.Von, 150.0L);
    EXPECT_EQ(neu.Bis, 300.0L);
    EXPECT_EQ(neu.H11, 1234.5L);
    EXPECT_TRUE(neu.Erweitert);
    EXPECT_EQ(neu.DT, 10.0L);

    // The list is refilled with the first set shown; the mouse shows the dT
    // controls exactly when the box ends up ticked.
    Waehlen(0);
    EXPECT_TRUE(DTSichtbar());
    MausKlick(Faktor());
    EXPECT_FALSE(Faktor()->isChecked());
    EXPECT_FALSE(DTSichtbar());
    MausKlick(Faktor());
    EXPECT_TRUE(DTSichtbar());
    EXPECT_EQ(Feld("FaktorEdit")->text(), " +10.0");

    // Update keeps its own range but may not reach into another set.
    meldungen.Leeren();
    Feld("BisEdit")->setText("200");
    Klick("UpdateButton");
    EXPECT_EQ(meldungen.Texte(), std::vector<QString>{T("Die Zeitangaben überlappen sich mit: ",
                                                        "validity range overlaps with: ") +
                                                      "T+150.0" + Bis() + "T+300.0"});
    EXPECT_EQ(HellParameterListe[1].Bis, 10.0L);

    // Typing stops at the limit of each field (dT: English 5, German 6).
    Feld("FaktorEdit")->clear();
    for (const char* zeichen : {"1", "2", "3", "4", "5", "6", "7"})
        Feld("FaktorEdit")->insert(zeichen);
    EXPECT_EQ(Feld("FaktorEdit")->text(), QString(GetParam() ? "12345" : "123456"));
}

TEST_P(HellEditor, PruefungenInIhrerReihenfolge) {
    struct TFall {
        const char *von, *bis, *m0, *x, *n;
        bool faktor;
        const char *dt, *deutsch, *englisch;
    };
    const TFall faelle[] = {
        {"", "", "x", "x", "x", true, "", "Bitte Gültigkeitsbereich festlegen",
         "Missing data for validity range"},
        {"x", "", "", "x", "x", true, "", "Wert für H[1,1] fehlt", "Missing data for H[1,1]"},
        {"", "x", "5", "", "x", true, "", "Wert für n1 fehlt", "Missing data for n1"},
        {"x", "x", "5", "4", "", true, "", "Wert für n2 fehlt", "Missing data for n2"},
        {"1,5", "x", "x", "x", "x", true, "", "Fehlerhafter Von-Wert im Gültigkeitsbereich",
         "Invalid value for From in validity range"},
        {"-5", "30 ", "x", "x", "x", true, "", "Fehlerhafter Bis-Wert im Gültigkeitsbereich",
         "Invalid value for To in validity range"},
        {" ", "30", "x", "x", "x", true, "", "Fehlerhafter Von-Wert im Gültigkeitsbereich",
         "Invalid value for From in validity range"},
        {"", "+30", "5,0", "x", "x", true, "", "Fehlerhafter Wert für H[1,1]",
         "Invalid value for H[1,1]"},
        {"", "30", "5", ".", "x", true, "", "Fehlerhafter Wert für n1", "Invalid value for n1"},
        {"", "30", "5", "4", "2e", true, "", "Fehlerhafter Wert für n2", "Invalid value for n2"},
        {"", "30", "5", "4", "2", true, "", "Fehlerhafter Wert für dT", "Invalid value for dT"},
        {"", "+100", "5", "4", "2", true, "1e1",
         "Es existiert bereits ein Eintrag für diesen "
         "Zeitraum",
         "Values for this validity range already exists"},
        {"50", "150", "5", "4", "2", false, "x",
         "Die Zeitangaben überlappen sich mit:   0.0 bis T+100.0",
         "validity range overlaps with:   0.0 until T+100.0"},
    };
    TabelleSetzen({Satz(Komet, 0, 100)});
    Oeffnen();
    // Update runs the same checks; its two range checks leave out the chosen set,
    // here the only one, so only the first ten apply to it.
    const std::size_t anzahl = std::size(faelle);
    for (const auto& [knopf, bis] :
         {std::pair{"AddButton", anzahl}, std::pair{"UpdateButton", anzahl - 2}})
        for (std::size_t i = 0; i < bis; ++i) {
            const TFall& fall = faelle[i];
            SCOPED_TRACE(std::string(knopf) + " " + fall.deutsch);
            Eingeben(fall.von, fall.bis, fall.m0, fall.x, fall.n);
            Faktor()->setChecked(fall.faktor);
            Feld("FaktorEdit")->setText(fall.dt);
            meldungen.Leeren();
            Klick(knopf);
            ASSERT_EQ(meldungen.Eintraege().size(), 1u);
            EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Fehler);
            EXPECT_EQ(meldungen.Texte()[0], T(fall.deutsch, fall.englisch));
            EXPECT_EQ(AnzahlHellParameter, 1);
            EXPECT_EQ(HellParameterListe[1].H11, 5.5L);
            EXPECT_EQ(Feld("VonEdit")->text(), fall.von);  // no field cleared
        }
}

TEST_P(HellEditor, UeberlappungZaehltBeideEndenUndNenntDenLetztenSatz) {
    struct TFall {
        Extended von, bis;
        bool angenommen;
    };
    for (const TFall fall : {TFall{50, 150, false}, TFall{-50, 50, false}, TFall{100, 200, false},
                             TFall{-100, 0, false}, TFall{-50, 200, true}, TFall{101, 200, true}}) {
        SCOPED_TRACE(static_cast<double>(fall.von));
        TabelleSetzen({Satz(Komet, 0, 100)});
        Oeffnen();
        Eingeben(QString::number(static_cast<double>(fall.von)).toUtf8().constData(),
                 QString::number(static_cast<double>(fall.bis)).toUtf8().constData());
        Faktor()->setChecked(false);
        meldungen.Leeren();
        Klick("AddButton");
        EXPECT_EQ(AnzahlHellParameter, fall.angenommen ? 2 : 1);
        ASSERT_EQ(meldungen.Eintraege().size(), 1u);
        EXPECT_EQ(meldungen.Eintraege()[0].art,
                  fall.angenommen ? TMeldungsart::Information : TMeldungsart::Fehler);
    }

    // Two listed sets overlap: the later one in the list is named.
    TabelleSetzen({Satz(Komet, 200, 300), Satz(Komet, 0, 100)});
    Oeffnen();
    Eingeben("50", "250");
    Faktor()->setChecked(false);
    meldungen.Leeren();
    Klick("AddButton");
    EXPECT_EQ(meldungen.Texte(), std::vector<QString>{T("Die Zeitangaben überlappen sich mit: ",
                                                        "validity range overlaps with: ") +
                                                      "  0.0" + Bis() + "T+100.0"});
}

TEST_P(HellEditor, HinzufuegenSortiertDieGanzeTabelleUndZeigtDenErstenSatz) {
    TabelleSetzen(
        {Satz(Komet, 50, 60), Satz(Encke, -10, 0), Satz(Encke, 20, 25), Satz(Komet, 20, 30)});
    Oeffnen();
    Eingeben("70", "80", "6.5", "5", "-1e0");
    Faktor()->setChecked(false);
    Feld("FaktorEdit")->setText("kein dT");
    Klick("AddButton");
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Die Helligkeitsparameter wurden eingetragen",
                                     "The new brightness parameters are added")});
    ASSERT_EQ(AnzahlHellParameter, 5);
    EXPECT_EQ(VonWerte(), (std::vector<Extended>{-10, 20, 20, 50, 70}));
    EXPECT_EQ(HellParameterListe[2].Name, std::string(Encke));  // equal Von keep their order
    const THellParameter& neu = HellParameterListe[5];
    EXPECT_EQ(neu.Name, std::string(Komet));
    EXPECT_EQ(neu.Bis, 80.0L);
    EXPECT_EQ(neu.H11, 6.5L);
    EXPECT_EQ(neu.N1, 5.0L);
    EXPECT_EQ(neu.N2, -1.0L);
    EXPECT_FALSE(neu.Erweitert);
    EXPECT_EQ(neu.DT, 0.0L);
    // The list: the object's sets by Von, the smallest chosen and shown.
    EXPECT_EQ(Eintraege(),
              (std::vector<QString>{"T+ 20.0" + Bis() + "T+ 30.0", "T+ 50.0" + Bis() + "T+ 60.0",
                                    "T+ 70.0" + Bis() + "T+ 80.0"}));
    EXPECT_EQ(Liste()->currentIndex(), 0);
    EXPECT_EQ(Feld("VonEdit")->text(), " +20.0");

    // Only the end given: the start is 0 and has no "T"; a range the wrong way
    // round is stored as given. The sets are stored for the object the editor was
    // opened for, also after the main window changed its current object.
    AktObjekt = 2;
    Eingeben("", "10");
    Klick("AddButton");
    Eingeben("150", "100");
    Klick("AddButton");
    ASSERT_EQ(AnzahlHellParameter, 7);
    EXPECT_EQ(HellParameterListe[2].Name, std::string(Komet));
    EXPECT_EQ(HellParameterListe[2].Von, 0.0L);
    EXPECT_EQ(HellParameterListe[7].Von, 150.0L);
    EXPECT_EQ(HellParameterListe[7].Bis, 100.0L);
    EXPECT_EQ(Liste()->itemText(0), "  0.0" + Bis() + "T+ 10.0");
    EXPECT_EQ(Liste()->count(), 5);
}

TEST_P(HellEditor, LoeschenDesEinzigenSatzesLaesstListeUndFelderLeer) {
    TabelleSetzen({Satz(Encke, 30, 40), Satz(Komet, 5, 6, 5.5L, true, -3), Satz(Encke, 10, 20)});
    Oeffnen();
    Klick("DelButton");
    EXPECT_EQ(meldungen.Texte(), std::vector<QString>{T("Die Helligkeitsparameter wurden entfernt",
                                                        "The brightness parameters are removed")});
    EXPECT_EQ(VonWerte(), (std::vector<Extended>{10, 30}));
    EXPECT_EQ(Liste()->count(), 0);
    EXPECT_EQ(Felder(), std::vector<QString>(6));

    // With nothing chosen, Update and Delete do nothing.
    meldungen.Leeren();
    Eingeben("1", "2");
    Klick("UpdateButton");
    Klick("DelButton");
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_EQ(AnzahlHellParameter, 2);
}

TEST_P(HellEditor, DieTabelleHaeltTausendSaetzeUndVerliertKeinenAusVollerDatei) {
    std::vector<THellParameter> saetze;
    for (int k = 0; k < 1000; ++k) saetze.push_back(Satz(Encke, 1000 - k, 2000));
    TabelleSetzen(saetze);
    Oeffnen();
    Eingeben("1", "2");
    Faktor()->setChecked(false);
    meldungen.Leeren();
    Klick("AddButton");
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Die Tabelle der Helligkeitsparameter ist voll (höchstens "
                                     "1000 Einträge)",
                                     "The table of brightness parameters is full (at most 1000 "
                                     "entries)")});
    EXPECT_EQ(AnzahlHellParameter, 1000);

    // A "hell.dta" of 1001 records also fills the exchange slot: an update sorts
    // the whole table and keeps every set.
    saetze.push_back(Satz(Komet, -1, 0));
    TabelleSetzen(saetze);
    Oeffnen();
    ASSERT_EQ(Liste()->count(), 1);
    Feld("m0Edit")->setText("7");
    Klick("UpdateButton");
    ASSERT_EQ(AnzahlHellParameter, 1001);
    std::vector<Extended> erwartet{-1};
    for (int k = 1; k <= 1000; ++k) erwartet.push_back(k);
    EXPECT_EQ(VonWerte(), erwartet);
    EXPECT_EQ(HellParameterListe[1].H11, 7.0L);
    EXPECT_EQ(HellAuswahl[1], 1);
}

}  // namespace
}  // namespace zenaro
