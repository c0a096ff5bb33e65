// Fuzzed element or location files fed on into the computations: the ephemeris of
// one object (or one row per object in the all-objects mode) and the conjunction
// search over a tiny time range. A runtime error may end a computation; whatever it
// ends with, no row of the ephemeris, the positions or the conjunctions holds NaN
// (nor an infinity).
//
// Input: five control bytes, then the file. Byte 0: bit 0 set, the file is the
// location file (with two fixed comets in one place of the sky and a third
// elsewhere), else the element file (with one fixed location); bit 1 the
// all-objects mode; bit 2 the sort by magnitude. Byte 1 picks the current object or
// location, byte 2 the number of one-hour steps (its remainder by 3) and the
// conjunction radius (2 to 172 degrees by the rest), byte 3 the zone (-12 to +14 h),
// byte 4 the twilight altitude (0 to -18 degrees).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/Datendateien.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/Konjunktion.hpp"
#include "engine/Testkomet.hpp"
#include "fuzz/Fuzzumgebung.hpp"

namespace {

using namespace zenaro;

constexpr std::size_t Steuerbytes = 5;

void Endlich(std::initializer_list<Extended> werte, const char* tabelle, std::int32_t zeile) {
    for (const Extended w : werte)
        if (!std::isfinite(w))
            fuzz::Verletzt(std::string("NaN or infinity in ") + tabelle + " row " +
                           std::to_string(zeile));
}

void TabellenPruefen() {
    for (std::int32_t i = 1; i <= AnzahlZeilen; ++i) {
        const TEphemeridenZeile& z = Ephemeride[i];
        Endlich({z.Zeit, z.RA, z.Dek, z.R, z.Delta, z.Elongation, z.MondAbstand, z.Aufgang,
                 z.Untergang, z.Hell, z.TOpt, z.TOptHoehe, z.Kulmination, z.KulmHoehe,
                 z.RAproStunde, z.DekProStunde, z.HellAenderung, z.Distanz},
                "the ephemeris", i);
    }
    for (std::int32_t i = 1; i <= AnzahlKonjPositionen; ++i) {
        const TKonjPosition& p = KonjPositionen[i];
        Endlich({p.Zeit, p.RA, p.Dek, p.Hell}, "the positions", i);
    }
    for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i) {
        const TKonjunktionsZeile& k = Konjunktionen[i];
        Endlich({k.Zeit, k.RA1, k.Dek1, k.RA2, k.Dek2, k.Hell1, k.Hell2, k.Abstand},
                "the conjunctions", i);
    }
}

void Rechnen(void (*rechnung)()) {
    try {
        rechnung();
    } catch (const ELaufzeitfehler&) {
        // An accepted end of a computation on undefined input.
    }
    TabellenPruefen();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    if (laenge < Steuerbytes) return 0;
    fuzz::DatenverzeichnisAnlegen();
    fuzz::DatenverzeichnisLeeren();
    const bool orteDatei = (daten[0] & 1) != 0;
    fuzz::DateiAblegen(orteDatei ? DateiOrte : DateiBahnelemente, daten + Steuerbytes,
                       laenge - Steuerbytes);
    try {
        if (orteDatei) {
            OrteLesen();
        } else {
            ObjekteLesen();
        }
    } catch (const ELaufzeitfehler&) {
        return 0;  // a file ending inside a record: nothing to compute
    }
    if (orteDatei) {
        Objekte[1] = test::Testkomet(80.0L, 8.0L);
        Objekte[2] = test::Testkomet(80.0L, 8.0L);
        Objekte[3] = test::Testkomet(260.0L, 8.0L);
        AnzahlObjekte = 3;
    } else {
        Orte[1] = TOrt{};
        Orte[1].Name = "Testort";
        Orte[1].Laenge = 10.0L;
        Orte[1].Breite = 50.0L;
        AnzahlOrte = 1;
    }
    if (AnzahlObjekte == 0 || AnzahlOrte == 0) return 0;
    AktObjekt = 1 + daten[1] % AnzahlObjekte;
    AktOrt = 1 + daten[1] % AnzahlOrte;
    AlleObjekteModus = (daten[0] & 2) != 0;
    NachHelligkeitSortieren = (daten[0] & 4) != 0;
    HellParameterBenutzen = false;
    DeepSkyAnzeigen = false;
    ZonenOffset = static_cast<Extended>(daten[3] % 27) - 12.0L;
    DaemmerungsHoehe = -(daten[4] % 19);
    KonjRadius = 2.0L + 2.0L * static_cast<Extended>(daten[2] / 3);
    KonjGrenzgroesse = 99.0L;
    StartTag = StopTag = 15;
    StartMonat = StopMonat = 4;
    StartJahr = StopJahr = 2024;
    StartStunde = 0.0L;
    StopStunde = static_cast<Extended>(daten[2] % 3);
    SchrittweiteTage = 0;
    SchrittweiteStunden = 1.0L;

    AnzahlZeilen = 0;
    AnzahlKonjPositionen = 0;
    AnzahlKonjunktionen = 0;
    Rechnen(EphemerideBerechnen);
    Rechnen(KonjunktionenSuchen);
    return 0;
}
