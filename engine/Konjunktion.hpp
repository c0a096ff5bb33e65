// Conjunction positions and pair search: the place and magnitude of every object
// bright enough at each instant of the time range, and the pairs of them that come
// within the conjunction radius of each other.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Set by KonjunktionenSuchen when a further conjunction was found while the table
// Konjunktionen was already full (10000 rows); recording then stops and the search
// ends, keeping the rows found so far. Cleared at the start of every search. The
// calculation road tells the user from it.
extern bool KonjunktionenVoll;

// Place and magnitude of the object Objekte[AktObjekt] at the instant KonjZeitT
// (KonjZeitMJD for the mean-anomaly propagation), seen from the location
// Orte[AktOrt], exactly as one time step of the ephemeris computes them. When the
// magnitude is at or brighter than KonjGrenzgroesse (a tie qualifies) one row is
// appended to KonjPositionen with the local date and time of the instant; a fainter
// object leaves no row. Undefined elements, or a location that is not a number,
// end it with the runtime error 207 as they end the ephemeris.
void KonjPositionBerechnen();

// The pair search of one instant over KonjPositionen[1..AnzahlKonjPositionen]:
// every ordered pair of different rows whose separation is at most KonjRadius (a
// tie counts) is appended to Konjunktionen, object 1 from the first row of the
// pair, unless a row of Konjunktionen already holds the mirrored pair at the same
// date and time. So each unordered pair is recorded once per instant, with the
// lower object index as object 1. When the table is full, KonjunktionenVoll is set
// instead and the search of the instant ends.
void KonjPaareSuchen();

// The conjunction search over the time range of the calculation parameters (start,
// stop, step, zone): empties Konjunktionen, then at every instant from the start
// to the stop (at least once, at the start) records the positions of all objects
// in object order and runs the pair search. AktObjekt is restored afterwards, also
// when an error ends the search. KonjZeitT and KonjZeitMJD keep the instant after
// the last pass.
void KonjunktionenSuchen();

}  // namespace zenaro
