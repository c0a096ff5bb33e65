// A main window over a temporary data directory, for the tests of its creation,
// exit and editors: fixed settings and tables, recorded message boxes, both
// editions (the test parameter is `Englisch`).
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>

#include "Editionen.hpp"
#include "engine/Startverzeichnis.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"

namespace zenaro::test {

inline TBahnelement Objekt(const char* name, Extended tag = 23.5L) {
    TBahnelement objekt;
    objekt.Name = name;
    for (auto* datum : {&objekt.Perihel, &objekt.Epoche}) {
        (*datum)[1] = 2000.0L;
        (*datum)[2] = 1.0L;
        (*datum)[3] = tag;
    }
    objekt.Exzentrizitaet = 0.5L;
    objekt.Perihelabstand = 0.345L;
    objekt.GrosseHalbachse = 0.69L;
    objekt.Knoten = 10.0L;
    objekt.Perihelargument = 20.0L;
    objekt.Bahnneigung = 30.0L;
    objekt.Aequinoktium = 2000.0L;
    objekt.H11 = 10.0L;
    objekt.N = 4.0L;
    return objekt;
}

inline TOrt Ort(const char* name, Extended laenge, Extended breite) {
    TOrt ort;
    ort.Name = name;
    ort.Laenge = laenge;
    ort.Breite = breite;
    return ort;
}

class THauptfensterTest : public TEditionenTest {
protected:
    void SetUp() override {
        TEditionenTest::SetUp();
        DatenVerzeichnis = verzeichnis.Pfad() + "/";
        EinstellungenVorgabenSetzen("01.02.2026");
        AnzahlNGC = AnzahlIC = AnzahlSterne = 1;
        Objekte.Leeren();
        Orte.Leeren();
        HellParameterListe.Leeren();
        AnzahlHellParameter = 0;
        AnzahlObjekte = 3;
        Objekte[1] = Objekt("C/2020 F3");
        Objekte[2] = Objekt("1P/Halley");
        Objekte[3] = Objekt("2P/Encke");
        AnzahlOrte = 2;
        Orte[1] = Ort("Hamburg", -10.0L, 53.6L);
        Orte[2] = Ort("Wien", -16.4L, 48.2L);
        ObjektListeGeoeffnet = OrtListeGeoeffnet = false;
    }
    void TearDown() override {
        form.reset();
        TEditionenTest::TearDown();
    }

    // Creates the window from the globals as they are now.
    THauptForm& Form() {
        if (!form) form = std::make_unique<THauptForm>();
        return *form;
    }
    template <typename W = QLineEdit>
    W* Feld(const char* name) {
        auto* feld = Form().findChild<W*>(name);
        EXPECT_NE(feld, nullptr) << name;
        return feld;
    }
    TStartverzeichnis verzeichnis;
    TMeldungsRekorder meldungen;
    std::unique_ptr<THauptForm> form;
};

// A test that creates a main window of its own and fills its edit fields.
class THauptformFelder : public ::testing::Test {
protected:
    // Sets the text of the edit field of that name.
    void Setze(const char* name, const QString& text) {
        QLineEdit* edit = form->findChild<QLineEdit*>(name);
        ASSERT_NE(edit, nullptr) << name;
        edit->setText(text);
    }

    std::unique_ptr<THauptForm> form;
};

}  // namespace zenaro::test
