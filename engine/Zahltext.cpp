#include "engine/Zahltext.hpp"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace zenaro {

namespace {

// Widest text and most decimals the runtime writes.
constexpr std::int32_t MaxBreite = 255;
constexpr std::int32_t MaxDezimalen = 216;

std::string Rechtsbuendig(std::string text, std::int32_t breite) {
    if (breite > 0 && text.size() < static_cast<std::size_t>(breite))
        text.insert(0, static_cast<std::size_t>(breite) - text.size(), ' ');
    return text;
}

// x times 10^potenz as the runtime forms it: at most three multiplications (or
// divisions for a negative power) by the correctly rounded powers of ten
// 10^(0..31), 10^(32..480 in steps of 32) and 10^(512..4608 in steps of 512).
Extended MalZehnHoch(Extended x, std::int32_t potenz) {
    static constexpr Extended Tab0[32] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,
                                          1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L,
                                          1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L,
                                          1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L};
    static constexpr Extended Tab1[15] = {1e32L,  1e64L,  1e96L,  1e128L, 1e160L,
                                          1e192L, 1e224L, 1e256L, 1e288L, 1e320L,
                                          1e352L, 1e384L, 1e416L, 1e448L, 1e480L};
    static constexpr Extended Tab2[9] = {1e512L,  1e1024L, 1e1536L, 1e2048L, 1e2560L,
                                         1e3072L, 1e3584L, 1e4096L, 1e4608L};
    if (potenz == 0) return x;
    const bool negativ = potenz < 0;
    std::uint32_t n =
        negativ ? 0u - static_cast<std::uint32_t>(potenz) : static_cast<std::uint32_t>(potenz);
    if (n >= 5120) return negativ ? 0.0L : std::numeric_limits<Extended>::infinity();
    auto mal = [&](Extended faktor) { x = negativ ? x / faktor : x * faktor; };
    mal(Tab0[n & 0x1F]);
    n >>= 5;
    if (n == 0) return x;
    if ((n & 0x0F) != 0) mal(Tab1[(n & 0x0F) - 1]);
    n >>= 4;
    if (n != 0) mal(Tab2[n - 1]);
    return x;
}

// Brings v (> 0, finite) near [1, 10) by powers of ten estimated from its binary
// exponent (log10(2) as 0x4D10 / 2^16); returns the decimal exponent.
std::int32_t Skalieren(Extended& v) {
    std::int32_t exponent = 0;
    for (;;) {
        const std::int32_t e2 = std::ilogb(v);
        // The high half of the 32-bit product, rounded toward minus infinity.
        const std::int32_t schaetzung = (e2 * 0x4D10) >> 16;
        if (schaetzung == 0) return exponent;
        exponent += schaetzung;
        v = MalZehnHoch(v, -schaetzung);
    }
}

// The digits of v (0 <= v < 16) to `anzahl` places counted from its units digit:
// v is taken to 17 decimals by rounding v * 10^17 to an integer, a value of 10 or
// more giving a leading "1" in place 0; the digit after the last place kept is
// rounded half up, the carry running to the left. Place 0 is "0" or "1".
std::string Ziffern(Extended v, std::int32_t anzahl) {
    Extended ganz = std::nearbyint(v * 1e17L);
    std::string z = "0";
    if (ganz >= 1e18L) {
        ganz = ganz - 1e18L;
        z = "1";
    }
    char puffer[24];
    std::snprintf(puffer, sizeof puffer, "%018llu", static_cast<unsigned long long>(ganz));
    z += puffer;
    if (anzahl >= 18) {
        z.append(static_cast<std::size_t>(anzahl - 18), '0');
    } else if (z[static_cast<std::size_t>(anzahl) + 1] >= '5') {
        std::size_t i = static_cast<std::size_t>(anzahl);
        for (;;) {
            if (++z[i] <= '9') break;
            z[i--] = '0';
        }
    }
    return z;
}

