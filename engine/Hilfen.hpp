// Time, angle and zone helpers of the engine: the split of hours or degrees into
// whole units and minutes used by every text table, an angle reduction, a Julian
// Date with a fixed century term, the local sidereal time and the weekday built on
// it, the offsets of the 52 time-zone abbreviations, an arcsine in degrees and the
// conversion of right ascension and declination to azimuth and altitude. None keeps
// state; every real is Extended.
#pragma once

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// One time-zone abbreviation with its offset from universal time in whole hours
// (local time = universal time + offset).
struct TZeitzone {
    std::string_view Name;
    std::int32_t Versatz;
};

inline constexpr std::int32_t AnzahlZeitzonen = 52;

// The 52 zones in their fixed order: the items of the zone list of the main window
// and of the date and time picker, and the stored zone index (ZonenIndex) counts
// from 0 in this order.
inline constexpr std::array<TZeitzone, AnzahlZeitzonen> Zeitzonen{{
    {"ADT", -3},  {"AHST", -10}, {"AKDT", -9}, {"AKST", -10}, {"AST", -4}, {"AT", -2},  {"BST", 1},
    {"BT", 3},    {"CAT", -10},  {"CCT", 8},   {"CDT", -5},   {"CEST", 2}, {"CET", 1},  {"CST", -6},
    {"EADT", 11}, {"EAST", 10},  {"EDT", -4},  {"EEST", 3},   {"EET", 2},  {"EST", -5}, {"FST", 2},
    {"FWT", 1},   {"GMT", 0},    {"HST", -10}, {"IST", 1},    {"JST", 9},  {"MDT", -6}, {"MEST", 2},
    {"MESZ", 2},  {"MET", 2},    {"MEWT", 1},  {"MEZ", 1},    {"MSD", 4},  {"MSK", 3},  {"MST", -7},
    {"MT", -7},   {"NZDT", 13},  {"NZST", 12}, {"PDT", -7},   {"PST", -8}, {"PT", -8},  {"SST", 2},
    {"SWT", 1},   {"TAI", 0},    {"UT", 0},    {"UTC", 0},    {"WADT", 8}, {"WAST", 7}, {"WEST", 1},
    {"WET", 0},   {"YDT", -7},   {"YST", -8},
}};

// Splits x (hours or degrees, not negative) rounded to the nearest minute into the
// whole part and the whole minutes 0..59 (a half minute rounds up, the carry goes
// into the whole part). A whole part beyond 32 bits raises the range-check error.
void StundenMinuten(Extended x, std::int32_t& ganz, Extended& minuten);

// The same for a signed angle: the split of |x|, the whole part negated when
// x < 0. An angle between -1 and 0 degrees therefore comes back with whole part 0;
// the caller takes the sign from x.
void GradMinuten(Extended x, std::int32_t& ganz, Extended& minuten);

// x (degrees) reduced to [0, 360]; exactly 360 and its multiples stay 360. A NaN or
// infinite angle raises the floating-point error 207.
Extended WinkelNormieren(Extended x);

// Julian Date of a calendar date and hour with the Gregorian century term fixed:
// right from 1900-03-01 to 2100-02-28, off by whole days outside.
Extended JulianischesDatum(std::int32_t jahr, std::int32_t monat, std::int32_t tag,
                           Extended stunde);

// Local sidereal time in hours [0, 24) at a local date and hour of the zone with the
// given offset (hours) and the longitude in degrees, positive to the WEST.
Extended OrtsSternzeit(Extended jahr, Extended monat, Extended tag, Extended stunde, Extended zone,
                       Extended laenge);

// Weekday of a date, 0 = Sunday to 6 = Saturday; the index into Wochentage.
std::int32_t Wochentag(std::int32_t jahr, std::int32_t monat, std::int32_t tag);

// Offset in hours of a zone abbreviation by exact, case-sensitive comparison with
// the zone table; a name that is not in the table gives 0.
Extended ZonenVersatz(const std::string& name);

// Position (0-based) of a zone abbreviation in the zone table by exact,
// case-sensitive comparison; -1 for a name that is not in the table.
std::int32_t ZonenNummer(const std::string& name);

// Days of a month of the Gregorian calendar (February 29 in leap years).
std::int32_t Monatslaenge(std::int32_t monat, std::int32_t jahr);

// Arcsine in degrees. |x| beyond 1 (other than exactly 1) and NaN raise the
// floating-point error 207.
Extended ArcSinGrad(Extended x);

// Azimuth (0 south, 90 west, [0, 360)) and altitude in degrees of the place with
// right ascension ra (hours) and declination dek (degrees) at the local sidereal
// time sternzeit (hours) and the latitude breite (degrees). A negative right
// ascension leaves azimuth and altitude as they are.
void AzimutHoehe(Extended ra, Extended dek, Extended sternzeit, Extended breite, Extended& azimut,
                 Extended& hoehe);

// The altitude of AzimutHoehe alone, with the sine and cosine of the latitude given
// (SINDEG and COSDEG of it): the same number, for scans that need no azimuth.
void Hoehe(Extended ra, Extended dek, Extended sternzeit, Extended sinBreite, Extended cosBreite,
           Extended& hoehe);

// The same Extended number, value and sign (so 0 and -0 differ, and NaN equals
// nothing): the test by which kept results are used again only where a fresh
// computation would take exactly the same inputs.
inline bool GleicheZahl(Extended a, Extended b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace zenaro
