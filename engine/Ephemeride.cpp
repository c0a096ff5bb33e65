#include "engine/Ephemeride.hpp"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "astro/KEPLIB.hpp"
#include "astro/MATLIB.hpp"
#include "astro/MOOLIB.hpp"
#include "astro/PNULIB.hpp"
#include "astro/SPHLIB.hpp"
#include "astro/SUNLIB.hpp"
#include "astro/Sternb.hpp"
#include "astro/TIMLIB.hpp"
#include "engine/Abstand.hpp"
#include "engine/Arbeiter.hpp"
#include "engine/AufUntergang.hpp"
#include "engine/Durchgaenge.hpp"
#include "engine/Fortschritt.hpp"
#include "engine/Helligkeitsordnung.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Topozentrisch.hpp"

namespace zenaro {

bool EphemerideVoll = false;

namespace {

// How the error texts name an object; also the mark by which an error that
// already names it is recognised.
std::string ObjektKennung(const ShortString<60>& Name) {
    return (Englisch ? "object \"" : "Objekt \"") + Name.Text() + "\"";
}

[[noreturn]] void BahnFehler(const ShortString<60>& Name, const char* grundDeutsch,
                             const char* grundEnglisch) {
    Laufzeitfehler(FehlerUngueltigeGleitkommaoperation,
                   ObjektKennung(Name) + ": " + (Englisch ? grundEnglisch : grundDeutsch));
}

bool Endlich(Extended x) { return std::isfinite(x); }

// Heliocentric position and velocity (ecliptic of J2000) at the instant T that lies
// TageSeitPerihel days after the perihelion (epoch) instant.
void HeliozentrischerOrt(const TBahnDaten& Bahn, Extended T, Extended TageSeitPerihel, Extended& X,
                         Extended& Y, Extended& Z, Extended& VX, Extended& VY, Extended& VZ) {
    if (Bahn.MittlereAnomalie == 0.0L) {
        ORBITSTATE(Bahn.TPerihel, T, Bahn.Perihelabstand, Bahn.Exzentrizitaet, Bahn.Bahn, X, Y, Z,
                   VX, VY, VZ);
    } else {
        // Reduced once each way; ELLIPSTATE reduces the angle itself.
        Extended M = Bahn.MittlereAnomalie + Bahn.Mittelbewegung * TageSeitPerihel;
        if (M > 180.0L) M -= 360.0L;
        if (M < -180.0L) M += 360.0L;
        ELLIPSTATE(M, Bahn.GrosseHalbachse, Bahn.Exzentrizitaet, Bahn.Bahn, X, Y, Z, VX, VY, VZ);
    }
    ROTATEVEC(Bahn.Aequinoktium, X, Y, Z);
    ROTATEVEC(Bahn.Aequinoktium, VX, VY, VZ);
}

// Ends the computation of an object with an error that names it: a runtime error
// raised by the library on the object's behalf gets the name appended.
[[noreturn]] void MitObjektWeiterreichen(const ELaufzeitfehler& fehler,
                                         const ShortString<60>& Name) {
    const std::string text = fehler.what();
    const std::string kennung = ObjektKennung(Name);
    if (text.find(kennung) != std::string::npos) throw fehler;
    throw ELaufzeitfehler(fehler.Nummer(), text + " - " + kennung);
}

// Progress maximum: the number of steps, held within the 32-bit range (a range of
// absurdly many steps is cut off by the table's capacity anyway).
std::int32_t AnzahlSchritte(Extended tage, Extended schritt) {
    const Extended n = std::nearbyint(tage / schritt);
    if (std::isnan(n)) return 0;
    const Extended grenze = static_cast<Extended>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::clamp(n, -grenze, grenze));
}

// The geocentric place of the Moon at T, right ascension and declination of J2000
// in degrees (no topocentric correction).
void MondOrt(Extended T, Extended& alpha, Extended& delta) {
    Extended lambda = 0.0L, beta = 0.0L, entfernung = 0.0L;
    MOONECLIP(T, lambda, beta, entfernung);
    Extended x = 0.0L, y = 0.0L, z = 0.0L;
    SPHTOCART(entfernung, beta, lambda, x, y, z);
    ROTMATRIX A{};
    PRECECLMAT(T, 0.0L, A);
    ROTATEVEC(A, x, y, z);
    ECLIPTOEQ(0.0L, x, y, z);
    Extended r = 0.0L;
    CARTTOSPH(x, y, z, r, delta, alpha);
}

// The row's local calendar date and local hour of the instant T (centuries).
void OrtszeitBestimmen(Extended T, std::int32_t& tag, std::int32_t& monat, std::int32_t& jahr,
                       Extended& stunde) {
    MJDTODATE(T * 36525.0L + 51544.5L + ZonenOffset / 24.0L, tag, monat, jahr, stunde);
}

// One row of the object `objekt` at the instant T (centuries) / MJD (universal time):
// every field but the events of the day and the passage. The Moon grade reads the
// engine's copies of the location, set by the caller.
TEphemeridenZeile ZeileBerechnen(const TBahnDaten& Bahn, const TOrt& Ort, std::int32_t objekt,
                                 Extended T, Extended MJD) {
    const Extended phi = Ort.Breite;
    const Extended lambda = Ort.Laenge;

    // Local date and time of the instant.
    std::int32_t tag = 0, monat = 0, jahr = 0;
    Extended stunde = 0.0L;
    OrtszeitBestimmen(T, tag, monat, jahr, stunde);

    // Pass at t + 1 h (the date is not advanced when the hour passes 24).
    const Extended T1 = T + EineStundeInJahrhunderten;
    const Extended MJD1 = MJD + 1.0L / 24.0L;
    Extended ra1 = 0.0L, dek1 = 0.0L, delta1 = 0.0L, r1 = 0.0L;
    ObjektOrt(Bahn, T1, MJD1, ra1, dek1, delta1, r1);
    TopozentrischeKorrektur(jahr, monat, tag, stunde + 1.0L, ZonenOffset, phi, lambda, ra1, dek1,
                            delta1, ra1, dek1, delta1);
    const Extended m1 = Helligkeit(Bahn, MJD, 1.0L / 24.0L, delta1, r1);

    // Pass at t: the Moon, the object, the Sun's distance.
    Extended alphaMond = 0.0L, deltaMond = 0.0L;
    MondOrt(T, alphaMond, deltaMond);
    const std::int32_t phase = MondBeleuchtung(T);
    Extended ra = 0.0L, dek = 0.0L, delta = 0.0L, r = 0.0L, R = 0.0L;
    ObjektOrt(Bahn, T, MJD, ra, dek, delta, r, R);
    TopozentrischeKorrektur(jahr, monat, tag, stunde, ZonenOffset, phi, lambda, ra, dek, delta, ra,
                            dek, delta);
    const Extended m = Helligkeit(Bahn, MJD, 0.0L, delta, r);

    const Extended elongation = ARCCOSDEG((R * R + delta * delta - r * r) / (2.0L * R * delta));
    const Extended mondAbstand = Winkelabstand(alphaMond, deltaMond, ra, dek);

    TEphemeridenZeile Zeile{};
    Zeile.ObjektNr = objekt;
    Zeile.Distanz = 999.0L;
    Zeile.Jahr = jahr;
    Zeile.Monat = monat;
    Zeile.Tag = tag;
    Zeile.Wochentag = Wochentage[Wochentag(jahr, monat, tag)];
    MondStoerung(jahr, monat, tag, stunde, ZonenOffset, Zeile.MondKlasse);
    Zeile.Zeit = StundenPunktMinuten(stunde);
    // Hourly motion; a step across 0 h is taken the short way round.
    Extended d = ra1 - ra;
    if (std::fabs(d) >= 180.0L) d = d > 0.0L ? d - 360.0L : d + 360.0L;
    Zeile.RAproStunde = d / 15.0L * 60.0L;
    Zeile.DekProStunde = (dek1 - dek) * 60.0L;
    Zeile.RA = ra / 15.0L;
    Zeile.Dek = dek;
    std::string kuerzel;
    CONSTFIND(Zeile.RA, Zeile.Dek, 2000.0L, kuerzel);
    Zeile.Sternbild = kuerzel;
    Zeile.Delta = delta;
    Zeile.R = r;
    Zeile.MondAbstand = mondAbstand;
    Zeile.Phase = phase;
    Zeile.Elongation = elongation;
    Zeile.Hell = m;
    Zeile.HellAenderung = m - m1;
    return Zeile;
}

// Rising, setting, culmination and best time of the row's local date. They depend
// on nothing of the row but its date (besides the object and location of the
// computation, the zone and the twilight altitude), so they are searched for the
// first row of each date of a computation and taken over by its further rows of
// that date: the same values as searched again for each row.
void TagesEreignisseSuchen(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort) {
    AufUntergangBerechnen(Zeile, Bahn, Ort);
    KulminationBerechnen(Zeile, Bahn, Ort);
}

void TagesEreignisseUebernehmen(TEphemeridenZeile& Zeile, const TEphemeridenZeile& Erste) {
    Zeile.Aufgang = Erste.Aufgang;
    Zeile.Untergang = Erste.Untergang;
    Zeile.Kulmination = Erste.Kulmination;
    Zeile.KulmHoehe = Erste.KulmHoehe;
    Zeile.TOpt = Erste.TOpt;
    Zeile.TOptHoehe = Erste.TOptHoehe;
    Zeile.TOptMond = Erste.TOptMond;
}

}  // namespace

