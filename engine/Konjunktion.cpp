#include "engine/Konjunktion.hpp"

#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>
#include <utility>
#include <vector>

#include "astro/MATLIB.hpp"
#include "astro/TIMLIB.hpp"
#include "engine/Abstand.hpp"
#include "engine/Arbeiter.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Topozentrisch.hpp"

namespace zenaro {

bool KonjunktionenVoll = false;

namespace {

// The local date and hour of an instant in the chosen zone, with the weekday and the
// hours.minutes time that its rows carry.
struct TOrtszeit {
    std::int32_t Tag = 0;
    std::int32_t Monat = 0;
    std::int32_t Jahr = 0;
    Extended Stunde = 0.0L;
    ShortString<2> Wochentag;
    Extended Zeit = 0.0L;
};

TOrtszeit OrtszeitBerechnen(Extended zeitT) {
    TOrtszeit z;
    MJDTODATE(zeitT * 36525.0L + 51544.5L + ZonenOffset / 24.0L, z.Tag, z.Monat, z.Jahr, z.Stunde);
    z.Wochentag = Wochentage[Wochentag(z.Jahr, z.Monat, z.Tag)];
    z.Zeit = StundenPunktMinuten(z.Stunde);
    return z;
}

// The place and magnitude of the object `objekt` at the instant zeitT (zeitMJD for
// the mean-anomaly propagation); `zeitHolen` gives the local date and hour of the
// instant, `bahnHolen` the object's prepared orbit from its elements (both the same
// for every object of an instant, so the search takes them once). Returns whether it
// is bright enough, with its row in `zeile`.
template <class ZeitHolen, class BahnHolen>
bool KonjPosition(std::int32_t objekt, Extended zeitT, Extended zeitMJD, ZeitHolen&& zeitHolen,
                  BahnHolen&& bahnHolen, TKonjPosition& zeile) {
    const TBahnelement& element = Objekte[objekt];
    const TOrt& ort = Orte[AktOrt];

    // Local date and hour of the instant in the chosen zone.
    const TOrtszeit& zeit = zeitHolen();
    const std::int32_t tag = zeit.Tag;
    const std::int32_t monat = zeit.Monat;
    const std::int32_t jahr = zeit.Jahr;
    const Extended stunde = zeit.Stunde;

    // The place as one step of the ephemeris computes it, seen from the location.
    const TBahnDaten& bahn = bahnHolen(element);
    OrtPruefen(ort);
    Extended ra = 0.0L;
    Extended dek = 0.0L;
    Extended delta = 0.0L;
    Extended r = 0.0L;
    ObjektOrt(bahn, zeitT, zeitMJD, ra, dek, delta, r);
    TopozentrischeKorrektur(jahr, monat, tag, stunde, ZonenOffset, ort.Breite, ort.Laenge, ra, dek,
                            delta, ra, dek, delta);
    const Extended hell = Helligkeit(bahn, zeitMJD, 0.0L, delta, r);

    // Only an object at or brighter than the limit takes part (a tie qualifies).
    if (!(hell <= KonjGrenzgroesse)) return false;
    zeile.ObjektNr = objekt;
    zeile.Wochentag = zeit.Wochentag;
    zeile.Jahr = jahr;
    zeile.Monat = monat;
    zeile.Tag = tag;
    zeile.Zeit = zeit.Zeit;
    zeile.RA = ra / 15.0L;
    zeile.Dek = dek;
    zeile.Hell = hell;
    return true;
}

}  // namespace

void KonjPositionBerechnen() {
    TBahnDaten bahn;
    TKonjPosition zeile;
    TOrtszeit zeit;
    const bool hellGenug = KonjPosition(
        AktObjekt, KonjZeitT, KonjZeitMJD,
        [&zeit]() -> const TOrtszeit& {
            zeit = OrtszeitBerechnen(KonjZeitT);
            return zeit;
        },
        [&bahn](const TBahnelement& element) -> const TBahnDaten& {
            BahnVorbereiten(element, bahn);
            return bahn;
        },
        zeile);
    if (!hellGenug) return;
    AnzahlKonjPositionen = AnzahlKonjPositionen + 1;
    KonjPositionen[AnzahlKonjPositionen] = zeile;
}

namespace {

// Rows of Konjunktionen appended in the current instant while position p stood
// first in the pair: BereichAnfang[p] up to, not including, BereichEnde[p]. They
// all have object 1 = KonjPositionen[p].ObjektNr and ascending object 2.
Feld<std::int32_t, 1, decltype(KonjPositionen)::Kapazitaet> BereichAnfang;
Feld<std::int32_t, 1, decltype(KonjPositionen)::Kapazitaet> BereichEnde;

// A pair of positions a and b (numbers in the instant's list, from 1) within the
// radius, with its separation.
struct TPaar {
    std::int32_t A = 0;
    std::int32_t B = 0;
    Extended Abstand = 0.0L;
};

// The pair search over the positions of one instant. Right ascension in degrees and
// the sine and cosine of the declination are taken once per position instead of once
// per pair: the separations are the same to the last bit. With a radius of at most 90
// degrees the positions on the sphere are also ordered by declination, so that for a
// position only those within radius + 2 degrees of its declination are looked at:
// every other one lies more than radius + 1 degrees away in declination, where
// SicherAusserhalb passes it over unmeasured anyway. With a radius of at most 18
// degrees a pair of positions on the sphere is also passed over when it is certainly
// too far apart in right ascension (see WeitImRektaszension).
class TPaarsuche {
public:
    TPaarsuche(const TKonjPosition* pos, std::int32_t n, Extended radius)
        : pos_(pos), n_(std::max(n, 0)), radius_(radius), winkel_(static_cast<std::size_t>(n_)) {
        for (std::int32_t p = 0; p < n_; ++p) {
            winkel_[p].Alpha = 15.0L * pos[p].RA;
            winkel_[p].Sin = SINDEG(pos[p].Dek);
            winkel_[p].Cos = COSDEG(pos[p].Dek);
        }
        band_ = radius <= 90.0L;
        if (!band_) return;
        for (std::int32_t p = 1; p <= n_; ++p) {
            if (std::fabs(pos[p - 1].Dek) <= 90.0L)
                nachDek_.emplace_back(pos[p - 1].Dek, p);
            else
                immer_.push_back(p);
        }
        std::sort(nachDek_.begin(), nachDek_.end());
    }

