#include "ui/Konjunktionstext.hpp"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "engine/Hilfen.hpp"
#include "engine/ShortString.hpp"
#include "engine/Zahltext.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

namespace {

constexpr std::size_t NamensBreite = 25;

// A text of the user-text table as Windows-1252 bytes.
std::string Vorlage(TextNr nr) { return Utf8NachWin1252(Text(nr).toStdString()); }

// The text nr with "%1", "%2", ... replaced by the given pieces in one pass, so a
// piece that itself holds "%2" (a location name, say) is taken as it stands.
std::string Einsetzen(TextNr nr, std::initializer_list<std::string_view> teile) {
    const std::string vorlage = Vorlage(nr);
    std::string text;
    for (std::size_t i = 0; i < vorlage.size(); ++i) {
        if (vorlage[i] == '%' && i + 1 < vorlage.size() && vorlage[i + 1] >= '1' &&
            vorlage[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(vorlage[i + 1] - '1');
            if (n < teile.size()) {
                text += *(teile.begin() + n);
                ++i;
                continue;
            }
        }
        text += vorlage[i];
    }
    return text;
}

// I(n:w): the integer right-aligned in at least w characters.
std::string Ganz(std::int32_t n, std::int32_t breite) {
    return ZahlText(static_cast<Extended>(n), breite, 0);
}

// A leading blank turned into "0".
std::string Nullgefuellt(std::string text) {
    if (!text.empty() && text[0] == ' ') text[0] = '0';
    return text;
}

// Padded in front with `zeichen` to at least `breite` characters.
std::string Vorn(std::string text, std::size_t breite, char zeichen) {
    if (text.size() < breite) text.insert(0, breite - text.size(), zeichen);
    return text;
}

// The time h.mm as hh:mm.
std::string Uhrzeit(Extended zeit) {
    std::string text = ZahlText(zeit, 5, 2);
    if (zeit < 10.0L) text[0] = '0';
    text[2] = ':';
    return text;
}

// The object name made exactly 25 characters long, and the column's blank.
std::string Namensspalte(std::int32_t objektNr) {
    std::string name = Objekte[objektNr].Name.Text();
    name.resize(NamensBreite, ' ');
    return name + " ";
}

// hh "h " mm.m, the right ascension column without its trailing blank.
std::string Rektaszension(Extended ra) {
    std::int32_t h = 0;
    Extended m = 0.0L;
    StundenMinuten(ra, h, m);
    return Ganz(h, 2) + "h " + Vorn(ZahlText(m, 3, 1), 4, '0');
}

// Signed degrees in three characters, "° " and the minutes, without the trailing
// blank. The sign comes from the angle itself, so -0.4 degrees reads " -0".
std::string Deklination(Extended dek) {
    std::int32_t d = 0;
    Extended m = 0.0L;
    GradMinuten(dek, d, m);
    std::string grad = Ganz(d, 3);
    if (dek >= 0.0L) {
        if (grad[1] == ' ')
            grad[1] = '+';
        else
            grad[0] = '+';
    } else if (grad[1] == ' ') {
        grad[1] = '-';
    }
    return grad + "\xB0 " + Vorn(ZahlText(m, 3, 1), 4, '0');
}

// The magnitude with "+" in front when above 0, five characters wide.
std::string Helligkeit(Extended hell) {
    std::string text = ZahlText(hell, 3, 1);
    if (hell > 0.0L) text.insert(0, "+");
    return Vorn(text, 5, ' ');
}

std::string Abstand(Extended abstand) {
    std::int32_t d = 0;
    Extended m = 0.0L;
    GradMinuten(abstand, d, m);
    return Ganz(d, 2) + "\xB0" + Nullgefuellt(ZahlText(m, 2, 0)) + "'";
}

}  // namespace

std::string KonjTitelzeile(TAusgabeSenke senke) {
    const std::string grenze = ZahlText(KonjGrenzgroesse, 4, 1);
    if (AlleObjekteModus)
        return Einsetzen(
            senke == TAusgabeSenke::Fenster ? TextNr::KonjTitelAmFenster : TextNr::KonjTitelAm,
            {Startdatum.Text(), Startzeit.Text(), grenze});
    return Einsetzen(TextNr::KonjTitelVonBis, {Startdatum.Text(), Startzeit.Text(),
                                               Stopdatum.Text(), Stopzeit.Text(), grenze});
}

std::string KonjZonenzeile() {
    return Vorlage(TextNr::EphZoneAnfang) + ZeitzonenName + Vorlage(TextNr::EphZoneOrt) +
           Orte[AktOrt].Name.Text();
}

std::string KonjKopfzeile() { return Vorlage(TextNr::KonjKopfzeile); }

std::string KonjStrichzeile() { return Vorlage(TextNr::KonjStrichzeile); }

std::string KonjZeile(const TKonjunktionsZeile& zeile) {
    std::string text = zeile.Wochentag.Text() + " " + Nullgefuellt(Ganz(zeile.Tag, 2)) + "." +
                       Monatsnamen[zeile.Monat].Text() + "." + Ganz(zeile.Jahr, 4) + " " +
                       Uhrzeit(zeile.Zeit) + " ";
    text += Namensspalte(zeile.ObjektNr1);
    text += Namensspalte(zeile.ObjektNr2);
    text += Rektaszension(zeile.RA1) + " " + Deklination(zeile.Dek1) + " ";
    text += Rektaszension(zeile.RA2) + " " + Deklination(zeile.Dek2) + " ";
    text += Helligkeit(zeile.Hell1) + " " + Helligkeit(zeile.Hell2) + " ";
    text += Abstand(zeile.Abstand);
    return text;
}

std::vector<std::string> KonjLegende(TAusgabeSenke senke) {
    std::vector<std::string> zeilen;
    zeilen.push_back(Vorlage(TextNr::EphLegende));
    zeilen.push_back(Vorlage(senke == TAusgabeSenke::Fenster ? TextNr::KonjLegendeDatumFenster
                                                             : TextNr::KonjLegendeDatum));
    for (TextNr nr :
         {TextNr::KonjLegendeObjekt1, TextNr::KonjLegendeObjekt2, TextNr::KonjLegendeOrt1,
          TextNr::KonjLegendeOrt2, TextNr::KonjLegendeHelligkeit, TextNr::KonjLegendeDistanz})
        zeilen.push_back(Vorlage(nr));
    return zeilen;
}

std::string KonjKeineZeile() { return Vorlage(TextNr::KonjKeine); }

std::vector<std::string> Konjunktionstext(TAusgabeSenke senke) {
    std::vector<std::string> zeilen{KonjZonenzeile(), std::string()};
    if (AnzahlKonjunktionen <= 0) {
        zeilen.push_back(KonjKeineZeile());
        return zeilen;
    }
    zeilen.push_back(KonjKopfzeile());
    zeilen.push_back(KonjStrichzeile());
    for (std::int32_t i = 1; i <= AnzahlKonjunktionen; ++i)
        zeilen.push_back(KonjZeile(Konjunktionen[i]));
    zeilen.emplace_back();
    for (std::string& zeile : KonjLegende(senke)) zeilen.push_back(std::move(zeile));
    return zeilen;
}

}  // namespace zenaro
