#include "engine/Zahltext.hpp"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace zenaro {

namespace {

// Significant decimal digits in which an extended real is written before it is
// rounded to the decimals.
constexpr int Stellen = 18;

std::string Rechtsbuendig(std::string text, std::int32_t breite) {
    if (breite > 0 && text.size() < static_cast<std::size_t>(breite))
        text.insert(0, static_cast<std::size_t>(breite) - text.size(), ' ');
    return text;
}

}  // namespace

std::string ZahlText(Extended x, std::int32_t breite, std::int32_t dezimalen) {
    if (std::isnan(x)) return Rechtsbuendig("Nan", breite);
    if (std::isinf(x)) return Rechtsbuendig(x > 0.0L ? "+Inf" : "-Inf", breite);
    const std::int64_t d = dezimalen < 0 ? 0 : dezimalen;

    // The magnitude as 18 significant digits z[0..17] with the value 0.z * 10^(e+1).
    std::string z(Stellen, '0');
    std::int64_t e = 0;
    const Extended betrag = std::fabs(x);
    if (betrag != 0.0L) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "%.*Le", Stellen - 1, betrag);
        // "d.ddddddddddddddddde+XX"
        z[0] = puffer[0];
        for (int i = 1; i < Stellen; ++i) z[i] = puffer[i + 1];
        e = std::strtol(puffer + Stellen + 2, nullptr, 10);
    }

    // Keep the digits up to the last decimal and round at the digit after them.
    const std::int64_t behalten = e + 1 + d;
    if (behalten < 0) {
        z.assign(Stellen, '0');
    } else if (behalten < Stellen) {
        const bool aufrunden = z[behalten] >= '5';
        for (std::int64_t i = behalten; i < Stellen; ++i) z[i] = '0';
        if (aufrunden) {
            std::int64_t i = behalten - 1;
            while (i >= 0 && z[i] == '9') z[i--] = '0';
            if (i >= 0) {
                ++z[i];
            } else {
                // 9.99 became 10.0: one digit more in front.
                z.insert(z.begin(), '1');
                z.pop_back();
                ++e;
            }
        }
    }

    // The digit at the place 10^p, zero beyond the 18 digits.
    auto ziffer = [&](std::int64_t p) {
        const std::int64_t i = e - p;
        return (i >= 0 && i < Stellen) ? z[i] : '0';
    };
    std::string text;
    if (x < 0.0L) text += '-';
    if (e < 0) {
        text += '0';
    } else {
        for (std::int64_t p = e; p >= 0; --p) text += ziffer(p);
    }
    if (d > 0) {
        text += '.';
        for (std::int64_t p = -1; p >= -d; --p) text += ziffer(p);
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

}  // namespace zenaro
