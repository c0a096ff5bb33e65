// Sternb: the constellation of a position of the sky, and the arcsine in radians
// that the topocentric correction uses as well.
//
// The constellation boundaries of the International Astronomical Union run along
// hour circles and parallels of the equinox 1875.0. The constant box table
// (CONSTRA, CONSTDEC, CONSTABBR; generated into Sternb_Tabelle.cpp by
// tools/sternbild_tabelle.cpp) describes them as rectangles of 1875 coordinates,
// grouped by constellation in the alphabetical order of the Latin names. The module
// keeps no state.
#pragma once

#include <cstdint>
#include <string>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// A constant table numbered from 1; reading outside 1..Anzahl raises the runtime
// error 201 (range check).
template <typename T>
struct KonstanteTabelle {
    const T* Werte;
    std::int32_t Anzahl;

    const T& operator[](std::int32_t i) const {
        if (i < 1 || i > Anzahl) Laufzeitfehler(FehlerBereichsueberschreitung, "CONSTFIND table");
        return Werte[i - 1];
    }
};

// Number of values in each bound array; the number of boxes is CONSTCOUNT div 2.
extern const std::int32_t CONSTCOUNT;
// Right-ascension bounds in hours of 1875: box i runs from CONSTRA[2i-1] to CONSTRA[2i].
extern const KonstanteTabelle<Extended> CONSTRA;
// Declination bounds in degrees of 1875: CONSTDEC[2i-1] is the upper, CONSTDEC[2i]
// the lower bound of box i.
extern const KonstanteTabelle<Extended> CONSTDEC;
// The constellation abbreviation of box i, upper case ("AND", "CVN", "CRU").
extern const KonstanteTabelle<const char*> CONSTABBR;

// Arcsine of x in [-1, 1] in radians: +-1 give +-pi/2 exactly, |x| <= 1e-7 gives x.
// |x| > 1 or NaN raises the runtime error 207.
Extended ARCSINRAD(Extended x);

// The constellation of the position RA (hours), DEC (degrees) of the equinox of
// the year EQUINOX (January 1 of its whole year): the position is precessed to 1875
// by the IAU 1976 precession and looked up in the box table. The abbreviation is
// returned and stored in ABBR. NaN or infinite coordinates raise the runtime error
// 207; an equinox outside the 32-bit year range raises 201 (207 for NaN), a year
// too far for the calendar's day count 215 (arithmetic overflow).
std::string CONSTFIND(Extended RA, Extended DEC, Extended EQUINOX, std::string& ABBR);

// The box search of CONSTFIND on coordinates of 1875: every box is tested with all
// four bounds inclusive and the last matching box wins; "UMI" when no box holds the
// position (north of +88 degrees).
std::string SternbildImKasten(Extended RA1875, Extended DEC1875);

}  // namespace zenaro
