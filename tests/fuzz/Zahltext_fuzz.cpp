// The number readers on any text, against their documented syntax: optional
// leading blanks, an optional sign, digits, for a real an optional "." with digits
// and an optional exponent, and nothing after. A real is accepted exactly when the
// text has that form and its value lies within the extended range; the value is
// then the C library's correctly rounded reading in the "C" locale, never NaN or
// infinite. A whole number is accepted exactly when the text has its form and the
// value fits 32 bits. A refused text leaves the value as it was.
// The same input's first ten bytes as an extended real, written by the number text
// with a width and decimals from the next two bytes, read back within the rounding
// the text documents.
#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/Datendateien.hpp"
#include "engine/Zahltext.hpp"
#include "fuzz/Fuzzumgebung.hpp"

namespace {

using namespace zenaro;

bool Ziffer(char c) { return c >= '0' && c <= '9'; }

bool Bitgleich(Extended a, Extended b) {
    std::uint8_t x[10], y[10];
    ExtendedKodieren(a, x);
    ExtendedKodieren(b, y);
    return std::memcmp(x, y, 10) == 0;
}

// The position after the run of digits that starts at i.
std::size_t Ziffern(const std::string& t, std::size_t i) {
    while (i < t.size() && Ziffer(t[i])) ++i;
    return i;
}

// Where the number starts (after the blanks) when the text has the real's form.
bool RealForm(const std::string& t, std::size_t& anfang) {
    std::size_t i = t.find_first_not_of(' ');
    if (i == std::string::npos) return false;
    anfang = i;
    if (t[i] == '+' || t[i] == '-') ++i;
    if (i >= t.size() || !Ziffer(t[i])) return false;
    i = Ziffern(t, i);
    if (i < t.size() && t[i] == '.') i = Ziffern(t, i + 1);
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        if (i >= t.size() || !Ziffer(t[i])) return false;
        i = Ziffern(t, i);
    }
    return i == t.size();
}

void RealPruefen(const std::string& text) {
    const Extended vorher = -1234.5678L;
    Extended wert = vorher;
    const bool gelesen = ZahlLesen(text, wert);
    std::size_t anfang = 0;
    if (!RealForm(text, anfang)) {
        if (gelesen) fuzz::Verletzt("a real read from a text outside the syntax");
    } else {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        const std::string zahl = text.substr(anfang);
        const Extended erwartet = strtold_l(zahl.c_str(), nullptr, c);
        if (gelesen != std::isfinite(erwartet))
            fuzz::Verletzt(gelesen ? "a real beyond the range accepted"
                                   : "a real of the syntax and range refused");
        if (gelesen && !Bitgleich(wert, erwartet))
            fuzz::Verletzt("a real not read as the correctly rounded value");
    }
    if (gelesen && !std::isfinite(wert)) fuzz::Verletzt("NaN or infinity accepted");
    if (!gelesen && !Bitgleich(wert, vorher)) fuzz::Verletzt("a refused real changed the value");
}

void GanzzahlPruefen(const std::string& text) {
    const std::int32_t vorher = -987654;
    std::int32_t wert = vorher;
    const bool gelesen = GanzzahlLesen(text, wert);
    std::size_t i = text.find_first_not_of(' ');
    bool form = i != std::string::npos;
    bool negativ = false;
    if (form && (text[i] == '+' || text[i] == '-')) negativ = text[i++] == '-';
    form = form && i < text.size() && Ziffern(text, i) == text.size();
    if (form) {
        i = std::min(text.find_first_not_of('0', i), text.size());
        const std::string ziffern = text.substr(i);
        const long long betrag = ziffern.size() > 10 ? (1LL << 40) : std::atoll(ziffern.c_str());
        const long long erwartet = negativ ? -betrag : betrag;
        const bool passt = erwartet >= INT32_MIN && erwartet <= INT32_MAX;
        if (gelesen != passt)
            fuzz::Verletzt(gelesen ? "a whole number beyond 32 bits accepted"
                                   : "a whole number of the syntax refused");
        if (gelesen && wert != erwartet) fuzz::Verletzt("a whole number read wrongly");
    } else if (gelesen) {
        fuzz::Verletzt("a whole number read from a text outside the syntax");
    }
    if (!gelesen && wert != vorher) fuzz::Verletzt("a refused whole number changed the value");
}

// The number text of x read back: within half a unit of its last decimal (plus the
// 17 decimals the text is formed from), or in the exponent form within
// a unit of its last significant digit.
void TextPruefen(Extended x, std::int32_t breite, std::int32_t dezimalen) {
    const std::string text = ZahlText(x, breite, dezimalen);
    if (breite > 0 && text.size() < static_cast<std::size_t>(std::min(breite, 255)))
        fuzz::Verletzt("number text narrower than its width");
    if (!std::isfinite(x)) return;
    Extended gelesen = 0.0L;
    if (!ZahlLesen(text, gelesen)) {
        // Only a value next to the largest one can be rounded beyond the range.
        if (std::isinf(std::strtold(text.c_str(), nullptr))) return;
        fuzz::Verletzt("number text not readable: " + text);
    }
    const Extended betrag = std::fabs(x);
    // The value is taken to 17 decimals of its units digit (of its leading digit
    // when 10 or more) before the text is formed.
    Extended grenze = betrag * 2e-17L + 1e-17L;
    if (text.find('E') != std::string::npos) {
        const std::int32_t stellen = std::clamp(std::min(breite, 255) - 8, 2, 18);
        // A value scaled to 10 or more keeps its leading "1" apart and rounds one
        // digit behind the last one shown, as the runtime does: up to a whole unit.
        grenze += betrag * std::pow(10.0L, static_cast<Extended>(1 - stellen)) * 1.0001L;
    } else {
        const std::int32_t d = std::clamp(dezimalen, 0, 216);
        grenze += 0.5L * std::pow(10.0L, static_cast<Extended>(-d)) * 1.0001L;
    }
    if (!(std::fabs(gelesen - x) <= grenze) || std::signbit(gelesen) != std::signbit(x))
        fuzz::Verletzt("number text " + text + " far from its value");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const std::string text(reinterpret_cast<const char*>(daten), laenge);
    RealPruefen(text);
    GanzzahlPruefen(text);
    if (laenge >= 12)
        TextPruefen(ExtendedDekodieren(daten), static_cast<std::int8_t>(daten[10]),
                    static_cast<std::int8_t>(daten[11]));
    return 0;
}
