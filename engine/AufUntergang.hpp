// Rising, setting, culmination and best observing time of one ephemeris row.
#pragma once

#include "engine/Ephemeride.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Altitude of the horizon for rising and setting: 8 arc minutes above the
// mathematical horizon.
inline constexpr Extended Horizonthoehe = 0.13333333333L;
// One minute in days: the step of the altitude scan.
inline constexpr Extended MinutenSchritt = 0.000694444444444L;

// Markers of rising and setting: no such event that day (while the other one
// exists), above the horizon all day, below the horizon all day.
inline constexpr Extended KeinEreignis = -1.0L;
inline constexpr Extended ImmerUeberHorizont = -2.0L;
inline constexpr Extended NieUeberHorizont = -3.0L;

// Sine of the geocentric altitude of the object at the local hour Stunde of the day
// whose local midnight is the universal day number MJD0, at the longitude Laenge
// (degrees, west positive) of a location with cos and sin of its latitude.
Extended HoehenSinus(Extended MJD0, Extended Stunde, Extended Laenge, Extended CosBreite,
                     Extended SinBreite, const TBahnDaten& Bahn);

// Aufgang and Untergang of the row for its local date (Jahr, Monat, Tag) at the
// location: local hours with fraction, or the markers above. Two-hour windows
// centred on 1, 3, ..., 23 h with a parabola through three altitudes each.
void AufUntergangBerechnen(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort);

// Kulmination/KulmHoehe (the highest topocentric altitude of the local day, at or
// above 0 degrees) and TOpt/TOptHoehe/TOptMond (the same while the Sun stands at
// or below DaemmerungsHoehe, with the Moon's interference grade then), from 1441
// one-minute samples from local midnight to the next. Times in h.mm; -1.0 with
// altitude -90.0 (and "  " for the grade) when there is none. The grade is taken at
// the engine's copy of the location (AktOrtBreite/AktOrtLaenge), which the caller
// sets; nothing global is written, so rows may be computed on several threads.
// Only the minutes that can matter are computed: the Sun where it may be near the
// twilight altitude, the object where it may be near its highest, by bounds on how
// fast their places can move; the result is that of computing every minute, which
// is done where the object's motion cannot be bounded.
void KulminationBerechnen(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort);

}  // namespace zenaro
