#include "ui/Texte.hpp"

#include <array>
#include <cstddef>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

namespace {

struct TTextZeile {
    TextNr nr;
    const char* deutsch;
    const char* englisch;
};

// One line per text, in the order of TextNr (checked below when compiling).
constexpr TTextZeile TextTabelle[] = {
    {TextNr::TitelFehler, "Fehler", "Error"},
    {TextNr::TitelInformation, "Information", "Information"},
    {TextNr::TitelFrage, "Bestätigen", "Confirm"},
    {TextNr::TitelProgramm, "ZenaroWin", "ZenaroWin"},
    {TextNr::Ja, "&Ja", "&Yes"},
    {TextNr::Nein, "&Nein", "&No"},

    {TextNr::EAFehler, "E/A-Fehler %1", "I/O error %1"},
    {TextNr::Laufzeitfehler, "Laufzeitfehler %1", "Runtime error %1"},
    {TextNr::FehlerDateiNichtGefunden, "Datei nicht gefunden", "File not found"},
    {TextNr::FehlerPfadNichtGefunden, "Pfad nicht gefunden", "Path not found"},
    {TextNr::FehlerZugriffVerweigert, "Zugriff verweigert", "File access denied"},
    {TextNr::FehlerLesenUeberDateiende, "Lesen über das Dateiende hinaus",
     "Read beyond end of file"},
    {TextNr::FehlerSchreiben, "Fehler beim Schreiben auf den Datenträger", "Disk write error"},
    {TextNr::FehlerDivisionDurchNull, "Division durch Null", "Division by zero"},
    {TextNr::FehlerBereichsueberschreitung, "Bereichsüberschreitung", "Range check error"},
    {TextNr::FehlerUngueltigeGleitkommaoperation, "Ungültige Gleitkommaoperation",
     "Invalid floating point operation"},
    {TextNr::FehlerArithmetischerUeberlauf, "Arithmetischer Überlauf", "Arithmetic overflow"},

    {TextNr::UeberlaufKopf,
     "Nicht alle Datensätze passen in die Tabellen des Programms; die übrigen wurden nicht "
     "geladen. Bevor eine solche Datei neu geschrieben wird, bleibt sie vollständig als "
     "Sicherung (.bak) erhalten.",
     "Not all records fit into the tables of the program; the rest were not loaded. Before "
     "such a file is rewritten, it is kept whole as a backup (.bak)."},
    {TextNr::UeberlaufDatei, "%1: nicht geladene Datensätze: %2", "%1: records not loaded: %2"},

    {TextNr::HauptFormTitel, "Zenaro for Windows 2.5", "Zenaro for Windows 2.5"},
    {TextNr::NGCFehlt, "Datei mit dem NGC-Katalog (NGC.DTA) nicht gefunden",
     "File containing NGC-Catalogue (NGC.DTA) not found"},
    {TextNr::ICFehlt, "Datei mit dem IC-Katalog (IC.DTA) nicht gefunden",
     "File containing IC-Catalogue (IC.DTA) not found"},
    {TextNr::BSC4Fehlt, "Datei mit dem BSC4-Katalog (BSC4.DTA) nicht gefunden",
     "File containing BSC4-Catalogue (BSC4.DTA) not found"},

    {TextNr::GaugeFormTitel, "Berechnung der Ephemeride...", "calculating ephemeris..."},

    {TextNr::HellFormTitel, "HellForm", "HellForm"},

    // --- Hauptfenster ---
    // --- end Hauptfenster ---

    // --- Parameter und Rechnung ---
    // --- end Parameter und Rechnung ---

    // --- Datum ---
    // --- end Datum ---

    // --- Ephemeridentext ---
    // --- end Ephemeridentext ---

    // --- Druck und Speichern ---
    {TextNr::DruckSeite, "Seite ", "Page "},
    {TextNr::DruckFehlerBeginnen, "Der Drucker kann das Dokument nicht beginnen",
     "The printer cannot begin the document"},
    {TextNr::DruckFehlerBeenden, "Der Drucker kann das Dokument nicht abschließen",
     "The printer cannot finish the document"},
    {TextNr::SpeicherFilter, "Textdateien|*.txt", "Textdateien|*.txt"},
    {TextNr::DateiErsetzenFrage, "%1 ist bereits vorhanden.\nMöchten Sie sie ersetzen?",
     "%1 already exists.\nDo you want to replace it?"},
    // --- end Druck und Speichern ---

    // --- Konjunktion ---
    // --- end Konjunktion ---

    // --- Hell ---
    // --- end Hell ---
};

constexpr bool TabelleGeordnet() {
    if (std::size(TextTabelle) != static_cast<std::size_t>(TextNr::Anzahl)) return false;
    for (std::size_t i = 0; i < std::size(TextTabelle); ++i)
        if (static_cast<std::size_t>(TextTabelle[i].nr) != i) return false;
    return true;
}
static_assert(TabelleGeordnet(), "every TextNr needs its line in the table, in the same order");

}  // namespace

QString Text(TextNr nr, bool englisch) {
    const auto i = static_cast<std::size_t>(nr);
    if (i >= std::size(TextTabelle)) return {};
    return QString::fromUtf8(englisch ? TextTabelle[i].englisch : TextTabelle[i].deutsch);
}

QString Text(TextNr nr) { return Text(nr, Englisch); }

}  // namespace zenaro
