// Generates the box table of the constellation search (astro/Sternb_Tabelle.cpp)
// from the IAU constellation boundaries of the equinox 1875.0 (Roman, N. G. 1987,
// PASP 99, 695; CDS catalogue VI/42) and the list of the 88 constellations, and
// proves the result before it writes it.
//
// The boundary file holds strips "RA_low RA_high Dec_low Abbr" ordered by
// descending Dec_low; a position belongs to the first strip whose right-ascension
// range holds it (RA_low <= ra < RA_high) and whose Dec_low <= dec. Each strip
// becomes one or more boxes with an upper and a lower declination bound: the upper
// bound at a right ascension is the lowest Dec_low of the earlier strips that cover
// it, so a strip splits wherever such a strip begins or ends. Boxes of one
// constellation with the same right-ascension range that touch in declination are
// joined, the polar cap north of the first strip's Dec_low (+88 degrees) is left to
// the search's start value "UMI", and the boxes are grouped by constellation in the
// order of the name list (alphabetical by Latin name). Abbreviations are written in
// upper case ("CVn" becomes "CVN", Crux is "CRU").
//
// The proof evaluates the box table as the search does (all bounds inclusive, the
// last matching box wins, "UMI" when none matches) and the strip table at every
// 0.01 h of right ascension (0 to 24 h) and every 0.01 degree of declination (-90 to
// +90), and then once in every cell of the arrangement of all bound lines, on every
// line and at every corner (this covers the few strips narrower than 0.01 h). Every
// point must give the same constellation. A point that lies exactly on a bound line,
// where the two tables resolve the shared edge by different rules (the strips give
// it to the strip above or to the right, the boxes to the later box), must give the
// constellation of one of the regions that meet at the point. Any other difference
// ends the tool with exit code 1 and nothing is written.
//
// Build and run from the repository root:
//   g++ -std=c++20 -O2 -pthread -o /tmp/sternbild_tabelle tools/sternbild_tabelle.cpp
//   /tmp/sternbild_tabelle quelldaten/constellation-boundaries-1875.dat
//       quelldaten/constellation-names.dat astro/Sternb_Tabelle.cpp   (one line)
//   clang-format -i astro/Sternb_Tabelle.cpp

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Extended = long double;

// A number as written in the boundary file: its value and its text, so that the
// generated source carries exactly the digits of the data.
struct Zahl {
    Extended Wert = 0.0L;
    std::string Text;
};

struct Streifen {
    Zahl RaVon, RaBis, DecVon;
    std::string Kuerzel;  // upper case
};

struct Kasten {
    Zahl RaVon, RaBis, DecOben, DecUnten;
    std::string Kuerzel;
};

[[noreturn]] void Abbruch(const std::string& text) {
    std::cerr << "sternbild_tabelle: " << text << "\n";
    std::exit(1);
}

std::string Gross(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The Latin name for the alphabetical check: lower case, "ö" as "o".
std::string Sortierschluessel(const std::string& name) {
    std::string s;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name.compare(i, 2, "\xC3\xB6") == 0) {
            s += 'o';
            ++i;
        } else {
            s += static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
        }
    }
    return s;
}

Zahl LiesZahl(const std::string& text, int zeile) {
    char* ende = nullptr;
    Zahl z;
    z.Wert = std::strtold(text.c_str(), &ende);
    if (text.empty() || *ende != '\0') Abbruch("line " + std::to_string(zeile) + ": bad number");
    // Trailing zeros of the decimals carry nothing: "24.0000" is written "24.0".
    z.Text = text;
    if (z.Text.find('.') != std::string::npos) {
        while (z.Text.back() == '0') z.Text.pop_back();
        if (z.Text.back() == '.') z.Text += '0';
    }
    return z;
}

