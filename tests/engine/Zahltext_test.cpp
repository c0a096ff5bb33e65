#include "engine/Zahltext.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using namespace zenaro;

TEST(ZahlText, RightAlignedToAtLeastTheWidthAndNeverCut) {
    EXPECT_EQ(ZahlText(10.0L, 5, 1), " 10.0");
    EXPECT_EQ(ZahlText(150.0L, 5, 1), "150.0");
    EXPECT_EQ(ZahlText(12345.678L, 5, 1), "12345.7");
    EXPECT_EQ(ZahlText(-3.14159L, 8, 3), "  -3.142");
    EXPECT_EQ(ZahlText(7.0L, 3, 0), "  7");
    EXPECT_EQ(ZahlText(0.0L, 0, 0), "0");
    EXPECT_EQ(ZahlText(0.0L, 6, 2), "  0.00");
    EXPECT_EQ(ZahlText(0.25L, 0, 2), "0.25");
    EXPECT_EQ(ZahlText(5.0L, -4, 1), "5.0");
    // Negative decimals count as none.
    EXPECT_EQ(ZahlText(5.4L, 0, -2), "5");
    EXPECT_EQ(ZahlText(1.5L, 0, 25), "1.5000000000000000000000000");
}

TEST(ZahlText, RoundsHalfAwayFromZeroOnTheDigitsAsTyped) {
    EXPECT_EQ(ZahlText(2.5L, 0, 0), "3");
    EXPECT_EQ(ZahlText(3.5L, 0, 0), "4");
    EXPECT_EQ(ZahlText(-2.5L, 0, 0), "-3");
    EXPECT_EQ(ZahlText(0.125L, 0, 2), "0.13");
    // Values that are not exact in binary round as their decimal text.
    EXPECT_EQ(ZahlText(0.15L, 0, 1), "0.2");
    EXPECT_EQ(ZahlText(1.005L, 0, 2), "1.01");
    EXPECT_EQ(ZahlText(2.675L, 0, 2), "2.68");
    EXPECT_EQ(ZahlText(0.0049999L, 0, 2), "0.00");
    EXPECT_EQ(ZahlText(0.6L, 0, 0), "1");
    EXPECT_EQ(ZahlText(0.4L, 0, 0), "0");
    EXPECT_EQ(ZahlText(0.0004L, 0, 2), "0.00");
    // A carry adds a digit in front.
    EXPECT_EQ(ZahlText(9.96L, 4, 1), "10.0");
    EXPECT_EQ(ZahlText(999.95L, 5, 1), "1000.0");
    EXPECT_EQ(ZahlText(-99.999L, 0, 2), "-100.00");
    // The sign is the sign bit: a negative number that rounds to zero and -0 keep it.
    EXPECT_EQ(ZahlText(-0.04L, 5, 1), " -0.0");
    EXPECT_EQ(ZahlText(-0.0L, 0, 1), "-0.0");
}

TEST(ZahlText, TakesSeventeenDecimalsOfTheUnitsDigitBeforeRoundingHalfUp) {
    // 10^-18 below a half: 17 decimals make it the half, which rounds up.
    EXPECT_EQ(ZahlText(0.25L - 1e-18L, 0, 1), "0.3");
    EXPECT_EQ(ZahlText(2.5L - 4e-18L, 0, 0), "3");
    EXPECT_EQ(ZahlText(2.5L - 1e-17L, 0, 0), "2");
    // Small numbers keep only the places down to 10^-17.
    EXPECT_EQ(ZahlText(1.234e-16L, 0, 20), "0.00000000000000012000");
    // Just below 10 the 17 decimals carry into a second whole digit.
    EXPECT_EQ(ZahlText(9.999999999999999999L, 0, 1), "10.0");
}

TEST(ZahlText, LargeSmallAndNonFiniteValues) {
    EXPECT_EQ(ZahlText(1.0e20L, 0, 0), "100000000000000000000");
    // Scaled to 12.3...: 17 decimals of its units digit, then zeros.
    EXPECT_EQ(ZahlText(123456789012345678901.0L, 0, 1), "123456789012345678900.0");
    // Up to a decimal exponent of 35 the number is written out in full.
    EXPECT_EQ(ZahlText(1.0e36L, 0, 0), "1000000000000000000000000000000000000");
    EXPECT_EQ(ZahlText(1.0e-30L, 0, 3), "0.000");
    // From 2^120 on the exponent form with width - 8 digits, at least 2, at most 18.
    EXPECT_EQ(ZahlText(1.0e37L, 12, 2), " 1.000E+0037");
    EXPECT_EQ(ZahlText(-2.0e40L, 0, 0), "-2.0E+0040");
    EXPECT_EQ(ZahlText(2.0e40L, std::numeric_limits<std::int32_t>::min(), 0), " 2.0E+0040");
    // Scaled to 11.9 with its leading "1" apart, the rounding falls one digit behind
    // the last one shown, as in the runtime.
    EXPECT_EQ(ZahlText(std::numeric_limits<Extended>::max(), 0, 0), " 1.1E+4932");
    EXPECT_EQ(ZahlText(1.0e100L, 26, 3), " 1.00000000000000000E+0100");
    EXPECT_EQ(ZahlText(1.0e100L, 30, 3), "     1.00000000000000000E+0100");
    // Widths beyond 255 and decimals beyond 216 are cut to those of the runtime.
    EXPECT_EQ(ZahlText(1.0L, 100000, 0).size(), 255u);
    EXPECT_EQ(ZahlText(1.0L, 0, 2000000000).size(), 218u);
    EXPECT_EQ(ZahlText(std::numeric_limits<Extended>::quiet_NaN(), 5, 1), "  Nan");
    EXPECT_EQ(ZahlText(std::numeric_limits<Extended>::infinity(), 0, 2), "+Inf");
    EXPECT_EQ(ZahlText(-std::numeric_limits<Extended>::infinity(), 6, 2), "  -Inf");
}

