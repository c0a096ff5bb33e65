#include "ui/Konjunktionstext.hpp"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "engine/Zahltext.hpp"
#include "ui/Tabellenformat.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

namespace {

constexpr std::size_t NamensBreite = 25;

// The text nr with "%1", "%2", ... replaced by the given pieces in one pass, so a
// piece that itself holds "%2" (a location name, say) is taken as it stands.
std::string Einsetzen(TextNr nr, std::initializer_list<std::string_view> teile) {
    const std::string vorlage = TabellenText(nr);
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

// The magnitude with "+" in front when above 0, five characters wide.
std::string Helligkeit(Extended hell) {
    std::string text = ZahlText(hell, 3, 1);
    if (hell > 0.0L) text.insert(0, 1, '+');
    return LinksAuffuellen(text, 5, ' ');
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

std::string KonjZonenzeile() { return Zonenzeile(); }

std::string KonjKopfzeile() { return TabellenText(TextNr::KonjKopfzeile); }

std::string KonjStrichzeile() { return TabellenText(TextNr::KonjStrichzeile); }

std::string KonjZeile(const TKonjunktionsZeile& zeile) {
    std::string text =
        DatumZeitSpalte(zeile.Wochentag, zeile.Tag, zeile.Monat, zeile.Jahr, zeile.Zeit);
    text += NamensSpalte(zeile.ObjektNr1, NamensBreite);
    text += NamensSpalte(zeile.ObjektNr2, NamensBreite);
    text += RektaszensionText(zeile.RA1) + " " + DeklinationText(zeile.Dek1) + " ";
    text += RektaszensionText(zeile.RA2) + " " + DeklinationText(zeile.Dek2) + " ";
    text += Helligkeit(zeile.Hell1) + " " + Helligkeit(zeile.Hell2) + " ";
    text += GradMinutenText(zeile.Abstand, 2) + "'";
    return text;
}

std::vector<std::string> KonjLegende(TAusgabeSenke senke) {
    std::vector<std::string> zeilen;
    zeilen.push_back(TabellenText(TextNr::EphLegende));
    zeilen.push_back(TabellenText(senke == TAusgabeSenke::Fenster ? TextNr::KonjLegendeDatumFenster
                                                                  : TextNr::KonjLegendeDatum));
    for (TextNr nr :
         {TextNr::KonjLegendeObjekt1, TextNr::KonjLegendeObjekt2, TextNr::KonjLegendeOrt1,
          TextNr::KonjLegendeOrt2, TextNr::KonjLegendeHelligkeit, TextNr::KonjLegendeDistanz})
        zeilen.push_back(TabellenText(nr));
    return zeilen;
}

std::string KonjKeineZeile() { return TabellenText(TextNr::KonjKeine); }

std::vector<std::string> Konjunktionstext(TAusgabeSenke senke) {
    std::vector<std::string> zeilen{Zonenzeile(), std::string()};
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
