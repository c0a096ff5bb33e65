#include "engine/AufUntergang.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "astro/KEPLIB.hpp"
#include "astro/MATLIB.hpp"
#include "astro/SUNLIB.hpp"
#include "astro/TIMLIB.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Hoehenschranken.hpp"
#include "engine/Topozentrisch.hpp"

namespace zenaro {

namespace {

// The Sun's vectors at the whole hours of the last day whose altitudes were taken on
// this thread: the objects of the all-objects mode share the instants of their
// rising and setting search. Kept for the local midnight MJD0 (value and sign).
struct TStundenSonne {
    Extended MJD0 = 0.0L;
    std::array<bool, 25> Bekannt{};
    std::array<TSonnenVektor, 25> Sonne{};
};
thread_local TStundenSonne StundenSonne;

}  // namespace

Extended HoehenSinus(Extended MJD0, Extended Stunde, Extended Laenge, Extended CosBreite,
                     Extended SinBreite, const TBahnDaten& Bahn) {
    const Extended MJD = MJD0 + Stunde / 24.0L;
    const Extended T = (MJD - 51544.5L) / 36525.0L;
    Extended alpha = 0.0L, delta = 0.0L, entfernung = 0.0L, r = 0.0L;
    if (Stunde >= 0.0L && Stunde <= 24.0L && Stunde == std::trunc(Stunde)) {
        TStundenSonne& s = StundenSonne;
        if (!GleicheZahl(s.MJD0, MJD0)) {
            s.MJD0 = MJD0;
            s.Bekannt.fill(false);
        }
        const auto h = static_cast<std::size_t>(Stunde);
        if (!s.Bekannt[h]) {
            s.Sonne[h] = SonnenVektorBerechnen(T);
            s.Bekannt[h] = true;
        }
        ObjektOrt(Bahn, T, MJD, s.Sonne[h], alpha, delta, entfernung, r);
    } else {
        ObjektOrt(Bahn, T, MJD, alpha, delta, entfernung, r);
    }
    const Extended tau = (LOCSIDTIME(MJD, Laenge) - alpha / 15.0L) * 15.0L;
    Extended sinDelta, cosDelta;
    SINCOSDEG(delta, sinDelta, cosDelta);
    return SinBreite * sinDelta + CosBreite * cosDelta * COSDEG(tau);
}

void AufUntergangBerechnen(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort) {
    const Extended MJD0 = DATETOMJD(Zeile.Tag, Zeile.Monat, Zeile.Jahr, 0.0L) - ZonenOffset / 24.0L;
    const Extended s0 = SINDEG(Horizonthoehe);
    Extended sinBreite, cosBreite;
    SINCOSDEG(Ort.Breite, sinBreite, cosBreite);
    auto y = [&](Extended stunde) {
        return HoehenSinus(MJD0, stunde, Ort.Laenge, cosBreite, sinBreite, Bahn) - s0;
    };

    Extended yMinus = y(0.0L);
    const bool ueber = yMinus > 0.0L;
    bool aufgangGefunden = false, untergangGefunden = false;
    Extended aufgang = 0.0L, untergang = 0.0L;
    std::int32_t stunde = 1;
    do {
        const Extended y0 = y(stunde);
        const Extended yPlus = y(stunde + 1);
        Extended xe = 0.0L, ye = 0.0L, wurzel1 = 0.0L, wurzel2 = 0.0L;
        std::int32_t anzahl = 0;
        THREEPOINT(yMinus, y0, yPlus, xe, ye, wurzel1, wurzel2, anzahl);
        if (anzahl == 1) {
            // Rising from below; a window that starts at or above the horizon sets.
            if (yMinus < 0.0L) {
                aufgang = stunde + wurzel1;
                aufgangGefunden = true;
            } else {
                untergang = stunde + wurzel1;
                untergangGefunden = true;
            }
        } else if (anzahl == 2) {
            if (ye < 0.0L) {
                untergang = stunde + wurzel1;
                aufgang = stunde + wurzel2;
            } else {
                aufgang = stunde + wurzel1;
                untergang = stunde + wurzel2;
            }
            aufgangGefunden = true;
            untergangGefunden = true;
        }
        yMinus = yPlus;
        stunde += 2;
    } while (!(stunde == 25 || (aufgangGefunden && untergangGefunden)));

    if (aufgangGefunden || untergangGefunden) {
        Zeile.Aufgang = aufgangGefunden ? aufgang : KeinEreignis;
        Zeile.Untergang = untergangGefunden ? untergang : KeinEreignis;
    } else {
        Zeile.Aufgang = ueber ? ImmerUeberHorizont : NieUeberHorizont;
        Zeile.Untergang = Zeile.Aufgang;
    }
}

namespace {

constexpr double GradInRad = 3.14159265358979323846 / 180.0;

// Local date and hour of a minute of the scan and the local sidereal time then.
struct TMinutenZeit {
    bool Bekannt = false;
    std::int32_t Tag = 0, Monat = 0, Jahr = 0;
    Extended Stunde = 0.0L;
    Extended Sternzeit = 0.0L;
};

// What the scan of a day takes from the calendar and the Sun: the instants of the
// 1441 minutes, each minute's local date, hour and sidereal time, the Sun's vector
// for the object's place, and whether the Sun stands at or below the twilight
// altitude. They depend on the day (its local midnight as a universal day number),
// the zone, the location and the twilight altitude only, so the scans of many
// objects on one day (the all-objects mode) share them: kept from the last day
// scanned on this thread and used again when all are the same numbers (value and
// sign); each is taken when first needed and is the value the scan would take.
struct TScanTag {
    bool Gueltig = false;
    Extended MJD0 = 0.0L, Zone = 0.0L, Laenge = 0.0L, Breite = 0.0L;
    std::int32_t Daemmerung = 0;
    Extended SinBreite = 0.0L, CosBreite = 1.0L;
    TToposOrt Topos;
    std::array<Extended, TagesMinuten> m{};
    std::array<TMinutenZeit, TagesMinuten> Zeit{};
    std::array<bool, TagesMinuten> SonneBekannt{};
    std::array<TSonnenVektor, TagesMinuten> Sonne{};
    // Sun at or below the twilight altitude: 1, above: 0; all set once
    // SonneKlassiert.
    std::array<std::int8_t, TagesMinuten> Dunkel{};
    bool SonneKlassiert = false;
    // The minutes Von..Bis over which the local sidereal time runs on evenly (set
    // with SonneKlassiert); Stetig false when not even minutes 1..1439 do.
    std::int32_t Von = 1, Bis = TagesMinuten - 2;
    bool Stetig = false;
};

thread_local std::unique_ptr<TScanTag> LetzterScanTag;

TScanTag& ScanTag(Extended MJD0, const TOrt& Ort) {
    if (!LetzterScanTag) LetzterScanTag = std::make_unique<TScanTag>();
    TScanTag& t = *LetzterScanTag;
    if (t.Gueltig && GleicheZahl(t.MJD0, MJD0) && GleicheZahl(t.Zone, ZonenOffset) &&
        GleicheZahl(t.Laenge, Ort.Laenge) && GleicheZahl(t.Breite, Ort.Breite) &&
        t.Daemmerung == DaemmerungsHoehe)
        return t;
    t.Gueltig = false;
    t.MJD0 = MJD0;
    t.Zone = ZonenOffset;
    t.Laenge = Ort.Laenge;
    t.Breite = Ort.Breite;
    t.Daemmerung = DaemmerungsHoehe;
    SINCOSDEG(Ort.Breite, t.SinBreite, t.CosBreite);
    t.Topos = ToposOrt(Ort.Breite);
    // The 1441 instants from local midnight to the next local midnight, by repeated
    // addition of one minute. The samples are counted: a test of the instant against
    // MJD0 + 1 would drop the last one for day numbers 32768 to 65535 (1948 to 2038),
    // where the rounding of 1440 additions of the step exceeds the step's own
    // shortfall from 1/1440 day.
    Extended m = MJD0;
    for (std::size_t k = 0; k < TagesMinuten; ++k, m += MinutenSchritt) {
        t.m[k] = m;
        t.Zeit[k].Bekannt = false;
        t.SonneBekannt[k] = false;
        t.Dunkel[k] = -1;
    }
    t.SonneKlassiert = false;
    t.Gueltig = true;
    return t;
}

Extended Jahrhunderte(const TScanTag& t, std::int32_t k) {
    return (t.m[static_cast<std::size_t>(k)] - 51544.5L) / 36525.0L;
}

const TMinutenZeit& Zeit(TScanTag& t, std::int32_t k) {
    TMinutenZeit& z = t.Zeit[static_cast<std::size_t>(k)];
    if (!z.Bekannt) {
        MJDTODATE(t.m[static_cast<std::size_t>(k)] + ZonenOffset / 24.0L, z.Tag, z.Monat, z.Jahr,
                  z.Stunde);
        z.Sternzeit = OrtsSternzeit(z.Jahr, z.Monat, z.Tag, z.Stunde, ZonenOffset, t.Laenge);
        z.Bekannt = true;
    }
    return z;
}

const TSonnenVektor& SonneBei(TScanTag& t, std::int32_t k) {
    const auto i = static_cast<std::size_t>(k);
    if (!t.SonneBekannt[i]) {
        t.Sonne[i] = SonnenVektorBerechnen(Jahrhunderte(t, k));
        t.SonneBekannt[i] = true;
    }
    return t.Sonne[i];
}

// The Sun's altitude at minute k as the scan takes it, compared with the twilight
// altitude; the place goes into the bounds.
void SonneExakt(TScanTag& t, std::int32_t k, THoehenSchranken& schranken) {
    const TMinutenZeit& z = Zeit(t, k);
    Extended alpha = 0.0L, delta = 0.0L, r = 0.0L;
    SUNEQUAT(Jahrhunderte(t, k), alpha, delta, r);
    Extended hoehe = -90.0L;
    Hoehe(alpha / 15.0L, delta, z.Sternzeit, t.SinBreite, t.CosBreite, hoehe);
    t.Dunkel[static_cast<std::size_t>(k)] = hoehe <= static_cast<Extended>(t.Daemmerung) ? 1 : 0;
    schranken.Setzen(k, z.Sternzeit, alpha, delta);
}

// Whether the local sidereal time of minute `rand` continues that of minute `innen`
// beside it: on the same date, or on the date before or after whose day number (as
// the sidereal time takes it) differs by exactly one, where the hour's jump of 24
// and the day's step of the sidereal time cancel but for 1e-9 hours.
bool Stetig(TScanTag& t, std::int32_t innen, std::int32_t rand) {
    const TMinutenZeit& a = Zeit(t, innen);
    const TMinutenZeit& b = Zeit(t, rand);
    if (a.Tag == b.Tag && a.Monat == b.Monat && a.Jahr == b.Jahr) return true;
    const Extended schritt = JulianischesDatum(b.Jahr, b.Monat, b.Tag, 0.0L) -
                             JulianischesDatum(a.Jahr, a.Monat, a.Tag, 0.0L);
    return schritt == (rand > innen ? 1.0L : -1.0L);
}

// The minutes over which the bounds hold: 1..1439 lie on one date (local midnight
// plus one minute to midnight minus one); the first and the last minute join them
// when their sidereal time runs on. Far from the day numbers of any calendar no
// bounds are used.
void SegmentBestimmen(TScanTag& t) {
    const TMinutenZeit& erste = Zeit(t, 1);
    const TMinutenZeit& letzte = Zeit(t, TagesMinuten - 2);
    t.Stetig = std::fabs(t.MJD0) < 1e7L && erste.Tag == letzte.Tag && erste.Monat == letzte.Monat &&
               erste.Jahr == letzte.Jahr;
    t.Von = t.Stetig && Stetig(t, 1, 0) ? 0 : 1;
    t.Bis = t.Stetig && Stetig(t, TagesMinuten - 2, TagesMinuten - 1) ? TagesMinuten - 1
                                                                      : TagesMinuten - 2;
}

// Whether the Sun stands at or below the twilight altitude, for every minute of the
// day. The Sun's place moves by less than 1.2 degrees a day (about 1 degree along
// the ecliptic, the nutation and aberration adding far less), so from its places at
// a few minutes most minutes lie provably on one side of the twilight altitude; only
// those near a crossing are computed.
void SonneKlassieren(TScanTag& t) {
    if (t.SonneKlassiert) return;
    constexpr double SonnenRate = 1.2 * GradInRad / 1440.0 * 1.0001;  // per minute
    constexpr double SonnenRauschen = 1e-9;
    SegmentBestimmen(t);
    THoehenSchranken schranken;
    schranken.Beginnen(static_cast<double>(t.SinBreite), static_cast<double>(t.CosBreite),
                       SternzeitDrehungProTag * static_cast<double>(MinutenSchritt), t.Von, t.Bis);
    schranken.Bewegung(SonnenRate, SonnenRauschen);
    // Minutes 1, 720 and 1439, and the first and last minute where they do not join
    // the others, are computed.
    for (const std::int32_t k : {0, 1, 720, TagesMinuten - 2, TagesMinuten - 1})
        if (k == 1 || k == 720 || k == TagesMinuten - 2 || k < t.Von || k > t.Bis)
            SonneExakt(t, k, schranken);
    const double d = static_cast<double>(t.Daemmerung) * GradInRad;
    const bool beweisbar = t.Stetig && std::fabs(t.Daemmerung) <= 80;
    const double sinD = std::sin(d);
    schranken.AlleLueckenFuellen();
    std::vector<std::int32_t> offen;
    for (std::int32_t k = t.Von; k <= t.Bis; ++k)
        if (!schranken.Exakt(k)) offen.push_back(k);
    while (!offen.empty()) {
        std::vector<std::int32_t> weiter;
        for (const std::int32_t k : offen) {
            if (schranken.Exakt(k)) continue;
            std::int8_t& dunkel = t.Dunkel[static_cast<std::size_t>(k)];
            if (beweisbar && schranken.SicherUnterGrenze(k, sinD))
                dunkel = 1;
            else if (beweisbar && schranken.SicherUeberGrenze(k, sinD))
                dunkel = 0;
            else
                weiter.push_back(k);
        }
        // The middle minute of every run of open minutes is computed.
        for (std::size_t i = 0; i < weiter.size();) {
            std::size_t j = i;
            while (j + 1 < weiter.size() && weiter[j + 1] == weiter[j] + 1) ++j;
            const std::int32_t p = weiter[(i + j) / 2];
            SonneExakt(t, p, schranken);
            schranken.NachSetzenFuellen(p);
            i = j + 1;
        }
        offen.swap(weiter);
    }
    t.SonneKlassiert = true;
}

// The outcome of the scan.
struct TScanErgebnis {
    Extended KulmHoehe = -90.0L, Kulmination = -1.0L;
    Extended OptHoehe = -90.0L, OptZeit = -1.0L;
    std::int32_t OptMinute = -1;
};

// The object's altitude at the minutes of the day, as the scan computes them.
class TObjektScan {
public:
    TObjektScan(TScanTag& t, const TBahnDaten& Bahn) : t_(t), bahn_(Bahn) {
        schranken_.Beginnen(static_cast<double>(t.SinBreite), static_cast<double>(t.CosBreite),
                            SternzeitDrehungProTag * static_cast<double>(MinutenSchritt), t.Von,
                            t.Bis);
    }