void BahnVorbereiten(const TBahnelement& Element, TBahnDaten& Bahn) {
    Bahn = TBahnDaten{};
    Bahn.Name = Element.Name;
    const Extended werte[] = {Element.Perihel[1],
                              Element.Perihel[2],
                              Element.Perihel[3],
                              Element.Exzentrizitaet,
                              Element.Perihelabstand,
                              Element.GrosseHalbachse,
                              Element.MittlereAnomalie,
                              Element.Knoten,
                              Element.Perihelargument,
                              Element.Bahnneigung,
                              Element.Aequinoktium,
                              Element.H11,
                              Element.N};
    for (const Extended w : werte)
        if (!Endlich(w))
            BahnFehler(Element.Name, "Bahnelement ist keine endliche Zahl",
                       "an orbital element is not a finite number");
    if (Element.Exzentrizitaet < 0.0L)
        BahnFehler(Element.Name, "negative Exzentrizitaet", "negative eccentricity");
    if (Element.MittlereAnomalie == 0.0L) {
        if (Element.Perihelabstand <= 0.0L)
            BahnFehler(Element.Name, "Periheldistanz nicht groesser als 0",
                       "perihelion distance not above 0");
    } else if (Element.GrosseHalbachse <= 0.0L || Element.Exzentrizitaet >= 1.0L) {
        BahnFehler(Element.Name,
                   "mittlere Anomalie verlangt grosse Halbachse > 0 und Exzentrizitaet < 1",
                   "a mean anomaly needs a semi-major axis above 0 and an eccentricity below 1");
    }

    Bahn.H11 = Element.H11;
    Bahn.N = Element.N;
    Bahn.MittlereAnomalie = Element.MittlereAnomalie;
    Bahn.Exzentrizitaet = Element.Exzentrizitaet;
    Bahn.Perihelabstand = Element.Perihelabstand;
    Bahn.GrosseHalbachse = Element.GrosseHalbachse;

    // Perihelion (epoch) instant from year, month and day with its fraction.
    const std::int32_t tag = Trunc(Element.Perihel[3]);
    const std::int32_t monat = Trunc(Element.Perihel[2]);
    const std::int32_t jahr = Trunc(Element.Perihel[1]);
    const Extended stunde = (Element.Perihel[3] - tag) * 24.0L;
    Bahn.MJDPerihel = DATETOMJD(tag, monat, jahr, stunde);
    Bahn.TPerihel = (Bahn.MJDPerihel - 51544.5L) / 36525.0L;

    if (Element.MittlereAnomalie != 0.0L) {
        const Extended a = Element.GrosseHalbachse;
        Bahn.Mittelbewegung = Mittelbewegungskonstante / (a * std::sqrt(a));
    }
    PRECECLMAT((Element.Aequinoktium - 2000.0L) / 100.0L, 0.0L, Bahn.Aequinoktium);
    ORBITMAT(Element.Knoten, Element.Bahnneigung, Element.Perihelargument, Bahn.Bahn);
}

