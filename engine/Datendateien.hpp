// The seven binary data files in DatenVerzeichnis: flat, headerless files of
// fixed-size little-endian records, read into the global tables and rewritten
// whole. File names are matched without regard to case. Every rewrite goes
// through a temporary file renamed over the old one, so a failed write leaves the
// previous file whole. Read and write errors raise ELaufzeitfehler (100 for a
// file that ends inside a record).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// Documented file names (the ones created when no file of that name exists).
inline constexpr const char* DateiEinstellungen = "ZenaroWin.ini";
inline constexpr const char* DateiBahnelemente = "Bahnelem.dat";
inline constexpr const char* DateiOrte = "Orte.dat";
inline constexpr const char* DateiHellParameter = "hell.dta";
inline constexpr const char* DateiNGC = "ngc.dta";
inline constexpr const char* DateiIC = "ic.dta";
inline constexpr const char* DateiSterne = "bsc4.dta";

// The ending of the copy of the previous element file that the comet list
// conversion keeps beside it.
inline constexpr const char* EndungVorherigeElemente = ".vor-update";

// Record sizes in bytes.
inline constexpr std::size_t SatzgroesseEinstellungen = 128;
inline constexpr std::size_t SatzgroesseBahnelement = 304;
inline constexpr std::size_t SatzgroesseOrt = 88;
inline constexpr std::size_t SatzgroesseDeepSky = 64;
inline constexpr std::size_t SatzgroesseStern = 96;
inline constexpr std::size_t SatzgroesseHellParameter = 144;

// The full path of the file `name` in `verzeichnis` (which ends in "/" or is
// empty for the current directory): the existing entry whose name equals `name`
// without regard to ASCII case, otherwise verzeichnis + name. When several
// exist, a data file's documented spelling comes first whatever spelling is
// asked for, then the spelling asked for, then the first in byte order.
std::string DateiFinden(const std::string& verzeichnis, const std::string& name);

// The mark of the temporary files of the rewrites: a name no one gives a file of
// their own, so that the start removes only what a rewrite left behind.
inline constexpr const char* TemporaerMarke = ".zenaro-tmp-";

// The template of the temporary file through which a rewrite replaces the file
// `pfad`: in the same directory, "." + its name + TemporaerMarke + six characters
// that mkstemp fills in with letters and digits (".Orte.dat.zenaro-tmp-a1B2c3").
std::string TemporaereDateiVorlage(const std::string& pfad);
// Whether `eintrag` (a name in a directory) is such a temporary file of a file
// named `name`, the name without regard to case, the mark exactly.
bool IstTemporaereDatei(const std::string& eintrag, const std::string& name);

// A file that held more records than its table: `NichtGeladen` records after
// the capacity were not loaded. The start tells the user once.
struct TUeberzaehligeDatei {
    std::string Datei;  // full path as found
    std::int32_t NichtGeladen = 0;
};
extern std::vector<TUeberzaehligeDatei> UeberzaehligeDateien;

// Loaders. Each reads DatenVerzeichnis + its file into its table and count and
// returns whether the file was there; a missing file leaves the table empty
// (count 0). A file that is there but does not open or read as a regular file
// (no permission to read it, a link that leads nowhere, a pipe, a device, a
// directory) is no missing file: it raises ELaufzeitfehler naming it (5 when
// access is denied), leaves the table as it was, and no writer replaces that
// file until a later load has read it whole. Records beyond the capacity are
// not loaded and are reported in UeberzaehligeDateien; the untouched file is
// kept beside the new one (name + ".bak") before it is first rewritten. A file
// whose length is not a whole multiple of the record size raises error 100 and
// leaves the table and count as they were.
bool ObjekteLesen();        // "Bahnelem.dat" -> Objekte, AnzahlObjekte (1000)
bool OrteLesen();           // "Orte.dat" -> Orte, AnzahlOrte (2000)
bool NGCLesen();            // "ngc.dta" -> NGCKatalog, AnzahlNGC (7839: one slot stays
                            // free for the entry the start appends)
bool ICLesen();             // "ic.dta" -> ICKatalog, AnzahlIC (5386)
bool SterneLesen();         // "bsc4.dta" -> Sternkatalog, AnzahlSterne (9110)
bool HellParameterLesen();  // "hell.dta" -> HellParameterListe, AnzahlHellParameter (1001)

// Reads the first record of "ZenaroWin.ini" into the live settings (dates cut to
// 10, times to 5 characters; nothing checked) and returns true; returns false and
// changes nothing when the file is missing. A file that is there but does not
// open or read raises as with the tables; one shorter than 128 bytes raises
// error 100; bytes after the first record are ignored.
bool EinstellungenLesen();

// Writers: rewrite the whole file from slots 1..count (the settings: exactly one
// record from the live settings). A write error raises ELaufzeitfehler and leaves
// the previous file as it was. Refused with ELaufzeitfehler naming the file (5,
// or 3 for a link that leads nowhere), nothing touched: a write-protected file,
// a file whose last load did not read it whole, and one that is not a regular
// file or a link to one (a device, a pipe, a directory).
void ObjekteSchreiben();  // "Bahnelem.dat"
// The rewrite of "Bahnelem.dat" by the comet list conversion: as ObjekteSchreiben,
// and before the new file replaces the old one, the old one is kept whole as its
// name + EndungVorherigeElemente ("Bahnelem.dat.vor-update"), replacing the copy
// an earlier conversion kept; nothing is kept when there is no element file yet.
void ObjekteSchreibenVorherigeBehalten();
void OrteSchreiben();           // "Orte.dat"
void HellParameterSchreiben();  // "hell.dta"
void EinstellungenSchreiben();  // "ZenaroWin.ini"

// The 10-byte file form of an Extended (64-bit mantissa with explicit integer
// bit, then 15-bit exponent and sign; little-endian), bit for bit.
void ExtendedKodieren(Extended wert, std::uint8_t* ziel);
Extended ExtendedDekodieren(const std::uint8_t* quelle);

}  // namespace zenaro