    // Appends the pairs (a, b), b = 1..n in this order, b != a, whose separation is at
    // most the radius.
    void PaareVon(std::int32_t a, std::vector<TPaar>& paare) {
        const Extended dekA = pos_[a - 1].Dek;
        if (!band_ || !(std::fabs(dekA) <= 90.0L)) {
            for (std::int32_t b = 1; b <= n_; ++b)
                if (!Uebergehen(a, b)) Messen(a, b, paare);
            return;
        }
        // The positions near in declination that are not passed over, then measured in
        // the order of b.
        auswahl_.clear();
        for (const std::int32_t b : immer_)
            if (!Uebergehen(a, b)) auswahl_.push_back(b);
        const Extended breite = radius_ + 2.0L;
        if (breite >= 0.0L) {
            const auto von = std::lower_bound(nachDek_.begin(), nachDek_.end(),
                                              std::make_pair(dekA - breite, std::int32_t{0}));
            for (auto e = von; e != nachDek_.end() && e->first <= dekA + breite; ++e)
                if (!Uebergehen(a, e->second)) auswahl_.push_back(e->second);
        }
        std::sort(auswahl_.begin(), auswahl_.end());
        for (const std::int32_t b : auswahl_) Messen(a, b, paare);
    }

private:
    struct TWinkel {
        Extended Alpha = 0.0L;
        Extended Sin = 0.0L;
        Extended Cos = 1.0L;
    };

