// The object elements editor: showing, the checks in their order with the
// numbers held as 32-bit floats, save, new, delete and the choice from the list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <filesystem>

#include "HauptUmgebung.hpp"
#include "engine/Datendateien.hpp"

namespace zenaro {
namespace {

using test::Objekt;

class HauptObjekte : public test::THauptfensterTest {
protected:
    // Fills the fields of a valid object; each test spoils one of them.
    void Gueltig() {
        Feld<QComboBox>("NameCombobox")->setEditText("C/2023 A3");
        Feld("PeriduEdit")->setText("2024-09-27.74");
        Feld("PerabsEdit")->setText("0.345");
        Feld("ExzenEdit")->setText("0.5");
        Feld("AknoEdit")->setText("21.5");
        Feld("PeknoEdit")->setText("308.5");
        Feld("BahnngEdit")->setText("139.1");
        Feld("AequinEdit")->setText("2000.0");
        Feld("M0Edit")->setText("4.5");
        Feld("LuminEdit")->setText("4.0");
        Feld("BemerkEdit")->setText("MPEC");
    }
    // Runs the check into object 1; the one message shown, or "" when none.
    QString Pruefen() {
        meldungen.Leeren();
        bool fehler = false;
        form->ObjektUebernehmen(fehler, 1);
        EXPECT_EQ(fehler, !meldungen.Eintraege().empty());
        return meldungen.Eintraege().empty() ? QString() : meldungen.Eintraege().back().text;
    }
    bool Bahnelemente() const {
        return std::filesystem::exists(verzeichnis.Pfad() + "/Bahnelem.dat");
    }
};

TEST_P(HauptObjekte, AnzeigeDerElemente) {
    Objekte[3] = Objekt("2P/Encke", 1.5L);
    Objekte[2].Exzentrizitaet = 1.2L;
    AnzahlHellParameter = 2;
    HellParameterListe[1].Name = "2p/encke";
    HellParameterListe[2].Name = "2P/Encke";
    Form();
    form->ObjektAnzeigen(3);
    EXPECT_EQ(Feld<QGroupBox>("ObjektBox")->title(),
              T(" Bahnelemente (3 von 3) ", " Orbital elements (3 out of 3) "));
    EXPECT_EQ(Feld("PeriduEdit")->text(), "2000-01-01.50000");
    EXPECT_EQ(Feld("PerabsEdit")->text(), "0.345000");
    EXPECT_EQ(Feld("ExzenEdit")->text(), "0.500000");
    EXPECT_EQ(Feld("GrohaEdit")->text(), "0.69000");
    EXPECT_EQ(Feld("AknoEdit")->text(), "10.00000");
    EXPECT_EQ(Feld("AequinEdit")->text(), "2000.0");
    EXPECT_EQ(Feld("LuminEdit")->text(), " 4.0");
    // The hint needs the exact name, case included.
    EXPECT_TRUE(Feld<QCheckBox>("HellHinweisCheckBox")->isChecked());
    form->ObjektAnzeigen(2);
    EXPECT_FALSE(Feld<QCheckBox>("HellHinweisCheckBox")->isChecked());
    EXPECT_TRUE(Feld("GrohaEdit")->text().isEmpty());

    // A day below 10 shown with its zero is saved back unchanged.
    form->ObjektAnzeigen(3);
    AktObjekt = 3;
    form->ObjektSpeicherButtonClick();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_EQ(Objekte[3].Perihel[3], 1.5L);
}

TEST_P(HauptObjekte, Periheldurchgang) {
    Form();
    const QString tag = T("Ungültiges Format für die Tagesangabe des Periheldurchgangs",
                          "Invalid format time of pericenter passage day");
    const QString format = T("Ungültiges Format für den Periheldurchgang (JJJJ-MM-TT.tttt)",
                             "Invalid format time of pericenter passage (YYYY-MM-DD.dddd)");
    const struct {
        const char* text;
        QString meldung;
    } faelle[] = {
        {"2000-04-30.5", ""},
        {"2000-02-29.9", ""},
        {"2000-01-31.75", ""},
        {"2000-01-23,5", ""},
        {"2001-02-29.0", tag},
        {"1900-02-29.0", tag},
        {"2000-04-31.0", tag},
        {"2000-01-00.5", tag},
        {"2000-01-23.x", tag},
        {"2000-13-01.0", T("Ungültiges Format für die Monatsangabe des Periheldurchgangs",
                           "Invalid format time of pericenter passage month")},
        {"20x0-01-01.0", T("Ungültiges Format für die Jahresangabe des Periheldurchgangs",
                           "Invalid format time of pericenter passage year")},
        {"2000/01/23.5", format},
        {"2000-01-23", format},
        {"", T("Periheldurchgang eingeben", "Enter time of pericenter passage")},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.text);
        Gueltig();
        Feld("PeriduEdit")->setText(fall.text);
        EXPECT_EQ(Pruefen(), fall.meldung);
    }
    // The comma is a decimal point; the day is held as a float.
    Gueltig();
    Feld("PeriduEdit")->setText("2000-01-23,45678");
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(Objekte[1].Perihel[3], static_cast<Extended>(23.45678f));
    EXPECT_EQ(Objekte[1].Epoche[3], Objekte[1].Perihel[3]);
}

TEST_P(HauptObjekte, ZahlenfelderUndIhreReihenfolge) {
    Form();
    // q and e: decimal comma, bounds.
    Gueltig();
    Feld("PerabsEdit")->setText("0,345");
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(Objekte[1].Perihelabstand, static_cast<Extended>(0.345f));
    EXPECT_EQ(Objekte[1].GrosseHalbachse, static_cast<Extended>(0.69f));
    EXPECT_EQ(Feld("GrohaEdit")->text(), "0.689999997615814");
    Feld("PerabsEdit")->setText("0");
    EXPECT_EQ(Pruefen(), T("Fehlerhafte Periheldistanz (q)", "Invalid pericenter distance (q)"));
    // A value beyond the range of a float is no number.
    Feld("PerabsEdit")->setText("1e39");
    EXPECT_EQ(Pruefen(), T("Fehlerhafte Periheldistanz (q)", "Invalid pericenter distance (q)"));
    Gueltig();
    Feld("ExzenEdit")->setText("0");
    EXPECT_EQ(Pruefen(), "");
    Gueltig();
    Feld("GrohaEdit")->setText("alt");
    Feld("ExzenEdit")->setText("1.2");
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(Feld("GrohaEdit")->text(), "alt");
    EXPECT_EQ(Objekte[1].GrosseHalbachse, 0.0L);
    EXPECT_EQ(Objekte[1].Name.Text(), "C/2023 A3");
    EXPECT_EQ(Objekte[1].Bemerkung.Text(), "MPEC");

    // The axis is shown even when a later check fails; nothing is stored then.
    Gueltig();
    Feld("GrohaEdit")->clear();
    Feld("PerabsEdit")->setText("1");
    Feld("AknoEdit")->clear();
    EXPECT_EQ(Pruefen(),
              T("Länge des aufsteigenden Knotens eingeben", "Enter longitude of ascending node"));
    EXPECT_EQ(Feld("GrohaEdit")->text(), "2");
    EXPECT_EQ(Objekte[1].Perihelabstand, static_cast<Extended>(0.345f));

    // The first bad field is reported, and only that one.
    Gueltig();
    Feld<QComboBox>("NameCombobox")->setEditText("");
    Feld("PerabsEdit")->clear();
    EXPECT_EQ(Pruefen(), T("Namen des Objekts eingeben", "Enter name of the object"));
    EXPECT_EQ(meldungen.Eintraege().size(), 1u);
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Fehler);

