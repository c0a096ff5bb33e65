#include "ui/DatumUnit.hpp"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <cctype>

#include "engine/Hilfen.hpp"
#include "engine/Programmstart.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Plattform/Farben.hpp"
#include "ui/Plattform/Fenster.hpp"
#include "ui/Plattform/Nachricht.hpp"
#include "ui/Plattform/Zeichensatz.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

char DatumModus = ' ';
std::int32_t StartStundeWahl = 0;
std::int32_t StartMinuteWahl = 0;
std::int32_t StopStundeWahl = 0;
std::int32_t StopMinuteWahl = 0;

namespace {

// A two-digit year yy becomes 19yy above 70, else 20yy ("70" itself is 2070).
std::string JahrhundertVorsetzen(const std::string& yy) {
    return (yy > std::string("70") ? "19" : "20") + yy;
}

// The whole text as a number of at most `stellen` digits, or -1.
std::int32_t Ziffern(const std::string& text, std::size_t stellen) {
    if (text.empty() || text.size() > stellen) return -1;
    std::int32_t wert = 0;
    for (const char z : text) {
        if (!std::isdigit(static_cast<unsigned char>(z))) return -1;
        wert = wert * 10 + (z - '0');
    }
    return wert;
}

// Two characters of a time text from position von (counted from 1) as an integer: optional
// leading blanks, then digits only; 0 when they are no number.
int ZeitTeil(const std::string& zeit, std::size_t von) {
    std::string teil = zeit.size() >= von ? zeit.substr(von - 1, 2) : std::string();
    const std::size_t anfang = teil.find_first_not_of(' ');
    teil = anfang == std::string::npos ? std::string() : teil.substr(anfang);
    const std::int32_t wert = Ziffern(teil, 2);
    return wert < 0 ? 0 : wert;
}

}  // namespace

bool DatumLesen(const std::string& text, std::int32_t& tag, std::int32_t& monat,
                std::int32_t& jahr) {
    // Three runs of digits with one separator between them.
    std::string teile[3];
    std::size_t teil = 0;
    for (const char z : text) {
        if (std::isdigit(static_cast<unsigned char>(z))) {
            teile[teil] += z;
        } else if ((z == '.' || z == '/' || z == '-') && teil < 2 && !teile[teil].empty()) {
            ++teil;
        } else {
            return false;
        }
    }
    if (teil != 2) return false;
    const std::int32_t t = Ziffern(teile[0], 2);
    const std::int32_t m = Ziffern(teile[1], 2);
    const std::string jahrText = teile[2].size() == 2 ? JahrhundertVorsetzen(teile[2]) : teile[2];
    const std::int32_t j = Ziffern(jahrText, 4);
    if (t < 0 || m < 0 || j < 1 || !QDate(j, m, t).isValid()) return false;
    tag = t;
    monat = m;
    jahr = j;
    return true;
}

std::string KurzdatumNormieren(const std::string& kurzdatum) {
    std::string datum = kurzdatum.substr(0, 10);
    if (datum.size() == 8) datum = datum.substr(0, 6) + JahrhundertVorsetzen(datum.substr(6, 2));
    // Only characters the text has are replaced.
    if (datum.size() >= 3) datum[2] = '.';
    if (datum.size() >= 6) datum[5] = '.';
    return datum;
}

