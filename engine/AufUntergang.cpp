#include "engine/AufUntergang.hpp"

#include <array>
#include <cmath>

#include "astro/MATLIB.hpp"
#include "astro/SUNLIB.hpp"
#include "astro/TIMLIB.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Topozentrisch.hpp"

namespace zenaro {

Extended HoehenSinus(Extended MJD0, Extended Stunde, Extended Laenge, Extended CosBreite,
                     Extended SinBreite, const TBahnDaten& Bahn) {
    const Extended MJD = MJD0 + Stunde / 24.0L;
    const Extended T = (MJD - 51544.5L) / 36525.0L;
    Extended alpha = 0.0L, delta = 0.0L, entfernung = 0.0L, r = 0.0L;
    ObjektOrt(Bahn, T, MJD, alpha, delta, entfernung, r);
    const Extended tau = (LOCSIDTIME(MJD, Laenge) - alpha / 15.0L) * 15.0L;
    return SinBreite * SINDEG(delta) + CosBreite * COSDEG(delta) * COSDEG(tau);
}

void AufUntergangBerechnen(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort) {
    const Extended MJD0 = DATETOMJD(Zeile.Tag, Zeile.Monat, Zeile.Jahr, 0.0L) - ZonenOffset / 24.0L;
    const Extended s0 = SINDEG(Horizonthoehe);
    const Extended sinBreite = SINDEG(Ort.Breite);
    const Extended cosBreite = COSDEG(Ort.Breite);
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

// What the scan of a day takes from the Sun and the calendar at each minute: the
// local date and hour, the local sidereal time and the Sun's altitude. They depend
// on the day (its local midnight as a universal day number), the zone and the
// location only, so the scans of many objects on one day (the all-objects mode)
// share them: kept from the last day scanned and used again when all four are the
// same numbers (value and sign), they are the values the scan would take again.
struct TSonnenMinute {
    std::int32_t Tag = 0, Monat = 0, Jahr = 0;
    Extended Stunde = 0.0L;
    Extended Sternzeit = 0.0L;
    Extended HoeheSonne = 0.0L;
};

struct TSonnenTag {
    bool Gueltig = false;
    Extended MJD0 = 0.0L, Zone = 0.0L, Laenge = 0.0L, Breite = 0.0L;
    std::array<TSonnenMinute, 1441> Minute{};
};

thread_local TSonnenTag LetzterSonnenTag;

bool Gleich(Extended a, Extended b) { return a == b && std::signbit(a) == std::signbit(b); }

}  // namespace

void KulminationBerechnen(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort) {
    const Extended MJD0 = DATETOMJD(Zeile.Tag, Zeile.Monat, Zeile.Jahr, 0.0L) - ZonenOffset / 24.0L;
    const Extended phi = Ort.Breite;
    const Extended lambda = Ort.Laenge;
    const Extended daemmerung = DaemmerungsHoehe;

    Extended kulmHoehe = -90.0L, kulmination = -1.0L;
    Extended optHoehe = -90.0L, optZeit = -1.0L;
    // Local date and hour of the best minute, for the Moon's grade then.
    std::int32_t optTag = 0, optMonat = 0, optJahr = 0;

    // 1441 samples, local midnight to the next local midnight, the instant advanced
    // by repeated addition of one minute. The samples are counted: a test of the
    // instant against MJD0 + 1 would drop the last one for day numbers 32768 to
    // 65535 (1948 to 2038), where the rounding of 1440 additions of the step exceeds
    // the step's own shortfall from 1/1440 day.
    TSonnenTag& sonnenTag = LetzterSonnenTag;
    const bool bekannt = sonnenTag.Gueltig && Gleich(sonnenTag.MJD0, MJD0) &&
                         Gleich(sonnenTag.Zone, ZonenOffset) && Gleich(sonnenTag.Laenge, lambda) &&
                         Gleich(sonnenTag.Breite, phi);
    sonnenTag.Gueltig = bekannt;
    Extended m = MJD0;
    for (std::int32_t k = 0; k <= 1440; ++k, m += MinutenSchritt) {
        TSonnenMinute& minute = sonnenTag.Minute[static_cast<std::size_t>(k)];
        const Extended T = (m - 51544.5L) / 36525.0L;
        if (!bekannt) {
            MJDTODATE(m + ZonenOffset / 24.0L, minute.Tag, minute.Monat, minute.Jahr,
                      minute.Stunde);
            minute.Sternzeit = OrtsSternzeit(minute.Jahr, minute.Monat, minute.Tag, minute.Stunde,
                                             ZonenOffset, lambda);
            Extended alphaSonne = 0.0L, deltaSonne = 0.0L, rSonne = 0.0L;
            SUNEQUAT(T, alphaSonne, deltaSonne, rSonne);
            Extended azimut = 0.0L;
            minute.HoeheSonne = -90.0L;
            AzimutHoehe(alphaSonne / 15.0L, deltaSonne, minute.Sternzeit, phi, azimut,
                        minute.HoeheSonne);
        }
        const std::int32_t tag = minute.Tag, monat = minute.Monat, jahr = minute.Jahr;
        const Extended stunde = minute.Stunde;
        const Extended sternzeit = minute.Sternzeit;
        const Extended hoeheSonne = minute.HoeheSonne;

        Extended azimut = 0.0L;
        Extended alpha = 0.0L, delta = 0.0L, entfernung = 0.0L, r = 0.0L;
        ObjektOrt(Bahn, T, m, alpha, delta, entfernung, r);
        TopozentrischeKorrektur(jahr, monat, tag, stunde, ZonenOffset, phi, lambda, alpha, delta,
                                entfernung, alpha, delta, entfernung);
        Extended hoehe = -90.0L;
        AzimutHoehe(alpha / 15.0L, delta, sternzeit, phi, azimut, hoehe);

        // Strict comparisons: among equal altitudes the earliest minute stays.
        if (hoehe > kulmHoehe && hoehe >= 0.0L) {
            kulmHoehe = hoehe;
            kulmination = stunde;
        }
        if (hoeheSonne <= daemmerung && hoehe > optHoehe && hoehe >= 0.0L) {
            optHoehe = hoehe;
            optZeit = stunde;
            optTag = tag;
            optMonat = monat;
            optJahr = jahr;
        }
    }
    if (!bekannt) {
        // Complete: the day's minutes serve the next scan of the same day.
        sonnenTag.MJD0 = MJD0;
        sonnenTag.Zone = ZonenOffset;
        sonnenTag.Laenge = lambda;
        sonnenTag.Breite = phi;
        sonnenTag.Gueltig = true;
    }

    Zeile.TOptMond = "  ";
    if (optZeit >= 0.0L) {
        // The grade depends only on the instant, so it is taken once, at the best minute.
        AktOrtBreite = phi;
        AktOrtLaenge = lambda;
        MondStoerung(optJahr, optMonat, optTag, optZeit, ZonenOffset, Zeile.TOptMond);
        Zeile.TOpt = StundenPunktMinuten(optZeit);
    } else {
        Zeile.TOpt = -1.0L;
    }
    Zeile.TOptHoehe = optHoehe;
    Zeile.Kulmination = kulmination >= 0.0L ? StundenPunktMinuten(kulmination) : -1.0L;
    Zeile.KulmHoehe = kulmHoehe;
}

}  // namespace zenaro
