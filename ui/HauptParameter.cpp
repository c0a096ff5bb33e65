// Main window: the calculation parameters, their check before every calculation
// and the check boxes that enable fields and keep flags in step.
//
// ParameterPruefen checks the fields in a fixed order and stops at the first bad
// one with an error box. Every field that passed is stored at once, into the
// settings (saved at exit) and into the derived calculation parameters that the
// ephemeris and the conjunction search read.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cfloat>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/Hilfen.hpp"
#include "engine/ShortString.hpp"
#include "engine/Zahltext.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

namespace {

// The text of a field as the data model holds text (Windows-1252).
std::string FeldText(const QString& text) { return Utf8NachWin1252(text.toStdString()); }

// Characters von..von+anzahl-1 (counted from 1) of a text, as far as it reaches.
std::string TextTeil(const std::string& text, std::size_t von, std::size_t anzahl) {
    if (von > text.size()) return {};
    return text.substr(von - 1, anzahl);
}

// Character i (counted from 1), or 0 when the text is too short to hold it: a
// short date or time then fails the format test.
char ZeichenAn(const std::string& text, std::size_t i) {
    return i <= text.size() ? text[i - 1] : 0;
}

// A real number held as a 32-bit float: the range tests are made on the float and
// the float is what is stored. A value beyond the float's range cannot be held
// and counts as a bad number.
bool ParameterReal(const std::string& text, Extended& wert) {
    Extended gelesen = 0.0L;
    if (!ZahlLesen(text, gelesen)) return false;
    if (gelesen > FLT_MAX || gelesen < -FLT_MAX) return false;
    wert = static_cast<Extended>(static_cast<float>(gelesen));
    return true;
}

// The messages of one date field, in the order of its tests.
struct TDatumsMeldungen {
    TextNr Eingeben, Format, Jahr, Monat, Tag;
};

// The messages of one time field.
struct TZeitMeldungen {
    TextNr Eingeben, Format, Stunden, Minuten;
};

// Shows the error box of the first bad field and sets the error flag.
void ParameterFehler(TextNr meldung, bool& Fehler) {
    FehlerMeldung(Text(meldung));
    Fehler = true;
}

// A date "TT.MM.JJJJ": the year is stored as soon as it reads, day and month
// after the day test, the text after that. False after the error box.
bool DatumPruefen(const QLineEdit& edit, const TDatumsMeldungen& m, std::int32_t& tag,
                  std::int32_t& monat, std::int32_t& jahr, ShortString<10>& datum, bool& Fehler) {
    const std::string text = FeldText(edit.text());
    if (text.empty()) {
        ParameterFehler(m.Eingeben, Fehler);
        return false;
    }
    if (ZeichenAn(text, 3) != '.' || ZeichenAn(text, 6) != '.') {
        ParameterFehler(m.Format, Fehler);
        return false;
    }
    std::int32_t j = 0;
    if (!GanzzahlLesen(TextTeil(text, 7, 4), j)) {
        ParameterFehler(m.Jahr, Fehler);
        return false;
    }
    jahr = j;
    std::int32_t mo = 0;
    if (!GanzzahlLesen(TextTeil(text, 4, 2), mo) || mo < 1 || mo > 12) {
        ParameterFehler(m.Monat, Fehler);
        return false;
    }
    std::int32_t t = 0;
    if (!GanzzahlLesen(TextTeil(text, 1, 2), t) || t < 1 || t > 31 || t > Monatslaenge(mo, j)) {
        ParameterFehler(m.Tag, Fehler);
        return false;
    }
    tag = t;
    monat = mo;
    datum = text;  // its first 10 characters
    return true;
}

// A time "HH:MM" (or "HH.MM"): hours of the day as h + min/60, then the text.
bool ZeitPruefen(const QLineEdit& edit, const TZeitMeldungen& m, Extended& stunde,
                 ShortString<5>& zeit, bool& Fehler) {
    const std::string text = FeldText(edit.text());
    if (text.empty()) {
        ParameterFehler(m.Eingeben, Fehler);
        return false;
    }
    if (ZeichenAn(text, 3) != '.' && ZeichenAn(text, 3) != ':') {
        ParameterFehler(m.Format, Fehler);
        return false;
    }
    Extended stunden = 0.0L;
    if (!ParameterReal(TextTeil(text, 1, 2), stunden) || stunden < 0.0L || stunden >= 24.0L) {
        ParameterFehler(m.Stunden, Fehler);
        return false;
    }
    Extended minuten = 0.0L;
    if (!ParameterReal(TextTeil(text, 4, 2), minuten) || minuten < 0.0L || minuten >= 60.0L) {
        ParameterFehler(m.Minuten, Fehler);
        return false;
    }
    stunde = minuten / 60.0L + stunden;
    zeit = text;  // its first 5 characters
    return true;
}

// An edit that must not be empty and must hold a real number; false after the
// error box of the first failing test.
bool RealFeld(const QLineEdit& edit, TextNr leer, TextNr fehlerhaft, Extended& wert, bool& Fehler) {
    const std::string text = FeldText(edit.text());
    if (text.empty()) {
        ParameterFehler(leer, Fehler);
        return false;
    }
    if (!ParameterReal(text, wert)) {
        ParameterFehler(fehlerhaft, Fehler);
        return false;
    }
    return true;
}

// A radius of the deep-sky or the conjunction search: above 0, at most 20 degrees.
bool RadiusGueltig(Extended radius) { return radius > 0.0L && radius <= 20.0L; }

}  // namespace