namespace {
bool OrtEndlich(const TOrt& Ort) { return Endlich(Ort.Breite) && Endlich(Ort.Laenge); }
}  // namespace

void OrtPruefen(const TOrt& Ort) {
    if (!OrtEndlich(Ort))
        Laufzeitfehler(FehlerUngueltigeGleitkommaoperation,
                       (Englisch ? "location \"" : "Ort \"") + Ort.Name.Text() +
                           (Englisch ? "\": latitude or longitude is not a finite number"
                                     : "\": Breite oder Laenge ist keine endliche Zahl"));
}

Extended HeliozentrischerAbstand(const TBahnDaten& Bahn, Extended T, Extended TageSeitPerihel) {
    Extended X = 0.0L, Y = 0.0L, Z = 0.0L, VX = 0.0L, VY = 0.0L, VZ = 0.0L;
    HeliozentrischerOrt(Bahn, T, TageSeitPerihel, X, Y, Z, VX, VY, VZ);
    Extended r = 0.0L, breite = 0.0L, laenge = 0.0L;
    CARTTOSPH(X, Y, Z, r, breite, laenge);
    return r;
}

TSonnenVektor SonnenVektorBerechnen(Extended T) {
    // The Sun, geocentric, rotated from the ecliptic of date to that of J2000.
    Extended L = 0.0L, B = 0.0L, R = 0.0L;
    SUNECLIP(T, L, B, R);
    Extended XS = 0.0L, YS = 0.0L, ZS = 0.0L;
    SPHTOCART(R, B, L, XS, YS, ZS);
    ROTMATRIX A{};
    PRECECLMAT(T, 0.0L, A);
    ROTATEVEC(A, XS, YS, ZS);
    TSonnenVektor s;
    s.X = XS;
    s.Y = YS;
    s.Z = ZS;
    s.R = R;
    return s;
}

