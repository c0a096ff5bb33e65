// Main window: the editor of the current object's orbital elements. The box
// shows AktObjekt; New appends an object with default elements, Save checks the
// fields and stores them into the current object and rewrites the elements
// file, Delete removes the current object. Outside 1..AnzahlObjekte (an empty
// table) the fields are empty and Save and Delete do nothing.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/Hilfen.hpp"
#include "engine/ShortString.hpp"
#include "engine/Zahltext.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Zeichensatz.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

bool ObjektListeGeoeffnet = false;

namespace {

QString Zahl(Extended x, std::int32_t breite, std::int32_t dezimalen) {
    return QString::fromStdString(ZahlText(x, breite, dezimalen));
}

// Leading blanks of a number text become zeros ("01", "01.50000").
QString MitNullen(std::string text) {
    std::replace(text.begin(), text.end(), ' ', '0');
    return QString::fromStdString(text);
}

// A number in the general format of the runtime: up to 15 significant digits
// without trailing zeros, fixed-point from 0.00001 up to 15 integer digits, else
// the exponent form ("1.5E-7", "2E20").
QString AllgemeinText(Extended x) {
    if (x == 0.0L) return "0";
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.14Le", x);
    const std::string wissenschaftlich = puffer;
    const std::size_t e = wissenschaftlich.find('e');
    const int exponent = std::stoi(wissenschaftlich.substr(e + 1));
    auto ohneNullen = [](std::string text) {
        if (text.find('.') == std::string::npos) return text;
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        return text;
    };
    if (exponent >= 15 || (x < 0 ? -x : x) < 0.00001L)
        return QString::fromStdString(ohneNullen(wissenschaftlich.substr(0, e)) + "E" +
                                      std::to_string(exponent));
    std::snprintf(puffer, sizeof puffer, "%.*Lf", std::max(0, 14 - exponent), x);
    return QString::fromStdString(ohneNullen(puffer));
}

bool Leer(const QLineEdit* feld) { return feld->text().isEmpty(); }

}  // namespace

void THauptForm::ObjektListeFuellen() {
    NameCombobox->clear();
    for (std::int32_t k = 1; k <= AnzahlObjekte; ++k)
        NameCombobox->addItem(Win1252AlsQString(Objekte[k].Name.Text()));
}

void THauptForm::ObjektAnzeigen(std::int32_t n) {
    ObjektBox->setTitle(
        Text(TextNr::HauptBahnelemente).arg(QString::number(n), QString::number(AnzahlObjekte)));
    const bool vorhanden = n >= 1 && n <= AnzahlObjekte;
    ObjektSpeicherButton->setEnabled(vorhanden);
    ObjektLoeschButton->setEnabled(vorhanden);
    if (!vorhanden) {
        NameCombobox->setCurrentIndex(-1);
        NameCombobox->setEditText("");
        for (QLineEdit* feld : {BemerkEdit, PeriduEdit, PerabsEdit, ExzenEdit, GrohaEdit, AknoEdit,
                                PeknoEdit, BahnngEdit, AequinEdit, M0Edit, LuminEdit})
            feld->clear();
        HellHinweisCheckBox->setChecked(false);
        return;
    }

    const TBahnelement& objekt = Objekte[n];
    if (n - 1 < NameCombobox->count()) NameCombobox->setCurrentIndex(n - 1);
    NameCombobox->setEditText(n - 1 < NameCombobox->count()
                                  ? NameCombobox->itemText(n - 1)
                                  : Win1252AlsQString(objekt.Name.Text()));
    BemerkEdit->setText(Win1252AlsQString(objekt.Bemerkung.Text()));
    // A name or remark longer than its field shows its beginning, not its end.
    NameCombobox->lineEdit()->setCursorPosition(0);
    BemerkEdit->setCursorPosition(0);

    // "JJJJ-MM-TT.ttttt", the layout the save reads back.
    PeriduEdit->setText(Zahl(objekt.Perihel[1], 4, 0) + "-" +
                        MitNullen(ZahlText(objekt.Perihel[2], 2, 0)) + "-" +
                        MitNullen(ZahlText(objekt.Perihel[3], 8, 5)));
    PerabsEdit->setText(Zahl(objekt.Perihelabstand, 8, 6));
    ExzenEdit->setText(Zahl(objekt.Exzentrizitaet, 7, 6));
    GrohaEdit->setText(objekt.Exzentrizitaet < 1.0L ? Zahl(objekt.GrosseHalbachse, 7, 5)
                                                    : QString());
    GrohaEdit->setEnabled(false);
    AknoEdit->setText(Zahl(objekt.Knoten, 8, 5));
    PeknoEdit->setText(Zahl(objekt.Perihelargument, 8, 5));
    BahnngEdit->setText(Zahl(objekt.Bahnneigung, 8, 5));
    AequinEdit->setText(Zahl(objekt.Aequinoktium, 5, 1));
    M0Edit->setText(Zahl(objekt.H11, 4, 1));
    LuminEdit->setText(Zahl(objekt.N, 4, 1));

    bool sonderHelligkeit = false;
    for (std::int32_t k = 1; k <= AnzahlHellParameter && !sonderHelligkeit; ++k)
        sonderHelligkeit = HellParameterListe[k].Name == objekt.Name;
    HellHinweisCheckBox->setChecked(sonderHelligkeit);
}

