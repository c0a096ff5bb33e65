// The check that the live settings hold their defaults, as the program start and
// the reset to defaults leave them.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/ZenaroDef.hpp"

namespace zenaro::test {

// Every setting at its default, with the start and stop date the given day.
inline void ErwarteEinstellungsvorgaben(const std::string& datum) {
    EXPECT_EQ(Startdatum.Text(), datum);
    EXPECT_EQ(Stopdatum.Text(), datum);
    EXPECT_EQ(Startzeit.Text(), "01:00");
    EXPECT_EQ(Stopzeit.Text(), "01:00");
    EXPECT_EQ(SchrittTage, 1);
    EXPECT_EQ(SchrittStunden, 0.0L);
    EXPECT_EQ(ZonenIndex, 1);
    EXPECT_TRUE(DeepSkyAnzeigen);
    EXPECT_EQ(DeepSkyRadius, 2.0L);
    EXPECT_EQ(Grenzgroesse, 12.0L);
    EXPECT_EQ(KonjRadius, 2.0L);
    EXPECT_EQ(KonjGrenzgroesse, 12.0L);
    EXPECT_FALSE(AlleObjekte);
    EXPECT_TRUE(NurSichtbare);
    EXPECT_EQ(DaemmerungsHoehe, -18);
}

}  // namespace zenaro::test
