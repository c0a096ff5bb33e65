// The loaders of the seven data files on any bytes. The first byte of the input
// chooses the file, the rest is its content. A file that ends inside a record (the
// settings file: one shorter than its record) raises the error 100 and leaves the
// table as it was; any other content loads whole, and for the four files the
// program writes, what the writer makes of the loaded table loads back and is
// written again to the same bytes.
#include <cstddef>
#include <cstdint>

#include "engine/Datendateien.hpp"
#include "fuzz/Fuzzumgebung.hpp"

namespace {

using namespace zenaro;

struct TDatei {
    const char* Name;
    std::size_t Satzgroesse;
    bool (*Lesen)();
    std::int32_t* Anzahl;  // nullptr: the settings, one record
    void (*Schreiben)();   // nullptr: the catalogues, never written
};

const TDatei Dateien[] = {
    {DateiEinstellungen, SatzgroesseEinstellungen, EinstellungenLesen, nullptr,
     EinstellungenSchreiben},
    {DateiBahnelemente, SatzgroesseBahnelement, ObjekteLesen, &AnzahlObjekte, ObjekteSchreiben},
    {DateiOrte, SatzgroesseOrt, OrteLesen, &AnzahlOrte, OrteSchreiben},
    {DateiNGC, SatzgroesseDeepSky, NGCLesen, &AnzahlNGC, nullptr},
    {DateiIC, SatzgroesseDeepSky, ICLesen, &AnzahlIC, nullptr},
    {DateiSterne, SatzgroesseStern, SterneLesen, &AnzahlSterne, nullptr},
    {DateiHellParameter, SatzgroesseHellParameter, HellParameterLesen, &AnzahlHellParameter,
     HellParameterSchreiben},
};

constexpr std::int32_t Unberuehrt = 12345;
const char* const UnberuehrtesDatum = "unberuehrt";

// Loads the file; false when it raised the error 100.
bool Laden(const TDatei& datei) {
    try {
        if (!datei.Lesen()) fuzz::Verletzt(std::string(datei.Name) + " not opened");
        return true;
    } catch (const ELaufzeitfehler& fehler) {
        if (fehler.Nummer() != FehlerLesenUeberDateiende)
            fuzz::Verletzt(std::string(datei.Name) + ": " + fehler.what());
        return false;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    if (laenge == 0) return 0;
    fuzz::DatenverzeichnisAnlegen();
    fuzz::DatenverzeichnisLeeren();
    UeberzaehligeDateien.clear();
    const TDatei& datei = Dateien[daten[0] % std::size(Dateien)];
    const std::size_t groesse = laenge - 1;
    fuzz::DateiAblegen(datei.Name, daten + 1, groesse);

    if (datei.Anzahl != nullptr) *datei.Anzahl = Unberuehrt;
    Startdatum = UnberuehrtesDatum;
    const bool ganz =
        datei.Anzahl != nullptr ? groesse % datei.Satzgroesse == 0 : groesse >= datei.Satzgroesse;
    const bool geladen = Laden(datei);
    if (geladen != ganz) fuzz::Verletzt(std::string(datei.Name) + ": error 100 wrongly given");
    if (!geladen) {
        if (datei.Anzahl != nullptr ? *datei.Anzahl != Unberuehrt
                                    : !(Startdatum == UnberuehrtesDatum))
            fuzz::Verletzt(std::string(datei.Name) + ": a failed load changed the table");
    } else if (datei.Anzahl != nullptr &&
               *datei.Anzahl != static_cast<std::int32_t>(groesse / datei.Satzgroesse)) {
        fuzz::Verletzt(std::string(datei.Name) + ": not every record loaded");
    }

    if (geladen && datei.Schreiben != nullptr) {
        datei.Schreiben();
        const std::string geschrieben = fuzz::DateiInhalt(datei.Name);
        const std::size_t saetze =
            datei.Anzahl != nullptr ? static_cast<std::size_t>(*datei.Anzahl) : 1;
        if (geschrieben.size() != saetze * datei.Satzgroesse)
            fuzz::Verletzt(std::string(datei.Name) + ": written file of the wrong size");
        if (!Laden(datei)) fuzz::Verletzt(std::string(datei.Name) + ": own file unreadable");
        datei.Schreiben();
        if (fuzz::DateiInhalt(datei.Name) != geschrieben)
            fuzz::Verletzt(std::string(datei.Name) + ": loaded back differently");
    }
    if (datei.Anzahl != nullptr) *datei.Anzahl = 0;
    return 0;
}