    // Whether Winkelabstand would give more than the radius for two places on the
    // sphere (|declination| <= 90), judged without measuring, for a radius of at most
    // 18 degrees. Where the arc cosine measures (|c| < 0.95) it gives more than
    // arccos 0.95 = 18.19 degrees. Where the flat formula measures, its result (not
    // folded: it stays below 180 when it is within the radius) is at least
    // |cos m| * |d alpha|, with d alpha the right-ascension difference brought into
    // [-180, 180] as there and m the mean declination, whose cosine is at least the
    // smaller of the two declinations' (the cosine is concave between -90 and 90).
    // The allowances cover the rounding of the cosines and of the product.
    bool WeitImRektaszension(const TWinkel& wa, const TWinkel& wb) const {
        if (!(radius_ <= 18.0L)) return false;
        const Extended kleinsterCosinus = std::min(wa.Cos, wb.Cos) - 1e-15L;
        const Extended dAlpha = std::fabs(std::remainder(wb.Alpha - wa.Alpha, 360.0L));
        return kleinsterCosinus * dAlpha > radius_ + 1e-9L;
    }

    // Whether the pair (a, b) is passed over unmeasured: a position with itself, a pair
    // too far apart in declination, or on the sphere too far apart in right ascension.
    bool Uebergehen(std::int32_t a, std::int32_t b) const {
        if (a == b) return true;
        const TKonjPosition& pa = pos_[a - 1];
        const TKonjPosition& pb = pos_[b - 1];
        if (SicherAusserhalb(pa.Dek, pb.Dek, radius_)) return true;
        return std::fabs(pa.Dek) <= 90.0L && std::fabs(pb.Dek) <= 90.0L &&
               WeitImRektaszension(winkel_[a - 1], winkel_[b - 1]);
    }

    void Messen(std::int32_t a, std::int32_t b, std::vector<TPaar>& paare) const {
        const TKonjPosition& pa = pos_[a - 1];
        const TKonjPosition& pb = pos_[b - 1];
        const TWinkel& wa = winkel_[a - 1];
        const TWinkel& wb = winkel_[b - 1];
        // Row b comes first: c = sin da sin db + cos da cos db cos(ab - aa) as
        // written, the products being the same in either order.
        const Extended d =
            Winkelabstand(wb.Alpha, pb.Dek, wa.Alpha, pa.Dek, wb.Sin, wb.Cos, wa.Sin, wa.Cos);
        if (!(d <= radius_)) return;
        paare.push_back({a, b, d});
    }

    const TKonjPosition* pos_;
    std::int32_t n_;
    Extended radius_;
    std::vector<TWinkel> winkel_;
    bool band_ = false;
    std::vector<std::pair<Extended, std::int32_t>> nachDek_;  // declination, position
    std::vector<std::int32_t> immer_;    // positions off the sphere (or NaN): looked at always
    std::vector<std::int32_t> auswahl_;  // the positions looked at for one position
};

bool GleicheZeit(const TKonjunktionsZeile& z, const TKonjPosition& p) {
    return z.Jahr == p.Jahr && z.Monat == p.Monat && z.Tag == p.Tag && z.Zeit == p.Zeit;
}

// The mirrored pair of (a, b) at the date and time of a, searched through every
// row recorded so far.
bool SpiegelpaarInTabelle(const TKonjPosition& a, const TKonjPosition& b) {
    for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i) {
        const TKonjunktionsZeile& z = Konjunktionen[i];
        if (z.ObjektNr1 == b.ObjektNr && z.ObjektNr2 == a.ObjektNr && GleicheZeit(z, a))
            return true;
    }
    return false;
}

// The same question answered from the rows of the current instant alone. Valid when
// the positions stand in strictly ascending object order, all at one date and time,
// and no row recorded before this instant carries that date and time: a mirrored
// row must have object 1 = b's object, which only the rows recorded while position
// b stood first have, and those exist only when b comes before a.
bool SpiegelpaarDiesesZeitpunkts(std::int32_t a, std::int32_t b) {
    if (b > a) return false;
    const std::int32_t gesucht = KonjPositionen[a].ObjektNr;
    const TKonjunktionsZeile* anfang = Konjunktionen.begin() + (BereichAnfang[b] - 1);
    const TKonjunktionsZeile* ende = Konjunktionen.begin() + (BereichEnde[b] - 1);
    const TKonjunktionsZeile* z = std::lower_bound(
        anfang, ende, gesucht,
        [](const TKonjunktionsZeile& zeile, std::int32_t nr) { return zeile.ObjektNr2 < nr; });
    return z != ende && z->ObjektNr2 == gesucht;
}

// Whether the duplicate test of this instant may look at its own rows only (see
// SpiegelpaarDiesesZeitpunkts). Instants less than a minute apart can share a date
// and time; for those every row of the table is looked through.
bool NurDieserZeitpunkt() {
    const std::int32_t n = AnzahlKonjPositionen;
    if (n == 0) return true;
    const TKonjPosition& erste = KonjPositionen[1];
    for (std::int32_t p = 2; p <= n; ++p) {
        const TKonjPosition& pos = KonjPositionen[p];
        if (pos.ObjektNr <= KonjPositionen[p - 1].ObjektNr) return false;
        if (pos.Jahr != erste.Jahr || pos.Monat != erste.Monat || pos.Tag != erste.Tag ||
            pos.Zeit != erste.Zeit)
            return false;
    }
    for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i)
        if (GleicheZeit(Konjunktionen[i], erste)) return false;
    return true;
}

