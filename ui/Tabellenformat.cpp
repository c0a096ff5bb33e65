#include "ui/Tabellenformat.hpp"

#include <cmath>

#include "astro/Laufzeit.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Zahltext.hpp"
#include "ui/Plattform/Zeichensatz.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

std::string TabellenText(TextNr nr) { return QStringAlsWin1252(Text(nr)); }

std::string GanzText(std::int64_t n, std::size_t breite) {
    return LinksAuffuellen(std::to_string(n), breite, ' ');
}

std::string LinksAuffuellen(std::string text, std::size_t breite, char zeichen) {
    if (text.size() < breite) text.insert(0, breite - text.size(), zeichen);
    return text;
}

std::string Nullgefuellt(std::string text) {
    if (!text.empty() && text[0] == ' ') text[0] = '0';
    return text;
}

std::string UhrzeitText(Extended zeit) {
    std::string text = ZahlText(zeit, 5, 2);
    if (zeit < 10.0L) text[0] = '0';
    text[2] = ':';
    return text;
}

std::string MonatsText(Extended monat) {
    if (std::isfinite(monat) && monat >= 1.0L && monat < 13.0L)
        return Monatsnamen[Trunc(monat)].Text();
    return ZahlText(monat, 1, 0);
}

std::string DatumZeitSpalte(const ShortString<2>& wochentag, std::int32_t tag, Extended monat,
                            std::int32_t jahr, Extended zeit) {
    return wochentag.Text() + " " + Nullgefuellt(GanzText(tag, 2)) + "." + MonatsText(monat) + "." +
           GanzText(jahr, 4) + " " + UhrzeitText(zeit) + " ";
}

std::string NamensSpalte(std::int32_t objektNr, std::size_t breite) {
    std::string name = Objekte[objektNr].Name.Text();
    name.resize(breite, ' ');
    return name + " ";
}

std::string RektaszensionText(Extended ra) {
    std::int32_t h = 0;
    Extended m = 0.0L;
    StundenMinuten(ra, h, m);
    return GanzText(h, 2) + "h " + LinksAuffuellen(ZahlText(m, 3, 1), 4, '0');
}

std::string DeklinationText(Extended dek) {
    std::int32_t d = 0;
    Extended m = 0.0L;
    GradMinuten(dek, d, m);
    std::string grad = GanzText(d, 3);
    if (dek >= 0.0L) {
        if (grad[1] == ' ')
            grad[1] = '+';
        else
            grad[0] = '+';
    } else if (grad[1] == ' ') {
        grad[1] = '-';
    }
    return grad + GradZeichen + " " + LinksAuffuellen(ZahlText(m, 3, 1), 4, '0');
}

std::string GradMinutenText(Extended winkel, std::size_t gradBreite) {
    std::int32_t d = 0;
    Extended m = 0.0L;
    GradMinuten(winkel, d, m);
    return GanzText(d, gradBreite) + GradZeichen + Nullgefuellt(ZahlText(m, 2, 0));
}

std::string Zonenzeile() {
    return TabellenText(TextNr::EphZoneAnfang) + ZeitzonenName + TabellenText(TextNr::EphZoneOrt) +
           Orte[AktOrt].Name.Text();
}

}  // namespace zenaro
