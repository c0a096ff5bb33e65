// The part of the program start that needs no window: the data directory, the
// settings (read or defaulted) and the six data files loaded into their tables,
// with the Pleiades appended to the NGC catalogue. The windows are created
// afterwards by the user interface.
#pragma once

#include <string>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// The data directory for a working directory: the name with one trailing "/"
// (a name that already ends in "/", as the root does, stays as it is).
std::string DatenVerzeichnisAus(const std::string& arbeitsverzeichnis);

// A date as "TT.MM.JJJJ" (two-digit day and month, four-digit year).
std::string DatumText(int tag, int monat, int jahr);
// Today's local date as "TT.MM.JJJJ", the default start and stop date.
std::string HeutigesDatum();

// The entry appended to the NGC catalogue after the records of "ngc.dta":
// Messier 45, the Pleiades, which the catalogue itself lacks.
TDeepSkyObjekt Messier45();

// How long a temporary file of a rewrite in the data directory must have been left
// unchanged before the start takes it for the leftover of a rewrite that was ended
// between creating and renaming it: longer than any rewrite of a second instance
// still running takes (a data file is written in moments, the download of the
// comet list is given at most five minutes).
inline constexpr long TemporaerdateiMindestalterSekunden = 600;

// Removes from `verzeichnis` the temporary files that rewrites left behind: regular
// files named as the rewrites name them (TemporaereDateiVorlage: "." + the file's
// name + TemporaerMarke + six letters or digits) for a file the
// program writes there ("ZenaroWin.ini", "Bahnelem.dat", "Bahnelem.dat.vor-update",
// "Orte.dat", "hell.dta", "Soft02Cmt.txt", in any case) and unchanged for
// TemporaerdateiMindestalterSekunden. Nothing else is touched.
void ZurueckgelasseneTemporaerdateienEntfernen(const std::string& verzeichnis);

// Start steps 2 to 4 for the given working directory: sets DatenVerzeichnis,
// reads "ZenaroWin.ini" or sets the defaults, loads "Bahnelem.dat", "Orte.dat",
// "ngc.dta" (then appends Messier 45 when the file was read), "ic.dta",
// "bsc4.dta" and "hell.dta" in this order, and lists in UeberzaehligeDateien
// every file with more records than its table holds. A file that ends inside a
// record raises the input/output error 100 naming the file, and a file that is
// there but cannot be opened or read (no permission, not a regular file) the
// input/output error naming it: the start ends, and nothing is written. Before
// that, the leftover temporary files of the data directory are removed, and the
// process ignores the signal of a file grown beyond its size limit, so that such
// a write fails with the error 101 as on a full disk instead of ending the program.
void StartdatenLaden(const std::string& arbeitsverzeichnis);
// The same for the current working directory (not the program's folder).
void StartdatenLaden();

}  // namespace zenaro