namespace {

// Reads text; the value stays at the marker 4711 when the reading fails.
struct Gelesen {
    bool ok;
    Extended wert;
};

Gelesen Lies(const std::string& text) {
    Gelesen g{false, 4711.0L};
    g.ok = ZahlLesen(text, g.wert);
    return g;
}

}  // namespace

TEST(ZahlLesen, AcceptsBlanksSignsDecimalsAndExponents) {
    const struct {
        const char* text;
        Extended wert;
    } faelle[] = {
        {"12.5", 12.5L}, {"  7", 7.0L},     {"-3", -3.0L},         {"+2.5E-3", 2.5e-3L},
        {"1e5", 1.0e5L}, {"1E+05", 1.0e5L}, {"   -0.25", -0.25L},  {"007", 7.0L},
        {"5.", 5.0L},    {"-0", 0.0L},      {"6.02e23", 6.02e23L}, {"1.5e-3", 1.5e-3L},
        {"2.50", 2.5L},  {"+0.0", 0.0L},    {"-45.5", -45.5L},     {"360", 360.0L},
    };
    for (const auto& fall : faelle) {
        const Gelesen g = Lies(fall.text);
        EXPECT_TRUE(g.ok) << fall.text;
        EXPECT_EQ(g.wert, fall.wert) << fall.text;
    }
}

TEST(ZahlLesen, RefusesEveryOtherTextAndKeepsTheValue) {
    for (const char* text : {"",
                             " ",
                             "   ",
                             "- 5",
                             "+ 5",
                             "5 ",
                             "1.5 ",
                             "1,5",
                             "1,",
                             "abc",
                             "5a",
                             "1e",
                             "1e+",
                             "1E-",
                             "e5",
                             "+",
                             "-",
                             ".",
                             ".5",
                             "-.5",
                             "1.2.3",
                             "1e5.5",
                             "0x10",
                             "inf",
                             "nan",
                             "--5",
                             "+-5",
                             "\t5",
                             "5\t",
                             "1 000",
                             "1e 5",
                             "\xC2\xA0"
                             "5"}) {
        const Gelesen g = Lies(text);
        EXPECT_FALSE(g.ok) << "[" << text << "]";
        EXPECT_EQ(g.wert, 4711.0L) << "[" << text << "]";
    }
    EXPECT_FALSE(Lies(std::string("5\0", 2)).ok);
    EXPECT_FALSE(Lies(std::string("\0"
                                  "5",
                                  2))
                     .ok);
}

TEST(ZahlLesen, ConvertsCorrectlyRoundedToExtended) {
    // The nearest extended real, as the compiler reads the same literal.
    EXPECT_EQ(Lies("0.1").wert, 0.1L);
    EXPECT_EQ(Lies("3.14159265358979323846").wert, 3.14159265358979323846L);
    EXPECT_EQ(Lies("0.0174532925199433").wert, 0.0174532925199433L);
    EXPECT_EQ(Lies("-1.2345678901234567890123e-7").wert, -1.2345678901234567890123e-7L);
    EXPECT_NE(Lies("0.1").wert, static_cast<Extended>(0.1));
    EXPECT_EQ(Lies("1.18973149535723176502e+4932").wert, std::numeric_limits<Extended>::max());
    // Beyond the range of an extended real the field is refused; below its smallest
    // value it reads as zero.
    EXPECT_FALSE(Lies("1e5000").ok);
    EXPECT_FALSE(Lies("-1e5000").ok);
    const Gelesen klein = Lies("1e-5000");
    EXPECT_TRUE(klein.ok);
    EXPECT_EQ(klein.wert, 0.0L);
}

TEST(GanzzahlLesen, BlanksSignAndDigitsWithinThirtyTwoBits) {
    std::int32_t w = 7;
    EXPECT_TRUE(GanzzahlLesen("  -12", w));
    EXPECT_EQ(w, -12);
    EXPECT_TRUE(GanzzahlLesen("+2147483647", w));
    EXPECT_EQ(w, 2147483647);
    EXPECT_TRUE(GanzzahlLesen("-2147483648", w));
    EXPECT_EQ(w, -2147483647 - 1);
    w = 7;
    for (const char* falsch : {"", "   ", "-", "1 ", "- 1", "1.0", "0x10", "2147483648", "12a"})
        EXPECT_FALSE(GanzzahlLesen(falsch, w)) << falsch;
    EXPECT_EQ(w, 7);
}

TEST(ZahlTextUndLesen, TheWrittenTextReadsBack) {
    for (Extended x : {0.0L, 1.5L, -273.15L, 12.3L, 99.95L, 1234567.25L, -0.5L}) {
        const std::string text = ZahlText(x, 12, 2);
        Extended y = 0.0L;
        ASSERT_TRUE(ZahlLesen(text, y)) << text;
        EXPECT_NEAR(y, x, 0.005L) << text;
    }
}
