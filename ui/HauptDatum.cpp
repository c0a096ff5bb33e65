// Main window: the buttons of the date and time picker, the receiver of the
// window message WM_DATUM, the today button and the zone list.
#include <QComboBox>
#include <QLineEdit>
#include <string>

#include "engine/Hilfen.hpp"
#include "engine/Programmstart.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/DatumUnit.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Nachricht.hpp"
#include "ui/Plattform/Zeichensatz.hpp"

namespace zenaro {

namespace {

// n in decimal right-aligned in `breite` characters, each leading blank a "0";
// a longer number is cut to its first characters (5 gives "05", 987 "0987").
std::string MitNullen(std::int32_t n, std::size_t breite) {
    std::string text = std::to_string(n);
    if (text.size() < breite) text.insert(0, breite - text.size(), '0');
    return text.substr(0, breite);
}

// The apply code: the received values as "TT.MM.JJJJ" and "HH:MM" into the
// setting and the edit of one pair.
void PaarSetzen(std::int32_t tag, std::int32_t monat, std::int32_t jahr, std::int32_t stunde,
                std::int32_t minute, ShortString<10>& datum, ShortString<5>& zeit,
                QLineEdit* datumEdit, QLineEdit* zeitEdit) {
    datum = MitNullen(tag, 2) + "." + MitNullen(monat, 2) + "." + MitNullen(jahr, 4);
    zeit = MitNullen(stunde, 2) + ":" + MitNullen(minute, 2);
    datumEdit->setText(Win1252AlsQString(datum.Text()));
    zeitEdit->setText(Win1252AlsQString(zeit.Text()));
}

// The index of the zone named in the list's text (exact, case-sensitive), or -1.
int ZonenIndexAus(const QComboBox& liste) {
    return ZonenNummer(QStringAlsWin1252(liste.currentText()));
}

// A launch: one more picker, filled from one pair of edits and the zone list.
void DatumWaehlen(THauptForm& haupt, const QLineEdit* datumEdit, const QLineEdit* zeitEdit,
                  char modus) {
    // The main window's entry of WM_DATUM; in place before any picker can send.
    NachrichtBehandeln(haupt, WM_DATUM, [&haupt](std::int32_t code, std::int32_t wert) {
        return static_cast<std::intptr_t>(haupt.DatumNachricht(code, wert));
    });
    auto* form = new TDatumForm(&haupt);
    form->Vorbelegen(QStringAlsWin1252(datumEdit->text()), QStringAlsWin1252(zeitEdit->text()),
                     haupt.ZoneComboBox->currentIndex(), haupt.ZoneComboBox->currentText());
    ZeitzonenName = QStringAlsWin1252(haupt.ZoneComboBox->currentText());
    DatumModus = modus;
    form->Anzeigen(&haupt);
}

}  // namespace

void THauptForm::StartdatumChangeButtonClick() {
    DatumWaehlen(*this, StartdatumEdit, Startzeitedit, 'A');
}

void THauptForm::StartzeitChangeButtonClick() {
    DatumWaehlen(*this, StartdatumEdit, Startzeitedit, 'A');
}

void THauptForm::StopdatumChangeButtonClick() {
    DatumWaehlen(*this, StopdatumEdit, StopzeitEdit, 'E');
}

void THauptForm::StopzeitChangeButtonClick() {
    DatumWaehlen(*this, StopdatumEdit, StopzeitEdit, 'E');
}

std::int32_t THauptForm::DatumNachricht(std::int32_t code, std::int32_t wert) {
    switch (code) {
        case DatumStartJahr:
            StartJahr = wert;
            break;
        case DatumStartMonat:
            StartMonat = wert;
            break;
        case DatumStartTag:
            StartTag = wert;
            break;
        case DatumStartStunde:
            StartStundeWahl = wert;
            break;
        case DatumStartMinute:
            StartMinuteWahl = wert;
            break;
        case DatumZone:
            // Only the setting; the zone list keeps its selection. A value that
            // names no zone (a picker without selection) is not stored.
            if (wert >= 0 && wert < AnzahlZeitzonen) ZonenIndex = wert;
            break;
        case DatumStartUebernehmen:
            PaarSetzen(StartTag, StartMonat, StartJahr, StartStundeWahl, StartMinuteWahl,
                       Startdatum, Startzeit, StartdatumEdit, Startzeitedit);
            break;
        case DatumStopJahr:
            StopJahr = wert;
            break;
        case DatumStopMonat:
            StopMonat = wert;
            break;
        case DatumStopTag:
            StopTag = wert;
            break;
        case DatumStopStunde:
            StopStundeWahl = wert;
            break;
        case DatumStopMinute:
            StopMinuteWahl = wert;
            break;
        case DatumStopUebernehmen:
            PaarSetzen(StopTag, StopMonat, StopJahr, StopStundeWahl, StopMinuteWahl, Stopdatum,
                       Stopzeit, StopdatumEdit, StopzeitEdit);
            break;
        default:
            break;
    }
    return 1;
}

void THauptForm::TagesDatumButtonClick() {
    // The clock's date always comes as "TT.MM.JJJJ", the layout every date field
    // of the program is read in, whatever the desktop's date format.
    Startdatum = KurzdatumNormieren(HeutigesDatum());
    Stopdatum = KurzdatumNormieren(HeutigesDatum());
    const char* zeit = ZonenIndex == 0 ? "00:00" : ZonenIndex == 28 ? "02:00" : "01:00";
    Startzeit = zeit;
    Stopzeit = zeit;
    StartdatumEdit->setText(Win1252AlsQString(Startdatum.Text()));
    StopdatumEdit->setText(Win1252AlsQString(Stopdatum.Text()));
    Startzeitedit->setText(Win1252AlsQString(Startzeit.Text()));
    StopzeitEdit->setText(Win1252AlsQString(Stopzeit.Text()));
}

void THauptForm::ZoneComboBoxChange() {
    // Typed text that names no zone leaves the stored index as it was.
    const int index = ZonenIndexAus(*ZoneComboBox);
    if (index >= 0) ZonenIndex = index;
}

}  // namespace zenaro
