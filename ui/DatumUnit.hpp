// Module DatumUnit: the date and time picker. A small stay-on-top window with a
// month calendar, hour and minute, and the zone list; Apply reports the choice to
// its receiver, the main window, as a series of WM_DATUM messages (one value per
// message, then the apply code), Cancel only hides it.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zenaro {

// Which pair of the main window the pickers fill: 'A' the start, 'E' the stop.
// Set by the most recent launch and read by every picker at its Apply: one value
// serves all open pickers.
extern char DatumModus;

// Hour and minute received by the main window, kept until the apply code.
extern std::int32_t StartStundeWahl;
extern std::int32_t StartMinuteWahl;
extern std::int32_t StopStundeWahl;
extern std::int32_t StopMinuteWahl;

// The item codes of WM_DATUM (first parameter; the second is the value).
enum TDatumCode : std::int32_t {
    DatumStartJahr = 1,
    DatumStartMonat = 2,
    DatumStartTag = 3,
    DatumStartStunde = 4,
    DatumStartMinute = 5,
    DatumZone = 6,
    DatumStartUebernehmen = 7,
    DatumStopJahr = 8,
    DatumStopMonat = 9,
    DatumStopTag = 10,
    DatumStopStunde = 11,
    DatumStopMinute = 12,
    DatumStopUebernehmen = 13,
};

class TDatumForm final : public QWidget {
    Q_OBJECT

public:
    // Created hidden; Owner is the main window, which frees it at its end.
    explicit TDatumForm(QWidget* Owner);

    QCalendarWidget* Kalender;
    QLabel* ZeitLabel;
    QSpinBox* HrUpDown;      // 0..23, no wrap-around
    QLineEdit* StundenEdit;  // the edit of HrUpDown
    QSpinBox* MiUpDown;      // 0..59, no wrap-around
    QLineEdit* MinutenEdit;  // the edit of MiUpDown
    QLabel* ZoneLabel;
    QComboBox* ZoneComboBox;  // the 52 zone abbreviations
    QPushButton* Button1;     // Apply
    QPushButton* Button2;     // Cancel

    // Fills the controls at a launch: the calendar with the date text
    // ("TT.MM.JJJJ"; today when it is no date), hour and minute with characters
    // 1-2 and 4-5 of the time text (0 where they are no number, kept in range),
    // the zone list with the zone named by the text of the main window's zone
    // list, or with its index when the text names no zone.
    void Vorbelegen(const std::string& datum, const std::string& zeit, int zonenIndex,
                    const QString& zonenText);

    // Sets the receiver of the messages and shows the picker, not modal.
    void Anzeigen(QObject* handle);

    // Apply: sends the date, time and zone to the receiver in the mode DatumModus
    // and hides the picker; in any other mode nothing is sent and it stays.
    void Button1Click();
    // Cancel: hides the picker; nothing is sent.
    void Button2Click();

private:
    QPointer<QObject> Empfaenger;
};

// Reads a date written day, month, year with "." (or "/", "-") between the parts;
// a two-digit year is widened as by the today button. False, and the three
// numbers untouched, when the text is no valid date of the years 1 to 9999.
bool DatumLesen(const std::string& text, std::int32_t& tag, std::int32_t& monat,
                std::int32_t& jahr);

// The today button's date from the platform's short date text: cut to 10
// characters; a text of exactly 8 (two-digit year) widened to 19yy when yy is
// above "70", else to 20yy; then "." in characters 3 and 6.
std::string KurzdatumNormieren(const std::string& kurzdatum);

}  // namespace zenaro
