// Fuzzed element or location files fed on into the computations: the ephemeris of
// one object (or one row per object in the all-objects mode) and the conjunction
// search over a tiny time range; with passages, over a fuzzed catalogue. A runtime
// error may end a computation; whatever it ends with, no row of the ephemeris, the
// positions or the conjunctions holds NaN (nor an infinity), and every row's
// passage is the one the search written out finds among the catalogue's entries on
// the sky: its distance, to the bit, and its label (999.0 and no label without one).
//
// Input: five control bytes, then the file. Byte 0: bit 0 set, the file is the
// location file (with two fixed comets in one place of the sky and a third
// elsewhere), else the element file (with one fixed location); bit 1 the
// all-objects mode; bit 2 the sort by magnitude; bit 3 passages. Byte 1 picks the
// current object or location, byte 2 the number of one-hour steps (its remainder by
// 3) and the conjunction radius (2 to 172 degrees by the rest), byte 3 the zone (-12
// to +14 h), byte 4 the twilight altitude (0 to -18 degrees). With passages two more
// control bytes and a catalogue file come before the file: byte 5 picks the
// catalogue (its remainder by 3: ngc.dta, ic.dta, bsc4.dta) and the number of its
// records (the rest, 0 to 85), byte 6 the radius (0.1 to 20 degrees in steps of 0.1,
// from 200 on 20 to 185 degrees in steps of 3); the records follow (cut short by the
// end of the input: a catalogue ending inside a record is not computed with).
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/Abstand.hpp"
#include "engine/AbstandAusgeschrieben.hpp"
#include "engine/Datendateien.hpp"
#include "engine/Durchgaenge.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/Konjunktion.hpp"
#include "engine/Testkomet.hpp"
#include "fuzz/Fuzzumgebung.hpp"

namespace {

using namespace zenaro;

constexpr std::size_t Steuerbytes = 5;
constexpr std::size_t Durchgangssteuerbytes = 2;

void Endlich(std::initializer_list<Extended> werte, const char* tabelle, std::int32_t zeile) {
    for (const Extended w : werte)
        if (!std::isfinite(w))
            fuzz::Verletzt(std::string("NaN or infinity in ") + tabelle + " row " +
                           std::to_string(zeile));
}

// A passage's distance lies within the radius, and the passage of a row is the one
// of the search written out: every loaded entry on the sky of NGC, IC and the stars
// in this order, measured by the written-out formula, taken within the radius when
// nearer than the nearest so far. The constellations the search wrote into the
// stars are already there, so the labels are the same.
void DurchgangPruefen(const TEphemeridenZeile& z, std::int32_t zeile) {
    if (z.Distanz != 999.0L && !(z.Distanz >= 0.0L && z.Distanz <= DeepSkyRadius))
        fuzz::Verletzt("passage distance beyond 0..radius in ephemeris row " +
                       std::to_string(zeile));
    Extended distanz = 999.0L;
    std::string bezeichnung;
    auto messen = [&](Extended ra, Extended dek) {
        if (!AmHimmel(ra, dek)) return false;
        const Extended d = test::AbstandAusgeschrieben(ra, dek, z.RA * 15.0L, z.Dek);
        if (!(d <= DeepSkyRadius && d < distanz)) return false;
        distanz = d;
        return true;
    };
    for (std::int32_t i = 1; i <= AnzahlNGC; ++i)
        if (messen(NGCKatalog[i].RA, NGCKatalog[i].Dek))
            bezeichnung = DeepSkyBezeichnung(NGCKatalog[i], false);
    for (std::int32_t i = 1; i <= AnzahlIC; ++i)
        if (messen(ICKatalog[i].RA, ICKatalog[i].Dek))
            bezeichnung = DeepSkyBezeichnung(ICKatalog[i], true);
    for (std::int32_t i = 1; i <= AnzahlSterne; ++i)
        if (messen(Sternkatalog[i].RA, Sternkatalog[i].Dek))
            bezeichnung = SternBezeichnung(Sternkatalog[i]);
    if (std::memcmp(&distanz, &z.Distanz, 10) != 0 ||
        (distanz < 999.0L && bezeichnung != z.NaheBei))
        fuzz::Verletzt("passage of ephemeris row " + std::to_string(zeile) + ": " +
                       std::to_string(static_cast<double>(z.Distanz)) + " " + z.NaheBei.Text() +
                       ", written out " + std::to_string(static_cast<double>(distanz)) + " " +
                       bezeichnung);
}

void TabellenPruefen() {
    for (std::int32_t i = 1; i <= AnzahlZeilen; ++i) {
        const TEphemeridenZeile& z = Ephemeride[i];
        Endlich({z.Zeit, z.RA, z.Dek, z.R, z.Delta, z.Elongation, z.MondAbstand, z.Aufgang,
                 z.Untergang, z.Hell, z.TOpt, z.TOptHoehe, z.Kulmination, z.KulmHoehe,
                 z.RAproStunde, z.DekProStunde, z.HellAenderung, z.Distanz},
                "the ephemeris", i);
        if (DeepSkyAnzeigen) DurchgangPruefen(z, i);
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
    DeepSkyAnzeigen = (daten[0] & 8) != 0;
    AnzahlNGC = AnzahlIC = AnzahlSterne = 0;
    std::size_t datei = Steuerbytes;
    if (DeepSkyAnzeigen) {
        if (laenge < Steuerbytes + Durchgangssteuerbytes) return 0;
        const std::uint8_t katalog = daten[5] % 3;
        const std::uint8_t radius = daten[6];
        DeepSkyRadius = radius < 200 ? 0.1L * static_cast<Extended>(radius + 1)
                                     : 20.0L + 3.0L * static_cast<Extended>(radius - 200);
        const char* name = katalog == 0 ? DateiNGC : katalog == 1 ? DateiIC : DateiSterne;
        const std::size_t satz = katalog == 2 ? SatzgroesseStern : SatzgroesseDeepSky;
        datei = Steuerbytes + Durchgangssteuerbytes;
        const std::size_t bytes = std::min<std::size_t>(daten[5] / 3 * satz, laenge - datei);
        fuzz::DateiAblegen(name, daten + datei, bytes);
        datei += bytes;
    }
    fuzz::DateiAblegen(orteDatei ? DateiOrte : DateiBahnelemente, daten + datei, laenge - datei);
    try {
        if (DeepSkyAnzeigen) {
            NGCLesen();
            ICLesen();
            SterneLesen();
        }
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