// Appends the pair (a, b) at separation d; a full table sets KonjunktionenVoll
// instead.
bool PaarAnhaengen(const TKonjPosition& a, const TKonjPosition& b, Extended d) {
    if (AnzahlKonjunktionen >= decltype(Konjunktionen)::Kapazitaet) {
        KonjunktionenVoll = true;
        return false;
    }
    AnzahlKonjunktionen = AnzahlKonjunktionen + 1;
    TKonjunktionsZeile& z = Konjunktionen[AnzahlKonjunktionen];
    z.ObjektNr1 = a.ObjektNr;
    z.ObjektNr2 = b.ObjektNr;
    z.Wochentag = a.Wochentag;
    z.Jahr = a.Jahr;
    z.Monat = a.Monat;
    z.Tag = a.Tag;
    z.Zeit = a.Zeit;
    z.RA1 = a.RA;
    z.Dek1 = a.Dek;
    z.Hell1 = a.Hell;
    z.RA2 = b.RA;
    z.Dek2 = b.Dek;
    z.Hell2 = b.Hell;
    z.Abstand = d;
    return true;
}

// The start or stop of the range in Julian centuries since J2000, universal time.
Extended Jahrhunderte(std::int32_t tag, std::int32_t monat, std::int32_t jahr, Extended stunde) {
    return (DATETOMJD(tag, monat, jahr, stunde) - 51544.5L - ZonenOffset / 24.0L) / 36525.0L;
}

// Puts the current object back when the search ends, also through an error.
class AktObjektMerken {
public:
    AktObjektMerken() : gemerkt_(AktObjekt) {}
    ~AktObjektMerken() { AktObjekt = gemerkt_; }
    AktObjektMerken(const AktObjektMerken&) = delete;
    AktObjektMerken& operator=(const AktObjektMerken&) = delete;

private:
    std::int32_t gemerkt_;
};

}  // namespace

