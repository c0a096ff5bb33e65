#include "engine/Durchgaenge.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "astro/MATLIB.hpp"
#include "engine/Abstand.hpp"
#include "engine/Zahltext.hpp"

namespace zenaro {

namespace {

std::string Gekuerzt(std::string text, std::size_t laenge) {
    if (text.size() > laenge) text.resize(laenge);
    return text;
}

// Removes leading and trailing blanks and control characters.
std::string Getrimmt(const std::string& text) {
    auto leer = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto anfang = std::find_if_not(text.begin(), text.end(), leer);
    const auto ende = std::find_if_not(text.rbegin(), text.rend(), leer).base();
    return anfang < ende ? std::string(anfang, ende) : std::string();
}

// The magnitude in four characters with one decimal; the catalogue's unknown
// magnitude 99.0 is shown as "??.?".
std::string HelligkeitsText(Extended hell) {
    std::string text = Gekuerzt(ZahlText(hell, 4, 1), 4);
    if (text == "99.0") text = "??.?";
    return text;
}

std::string MitHelligkeit(const std::string& bezeichnung, Extended hell) {
    return Gekuerzt(bezeichnung + " [" + HelligkeitsText(hell) + "]", 20);
}

// Number of loaded entries of a catalogue, held within its capacity.
std::int32_t Geladen(std::int32_t anzahl, std::int32_t kapazitaet) {
    return std::clamp(anzahl, 0, kapazitaet);
}

// Sine and cosine of a catalogue entry's declination, kept from the last row that
// measured the entry: taken again only when the declination is not the one they were
// taken of (equal value and sign, so the same Extended number), so every separation
// is the same to the last bit as with sine and cosine taken for each row. A place
// that is not a number is never equal to itself and is measured afresh each time.
struct TDekWerte {
    Extended Dek = 0.0L;
    Extended Sin = 0.0L;
    Extended Cos = 1.0L;
    bool Gueltig = false;
};

const TDekWerte& DekWerte(TDekWerte& werte, Extended dek) {
    if (!(werte.Gueltig && werte.Dek == dek && std::signbit(werte.Dek) == std::signbit(dek))) {
        werte.Dek = dek;
        werte.Sin = SINDEG(dek);
        werte.Cos = COSDEG(dek);
        werte.Gueltig = true;
    }
    return werte;
}

Feld<TDekWerte, 1, MaxNGC> NGCDek;
Feld<TDekWerte, 1, MaxIC> ICDek;
Feld<TDekWerte, 1, MaxSterne> SternDek;

// Separation of a catalogue entry from the row's place (alpha, delta, with the sine
// and cosine of delta), the entry first as the passage search measures it. An entry
// too far from the row's declination to lie within the radius is passed over
// unmeasured; it counts as beyond any distance.
Extended EintragAbstand(Extended ra, Extended dek, TDekWerte& werte, Extended alpha, Extended delta,
                        Extended sinDelta, Extended cosDelta, Extended radius) {
    if (SicherAusserhalb(dek, delta, radius)) return std::numeric_limits<Extended>::infinity();
    const TDekWerte& w = DekWerte(werte, dek);
    return Winkelabstand(ra, dek, alpha, delta, w.Sin, w.Cos, sinDelta, cosDelta);
}

}  // namespace

std::string DeepSkyBezeichnung(const TDeepSkyObjekt& Objekt, bool IC) {
    std::string bezeichnung =
        Gekuerzt(std::string(IC ? "IC " : "NGC ") + std::to_string(Objekt.Nummer), 15);
    if (Objekt.Messier > 0)
        bezeichnung = Gekuerzt("M " + std::to_string(static_cast<int>(Objekt.Messier)), 15);
    return MitHelligkeit(bezeichnung, Objekt.Hell);
}

std::string SternBezeichnung(const TStern& Stern) {
    std::string bezeichnung;
    if (!Stern.Bayer.Leer()) {
        // A record without an index character holds a zero byte there; it is written
        // as a blank so that no zero character enters the label.
        const char index = Stern.BayerIndex == '\0' ? ' ' : Stern.BayerIndex;
        bezeichnung = Gekuerzt(Stern.Bayer.Text() + index, 8);
        bezeichnung = Gekuerzt(bezeichnung + " ", 9);
        bezeichnung = Gekuerzt(bezeichnung + Stern.Sternbild.Text(), 12);
    } else if (Stern.Flamsteed != 0) {
        bezeichnung = Gekuerzt(std::to_string(Stern.Flamsteed) + " " + Stern.Sternbild.Text(), 15);
    } else {
        bezeichnung = Gekuerzt(Stern.Name.Text(), 15);
    }
    bezeichnung = Gekuerzt(bezeichnung + " ", 15);
    return MitHelligkeit(Getrimmt(bezeichnung), Stern.Hell);
}

void DurchgangSuchen(TEphemeridenZeile& Zeile) {
    const Extended alpha = Zeile.RA * 15.0L;
    const Extended delta = Zeile.Dek;
    const Extended sinDelta = SINDEG(delta);
    const Extended cosDelta = COSDEG(delta);
    const Extended radius = DeepSkyRadius;
    // An entry is taken when it lies within the radius and strictly nearer than the
    // nearest so far, so on equal distances the earlier entry stays.
    auto naeher = [&](Extended abstand) { return abstand <= radius && abstand < Zeile.Distanz; };

    const std::int32_t anzahlNGC = Geladen(AnzahlNGC, MaxNGC);
    for (std::int32_t i = 1; i <= anzahlNGC; ++i) {
        const TDeepSkyObjekt& objekt = NGCKatalog[i];
        const Extended abstand = EintragAbstand(objekt.RA, objekt.Dek, NGCDek[i], alpha, delta,
                                                sinDelta, cosDelta, radius);
        if (naeher(abstand)) {
            Zeile.Distanz = abstand;
            Zeile.NaheBei = DeepSkyBezeichnung(objekt, false);
        }
    }
    const std::int32_t anzahlIC = Geladen(AnzahlIC, MaxIC);
    for (std::int32_t i = 1; i <= anzahlIC; ++i) {
        const TDeepSkyObjekt& objekt = ICKatalog[i];
        const Extended abstand = EintragAbstand(objekt.RA, objekt.Dek, ICDek[i], alpha, delta,
                                                sinDelta, cosDelta, radius);
        if (naeher(abstand)) {
            Zeile.Distanz = abstand;
            Zeile.NaheBei = DeepSkyBezeichnung(objekt, true);
        }
    }
    const std::int32_t anzahlSterne = Geladen(AnzahlSterne, MaxSterne);
    for (std::int32_t i = 1; i <= anzahlSterne; ++i) {
        TStern& stern = Sternkatalog[i];
        const Extended abstand = EintragAbstand(stern.RA, stern.Dek, SternDek[i], alpha, delta,
                                                sinDelta, cosDelta, radius);
        if (naeher(abstand)) {
            Zeile.Distanz = abstand;
            // A star without a constellation takes the row's for the rest of the run.
            if (stern.Sternbild.Leer()) stern.Sternbild = Zeile.Sternbild;
            Zeile.NaheBei = SternBezeichnung(stern);
        }
    }
}

}  // namespace zenaro