    const struct {
        const char* feld;
        const char* text;
        QString meldung;
    } faelle[] = {
        {"PeknoEdit", "-1", T("Fehlerhaftes Perihelargument", "Invalid argument of pericenter")},
        {"BahnngEdit", "", T("Bahnneigung eingeben", "Enter inclination")},
        {"AequinEdit", "0", T("Fehlerhaftes Äquiniktium", "Invalid aequinox")},
        {"AequinEdit", "2000 ", T("Fehlerhaftes Äquiniktium", "Invalid aequinox")},
        {"M0Edit", "", T("Grundhelligkeit H[1,1] eingeben", "Enter magnitude parameter m0")},
        {"LuminEdit", "4a", T("Fehlerhafter Luminiszenzfaktor n", "Invalid magnitude parameter n")},
        {"M0Edit", "-3.5", ""},
        {"AknoEdit", "0", ""},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(std::string(fall.feld) + " " + fall.text);
        Gueltig();
        Feld(fall.feld)->setText(fall.text);
        EXPECT_EQ(Pruefen(), fall.meldung);
    }
}

TEST_P(HauptObjekte, SpeichernSchreibtDieDateiAuchAbgelehntWirdNeuGezeigt) {
    Form();
    AktObjekt = 2;
    form->ObjektAnzeigen(2);
    Gueltig();
    Feld<QComboBox>("NameCombobox")->setEditText("");
    form->ObjektSpeicherButtonClick();
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Namen des Objekts eingeben", "Enter name of the object")});
    // The stored object is shown again, the list rebuilt, the change marked; no file.
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->currentText(), "1P/Halley");
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->count(), 3);
    EXPECT_EQ(Feld("AknoEdit")->text(), "10.00000");
    EXPECT_TRUE(ElementeGeaendert);
    EXPECT_FALSE(Bahnelemente());

    meldungen.Leeren();
    Gueltig();
    form->ObjektSpeicherButtonClick();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_EQ(Objekte[2].Name.Text(), "C/2023 A3");
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->itemText(1), "C/2023 A3");
    EXPECT_EQ(Feld("GrohaEdit")->text(), "0.69000");
    EXPECT_EQ(std::filesystem::file_size(verzeichnis.Pfad() + "/Bahnelem.dat"),
              3 * SatzgroesseBahnelement);
}

