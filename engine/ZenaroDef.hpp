// Records, constant tables, global tables and settings of the program: the whole
// shared state. Every table is numbered from 1, has a fixed capacity and a count
// beside it, and lives from the start to the end of the program. The binary data
// files holding these records are read and written by engine/Datendateien.hpp.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "astro/Laufzeit.hpp"
#include "engine/ShortString.hpp"

namespace zenaro {

// An array with the index range Von..Bis; an index outside it raises the
// range-check error 201 instead of touching memory.
template <typename T, std::int32_t Von, std::int32_t Bis>
class Feld {
    static_assert(Von <= Bis, "empty index range");

public:
    static constexpr std::int32_t Untergrenze = Von;
    static constexpr std::int32_t Obergrenze = Bis;
    static constexpr std::int32_t Kapazitaet = Bis - Von + 1;

    Feld() = default;
    explicit Feld(const std::array<T, Kapazitaet>& werte) : daten_(werte) {}

    T& operator[](std::int32_t i) { return daten_[Pruefen(i)]; }
    const T& operator[](std::int32_t i) const { return daten_[Pruefen(i)]; }

    // All slots in index order, for the standard algorithms.
    T* begin() { return daten_.data(); }
    T* end() { return daten_.data() + Kapazitaet; }
    const T* begin() const { return daten_.data(); }
    const T* end() const { return daten_.data() + Kapazitaet; }

    // Sets every slot to its empty value.
    void Leeren() { daten_.fill(T{}); }

private:
    static std::size_t Pruefen(std::int32_t i) {
        if (i < Von || i > Bis)
            Laufzeitfehler(FehlerBereichsueberschreitung, "index " + std::to_string(i));
        return static_cast<std::size_t>(i - Von);
    }

