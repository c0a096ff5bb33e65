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
// Global tables and their counts.

extern Tabelle<TBahnelement, MaxObjekte> Objekte;
extern std::int32_t AnzahlObjekte;
extern Tabelle<TOrt, MaxOrte> Orte;
extern std::int32_t AnzahlOrte;
extern Tabelle<TDeepSkyObjekt, MaxNGC> NGCKatalog;
extern std::int32_t AnzahlNGC;
extern Tabelle<TDeepSkyObjekt, MaxIC> ICKatalog;
extern std::int32_t AnzahlIC;
extern Tabelle<TStern, MaxSterne> Sternkatalog;
extern std::int32_t AnzahlSterne;
// Slot 1001 is the exchange slot of the brightness editor's sort.
extern Tabelle<THellParameter, MaxHellParameter> HellParameterListe;
extern std::int32_t AnzahlHellParameter;
extern Tabelle<std::int32_t, MaxHellAuswahl> HellAuswahl;
extern std::int32_t AnzahlHellAuswahl;
extern Tabelle<TEphemeridenZeile, MaxZeilen> Ephemeride;
extern std::int32_t AnzahlZeilen;
extern Tabelle<TKonjPosition, MaxZeilen> KonjPositionen;
extern std::int32_t AnzahlKonjPositionen;
extern Tabelle<TKonjunktionsZeile, MaxZeilen> Konjunktionen;
extern std::int32_t AnzahlKonjunktionen;

// ---------------------------------------------------------------------------
// Live settings (the fields of TEinstellungen) and their defaults.

extern ShortString<10> Startdatum;
extern ShortString<10> Stopdatum;
extern ShortString<5> Startzeit;
extern ShortString<5> Stopzeit;
extern std::int32_t SchrittTage;
extern Extended SchrittStunden;
extern std::int32_t ZonenIndex;
extern bool DeepSkyAnzeigen;
extern Extended DeepSkyRadius;
extern Extended Grenzgroesse;
extern Extended KonjRadius;
extern Extended KonjGrenzgroesse;
extern bool AlleObjekte;
extern bool NurSichtbare;
extern std::int32_t DaemmerungsHoehe;

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
// Any length.
extern std::string DatenVerzeichnis;

// ---------------------------------------------------------------------------
// Calculation parameters and flags.

extern std::int32_t AktObjekt;  // 1-based index of the current object
extern std::int32_t AktOrt;     // 1-based index of the current location
extern bool AlleObjekteModus;
extern bool NachHelligkeitSortieren;
extern bool HellParameterBenutzen;
extern Extended ZonenOffset;  // hours; local time = universal time + ZonenOffset
extern std::string ZeitzonenName;
extern std::int32_t StartTag;
extern std::int32_t StartMonat;
extern std::int32_t StartJahr;
extern std::int32_t StopTag;
extern std::int32_t StopMonat;
extern std::int32_t StopJahr;
extern Extended StartStunde;  // hours + minutes/60
extern Extended StopStunde;
extern std::int32_t SchrittweiteTage;
extern Extended SchrittweiteStunden;
extern Extended KonjZeitT;    // Julian centuries since J2000, universal time
extern Extended KonjZeitMJD;  // the same instant as a Modified Julian Date
extern bool ElementeGeaendert;

// The edition: false for the German reference edition, true for the English one.
// Set by main() before anything else runs.
extern bool Englisch;

// ---------------------------------------------------------------------------
// Constant tables.

// Weekday abbreviations, 0 = Sunday; German in both editions.
extern const Feld<ShortString<2>, 0, 6> Wochentage;

// Month abbreviations 1..12 of the edition chosen by Englisch.
struct TMonatsnamen {
    const ShortString<3>& operator[](std::int32_t monat) const;
};
extern const TMonatsnamen Monatsnamen;
extern const Feld<ShortString<3>, 1, 12> MonatsnamenDeutsch;
extern const Feld<ShortString<3>, 1, 12> MonatsnamenEnglisch;

}  // namespace zenaro
