#include "engine/Topozentrisch.hpp"

#include <cmath>

#include "astro/Laufzeit.hpp"
#include "astro/MATLIB.hpp"
#include "astro/MOOLIB.hpp"
#include "astro/SUNLIB.hpp"
#include "astro/TIMLIB.hpp"
#include "engine/Hilfen.hpp"

namespace zenaro {

Extended AktOrtBreite = 0.0L;
Extended AktOrtLaenge = 0.0L;

TToposOrt ToposOrt(Extended breite) {
    TToposOrt o;
    // Geocentric latitude and the observer's distance from the Earth's centre (in
    // Earth radii), the factor of the parallax.
    o.Phi = breite - 0.192425L * SINDEG(2.0L * breite);
    o.RhoFaktor =
        0.9983271L + 0.0016764L * COSDEG(2.0L * breite) - 0.0000035L * COSDEG(4.0L * breite);
    o.TanPhi = TANDEG(o.Phi);
    SINCOSDEG(o.Phi, o.SinPhi, o.CosPhi);
    return o;
}

void TopozentrischeKorrektur(Extended theta, const TToposOrt& ort, Extended ra, Extended dek,
                             Extended delta, Extended& raNeu, Extended& dekNeu) {
    // Hour angle from the local sidereal time.
    Extended H = 15.0L * theta - ra;
    if (H < 0.0L) H = H + 360.0L;

    // Horizontal parallax in degrees. No distance at all is a division by zero, as
    // the floating-point unit reports it; inside the Earth the arcsine fails.
    const Extended entfernung = delta * AstronomischeEinheit;
    if (entfernung == 0.0L) Laufzeitfehler(FehlerDivisionDurchNull, "TopozentrischeKorrektur");
    const Extended p = ArcSinGrad(Erdradius / entfernung);
    const Extended rho = ort.RhoFaktor * p;

    Extended sinH, cosH;
    SINCOSDEG(H, sinH, cosH);
    const Extended w = ARCTANDEG(ort.TanPhi / cosH);

    Extended raTopo = ra - ort.CosPhi * rho * sinH / COSDEG(dek);
    if (raTopo < 0.0L) {
        raTopo = raTopo + 360.0L;
    } else if (raTopo >= 360.0L) {
        raTopo = raTopo - 360.0L;
    }

    Extended dekTopo;
    const Extended sinW = SINDEG(w);
    if (sinW != 0.0L) {
        dekTopo = dek - rho * ort.SinPhi * SINDEG(w - dek) / sinW;
    } else {
        // On the equator (geocentric latitude 0, hence w = 0) sin(phi)/sin(w) is 0/0;
        // its limit there is cos H, which gives the declination shift of an
        // observer on the equator.
        dekTopo = dek - rho * cosH * SINDEG(w - dek);
    }

    // A latitude whose multiples overflow, or one that is no number, gives no place:
    // the floating-point unit would refuse it rather than hand it on.
    EndlichPruefen(raTopo, "TopozentrischeKorrektur");
    EndlichPruefen(dekTopo, "TopozentrischeKorrektur");
    raNeu = raTopo;
    dekNeu = dekTopo;
}

void TopozentrischeKorrektur(std::int32_t jahr, std::int32_t monat, std::int32_t tag,
                             Extended stunde, Extended zone, Extended breite, Extended laenge,
                             Extended ra, Extended dek, Extended delta, Extended& raNeu,
                             Extended& dekNeu, Extended& deltaNeu) {
    const Extended theta = OrtsSternzeit(jahr, monat, tag, stunde, zone, laenge);
    TopozentrischeKorrektur(theta, ToposOrt(breite), ra, dek, delta, raNeu, dekNeu);
    deltaNeu = delta;
}

void Praezession(std::int32_t jahrVon, std::int32_t jahrBis, Extended ra, Extended dek,
                 Extended& raNeu, Extended& dekNeu) {
    // Millennia of the interval and from 1900 to its start; as reals, so that no
    // year can overflow an integer.
    const Extended t = (static_cast<Extended>(jahrBis) - static_cast<Extended>(jahrVon)) / 1000.0L;
    const Extended T0 = (static_cast<Extended>(jahrVon) - 1900.0L) / 1000.0L;
    const Extended T02 = T0 * T0;
    const Extended t2 = t * t;
    const Extended t3 = t2 * t;

    const Extended theta = t * (5.5685694L - 0.0237028L * T0 - 0.0001028L * T02) +
                           t2 * (-0.0118528L - 0.0001028L * T0) - 0.0116111L * t3;
    const Extended zeta = t * (6.4007028L + 0.0388139L * T0 + 0.0000167L * T02) +
                          t2 * (0.0083972L - 0.000075L * T0) + 0.005L * t3;
    const Extended z = zeta + t2 * (0.0220194L + 0.0001833L * T0) + 0.0000889L * t3;

    const Extended A = ra + zeta;
    const Extended h = SINDEG(theta) * (TANDEG(dek) + COSDEG(A) * TANDEG(theta / 2.0L));
    const Extended w = ARCTANDEG(h * SINDEG(A) / (1.0L - h * COSDEG(A)));

    raNeu = ra + (z + zeta + w);
    dekNeu =
        dek + 2.0L * ARCTANDEG((COSDEG(A) - SINDEG(A) * TANDEG(w / 2.0L)) * TANDEG(theta / 2.0L));
}

std::int32_t MondBeleuchtung(Extended T) {
    Extended ls, bs, rs;
    SUNECLIP(T, ls, bs, rs);
    Extended lm, bm, rm;
    MOONECLIP(T, lm, bm, rm);

    // Mean anomalies of the Sun and the Moon, reduced to one revolution.
    const Extended T2 = T * T;
    const Extended T3 = T2 * T;
    const Extended M =
        WinkelNormieren(358.475833L + 35999.0498L * T - 0.00015L * T2 - 0.0000033L * T3);
    const Extended Ms =
        WinkelNormieren(296.104608L + 477198.8491L * T + 0.009192L * T2 + 0.0000144L * T3);

    // Elongation of the Moon from the Sun, the arccosine itself in radians (a
    // product of two cosines never leaves [-1, 1]).
    const Extended psi = std::acos(COSDEG(bm) * COSDEG(lm - ls));

    // Phase angle in radians; 0.002562143 is 0.1468 degrees.
    const Extended pi = 3.14159265358979323846264338327950288L;
    const Extended i =
        pi - psi -
        0.002562143L * (1.0L - 0.0549L * SINDEG(Ms)) / (1.0L - 0.0167L * SINDEG(M)) * std::sin(psi);

    return Trunc(100.0L * (1.0L + std::cos(i)) / 2.0L);
}

ShortString<2> MondKlasseAus(Extended hoehe, std::int32_t beleuchtung) {
    const bool tief = hoehe < 10.0L;
    if (hoehe < 0.0L) return "++";
    if (beleuchtung > 75) return tief ? "- " : "--";
    if (beleuchtung > 50) return tief ? "0 " : "- ";
    if (beleuchtung > 25) return tief ? "+ " : "0 ";
    return tief ? "++" : "+ ";
}

void MondStoerung(std::int32_t jahr, std::int32_t monat, std::int32_t tag, Extended stunde,
                  Extended zone, ShortString<2>& klasse) {
    const Extended T = (DATETOMJD(tag, monat, jahr, stunde) - 51544.5L - zone / 24.0L) / 36525.0L;

    // The Moon's place of date, its distance from Earth radii to AU.
    Extended ra, dek, r;
    MOONEQUAT(T, ra, dek, r);
    Extended delta = r * Erdradius / AstronomischeEinheit;

    Praezession(jahr, 2000, ra, dek, ra, dek);
    // The sidereal time of the correction serves the altitude too; no azimuth.
    const Extended sternzeit = OrtsSternzeit(jahr, monat, tag, stunde, zone, AktOrtLaenge);
    TopozentrischeKorrektur(sternzeit, ToposOrt(AktOrtBreite), ra, dek, delta, ra, dek);

    Extended sinBreite, cosBreite;
    SINCOSDEG(AktOrtBreite, sinBreite, cosBreite);
    Extended hoehe = 0.0L;
    Hoehe(ra / 15.0L, dek, sternzeit, sinBreite, cosBreite, hoehe);

    klasse = MondKlasseAus(hoehe, MondBeleuchtung(T));
}

}  // namespace zenaro