// The runtime's form for numbers whose decimal exponent comes out above 35 (from
// 2^120, about 1.3e36, on): width - 8 significant digits
// (2 to 18), sign or blank, one digit, point, the rest, "E", sign and four digits.
std::string Wissenschaftlich(Extended v, std::int32_t exponent, bool minus, std::int32_t breite) {
    std::int32_t stellen = breite < 10 ? 2 : breite - 8;
    if (stellen > 18) stellen = 18;
    const std::string z = Ziffern(v, stellen);
    std::size_t anfang = 1;
    if (z[0] != '0') {
        anfang = 0;
        ++exponent;
    }
    std::string text(minus ? "-" : " ");
    text += z[anfang];
    text += '.';
    text.append(z, anfang + 1, static_cast<std::size_t>(stellen) - 1);
    char hoch[16];
    std::snprintf(hoch, sizeof hoch, "E%c%04d", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    text += hoch;
    return Rechtsbuendig(text, breite);
}

}  // namespace

std::string ZahlText(Extended x, std::int32_t breite, std::int32_t dezimalen) {
    if (breite > MaxBreite) breite = MaxBreite;
    if (std::isnan(x)) return Rechtsbuendig("Nan", breite);
    if (std::isinf(x)) return Rechtsbuendig(x > 0.0L ? "+Inf" : "-Inf", breite);
    std::int32_t d = dezimalen < 0 ? 0 : dezimalen;
    if (d > MaxDezimalen) d = MaxDezimalen;
    // The sign is the sign bit: a negative number that rounds to zero, and -0
    // itself, keep their "-".
    const bool minus = std::signbit(x);

    Extended v = std::fabs(x);
    std::int32_t exponent = 0;
    if (v >= 10.0L) {
        exponent = Skalieren(v);
        if (exponent > 35) return Wissenschaftlich(v, exponent, minus, breite);
    }
    std::int32_t vorKomma = exponent + 1;
    const std::string z = Ziffern(v, vorKomma + d);
    std::size_t anfang = 1;
    if (z[0] != '0') {
        anfang = 0;
        ++vorKomma;
    }

    std::string text;
    if (minus) text += '-';
    text.append(z, anfang, static_cast<std::size_t>(vorKomma));
    if (d > 0) {
        text += '.';
        text.append(z, anfang + static_cast<std::size_t>(vorKomma), static_cast<std::size_t>(d));
    }
    return Rechtsbuendig(text, breite);
}

namespace {

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

bool ZahlLesen(const std::string& text, Extended& wert) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    const std::size_t anfang = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    if (i >= n || !IstZiffer(text[i])) return false;
    while (i < n && IstZiffer(text[i])) ++i;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IstZiffer(text[i])) ++i;
    }
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        if (i >= n || !IstZiffer(text[i])) return false;
        while (i < n && IstZiffer(text[i])) ++i;
    }
    if (i != n) return false;

    // The text is now exactly a number of the C locale's syntax; the library's
    // conversion gives the correctly rounded extended real.
    const std::string zahl = text.substr(anfang);
    const locale_t c = CLocale();
    if (c == static_cast<locale_t>(nullptr)) return false;
    errno = 0;
    char* ende = nullptr;
    const Extended gelesen = strtold_l(zahl.c_str(), &ende, c);
    if (ende != zahl.c_str() + zahl.size()) return false;
    // Beyond the largest extended real; a value below the smallest one simply
    // becomes that tiny value or zero.
    if (errno == ERANGE && std::isinf(gelesen)) return false;
    wert = gelesen;
    return true;
}

bool GanzzahlLesen(const std::string& text, std::int32_t& wert) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return false;
    bool negativ = false;
    if (text[i] == '+' || text[i] == '-') negativ = text[i++] == '-';
    if (i >= text.size()) return false;
    std::int64_t betrag = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        betrag = betrag * 10 + (text[i] - '0');
        if (betrag > 2147483648LL) return false;
    }
    const std::int64_t ergebnis = negativ ? -betrag : betrag;
    if (ergebnis > 2147483647LL) return false;
    wert = static_cast<std::int32_t>(ergebnis);
    return true;
}

}  // namespace zenaro
