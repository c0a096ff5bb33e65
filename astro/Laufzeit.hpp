// The numeric ground rules of the whole program: the extended real, the runtime
// errors that end an operation, and the rounding and conversion rules of the
// runtime (round half to even, truncation toward zero, range-checked
// conversion of reals to 32-bit integers).
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zenaro {

using Extended = long double;

// Runtime error numbers.
inline constexpr std::int32_t FehlerDateiNichtGefunden = 2;
inline constexpr std::int32_t FehlerPfadNichtGefunden = 3;
inline constexpr std::int32_t FehlerZugriffVerweigert = 5;
inline constexpr std::int32_t FehlerLesenUeberDateiende = 100;
inline constexpr std::int32_t FehlerSchreiben = 101;
inline constexpr std::int32_t FehlerDivisionDurchNull = 200;
inline constexpr std::int32_t FehlerBereichsueberschreitung = 201;
inline constexpr std::int32_t FehlerUngueltigeGleitkommaoperation = 207;
inline constexpr std::int32_t FehlerArithmetischerUeberlauf = 215;

// The one exception type of the program: a runtime error with its number and
// text. It ends the current operation; the application shows it in an error box.
class ELaufzeitfehler : public std::runtime_error {
public:
    ELaufzeitfehler(std::int32_t nummer, const std::string& text);
    std::int32_t Nummer() const noexcept { return nummer_; }

private:
    std::int32_t nummer_;
};

// The runtime's own text for an error number ("Read beyond end of file" for 100).
std::string LaufzeitfehlerText(std::int32_t nummer);

// Raises the runtime error with its standard text, optionally naming a detail
// (a file name, the routine).
[[noreturn]] void Laufzeitfehler(std::int32_t nummer, const std::string& detail = {});

// A real that is NaN or outside the 32-bit range given to Round or Trunc: raises 207
// for NaN, 201 otherwise.
[[noreturn]] void GanzzahlFehler(Extended ganz);

// The whole number ganz (already rounded) as a 32-bit integer, range-checked.
inline std::int32_t ZuGanzzahl(Extended ganz) {
    if (!(ganz >= -2147483648.0L && ganz <= 2147483647.0L)) [[unlikely]]
        GanzzahlFehler(ganz);
    return static_cast<std::int32_t>(ganz);
}

// Round to the nearest integer, ties to even; NaN raises 207, a value outside the
// 32-bit range raises 201.
inline std::int32_t Round(Extended x) { return ZuGanzzahl(__builtin_nearbyintl(x)); }
// Truncation toward zero with the same checks.
inline std::int32_t Trunc(Extended x) { return ZuGanzzahl(__builtin_truncl(x)); }
// x - Trunc(x) without the integer range limit (exact for every finite x).
inline Extended Frac(Extended x) { return x - __builtin_truncl(x); }
// Whole part as a real (truncation toward zero).
inline Extended Int(Extended x) { return __builtin_truncl(x); }

// Ends the operation with the invalid floating-point operation 207 when x is NaN or
// infinite, where the floating-point unit would have refused to go on.
void EndlichPruefen(Extended x, const char* routine);

// Square root and natural logarithm that raise 207 outside their domain instead
// of returning NaN.
Extended Sqrt(Extended x);
Extended Ln(Extended x);

}  // namespace zenaro