    std::array<T, Kapazitaet> daten_{};
};

// A table numbered from 1 to N.
template <typename T, std::int32_t N>
using Tabelle = Feld<T, 1, N>;

// ---------------------------------------------------------------------------
// Capacities.

inline constexpr std::int32_t MaxObjekte = 1000;
inline constexpr std::int32_t MaxOrte = 2000;
inline constexpr std::int32_t MaxNGC = 7840;
inline constexpr std::int32_t MaxIC = 5386;
inline constexpr std::int32_t MaxSterne = 9110;
inline constexpr std::int32_t MaxHellParameter = 1001;
inline constexpr std::int32_t MaxHellAuswahl = 1000;
inline constexpr std::int32_t MaxZeilen = 10000;

// ---------------------------------------------------------------------------
// File records. The field order and types are those of the files; the byte
// layout (offsets, padding) is written out in engine/Datendateien.cpp.

// The saved settings, the whole content of "ZenaroWin.ini" (128 bytes).
struct TEinstellungen {
    ShortString<10> Startdatum;  // "TT.MM.JJJJ"
    ShortString<10> Stopdatum;   // "TT.MM.JJJJ"
    ShortString<5> Startzeit;    // "HH:MM"
    ShortString<5> Stopzeit;     // "HH:MM"
    std::int32_t SchrittTage = 0;
    Extended SchrittStunden = 0.0L;
    std::int32_t ZonenIndex = 0;  // 0..51 into the zone list
    bool DeepSkyAnzeigen = false;
    Extended DeepSkyRadius = 0.0L;     // degrees
    Extended Grenzgroesse = 0.0L;      // limiting magnitude of the all-objects list
    Extended KonjRadius = 0.0L;        // degrees
    Extended KonjGrenzgroesse = 0.0L;  // limiting magnitude of conjunction partners
    bool AlleObjekte = false;
    bool NurSichtbare = false;
    std::int32_t DaemmerungsHoehe = 0;  // whole degrees
};

// The orbital elements of one object (304 bytes in "Bahnelem.dat").
struct TBahnelement {
    ShortString<60> Name;  // key of the brightness parameter sets
    ShortString<60> Bemerkung;
    Feld<Extended, 1, 3> Perihel;  // [1] year, [2] month, [3] day with fraction of T
    Feld<Extended, 1, 3> Epoche;   // always written equal to Perihel; read by nobody
    Extended Exzentrizitaet = 0.0L;
    Extended Perihelabstand = 0.0L;   // q, AU
    Extended GrosseHalbachse = 0.0L;  // a, AU: q/(1-e) for e < 1, else 0
    // Mean anomaly, degrees; exactly 0 selects propagation from the perihelion time.
    Extended MittlereAnomalie = 0.0L;
    Extended Knoten = 0.0L;           // degrees
    Extended Perihelargument = 0.0L;  // degrees
    Extended Bahnneigung = 0.0L;      // degrees
    Extended Aequinoktium = 0.0L;     // year, 2000.0
    Extended H11 = 0.0L;              // absolute magnitude H[1,1]
    Extended N = 0.0L;                // n of m = H + 5 log Delta + 2.5 n log r
};

// One observing location (88 bytes in "Orte.dat").
struct TOrt {
    ShortString<60> Name;
    Extended Laenge = 0.0L;  // degrees, positive to the WEST
    Extended Breite = 0.0L;  // degrees, positive to the north
};

// One entry of the NGC or IC catalogue (64 bytes in "ngc.dta" and "ic.dta").
struct TDeepSkyObjekt {
    std::int16_t Nummer = 0;  // 0 for the entry appended at start
    Extended RA = 0.0L;       // DEGREES, equinox 2000
    Extended Dek = 0.0L;      // degrees
    ShortString<3> Typ;
    Extended Hell = 0.0L;  // magnitude; 99.0 = unknown
    Extended Groesse = 0.0L;
    ShortString<3> Sternbild;
    std::uint8_t Messier = 0;  // 0 = none
};

// One bright star (96 bytes in "bsc4.dta").
struct TStern {
    std::uint16_t Flamsteed = 0;  // 0 = none
    ShortString<7> Bayer;         // empty = none
    char BayerIndex = '\0';       // written right after the Bayer letter in labels
    ShortString<10> Name;
    ShortString<3> Sternbild;  // may be empty; filled in memory by the passage search
    Extended RA = 0.0L;        // DEGREES, equinox 2000
    Extended Dek = 0.0L;       // degrees
    Extended Hell = 0.0L;      // magnitude
};

// One brightness parameter set of an object (144 bytes in "hell.dta").
struct THellParameter {
    ShortString<60> Name;  // the object's Name, compared including its length
    Extended Von = 0.0L;   // days relative to the perihelion time T
    Extended Bis = 0.0L;
    Extended H11 = 0.0L;  // m = H11 + N1 log Delta + 2.5 N2 log r
    Extended N1 = 0.0L;
    Extended N2 = 0.0L;
    bool Erweitert = false;  // r is taken at t + DT
    Extended DT = 0.0L;      // days
};

// ---------------------------------------------------------------------------
// Result records (memory only). Times h.mm are hours + minutes/100 after
// rounding to the minute; negative values are the markers of each field.

struct TEphemeridenZeile {
    std::int32_t ObjektNr = 0;  // index into Objekte
    ShortString<2> Wochentag;
    std::int32_t Jahr = 0;
    std::int32_t Monat = 0;
    std::int32_t Tag = 0;
    Extended Zeit = 0.0L;   // local time, h.mm
    Extended RA = 0.0L;     // HOURS, equinox 2000
    Extended Dek = 0.0L;    // degrees
    Extended R = 0.0L;      // AU from the Sun
    Extended Delta = 0.0L;  // AU from the Earth
    Extended Elongation = 0.0L;
    Extended MondAbstand = 0.0L;  // degrees 0..180
    std::int32_t Phase = 0;       // percent 0..100
    ShortString<2> MondKlasse;    // "++", "+ ", "0 ", "- ", "--"
    // Plain hours with a decimal fraction, or -1 (not that day), -2 (always up),
    // -3 (never up).
    Extended Aufgang = 0.0L;
    Extended Untergang = 0.0L;
    Extended Hell = 0.0L;
    Extended TOpt = 0.0L;         // h.mm, -1 = none
    Extended TOptHoehe = 0.0L;    // degrees, -90 = none
    ShortString<2> TOptMond;      // "  " when there is none
    Extended Kulmination = 0.0L;  // h.mm, -1 = none
    Extended KulmHoehe = 0.0L;    // degrees, -90 = none
    Extended RAproStunde = 0.0L;
    Extended DekProStunde = 0.0L;
    Extended HellAenderung = 0.0L;  // m(t) - m(t + 1 h)
    ShortString<3> Sternbild;
    ShortString<20> NaheBei;
    Extended Distanz = 0.0L;  // degrees, 999.0 = none found
};

struct TKonjPosition {
    std::int32_t ObjektNr = 0;
    ShortString<2> Wochentag;
    std::int32_t Jahr = 0;
    std::int32_t Monat = 0;
    std::int32_t Tag = 0;
    Extended Zeit = 0.0L;  // h.mm
    Extended RA = 0.0L;    // hours
    Extended Dek = 0.0L;   // degrees
    Extended Hell = 0.0L;  // magnitude
};

struct TKonjunktionsZeile {
    std::int32_t ObjektNr1 = 0;
    std::int32_t ObjektNr2 = 0;
    ShortString<2> Wochentag;
    std::int32_t Jahr = 0;
    std::int32_t Monat = 0;
    std::int32_t Tag = 0;
    Extended Zeit = 0.0L;  // h.mm
    Extended RA1 = 0.0L;   // hours
    Extended Dek1 = 0.0L;  // degrees
    Extended RA2 = 0.0L;
    Extended Dek2 = 0.0L;
    Extended Hell1 = 0.0L;
    Extended Hell2 = 0.0L;
    Extended Abstand = 0.0L;  // degrees
};

// ---------------------------------------------------------------------------
// Global tables and their counts. A count is the number of occupied slots
// 1..count; slots above it hold stale or zero data. "Written" and "read" name
// the modules that do so; the windows are those of ui/.

// The objects. Written by the start (Programmstart), the comet list conversion
// (Kometenliste) and the object editor (HauptObjekte); read by the ephemeris,
// rising/setting, passage and conjunction computations, the main window, the
// output tables, the brightness editor and the download.
extern Tabelle<TBahnelement, MaxObjekte> Objekte;
extern std::int32_t AnzahlObjekte;  // 0..1000
// The observing locations. Written by the start and the location editor
// (HauptOrte); read by the computations, the main window and the output tables.
extern Tabelle<TOrt, MaxOrte> Orte;
extern std::int32_t AnzahlOrte;  // 0..2000
// The NGC catalogue followed by the one entry the start appends (counted in
// AnzahlNGC). Written by the start only; read by the passage search
// (Durchgaenge), the count also by the main window.
extern Tabelle<TDeepSkyObjekt, MaxNGC> NGCKatalog;
extern std::int32_t AnzahlNGC;
// The IC catalogue. Written by the start; read by the passage search.
extern Tabelle<TDeepSkyObjekt, MaxIC> ICKatalog;
extern std::int32_t AnzahlIC;
// The bright stars. Written by the start (an empty Sternbild is filled in memory
// by the passage search); read by the passage search.
extern Tabelle<TStern, MaxSterne> Sternkatalog;
extern std::int32_t AnzahlSterne;
// The brightness parameter sets, kept sorted by name. Written by the start and
// the brightness editor (HellUnit); read by the ephemeris and conjunction
// computations, the main window, the object editor and the ephemeris outputs.
// Slot 1001 is the exchange slot of the brightness editor's sort.
extern Tabelle<THellParameter, MaxHellParameter> HellParameterListe;
extern std::int32_t AnzahlHellParameter;  // 0..1000
// Indexes into HellParameterListe of the sets of the editor's object, in the
// order shown; written and read by the brightness editor only.
extern Tabelle<std::int32_t, MaxHellAuswahl> HellAuswahl;
extern std::int32_t AnzahlHellAuswahl;
// The ephemeris rows. Written by the ephemeris computation with rising/setting
// and passages (the count reset by the calculation road, HauptRechnung); read by
// the ephemeris table, window, printout and text file.
extern Tabelle<TEphemeridenZeile, MaxZeilen> Ephemeride;
extern std::int32_t AnzahlZeilen;
// The places of every object at the instants of the conjunction search; written
// and read by the conjunction search (Konjunktion) only.
extern Tabelle<TKonjPosition, MaxZeilen> KonjPositionen;
extern std::int32_t AnzahlKonjPositionen;
// The conjunctions found. Written by the conjunction search; read by the
// conjunction tables (window, printout, text file).
extern Tabelle<TKonjunktionsZeile, MaxZeilen> Konjunktionen;
extern std::int32_t AnzahlKonjunktionen;

// ---------------------------------------------------------------------------
// Live settings (the fields of TEinstellungen) and their defaults. The start
// fills them from "ZenaroWin.ini" or with the defaults; the main window shows
// them and writes them to the file at exit; the date picker (DatumUnit) and the
// parameter check (HauptParameter) change them from the window; the
// computations, the calculation road and the outputs read them. They are what
// the user last typed, kept across runs; the engine computes from the checked
// calculation parameters further below.

extern ShortString<10> Startdatum;  // start date as typed, "TT.MM.JJJJ"
extern ShortString<10> Stopdatum;   // stop date as typed, "TT.MM.JJJJ"
extern ShortString<5> Startzeit;    // start time as typed, "HH:MM"
extern ShortString<5> Stopzeit;     // stop time as typed, "HH:MM"
// The step's whole days as saved in the settings; not to be confused with
// SchrittweiteTage, the checked step the computation uses.
extern std::int32_t SchrittTage;
extern Extended SchrittStunden;    // the step's hours as saved (see SchrittweiteStunden)
extern std::int32_t ZonenIndex;    // 0..51, the chosen zone in the zone list
extern bool DeepSkyAnzeigen;       // search passages by deep-sky objects and stars
extern Extended DeepSkyRadius;     // degrees, radius of the passage search
extern Extended Grenzgroesse;      // magnitude limit of the all-objects list
extern Extended KonjRadius;        // degrees, largest separation of a conjunction
extern Extended KonjGrenzgroesse;  // magnitude limit of conjunction partners
// The "all objects" box as saved in the settings; not to be confused with
// AlleObjekteModus, the mode of the calculation actually running.
extern bool AlleObjekte;
extern bool NurSichtbare;              // all-objects list: only objects above the horizon
extern std::int32_t DaemmerungsHoehe;  // whole degrees, Sun altitude of darkness (-18)

inline constexpr const char* VorgabeZeit = "01:00";
inline constexpr std::int32_t VorgabeSchrittTage = 1;
inline constexpr Extended VorgabeSchrittStunden = 0.0L;
inline constexpr std::int32_t VorgabeZonenIndex = 1;  // "AHST"
inline constexpr bool VorgabeDeepSkyAnzeigen = true;
inline constexpr Extended VorgabeDeepSkyRadius = 2.0L;
inline constexpr Extended VorgabeGrenzgroesse = 12.0L;
inline constexpr Extended VorgabeKonjRadius = 2.0L;
inline constexpr Extended VorgabeKonjGrenzgroesse = 12.0L;
inline constexpr bool VorgabeAlleObjekte = false;
inline constexpr bool VorgabeNurSichtbare = true;
inline constexpr std::int32_t VorgabeDaemmerungsHoehe = -18;

// Sets every live setting to its default; both dates become heute ("TT.MM.JJJJ",
// cut to 10 characters), both times "01:00".
void EinstellungenVorgabenSetzen(const std::string& heute);
// The live settings as one record, and the record copied into the live settings.
TEinstellungen EinstellungenAlsSatz();
void EinstellungenUebernehmen(const TEinstellungen& satz);

// The data directory with a trailing "/"; every data file name is appended to it.
// Any length. Set once by the start; read by the data files, the comet list
// conversion, the main window and the download.
extern std::string DatenVerzeichnis;

// ---------------------------------------------------------------------------
// Calculation parameters and flags. The parameter check (HauptParameter) fills
// them from the main window's fields for the engine; the calculation road
// (HauptRechnung) sets the mode flags before each calculation.

// 1-based index of the current object. Written by the main window, the object
// editor, the calculation road (object by object in the all-objects mode,
// restored after) and the download; read by the computations, the ephemeris
// outputs and the brightness editor.
extern std::int32_t AktObjekt;
// 1-based index of the current location. Written by the main window and the
// location editor; read by the computations and the outputs.
extern std::int32_t AktOrt;
// The running calculation lists all objects at one instant. Written by the
// calculation road from the "all objects" box (AlleObjekte); read by the
// ephemeris computation, the calculation road and the outputs.
extern bool AlleObjekteModus;
// Sort the all-objects rows by magnitude. Written by the main window, the
// parameter check and the calculation road; read by the ephemeris computation.
extern bool NachHelligkeitSortieren;
// Use the brightness parameter sets. Written by the calculation road; read by
// the ephemeris computation (whose magnitudes the conjunction search takes too)
// and the ephemeris outputs.
extern bool HellParameterBenutzen;
// Hours; local time = universal time + ZonenOffset. Written by the parameter
// check; read by the ephemeris, rising/setting and conjunction computations.
extern Extended ZonenOffset;
// Abbreviation of the chosen zone as shown in the titles. Written by the date
// picker and the calculation road; read by the outputs.
extern std::string ZeitzonenName;
// The checked start date. Written by the date picker and the parameter check;
// read by the ephemeris and conjunction computations.
extern std::int32_t StartTag;
extern std::int32_t StartMonat;
extern std::int32_t StartJahr;
// The checked stop date (equal to the start in the all-objects mode); written
// and read as the start date.
extern std::int32_t StopTag;
extern std::int32_t StopMonat;
extern std::int32_t StopJahr;
// Checked start and stop time, hours + minutes/60. Written by the parameter
// check; read by the ephemeris and conjunction computations.
extern Extended StartStunde;
extern Extended StopStunde;
// The checked step in whole days (1 in the all-objects mode) that the
// computation uses; not to be confused with SchrittTage, the saved setting.
// Written by the parameter check; read by the ephemeris and conjunction
// computations.
extern std::int32_t SchrittweiteTage;
// The checked step's hours (0 in the all-objects mode); see SchrittweiteTage.
extern Extended SchrittweiteStunden;
// The instant of the current conjunction step, Julian centuries since J2000,
// universal time; written and read by the conjunction search only.
extern Extended KonjZeitT;
extern Extended KonjZeitMJD;  // the same instant as a Modified Julian Date
// Objects were created, saved or deleted since the start, so the element file
// is written at exit. Written by the main window and the object editor; read by
// the main window.
extern bool ElementeGeaendert;

// The edition: false for the German reference edition, true for the English one.
// Set by main() before anything else runs; read wherever a text or a month name
// is chosen.
extern bool Englisch;

// ---------------------------------------------------------------------------
// Constant tables.

// Weekday abbreviations, 0 = Sunday; German in both editions. Read by the
// ephemeris and conjunction computations through the weekday helper.
extern const Feld<ShortString<2>, 0, 6> Wochentage;

// Month abbreviations 1..12 of the edition chosen by Englisch; read by the
// outputs. The two tables behind it are those of each edition.
struct TMonatsnamen {
    const ShortString<3>& operator[](std::int32_t monat) const;
};
extern const TMonatsnamen Monatsnamen;
extern const Feld<ShortString<3>, 1, 12> MonatsnamenDeutsch;
extern const Feld<ShortString<3>, 1, 12> MonatsnamenEnglisch;

}  // namespace zenaro