namespace {

// The Sun's vector at the instant T of the last place computed on this thread. The
// conjunction search computes the places of all objects at one instant, which share
// it; it is computed again for any other T (value and sign of T compared, so it is
// the same Extended number and the vector the same to the last bit). A T that is
// not a number never matches and is handed on as before.
struct TLetzteSonne {
    bool Gueltig = false;
    Extended T = 0.0L;
    TSonnenVektor Vektor;
};
thread_local TLetzteSonne LetzteSonne;

const TSonnenVektor& SonnenVektor(Extended T) {
    TLetzteSonne& s = LetzteSonne;
    if (s.Gueltig && GleicheZahl(s.T, T)) return s.Vektor;
    s.Gueltig = false;
    s.Vektor = SonnenVektorBerechnen(T);
    s.T = T;
    s.Gueltig = true;
    return s.Vektor;
}

}  // namespace

void ObjektOrt(const TBahnDaten& Bahn, Extended T, Extended MJD, Extended& RA, Extended& Dek,
               Extended& Delta, Extended& r, Extended& R) {
    const TSonnenVektor& sonne = SonnenVektor(T);
    R = sonne.R;
    ObjektOrt(Bahn, T, MJD, sonne, RA, Dek, Delta, r);
}

void ObjektOrt(const TBahnDaten& Bahn, Extended T, Extended MJD, const TSonnenVektor& Sonne,
               Extended& RA, Extended& Dek, Extended& Delta, Extended& r) {
    const Extended XS = Sonne.X, YS = Sonne.Y, ZS = Sonne.Z;

    // The object, heliocentric.
    Extended X = 0.0L, Y = 0.0L, Z = 0.0L, VX = 0.0L, VY = 0.0L, VZ = 0.0L;
    HeliozentrischerOrt(Bahn, T, MJD - Bahn.MJDPerihel, X, Y, Z, VX, VY, VZ);
    Extended breite = 0.0L, laenge = 0.0L;
    CARTTOSPH(X, Y, Z, r, breite, laenge);

    // Geocentric, corrected for the light time.
    Extended GX = X + XS, GY = Y + YS, GZ = Z + ZS;
    Delta = std::sqrt(GX * GX + GY * GY + GZ * GZ);
    const Extended tau = Lichtzeitfaktor * Delta;
    GX -= tau * VX;
    GY -= tau * VY;
    GZ -= tau * VZ;

    // Equator of J2000.
    ECLIPTOEQ(0.0L, GX, GY, GZ);
    CARTTOSPH(GX, GY, GZ, Delta, Dek, RA);

    if (!(Endlich(RA) && Endlich(Dek) && Endlich(Delta) && Endlich(r) && Delta > 0.0L && r > 0.0L))
        BahnFehler(Bahn.Name, "Ort nicht berechenbar (Entfernung 0 oder keine endliche Zahl)",
                   "place cannot be computed (distance 0 or not a finite number)");
}