TDatumForm::TDatumForm(QWidget* Owner)
    : QWidget(Owner, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint) {
    setObjectName("DatumForm");
    setWindowTitle(Text(TextNr::DatumFormTitel));
    Einfaerben(*this, QColor(0, 255, 255));  // aqua
    // "MS Sans Serif" 8 pt (11 pixels) as the main window; where it is missing
    // the narrow "Liberation Sans" stands in for it rather than a wide default face.
    QFont schrift("MS Sans Serif");
    schrift.setFamilies({"MS Sans Serif", "Liberation Sans"});
    schrift.setPixelSize(11);
    setFont(schrift);

    Kalender = new QCalendarWidget(this);
    Kalender->setObjectName("Kalender");
    // The handler writes the year in four characters: the calendar keeps to them.
    Kalender->setDateRange(QDate(1, 1, 1), QDate(9999, 12, 31));
    // Month and weekday names in the language of the edition.
    Kalender->setLocale(Englisch ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                 : QLocale(QLocale::German, QLocale::Germany));
    Kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Kalender->setGeometry(8, 8, 256, 180);

    ZeitLabel = new QLabel(Text(TextNr::DatumZeit), this);
    ZeitLabel->setObjectName("ZeitLabel");
    ZeitLabel->setGeometry(276, 8, 110, 16);

    HrUpDown = new QSpinBox(this);
    HrUpDown->setObjectName("HrUpDown");
    HrUpDown->setRange(0, 23);
    HrUpDown->setWrapping(false);
    HrUpDown->setGeometry(276, 26, 52, 22);
    StundenEdit = HrUpDown->findChild<QLineEdit*>();
    StundenEdit->setObjectName("StundenEdit");

    MiUpDown = new QSpinBox(this);
    MiUpDown->setObjectName("MiUpDown");
    MiUpDown->setRange(0, 59);
    MiUpDown->setWrapping(false);
    MiUpDown->setGeometry(334, 26, 52, 22);
    MinutenEdit = MiUpDown->findChild<QLineEdit*>();
    MinutenEdit->setObjectName("MinutenEdit");

    ZoneLabel = new QLabel(Text(TextNr::DatumZone), this);
    ZoneLabel->setObjectName("ZoneLabel");
    ZoneLabel->setGeometry(276, 60, 110, 16);

    ZoneComboBox = new QComboBox(this);
    ZoneComboBox->setObjectName("ZoneComboBox");
    for (const TZeitzone& zone : Zeitzonen) ZoneComboBox->addItem(Win1252AlsQString(zone.Name));
    ZoneComboBox->setMaxVisibleItems(12);
    ZoneComboBox->setGeometry(276, 78, 110, 22);

    Button1 = new QPushButton(Text(TextNr::DatumUebernehmen), this);
    Button1->setObjectName("Button1");
    Button1->setGeometry(276, 134, 110, 25);
    connect(Button1, &QPushButton::clicked, this, &TDatumForm::Button1Click);

    Button2 = new QPushButton(Text(TextNr::DatumAbbrechen), this);
    Button2->setObjectName("Button2");
    Button2->setGeometry(276, 163, 110, 25);
    connect(Button2, &QPushButton::clicked, this, &TDatumForm::Button2Click);

    setFixedSize(394, 196);
    AufBildschirmZentrieren(*this);
    hide();
}

void TDatumForm::Vorbelegen(const std::string& datum, const std::string& zeit, int zonenIndex,
                            const QString& zonenText) {
    std::int32_t tag = 0, monat = 0, jahr = 0;
    // A date edit that holds no date shows today instead of an undefined date.
    if (!DatumLesen(datum, tag, monat, jahr)) DatumLesen(HeutigesDatum(), tag, monat, jahr);
    Kalender->setSelectedDate(QDate(jahr, monat, tag));
    // Out-of-range values are kept in range by the up-downs themselves.
    HrUpDown->setValue(ZeitTeil(zeit, 1));
    MiUpDown->setValue(ZeitTeil(zeit, 4));
    // The main list shows its text: the zone that text names is selected, also
    // when it was typed there after a choice from the list; a text that names no
    // zone leaves the main list's index (none when that is no zone either).
    int zone = ZoneComboBox->findText(zonenText, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (zone < 0 && zonenIndex >= 0 && zonenIndex < ZoneComboBox->count()) zone = zonenIndex;
    ZoneComboBox->setCurrentIndex(zone);
}

void TDatumForm::Anzeigen(QObject* handle) {
    Empfaenger = handle;
    show();
}

void TDatumForm::Button1Click() {
    const bool start = DatumModus == 'A';
    if (!start && DatumModus != 'E') return;
    // Typed text that was not yet taken over counts as it is shown.
    HrUpDown->interpretText();
    MiUpDown->interpretText();
    const QDate datum = Kalender->selectedDate();
    const std::int32_t werte[] = {datum.year(), datum.month(), datum.day(), HrUpDown->value(),
                                  MiUpDown->value()};
    const std::int32_t erster = start ? DatumStartJahr : DatumStopJahr;
    for (std::int32_t i = 0; i < 5; ++i)
        NachrichtSenden(Empfaenger, WM_DATUM, erster + i, werte[i]);
    NachrichtSenden(Empfaenger, WM_DATUM, DatumZone, ZoneComboBox->currentIndex());
    NachrichtSenden(Empfaenger, WM_DATUM, start ? DatumStartUebernehmen : DatumStopUebernehmen, 0);
    hide();
}

void TDatumForm::Button2Click() { hide(); }

}  // namespace zenaro