    // The topocentric altitude at minute k; the place goes into the bounds.
    void Auswerten(std::int32_t k) {
        const TMinutenZeit& z = Zeit(t_, k);
        Extended alpha = 0.0L, delta = 0.0L, entfernung = 0.0L, r = 0.0L;
        ObjektOrt(bahn_, Jahrhunderte(t_, k), t_.m[static_cast<std::size_t>(k)], SonneBei(t_, k),
                  alpha, delta, entfernung, r);
        if (k == 1) {
            ra0_ = alpha;
            dek0_ = delta;
            delta0_ = entfernung;
            r0_ = r;
        }
        TopozentrischeKorrektur(z.Sternzeit, t_.Topos, alpha, delta, entfernung, alpha, delta);
        Extended hoehe = -90.0L;
        Hoehe(alpha / 15.0L, delta, z.Sternzeit, t_.SinBreite, t_.CosBreite, hoehe);
        hoehe_[static_cast<std::size_t>(k)] = hoehe;
        schranken_.Setzen(k, z.Sternzeit, alpha, delta);
    }

    // Every minute computed.
    void Vollstaendig() {
        for (std::int32_t k = 0; k < TagesMinuten; ++k) Auswerten(k);
    }

    // Only the minutes that can hold the highest altitude (of the whole day and of
    // its dark part); false when no bound for the object's motion can be given, so
    // that every minute has to be computed.
    bool Ausgewaehlt();

