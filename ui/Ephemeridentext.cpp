// The ephemeris text table. Every column has a fixed width so that the table reads
// in a fixed-pitch font; the runs of the dash line begin where the columns begin.

#include "ui/Ephemeridentext.hpp"

#include <algorithm>
#include <cmath>

#include "engine/Hilfen.hpp"
#include "engine/ShortString.hpp"
#include "engine/Zahltext.hpp"
#include "ui/Tabellenformat.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

namespace {

// Dash lines: German and English tables share them, except the English window's
// single-object line without the deep-sky column, which has a shorter run under "Moon".
constexpr const char* StrichAlleDeepSky =
    "------------------------------- --------- ---------  -------  ------- ------ ------- ----- "
    "----- ----- ----- ----- ----- ---- ---- ----- ------- ------- --- "
    "----------------------------";
constexpr const char* StrichAlle =
    "------------------------------- --------- ---------  -------  ------- ------ ------- ----- "
    "----- ----- ----- ----- ----- ---- ---- ----- ------- ------- ---";
constexpr const char* StrichEinzelnDeepSky =
    "-------------------- --------- ---------  -------  ------- ------ ------- ----- ----- ----- "
    "----- ----- ----- ---- ---- ----- ------- ------- --- ----------------------------";
constexpr const char* StrichEinzeln =
    "-------------------- --------- ---------  -------  ------- ------ ------- ----- ----- ----- "
    "----- ----- ----- ---- ---- ----- ------- ------- ---";
constexpr const char* StrichEinzelnFensterEnglisch =
    "-------------------- --------- ---------  -------  ------- ------ ----    ----- ----- ----- "
    "----- ----- ----- ---- ---- ----- ------- ------- ---";

constexpr std::size_t NamensBreite = 31;

// F(x:w:d).
std::string F(Extended x, std::int32_t w, std::int32_t d) { return ZahlText(x, w, d); }

// HM(t): a time in hours with a decimal fraction as hh:mm.
std::string HM(Extended t) {
    std::int32_t h = 0;
    Extended m = 0.0L;
    StundenMinuten(t, h, m);
    return Nullgefuellt(GanzText(h, 2)) + ":" + Nullgefuellt(F(m, 2, 0));
}

// Alt(x): an altitude rounded to the whole degree (half a degree and more away from
// zero, after the rounding to the minute), at most 90.
std::string Alt(Extended x) {
    std::int32_t d = 0;
    Extended m = 0.0L;
    GradMinuten(x, d, m);
    std::int64_t n = d;
    if (m >= 30.0L) n += x < 0.0L ? -1 : 1;
    if (n > 90) n = 90;
    return GanzText(n, 2);
}

std::string AufgangSpalte(Extended t) {
    if (t >= 0.0L) return HM(t) + " ";
    if (t == -2.0L) return TabellenText(TextNr::EphAufgangZirkum);
    if (t == -3.0L) return TabellenText(TextNr::EphAufgangUnbeob);
    return "--:-- ";
}

std::string UntergangSpalte(Extended t) {
    if (t >= 0.0L) return HM(t) + " ";
    if (t == -2.0L) return TabellenText(TextNr::EphUntergangPolar);
    if (t == -3.0L) return TabellenText(TextNr::EphUntergangAchtbar);
    return "--:-- ";
}

// Blanks at both ends removed (the English edition's deep-sky label).
std::string Gestutzt(const std::string& s) {
    const auto a = s.find_first_not_of(' ');
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::string NaheBeiSpalte(const TEphemeridenZeile& z) {
    std::string s = " ";
    // 999 marks "no passage"; a value that is no number at all is taken the same way.
    if (z.Distanz == 999.0L || !std::isfinite(z.Distanz)) return s;
    const std::string name = Englisch ? Gestutzt(z.NaheBei.Text()) : z.NaheBei.Text();
    // Below one degree too: degrees and minutes, "0°45", like the larger distances.
    return s + name + " (" + GradMinutenText(z.Distanz, 1) + "')";
}

std::string GrenzTitel(TAusgabeSenke senke) {
    const TextNr wort =
        senke == TAusgabeSenke::Fenster ? TextNr::EphTitelFenster : TextNr::EphTitel;
    return TabellenText(wort) + Startdatum.Text() + TabellenText(TextNr::EphUm) + Startzeit.Text() +
           TabellenText(TextNr::EphBisHelligkeit) + F(Grenzgroesse, 4, 1);
}

// R(x): a range bound in days relative to the perihelion time.
std::string Bereich(Extended x) {
    const std::string zahl = F(x, 5, 1);
    if (x > 0.0L) return "T+" + zahl;
    if (x < 0.0L) return "T" + zahl;
    return zahl;
}

std::string SatzText(const THellParameter& p) {
    std::string s = Bereich(p.Von) + TabellenText(TextNr::EphBis) + Bereich(p.Bis) +
                    ": m = " + F(p.H11, 5, 1) + " + " + F(p.N1, 5, 1) + "*log d + 2.5*" +
                    F(p.N2, 5, 1) + "*log r ";
    if (p.Erweitert) s += std::string("(T ") + (p.DT > 0.0L ? "+" : "") + F(p.DT, 5, 1) + ")";
    return s;
}

class TTextBau {
public:
    explicit TTextBau(TAusgabeSenke senke) : senke_(senke) {}

    std::vector<TTextZeile> Bauen() {
        if (AlleObjekteModus)
            TitelAlle();
        else
            TitelEinzeln();
        KopfUndStrich();
        Zeilen();
        if (AnzahlZeilen > 0) Legende();
        return std::move(zeilen_);
    }

private:
    void Neu(std::string text, TZeilenArt art, std::int32_t nummer = 0) {
        zeilen_.push_back(TTextZeile{std::move(text), art, nummer});
    }

    void ZoneUndDaemmerung() {
        Neu(Zonenzeile(), TZeilenArt::Zone);
        Neu("", TZeilenArt::Leer);
        Neu(TabellenText(TextNr::EphDaemmerung) + std::to_string(DaemmerungsHoehe) + GradZeichen,
            TZeilenArt::Daemmerung);
        Neu("", TZeilenArt::Leer);
    }

    void TitelAlle() {
        Neu(GrenzTitel(senke_), TZeilenArt::Titel);
        if (senke_ == TAusgabeSenke::Fenster) Neu("", TZeilenArt::Leer);
        ZoneUndDaemmerung();
    }

    void TitelEinzeln() {
        const TBahnelement& o = Objekte[AktObjekt];
        Neu(TabellenText(TextNr::EphTitel) + o.Name.Text(), TZeilenArt::Titel);
        Neu("", TZeilenArt::Leer);
        Neu("T=" + F(o.Perihel[1], 4, 0) + "-" + MonatsText(o.Perihel[2]) + "-" +
                F(o.Perihel[3], 8, 5) + "  e=" + F(o.Exzentrizitaet, 8, 6) +
                "  q=" + F(o.Perihelabstand, 8, 6),
            TZeilenArt::Element);
        Neu("Omega=" + F(o.Knoten, 8, 6) + "  omega=" + F(o.Perihelargument, 8, 6) +
                "  i=" + F(o.Bahnneigung, 8, 6) + "  [" + F(o.Aequinoktium, 6, 1) + "]",
            TZeilenArt::Element);
        Neu("H[1,1]=" + F(o.H11, 5, 1) + "  n=" + F(o.N, 4, 1), TZeilenArt::Element);
        if (HellParameterBenutzen) {
            Neu("", TZeilenArt::HellLeer);
            Neu(TabellenText(TextNr::EphHellKopf), TZeilenArt::HellKopf);
            const std::int32_t n = std::min(AnzahlHellParameter, MaxHellParameter);
            for (std::int32_t i = 1; i <= n; ++i)
                if (HellParameterListe[i].Name == o.Name)
                    Neu(SatzText(HellParameterListe[i]), TZeilenArt::HellSatz);
            Neu("", TZeilenArt::HellLeer);
        }
        ZoneUndDaemmerung();
    }

    void KopfUndStrich() {
        const char* strich;
        TextNr kopf;
        if (AlleObjekteModus) {
            kopf = DeepSkyAnzeigen ? TextNr::EphKopfAlleDeepSky : TextNr::EphKopfAlle;
            strich = DeepSkyAnzeigen ? StrichAlleDeepSky : StrichAlle;
        } else {
            kopf = DeepSkyAnzeigen ? TextNr::EphKopfEinzelnDeepSky : TextNr::EphKopfEinzeln;
            strich = DeepSkyAnzeigen ? StrichEinzelnDeepSky : StrichEinzeln;
            if (!DeepSkyAnzeigen && Englisch && senke_ == TAusgabeSenke::Fenster)
                strich = StrichEinzelnFensterEnglisch;
        }
        Neu(TabellenText(kopf), TZeilenArt::Kopf);
        Neu(strich, TZeilenArt::Strich);
    }

    void Zeilen() {
        const std::int32_t n = std::min(AnzahlZeilen, MaxZeilen);
        std::int32_t gruppe = 1;
        for (std::int32_t i = 1; i <= n; ++i) {
            const TEphemeridenZeile& z = Ephemeride[i];
            if (AlleObjekteModus) {
                if (ZeileGezeigt(z, senke_)) Neu(EphemeridenZeilenText(z), TZeilenArt::Zeile, i);
                continue;
            }
            Neu(EphemeridenZeilenText(z), TZeilenArt::Zeile, i);
            if (++gruppe > 5) {
                gruppe = 1;
                Neu("", TZeilenArt::Gruppe);
            }
        }
    }

    void Legende() {
        const bool datei = senke_ == TAusgabeSenke::Datei;
        Neu("", TZeilenArt::LegendenLeer);
        Neu(TabellenText(TextNr::EphLegende), TZeilenArt::LegendenTitel);
        auto zeile = [this](TextNr nr) { Neu(TabellenText(nr), TZeilenArt::Legende); };
        for (TextNr nr : {TextNr::EphLegDatum, TextNr::EphLegRADek, TextNr::EphLegR,
                          TextNr::EphLegDelta, TextNr::EphLegElong, TextNr::EphLegMond,
                          TextNr::EphLegStoerung, TextNr::EphLegPhase, TextNr::EphLegAufUnt})
            zeile(nr);
        // The English text file has no line about the transit.
        if (!(Englisch && datei)) zeile(TextNr::EphLegKulm);
        zeile(datei ? TextNr::EphLegTOptDatei : TextNr::EphLegTOpt);
        zeile(senke_ == TAusgabeSenke::Druck ? TextNr::EphLegMondTOptDruck
                                             : TextNr::EphLegMondTOpt);
        for (TextNr nr : {TextNr::EphLegStoerung, TextNr::EphLegHell, TextNr::EphLegBewegung,
                          TextNr::EphLegStb})
            zeile(nr);
        if (DeepSkyAnzeigen) zeile(TextNr::EphLegNaheBei);
    }

    TAusgabeSenke senke_;
    std::vector<TTextZeile> zeilen_;
};

}  // namespace

std::vector<TTextZeile> Ephemeridentext(TAusgabeSenke senke) { return TTextBau(senke).Bauen(); }

std::string EphemeridenZeilenText(const TEphemeridenZeile& z) {
    std::string s = AlleObjekteModus ? NamensSpalte(z.ObjektNr, NamensBreite)
                                     : DatumZeitSpalte(z.Wochentag, z.Tag, z.Monat, z.Jahr, z.Zeit);
    s += RektaszensionText(z.RA) + "  ";
    s += DeklinationText(z.Dek) + "  ";
    s += F(z.R, 7, 4) + "  ";
    s += F(z.Delta, 7, 4) + " ";
    s += F(z.Elongation, 5, 1) + GradZeichen + " ";
    s += F(z.MondAbstand, 3, 0) + GradZeichen + " " + z.MondKlasse.Text() + " ";
    s += GanzText(z.Phase, 4) + "% ";
    s += AufgangSpalte(z.Aufgang);
    s += UntergangSpalte(z.Untergang);
    if (z.KulmHoehe >= 0.0L)
        s += UhrzeitText(z.Kulmination) + " " + Alt(z.KulmHoehe) + GradZeichen + "   ";
    else
        s += "--:-- --    ";
    s += z.TOpt != -1.0L ? UhrzeitText(z.TOpt) + " " : std::string("--:-- ");
    s += z.TOptHoehe != -90.0L ? Alt(z.TOptHoehe) + GradZeichen + "  " : std::string("--   ");
    s += ' ';
    s += z.TOptMond.Text();
    s += "  ";
    s += LinksAuffuellen(F(z.Hell, 3, 1), 4, ' ') + (z.HellAenderung >= 0.0L ? "+" : "-") + " ";
    s += LinksAuffuellen(F(z.RAproStunde, 5, 2), 6, ' ') + "' ";
    s += LinksAuffuellen(F(z.DekProStunde, 5, 2), 6, ' ') + "' ";
    s += z.Sternbild.Text();
    if (DeepSkyAnzeigen) s += NaheBeiSpalte(z);
    return s;
}

bool ZeileGezeigt(const TEphemeridenZeile& z, TAusgabeSenke senke) {
    if (!(z.Hell <= Grenzgroesse)) return false;
    if (senke == TAusgabeSenke::Fenster)
        return !NurSichtbare || (z.Aufgang != -3.0L && z.TOptHoehe >= 0.0L);
    return z.Aufgang != -3.0L && z.TOptHoehe > 0.0L;
}

}  // namespace zenaro