void ObjektOrt(const TBahnDaten& Bahn, Extended T, Extended MJD, Extended& RA, Extended& Dek,
               Extended& Delta, Extended& r) {
    Extended R = 0.0L;
    ObjektOrt(Bahn, T, MJD, RA, Dek, Delta, r, R);
}

Extended Helligkeit(const TBahnDaten& Bahn, Extended MJD, Extended Versatz, Extended Delta,
                    Extended r) {
    Extended m = Bahn.H11 + 5.0L * std::log10(Delta) + 2.5L * Bahn.N * std::log10(r);
    if (HellParameterBenutzen && AnzahlHellParameter > 0) {
        const std::int32_t anzahl = std::min(AnzahlHellParameter, MaxHellParameter);
        const std::string name = Bahn.Name.Text();
        for (std::int32_t k = 1; k <= anzahl; ++k) {
            const THellParameter& satz = HellParameterListe[k];
            if (!(satz.Name == name)) continue;
            if (!(Bahn.MJDPerihel + satz.Von <= MJD && MJD <= Bahn.MJDPerihel + satz.Bis)) continue;
            Extended rSatz = r;
            if (satz.Erweitert) {
                const Extended T = (MJD + Versatz + satz.DT - 51544.5L) / 36525.0L;
                rSatz = HeliozentrischerAbstand(Bahn, T, MJD + Versatz - Bahn.MJDPerihel + satz.DT);
            }
            m = satz.H11 + satz.N1 * std::log10(Delta) + 2.5L * satz.N2 * std::log10(rSatz);
        }
    }
    if (!Endlich(m))
        BahnFehler(Bahn.Name, "Helligkeit keine endliche Zahl (Helligkeitsparameter pruefen)",
                   "magnitude is not a finite number (check the brightness parameters)");
    return m;
}

Extended StundenPunktMinuten(Extended h) {
    const std::int32_t gesamt = Trunc(h * 60.0L + 0.5L);
    const std::int32_t stunden = Trunc(gesamt / 60.0L);
    const std::int32_t minuten = Trunc((gesamt / 60.0L - stunden) * 60.0L + 0.5L);
    return stunden + minuten / 100.0L;
}

