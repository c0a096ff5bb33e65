// Number text and reading a number from a field: the one fixed-point writer and
// the one number reader of every window, table and editor.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// x as fixed-point text with `dezimalen` decimals, right-aligned with leading
// blanks to at least `breite` characters; a wider number is never cut. The value
// is taken in 18 significant decimal digits, as the runtime writes an extended
// real, and rounded to the decimals with a half away from zero (so 0.125 with two
// decimals is "0.13" and 0.15 with one is "0.2", as typed). A negative value keeps
// its "-" also when it rounds to zero. Negative decimals count as 0; NaN is written
// "Nan", the infinities "+Inf" and "-Inf".
// ZahlText(10, 5, 1) is " 10.0"; ZahlText(150, 5, 1) is "150.0".
std::string ZahlText(Extended x, std::int32_t breite, std::int32_t dezimalen);

// Reads the whole text of a field as a number: optional leading blanks, an
// optional "+" or "-", digits with an optional "." and further digits, an optional
// exponent ("E" or "e", an optional sign, at least one digit), and nothing after.
// Every other text fails, among them blanks only, a blank between the sign and the
// digits, trailing blanks and a decimal comma; so does a number beyond the range of
// an extended real. The value is the correctly rounded extended real of the text.
// On failure `wert` keeps what it had.
bool ZahlLesen(const std::string& text, Extended& wert);

}  // namespace zenaro
