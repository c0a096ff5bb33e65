// The ephemeris computation: the place of an object at an instant (ObjektOrt), its
// magnitude with the brightness parameter sets, the h.mm time encoding, and
// EphemerideBerechnen, which fills the ephemeris table for the current object or,
// in the all-objects mode, one row per object.
#pragma once

#include <cstdint>

#include "astro/PNULIB.hpp"
#include "engine/Helligkeitsordnung.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Light time per AU in days (applied as light time times the heliocentric velocity).
inline constexpr Extended Lichtzeitfaktor = 0.00578L;
// Mean motion in degrees per day of an orbit with a semi-major axis of 1 AU.
inline constexpr Extended Mittelbewegungskonstante = 0.9856076686L;
// One hour in Julian centuries, 1/(24 * 36525).
inline constexpr Extended EineStundeInJahrhunderten = 1.1407711613e-6L;

// The working state of one object's orbit, set up once per computation from its
// elements and read by every position of that computation.
struct TBahnDaten {
    ShortString<60> Name;  // the object's name: key of its brightness sets, and the
                           // name given in error messages
    Extended H11 = 0.0L;   // standard magnitude formula
    Extended N = 0.0L;
    // Exactly 0 selects the propagation from the perihelion time (ORBITSTATE), any
    // other value the mean-anomaly propagation (ELLIPSTATE).
    Extended MittlereAnomalie = 0.0L;
    Extended Exzentrizitaet = 0.0L;
    Extended Perihelabstand = 0.0L;
    Extended GrosseHalbachse = 0.0L;
    Extended MJDPerihel = 0.0L;      // perihelion (or epoch) instant, MJD
    Extended TPerihel = 0.0L;        // the same in Julian centuries since J2000
    Extended Mittelbewegung = 0.0L;  // degrees per day; only in the mean-anomaly mode
    ROTMATRIX Aequinoktium{};        // ecliptic of the elements' equinox to J2000
    ROTMATRIX Bahn{};                // orbit plane to the ecliptic of the elements
};

// Sets up the working state from the elements. Elements on which the formulas are
// undefined raise the runtime error 207 with a text naming the object: a value that
// is not a finite number, a negative eccentricity, a perihelion distance not above 0
// in the perihelion-time mode, a semi-major axis not above 0 or an eccentricity of 1
// or more in the mean-anomaly mode.
void BahnVorbereiten(const TBahnelement& Element, TBahnDaten& Bahn);

// Raises the runtime error 207 naming the location when its latitude or longitude
// is not a finite number (a damaged location file): every place computed from it
// would be NaN.
void OrtPruefen(const TOrt& Ort);

// The heliocentric distance r (AU) of the object at the instant T (Julian centuries)
// that lies TageSeitPerihel days after the perihelion (epoch) instant: T drives the
// perihelion-time mode, the day count the mean-anomaly mode.
Extended HeliozentrischerAbstand(const TBahnDaten& Bahn, Extended T, Extended TageSeitPerihel);

// The place of the object at the instant T (Julian centuries) with the matching
// universal day number MJD: right ascension RA (degrees, [0, 360)) and declination
// Dek of J2000, geocentric and light-time corrected, the light-time corrected
// geocentric distance Delta and the heliocentric distance r at T (AU); the second
// form also gives the Sun's distance R. A place that is not finite, or a distance
// of 0, raises the runtime error 207 naming the object.
void ObjektOrt(const TBahnDaten& Bahn, Extended T, Extended MJD, Extended& RA, Extended& Dek,
               Extended& Delta, Extended& r);
void ObjektOrt(const TBahnDaten& Bahn, Extended T, Extended MJD, Extended& RA, Extended& Dek,
               Extended& Delta, Extended& r, Extended& R);

// The Sun's geocentric vector (ecliptic of J2000, AU) and distance R at the instant
// T, as every place at T takes it; a scan that visits instants again keeps it and
// hands it to the place below (the same numbers as computed within).
struct TSonnenVektor {
    Extended X = 0.0L, Y = 0.0L, Z = 0.0L, R = 0.0L;
};
TSonnenVektor SonnenVektorBerechnen(Extended T);
void ObjektOrt(const TBahnDaten& Bahn, Extended T, Extended MJD, const TSonnenVektor& Sonne,
               Extended& RA, Extended& Dek, Extended& Delta, Extended& r);

// The magnitude at the instant MJD: H11 + 5 log Delta + 2.5 N log r; then, when
// HellParameterBenutzen is set, every brightness set of HellParameterListe
// (1..AnzahlHellParameter, in table order) whose name equals the object's and whose
// range MJD_P + Von .. MJD_P + Bis holds MJD replaces it by
// H11 + N1 log Delta + 2.5 N2 log r', with r' = r, or for an extended set the
// distance at MJD + Versatz + DT. The last applying set wins. Delta is the
// topocentric distance of the pass, Versatz the time offset of the pass in days.
// A magnitude that is not a finite number (from a damaged set) raises the runtime
// error 207 naming the object.
Extended Helligkeit(const TBahnDaten& Bahn, Extended MJD, Extended Versatz, Extended Delta,
                    Extended r);

// A time of day h (hours with fraction) rounded to the minute and written as hours
// plus minutes/100 (14:07 is 14.07); a time within half a minute before midnight
// gives 24.00.
Extended StundenPunktMinuten(Extended h);

// Set when a computation had to stop appending rows because Ephemeride was full
// (MaxZeilen rows); cleared when a computation starts on an empty table. The
// calculation road reads it to tell the user that the list is incomplete.
extern bool EphemerideVoll;

// The ephemeris of the current object AktObjekt at the current location AktOrt over
// the time range of the calculation parameters, one row per step appended to
// Ephemeride; in the all-objects mode (AlleObjekteModus) the one row of the current
// object, the rows sorted by magnitude afterwards when NachHelligkeitSortieren is
// set. Drives the progress window and lets the window system process pending
// messages once per step, and every 40 ms while a row is awaited. The stop instant
// belongs to the range; a step too small to move the instant gives one row; rows
// stop at the table's capacity (EphemerideVoll). Undefined elements, or a location
// that is not a number, end it with the runtime error 207; every runtime error
// raised while an object is computed names the object. The progress window is
// hidden then, as at any other error (out of memory among them), and only complete
// rows are in the table: those before the row whose computation failed.
//
// The rows are computed on Arbeiterzahl() threads and appended in order; the
// passage search and everything else that depends on the order of the rows runs on
// the calling thread. The result is the same to the last bit as with one thread.
void EphemerideBerechnen();

// The all-objects mode: for AktObjekt = 1, 2, ..., AnzahlObjekte (the number at the
// start) one call of EphemerideBerechnen each, with the rows and the table after
// each call the same to the last bit, while the objects are computed on all threads
// ahead of their calls. The first object whose call fails ends it with that error;
// AktObjekt is left at the last object called.
void EphemerideAllerObjekte();

// The stop instant is part of a calculation's range. The instants are accumulated
// by repeated addition of the step, whose rounding can put the stop instant a few
// units of the last digit beyond the stop (30 days in daily steps would lose the
// last day); this allowance in centuries (1e-9 days, far below any step) keeps it
// in. The ephemeris and the conjunction search test their stop with it.
constexpr Extended Zeittoleranz = 1e-9L / 36525.0L;

}  // namespace zenaro
