#include "astro/Sternb.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <limits>
#include <numbers>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zenaro {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

std::string Gross(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// The IAU boundaries as published: strips "RA_low RA_high Dec_low Abbr" of 1875,
// ordered by descending Dec_low; a position belongs to the first strip with
// RA_low <= ra < RA_high and Dec_low <= dec.
struct Streifen {
    Extended RaVon, RaBis, DecVon;
    std::string Kuerzel;
};

const std::vector<Streifen>& Grenzstreifen() {
    static const std::vector<Streifen> streifen = [] {
        std::vector<Streifen> s;
        std::ifstream ein(ZENARO_QUELLDATEN_DIR "/constellation-boundaries-1875.dat");
        std::string zeile;
        while (std::getline(ein, zeile)) {
            if (zeile.empty() || zeile[0] == '#') continue;
            std::istringstream z(zeile);
            Streifen st;
            z >> st.RaVon >> st.RaBis >> st.DecVon >> st.Kuerzel;
            st.Kuerzel = Gross(st.Kuerzel);
            s.push_back(st);
        }
        return s;
    }();
    return streifen;
}

const std::string& StreifenSuche(Extended ra, Extended dec) {
    static const std::string keins = "???";
    if (ra < 0.0L) ra += 24.0L;
    if (ra >= 24.0L) ra -= 24.0L;
    dec = std::clamp(dec, -90.0L, 90.0L);
    for (const Streifen& s : Grenzstreifen())
        if (s.RaVon <= ra && ra < s.RaBis && s.DecVon <= dec) return s.Kuerzel;
    return keins;
}

// The box table must name the strip table's constellation at every combination of
// the given places; on a bound line, where the box table lets the later box win, it
// must name one of the constellations that meet at the point.
void PruefePunkte(const std::vector<Extended>& raWerte, const std::vector<Extended>& decWerte) {
    int abweichungen = 0;
    for (const Extended dec : decWerte) {
        for (const Extended ra : raWerte) {
            const std::string box = SternbildImKasten(ra, dec);
            if (box == StreifenSuche(ra, dec)) continue;
            bool nachbar = false;
            for (int dr = -1; dr <= 1; ++dr)
                for (int dd = -1; dd <= 1; ++dd)
                    nachbar = nachbar || box == StreifenSuche(ra + dr * 1e-6L, dec + dd * 1e-6L);
            if (!nachbar && ++abweichungen <= 10)
                ADD_FAILURE() << "at " << static_cast<double>(ra) << " h "
                              << static_cast<double>(dec) << " deg: boxes " << box << ", strips "
                              << StreifenSuche(ra, dec);
        }
    }
    EXPECT_EQ(abweichungen, 0);
}

std::string Sternbild(Extended ra, Extended dec, Extended aequinoktium) {
    std::string abbr = "xyz";
    const std::string ergebnis = CONSTFIND(ra, dec, aequinoktium, abbr);
    EXPECT_EQ(ergebnis, abbr);
    return ergebnis;
}

template <typename F>
void ErwarteLaufzeitfehler(F f, std::int32_t nummer) {
    try {
        f();
        ADD_FAILURE() << "no runtime error " << nummer;
    } catch (const ELaufzeitfehler& e) {
        EXPECT_EQ(e.Nummer(), nummer);
    }
}

TEST(ARCSINRAD, DocumentedValuesAndDomain) {
    EXPECT_EQ(ARCSINRAD(1.0L), Pi / 2.0L);
    EXPECT_EQ(ARCSINRAD(-1.0L), -Pi / 2.0L);
    EXPECT_EQ(ARCSINRAD(5e-8L), 5e-8L);
    EXPECT_EQ(ARCSINRAD(0.0L), 0.0L);
    EXPECT_NEAR(static_cast<double>(ARCSINRAD(0.5L)), static_cast<double>(Pi / 6.0L), 1e-15);
    EXPECT_NEAR(static_cast<double>(ARCSINRAD(-0.999L)), std::asin(-0.999), 1e-14);
    // Extended precision throughout: a step through double would be off by ~1e-17.
    EXPECT_LE(std::fabs(ARCSINRAD(0.5L) - Pi / 6.0L), 1e-18L);
    EXPECT_LE(std::fabs(ARCSINRAD(-0.999L) - std::asin(-0.999L)), 1e-18L);
    EXPECT_LE(std::fabs(ARCSINRAD(2e-7L) - std::asin(2e-7L)), 1e-24L);
    ErwarteLaufzeitfehler([] { ARCSINRAD(1.0000001L); }, FehlerUngueltigeGleitkommaoperation);
    ErwarteLaufzeitfehler([] { ARCSINRAD(std::numeric_limits<Extended>::quiet_NaN()); },
                          FehlerUngueltigeGleitkommaoperation);
}

TEST(Sternbildtabelle, BoxesLieInRangeAndFollowTheLatinNames) {
    ASSERT_EQ(CONSTCOUNT % 2, 0);
    const std::int32_t kaesten = CONSTCOUNT / 2;
    EXPECT_GT(kaesten, 560);
    EXPECT_LT(kaesten, 600);
    for (std::int32_t i = 1; i <= kaesten; ++i) {
        SCOPED_TRACE(i);
        EXPECT_LE(0.0L, CONSTRA[2 * i - 1]);
        EXPECT_LT(CONSTRA[2 * i - 1], CONSTRA[2 * i]);
        EXPECT_LE(CONSTRA[2 * i], 24.0L);
        EXPECT_LE(-90.0L, CONSTDEC[2 * i]);
        EXPECT_LT(CONSTDEC[2 * i], CONSTDEC[2 * i - 1]);
        EXPECT_LE(CONSTDEC[2 * i - 1], 88.0L);
    }

    // The constellations in the order of the IAU list (alphabetical by Latin
    // name), each a contiguous run of boxes; Serpens is one, Crux is "CRU".
    std::vector<std::string> reihenfolge;
    std::ifstream ein(ZENARO_QUELLDATEN_DIR "/constellation-names.dat");
    std::string zeile;
    while (std::getline(ein, zeile))
        if (!zeile.empty() && zeile[0] != '#') reihenfolge.push_back(Gross(zeile.substr(0, 3)));
    ASSERT_EQ(reihenfolge.size(), 88u);
    std::vector<std::string> laeufe;
    for (std::int32_t i = 1; i <= kaesten; ++i) {
        const std::string abbr = CONSTABBR[i];
        EXPECT_EQ(abbr, Gross(abbr));
        if (laeufe.empty() || laeufe.back() != abbr) laeufe.push_back(abbr);
    }
    EXPECT_EQ(laeufe, reihenfolge);

    int crux = 0;
    for (std::int32_t i = 1; i <= kaesten; ++i) {
        if (std::string(CONSTABBR[i]) != "CRU") continue;
        ++crux;
        EXPECT_EQ(CONSTRA[2 * i - 1], 11.8333L);
        EXPECT_EQ(CONSTRA[2 * i], 12.8333L);
        EXPECT_EQ(CONSTDEC[2 * i - 1], -55.0L);
        EXPECT_EQ(CONSTDEC[2 * i], -64.0L);
    }
    EXPECT_EQ(crux, 1);
}

TEST(Sternbildtabelle, ReadingOutsideTheTableRaisesRangeCheck) {
    ErwarteLaufzeitfehler([] { (void)CONSTRA[0]; }, FehlerBereichsueberschreitung);
    ErwarteLaufzeitfehler([] { (void)CONSTDEC[CONSTCOUNT + 1]; }, FehlerBereichsueberschreitung);
    ErwarteLaufzeitfehler([] { (void)CONSTABBR[CONSTCOUNT / 2 + 1]; },
                          FehlerBereichsueberschreitung);
}

TEST(Sternbildtabelle, AgreesWithThePublishedBoundaries) {
    ASSERT_GT(Grenzstreifen().size(), 300u);
    // Every 0.2 h by 0.2 degree, poles and 24 h included.
    std::vector<Extended> raGitter, decGitter;
    for (int k = 0; k <= 120; ++k) raGitter.push_back(k / 5.0L);
    for (int m = -450; m <= 450; ++m) decGitter.push_back(m / 5.0L);
    PruefePunkte(raGitter, decGitter);

    // One point in every cell of the bound lines of both tables, on every line and
    // at every corner: no box, however narrow, escapes.
    std::set<Extended> raLinien{0.0L, 24.0L}, decLinien{-90.0L, 90.0L};
    for (const Streifen& s : Grenzstreifen()) {
        raLinien.insert({s.RaVon, s.RaBis});
        decLinien.insert(s.DecVon);
    }
    for (std::int32_t i = 1; i <= CONSTCOUNT; ++i) {
        raLinien.insert(CONSTRA[i]);
        decLinien.insert(CONSTDEC[i]);
    }
    auto mitMitten = [](const std::set<Extended>& linien) {
        std::vector<Extended> werte(linien.begin(), linien.end());
        for (auto a = linien.begin(), b = std::next(a); b != linien.end(); ++a, ++b)
            werte.push_back((*a + *b) / 2.0L);
        return werte;
    };
    PruefePunkte(mitMitten(raLinien), mitMitten(decLinien));
}

TEST(SternbildImKasten, PositionOnASharedEdgeTakesTheLaterBox) {
    // Andromeda above, Triangulum and Pegasus below: the later box wins on the line.
    EXPECT_EQ(SternbildImKasten(2.2L, 36.75L), "TRI");
    EXPECT_EQ(SternbildImKasten(2.2L, 36.7501L), "AND");
    EXPECT_EQ(SternbildImKasten(23.1L, 34.5L), "PEG");
    EXPECT_EQ(SternbildImKasten(23.1L, 34.5001L), "AND");
    // The boxes reach +88 degrees inclusive; north of it the polar cap has no box.
    EXPECT_EQ(SternbildImKasten(4.0L, 88.0L), "CEP");
    EXPECT_EQ(SternbildImKasten(4.0L, 88.0001L), "UMI");
    EXPECT_EQ(SternbildImKasten(4.0L, 90.0L), "UMI");
    EXPECT_EQ(SternbildImKasten(4.0L, -90.0L), "OCT");
}

TEST(CONSTFIND, Equinox1875IsTheIdentity) {
    EXPECT_EQ(Sternbild(23.0L, 40.0L, 1875.0L), "AND");
    EXPECT_EQ(Sternbild(12.0L, 89.5L, 1875.0L), "UMI");
    EXPECT_EQ(Sternbild(20.0L, -89.0L, 1875.0L), "OCT");
    EXPECT_EQ(Sternbild(12.3L, -60.0L, 1875.0L), "CRU");
    // Any year of 1875 is truncated to 1875: the position just inside Crux stays.
    EXPECT_EQ(Sternbild(12.3L, -63.999L, 1875.999L), "CRU");
    EXPECT_EQ(Sternbild(12.3L, -64.001L, 1875.5L), "MUS");
}

TEST(CONSTFIND, BrightStarsOfJ2000) {
    struct Stern {
        const char* name;
        Extended raGrad, dec;
        const char* sternbild;
    };
    // J2000 places (degrees) from the Yale Bright Star Catalogue.
    const Stern sterne[] = {
        {"alpha CMa", 101.287083L, -16.716111L, "CMA"},
        {"alpha Lyr", 279.234583L, 38.783611L, "LYR"},
        {"alpha UMi", 37.952917L, 89.264167L, "UMI"},
        {"alpha1 Cru", 186.649583L, -63.099167L, "CRU"},
        {"alpha Car", 95.987917L, -52.695833L, "CAR"},
        {"alpha Ori", 88.792917L, 7.406944L, "ORI"},
        {"alpha Cyg", 310.357917L, 45.280278L, "CYG"},
        {"alpha Sco", 247.351667L, -26.431944L, "SCO"},
        {"alpha PsA", 344.412917L, -29.622222L, "PSA"},
        {"alpha1 Cen", 219.899583L, -60.835278L, "CEN"},
        {"alpha Eri", 24.428750L, -57.236667L, "ERI"},
        {"alpha Ser", 236.067083L, 6.425556L, "SER"},
        {"alpha Oct", 316.179167L, -77.023889L, "OCT"},
        {"alpha2 CVn", 194.007083L, 38.318333L, "CVN"},
        {"alpha CrA", 287.367917L, -37.904444L, "CRA"},
        {"alpha TrA", 252.166250L, -69.027778L, "TRA"},
        {"alpha Boo", 213.915417L, 19.182500L, "BOO"},
        {"alpha Tau", 68.980000L, 16.509167L, "TAU"},
        {"alpha UMa", 165.932083L, 61.750833L, "UMA"},
        {"alpha Peg", 346.190417L, 15.205278L, "PEG"},
    };
    for (const Stern& s : sterne)
        EXPECT_EQ(Sternbild(s.raGrad / 15.0L, s.dec, 2000.0L), s.sternbild) << s.name;
}

TEST(CONSTFIND, PrecessesTheEquinoxOfTheDateTo1875) {
    // Places of 1875 just inside Crux, given for the equinoxes 2000 and 1950: taken
    // as places of 1875 they would lie in Musca and Centaurus.
    EXPECT_EQ(Sternbild(12.4157498L, -64.6430515L, 2000.0L), "CRU");
    EXPECT_EQ(Sternbild(12.4157498L, -64.6430515L, 1875.0L), "MUS");
    EXPECT_EQ(Sternbild(12.3690571L, -64.3661146L, 1950.0L), "CRU");
    EXPECT_EQ(Sternbild(12.9453942L, -60.6776025L, 2000.0L), "CRU");
    EXPECT_EQ(Sternbild(12.9453942L, -60.6776025L, 1875.0L), "CEN");
    EXPECT_EQ(Sternbild(12.8948531L, -60.4072361L, 1950.0L), "CRU");
    // The equinox counts by its whole year only.
    EXPECT_EQ(Sternbild(12.4157498L, -64.6430515L, 2000.999L), "CRU");
}

TEST(CONSTFIND, PrecessionHoldsTheBoundariesToArcSeconds) {
    struct Paar {
        Extended ra2000, dec2000, ra1950, dec1950;
        const char* sternbild;
    };
    // Places 0.001 degree (dec) or 0.0001 h (ra) of 1875 either side of the Crux
    // box's four edges, precessed to 2000 and 1950.
    const Paar paare[] = {
        {12.4129866L, -55.6920748L, 12.3675254L, -55.4151218L, "CEN"},  // north of -55
        {12.4129871L, -55.6940748L, 12.3675257L, -55.4171218L, "CRU"},
        {12.4157698L, -64.6920513L, 12.3690682L, -64.4151145L, "CRU"},  // north of -64
        {12.4157706L, -64.6940513L, 12.3690687L, -64.4171145L, "MUS"},
        {11.9374834L, -60.6957901L, 11.8955008L, -60.4174520L, "CEN"},  // west of 11.8333 h
        {11.9376877L, -60.6957912L, 11.8957034L, -60.4174528L, "CRU"},
        {12.9574076L, -58.6770723L, 12.9073742L, -58.4069207L, "CRU"},  // west of 12.8333 h
        {12.9576115L, -58.6770638L, 12.9075765L, -58.4069157L, "CEN"},
    };
    for (const Paar& p : paare) {
        EXPECT_EQ(Sternbild(p.ra2000, p.dec2000, 2000.0L), p.sternbild);
        EXPECT_EQ(Sternbild(p.ra1950, p.dec1950, 1950.0L), p.sternbild);
    }
}

TEST(CONSTFIND, EveryPrecessionTermCountsAtDistantEquinoxes) {
    struct Ort {
        Extended aequinoktium, ra, dec;
        const char* sternbild;
    };
    // Places 0.000001 degree (dec) or 0.0000001 h (ra) of 1875 either side of the
    // Crux box's four edges, carried back to the equinoxes 2500 and 1250 (Julian
    // calendar) by the IAU 1976 angles computed to 40 digits. Over six centuries
    // from starting epochs five and seven centuries off J2000 every higher term of
    // zeta, z and theta moves these places across their edge when it is left out.
    const Ort orte[] = {
        {2500.0L, 12.88929916675515L, -58.43216919059385L, "CEN"},  // north of -55
        {2500.0L, 12.88929917111535L, -58.43217119030076L, "CRU"},
        {2500.0L, 12.9159521382368L, -67.43037749444293L, "CRU"},  // north of -64
        {2500.0L, 12.91595214634881L, -67.4303794938976L, "MUS"},
        {2500.0L, 12.3798986819612L, -63.47268938156632L, "CEN"},  // west of 11.8333 h
        {2500.0L, 12.37989890586159L, -63.4726893762221L, "CRU"},
        {2500.0L, 13.4862171269922L, -61.31569114011954L, "CRU"},  // west of 12.8333 h
        {2500.0L, 13.48621734765753L, -61.31569108310143L, "CEN"},
        {1250.0L, 11.7648160788546L, -51.51696148329229L, "CEN"},
        {1250.0L, 11.76481607867152L, -51.51696348329156L, "CRU"},
        {1250.0L, 11.76377866722487L, -60.5169573461618L, "CRU"},
        {1250.0L, 11.76377866693219L, -60.51695934616063L, "MUS"},
        {1250.0L, 11.34126883908289L, -56.53711894598882L, "CEN"},
        {1250.0L, 11.34126902042644L, -56.53711892728175L, "CRU"},
        {1250.0L, 12.2515110393979L, -54.55176887029308L, "CRU"},
        {1250.0L, 12.25151122211712L, -54.55176889491156L, "CEN"},
    };
    for (const Ort& o : orte) {
        SCOPED_TRACE(static_cast<double>(o.aequinoktium));
        EXPECT_EQ(Sternbild(o.ra, o.dec, o.aequinoktium), o.sternbild);
        // The fraction of the year is dropped, the whole year kept.
        EXPECT_EQ(Sternbild(o.ra, o.dec, o.aequinoktium + 0.9L), o.sternbild);
    }
}

TEST(CONSTFIND, LeadingRatesAreTheDocumentedOnes) {
    struct Ort {
        Extended ra, dec;
        const char* sternbild;
    };
    // Places 0.00000002 degree (dec) or 0.00000001 h (ra) of 1875 either side of
    // the Crux box's edges, carried back to the equinox 9875 with the rates
    // 0.0111808604 (zeta, z) and 0.0097171739 (theta) radians per century. Over
    // eighty centuries the rates converted from 2306.2181 and 2004.3109 arc seconds
    // (0.01118086087, 0.00971717346) move three of these places across their edge.
    const Ort orte[] = {
        {23.626696535575022L, -56.003775955190666L, "CEN"},  // north of -55
        {23.626696540052676L, -56.003775968962594L, "CRU"},
        {0.70252184990887912L, -58.101160101223822L, "CRU"},  // north of -64
        {0.70252185492223539L, -58.101160105799291L, "MUS"},
        {0.12804209818749268L, -60.868330839463548L, "CEN"},  // west of 11.8333 h
        {0.12804210097926195L, -60.868330690855337L, "CRU"},
        {0.12523604035581166L, -52.907353286620197L, "CRU"},  // west of 12.8333 h
        {0.12523604657472211L, -52.907353137932194L, "CEN"},
    };
    for (const Ort& o : orte) EXPECT_EQ(Sternbild(o.ra, o.dec, 9875.0L), o.sternbild);
}

TEST(CONSTFIND, CatalogueStarsAwayFromBoundaries) {
    // bsc.csv: flamsteed,bayer,bayer_sup,name,const,ra_deg,dec_deg,vmag (J2000).
    std::ifstream ein(ZENARO_QUELLDATEN_DIR "/catalogues/bsc.csv");
    ASSERT_TRUE(ein);
    std::string zeile;
    std::getline(ein, zeile);
    int geprueft = 0, randnah = 0;
    while (std::getline(ein, zeile)) {
        std::vector<std::string> feld;
        std::istringstream z(zeile);
        for (std::string f; std::getline(z, f, ',');) feld.push_back(f);
        ASSERT_GE(feld.size(), 7u) << zeile;
        const Extended ra = std::stold(feld[5]) / 15.0L, dec = std::stold(feld[6]);
        const std::string erwartet = Gross(feld[4]);
        const std::string gefunden = Sternbild(ra, dec, 2000.0L);
        // Stars within about 0.02 degree of a boundary are left out.
        const Extended d = 0.02L, dra = d / 15.0L / std::max(0.02L, std::cos(dec * Pi / 180.0L));
        if (Sternbild(ra + dra, dec, 2000.0L) != gefunden ||
            Sternbild(ra - dra, dec, 2000.0L) != gefunden ||
            Sternbild(ra, std::min(90.0L, dec + d), 2000.0L) != gefunden ||
            Sternbild(ra, std::max(-90.0L, dec - d), 2000.0L) != gefunden) {
            ++randnah;
            continue;
        }
        ++geprueft;
        EXPECT_EQ(gefunden, erwartet) << zeile;
    }
    EXPECT_GT(geprueft, 8900);
    EXPECT_LT(randnah, 200);
}

TEST(CONSTFIND, PolesAndAnglesOutsideTheirRange) {
    for (Extended ra : {0.0L, 5.0L, 12.0L, 23.99L}) {
        EXPECT_EQ(Sternbild(ra, 90.0L, 2000.0L), "UMI");
        EXPECT_EQ(Sternbild(ra, -90.0L, 2000.0L), "OCT");
        EXPECT_EQ(Sternbild(ra, 90.0L, 1875.0L), "UMI");
        EXPECT_EQ(Sternbild(ra, -90.0L, 1875.0L), "OCT");
    }
    // Right ascensions are angles: 25 h is 1 h, -1 h is 23 h.
    EXPECT_EQ(Sternbild(25.5L, 20.0L, 2000.0L), Sternbild(1.5L, 20.0L, 2000.0L));
    EXPECT_EQ(Sternbild(-1.0L, -30.0L, 2000.0L), Sternbild(23.0L, -30.0L, 2000.0L));
}

TEST(CONSTFIND, InvalidNumbersRaiseRuntimeErrors) {
    constexpr Extended nan = std::numeric_limits<Extended>::quiet_NaN();
    constexpr Extended inf = std::numeric_limits<Extended>::infinity();
    std::string abbr = "ABC";
    ErwarteLaufzeitfehler([&] { CONSTFIND(nan, 10.0L, 2000.0L, abbr); },
                          FehlerUngueltigeGleitkommaoperation);
    ErwarteLaufzeitfehler([&] { CONSTFIND(10.0L, -inf, 2000.0L, abbr); },
                          FehlerUngueltigeGleitkommaoperation);
    ErwarteLaufzeitfehler([&] { CONSTFIND(1e4932L, 10.0L, 2000.0L, abbr); },
                          FehlerUngueltigeGleitkommaoperation);
    ErwarteLaufzeitfehler([&] { CONSTFIND(10.0L, 10.0L, nan, abbr); },
                          FehlerUngueltigeGleitkommaoperation);
    ErwarteLaufzeitfehler([&] { CONSTFIND(10.0L, 10.0L, 1e12L, abbr); },
                          FehlerBereichsueberschreitung);
    ErwarteLaufzeitfehler([&] { CONSTFIND(10.0L, 10.0L, -2e9L, abbr); },
                          FehlerArithmetischerUeberlauf);
    EXPECT_EQ(abbr, "ABC");  // an operation that failed left the abbreviation alone
}

}  // namespace
}  // namespace zenaro
