// Number text and reading a number from a field: the one fixed-point writer and
// the one number reader of every window, table and editor.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// x as fixed-point text with `dezimalen` decimals, right-aligned with leading
// blanks to at least `breite` characters; a wider number is never cut. The digits
// are those the runtime writes for an extended real: the magnitude, brought below
// 10 by powers of ten when it is larger, is taken to 17 decimals of its units digit
// (v * 10^17 rounded to an integer, ties to even), and the digit after the last
// decimal kept rounds the text half up (2.5 with none is "3", 0.15 with one
// "0.2"). The sign is the sign bit: a negative value that rounds to zero, and -0,
// keep their "-". From 2^120 (about 1.3e36) on the runtime's exponent form
// " 1.33E+0036" is used, with width - 8 significant digits (2 to 18). Widths beyond 255 count as
// 255, decimals beyond 216 as 216, negative decimals as 0; NaN is written "Nan", the infinities
// "+Inf" and "-Inf". ZahlText(10, 5, 1) is " 10.0"; ZahlText(150, 5, 1) is "150.0".
std::string ZahlText(Extended x, std::int32_t breite, std::int32_t dezimalen);

// Reads the whole text of a field as a number: optional leading blanks, an
// optional "+" or "-", digits with an optional "." and further digits, an optional
// exponent ("E" or "e", an optional sign, at least one digit), and nothing after.
// Every other text fails, among them blanks only, a blank between the sign and the
// digits, trailing blanks and a decimal comma; so does a number beyond the range of
// an extended real. The value is the correctly rounded extended real of the text.
// On failure `wert` keeps what it had.
bool ZahlLesen(const std::string& text, Extended& wert);

// Reading a whole number from a field: optional leading blanks, an optional "+" or
// "-", decimal digits and nothing after, within 32 bits. On failure `wert` keeps
// what it had.
bool GanzzahlLesen(const std::string& text, std::int32_t& wert);

}  // namespace zenaro
