// The conjunction table as fixed-width text: the lines the conjunction window,
// the conjunction text file and the conjunction printout are built from. Every
// line is single-byte Windows-1252 text ("°" is 0xB0), built from the globals
// (Konjunktionen, Objekte, Orte, zone name, start and stop, limiting magnitude)
// as they stand when it is called.
#pragma once

#include <string>
#include <vector>

#include "engine/ZenaroDef.hpp"
#include "ui/Ephemeridentext.hpp"

namespace zenaro {

// The sink (TAusgabeSenke, shared with the ephemeris table) matters only in the
// German edition, which words the all-objects title and the first legend line of
// the window differently.

// The title line: one instant in the all-objects mode, else the range from the
// start to the stop, and the limiting magnitude of the partners.
std::string KonjTitelzeile(TAusgabeSenke senke);
// The zone line, the same as the ephemeris table's (Zonenzeile).
std::string KonjZonenzeile();
// The column header and the dash line under it.
std::string KonjKopfzeile();
std::string KonjStrichzeile();
// The row line of one conjunction.
std::string KonjZeile(const TKonjunktionsZeile& zeile);
// The legend without its leading empty line: "Legende:" and the seven lines.
std::vector<std::string> KonjLegende(TAusgabeSenke senke);
// The single line that stands for the table when no conjunction was found.
std::string KonjKeineZeile();

// The whole table of the window and the file, without the title line: the zone
// line, an empty line, then the column header, the dash line, one row line per
// conjunction, an empty line and the legend; or, without conjunctions, the zone
// line, an empty line and the empty-case line.
std::vector<std::string> Konjunktionstext(TAusgabeSenke senke);

}  // namespace zenaro
