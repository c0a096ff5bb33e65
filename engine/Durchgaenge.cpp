#include "engine/Durchgaenge.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "astro/MATLIB.hpp"
#include "engine/Abstand.hpp"
#include "engine/Zahltext.hpp"

namespace zenaro {

namespace {

std::string Gekuerzt(std::string text, std::size_t laenge) {
    if (text.size() > laenge) text.resize(laenge);
    return text;
}

// Removes leading and trailing blanks and control characters.
std::string Getrimmt(const std::string& text) {
    auto leer = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto anfang = std::find_if_not(text.begin(), text.end(), leer);
    const auto ende = std::find_if_not(text.rbegin(), text.rend(), leer).base();
    return anfang < ende ? std::string(anfang, ende) : std::string();
}

// The magnitude in four characters with one decimal; the catalogue's unknown
// magnitude 99.0 is shown as "??.?".
std::string HelligkeitsText(Extended hell) {
    std::string text = Gekuerzt(ZahlText(hell, 4, 1), 4);
    if (text == "99.0") text = "??.?";
    return text;
}

std::string MitHelligkeit(const std::string& bezeichnung, Extended hell) {
    return Gekuerzt(bezeichnung + " [" + HelligkeitsText(hell) + "]", 20);
}

// Number of loaded entries of a catalogue, held within its capacity.
std::int32_t Geladen(std::int32_t anzahl, std::int32_t kapazitaet) {
    return std::clamp(anzahl, 0, kapazitaet);
}

// The places of one catalogue's loaded entries as the search measures them, with
// the sine and cosine of each declination, and the entries ordered by declination,
// so that a row looks only at the entries near its own declination. Built from the
// catalogue and checked against it on every search (within a computation that
// holds a TDurchgangsRechnung, on its first search): any entry whose place is no
// longer the same number (value and sign, NaN included), or another count, makes
// it build again, so the search always measures the catalogue as it stands. An
// entry whose place is not on the sky (AmHimmel; a damaged file) is left out of the
// order: the search passes over it, so its distance, which may be any number or
// none, is never taken. One per thread.
struct TKatalogIndex {
    bool Gebaut = false;
    struct TPlatz {
        Extended RA = 0.0L, Dek = 0.0L, Sin = 0.0L, Cos = 1.0L;
    };
    std::vector<TPlatz> Plaetze;  // by slot - 1
    // Slots (from 1) of the entries on the sky by declination.
    std::vector<std::pair<Extended, std::int32_t>> NachDek;
};

// The same Extended number: the 64 bits of the significand and the 16 of sign and
// exponent equal (NaN included).
bool Bitgleich(const Extended& a, const Extended& b) {
    std::uint64_t ma, mb;
    std::uint16_t ea, eb;
    std::memcpy(&ma, &a, 8);
    std::memcpy(&mb, &b, 8);
    std::memcpy(&ea, reinterpret_cast<const char*>(&a) + 8, 2);
    std::memcpy(&eb, reinterpret_cast<const char*>(&b) + 8, 2);
    return ma == mb && ea == eb;
}

// Searches within a computation on this thread (see TDurchgangsRechnung): how many
// are open, and whether the indexes were checked since the outermost began.
thread_local std::int32_t RechnungenOffen = 0;
thread_local bool InRechnungGeprueft = false;

template <typename Eintrag, std::int32_t Von, std::int32_t Bis>
const TKatalogIndex& Index(TKatalogIndex& index, const Feld<Eintrag, Von, Bis>& katalog,
                           std::int32_t anzahl, bool pruefen) {
    const auto n = static_cast<std::size_t>(anzahl);
    bool gleich = index.Gebaut && index.Plaetze.size() == n;
    for (std::size_t i = 0; gleich && pruefen && i < n; ++i) {
        const Eintrag& e = katalog.begin()[i];
        gleich = Bitgleich(e.RA, index.Plaetze[i].RA) && Bitgleich(e.Dek, index.Plaetze[i].Dek);
    }
    if (gleich) return index;
    index.Gebaut = false;
    // Sine and cosine of a declination seen before are kept.
    std::vector<TKatalogIndex::TPlatz> alt;
    alt.swap(index.Plaetze);
    index.Plaetze.resize(n);
    index.NachDek.clear();
    for (std::size_t i = 0; i < n; ++i) {
        const Eintrag& e = katalog.begin()[i];
        TKatalogIndex::TPlatz& platz = index.Plaetze[i];
        platz.RA = e.RA;
        platz.Dek = e.Dek;
        if (i < alt.size() && Bitgleich(alt[i].Dek, e.Dek)) {
            platz.Sin = alt[i].Sin;
            platz.Cos = alt[i].Cos;
        } else {
            platz.Sin = SINDEG(e.Dek);
            platz.Cos = COSDEG(e.Dek);
        }
        if (AmHimmel(e.RA, e.Dek))
            index.NachDek.emplace_back(e.Dek, static_cast<std::int32_t>(i) + 1);
    }
    std::sort(index.NachDek.begin(), index.NachDek.end());
    index.Gebaut = true;
    return index;
}

thread_local TKatalogIndex NGCIndex, ICIndex, SternIndex;

// The slots of a catalogue, in ascending order, whose entries on the sky may lie
// within the radius of the row's place (alpha, delta); every other entry on the sky
// provably lies farther away, so the search takes the same entries in the same
// order as a search through every loaded slot that passes over the entries off the
// sky.
// - Declination: SicherAusserhalb passes over an entry more than radius + 1 degree
//   away in declination; the entries outside delta -+ (radius + 1 + 1e-9) are all
//   such (the difference of two declinations is rounded far below 1e-9).
// - Right ascension, for radii up to 18 degrees: an entry is only ever taken by the
//   flat formula (the arc cosine below 0.95 gives more than 18.19 degrees), which
//   is at least |cos((delta_c + delta)/2) dAlpha|, dAlpha the difference reduced to
//   +-180; within the band the cosine is at least cos(|delta| + (radius + 1)/2), so
//   an entry with |dAlpha| beyond radius over that cosine is farther than the
//   radius (a result above 180 folds to at least 105). dAlpha is the difference or
//   the difference -+ 360 (each exact but for a rounding far below the margin)
//   while the difference is below 540 in size; beyond, the remainder is taken.
void Kandidaten(const TKatalogIndex& index, Extended alpha, Extended delta, Extended radius,
                std::vector<std::int32_t>& slots) {
    slots.clear();
    const bool band = radius <= 90.0L && std::fabs(delta) <= 90.0L;
    if (!band) {
        for (const auto& eintrag : index.NachDek) slots.push_back(eintrag.second);
        std::sort(slots.begin(), slots.end());
        return;
    }
    const Extended breite = radius + 1.0L + 1e-9L;
    const Extended mitteMax = std::fabs(delta) + breite / 2.0L + 0.01L;
    const bool nachRA = radius <= 18.0L && mitteMax < 89.0L;
    const Extended raGrenze = nachRA ? (radius / COSDEG(mitteMax)) * (1.0L + 1e-12L) + 1e-9L : 0.0L;
    auto weitWeg = [&](Extended raC) {
        const Extended d = raC - alpha;
        if (std::fabs(d) < 540.0L)
            return std::fabs(d) > raGrenze && std::fabs(d - 360.0L) > raGrenze &&
                   std::fabs(d + 360.0L) > raGrenze;
        return std::fabs(std::remainder(d, 360.0L)) > raGrenze;
    };
    const auto von = std::lower_bound(index.NachDek.begin(), index.NachDek.end(),
                                      std::make_pair(delta - breite, std::int32_t{0}));
    for (auto it = von; it != index.NachDek.end() && it->first <= delta + breite; ++it) {
        const std::int32_t slot = it->second;
        if (nachRA && weitWeg(index.Plaetze[static_cast<std::size_t>(slot) - 1].RA)) continue;
        slots.push_back(slot);
    }
    std::sort(slots.begin(), slots.end());
}

// Separation of a catalogue entry (slot) from the row's place (alpha, delta, with the
// sine and cosine of delta), the entry first as the passage search measures it. An
// entry too far from the row's declination to lie within the radius is passed over
// unmeasured; it counts as beyond any distance.
Extended EintragAbstand(const TKatalogIndex& index, std::int32_t slot, Extended alpha,
                        Extended delta, Extended sinDelta, Extended cosDelta, Extended radius) {
    const auto i = static_cast<std::size_t>(slot) - 1;
    const TKatalogIndex::TPlatz& platz = index.Plaetze[i];
    if (SicherAusserhalb(platz.Dek, delta, radius))
        return std::numeric_limits<Extended>::infinity();
    return Winkelabstand(platz.RA, platz.Dek, alpha, delta, platz.Sin, platz.Cos, sinDelta,
                         cosDelta);
}

}  // namespace

TDurchgangsRechnung::TDurchgangsRechnung() {
    if (RechnungenOffen++ == 0) InRechnungGeprueft = false;
}

TDurchgangsRechnung::~TDurchgangsRechnung() { --RechnungenOffen; }

std::string DeepSkyBezeichnung(const TDeepSkyObjekt& Objekt, bool IC) {
    std::string bezeichnung =
        Gekuerzt(std::string(IC ? "IC " : "NGC ") + std::to_string(Objekt.Nummer), 15);
    if (Objekt.Messier > 0)
        bezeichnung = Gekuerzt("M " + std::to_string(static_cast<int>(Objekt.Messier)), 15);
    return MitHelligkeit(bezeichnung, Objekt.Hell);
}

std::string SternBezeichnung(const TStern& Stern) {
    std::string bezeichnung;
    if (!Stern.Bayer.Leer()) {
        // A record without an index character holds a zero byte there; it is written
        // as a blank so that no zero character enters the label.
        const char index = Stern.BayerIndex == '\0' ? ' ' : Stern.BayerIndex;
        bezeichnung = Gekuerzt(Stern.Bayer.Text() + index, 8);
        bezeichnung = Gekuerzt(bezeichnung + " ", 9);
        bezeichnung = Gekuerzt(bezeichnung + Stern.Sternbild.Text(), 12);
    } else if (Stern.Flamsteed != 0) {
        bezeichnung = Gekuerzt(std::to_string(Stern.Flamsteed) + " " + Stern.Sternbild.Text(), 15);
    } else {
        bezeichnung = Gekuerzt(Stern.Name.Text(), 15);
    }
    bezeichnung = Gekuerzt(bezeichnung + " ", 15);
    return MitHelligkeit(Getrimmt(bezeichnung), Stern.Hell);
}

void DurchgangSuchen(TEphemeridenZeile& Zeile) {
    const Extended alpha = Zeile.RA * 15.0L;
    const Extended delta = Zeile.Dek;
    const Extended sinDelta = SINDEG(delta);
    const Extended cosDelta = COSDEG(delta);
    const Extended radius = DeepSkyRadius;
    // An entry is taken when it lies within the radius and strictly nearer than the
    // nearest so far, so on equal distances the earlier entry stays.
    auto naeher = [&](Extended abstand) { return abstand <= radius && abstand < Zeile.Distanz; };

    // Within a computation the places are checked at its first search only.
    const bool pruefen = RechnungenOffen == 0 || !InRechnungGeprueft;
    if (RechnungenOffen > 0) InRechnungGeprueft = true;
    std::vector<std::int32_t> slots;
    const TKatalogIndex& ngc = Index(NGCIndex, NGCKatalog, Geladen(AnzahlNGC, MaxNGC), pruefen);
    Kandidaten(ngc, alpha, delta, radius, slots);
    for (const std::int32_t i : slots) {
        const Extended abstand = EintragAbstand(ngc, i, alpha, delta, sinDelta, cosDelta, radius);
        if (naeher(abstand)) {
            Zeile.Distanz = abstand;
            Zeile.NaheBei = DeepSkyBezeichnung(NGCKatalog[i], false);
        }
    }
    const TKatalogIndex& ic = Index(ICIndex, ICKatalog, Geladen(AnzahlIC, MaxIC), pruefen);
    Kandidaten(ic, alpha, delta, radius, slots);
    for (const std::int32_t i : slots) {
        const Extended abstand = EintragAbstand(ic, i, alpha, delta, sinDelta, cosDelta, radius);
        if (naeher(abstand)) {
            Zeile.Distanz = abstand;
            Zeile.NaheBei = DeepSkyBezeichnung(ICKatalog[i], true);
        }
    }
    const TKatalogIndex& sterne =
        Index(SternIndex, Sternkatalog, Geladen(AnzahlSterne, MaxSterne), pruefen);
    Kandidaten(sterne, alpha, delta, radius, slots);
    for (const std::int32_t i : slots) {
        const Extended abstand =
            EintragAbstand(sterne, i, alpha, delta, sinDelta, cosDelta, radius);
        if (naeher(abstand)) {
            Zeile.Distanz = abstand;
            TStern& stern = Sternkatalog[i];
            // A star without a constellation takes the row's for the rest of the run.
            if (stern.Sternbild.Leer()) stern.Sternbild = Zeile.Sternbild;
            Zeile.NaheBei = SternBezeichnung(stern);
        }
    }
}

}  // namespace zenaro
