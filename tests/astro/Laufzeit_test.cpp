#include "astro/Laufzeit.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Laufzeitfehler.hpp"

using namespace zenaro;
using zenaro::test::FehlerNummer;

TEST(Laufzeit, RoundIsHalfToEvenAndTruncTowardZero) {
    EXPECT_EQ(Round(0.5L), 0);
    EXPECT_EQ(Round(1.5L), 2);
    EXPECT_EQ(Round(2.5L), 2);
    EXPECT_EQ(Round(-0.5L), 0);
    EXPECT_EQ(Round(-1.5L), -2);
    EXPECT_EQ(Round(2.4999L), 2);
    EXPECT_EQ(Trunc(-1.9L), -1);
    EXPECT_EQ(Trunc(1.9L), 1);
    EXPECT_EQ(Frac(-1.25L), -0.25L);
    EXPECT_EQ(Frac(1e30L), 0.0L);
    EXPECT_EQ(Int(-3.7L), -3.0L);
}

TEST(Laufzeit, ConversionsOutsideTheIntegerRangeRaiseTheRuntimeError) {
    EXPECT_EQ(Trunc(2147483647.9L), 2147483647);
    EXPECT_EQ(Trunc(-2147483648.9L), -2147483647 - 1);
    EXPECT_EQ(FehlerNummer([] { Trunc(2147483648.0L); }), FehlerBereichsueberschreitung);
    EXPECT_EQ(FehlerNummer([] { Round(-3e9L); }), FehlerBereichsueberschreitung);
    EXPECT_EQ(FehlerNummer([] { Round(std::numeric_limits<Extended>::infinity()); }),
              FehlerBereichsueberschreitung);
    EXPECT_EQ(FehlerNummer([] { Trunc(std::numeric_limits<Extended>::quiet_NaN()); }),
              FehlerUngueltigeGleitkommaoperation);
}

TEST(Laufzeit, SqrtAndLnRaiseOutsideTheirDomain) {
    EXPECT_EQ(Sqrt(4.0L), 2.0L);
    EXPECT_EQ(Sqrt(0.0L), 0.0L);
    EXPECT_EQ(FehlerNummer([] { Sqrt(-1e-30L); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_EQ(FehlerNummer([] { Ln(0.0L); }), FehlerUngueltigeGleitkommaoperation);
    EXPECT_NEAR(static_cast<double>(Ln(std::exp(1.0L))), 1.0, 1e-18);
}

TEST(Laufzeit, ErrorCarriesNumberAndText) {
    try {
        Laufzeitfehler(FehlerLesenUeberDateiende, "Orte.dat");
        FAIL();
    } catch (const ELaufzeitfehler& e) {
        EXPECT_EQ(e.Nummer(), 100);
        EXPECT_STREQ(e.what(), "Read beyond end of file (Orte.dat)");
    }
}