namespace {

// The time range of the calculation parameters, universal time: start and stop as
// day numbers and in centuries, the step in days and in centuries.
struct TBereich {
    Extended MJDStart = 0.0L, TStart = 0.0L, MJDStop = 0.0L, TStop = 0.0L;
    Extended SchrittTage = 0.0L, SchrittT = 0.0L;
};

TBereich BereichBestimmen() {
    TBereich b;
    b.MJDStart = DATETOMJD(StartTag, StartMonat, StartJahr, StartStunde) - ZonenOffset / 24.0L;
    b.TStart = (b.MJDStart - 51544.5L) / 36525.0L;
    b.MJDStop = DATETOMJD(StopTag, StopMonat, StopJahr, StopStunde) - ZonenOffset / 24.0L;
    b.TStop = (b.MJDStop - 51544.5L) / 36525.0L;
    b.SchrittTage = SchrittweiteTage + SchrittweiteStunden / 24.0L;
    b.SchrittT = b.SchrittTage / 36525.0L;
    return b;
}

// One instant of a range. The first instant of each local date in the range has its
// row search the events of the day; the further rows of that date take them over.
struct TZeitpunkt {
    Extended T = 0.0L;
    Extended MJD = 0.0L;
    bool ErsterDesTages = true;
};

// The instants of a range, at most `hoechstens` of them; Weiter tells that the range
// goes on beyond them.
struct TZeitreihe {
    std::vector<TZeitpunkt> Zeitpunkte;
    bool Weiter = false;
};

// From the start, the step added again and again (so every instant is the sum the
// computation in order arrives at), while the instant lies at or before the stop
// within Zeittoleranz. A step too small to move the instant (or none at all) would
// repeat the same row until the table is full: the range ends after it.
TZeitreihe ZeitreiheBilden(const TBereich& b, std::size_t hoechstens) {
    TZeitreihe reihe;
    Extended T = b.TStart;
    Extended MJD = b.MJDStart;
    std::int32_t tagVorher = 0, monatVorher = 0, jahrVorher = 0;
    while (T <= b.TStop + Zeittoleranz) {
        if (reihe.Zeitpunkte.size() >= hoechstens) {
            reihe.Weiter = true;
            break;
        }
        TZeitpunkt z;
        z.T = T;
        z.MJD = MJD;
        std::int32_t tag = 0, monat = 0, jahr = 0;
        Extended stunde = 0.0L;
        try {
            OrtszeitBestimmen(T, tag, monat, jahr, stunde);
        } catch (const ELaufzeitfehler&) {
            // The row of this instant raises the error itself; none follows it.
            reihe.Zeitpunkte.push_back(z);
            break;
        }
        z.ErsterDesTages = reihe.Zeitpunkte.empty() || tag != tagVorher || monat != monatVorher ||
                           jahr != jahrVorher;
        reihe.Zeitpunkte.push_back(z);
        tagVorher = tag;
        monatVorher = monat;
        jahrVorher = jahr;

        const Extended TVorher = T;
        T += b.SchrittT;
        MJD += b.SchrittTage;
        if (!(T > TVorher)) break;
    }
    return reihe;
}

// The engine's copies of the location, which the Moon grade reads: set before any
// row is computed, and written only when they change, so that a call of the
// all-objects mode leaves them untouched while the rows computed ahead read them.
void OrtFuerMondgradSetzen(const TOrt& Ort) {
    if (!GleicheZahl(AktOrtBreite, Ort.Breite)) AktOrtBreite = Ort.Breite;
    if (!GleicheZahl(AktOrtLaenge, Ort.Laenge)) AktOrtLaenge = Ort.Laenge;
}

// A row of the object at an instant of the range, the events of the day searched
// when it is the first of its date.
TEphemeridenZeile ZeileAmZeitpunkt(const TBahnDaten& Bahn, const TOrt& Ort, std::int32_t objekt,
                                   const TZeitpunkt& z) {
    TEphemeridenZeile zeile = ZeileBerechnen(Bahn, Ort, objekt, z.T, z.MJD);
    if (z.ErsterDesTages) TagesEreignisseSuchen(zeile, Bahn, Ort);
    return zeile;
}

// The rows of a call, computed ahead on the worker threads and handed over in row
// order: Abwarten(k) waits for row k, processing window messages meanwhile; Zeile(k)
// then gives it, or throws the error its computation raised.
class TZeilenquelle {
public:
    virtual ~TZeilenquelle() = default;
    virtual void Abwarten(std::size_t k) = 0;
    virtual const TEphemeridenZeile& Zeile(std::size_t k) = 0;
};

// The rows of one object over its range, one task per row.
class TZeilenEinesObjekts final : public TZeilenquelle {
public:
    TZeilenEinesObjekts(const TBahnDaten& Bahn, const TOrt& Ort, std::int32_t objekt,
                        const TZeitreihe& reihe, std::size_t anzahl)
        : bahn_(Bahn),
          ort_(Ort),
          objekt_(objekt),
          reihe_(reihe),
          zeilen_(anzahl),
          fehler_(anzahl),
          gruppe_(anzahl, [this](std::size_t k) {
              try {
                  zeilen_[k] = ZeileAmZeitpunkt(bahn_, ort_, objekt_, reihe_.Zeitpunkte[k]);
              } catch (...) {
                  fehler_[k] = std::current_exception();
              }
          }) {}

    void Abwarten(std::size_t k) override { gruppe_.Abwarten(k, NachrichtenVerarbeiten); }
    const TEphemeridenZeile& Zeile(std::size_t k) override {
        if (fehler_[k]) std::rethrow_exception(fehler_[k]);
        return zeilen_[k];
    }

private:
    const TBahnDaten& bahn_;
    const TOrt& ort_;
    std::int32_t objekt_;
    const TZeitreihe& reihe_;
    std::vector<TEphemeridenZeile> zeilen_;
    std::vector<std::exception_ptr> fehler_;
    TArbeitsgruppe gruppe_;  // last: its threads end before the rows go
};

// The rows of every object of the all-objects mode, one task per object. Object o's
// call has room for the rows left after those of the objects before it.
class TZeilenAllerObjekte {
public:
    TZeilenAllerObjekte(const TOrt& Ort, TZeitreihe reihe, std::int32_t objekte,
                        std::int32_t zeilenVorher)
        : ort_(Ort), reihe_(std::move(reihe)), ergebnisse_(static_cast<std::size_t>(objekte)) {
        const std::int64_t n = static_cast<std::int64_t>(reihe_.Zeitpunkte.size());
        for (std::int32_t o = 1; o <= objekte; ++o) {
            const std::int64_t platz = std::int64_t{MaxZeilen} - zeilenVorher - (o - 1) * n;
            ergebnisse_[static_cast<std::size_t>(o - 1)].Anzahl =
                static_cast<std::size_t>(std::clamp<std::int64_t>(platz, 0, n));
        }
        gruppe_.emplace(ergebnisse_.size(), [this](std::size_t i) { Rechnen(i); });
    }

