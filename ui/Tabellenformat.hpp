// The columns the fixed-width text tables share: the ephemeris table and the
// conjunction table write the date and time, the right ascension, the signed
// declination, degrees with minutes and the object names the same way, and open
// with the same zone line. Every text is single-byte Windows-1252 ("°" is the byte
// 0xB0) and keeps its trailing blanks. No window-system type appears here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/ShortString.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {

enum class TextNr : int;  // ui/Texte.hpp

// "°" in Windows-1252.
constexpr char GradZeichen = '\xB0';

// A user text of the current edition as Windows-1252 bytes.
std::string TabellenText(TextNr nr);

// I(n:w): the integer right-aligned with leading blanks in at least w characters.
std::string GanzText(std::int64_t n, std::size_t breite);
// Padded in front with `zeichen` to at least `breite` characters.
std::string LinksAuffuellen(std::string text, std::size_t breite, char zeichen);
// The first character of a formatted number made "0" when it is a blank.
std::string Nullgefuellt(std::string text);

// A time in the h.mm form as hh:mm: F(t:5:2), "0" in front below 10 hours and ":"
// in place of the decimal point.
std::string UhrzeitText(Extended zeit);
// The month abbreviation of the edition; a month outside 1..12 (only from damaged
// data) is written as its number instead of stopping the whole table.
std::string MonatsText(Extended monat);
// The date and time column, 21 characters with its trailing blank:
// "Mo 05.Jan.2026 01:30 ".
std::string DatumZeitSpalte(const ShortString<2>& wochentag, std::int32_t tag, Extended monat,
                            std::int32_t jahr, Extended zeit);
// The name of object `objektNr` made exactly `breite` characters long (cut or
// padded with blanks), then the column's blank.
std::string NamensSpalte(std::int32_t objektNr, std::size_t breite);

// The right ascension in hours as hh "h " mm.m, without a trailing blank.
std::string RektaszensionText(Extended ra);
// The declination in degrees as signed degrees in three characters, "° " and
// mm.m, without a trailing blank. The sign comes from the angle itself, so -0.4
// degrees reads " -0".
std::string DeklinationText(Extended dek);
// An angle in degrees as I(d:gradBreite) + "°" + the whole minutes in two
// characters, zero-filled: 1 degree 5 minutes with width 2 reads " 1°05".
std::string GradMinutenText(Extended winkel, std::size_t gradBreite);

// "Alle Zeiten sind in <zone> angegeben und gelten für <location>" (English "All
// time values are given in ... and are valid for location ...").
std::string Zonenzeile();

}  // namespace zenaro
