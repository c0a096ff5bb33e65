// Passages of deep-sky objects and bright stars near the place of an ephemeris row.
#pragma once

#include <string>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Looks through the loaded entries of the NGC catalogue, then the IC catalogue,
// then the bright-star catalogue for the entry nearest to the row's place (RA in
// hours, Dek) within DeepSkyRadius degrees; an entry at exactly the radius counts,
// and on equal distances the earlier entry stays. The nearest entry sets the row's
// Distanz (degrees) and NaheBei (its label with the magnitude in brackets); without
// one the row keeps its Distanz. A star without a constellation gets the row's
// Sternbild written into its catalogue entry when it is taken. An entry whose place
// is not on the sky (AmHimmel: from a damaged file) is passed over, so the row's
// Distanz is always 999.0 or a number from 0 to the radius.
void DurchgangSuchen(TEphemeridenZeile& Zeile);

// The search measures only the catalogue entries near the row's declination (and
// right ascension), by an index of the catalogues' places that it checks against
// the catalogues before every search: reading every place takes about as long as
// the search itself. While an object of this class lives on a thread, the places
// are checked at the first search on that thread only; a computation that changes
// no catalogue place between its rows holds one over its rows (the counts of loaded
// entries are checked at every search all the same).
class TDurchgangsRechnung {
public:
    TDurchgangsRechnung();
    ~TDurchgangsRechnung();
    TDurchgangsRechnung(const TDurchgangsRechnung&) = delete;
    TDurchgangsRechnung& operator=(const TDurchgangsRechnung&) = delete;
};

// The label of an NGC entry ("NGC 7331 [ 9.5]", "M 31 [ 3.4]"), of an IC entry
// ("IC 434 [ 7.3]") and of a star ("alf1 And [ 2.1]", "61 Cyg [ 5.2]", by name
// otherwise). An unknown magnitude 99.0 is written "??.?". At most 20 characters.
std::string DeepSkyBezeichnung(const TDeepSkyObjekt& Objekt, bool IC);
std::string SternBezeichnung(const TStern& Stern);

}  // namespace zenaro
