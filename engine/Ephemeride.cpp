#include "engine/Ephemeride.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
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
#include "engine/AufUntergang.hpp"
#include "engine/Durchgaenge.hpp"
#include "engine/Fortschritt.hpp"
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

// Rising, setting, culmination and best time of the last row's local date. They
// depend on nothing of the row but its date (besides the object and location of the
// computation, the zone and the twilight altitude), so the rows of one date in a
// computation in steps of less than a day share them: the same values as searched
// again for each row.
struct TTagesEreignisse {
    bool Gueltig = false;
    std::int32_t Tag = 0, Monat = 0, Jahr = 0;
    Extended Zone = 0.0L;
    std::int32_t Daemmerung = 0;
    Extended Aufgang = 0.0L, Untergang = 0.0L, Kulmination = 0.0L, KulmHoehe = 0.0L;
    Extended TOpt = 0.0L, TOptHoehe = 0.0L;
    ShortString<2> TOptMond;
};

void TagesEreignisse(TEphemeridenZeile& Zeile, const TBahnDaten& Bahn, const TOrt& Ort,
                     TTagesEreignisse& e) {
    if (e.Gueltig && e.Tag == Zeile.Tag && e.Monat == Zeile.Monat && e.Jahr == Zeile.Jahr &&
        e.Zone == ZonenOffset && std::signbit(e.Zone) == std::signbit(ZonenOffset) &&
        e.Daemmerung == DaemmerungsHoehe) {
        Zeile.Aufgang = e.Aufgang;
        Zeile.Untergang = e.Untergang;
        Zeile.Kulmination = e.Kulmination;
        Zeile.KulmHoehe = e.KulmHoehe;
        Zeile.TOpt = e.TOpt;
        Zeile.TOptHoehe = e.TOptHoehe;
        Zeile.TOptMond = e.TOptMond;
        return;
    }
    e.Gueltig = false;
    e.Zone = ZonenOffset;
    e.Daemmerung = DaemmerungsHoehe;
    AufUntergangBerechnen(Zeile, Bahn, Ort);
    KulminationBerechnen(Zeile, Bahn, Ort);
    e.Tag = Zeile.Tag;
    e.Monat = Zeile.Monat;
    e.Jahr = Zeile.Jahr;
    e.Aufgang = Zeile.Aufgang;
    e.Untergang = Zeile.Untergang;
    e.Kulmination = Zeile.Kulmination;
    e.KulmHoehe = Zeile.KulmHoehe;
    e.TOpt = Zeile.TOpt;
    e.TOptHoehe = Zeile.TOptHoehe;
    e.TOptMond = Zeile.TOptMond;
    e.Gueltig = true;
}

