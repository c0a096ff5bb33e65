// The main window's parameter check: the order of the fields, each field's tests
// and message in both editions, what is stored when, and the check boxes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <string>
#include <vector>

#include "HauptUmgebung.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"

namespace zenaro {
namespace {

class HauptParameter : public test::THauptformFelder {
protected:
    void SetUp() override {
        test::Anwendung();
        Englisch = false;
        AnzahlObjekte = 0;
        AnzahlOrte = 0;
        AlleObjekte = false;
        AlleObjekteModus = false;
        form = std::make_unique<THauptForm>();
        // A valid set of fields; each test spoils what it looks at.
        Setze("StartdatumEdit", "01.03.2024");
        Setze("Startzeitedit", "20:15");
        Setze("StopdatumEdit", "05.04.2025");
        Setze("StopzeitEdit", "22:30");
        Setze("TageEdit", "1");
        Setze("StundenEdit", "0.1");
        form->ZoneComboBox->setEditText("MEZ");
        form->NGCCheckBox->setChecked(true);
        Setze("RadiusEdit", "2.5");
        Setze("LimitEdit", "11.5");
        Setze("SonnenHoeheEdit", "-12");
        form->KonjCheckBox->setChecked(true);
        Setze("KLimitEdit", "10");
        Setze("KRadiusEdit", "1.5");
        meldungen.Leeren();
    }
    void TearDown() override {
        form.reset();
        Englisch = false;
        AlleObjekte = false;
        AlleObjekteModus = false;
    }

    // Runs the check; the message shown, or "" when it passed.
    QString Pruefen() {
        meldungen.Leeren();
        bool fehler = true;
        form->ParameterPruefen(fehler);
        EXPECT_EQ(fehler, !meldungen.Eintraege().empty());
        EXPECT_LE(meldungen.Eintraege().size(), 1u);
        if (meldungen.Eintraege().empty()) return {};
        EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Fehler);
        return meldungen.Eintraege()[0].text;
    }

