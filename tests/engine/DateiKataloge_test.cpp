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
    // The whole comet list of 2022-08-24, in its order.
    ASSERT_EQ(AnzahlObjekte, 952);
    EXPECT_TRUE(UeberzaehligeDateien.empty());
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
    }

    // Known comets with the list's values; n is the list's slope parameter of
    // m = H + 5 log Delta + 2.5 n log r.
    struct Komet {
        std::int32_t platz;
        const char* name;
        Extended jahr, monat, tag, q, e, i, w, knoten, H, n;
        const char* bemerkung;
    };
    // clang-format off
    const Komet kometen[] = {
        {1, "Hale-Bopp C/1995 O1", 1997, 3, 29.6466L, 0.890662L, 0.994972L, 89.2742L,
         130.4139L, 282.7613L, -2.0L, 4.0L, "MPC106342"},
        {2, "Lagerkvist/1996 R2", 2019, 2, 12.7782L, 2.587322L, 0.314552L, 2.6009L,
         333.3845L, 40.0092L, 11.5L, 4.0L, "NK   1615"},
        {88, " P/2013 EW90", 2021, 2, 14.3781L, 3.312659L, 0.194649L, 31.792L, 346.1111L,
         160.2936L, 14.3L, 4.0L, "MPEC 2022"},
        {486, "ZTF C/2022 E3", 2023, 1, 12.7863L, 1.112247L, 1.000278L, 109.1687L,
         145.8149L, 302.554L, 7.5L, 4.0L, "MPEC 2022"},
        {503, " 1P/Halley", 1986, 2, 22.695L, 0.59863L, 0.966503L, 162.1946L, 112.1408L,
         59.2191L, 4.0L, 6.0L, "98, 1083"},
        {952, " 2I/Borisov", 2019, 12, 8.5549L, 2.006548L, 3.356636L, 44.0527L, 209.1251L,
         308.148L, 11.0L, 4.0L, "MPEC 2020"},
    };
    // clang-format on
    for (const Komet& k : kometen) {
        const TBahnelement& e = Objekte[k.platz];
        EXPECT_EQ(e.Name.Text(), k.name) << k.platz;
        EXPECT_EQ(e.Perihel[1], k.jahr) << k.name;
        EXPECT_EQ(e.Perihel[2], k.monat) << k.name;
        EXPECT_EQ(e.Perihel[3], k.tag) << k.name;
        EXPECT_EQ(e.Perihelabstand, k.q) << k.name;
        EXPECT_EQ(e.Exzentrizitaet, k.e) << k.name;
        EXPECT_EQ(e.Bahnneigung, k.i) << k.name;
        EXPECT_EQ(e.Perihelargument, k.w) << k.name;
        EXPECT_EQ(e.Knoten, k.knoten) << k.name;
        EXPECT_EQ(e.H11, k.H) << k.name;
        EXPECT_EQ(e.N, k.n) << k.name;
        EXPECT_EQ(e.Bemerkung.Text(), k.bemerkung) << k.name;
    }
}

}  // namespace
}  // namespace zenaro