// One row of the current object at the instant T (centuries) / MJD (universal time).
TEphemeridenZeile ZeileBerechnen(const TBahnDaten& Bahn, const TOrt& Ort, Extended T, Extended MJD,
                                 TTagesEreignisse& Ereignisse) {
    const Extended phi = Ort.Breite;
    const Extended lambda = Ort.Laenge;

    // Local date and time of the instant.
    std::int32_t tag = 0, monat = 0, jahr = 0;
    Extended stunde = 0.0L;
    MJDTODATE(T * 36525.0L + 51544.5L + ZonenOffset / 24.0L, tag, monat, jahr, stunde);

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
    Zeile.ObjektNr = AktObjekt;
    Zeile.Distanz = 999.0L;
    Zeile.Jahr = jahr;
    Zeile.Monat = monat;
    Zeile.Tag = tag;
    Zeile.Wochentag = Wochentage[Wochentag(jahr, monat, tag)];
    AktOrtBreite = phi;
    AktOrtLaenge = lambda;
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

    TagesEreignisse(Zeile, Bahn, Ort, Ereignisse);

    Zeile.Hell = m;
    Zeile.HellAenderung = m - m1;

    if (DeepSkyAnzeigen) DurchgangSuchen(Zeile);
    return Zeile;
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

void OrtPruefen(const TOrt& Ort) {
    if (!(Endlich(Ort.Breite) && Endlich(Ort.Laenge)))
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

namespace {

// The Sun's vector (ecliptic of J2000) and distance at the instant T of the last
// place computed. The conjunction search computes the places of all objects at one
// instant, which share it; it is computed again for any other T (value and sign of
// T compared, so it is the same Extended number and the vector the same to the
// last bit). A T that is not a number never matches and is handed on as before.
struct TSonnenVektor {
    bool Gueltig = false;
    Extended T = 0.0L;
    Extended X = 0.0L, Y = 0.0L, Z = 0.0L, R = 0.0L;
};
TSonnenVektor LetzteSonne;

const TSonnenVektor& SonnenVektor(Extended T) {
    TSonnenVektor& s = LetzteSonne;
    if (s.Gueltig && s.T == T && std::signbit(s.T) == std::signbit(T)) return s;
    s.Gueltig = false;
    // The Sun, geocentric, rotated from the ecliptic of date to that of J2000.
    Extended L = 0.0L, B = 0.0L, R = 0.0L;
    SUNECLIP(T, L, B, R);
    Extended XS = 0.0L, YS = 0.0L, ZS = 0.0L;
    SPHTOCART(R, B, L, XS, YS, ZS);
    ROTMATRIX A{};
    PRECECLMAT(T, 0.0L, A);
    ROTATEVEC(A, XS, YS, ZS);
    s.T = T;
    s.X = XS;
    s.Y = YS;
    s.Z = ZS;
    s.R = R;
    s.Gueltig = true;
    return s;
}

}  // namespace

void ObjektOrt(const TBahnDaten& Bahn, Extended T, Extended MJD, Extended& RA, Extended& Dek,
               Extended& Delta, Extended& r, Extended& R) {
    const TSonnenVektor& sonne = SonnenVektor(T);
    const Extended XS = sonne.X, YS = sonne.Y, ZS = sonne.Z;
    R = sonne.R;

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

void NachHelligkeitOrdnen() {
    const std::int32_t n = std::clamp(AnzahlZeilen, 0, MaxZeilen);
    // The exchange procedure runs on the magnitudes with the row numbers beside them;
    // the rows themselves are moved once at the end. The comparisons and exchanges are
    // those of the procedure on whole rows, so the order (ties included) is the same.
    std::vector<std::pair<Extended, std::int32_t>> folge(static_cast<std::size_t>(n) + 1);
    for (std::int32_t i = 1; i <= n; ++i) folge[i] = {Ephemeride[i].Hell, i};
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t j = 1; j <= n - 1; ++j)
            if (folge[j].first > folge[i].first) std::swap(folge[i], folge[j]);
    std::vector<TEphemeridenZeile> zeilen(static_cast<std::size_t>(n) + 1);
    for (std::int32_t i = 1; i <= n; ++i) zeilen[i] = Ephemeride[folge[i].second];
    for (std::int32_t i = 1; i <= n; ++i) Ephemeride[i] = zeilen[i];
}

void EphemerideBerechnen() {
    if (AnzahlZeilen == 0) EphemerideVoll = false;
    const bool alle = AlleObjekteModus;
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

        const Extended MJDStart =
            DATETOMJD(StartTag, StartMonat, StartJahr, StartStunde) - ZonenOffset / 24.0L;
        const Extended TStart = (MJDStart - 51544.5L) / 36525.0L;
        const Extended MJDStop =
            DATETOMJD(StopTag, StopMonat, StopJahr, StopStunde) - ZonenOffset / 24.0L;
        const Extended TStop = (MJDStop - 51544.5L) / 36525.0L;
        const Extended schrittTage = SchrittweiteTage + SchrittweiteStunden / 24.0L;
        const Extended schrittT = schrittTage / 36525.0L;

        if (!alle || AktObjekt == 1) {
            fortschritt.SetzeBereich(
                0, alle ? AnzahlObjekte : AnzahlSchritte(MJDStop - MJDStart, schrittTage), 1);
            fortschritt.SetzeFarbe(0xFFFF00u);
            fortschritt.SetzePosition(0);
            fortschritt.Zeigen();
        }

        Extended T = TStart;
        Extended MJD = MJDStart;
        TTagesEreignisse ereignisse;
        while (T <= TStop + Zeittoleranz) {
            if (AnzahlZeilen >= MaxZeilen) {
                EphemerideVoll = true;
                break;
            }
            const TEphemeridenZeile Zeile = ZeileBerechnen(Bahn, Ort, T, MJD, ereignisse);
            ++AnzahlZeilen;
            Ephemeride[AnzahlZeilen] = Zeile;

            const Extended TVorher = T;
            T += schrittT;
            MJD += schrittTage;
            fortschritt.Schritt();
            NachrichtenVerarbeiten();
            // A step too small to move the instant (or none at all) would repeat the
            // same row until the table is full.
            if (!(T > TVorher)) break;
        }

        if (!alle || AktObjekt == AnzahlObjekte) fortschritt.Verbergen();
        if (alle && NachHelligkeitSortieren && AnzahlZeilen > 0) NachHelligkeitOrdnen();
    } catch (const ELaufzeitfehler& fehler) {
        fortschritt.Verbergen();
        if (!nameBekannt) throw;
        MitObjektWeiterreichen(fehler, name);
    }
}

}  // namespace zenaro
