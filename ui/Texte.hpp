// The user texts of both editions in one table. Every window takes its texts from
// here; the edition is picked by the global `Englisch`. A window that needs more
// texts adds its numbers to TextNr and their lines to the table in Texte.cpp, in
// the same order.
#pragma once

#include <QString>

namespace zenaro {

enum class TextNr : int {
    // Titles of the message boxes and of the program.
    TitelFehler,
    TitelInformation,
    TitelFrage,
    TitelProgramm,
    Ja,
    Nein,
    // Runtime errors shown by the application ("%1" is the error number).
    EAFehler,
    Laufzeitfehler,
    FehlerDateiNichtGefunden,
    FehlerPfadNichtGefunden,
    FehlerZugriffVerweigert,
    FehlerLesenUeberDateiende,
    FehlerSchreiben,
    FehlerDivisionDurchNull,
    FehlerBereichsueberschreitung,
    FehlerUngueltigeGleitkommaoperation,
    FehlerArithmetischerUeberlauf,
    // Program start: data files with more records than their tables hold
    // ("%1" file name, "%2" number of records not loaded).
    UeberlaufKopf,
    UeberlaufDatei,
    // Main window.
    HauptFormTitel,
    NGCFehlt,
    ICFehlt,
    BSC4Fehlt,
    // Progress window.
    GaugeFormTitel,
    // Brightness-parameter editor.
    HellFormTitel,

    // --- Hauptfenster ---
    // --- end Hauptfenster ---
    // --- Parameter und Rechnung ---
    // --- end Parameter und Rechnung ---
    // --- Datum ---
    // --- end Datum ---
    // --- Ephemeridentext ---
    // --- end Ephemeridentext ---
    // --- Druck und Speichern ---
    DruckSeite,
    DruckFehlerBeginnen,
    DruckFehlerBeenden,
    SpeicherFilter,
    DateiErsetzenFrage,
    // --- end Druck und Speichern ---
    // --- Konjunktion ---
    // --- end Konjunktion ---
    // --- Hell ---
    // --- end Hell ---

    Anzahl  // number of texts; stays last
};

// The text of the current edition.
QString Text(TextNr nr);
// The text of the given edition, whatever edition is running.
QString Text(TextNr nr, bool englisch);

}  // namespace zenaro