    TMeldungsRekorder meldungen;
};

TEST_F(HauptParameter, GueltigeFelderWerdenGespeichert) {
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(StartTag, 1);
    EXPECT_EQ(StartMonat, 3);
    EXPECT_EQ(StartJahr, 2024);
    EXPECT_EQ(StopTag, 5);
    EXPECT_EQ(StopMonat, 4);
    EXPECT_EQ(StopJahr, 2025);
    EXPECT_EQ(StartStunde, 15.0L / 60.0L + 20.0L);
    EXPECT_EQ(StopStunde, 22.5L);
    EXPECT_EQ(Startdatum.Text(), "01.03.2024");
    EXPECT_EQ(Stopdatum.Text(), "05.04.2025");
    EXPECT_EQ(Startzeit.Text(), "20:15");
    EXPECT_EQ(Stopzeit.Text(), "22:30");
    EXPECT_EQ(SchrittTage, 1);
    EXPECT_EQ(SchrittweiteTage, 1);
    // Real fields pass through a 32-bit float.
    EXPECT_EQ(SchrittStunden, static_cast<Extended>(0.1f));
    EXPECT_EQ(SchrittweiteStunden, static_cast<Extended>(0.1f));
    EXPECT_NE(SchrittStunden, 0.1L);
    EXPECT_EQ(ZonenOffset, 1.0L);
    EXPECT_EQ(ZonenIndex, 31);
    EXPECT_EQ(DeepSkyRadius, 2.5L);
    EXPECT_EQ(DaemmerungsHoehe, -12);
    EXPECT_EQ(KonjGrenzgroesse, 10.0L);
    EXPECT_EQ(KonjRadius, 1.5L);
}

// Every field spoilt: the fields are repaired in the documented order, and each
// check names the next bad field; nothing after the bad field is taken over.
TEST_F(HauptParameter, ReihenfolgeDerFelder) {
    AlleObjekte = true;  // the limit field is read
    struct TFeld {
        const char* name;
        const char* schlecht;
        const char* gut;
        const char* deutsch;
        const char* englisch;
    };
    const std::vector<TFeld> felder{
        {"StartdatumEdit", "", "02.01.2030", "Startdatum eingeben", "Enter start date"},
        {"StopdatumEdit", "", "03.01.2030", "Stopdatum eingeben", "Enter stop date"},
        {"Startzeitedit", "", "10:00", "Startzeit eingeben", "Enter start time"},
        {"StopzeitEdit", "", "11:00", "Stopzeit eingeben", "Enter stop time"},
        {"TageEdit", "", "3", "Tagesangabe der Schrittweite eingeben", "Enter step width days"},
        {"StundenEdit", "", "2", "Stundenangabe der Schrittweite eingeben",
         "Enter step width hours"},
        {"Zone", "", "GMT", "Zeitzone auswählen", "Enter time zone"},
        {"RadiusEdit", "", "3", "Radius eingeben", "Enter radius"},
        {"LimitEdit", "", "9", "Grenzgröße eingeben", "Enter limiting magnitude"},
        {"SonnenHoeheEdit", "", "-6", "Sonnenhöhe für Dämmerung eingeben (nur ganzzahlige Werte)",
         "Enter altitude of sun for night (no fractional values)"},
        {"KLimitEdit", "", "8", "Grenzgröße für Konjunktionen eingeben",
         "Enter limiting magnitude for conjunctions"},
        {"KRadiusEdit", "", "4", "Radius für Konjunktionen eingeben",
         "Enter radius for conjunctions"},
    };
    auto setze = [&](const char* name, const char* text) {
        if (std::string(name) == "Zone")
            form->ZoneComboBox->setEditText(text);
        else
            Setze(name, text);
    };
    for (const TFeld& f : felder) setze(f.name, f.schlecht);
    SchrittTage = 77;
    DaemmerungsHoehe = 77;
    for (const TFeld& f : felder) {
        EXPECT_EQ(Pruefen(), f.deutsch);
        Englisch = true;
        EXPECT_EQ(Pruefen(), f.englisch);
        Englisch = false;
        setze(f.name, f.gut);
    }
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(SchrittTage, 3);
    EXPECT_EQ(DaemmerungsHoehe, -6);

    // A bad month leaves the new year stored, and nothing after it.
    StartTag = StartMonat = StopJahr = 0;
    Setze("StartdatumEdit", "01.13.2031");
    Setze("TageEdit", "5");
    EXPECT_EQ(Pruefen(), "Fehlerhafte Monatsangabe im Startdatum");
    EXPECT_EQ(StartJahr, 2031);
    EXPECT_EQ(StartMonat, 0);
    EXPECT_EQ(StopJahr, 0);
    EXPECT_EQ(SchrittTage, 3);
    EXPECT_EQ(Startdatum.Text(), "02.01.2030");
}

// Each test of each field with its message in both editions.
TEST_F(HauptParameter, MeldungenBeiderAusgaben) {
    struct TFall {
        const char* name;
        const char* text;
        const char* deutsch;
        const char* englisch;
    };
    const std::vector<TFall> faelle{
        {"StartdatumEdit", "1.03.2024", "Fehlerhaftes Startdatum (TT.MM.JJJJ)",
         "Invalid start date (DD.MM.YYYY)"},
        {"StartdatumEdit", "01.03", "Fehlerhaftes Startdatum (TT.MM.JJJJ)",
         "Invalid start date (DD.MM.YYYY)"},
        {"StartdatumEdit", "01.03.20x4", "Fehlerhafte Jahresangabe im Startdatum",
         "Invalid start date year"},
        {"StartdatumEdit", "01.03.", "Fehlerhafte Jahresangabe im Startdatum",
         "Invalid start date year"},
        {"StartdatumEdit", "01.00.2024", "Fehlerhafte Monatsangabe im Startdatum",
         "Invalid start date month"},
        {"StartdatumEdit", "00.01.2024", "Fehlerhafte Tagesangabe im Startdatum",
         "Invalid start date day"},
        {"StopdatumEdit", "01/03/2024", "Fehlerhaftes Stopdatum (TT.MM.JJJJ)",
         "Invalid stop date format (DD.MM.YYYY)"},
        {"StopdatumEdit", "01.03.ABCD", "Fehlerhafte Jahresangabe im Stopdatum",
         "Invalid stop date year"},
        {"StopdatumEdit", "01.1x.2024", "Fehlerhafte Monatsangabe im Stopdatum",
         "Invalid stop date month"},
        {"StopdatumEdit", "32.01.2024", "Fehlerhafte Tagesangabe im Stopdatum",
         "Invalid stop date day"},
        {"Startzeitedit", "7:30", "Ungültige Startzeitangabe (HH:MM)",
         "Invalid start time format (HH:MM)"},
        {"Startzeitedit", "24:00", "Ungültige Stundenangabe bei Startzeit",
         "Invalid start time hours"},
        {"Startzeitedit", "23:60", "Ungültige Minutenangabe bei Startzeit",
         "Invalid start time minutes"},
        {"StopzeitEdit", "12", "Ungültige Stopzeitangabe (HH:MM)",
         "Invalid stop time format (HH:MM)"},
        {"StopzeitEdit", "-1:00", "Ungültige Stundenangabe bei Stopzeit",
         "Invalid stop time hours"},
        {"StopzeitEdit", "12:3,", "Ungültige Minutenangabe bei Stopzeit",
         "Invalid stop time minutes"},
        {"TageEdit", "-1", "Fehlerhafte Tagesangabe der Schrittweite", "Invalid step width days"},
        {"TageEdit", "1.5", "Fehlerhafte Tagesangabe der Schrittweite", "Invalid step width days"},
        {"TageEdit", "99999999999", "Fehlerhafte Tagesangabe der Schrittweite",
         "Invalid step width days"},
        {"StundenEdit", "0,5", "Fehlerhafte Stundenangabe der Schrittweite",
         "Invalid step width hours"},
        {"StundenEdit", "23.9999", "Fehlerhafte Stundenangabe der Schrittweite",
         "Invalid step width hours"},
        {"StundenEdit", "-0.5", "Fehlerhafte Stundenangabe der Schrittweite",
         "Invalid step width hours"},
        {"RadiusEdit", "20.01", "Fehlerhafter Radius", "Invalid radius"},
        {"RadiusEdit", "0", "Fehlerhafter Radius", "Invalid radius"},
        {"RadiusEdit", "2 ", "Fehlerhafter Radius", "Invalid radius"},
        {"SonnenHoeheEdit", "-12.5", "Sonnenhöhe für Dämmerung fehlerhaft",
         "Invalid altitude of sun for night"},
        {"KLimitEdit", "x", "Fehlerhafte Grenzgröße für Konjunktionen",
         "Invalid limiting magnitude for conjunctions"},
        {"KLimitEdit", "1e40", "Fehlerhafte Grenzgröße für Konjunktionen",
         "Invalid limiting magnitude for conjunctions"},
        {"KRadiusEdit", "21", "Fehlerhafter Radius für Konjunktionen",
         "Invalid radius for conjunctions"},
        {"KRadiusEdit", "-1", "Fehlerhafter Radius für Konjunktionen",
         "Invalid radius for conjunctions"},
    };
    for (bool englisch : {false, true}) {
        Englisch = englisch;
        for (const TFall& f : faelle) {
            QLineEdit* edit = form->findChild<QLineEdit*>(f.name);
            const QString gut = edit->text();
            edit->setText(f.text);
            EXPECT_EQ(Pruefen(), englisch ? f.englisch : f.deutsch) << f.name << " " << f.text;
            edit->setText(gut);
        }
        Setze("TageEdit", "0");
        Setze("StundenEdit", "0");
        EXPECT_EQ(Pruefen(), englisch ? "You entered a zero step width value"
                                      : "Die Schrittweite 0 ist nicht erlaubt");
        Setze("TageEdit", "1");
        AlleObjekte = true;
        Setze("LimitEdit", "9..5");
        EXPECT_EQ(Pruefen(), englisch ? "Invalid limiting magnitude" : "Fehlerhafte Grenzgröße");
        Setze("LimitEdit", "9.5");
        AlleObjekte = false;
    }
}

TEST_F(HauptParameter, GrenzfaelleDerFelder) {
    struct TFall {
        const char* name;
        const char* text;
    };
    // Accepted values, among them the borders of every range.
    for (const TFall& f : std::vector<TFall>{{"StartdatumEdit", "30.04.2024"},
                                             {"StartdatumEdit", "29.02.2024"},
                                             {"StartdatumEdit", "29.02.2000"},
                                             {"StartdatumEdit", "31.12.2024"},
                                             {"Startzeitedit", "07.30"},
                                             {"Startzeitedit", "23:59"},
                                             {"Startzeitedit", " 7:05"},
                                             {"TageEdit", "+0"},
                                             {"StundenEdit", "23.9998"},
                                             {"StundenEdit", "5e-1"},
                                             {"RadiusEdit", "20"},
                                             {"SonnenHoeheEdit", "5"},
                                             {"KLimitEdit", "-30"}}) {
        QLineEdit* edit = form->findChild<QLineEdit*>(f.name);
        const QString gut = edit->text();
        edit->setText(f.text);
        if (std::string(f.name) == "TageEdit") Setze("StundenEdit", "0.5");
        EXPECT_EQ(Pruefen(), "") << f.name << " " << f.text;
        edit->setText(gut);
    }
    Setze("Startzeitedit", "07.30");
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(StartStunde, 7.5L);
    EXPECT_EQ(Startzeit.Text(), "07.30");

    // Refused days of the month.
    for (const char* datum : {"31.04.2024", "29.02.2023", "29.02.1900", "31.06.2024"}) {
        Setze("StartdatumEdit", datum);
        EXPECT_EQ(Pruefen(), "Fehlerhafte Tagesangabe im Startdatum") << datum;
    }
    Setze("StartdatumEdit", "01.03.2024");

    // Fields of options that are off are not read at all.
    form->NGCCheckBox->setChecked(false);
    form->KonjCheckBox->setChecked(false);
    DeepSkyRadius = 7.0L;
    KonjRadius = 7.0L;
    Setze("RadiusEdit", "kein Radius");
    Setze("KLimitEdit", "");
    Setze("KRadiusEdit", "99");
    Setze("LimitEdit", "");  // AlleObjekte is off
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(DeepSkyRadius, 7.0L);
    EXPECT_EQ(KonjRadius, 7.0L);

    // A typed zone that is not in the list counts with offset 0; the stored zone
    // index stays, as the name cannot be stored.
    ZonenIndex = 28;
    form->ZoneComboBox->setEditText("XYZ");
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(ZonenOffset, 0.0L);
    EXPECT_EQ(ZonenIndex, 28);
    form->ZoneComboBox->setEditText("NZDT");
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(ZonenOffset, 13.0L);
    EXPECT_EQ(ZonenIndex, 36);
}

// In the all-objects mode the stop and the step fields are skipped: the run
// covers one instant with a step of one day, the stored stop and step stay.
TEST_F(HauptParameter, AlleObjekteModusUeberspringtStopUndSchritt) {
    AlleObjekteModus = true;
    Stopdatum = "09.09.1999";
    Stopzeit = "09:09";
    SchrittTage = 4;
    SchrittStunden = 2.0L;
    for (const char* name : {"StopdatumEdit", "StopzeitEdit", "TageEdit", "StundenEdit"})
        Setze(name, "");
    EXPECT_EQ(Pruefen(), "");
    EXPECT_EQ(StopTag, 1);
    EXPECT_EQ(StopMonat, 3);
    EXPECT_EQ(StopJahr, 2024);
    EXPECT_EQ(StopStunde, StartStunde);
    EXPECT_EQ(SchrittweiteTage, 1);
    EXPECT_EQ(SchrittweiteStunden, 0.0L);
    EXPECT_EQ(Stopdatum.Text(), "09.09.1999");
    EXPECT_EQ(Stopzeit.Text(), "09:09");
    EXPECT_EQ(SchrittTage, 4);
    EXPECT_EQ(SchrittStunden, 2.0L);
}

TEST_F(HauptParameter, KontrollkaestchenSchaltenFelderUndMerker) {
    form->NGCCheckBox->click();
    EXPECT_FALSE(form->RadiusEdit->isEnabled());
    form->NGCCheckBox->click();
    EXPECT_TRUE(form->RadiusEdit->isEnabled());

    form->KonjCheckBox->click();
    EXPECT_FALSE(form->KRadiusEdit->isEnabled());
    EXPECT_FALSE(form->KLimitEdit->isEnabled());
    form->KonjCheckBox->click();
    EXPECT_TRUE(form->KRadiusEdit->isEnabled());
    EXPECT_TRUE(form->KLimitEdit->isEnabled());

    form->HellCheckBox->click();
    EXPECT_TRUE(form->HellButton->isEnabled());
    form->HellCheckBox->click();
    EXPECT_FALSE(form->HellButton->isEnabled());

    // The all-objects box: its flag and the two boxes that belong to the mode;
    // the German edition also takes the sort flag from its box.
    form->SortCheckBox->setChecked(true);
    for (bool englisch : {false, true}) {
        Englisch = englisch;
        NachHelligkeitSortieren = false;
        form->AllCheckBox->setChecked(false);
        form->AllCheckBox->click();
        EXPECT_TRUE(AlleObjekte);
        EXPECT_TRUE(form->SichtbareCheckBox->isEnabled());
        EXPECT_TRUE(form->SortCheckBox->isEnabled());
        EXPECT_EQ(NachHelligkeitSortieren, !englisch);
        const bool sichtbar = form->SichtbareCheckBox->isChecked();
        form->SichtbareCheckBox->click();
        EXPECT_EQ(NurSichtbare, !sichtbar);
        form->AllCheckBox->click();
        EXPECT_FALSE(AlleObjekte);
        EXPECT_FALSE(form->SichtbareCheckBox->isEnabled());
        EXPECT_FALSE(form->SortCheckBox->isEnabled());
    }
}

}  // namespace
}  // namespace zenaro
