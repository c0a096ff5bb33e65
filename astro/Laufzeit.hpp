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

// Round to the nearest integer, ties to even; NaN raises 207, a value outside the
// 32-bit range raises 201.
std::int32_t Round(Extended x);
// Truncation toward zero with the same checks.
std::int32_t Trunc(Extended x);
// x - Trunc(x) without the integer range limit (exact for every finite x).
Extended Frac(Extended x);
// Whole part as a real (truncation toward zero).
Extended Int(Extended x);

// Ends the operation with the invalid floating-point operation 207 when x is NaN or
// infinite, where the floating-point unit would have refused to go on.
void EndlichPruefen(Extended x, const char* routine);

// Square root and natural logarithm that raise 207 outside their domain instead
// of returning NaN.
Extended Sqrt(Extended x);
Extended Ln(Extended x);

}  // namespace zenaro
