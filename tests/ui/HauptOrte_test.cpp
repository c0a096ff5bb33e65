// The observing locations editor: showing with the hemisphere lists, the checks
// that store each part as soon as it passed, new, delete and the list choice.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <filesystem>

#include "HauptUmgebung.hpp"
#include "engine/Datendateien.hpp"

namespace zenaro {
namespace {

class HauptOrte : public test::THauptfensterTest {
protected:
    QString Ost() const { return T("O", "E"); }
    bool OrteDatei() const { return std::filesystem::exists(verzeichnis.Pfad() + "/Orte.dat"); }
};

TEST_P(HauptOrte, NeuerOrtUndVolleTabelle) {
    Form();
    form->OrtNeuButtonClick();
    EXPECT_EQ(AnzahlOrte, 3);
    EXPECT_EQ(AktOrt, 3);
    EXPECT_EQ(Orte[3].Name.Text(), T("Neuer Ort", "new location").toStdString());
    EXPECT_EQ(Orte[3].Laenge, -10.0L);
    EXPECT_EQ(Feld<QGroupBox>("OrtBox")->title(),
              T(" Beobachtungsort (3 von 3) ", " Observing location (3 out of 3) "));
    EXPECT_EQ(Feld<QComboBox>("OrtComboBox")->currentText(), T("Neuer Ort", "new location"));
    EXPECT_EQ(Feld("LambdaEdit")->text(), "10.00");
    EXPECT_EQ(Feld<QComboBox>("OWComboBox")->currentText(), Ost());
    EXPECT_EQ(Feld("PhiEdit")->text(), "53.60");
    EXPECT_EQ(Feld<QComboBox>("NSComboBox")->currentText(), "N");
    EXPECT_FALSE(OrteDatei());

    AnzahlOrte = MaxOrte;
    form->OrtNeuButtonClick();
    EXPECT_EQ(AnzahlOrte, MaxOrte);
    EXPECT_EQ(AktOrt, 3);
    ASSERT_EQ(meldungen.Eintraege().size(), 1u);
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Fehler);
    EXPECT_TRUE(meldungen.Eintraege()[0].text.contains("2000"));
}

TEST_P(HauptOrte, SpeichernMitHalbkugelnUndZahlen) {
    Form();
    Feld<QComboBox>("OrtComboBox")->setEditText("Kapstadt");
    Feld("PhiEdit")->setText("48,5");
    Feld<QComboBox>("NSComboBox")->setEditText("S");
    Feld("LambdaEdit")->setText("-7");
    Feld<QComboBox>("OWComboBox")->setEditText(Ost());
    form->OrtSpeicherButtonClick();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_EQ(Orte[1].Name.Text(), "Kapstadt");
    EXPECT_EQ(Orte[1].Breite, -48.5L);
    EXPECT_EQ(Orte[1].Laenge, 7.0L);
    EXPECT_EQ(Feld("PhiEdit")->text(), "48.50");
    EXPECT_EQ(Feld<QComboBox>("NSComboBox")->currentText(), "S");
    EXPECT_EQ(Feld("LambdaEdit")->text(), " 7.00");
    EXPECT_EQ(Feld<QComboBox>("OWComboBox")->currentText(), "W");
    EXPECT_EQ(Feld<QComboBox>("OrtComboBox")->itemText(0), "Kapstadt");
    EXPECT_EQ(std::filesystem::file_size(verzeichnis.Pfad() + "/Orte.dat"), 2 * SatzgroesseOrt);

    // Only the exact upper-case letter turns the sign; a float holds the value.
    Feld("PhiEdit")->setText("0.1");
    Feld<QComboBox>("NSComboBox")->setEditText("s");
    Feld<QComboBox>("OWComboBox")->setEditText(GetParam() ? "O" : "E");
    form->OrtSpeicherButtonClick();
    EXPECT_EQ(Orte[1].Breite, static_cast<Extended>(0.1f));
    EXPECT_EQ(Orte[1].Laenge, 7.0L);
}

TEST_P(HauptOrte, FehlerLassenDieSchonGeprueftenTeileInDerTabelle) {
    Form();
    Feld<QComboBox>("OrtComboBox")->setEditText("Bremen");
    Feld("PhiEdit")->setText("53.1");
    Feld("LambdaEdit")->clear();
    form->OrtSpeicherButtonClick();
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Geogr. Länge eingeben", "Enter longitude")});
    EXPECT_EQ(Orte[1].Name.Text(), "Bremen");
    EXPECT_EQ(Orte[1].Breite, static_cast<Extended>(53.1f));
    EXPECT_EQ(Orte[1].Laenge, -10.0L);
    EXPECT_FALSE(OrteDatei());
    // The fields show the table again, with the new name in the list.
    EXPECT_EQ(Feld<QComboBox>("OrtComboBox")->itemText(0), "Bremen");
    EXPECT_EQ(Feld("LambdaEdit")->text(), "10.00");

    const struct {
        const char* phi;
        const char* lambda;
        QString meldung;
    } faelle[] = {
        {"", "1", T("Geogr. Breite eingeben", "Enter latitude")},
        {"5x", "1", T("Geogr. Breite fehlerhaft", "Invalid latitude")},
        {"5", "1..", T("Geogr. Länge fehlerhaft", "Invalid longitude")},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.phi);
        meldungen.Leeren();
        Feld("PhiEdit")->setText(fall.phi);
        Feld("LambdaEdit")->setText(fall.lambda);
        bool fehler = false;
        form->OrtUebernehmen(fehler, 1);
        EXPECT_TRUE(fehler);
        EXPECT_EQ(meldungen.Texte(), std::vector<QString>{fall.meldung});
    }
    meldungen.Leeren();
    Feld<QComboBox>("OrtComboBox")->setEditText("");
    form->OrtSpeicherButtonClick();
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Bezeichnung des Beobachtungsortes eingeben",
                                     "Enter name of observing location")});
}