namespace {

// Records the pairs of position a of KonjPositionen in their order, each unless it
// is the mirror of a recorded row; false when the table was full.
bool PaareAufnehmen(std::int32_t a, const TPaar* anfang, const TPaar* ende,
                    bool nurDieserZeitpunkt) {
    BereichAnfang[a] = AnzahlKonjunktionen + 1;
    const TKonjPosition& pa = KonjPositionen[a];
    for (const TPaar* p = anfang; p != ende; ++p) {
        const TKonjPosition& pb = KonjPositionen[p->B];
        const bool doppelt = nurDieserZeitpunkt ? SpiegelpaarDiesesZeitpunkts(a, p->B)
                                                : SpiegelpaarInTabelle(pa, pb);
        if (doppelt) continue;
        if (!PaarAnhaengen(pa, pb, p->Abstand)) return false;
    }
    BereichEnde[a] = AnzahlKonjunktionen + 1;
    return true;
}

// What the threads compute for one instant of the search: the positions of the
// objects bright enough, in object order (up to the object whose computation
// raised Fehler), and their pairs within the radius in the order of the pair search.
struct TZeitpunktErgebnis {
    std::vector<TKonjPosition> Positionen;
    std::exception_ptr Fehler;
    std::vector<TPaar> Paare;
    std::vector<std::size_t> PaareAb;  // pairs of position a: PaareAb[a - 1] to PaareAb[a]
    bool Gekappt = false;              // pairs after the first PaareHoechstens left out
};

// The recording of an instant never looks at more pairs than this: every pair before
// the one that finds the table full is either appended (at most the capacity) or the
// mirror of a row in the table, and a row mirrors at most one pair of an instant
// whose positions belong to different objects.
constexpr std::size_t PaareHoechstens = 2 * decltype(Konjunktionen)::Kapazitaet + 1;

// The orbits of all objects, prepared once for the search (the working state each
// position prepares for itself), with the error of an object whose elements are
// undefined, raised where its first position is computed.
struct TBahnen {
    std::vector<TBahnDaten> Bahn;
    std::vector<std::exception_ptr> Fehler;
};

void ZeitpunktRechnen(Extended zeitT, Extended zeitMJD, const TBahnen& bahnen,
                      TZeitpunktErgebnis& e) {
    const std::int32_t objekte = static_cast<std::int32_t>(bahnen.Bahn.size());
    // The local date and hour, taken when the first object needs them; an error there
    // is raised again for each object.
    TOrtszeit ortszeit;
    std::exception_ptr ortszeitFehler;
    bool ortszeitBekannt = false;
    const auto zeit = [&]() -> const TOrtszeit& {
        if (!ortszeitBekannt) {
            ortszeitBekannt = true;
            try {
                ortszeit = OrtszeitBerechnen(zeitT);
            } catch (...) {
                ortszeitFehler = std::current_exception();
            }
        }
        if (ortszeitFehler) std::rethrow_exception(ortszeitFehler);
        return ortszeit;
    };
    try {
        for (std::int32_t i = 1; i <= objekte; ++i) {
            TKonjPosition zeile;
            const auto bahn = [&bahnen, i](const TBahnelement&) -> const TBahnDaten& {
                const std::size_t k = static_cast<std::size_t>(i - 1);
                if (bahnen.Fehler[k]) std::rethrow_exception(bahnen.Fehler[k]);
                return bahnen.Bahn[k];
            };
            if (KonjPosition(i, zeitT, zeitMJD, zeit, bahn, zeile)) e.Positionen.push_back(zeile);
        }
    } catch (...) {
        e.Fehler = std::current_exception();
        return;
    }
    const std::int32_t n = static_cast<std::int32_t>(e.Positionen.size());
    TPaarsuche suche(e.Positionen.data(), n, KonjRadius);
    e.PaareAb.push_back(0);
    for (std::int32_t a = 1; a <= n; ++a) {
        if (e.Paare.size() >= PaareHoechstens) {
            e.Gekappt = true;
            break;
        }
        suche.PaareVon(a, e.Paare);
        e.PaareAb.push_back(e.Paare.size());
    }
}

// Puts the positions of an instant into KonjPositionen and records their pairs as the
// pair search does, up to a full table.
void ZeitpunktAufnehmen(const TZeitpunktErgebnis& e) {
    AnzahlKonjPositionen = 0;
    for (const TKonjPosition& p : e.Positionen) {
        AnzahlKonjPositionen = AnzahlKonjPositionen + 1;
        KonjPositionen[AnzahlKonjPositionen] = p;
    }
    if (e.Fehler) std::rethrow_exception(e.Fehler);
    const bool nurDieserZeitpunkt = NurDieserZeitpunkt();
    const std::size_t bereiche = e.PaareAb.size() - 1;
    for (std::size_t a = 1; a <= bereiche; ++a) {
        const TPaar* paare = e.Paare.data();
        if (!PaareAufnehmen(static_cast<std::int32_t>(a), paare + e.PaareAb[a - 1],
                            paare + e.PaareAb[a], nurDieserZeitpunkt))
            return;
    }
    if (e.Gekappt) throw std::logic_error("conjunction pairs left out before the table was full");
}

// Instants handed to the threads at a time, and how far the threads may compute ahead
// of the recording (per thread).
constexpr std::size_t ZeitpunkteJeBlock = 1024;
constexpr std::size_t VorlaufJeArbeiter = 4;

}  // namespace

