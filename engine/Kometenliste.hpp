// Conversion of the published comet element list "Soft02Cmt.txt" (fixed
// columns, one comet per line) into the object table and the element file.
#pragma once

#include <cstdint>
#include <string>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Name of the downloaded list in the data directory (found without regard to case).
inline constexpr const char* DateiKometenliste = "Soft02Cmt.txt";

// The full path of the list in the data directory: the existing file of that
// name in any case, otherwise DatenVerzeichnis + "Soft02Cmt.txt". The download
// writes it and the conversion reads it.
std::string KometenlistePfad();

// A line of the list is used only when it is longer than this.
inline constexpr std::int32_t KometenlisteMinLaenge = 154;

// What one conversion did, for the caller's report to the user.
struct TKometenlisteErgebnis {
    // The list file was there and was read.
    bool ListeGelesen = false;
    // Comets now in Objekte and the element file. 0: nothing usable was found, and
    // the object table and the element file were left exactly as they were.
    std::int32_t Umgewandelt = 0;
    // Lines of an element line's length with a number field that is no number
    // (not an element line: a damaged transfer, a web page); skipped.
    std::int32_t Unlesbar = 0;
    // Usable lines after the 1000th: the object table has no room for them.
    std::int32_t NichtUebernommen = 0;

    bool Uebernommen() const { return Umgewandelt > 0; }
};

// Reads DatenVerzeichnis + "Soft02Cmt.txt" and, when it holds at least one
// usable line, replaces Objekte and AnzahlObjekte by its comets, rewrites the
// element file with them (through a temporary file, so a failed write leaves
// the previous file and the previous table; the previous file is kept whole as
// "Bahnelem.dat.vor-update", ObjekteSchreibenVorherigeBehalten) and reads the
// table back from it.
// The whole list is read in one pass: more than 1000 lines are no problem, and
// the first 1000 usable lines become the objects. A list that does not open or
// yields no usable line changes nothing. Read and write errors raise
// ELaufzeitfehler with the table and the element file as they were.
TKometenlisteErgebnis BahnelementeKonvertieren();

// One line of the list (without its line end, longer than 154 characters)
// turned into an element; false when a number field is not a number, the
// element then being unspecified.
bool KometenzeileUmwandeln(const std::string& zeile, TBahnelement& element);

}  // namespace zenaro