TEST_P(HauptOrte, LoeschenUndListenwahl) {
    Form();
    auto* liste = Feld<QComboBox>("OrtComboBox");
    // The list closed: no switch; opened: the chosen location.
    liste->setCurrentIndex(1);
    form->OrtComboBoxChange();
    EXPECT_EQ(AktOrt, 1);
    liste->showPopup();
    liste->hidePopup();
    liste->setCurrentIndex(1);
    form->OrtComboBoxChange();
    EXPECT_EQ(AktOrt, 2);
    EXPECT_FALSE(OrtListeGeoeffnet);

    meldungen.SetzeAntwort(false);
    form->OrtLoeschButtonClick();
    EXPECT_EQ(AnzahlOrte, 2);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Soll dieser Beobachtungsort wirklich gelöscht werden?",
                                     "Do you really want to delete this observing location?")});
    meldungen.SetzeAntwort(true);
    // The last by position: the new last one is current.
    form->OrtLoeschButtonClick();
    EXPECT_EQ(AnzahlOrte, 1);
    EXPECT_EQ(AktOrt, 1);
    EXPECT_EQ(liste->currentText(), "Hamburg");
    EXPECT_EQ(liste->count(), 1);
    // The only one: none is current, the fields are empty.
    form->OrtLoeschButtonClick();
    EXPECT_EQ(AnzahlOrte, 0);
    EXPECT_EQ(AktOrt, 0);
    EXPECT_TRUE(Feld("PhiEdit")->text().isEmpty());
    EXPECT_FALSE(Feld<QPushButton>("OrtSpeicherButton")->isEnabled());
    EXPECT_FALSE(OrteDatei());
}

// A name longer than the field stands there from its beginning, as chosen from
// the list and after a save.
TEST_P(HauptOrte, LangerNameZeigtSeinenAnfang) {
    Orte[2] = test::Ort("South African Astronomical Observatory, Sutherland", -20.81L, -32.38L);
    Form();
    auto* liste = Feld<QComboBox>("OrtComboBox");
    liste->showPopup();
    liste->hidePopup();
    liste->setCurrentIndex(1);
    form->OrtComboBoxChange();
    ASSERT_EQ(AktOrt, 2);
    EXPECT_EQ(liste->lineEdit()->cursorPosition(), 0);
    form->OrtSpeicherButtonClick();
    EXPECT_EQ(liste->lineEdit()->cursorPosition(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ausgaben, HauptOrte, ::testing::Bool());

}  // namespace
}  // namespace zenaro