    const TZeitreihe& Reihe() const { return reihe_; }

    // The source of object o's call.
    TZeilenquelle& Quelle(std::int32_t o) {
        quelle_.objekt = o;
        return quelle_;
    }

private:
    struct TErgebnis {
        std::size_t Anzahl = 0;
        std::vector<TEphemeridenZeile> Zeilen;
        std::exception_ptr Fehler;  // raised by the row after the last in Zeilen
    };

    class TQuelle final : public TZeilenquelle {
    public:
        explicit TQuelle(TZeilenAllerObjekte& alle) : alle_(alle) {}
        void Abwarten(std::size_t) override {
            alle_.gruppe_->Abwarten(static_cast<std::size_t>(objekt - 1), NachrichtenVerarbeiten);
        }
        const TEphemeridenZeile& Zeile(std::size_t k) override {
            const TErgebnis& e = alle_.ergebnisse_[static_cast<std::size_t>(objekt - 1)];
            if (k < e.Zeilen.size()) return e.Zeilen[k];
            if (e.Fehler) std::rethrow_exception(e.Fehler);
            throw std::logic_error("row not computed ahead");
        }
        std::int32_t objekt = 0;

    private:
        TZeilenAllerObjekte& alle_;
    };

    void Rechnen(std::size_t i) {
        TErgebnis& e = ergebnisse_[i];
        try {
            const std::int32_t objekt = static_cast<std::int32_t>(i) + 1;
            TBahnDaten bahn;
            BahnVorbereiten(Objekte[objekt], bahn);
            e.Zeilen.reserve(e.Anzahl);
            for (std::size_t k = 0; k < e.Anzahl; ++k)
                e.Zeilen.push_back(ZeileAmZeitpunkt(bahn, ort_, objekt, reihe_.Zeitpunkte[k]));
        } catch (...) {
            e.Fehler = std::current_exception();
        }
    }

