// The conversion of the comet element list on any text. Every line of more than
// 154 characters (lines end at CR or LF, Ctrl-Z ends the text) is counted once:
// taken over, unreadable or beyond the table. When comets are taken over, the
// object table and the element file hold exactly them; when none is, both stay as
// they were.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/Datendateien.hpp"
#include "engine/Kometenliste.hpp"
#include "fuzz/Fuzzumgebung.hpp"

namespace {

using namespace zenaro;

// Lines longer than the shortest list line, counted independently of the reader.
std::int32_t ListenZeilen(const std::uint8_t* daten, std::size_t laenge) {
    std::int32_t zeilen = 0;
    std::size_t zeile = 0;
    for (std::size_t i = 0; i <= laenge; ++i) {
        const bool ende = i == laenge || daten[i] == 0x1A;
        if (ende || daten[i] == '\r' || daten[i] == '\n') {
            if (zeile > static_cast<std::size_t>(KometenlisteMinLaenge)) ++zeilen;
            zeile = 0;
            if (ende) break;
        } else {
            ++zeile;
        }
    }
    return zeilen;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    fuzz::DatenverzeichnisAnlegen();
    fuzz::DatenverzeichnisLeeren();
    // The user's one object, already in its file.
    Objekte[1] = TBahnelement{};
    Objekte[1].Name = "Eigenes Objekt";
    Objekte[1].Exzentrizitaet = 0.5L;
    AnzahlObjekte = 1;
    ObjekteSchreiben();
    const std::string vorher = fuzz::DateiInhalt(DateiBahnelemente);
    fuzz::DateiAblegen(DateiKometenliste, daten, laenge);

    TKometenlisteErgebnis ergebnis;
    try {
        ergebnis = BahnelementeKonvertieren();
    } catch (const ELaufzeitfehler& fehler) {
        fuzz::Verletzt(std::string("conversion failed: ") + fehler.what());
    }
    if (!ergebnis.ListeGelesen) fuzz::Verletzt("list not read");
    if (ergebnis.Umgewandelt + ergebnis.Unlesbar + ergebnis.NichtUebernommen !=
        ListenZeilen(daten, laenge))
        fuzz::Verletzt("lines lost or counted twice");
    if (ergebnis.Umgewandelt > 0) {
        if (AnzahlObjekte != ergebnis.Umgewandelt || ergebnis.Umgewandelt > MaxObjekte)
            fuzz::Verletzt("object count differs from the comets taken over");
        if (fuzz::DateiInhalt(DateiBahnelemente).size() !=
            static_cast<std::size_t>(ergebnis.Umgewandelt) * SatzgroesseBahnelement)
            fuzz::Verletzt("element file differs from the comets taken over");
        if (ergebnis.NichtUebernommen > 0 && ergebnis.Umgewandelt != MaxObjekte)
            fuzz::Verletzt("comets left out while the table had room");
    } else if (AnzahlObjekte != 1 || !(Objekte[1].Name == "Eigenes Objekt") ||
               fuzz::DateiInhalt(DateiBahnelemente) != vorher) {
        fuzz::Verletzt("a list without comets changed the objects");
    }
    return 0;
}