    // Culmination and best time from the computed minutes in the order of the scan:
    // strict comparisons, so among equal altitudes the earliest minute stays.
    TScanErgebnis Ergebnis() {
        TScanErgebnis e;
        for (std::int32_t k = 0; k < TagesMinuten; ++k) {
            if (!schranken_.Exakt(k)) continue;
            const Extended hoehe = hoehe_[static_cast<std::size_t>(k)];
            const Extended stunde = Zeit(t_, k).Stunde;
            if (hoehe > e.KulmHoehe && hoehe >= 0.0L) {
                e.KulmHoehe = hoehe;
                e.Kulmination = stunde;
            }
            if (t_.Dunkel[static_cast<std::size_t>(k)] == 1 && hoehe > e.OptHoehe &&
                hoehe >= 0.0L) {
                e.OptHoehe = hoehe;
                e.OptZeit = stunde;
                e.OptMinute = k;
            }
        }
        return e;
    }

private:
    bool RateBestimmen(double& rate) const;

    TScanTag& t_;
    const TBahnDaten& bahn_;
    THoehenSchranken schranken_;
    std::array<Extended, TagesMinuten> hoehe_{};
    // The geocentric place of minute 1: right ascension, declination, distance (light-
    // time corrected) and heliocentric distance.
    Extended ra0_ = 0.0L, dek0_ = 0.0L, delta0_ = 0.0L, r0_ = 0.0L;
};

// How fast the topocentric place can move on the sphere during the day, in radians
// per minute, from the place at minute 1 and the orbit:
// - the object's heliocentric speed is at most k sqrt(2/r + 1/|a| for a hyperbola)
//   at its smallest distance r of the day (never below q), and at most the speed at
//   the perihelion, k sqrt((1 + e)/q); the Earth's below 0.018 AU/day;
// - the light-time corrected geocentric vector G' = X + S - tau V (tau = 0.00578 |X + S|)
//   then changes at most by D = (v + vE)(1 + 0.00578 v) + tau_max k^2/r_min^2 per day,
//   so its direction turns at most D / Delta_min radians a day;
// - the topocentric correction shifts the declination by rho Q with |Q| <= 1 and the
//   right ascension by rho cos phi' sin H / cos Dec; differentiated with the hour
//   angle H turning at most omegaE + omegaG/cos Dec, this adds terms in rho, its rate
//   and 1/cos Dec, the declination kept away from the pole.
// The bound holds for places the solvers computed to their tolerance. Where the day
// takes the object within 0.01 AU of the Earth or within 1 degree of the pole, or
// where the eccentric anomaly's solver could reach its step limit (it takes at most
// 9 steps below e = 0.99 at any mean anomaly, up to its limit of 15 only from
// e = 0.9995 near the perihelion: so a mean anomaly with e >= 0.99, or a nearly
// parabolic ellipse three quarters of a revolution from its perihelion), there is no
// bound. The near-parabolic solver slows down gradually far from the perihelion; the
// caller takes every minute when any solver needed 10 steps or more.
bool TObjektScan::RateBestimmen(double& rate) const {
    constexpr double k = 0.01720209895;
    constexpr double Tag = 1.001;  // the day of the scan in days, with room
    constexpr double vErde = 0.0180;
    constexpr double Lichtzeit = 0.00578;
    const double e = static_cast<double>(bahn_.Exzentrizitaet);
    const bool mittlereAnomalie = bahn_.MittlereAnomalie != 0.0L;
    if (mittlereAnomalie && e >= 0.99) return false;
    const double q = mittlereAnomalie ? static_cast<double>(bahn_.GrosseHalbachse) * (1.0 - e)
                                      : static_cast<double>(bahn_.Perihelabstand);
    if (!(q > 0.0) || !(e >= 0.0)) return false;
    if (!mittlereAnomalie && e >= 0.99 && e < 1.0) {
        const double a = q / (1.0 - e);
        const double umlauf = 365.25 * a * std::sqrt(a);
        const double seitPerihel = static_cast<double>(t_.m[0] - bahn_.MJDPerihel);
        if (!(std::fabs(seitPerihel) < 0.75 * umlauf)) return false;
    }
    const double r0 = static_cast<double>(r0_);
    const double delta0 = static_cast<double>(delta0_);
    const double vPerihel = k * std::sqrt((1.0 + e) / q);
    const double rMin = std::fmax(q * (1.0 - 1e-9), r0 - vPerihel * Tag);
    const double vObjekt =
        std::fmin(vPerihel, k * std::sqrt(2.0 / rMin + (e > 1.0 ? (e - 1.0) / q : 0.0)));
    if (!(Lichtzeit * vObjekt < 0.5)) return false;
    const double beschleunigung = k * k / (rMin * rMin);
    const double deltaRohMax = delta0 / (1.0 - Lichtzeit * vObjekt) + (vObjekt + vErde) * Tag;
    const double tauMax = Lichtzeit * deltaRohMax;
    const double D = (vObjekt + vErde) * (1.0 + Lichtzeit * vObjekt) + tauMax * beschleunigung;
    const double deltaMin = delta0 - D * Tag;
    if (!(deltaMin >= 0.01)) return false;
    const double omegaG = D / deltaMin;
    const double dekMax = std::fabs(static_cast<double>(dek0_)) * GradInRad + omegaG * Tag;
    if (!(dekMax <= 89.0 * GradInRad)) return false;
    const double cm = std::cos(dekMax);
    const double erdradius = 6378.14 / 149597870.691;
    const double x = erdradius / deltaMin;
    const double rho = 1.00001 * std::asin(x);
    const double rhoRate = 1.00001 * erdradius / (deltaMin * deltaMin) * D / std::sqrt(1.0 - x * x);
    const double omegaE = SternzeitDrehungProTag * 1.0001;
    const double hRate = omegaE + omegaG / cm;
    const double dekRate = omegaG + rhoRate + rho * (omegaG + hRate);
    const double raRate =
        omegaG + rho * omegaG / cm + (1.0 + rho / cm) * (rhoRate + rho * hRate + rho * omegaG / cm);
    rate = (dekRate + raRate) * 1.05 / 1440.0;
    return std::isfinite(rate) && rate < 0.01;
}

bool TObjektScan::Ausgewaehlt() {
    if (!t_.Stetig) return false;
    // Minutes 1, 721 and 1439 are computed, and the first and last minute where they
    // do not join the others (every minute lies within a day of minute 1).
    for (const std::int32_t k : {0, 1, 721, TagesMinuten - 2, TagesMinuten - 1})
        if (k == 1 || k == 721 || k == TagesMinuten - 2 || k < t_.Von || k > t_.Bis) Auswerten(k);
    double rate = 0.0;
    if (!RateBestimmen(rate)) return false;
    // Noise of an exact place against the smooth path (the solvers' tolerances and
    // the switch between their formulas), far above what they leave.
    constexpr double Rauschen = 1e-5;
    schranken_.Bewegung(rate, Rauschen);
    schranken_.AlleLueckenFuellen();

    // The threshold: the highest altitude computed so far (at least 0), for the
    // whole day and for its dark minutes. A minute whose altitude is certainly below
    // it can be neither the culmination nor the best time.
    auto schwelle = [&](bool nurDunkel, double& sinTau, double& cosTau) {
        Extended tau = 0.0L;
        for (std::int32_t k = 0; k < TagesMinuten; ++k) {
            if (!schranken_.Exakt(k)) continue;
            if (nurDunkel && t_.Dunkel[static_cast<std::size_t>(k)] != 1) continue;
            tau = std::fmax(tau, hoehe_[static_cast<std::size_t>(k)]);
        }
        const double x = static_cast<double>(tau) * GradInRad;
        sinTau = std::sin(x);
        cosTau = std::cos(x);
    };
    std::vector<std::int32_t> offen;
    for (std::int32_t k = t_.Von; k <= t_.Bis; ++k)
        if (!schranken_.Exakt(k)) offen.push_back(k);
    for (std::int32_t runde = 0;; ++runde) {
        double sinK = 0.0, cosK = 1.0, sinB = 0.0, cosB = 1.0;
        schwelle(false, sinK, cosK);
        schwelle(true, sinB, cosB);
        std::vector<std::int32_t> weiter;
        std::int32_t bester = -1;
        double besterWert = 0.0;
        for (const std::int32_t k : offen) {
            if (schranken_.Exakt(k)) continue;
            const bool kulmination = !schranken_.SicherUnter(k, sinK, cosK);
            const bool dunkel = t_.Dunkel[static_cast<std::size_t>(k)] == 1;
            const bool optimal = dunkel && !schranken_.SicherUnter(k, sinB, cosB);
            if (!kulmination && !optimal) continue;
            weiter.push_back(k);
            const double wert = schranken_.Hoechstens(k);
            if (bester < 0 || wert > besterWert) {
                bester = k;
                besterWert = wert;
            }
        }
        offen.swap(weiter);
        if (offen.empty()) break;
        if (offen.size() <= 2 || runde >= 40) {
            for (const std::int32_t k : offen) Auswerten(k);
            break;
        }
        // The minute that could stand highest is computed; its place narrows the
        // bounds around it and may raise the threshold.
        Auswerten(bester);
        schranken_.NachSetzenFuellen(bester);
    }
    return true;
}

// Switches the solvers' reports off while the minutes are selected, and on again.
class TStilleKepler {
public:
    TStilleKepler() : protokoll_(KeplerProtokoll()), vorher_(protokoll_) {
        protokoll_.Melden = false;
        protokoll_.MeisteSchritte = 0;
    }
    ~TStilleKepler() {
        protokoll_.Melden = vorher_.Melden;
        protokoll_.MeisteSchritte = std::max(vorher_.MeisteSchritte, protokoll_.MeisteSchritte);
    }
    TStilleKepler(const TStilleKepler&) = delete;
    TStilleKepler& operator=(const TStilleKepler&) = delete;
    // Whether every solver stayed well within its iteration limit.
    bool Ruhig() const { return protokoll_.MeisteSchritte < 10; }

private:
    TKeplerProtokoll& protokoll_;
    TKeplerProtokoll vorher_;
};

}  // namespace

void KulminationBerechnen(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort) {
    const Extended MJD0 = DATETOMJD(Zeile.Tag, Zeile.Monat, Zeile.Jahr, 0.0L) - ZonenOffset / 24.0L;
    TScanTag& tag = ScanTag(MJD0, Ort);

    // The Sun against the twilight altitude at every minute of the day, once for all
    // the objects scanned on this day.
    SonneKlassieren(tag);

    // The minutes that can hold the highest altitude are selected by bounds on the
    // object's motion; where there is none, where a solver came near its limit or
    // where a place could not be computed, every minute is computed (and so every
    // report and error comes as the full scan gives it).
    TScanErgebnis e;
    bool ausgewaehlt = false;
    {
        TObjektScan scan(tag, Bahn);
        try {
            TStilleKepler still;
            ausgewaehlt = scan.Ausgewaehlt() && still.Ruhig();
        } catch (const ELaufzeitfehler&) {
            ausgewaehlt = false;
        }
        if (ausgewaehlt) e = scan.Ergebnis();
    }
    if (!ausgewaehlt) {
        TObjektScan scan(tag, Bahn);
        scan.Vollstaendig();
        e = scan.Ergebnis();
    }

    Zeile.TOptMond = "  ";
    if (e.OptZeit >= 0.0L) {
        // The grade depends only on the instant, so it is taken once, at the best
        // minute, at the engine's copy of the location.
        const TMinutenZeit& z = Zeit(tag, e.OptMinute);
        MondStoerung(z.Jahr, z.Monat, z.Tag, e.OptZeit, ZonenOffset, Zeile.TOptMond);
        Zeile.TOpt = StundenPunktMinuten(e.OptZeit);
    } else {
        Zeile.TOpt = -1.0L;
    }
    Zeile.TOptHoehe = e.OptHoehe;
    Zeile.Kulmination = e.Kulmination >= 0.0L ? StundenPunktMinuten(e.Kulmination) : -1.0L;
    Zeile.KulmHoehe = e.KulmHoehe;
}

}  // namespace zenaro
