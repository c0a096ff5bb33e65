#include "engine/Konjunktion.hpp"

#include <algorithm>
#include <cmath>

#include "astro/MATLIB.hpp"
#include "astro/TIMLIB.hpp"
#include "engine/Abstand.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Topozentrisch.hpp"

namespace zenaro {

bool KonjunktionenVoll = false;

void KonjPositionBerechnen() {
    const TBahnelement& element = Objekte[AktObjekt];
    const TOrt& ort = Orte[AktOrt];

    // Local date and hour of the instant in the chosen zone.
    std::int32_t tag = 0;
    std::int32_t monat = 0;
    std::int32_t jahr = 0;
    Extended stunde = 0.0L;
    MJDTODATE(KonjZeitT * 36525.0L + 51544.5L + ZonenOffset / 24.0L, tag, monat, jahr, stunde);

    // The place as one step of the ephemeris computes it, seen from the location.
    TBahnDaten bahn;
    BahnVorbereiten(element, bahn);
    OrtPruefen(ort);
    Extended ra = 0.0L;
    Extended dek = 0.0L;
    Extended delta = 0.0L;
    Extended r = 0.0L;
    ObjektOrt(bahn, KonjZeitT, KonjZeitMJD, ra, dek, delta, r);
    TopozentrischeKorrektur(jahr, monat, tag, stunde, ZonenOffset, ort.Breite, ort.Laenge, ra, dek,
                            delta, ra, dek, delta);
    const Extended hell = Helligkeit(bahn, KonjZeitMJD, 0.0L, delta, r);

    // Only an object at or brighter than the limit takes part (a tie qualifies).
    if (!(hell <= KonjGrenzgroesse)) return;
    AnzahlKonjPositionen = AnzahlKonjPositionen + 1;
    TKonjPosition& zeile = KonjPositionen[AnzahlKonjPositionen];
    zeile.ObjektNr = AktObjekt;
    zeile.Wochentag = Wochentage[Wochentag(jahr, monat, tag)];
    zeile.Jahr = jahr;
    zeile.Monat = monat;
    zeile.Tag = tag;
    zeile.Zeit = StundenPunktMinuten(stunde);
    zeile.RA = ra / 15.0L;
    zeile.Dek = dek;
    zeile.Hell = hell;
}

namespace {

// Rows of Konjunktionen appended in the current instant while position p stood
// first in the pair: BereichAnfang[p] up to, not including, BereichEnde[p]. They
// all have object 1 = KonjPositionen[p].ObjektNr and ascending object 2.
Feld<std::int32_t, 1, decltype(KonjPositionen)::Kapazitaet> BereichAnfang;
Feld<std::int32_t, 1, decltype(KonjPositionen)::Kapazitaet> BereichEnde;

// Right ascension in degrees and the sine and cosine of the declination of every
// position of the current instant, taken once per position instead of once per
// pair: the separations are the same to the last bit.
Feld<Extended, 1, decltype(KonjPositionen)::Kapazitaet> AlphaGrad;
Feld<Extended, 1, decltype(KonjPositionen)::Kapazitaet> SinDek;
Feld<Extended, 1, decltype(KonjPositionen)::Kapazitaet> CosDek;

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

void KonjPaareSuchen() {
    const std::int32_t n = AnzahlKonjPositionen;
    const bool nurDieserZeitpunkt = NurDieserZeitpunkt();
    for (std::int32_t p = 1; p <= n; ++p) {
        AlphaGrad[p] = 15.0L * KonjPositionen[p].RA;
        SinDek[p] = SINDEG(KonjPositionen[p].Dek);
        CosDek[p] = COSDEG(KonjPositionen[p].Dek);
    }
    const Extended radius = KonjRadius;
    for (std::int32_t a = 1; a <= n; ++a) {
        const TKonjPosition& pa = KonjPositionen[a];
        BereichAnfang[a] = AnzahlKonjunktionen + 1;
        for (std::int32_t b = 1; b <= n; ++b) {
            if (a == b) continue;
            const TKonjPosition& pb = KonjPositionen[b];
            // Pairs too far apart in declination are passed over unmeasured.
            if (SicherAusserhalb(pa.Dek, pb.Dek, radius)) continue;
            // Row b comes first: c = sin da sin db + cos da cos db cos(ab - aa) as
            // written, the products being the same in either order.
            const Extended d = Winkelabstand(AlphaGrad[b], pb.Dek, AlphaGrad[a], pa.Dek, SinDek[b],
                                             CosDek[b], SinDek[a], CosDek[a]);
            if (!(d <= radius)) continue;
            const bool doppelt = nurDieserZeitpunkt ? SpiegelpaarDiesesZeitpunkts(a, b)
                                                    : SpiegelpaarInTabelle(pa, pb);
            if (doppelt) continue;
            if (!PaarAnhaengen(pa, pb, d)) return;
        }
        BereichEnde[a] = AnzahlKonjunktionen + 1;
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
    bool weiter = true;
    do {
        AnzahlKonjPositionen = 0;
        for (std::int32_t i = 1; i <= AnzahlObjekte; ++i) {
            AktObjekt = i;
            KonjPositionBerechnen();
        }
        KonjPaareSuchen();

        const Extended vorher = KonjZeitT;
        KonjZeitT = KonjZeitT + schrittJahrhunderte;
        KonjZeitMJD = KonjZeitMJD + schrittTage;
        // A step that does not move the instant forward (zero, negative, not a
        // number, or too small to change it) would repeat the same instant for ever.
        weiter = !KonjunktionenVoll && KonjZeitT > vorher && KonjZeitT <= t1 + Zeittoleranz;
    } while (weiter);
}

}  // namespace zenaro
