// The ephemeris text table: the fixed-width lines of one ephemeris result (title
// block, header and dash line, one line per row, the empty lines between groups of
// five rows, the legend), built from the globals of the last calculation. The
// window, the printout and the text file take their lines from here; the three
// differ only in a few points, chosen by the sink passed in. No window-system type
// appears here: lines are Windows-1252 text ("°" is the byte 0xB0) and keep their
// trailing blanks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Where the table goes. The sinks differ in: the empty line after the
// all-objects title (window only), the filter of the all-objects mode, the
// English window's title word "Ephemeris on " and its single-object dash line
// without the deep-sky column, the German printout's legend line about the Moon at
// the best time, and the English text file's legend lines.
enum class TAusgabeSenke { Fenster, Druck, Datei };

// What a line is, so that a sink can colour, place or skip it.
enum class TZeilenArt {
    Titel,          // "Ephemeride für ..." (first line, all-objects and single-object mode)
    Leer,           // an empty line of the title block
    Element,        // perihelion, orientation and brightness lines (single-object mode)
    HellLeer,       // the empty line in front of and after the brightness sets
    HellKopf,       // "Berechnung der Helligkeit:"
    HellSatz,       // one brightness-parameter set of the object
    Zone,           // "Alle Zeiten sind in ..."
    Daemmerung,     // "Die festgelegte Sonnenhöhe ..."
    Kopf,           // the column header
    Strich,         // the dash line under it
    Zeile,          // one result row; Nummer is its index in Ephemeride
    Gruppe,         // the empty line after every fifth row (single-object mode)
    LegendenLeer,   // the empty line in front of the legend
    LegendenTitel,  // "Legende:"
    Legende,        // one line of the legend
};

struct TTextZeile {
    std::string Text;  // Windows-1252
    TZeilenArt Art = TZeilenArt::Leer;
    std::int32_t Nummer = 0;  // the row of Ephemeride (1..AnzahlZeilen) for Art Zeile, else 0
};

// The whole table for the sink, in its order: title block, header, dash line,
// rows (all-objects mode: only the rows that pass the sink's filter;
// single-object mode: every row, an empty line after every fifth), and the legend
// when AnzahlZeilen > 0. The printout takes the lines it needs by their kind.
std::vector<TTextZeile> Ephemeridentext(TAusgabeSenke senke);

// The text of one result row in the layout of the current mode (AlleObjekteModus,
// DeepSkyAnzeigen) and edition.
std::string EphemeridenZeilenText(const TEphemeridenZeile& zeile);

// Whether a row of the all-objects mode is shown by the sink: the window needs
// Hell <= Grenzgroesse and, with NurSichtbare, Aufgang not -3 and TOptHoehe >= 0;
// printout and file need Hell <= Grenzgroesse, Aufgang not -3 and TOptHoehe > 0.
bool ZeileGezeigt(const TEphemeridenZeile& zeile, TAusgabeSenke senke);

}  // namespace zenaro
