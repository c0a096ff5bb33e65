// The data directory shipped with the program (data/): every file loads with the
// program's loaders, fills its table without overflow, and carries the catalogue
// values in the documented fields and units.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Datendateien.hpp"

namespace zenaro {
namespace {

class MitgelieferteDaten : public ::testing::Test {
protected:
    void SetUp() override {
        DatenVerzeichnis = std::string(ZENARO_SOURCE_DIR) + "/data/";
        UeberzaehligeDateien.clear();
    }
    void TearDown() override { DatenVerzeichnis.clear(); }
};

TEST_F(MitgelieferteDaten, CataloguesFitTheirTablesAndKeepTheNgcSlotOfTheStart) {
    ASSERT_TRUE(NGCLesen());
    ASSERT_TRUE(ICLesen());
    ASSERT_TRUE(SterneLesen());
    EXPECT_EQ(AnzahlNGC, MaxNGC - 1);
    EXPECT_EQ(AnzahlIC, 5379);
    EXPECT_EQ(AnzahlSterne, 9096);
    EXPECT_TRUE(UeberzaehligeDateien.empty());

    const TDeepSkyObjekt& m31 = NGCKatalog[224];
    EXPECT_EQ(m31.Nummer, 224);
    EXPECT_EQ(m31.RA, 10.684792L);  // degrees, not hours
    EXPECT_EQ(m31.Dek, 41.269056L);
    EXPECT_EQ(m31.Typ, " Gx");
    EXPECT_EQ(m31.Hell, 3.44L);
    EXPECT_EQ(m31.Groesse, 177.83L);
    EXPECT_EQ(m31.Sternbild, "AND");
    EXPECT_EQ(m31.Messier, 31);
    // NGC 412 is left out: from there on the slot is one below the number.
    EXPECT_EQ(NGCKatalog[411].Nummer, 411);
    EXPECT_EQ(NGCKatalog[412].Nummer, 413);
    EXPECT_EQ(NGCKatalog[MaxNGC - 1].Nummer, 7840);
    for (std::int32_t i = 1; i < AnzahlNGC; ++i) EXPECT_NE(NGCKatalog[i].Typ, "  -");

    bool ic434 = false;
    for (std::int32_t i = 1; i <= AnzahlIC; ++i) {
        const TDeepSkyObjekt& d = ICKatalog[i];
        ASSERT_GE(d.RA, 0.0L);
        ASSERT_LT(d.RA, 360.0L);
        ASSERT_LE(std::fabs(d.Dek), 90.0L);
        if (d.Nummer == 434) {
            ic434 = true;
            EXPECT_EQ(d.Typ, " Nb");
            EXPECT_EQ(d.Sternbild, "ORI");
            EXPECT_EQ(d.Hell, 11.0L);
        }
    }
    EXPECT_TRUE(ic434);

    const TStern& hr1 = Sternkatalog[1];
    EXPECT_EQ(hr1.Name, "HR 1");
    EXPECT_EQ(hr1.Flamsteed, 0);
    EXPECT_TRUE(hr1.Bayer.Leer());
    EXPECT_EQ(hr1.Hell, 6.7L);
    bool alphaCru = false;
    for (std::int32_t i = 1; i <= AnzahlSterne; ++i) {
        const TStern& s = Sternkatalog[i];
        if (s.Bayer == "alp" && s.Sternbild == "CRU" && s.BayerIndex == '1') {
            alphaCru = true;
            EXPECT_EQ(s.RA, 186.649583L);
            EXPECT_EQ(s.Dek, -63.099167L);
            EXPECT_EQ(s.Hell, 1.33L);
        }
        // Every star has a label: a Bayer letter, a Flamsteed number or a name.
        ASSERT_TRUE(!s.Bayer.Leer() || s.Flamsteed != 0 || !s.Name.Leer()) << i;
        if (!s.Bayer.Leer() && s.BayerIndex != ' ') {
            ASSERT_TRUE(s.BayerIndex >= '1' && s.BayerIndex <= '9');
        }
    }
    EXPECT_TRUE(alphaCru);
}

TEST_F(MitgelieferteDaten, SampleLocationsAndCometElements) {
    ASSERT_TRUE(OrteLesen());
    ASSERT_GE(AnzahlOrte, 10);
    bool maunaKea = false;
    bool sidingSpring = false;
    for (std::int32_t i = 1; i <= AnzahlOrte; ++i) {
        if (Orte[i].Name == "Mauna Kea Observatories") {
            maunaKea = true;
            EXPECT_EQ(Orte[i].Laenge, 155.4681L);  // west of Greenwich: positive
            EXPECT_EQ(Orte[i].Breite, 19.8207L);
        }
        if (Orte[i].Name == "Siding Spring Observatory") {
            sidingSpring = true;
            EXPECT_LT(Orte[i].Laenge, 0.0L);  // east
            EXPECT_LT(Orte[i].Breite, 0.0L);  // south
        }
    }
    EXPECT_TRUE(maunaKea);
    EXPECT_TRUE(sidingSpring);

    ASSERT_TRUE(ObjekteLesen());
    ASSERT_GE(AnzahlObjekte, 24);
    ASSERT_LE(AnzahlObjekte, 60);
    bool haleBopp = false;
    bool halley = false;
    for (std::int32_t i = 1; i <= AnzahlObjekte; ++i) {
        const TBahnelement& e = Objekte[i];
        for (std::int32_t k = 1; k <= 3; ++k) EXPECT_EQ(e.Epoche[k], e.Perihel[k]);
        EXPECT_EQ(e.MittlereAnomalie, 0.0L);
        EXPECT_EQ(e.Aequinoktium, 2000.0L);
        // The semi-major axis as the conversion forms it, in Extended arithmetic.
        if (e.Exzentrizitaet < 1.0L)
            EXPECT_EQ(e.GrosseHalbachse, e.Perihelabstand / (1.0L - e.Exzentrizitaet)) << i;
        else
            EXPECT_EQ(e.GrosseHalbachse, 0.0L);
        if (e.Name == "Hale-Bopp C/1995 O1") {
            haleBopp = true;
            EXPECT_EQ(e.Perihel[1], 1997.0L);
            EXPECT_EQ(e.Perihel[2], 3.0L);
            EXPECT_EQ(e.Perihel[3], 29.6466L);
            EXPECT_EQ(e.Perihelabstand, 0.890662L);
            EXPECT_EQ(e.Exzentrizitaet, 0.994972L);
            EXPECT_EQ(e.Perihelargument, 130.4139L);
            EXPECT_EQ(e.Knoten, 282.7613L);
            EXPECT_EQ(e.Bahnneigung, 89.2742L);
            EXPECT_EQ(e.H11, -2.0L);
            EXPECT_EQ(e.N, 4.0L);  // the list's slope: m = H + 5 log Delta + 2.5 n log r
        }
        if (e.Name == " 1P/Halley") halley = true;
    }
    EXPECT_TRUE(haleBopp);
    EXPECT_TRUE(halley);
}

}  // namespace
}  // namespace zenaro