void THauptForm::ObjektUebernehmen(bool& Fehler, std::int32_t n) {
    Fehler = false;
    auto fehler = [&Fehler](TextNr meldung) {
        FehlerMeldung(Text(meldung));
        Fehler = true;
    };
    if (n < 1 || n > AnzahlObjekte) {
        Fehler = true;
        return;
    }

    // 1. Name.
    const std::string name = QStringAlsWin1252(NameCombobox->currentText());
    if (name.empty()) return fehler(TextNr::HauptNameFehlt);

    // 2.-6. Perihelion time "JJJJ-MM-TT.tttt".
    std::string t = QStringAlsWin1252(PeriduEdit->text());
    if (t.empty()) return fehler(TextNr::HauptTFehlt);
    if (t.size() < 11 || t[4] != '-' || t[7] != '-' || (t[10] != '.' && t[10] != ','))
        return fehler(TextNr::HauptTFormat);
    std::int32_t jahr = 0, monat = 0;
    if (!GanzzahlLesen(t.substr(0, 4), jahr)) return fehler(TextNr::HauptTJahr);
    if (!GanzzahlLesen(t.substr(5, 2), monat) || monat < 1 || monat > 12)
        return fehler(TextNr::HauptTMonat);
    Extended tag = 0.0L;
    if (!EinfachLesen(Win1252AlsQString(t.substr(8)), tag) || tag < 1.0L ||
        tag >= Monatslaenge(monat, jahr) + 1)
        return fehler(TextNr::HauptTTag);

    // 7.-10. q and e.
    Extended q = 0.0L, e = 0.0L;
    if (Leer(PerabsEdit)) return fehler(TextNr::HauptQFehlt);
    if (!EinfachLesen(PerabsEdit->text(), q) || q <= 0.0L) return fehler(TextNr::HauptQFalsch);
    if (Leer(ExzenEdit)) return fehler(TextNr::HauptEFehlt);
    if (!EinfachLesen(ExzenEdit->text(), e) || e < 0.0L) return fehler(TextNr::HauptEFalsch);

    // The semi-major axis of an ellipse, shown at once. A value beyond the
    // range of the field's float (q absurdly large) counts as a bad q.
    Extended a = 0.0L;
    if (e < 1.0L) {
        const float halbachse = static_cast<float>(q / (1.0L - e));
        if (!std::isfinite(halbachse)) return fehler(TextNr::HauptQFalsch);
        a = static_cast<Extended>(halbachse);
        GrohaEdit->setText(AllgemeinText(a));
    }

    // 11.-12. a, read only from an enabled field (it is always shown only).
    if (GrohaEdit->isEnabled()) {
        Extended eingegeben = 0.0L;
        if (Leer(GrohaEdit)) return fehler(TextNr::HauptAFehlt);
        if (!EinfachLesen(GrohaEdit->text(), eingegeben) || eingegeben <= 0.0L)
            return fehler(TextNr::HauptAFalsch);
    }

    // 13.-18. Angles (not negative), equinox (positive), magnitude parameters
    // (any number).
    enum class TGrenze { KeineNegative, Positiv, Keine };
    struct TPruefung {
        QLineEdit* feld;
        TextNr fehlt;
        TextNr falsch;
        TGrenze grenze;
        Extended wert = 0.0L;
    };
    TPruefung pruefungen[] = {
        {AknoEdit, TextNr::HauptKnotenFehlt, TextNr::HauptKnotenFalsch, TGrenze::KeineNegative},
        {PeknoEdit, TextNr::HauptPeriFehlt, TextNr::HauptPeriFalsch, TGrenze::KeineNegative},
        {BahnngEdit, TextNr::HauptNeigungFehlt, TextNr::HauptNeigungFalsch, TGrenze::KeineNegative},
        {AequinEdit, TextNr::HauptAequinoxFehlt, TextNr::HauptAequinoxFalsch, TGrenze::Positiv},
        {M0Edit, TextNr::HauptH11Fehlt, TextNr::HauptH11Falsch, TGrenze::Keine},
        {LuminEdit, TextNr::HauptNFehlt, TextNr::HauptNFalsch, TGrenze::Keine},
    };
    for (TPruefung& p : pruefungen) {
        if (Leer(p.feld)) return fehler(p.fehlt);
        if (!EinfachLesen(p.feld->text(), p.wert) ||
            (p.grenze == TGrenze::KeineNegative && p.wert < 0.0L) ||
            (p.grenze == TGrenze::Positiv && p.wert <= 0.0L))
            return fehler(p.falsch);
    }

    TBahnelement& objekt = Objekte[n];
    objekt.Name = name;
    for (auto* datum : {&objekt.Perihel, &objekt.Epoche}) {
        (*datum)[1] = jahr;
        (*datum)[2] = monat;
        (*datum)[3] = tag;
    }
    objekt.Exzentrizitaet = e;
    objekt.Perihelabstand = q;
    objekt.GrosseHalbachse = a;
    objekt.Knoten = pruefungen[0].wert;
    objekt.Perihelargument = pruefungen[1].wert;
    objekt.Bahnneigung = pruefungen[2].wert;
    objekt.Aequinoktium = pruefungen[3].wert;
    objekt.H11 = pruefungen[4].wert;
    objekt.N = pruefungen[5].wert;
    objekt.Bemerkung = QStringAlsWin1252(BemerkEdit->text());
}