void KonjPaareSuchen() {
    const std::int32_t n = AnzahlKonjPositionen;
    const bool nurDieserZeitpunkt = NurDieserZeitpunkt();
    const TKonjPosition* pos = KonjPositionen.begin();
    TPaarsuche suche(pos, n, KonjRadius);
    std::vector<TPaar> paare;
    for (std::int32_t a = 1; a <= n; ++a) {
        paare.clear();
        suche.PaareVon(a, paare);
        if (!PaareAufnehmen(a, paare.data(), paare.data() + paare.size(), nurDieserZeitpunkt))
            return;
    }
}

void KonjunktionenSuchen() {
    AnzahlKonjunktionen = 0;
    KonjunktionenVoll = false;

    const Extended t0 = Jahrhunderte(StartTag, StartMonat, StartJahr, StartStunde);
    const Extended t1 = Jahrhunderte(StopTag, StopMonat, StopJahr, StopStunde);
    const Extended schrittTage = SchrittweiteTage + SchrittweiteStunden / 24.0L;
    const Extended schrittJahrhunderte = schrittTage / 36525.0L;
    KonjZeitMJD = DATETOMJD(StartTag, StartMonat, StartJahr, StartStunde) - ZonenOffset / 24.0L;
    KonjZeitT = t0;

    const AktObjektMerken merken;
    TBahnen bahnen;
    // A count beyond the table reaches the slot after it, whose range-check error ends
    // the search as it would in order.
    const std::int32_t objekte = std::clamp(AnzahlObjekte, 0, MaxObjekte + 1);
    bahnen.Bahn.resize(static_cast<std::size_t>(objekte));
    bahnen.Fehler.resize(static_cast<std::size_t>(objekte));
    for (std::int32_t i = 1; i <= objekte; ++i) {
        try {
            BahnVorbereiten(Objekte[i], bahnen.Bahn[static_cast<std::size_t>(i - 1)]);
        } catch (...) {
            bahnen.Fehler[static_cast<std::size_t>(i - 1)] = std::current_exception();
        }
    }

    // The instants are computed on the threads a block at a time and recorded here in
    // their order: at each, the positions of all objects in object order, then the pair
    // search.
    bool weiter = true;
    while (weiter) {
        // This instant and the next ones, accumulated by addition as the loop below
        // arrives at them.
        std::vector<std::pair<Extended, Extended>> zeiten{{KonjZeitT, KonjZeitMJD}};
        for (Extended t = KonjZeitT, mjd = KonjZeitMJD; zeiten.size() < ZeitpunkteJeBlock;) {
            const Extended vorher = t;
            t = t + schrittJahrhunderte;
            mjd = mjd + schrittTage;
            if (!(t > vorher && t <= t1 + Zeittoleranz)) break;
            zeiten.emplace_back(t, mjd);
        }
        std::vector<TZeitpunktErgebnis> ergebnisse(zeiten.size());
        TArbeitsgruppe gruppe(
            zeiten.size(),
            [&](std::size_t k) {
                ZeitpunktRechnen(zeiten[k].first, zeiten[k].second, bahnen, ergebnisse[k]);
            },
            VorlaufJeArbeiter * static_cast<std::size_t>(Arbeiterzahl()));
        for (std::size_t k = 0; k < zeiten.size() && weiter; ++k) {
            gruppe.Abwarten(k);
            ZeitpunktAufnehmen(ergebnisse[k]);
            ergebnisse[k] = TZeitpunktErgebnis{};

            const Extended vorher = KonjZeitT;
            KonjZeitT = KonjZeitT + schrittJahrhunderte;
            KonjZeitMJD = KonjZeitMJD + schrittTage;
            // A step that does not move the instant forward (zero, negative, not a
            // number, or too small to change it) would repeat the same instant for ever.
            weiter = !KonjunktionenVoll && KonjZeitT > vorher && KonjZeitT <= t1 + Zeittoleranz;
        }
    }
}

}  // namespace zenaro