// The names in file order, abbreviations in upper case.
std::vector<std::pair<std::string, std::string>> LiesNamen(const std::string& datei) {
    std::ifstream ein(datei);
    if (!ein) Abbruch("cannot read " + datei);
    std::vector<std::pair<std::string, std::string>> namen;
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (zeile.empty() || zeile[0] == '#') continue;
        std::istringstream z(zeile);
        std::string kuerzel, wort, latein;
        z >> kuerzel;
        while (z >> wort) latein += (latein.empty() ? "" : " ") + wort;
        if (kuerzel.empty() || latein.empty()) Abbruch("bad name line: " + zeile);
        namen.emplace_back(Gross(kuerzel), latein);
    }
    if (namen.size() != 88) Abbruch("expected 88 constellations");
    for (std::size_t i = 1; i < namen.size(); ++i)
        if (Sortierschluessel(namen[i - 1].second) >= Sortierschluessel(namen[i].second))
            Abbruch("names not in alphabetical order at " + namen[i].second);
    return namen;
}

std::vector<Streifen> LiesStreifen(const std::string& datei, const std::set<std::string>& bekannt) {
    std::ifstream ein(datei);
    if (!ein) Abbruch("cannot read " + datei);
    std::vector<Streifen> streifen;
    std::string zeile;
    int nummer = 0;
    while (std::getline(ein, zeile)) {
        ++nummer;
        if (zeile.empty() || zeile[0] == '#') continue;
        std::istringstream z(zeile);
        std::string a, b, c, d, rest;
        if (!(z >> a >> b >> c >> d) || (z >> rest))
            Abbruch("line " + std::to_string(nummer) + ": expected four fields");
        Streifen s{LiesZahl(a, nummer), LiesZahl(b, nummer), LiesZahl(c, nummer), Gross(d)};
        if (!bekannt.count(s.Kuerzel)) Abbruch("unknown constellation " + d);
        if (!(0.0L <= s.RaVon.Wert && s.RaVon.Wert < s.RaBis.Wert && s.RaBis.Wert <= 24.0L) ||
            !(-90.0L <= s.DecVon.Wert && s.DecVon.Wert < 90.0L))
            Abbruch("line " + std::to_string(nummer) + ": bound out of range");
        if (!streifen.empty() && s.DecVon.Wert > streifen.back().DecVon.Wert)
            Abbruch("line " + std::to_string(nummer) + ": not ordered by declination");
        streifen.push_back(s);
    }
    if (streifen.empty()) Abbruch("no strips");
    const Streifen& kappe = streifen.front();
    if (kappe.RaVon.Wert != 0.0L || kappe.RaBis.Wert != 24.0L || kappe.Kuerzel != "UMI")
        Abbruch("the first strip is not the polar cap of UMi");
    const Streifen& sued = streifen.back();
    if (sued.RaVon.Wert != 0.0L || sued.RaBis.Wert != 24.0L || sued.DecVon.Wert != -90.0L)
        Abbruch("the last strip does not close the south pole");
    return streifen;
}

// The constellation of a position by the strip table; ra in [0, 24).
const std::string& StreifenSuche(const std::vector<Streifen>& streifen, Extended ra, Extended dec) {
    for (const Streifen& s : streifen)
        if (s.RaVon.Wert <= ra && ra < s.RaBis.Wert && s.DecVon.Wert <= dec) return s.Kuerzel;
    static const std::string keins = "???";
    return keins;
}

// The constellation of a position by the box table, as the constellation search
// scans it: inclusive bounds, the last match wins, "UMI" when none matches.
const std::string& KastenSuche(const std::vector<Kasten>& kaesten, Extended ra, Extended dec) {
    for (auto k = kaesten.rbegin(); k != kaesten.rend(); ++k)
        if (k->RaVon.Wert <= ra && ra <= k->RaBis.Wert && k->DecUnten.Wert <= dec &&
            dec <= k->DecOben.Wert)
            return k->Kuerzel;
    static const std::string kappe = "UMI";
    return kappe;
}