TEST_P(HauptObjekte, SchreibfehlerVerliertDieAenderungNicht) {
    Form();
    DatenVerzeichnis = verzeichnis.Pfad() + "/fehlt/";
    AktObjekt = 1;
    Gueltig();
    EXPECT_THROW(form->ObjektSpeicherButtonClick(), ELaufzeitfehler);
    // The stored object is marked for the exit and shown in the list.
    EXPECT_TRUE(ElementeGeaendert);
    EXPECT_EQ(Objekte[1].Name.Text(), "C/2023 A3");
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->itemText(0), "C/2023 A3");
}

TEST_P(HauptObjekte, NeuUndVolleTabelle) {
    Form();
    form->ObjektNeuButtonClick();
    EXPECT_EQ(AnzahlObjekte, 4);
    EXPECT_EQ(AktObjekt, 4);
    EXPECT_TRUE(ElementeGeaendert);
    EXPECT_FALSE(Bahnelemente());
    EXPECT_EQ(Objekte[4].Name.Text(), T("Neuer Eintrag", "new entry").toStdString());
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->count(), 4);
    EXPECT_EQ(Feld("PeriduEdit")->text(), "2000-01-23.45678");
    EXPECT_EQ(Feld("GrohaEdit")->text(), "0.69000");
    EXPECT_EQ(Feld("AknoEdit")->text(), "123.45600");
    EXPECT_EQ(Feld("M0Edit")->text(), "10.0");

    // A full table refuses a new object and keeps its count.
    AnzahlObjekte = MaxObjekte;
    form->ObjektNeuButtonClick();
    EXPECT_EQ(AnzahlObjekte, MaxObjekte);
    EXPECT_EQ(AktObjekt, 4);
    ASSERT_EQ(meldungen.Eintraege().size(), 1u);
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Fehler);
    EXPECT_TRUE(meldungen.Eintraege()[0].text.contains("1000"));
}

TEST_P(HauptObjekte, LoeschenBisZumLetztenObjekt) {
    Form();
    meldungen.SetzeAntwort(false);
    form->ObjektLoeschButtonClick();
    EXPECT_EQ(AnzahlObjekte, 3);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{T("Sollen diese Bahnelemente wirklich gelöscht werden?",
                                     "Do you really want to delete this orbital elements?")});
    EXPECT_FALSE(ElementeGeaendert);

    // The last by position: the new last one is shown.
    meldungen.SetzeAntwort(true);
    form->ObjektLoeschButtonClick();
    EXPECT_EQ(AnzahlObjekte, 2);
    EXPECT_EQ(AktObjekt, 2);
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->currentText(), "1P/Halley");
    EXPECT_TRUE(ElementeGeaendert);
    // In the middle: the next one moves into its place.
    AktObjekt = 1;
    form->ObjektLoeschButtonClick();
    EXPECT_EQ(AktObjekt, 1);
    EXPECT_EQ(Objekte[1].Name.Text(), "1P/Halley");
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->count(), 1);
    // The only one: empty fields, nothing more to save or delete.
    form->ObjektLoeschButtonClick();
    EXPECT_EQ(AnzahlObjekte, 0);
    EXPECT_EQ(AktObjekt, 0);
    EXPECT_TRUE(Feld("PeriduEdit")->text().isEmpty());
    EXPECT_FALSE(Feld<QPushButton>("ObjektSpeicherButton")->isEnabled());
    EXPECT_FALSE(Feld<QPushButton>("ObjektLoeschButton")->isEnabled());
    EXPECT_FALSE(Bahnelemente());
}