void THauptForm::ParameterPruefen(bool& Fehler) {
    Fehler = false;

    // 1. Start date.
    if (!DatumPruefen(
            *StartdatumEdit,
            {TextNr::ParStartdatumEingeben, TextNr::ParStartdatumFormat, TextNr::ParStartdatumJahr,
             TextNr::ParStartdatumMonat, TextNr::ParStartdatumTag},
            StartTag, StartMonat, StartJahr, Startdatum, Fehler))
        return;

    // 2. Stop date; the all-objects mode computes one instant, the start.
    if (AlleObjekteModus) {
        StopTag = StartTag;
        StopMonat = StartMonat;
        StopJahr = StartJahr;
    } else if (!DatumPruefen(
                   *StopdatumEdit,
                   {TextNr::ParStopdatumEingeben, TextNr::ParStopdatumFormat,
                    TextNr::ParStopdatumJahr, TextNr::ParStopdatumMonat, TextNr::ParStopdatumTag},
                   StopTag, StopMonat, StopJahr, Stopdatum, Fehler)) {
        return;
    }

    // 3. Start time.
    if (!ZeitPruefen(*Startzeitedit,
                     {TextNr::ParStartzeitEingeben, TextNr::ParStartzeitFormat,
                      TextNr::ParStartzeitStunden, TextNr::ParStartzeitMinuten},
                     StartStunde, Startzeit, Fehler))
        return;

    // 4. Stop time.
    if (AlleObjekteModus) {
        StopStunde = StartStunde;
    } else if (!ZeitPruefen(*StopzeitEdit,
                            {TextNr::ParStopzeitEingeben, TextNr::ParStopzeitFormat,
                             TextNr::ParStopzeitStunden, TextNr::ParStopzeitMinuten},
                            StopStunde, Stopzeit, Fehler)) {
        return;
    }

    // 5. Step; the all-objects mode takes one day and keeps the stored step.
    if (AlleObjekteModus) {
        SchrittweiteTage = 1;
        SchrittweiteStunden = 0.0L;
    } else {
        const std::string tageText = FeldText(TageEdit->text());
        if (tageText.empty()) return ParameterFehler(TextNr::ParTageEingeben, Fehler);
        std::int32_t tage = 0;
        if (!GanzzahlLesen(tageText, tage) || tage < 0)
            return ParameterFehler(TextNr::ParTageFehlerhaft, Fehler);
        const std::string stundenText = FeldText(StundenEdit->text());
        if (stundenText.empty()) return ParameterFehler(TextNr::ParStundenEingeben, Fehler);
        Extended stunden = 0.0L;
        if (!ParameterReal(stundenText, stunden) || stunden < 0.0L || stunden > 23.9999L)
            return ParameterFehler(TextNr::ParStundenFehlerhaft, Fehler);
        if (tage == 0 && stunden == 0.0L)
            return ParameterFehler(TextNr::ParSchrittweiteNull, Fehler);
        SchrittTage = tage;
        SchrittStunden = stunden;
        SchrittweiteTage = tage;
        SchrittweiteStunden = stunden;
    }

    // 6. Time zone. A typed name that is not one of the zones counts with offset
    // 0; it cannot be stored as an index, so the stored zone stays.
    const std::string zone = FeldText(ZoneComboBox->currentText());
    if (zone.empty()) return ParameterFehler(TextNr::ParZoneAuswaehlen, Fehler);
    ZonenOffset = ZonenVersatz(zone);
    if (const std::int32_t index = ZonenNummer(zone); index >= 0) ZonenIndex = index;

    // 7. Deep-sky radius, read only when passages are asked for.
    if (NGCCheckBox->isChecked()) {
        Extended radius = 0.0L;
        if (!RealFeld(*RadiusEdit, TextNr::ParRadiusEingeben, TextNr::ParRadiusFehlerhaft, radius,
                      Fehler))
            return;
        if (!RadiusGueltig(radius)) return ParameterFehler(TextNr::ParRadiusFehlerhaft, Fehler);
        DeepSkyRadius = radius;
    }

    // 8. Limiting magnitude of the all-objects list; any value is accepted.
    if (AlleObjekte) {
        Extended grenze = 0.0L;
        if (!RealFeld(*LimitEdit, TextNr::ParGrenzgroesseEingeben,
                      TextNr::ParGrenzgroesseFehlerhaft, grenze, Fehler))
            return;
        Grenzgroesse = grenze;
    }

    // 9. Altitude of the Sun that ends twilight, whole degrees, no range.
    const std::string hoeheText = FeldText(SonnenHoeheEdit->text());
    if (hoeheText.empty()) return ParameterFehler(TextNr::ParSonnenhoeheEingeben, Fehler);
    std::int32_t hoehe = 0;
    if (!GanzzahlLesen(hoeheText, hoehe))
        return ParameterFehler(TextNr::ParSonnenhoeheFehlerhaft, Fehler);
    DaemmerungsHoehe = hoehe;

    // 10. Conjunctions: limiting magnitude, then radius.
    if (KonjCheckBox->isChecked()) {
        Extended grenze = 0.0L;
        if (!RealFeld(*KLimitEdit, TextNr::ParKLimitEingeben, TextNr::ParKLimitFehlerhaft, grenze,
                      Fehler))
            return;
        KonjGrenzgroesse = grenze;
        Extended radius = 0.0L;
        if (!RealFeld(*KRadiusEdit, TextNr::ParKRadiusEingeben, TextNr::ParKRadiusFehlerhaft,
                      radius, Fehler))
            return;
        if (!RadiusGueltig(radius)) return ParameterFehler(TextNr::ParKRadiusFehlerhaft, Fehler);
        KonjRadius = radius;
    }
}

void THauptForm::NGCCheckBoxClick() {
    // DeepSkyAnzeigen is taken from the box by the calculation road.
    RadiusEdit->setEnabled(NGCCheckBox->isChecked());
}

void THauptForm::AllCheckBoxClick() {
    AlleObjekte = AllCheckBox->isChecked();
    SichtbareCheckBox->setEnabled(AlleObjekte);
    SortCheckBox->setEnabled(AlleObjekte);
    // The calculation road takes the sort flag from its box again, so both
    // editions compute the same.
    if (!Englisch) NachHelligkeitSortieren = SortCheckBox->isChecked();
}

void THauptForm::SichtbareCheckBoxClick() { NurSichtbare = SichtbareCheckBox->isChecked(); }

void THauptForm::KonjCheckBoxClick() {
    KRadiusEdit->setEnabled(KonjCheckBox->isChecked());
    KLimitEdit->setEnabled(KonjCheckBox->isChecked());
}

void THauptForm::HellCheckBoxClick() { HellButton->setEnabled(HellCheckBox->isChecked()); }

}  // namespace zenaro