std::vector<Kasten> BildeKaesten(const std::vector<Streifen>& streifen) {
    std::vector<Kasten> roh;
    // The first strip (north of +88 degrees) stays without a box.
    for (std::size_t i = 1; i < streifen.size(); ++i) {
        const Streifen& s = streifen[i];
        std::vector<Zahl> schnitte{s.RaVon, s.RaBis};
        for (std::size_t j = 0; j < i; ++j)
            for (const Zahl& g : {streifen[j].RaVon, streifen[j].RaBis})
                if (s.RaVon.Wert < g.Wert && g.Wert < s.RaBis.Wert) schnitte.push_back(g);
        std::sort(schnitte.begin(), schnitte.end(),
                  [](const Zahl& a, const Zahl& b) { return a.Wert < b.Wert; });
        schnitte.erase(std::unique(schnitte.begin(), schnitte.end(),
                                   [](const Zahl& a, const Zahl& b) { return a.Wert == b.Wert; }),
                       schnitte.end());
        std::vector<Kasten> teile;
        for (std::size_t k = 0; k + 1 < schnitte.size(); ++k) {
            const Extended mitte = (schnitte[k].Wert + schnitte[k + 1].Wert) / 2.0L;
            const Zahl* oben = nullptr;
            for (std::size_t j = 0; j < i; ++j)
                if (streifen[j].RaVon.Wert <= mitte && mitte < streifen[j].RaBis.Wert &&
                    (!oben || streifen[j].DecVon.Wert < oben->Wert))
                    oben = &streifen[j].DecVon;
            if (!oben) Abbruch("a strip without a strip above it");
            if (oben->Wert <= s.DecVon.Wert) continue;  // wholly covered by earlier strips
            if (!teile.empty() && teile.back().RaBis.Wert == schnitte[k].Wert &&
                teile.back().DecOben.Wert == oben->Wert)
                teile.back().RaBis = schnitte[k + 1];
            else
                teile.push_back({schnitte[k], schnitte[k + 1], *oben, s.DecVon, s.Kuerzel});
        }
        roh.insert(roh.end(), teile.begin(), teile.end());
    }
    // Join boxes of one constellation stacked on the same right-ascension range.
    bool verbunden = true;
    while (verbunden) {
        verbunden = false;
        for (std::size_t a = 0; a < roh.size() && !verbunden; ++a)
            for (std::size_t b = 0; b < roh.size() && !verbunden; ++b)
                if (a != b && roh[a].Kuerzel == roh[b].Kuerzel &&
                    roh[a].RaVon.Wert == roh[b].RaVon.Wert &&
                    roh[a].RaBis.Wert == roh[b].RaBis.Wert &&
                    roh[a].DecUnten.Wert == roh[b].DecOben.Wert) {
                    roh[a].DecUnten = roh[b].DecUnten;
                    roh.erase(roh.begin() + static_cast<std::ptrdiff_t>(b));
                    verbunden = true;
                }
    }
    return roh;
}

std::vector<Kasten> Gruppiere(const std::vector<Kasten>& roh,
                              const std::vector<std::pair<std::string, std::string>>& namen) {
    std::vector<Kasten> kaesten;
    for (const auto& [kuerzel, latein] : namen) {
        const std::size_t vorher = kaesten.size();
        for (const Kasten& k : roh)
            if (k.Kuerzel == kuerzel) kaesten.push_back(k);
        if (kaesten.size() == vorher) Abbruch("no box for " + latein);
    }
    if (kaesten.size() != roh.size()) Abbruch("boxes of unknown constellations");
    return kaesten;
}