    TOrt ort_;
    TZeitreihe reihe_;
    std::vector<TErgebnis> ergebnisse_;
    TQuelle quelle_{*this};
    std::optional<TArbeitsgruppe> gruppe_;  // last: its threads end before the results go
};

// One call of the ephemeris for the current object AktObjekt, as documented: the
// set-up, the rows of the range appended in order with the passage search (which
// may write a star's constellation into the catalogue, so it runs here, in row
// order), the progress window stepped and window messages processed after each row,
// the end. The rows themselves come computed ahead: from `alle` in the all-objects
// mode, otherwise from worker threads started here. The sort of the all-objects mode
// goes to `ordnung` when given.
void Aufruf(TZeilenAllerObjekte* alle, THelligkeitsordnung* ordnung) {
    if (AnzahlZeilen == 0) EphemerideVoll = false;
    const bool alleObjekte = AlleObjekteModus;
    IFortschrittsanzeige& fortschritt = Fortschrittsanzeige();
    // The name for error texts, once the object is known.
    ShortString<60> name;
    bool nameBekannt = false;

    try {
        // An index outside the tables raises the range-check error here. Elements and
        // location are copied: the window system may run while the rows are computed.
        const TBahnelement Element = Objekte[AktObjekt];
        name = Element.Name;
        nameBekannt = true;
        const TOrt Ort = Orte[AktOrt];
        TBahnDaten Bahn;
        BahnVorbereiten(Element, Bahn);
        OrtPruefen(Ort);
        OrtFuerMondgradSetzen(Ort);
        const TBereich bereich = BereichBestimmen();

        if (!alleObjekte || AktObjekt == 1) {
            fortschritt.SetzeBereich(
                0,
                alleObjekte
                    ? AnzahlObjekte
                    : AnzahlSchritte(bereich.MJDStop - bereich.MJDStart, bereich.SchrittTage),
                1);
            fortschritt.SetzeFarbe(0xFFFF00u);
            fortschritt.SetzePosition(0);
            fortschritt.Zeigen();
        }

        const std::size_t platz =
            static_cast<std::size_t>(MaxZeilen - std::clamp(AnzahlZeilen, 0, MaxZeilen));
        std::optional<TZeitreihe> eigeneReihe;
        const TZeitreihe& reihe =
            alle != nullptr ? alle->Reihe() : eigeneReihe.emplace(ZeitreiheBilden(bereich, platz));
        const std::size_t anzahl = std::min(platz, reihe.Zeitpunkte.size());
        std::optional<TZeilenEinesObjekts> eigeneZeilen;
        TZeilenquelle& quelle = alle != nullptr
                                    ? alle->Quelle(AktObjekt)
                                    : eigeneZeilen.emplace(Bahn, Ort, AktObjekt, reihe, anzahl);

        // No catalogue place changes while the rows are computed.
        const TDurchgangsRechnung durchgaenge;
        TEphemeridenZeile ersteDesTages;
        for (std::size_t k = 0; k < reihe.Zeitpunkte.size() || reihe.Weiter; ++k) {
            // Rows stop at the table's capacity: as computed ahead, or as reached by what
            // ran while messages were processed (also while the row was awaited).
            if (AnzahlZeilen >= MaxZeilen || k >= anzahl) {
                EphemerideVoll = true;
                break;
            }
            quelle.Abwarten(k);
            if (AnzahlZeilen >= MaxZeilen) {
                EphemerideVoll = true;
                break;
            }
            TEphemeridenZeile Zeile = quelle.Zeile(k);
            if (reihe.Zeitpunkte[k].ErsterDesTages)
                ersteDesTages = Zeile;
            else
                TagesEreignisseUebernehmen(Zeile, ersteDesTages);
            if (DeepSkyAnzeigen) DurchgangSuchen(Zeile);
            ++AnzahlZeilen;
            Ephemeride[AnzahlZeilen] = Zeile;
            fortschritt.Schritt();
            NachrichtenVerarbeiten();
        }

        if (!alleObjekte || AktObjekt == AnzahlObjekte) fortschritt.Verbergen();
        if (alleObjekte && NachHelligkeitSortieren && AnzahlZeilen > 0) {
            if (ordnung != nullptr)
                ordnung->Ordnen();
            else
                NachHelligkeitOrdnen();
        }
    } catch (const ELaufzeitfehler& fehler) {
        fortschritt.Verbergen();
        if (!nameBekannt) throw;
        MitObjektWeiterreichen(fehler, name);
    } catch (...) {
        // Any other error (running out of memory among them) closes the window too.
        fortschritt.Verbergen();
        throw;
    }
}

}  // namespace

void EphemerideBerechnen() { Aufruf(nullptr, nullptr); }

void EphemerideAllerObjekte() {
    // A count beyond the table reaches the slot after it, whose range-check error ends
    // the mode as it would call by call.
    const std::int32_t anzahl = std::clamp(AnzahlObjekte, 0, MaxObjekte + 1);
    // What every call shares, the location and the instants of the range, is set up
    // once; when that fails, the first call raises the error itself.
    std::optional<TZeilenAllerObjekte> vorrat;
    try {
        const TOrt Ort = Orte[AktOrt];
        if (anzahl > 0 && OrtEndlich(Ort)) {
            OrtFuerMondgradSetzen(Ort);
            vorrat.emplace(Ort, ZeitreiheBilden(BereichBestimmen(), MaxZeilen), anzahl,
                           AnzahlZeilen);
        }
    } catch (const ELaufzeitfehler&) {
    }
    // The sort after each call orders the magnitudes; the rows move once, at the end.
    THelligkeitsordnung ordnung;
    const TDurchgangsRechnung durchgaenge;
    try {
        for (std::int32_t i = 1; i <= anzahl; ++i) {
            AktObjekt = i;
            Aufruf(vorrat ? &*vorrat : nullptr, &ordnung);
        }
    } catch (...) {
        ordnung.Anwenden();
        throw;
    }
    ordnung.Anwenden();
}

}  // namespace zenaro
