#include "engine/Hilfen.hpp"

#include <cmath>

#include "astro/MATLIB.hpp"

namespace zenaro {

void StundenMinuten(Extended x, std::int32_t& ganz, Extended& minuten) {
    // Rounded to the nearest minute first, so that 1.999 h becomes 2 h 0 min.
    const Extended a = (60.0L * x + 0.5L) / 60.0L;
    ganz = Trunc(a);
    minuten = Int(60.0L * (a - ganz));
    if (minuten >= 60.0L) minuten = 59.0L;
}

void GradMinuten(Extended x, std::int32_t& ganz, Extended& minuten) {
    StundenMinuten(std::fabs(x), ganz, minuten);
    if (x < 0.0L) ganz = -ganz;
}

namespace {

// Brings x below schritt (x > schritt) or up to -schritt (x < -schritt) by whole
// steps. The exact remainder equals the result of subtracting the step again and
// again, and it also ends for magnitudes where one subtraction no longer changes
// the number.
Extended Abtragen(Extended x, Extended schritt) {
    if (x > schritt) {
        x = std::fmod(x, schritt);
        if (x == 0.0L) x = schritt;
    } else if (x < -schritt) {
        x = std::fmod(x, schritt);
        if (x == 0.0L) x = -schritt;
    }
    return x;
}

}  // namespace

Extended WinkelNormieren(Extended x) {
    if (!std::isfinite(x)) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "WinkelNormieren");
    x = Abtragen(x, 360000.0L);
    while (x > 36000.0L) x = x - 36000.0L;
    while (x < -36000.0L) x = x + 36000.0L;
    while (x > 3600.0L) x = x - 3600.0L;
    while (x < -3600.0L) x = x + 3600.0L;
    while (x > 360.0L) x = x - 360.0L;
    while (x < -360.0L) x = x + 360.0L;
    while (x < 0.0L) x = x + 360.0L;
    return x;
}

Extended JulianischesDatum(std::int32_t jahr, std::int32_t monat, std::int32_t tag,
                           Extended stunde) {
    // Year and month as reals, so that no date value can overflow an integer.
    Extended y = jahr;
    Extended m = monat;
    if (m <= 2.0L) {
        y = y - 1.0L;
        m = m + 12.0L;
    }
    return Int(365.25L * y) + Int(30.6001L * (m + 1.0L)) - 15.0L + 1720996.5L + tag +
           stunde / 24.0L;
}

Extended OrtsSternzeit(Extended jahr, Extended monat, Extended tag, Extended stunde, Extended zone,
                       Extended laenge) {
    const Extended jd0 = JulianischesDatum(Trunc(jahr), Trunc(monat), Trunc(tag), 0.0L);
    Extended s = (jd0 - 2445700.5L) * 0.0657098242L + 6.656306L + (stunde - zone) * 1.0027379093L -
                 laenge / 15.0L;
    if (!std::isfinite(s)) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "OrtsSternzeit");
    // Whole days off one by one: every such step is exact, so the exact remainder
    // leaves the same value at once, and also ends for any magnitude.
    s = std::fmod(s, 24.0L);
    while (s >= 24.0L) s = s - 24.0L;
    while (s < 0.0L) s = s + 24.0L;
    if (s == 0.0L) s = 0.0L;  // a whole number of days is +0, never -0
    return s;
}

std::int32_t Wochentag(std::int32_t jahr, std::int32_t monat, std::int32_t tag) {
    const Extended jd = JulianischesDatum(jahr, monat, tag, 0.0L);
    std::int32_t w = Round(Frac((jd + 1.5L) / 7.0L) * 7.0L);
    // Before the start of the day count the fraction is negative; the weekday still
    // has to index Wochentage.
    if (w < 0) w = w + 7;
    return w;
}

Extended ZonenVersatz(const std::string& name) {
    Extended versatz = 0.0L;
    for (const TZeitzone& zone : Zeitzonen) {
        if (name == zone.Name) versatz = zone.Versatz;
    }
    return versatz;
}

std::int32_t ZonenNummer(const std::string& name) {
    for (std::int32_t i = 0; i < AnzahlZeitzonen; ++i)
        if (Zeitzonen[static_cast<std::size_t>(i)].Name == name) return i;
    return -1;
}

std::int32_t Monatslaenge(std::int32_t monat, std::int32_t jahr) {
    const bool schaltjahr = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    switch (monat) {
        case 2:
            return schaltjahr ? 29 : 28;
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

Extended ArcSinGrad(Extended x) {
    if (std::fabs(x) == 1.0L) return 90.0L * x;
    if (std::fabs(x) <= 1e-7L) return x / RAD;
    return std::atan(x / Sqrt((1.0L - x) * (1.0L + x))) / RAD;
}

void AzimutHoehe(Extended ra, Extended dek, Extended sternzeit, Extended breite, Extended& azimut,
                 Extended& hoehe) {
    if (ra < 0.0L) return;
    const Extended t = 15.0L * sternzeit - 15.0L * ra;
    Extended sinT, cosT, sinBreite, cosBreite;
    SINCOSDEG(t, sinT, cosT);
    SINCOSDEG(breite, sinBreite, cosBreite);
    azimut = ATANTWODEG(sinT, sinBreite * cosT - cosBreite * TANDEG(dek));
    if (azimut < 0.0L) azimut = azimut + 360.0L;
    Hoehe(ra, dek, sternzeit, sinBreite, cosBreite, hoehe);
}

void Hoehe(Extended ra, Extended dek, Extended sternzeit, Extended sinBreite, Extended cosBreite,
           Extended& hoehe) {
    if (ra < 0.0L) return;
    const Extended t = 15.0L * sternzeit - 15.0L * ra;
    Extended sinDek, cosDek;
    SINCOSDEG(dek, sinDek, cosDek);
    Extended s = sinBreite * sinDek + cosBreite * cosDek * COSDEG(t);
    // In the zenith the rounding of the sum can pass 1 by a few units of the last
    // place; that is still the zenith, not an invalid operation.
    if (s > 1.0L) s = 1.0L;
    if (s < -1.0L) s = -1.0L;
    hoehe = ArcSinGrad(s);
}

}  // namespace zenaro
