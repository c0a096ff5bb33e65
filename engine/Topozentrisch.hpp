// Topocentric correction, precession of dates and Moon interference: the routines
// the ephemeris calls for every instant (and the conjunction positions for the
// topocentric correction). Angles in degrees, right ascension in degrees inside
// these routines, distances in AU, T in Julian centuries since J2000.
#pragma once

#include <cstdint>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Earth's equatorial radius in km and the astronomical unit in km.
inline constexpr Extended Erdradius = 6378.14L;
inline constexpr Extended AstronomischeEinheit = 149597870.691L;

// The engine's copies of the current location for the Moon-interference grade:
// latitude (degrees, north positive) and longitude (degrees, WEST positive). The
// ephemeris sets them from Orte[AktOrt] once per computation, before any row, so
// that the grade belongs to the location of the rest of the row; nothing writes
// them while rows are computed.
extern Extended AktOrtBreite;
extern Extended AktOrtLaenge;

// The place seen from the location (latitude breite, longitude laenge west
// positive) at the local date and hour of the zone with offset `zone` (hours):
// geocentric right ascension ra and declination dek (degrees) at the distance delta
// (AU) become raNeu in [0, 360) and dekNeu; deltaNeu is delta unchanged. The out
// arguments may be the variables passed as ra, dek and delta.
// A distance inside the Earth raises the floating-point error 207, a distance of
// zero the division-by-zero error 200; a corrected place that is not a
// finite number (a latitude that is none, or so large that its multiples
// overflow) raises 207 too, the out arguments then left as they were.
void TopozentrischeKorrektur(std::int32_t jahr, std::int32_t monat, std::int32_t tag,
                             Extended stunde, Extended zone, Extended breite, Extended laenge,
                             Extended ra, Extended dek, Extended delta, Extended& raNeu,
                             Extended& dekNeu, Extended& deltaNeu);

// What the topocentric correction takes from the latitude alone: the geocentric
// latitude, its tangent, sine and cosine, and the factor of the observer's distance
// from the Earth's centre. A scan at one location forms it once.
struct TToposOrt {
    Extended Phi = 0.0L;  // geocentric latitude, degrees
    Extended TanPhi = 0.0L, SinPhi = 0.0L, CosPhi = 1.0L;
    Extended RhoFaktor = 1.0L;
};
TToposOrt ToposOrt(Extended breite);

// TopozentrischeKorrektur at the local sidereal time theta (hours) of the instant,
// as OrtsSternzeit gives it for the local date and hour, with the location's values
// from ToposOrt: the same numbers.
void TopozentrischeKorrektur(Extended theta, const TToposOrt& ort, Extended ra, Extended dek,
                             Extended delta, Extended& raNeu, Extended& dekNeu);

// Carries right ascension and declination (degrees) from the equinox of the year
// jahrVon to that of jahrBis by the rigorous rotation through the three precession
// angles. The out arguments may be the variables passed as ra and dek.
void Praezession(std::int32_t jahrVon, std::int32_t jahrBis, Extended ra, Extended dek,
                 Extended& raNeu, Extended& dekNeu);

// Illuminated share of the Moon's disc at T (universal time) in whole percent
// 0..100, rounded down.
std::int32_t MondBeleuchtung(Extended T);

// How much the Moon disturbs an observation at the local date and hour of the zone
// with offset `zone`, at the location AktOrtBreite/AktOrtLaenge: "++" none (also
// whenever the Moon is below the horizon), "+ " weak, "0 " moderate, "- " strong,
// "--" very strong.
void MondStoerung(std::int32_t jahr, std::int32_t monat, std::int32_t tag, Extended stunde,
                  Extended zone, ShortString<2>& klasse);

// The grade from the Moon's altitude (degrees) and illuminated share (percent).
ShortString<2> MondKlasseAus(Extended hoehe, std::int32_t beleuchtung);

}  // namespace zenaro