void THauptForm::ObjektEntfernen(std::int32_t n) {
    if (n < 1 || n > AnzahlObjekte) return;
    for (std::int32_t k = n; k < AnzahlObjekte; ++k) Objekte[k] = Objekte[k + 1];
    Objekte[AnzahlObjekte] = TBahnelement{};
    --AnzahlObjekte;
    ObjektListeFuellen();
}

void THauptForm::ObjektNeuButtonClick() {
    // The table holds MaxObjekte objects; a new one beyond them is refused.
    if (AnzahlObjekte >= MaxObjekte) {
        FehlerMeldung(Text(TextNr::HauptObjekteVoll).arg(MaxObjekte));
        return;
    }
    ++AnzahlObjekte;
    AktObjekt = AnzahlObjekte;
    TBahnelement neu;
    neu.Name = QStringAlsWin1252(Text(TextNr::HauptNeuesObjekt));
    for (auto* datum : {&neu.Perihel, &neu.Epoche}) {
        (*datum)[1] = 2000.0L;
        (*datum)[2] = 1.0L;
        (*datum)[3] = 23.45678L;
    }
    neu.Exzentrizitaet = 0.5L;
    neu.Perihelabstand = 0.345L;
    neu.GrosseHalbachse = 0.69L;
    neu.MittlereAnomalie = 0.0L;
    neu.Knoten = 123.456L;
    neu.Perihelargument = 123.456L;
    neu.Bahnneigung = 123.456L;
    neu.Aequinoktium = 2000.0L;
    neu.H11 = 10.0L;
    neu.N = 4.0L;
    Objekte[AktObjekt] = neu;
    NameCombobox->addItem(Win1252AlsQString(neu.Name.Text()));
    ObjektAnzeigen(AktObjekt);
    ElementeGeaendert = true;
}

void THauptForm::ObjektSpeicherButtonClick() {
    if (AktObjekt < 1 || AktObjekt > AnzahlObjekte) return;
    bool fehler = false;
    ObjektUebernehmen(fehler, AktObjekt);
    // Marked before the file is written: when the write fails, the object
    // already changed in memory still reaches the file at exit.
    ElementeGeaendert = true;
    // The list and the fields follow the table also after a write error.
    const auto zeigen = qScopeGuard([this] {
        ObjektListeFuellen();
        ObjektAnzeigen(AktObjekt);
    });
    if (!fehler) BahnelementeSpeichern();
}

void THauptForm::ObjektLoeschButtonClick() {
    if (AktObjekt < 1 || AktObjekt > AnzahlObjekte) return;
    if (!JaNeinFrage(Text(TextNr::HauptObjektLoeschenFrage))) return;
    ObjektEntfernen(AktObjekt);
    // After the last object by position the new last one is shown; after the
    // only one, none.
    AktObjekt = std::min(AktObjekt, AnzahlObjekte);
    ObjektAnzeigen(AktObjekt);
    ElementeGeaendert = true;
}

void THauptForm::NameComboboxDropDown() { ObjektListeGeoeffnet = true; }

void THauptForm::NameComboboxChange() {
    if (ObjektListeGeoeffnet) {
        const int gewaehlt = NameCombobox->currentIndex();
        if (gewaehlt >= 0) AktObjekt = gewaehlt + 1;
        ObjektAnzeigen(AktObjekt);
    }
    ObjektListeGeoeffnet = false;
}

}  // namespace zenaro