TEST_P(HauptObjekte, NurEineWahlAusDerAufgeklapptenListeWechseltDasObjekt) {
    Form();
    auto* liste = Feld<QComboBox>("NameCombobox");
    // Chosen by keyboard, the list closed: the object stays.
    liste->setCurrentIndex(0);
    form->NameComboboxChange();
    EXPECT_EQ(AktObjekt, 3);
    liste->showPopup();
    EXPECT_TRUE(ObjektListeGeoeffnet);
    liste->hidePopup();
    liste->setCurrentIndex(0);
    form->NameComboboxChange();
    EXPECT_EQ(AktObjekt, 1);
    EXPECT_FALSE(ObjektListeGeoeffnet);
    EXPECT_EQ(Feld<QGroupBox>("ObjektBox")->title(),
              T(" Bahnelemente (1 von 3) ", " Orbital elements (1 out of 3) "));
}

// A name or remark longer than its field stands there from its beginning.
TEST_P(HauptObjekte, LangerNameUndBemerkungZeigenIhrenAnfang) {
    Objekte[2] = Objekt("Bernardinelli-Bernstein C/2014 UN271 (Oortsche Wolke)");
    Objekte[2].Bemerkung = "MPEC 2021-M53, Bahn aus 1200 Beobachtungen von 2014 bis 2021";
    Form();
    form->ObjektAnzeigen(2);
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->lineEdit()->cursorPosition(), 0);
    EXPECT_EQ(Feld("BemerkEdit")->cursorPosition(), 0);
}

// The object name, the remark and the location name are stored in single-byte
// files, the zone name is printed in every output: a character without a
// Windows-1252 byte is refused as it is typed or pasted, so nothing typed is
// altered on saving; the code page's own characters are taken and stored as their
// bytes.
TEST_P(HauptObjekte, NamenUndBemerkungNehmenNurZeichenDerEinbytedateien) {
    Form();
    // A key press goes to the field itself: the application's delivery would first
    // create the window system's default keyboard, which outlives the application.
    const QInputDevice tastatur("Tastatur", 1, QInputDevice::DeviceType::Keyboard);
    auto tippen = [&tastatur](QLineEdit* feld, const QString& zeichen) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, 0, 0, 0, zeichen, false, 1, &tastatur);
        static_cast<QObject*>(feld)->event(&druck);
    };
    auto einfuegen = [](QLineEdit* feld, const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        feld->paste();
    };
    QLineEdit* ortsname = Feld<QComboBox>("OrtComboBox")->lineEdit();
    for (QLineEdit* feld : {Feld<QComboBox>("NameCombobox")->lineEdit(), Feld("BemerkEdit"),
                            ortsname, Feld<QComboBox>("ZoneComboBox")->lineEdit()}) {
        feld->clear();
        for (const char* zeichen : {"\u00e4", "\u0416", "\u00df", "\U0001F600", "\u20ac"})
            tippen(feld, QString::fromUtf8(zeichen));
        einfuegen(feld, QString::fromUtf8(" \u041a\u043e\u043c\u0435\u0442"));
        einfuegen(feld, QString::fromUtf8(" M\u00fcller \U0001F52D"));
        einfuegen(feld, QString::fromUtf8(" M\u00fcller \u00a7 \u2030"));
        EXPECT_EQ(feld->text().toStdString(), "\u00e4\u00df\u20ac M\u00fcller \u00a7 \u2030")
            << feld->objectName().toStdString();
    }
    bool fehler = false;
    form->ObjektUebernehmen(fehler, 1);
    ASSERT_FALSE(fehler);
    const std::string gespeichert = "\xe4\xdf\x80 M\xfcller \xa7 \x89";
    EXPECT_EQ(Objekte[1].Name.Text(), gespeichert);
    EXPECT_EQ(Objekte[1].Bemerkung.Text(), gespeichert);
    form->OrtUebernehmen(fehler, 1);
    ASSERT_FALSE(fehler);
    EXPECT_EQ(Orte[1].Name.Text(), gespeichert);
}

INSTANTIATE_TEST_SUITE_P(Ausgaben, HauptObjekte, ::testing::Bool());

}  // namespace
}  // namespace zenaro
