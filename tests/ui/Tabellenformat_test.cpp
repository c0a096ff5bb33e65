// The columns shared by the ephemeris and conjunction tables: the date column with
// a month that no calendar has, and degrees with minutes in either width.
#include "ui/Tabellenformat.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "engine/ZenaroDef.hpp"

namespace zenaro {
namespace {

class TabellenformatTest : public ::testing::Test {
protected:
    void TearDown() override { Englisch = false; }
    ShortString<2> mo = "Mo";
};

TEST_F(TabellenformatTest, DateColumnWritesAMonthOutsideTheCalendarAsItsNumber) {
    Englisch = false;
    EXPECT_EQ(DatumZeitSpalte(mo, 5, 12, 2026, 1.3L), "Mo 05.Dez.2026 01:30 ");
    Englisch = true;
    EXPECT_EQ(DatumZeitSpalte(mo, 5, 12, 2026, 13.3L), "Mo 05.Dec.2026 13:30 ");
    // Damaged rows give the whole column instead of a range error that would stop
    // the table.
    EXPECT_EQ(DatumZeitSpalte(mo, 5, 13, 2026, 1.3L), "Mo 05.13.2026 01:30 ");
    EXPECT_EQ(DatumZeitSpalte(mo, 5, 0, 2026, 1.3L), "Mo 05.0.2026 01:30 ");
    EXPECT_NO_THROW(MonatsText(std::numeric_limits<Extended>::quiet_NaN()));
}

TEST_F(TabellenformatTest, DegreesAndMinutesInTheWidthOfEachTable) {
    const Extended winkel = 1.0L + 5.0L / 60.0L;
    EXPECT_EQ(GradMinutenText(winkel, 2),
              " 1\xB0"
              "05");
    EXPECT_EQ(GradMinutenText(winkel, 1),
              "1\xB0"
              "05");
    EXPECT_EQ(GradMinutenText(0.75L, 1),
              "0\xB0"
              "45");
    EXPECT_EQ(GradMinutenText(12.5L, 1),
              "12\xB0"
              "30");
}

}  // namespace
}  // namespace zenaro