// Compares the two tables at every combination of the given right ascensions and
// declinations; returns the number of bound-line points whose shared edge the box
// table resolved to another of the constellations meeting there, and ends the tool
// when any point differs otherwise.
long Vergleiche(const std::vector<Streifen>& streifen, const std::vector<Kasten>& kaesten,
                const std::vector<Extended>& raWerte, const std::vector<Extended>& decWerte,
                const std::set<Extended>& raLinien, const std::set<Extended>& decLinien,
                const char* was) {
    constexpr Extended Hauch = 1e-6L;  // far inside the 4 decimals of the bounds
    auto streifenBei = [&](Extended ra, Extended dec) -> const std::string& {
        if (ra < 0.0L) ra += 24.0L;
        if (ra >= 24.0L) ra -= 24.0L;
        dec = std::clamp(dec, -90.0L, 90.0L);
        return StreifenSuche(streifen, ra, dec);
    };
    std::atomic<long> kanten{0}, fehler{0};
    std::atomic<std::size_t> naechste{0};
    auto arbeite = [&] {
        for (std::size_t m; (m = naechste.fetch_add(1)) < decWerte.size();) {
            const Extended dec = decWerte[m];
            for (const Extended ra : raWerte) {
                const std::string& box = KastenSuche(kaesten, ra, dec);
                if (box == streifenBei(ra, dec)) continue;
                bool aufLinie = raLinien.count(ra) || decLinien.count(dec);
                bool nachbar = false;
                for (int dr = -1; dr <= 1 && aufLinie && !nachbar; ++dr)
                    for (int dd = -1; dd <= 1 && !nachbar; ++dd)
                        nachbar = box == streifenBei(ra + dr * Hauch, dec + dd * Hauch);
                if (nachbar) {
                    ++kanten;
                } else if (fehler++ < 20) {
                    std::fprintf(stderr, "%s: differs at %.5Lf h %+.5Lf deg: boxes %s, strips %s\n",
                                 was, ra, dec, box.c_str(), streifenBei(ra, dec).c_str());
                }
            }
        }
    };
    std::vector<std::thread> arbeiter;
    const unsigned n = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < n; ++i) arbeiter.emplace_back(arbeite);
    for (std::thread& t : arbeiter) t.join();
    if (fehler > 0)
        Abbruch(std::string(was) + ": " + std::to_string(fehler.load()) + " points differ");
    return kanten;
}

// The lines and the midpoints between neighbouring lines: one point in every cell
// of the arrangement of all bound lines, on every line segment and at every corner.
std::vector<Extended> MitMitten(const std::set<Extended>& linien) {
    std::vector<Extended> werte(linien.begin(), linien.end());
    for (auto a = linien.begin(), b = std::next(a); b != linien.end(); ++a, ++b)
        werte.push_back((*a + *b) / 2.0L);
    return werte;
}

// The proof: the dense grid of 0.01 h by 0.01 degree, and one point in every cell
// of the bound lines, so that boxes narrower than the grid are proved as well.
// Returns the number of grid points that lie on a shared edge and take the later box.
long Beweis(const std::vector<Streifen>& streifen, const std::vector<Kasten>& kaesten) {
    std::set<Extended> raLinien{0.0L, 24.0L}, decLinien{-90.0L, 90.0L};
    for (const Streifen& s : streifen) {
        raLinien.insert(s.RaVon.Wert);
        raLinien.insert(s.RaBis.Wert);
        decLinien.insert(s.DecVon.Wert);
    }
    for (const Kasten& k : kaesten) {
        raLinien.insert(k.RaVon.Wert);
        raLinien.insert(k.RaBis.Wert);
        decLinien.insert(k.DecOben.Wert);
        decLinien.insert(k.DecUnten.Wert);
    }
    std::vector<Extended> raGitter, decGitter;
    for (int k = 0; k <= 2400; ++k) raGitter.push_back(static_cast<Extended>(k) / 100.0L);
    for (int m = -9000; m <= 9000; ++m) decGitter.push_back(static_cast<Extended>(m) / 100.0L);
    const long kanten =
        Vergleiche(streifen, kaesten, raGitter, decGitter, raLinien, decLinien, "grid");
    Vergleiche(streifen, kaesten, MitMitten(raLinien), MitMitten(decLinien), raLinien, decLinien,
               "cells");
    return kanten;
}

void Schreibe(const std::string& datei, const std::vector<Kasten>& kaesten, long kanten) {
    std::ostringstream aus;
    aus << "// The box table of the constellation search, GENERATED by "
           "tools/sternbild_tabelle.cpp\n"
           "// (do not edit; run the tool again). Source: the IAU constellation boundaries of\n"
           "// the equinox 1875.0, Roman, N. G. (1987), PASP 99, 695; CDS catalogue VI/42, and\n"
           "// the IAU list of constellation names.\n"
           "//\n"
           "// "
        << kaesten.size()
        << " boxes, grouped by constellation in the alphabetical order of the Latin\n"
           "// names; box i runs from CONSTRA[2i-1] to CONSTRA[2i] (hours of 1875) and from\n"
           "// CONSTDEC[2i] up to CONSTDEC[2i-1] (degrees of 1875). North of +88 degrees no box\n"
           "// applies (UMI). The tool proved that the table gives the constellation of the\n"
           "// strip table at every 0.01 h by 0.01 degree, poles included, and in every cell\n"
           "// of the bound lines; "
        << kanten
        << " points lying\n"
           "// exactly on a shared edge take the later box, as the search documents.\n"
           "#include \"astro/Sternb.hpp\"\n\n"
           "namespace zenaro {\n\n"
           "namespace {\n\n";
    auto reihe = [&](const char* name, auto wert) {
        aus << "constexpr Extended " << name << "Werte[" << 2 * kaesten.size() << "] = {\n";
        for (std::size_t i = 0; i < kaesten.size(); ++i)
            aus << "    " << wert(kaesten[i]).first << "L, " << wert(kaesten[i]).second << "L,  // "
                << i + 1 << " " << kaesten[i].Kuerzel << "\n";
        aus << "};\n\n";
    };
    reihe("CONSTRA", [](const Kasten& k) { return std::pair{k.RaVon.Text, k.RaBis.Text}; });
    reihe("CONSTDEC", [](const Kasten& k) { return std::pair{k.DecOben.Text, k.DecUnten.Text}; });
    aus << "constexpr const char* CONSTABBRWerte[" << kaesten.size() << "] = {\n";
    for (std::size_t i = 0; i < kaesten.size(); ++i)
        aus << "    \"" << kaesten[i].Kuerzel << "\",  // " << i + 1 << "\n";
    aus << "};\n\n"
           "}  // namespace\n\n"
           "const std::int32_t CONSTCOUNT = "
        << 2 * kaesten.size()
        << ";\n"
           "const KonstanteTabelle<Extended> CONSTRA{CONSTRAWerte, "
        << 2 * kaesten.size()
        << "};\n"
           "const KonstanteTabelle<Extended> CONSTDEC{CONSTDECWerte, "
        << 2 * kaesten.size()
        << "};\n"
           "const KonstanteTabelle<const char*> CONSTABBR{CONSTABBRWerte, "
        << kaesten.size() << "};\n\n}  // namespace zenaro\n";
    const std::string zwischen = datei + ".neu";
    {
        std::ofstream f(zwischen, std::ios::binary);
        f << aus.str();
        if (!f.flush()) Abbruch("cannot write " + zwischen);
    }
    if (std::rename(zwischen.c_str(), datei.c_str()) != 0) Abbruch("cannot write " + datei);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: sternbild_tabelle BOUNDARIES.dat NAMES.dat OUTPUT.cpp\n";
        return 2;
    }
    const auto namen = LiesNamen(argv[2]);
    std::set<std::string> bekannt;
    for (const auto& n : namen) bekannt.insert(n.first);
    const auto streifen = LiesStreifen(argv[1], bekannt);
    const auto kaesten = Gruppiere(BildeKaesten(streifen), namen);
    const long kanten = Beweis(streifen, kaesten);
    Schreibe(argv[3], kaesten, kanten);
    std::cout << streifen.size() << " strips, " << kaesten.size() << " boxes; proof passed ("
              << kanten << " points on shared edges take the later box)\n";
    return 0;
}
