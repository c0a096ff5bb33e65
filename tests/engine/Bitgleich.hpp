// Values and rows compared to the last bit, for the tests that hold a computation
// spread over threads (or otherwise made faster) to the plain one.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "engine/ZenaroDef.hpp"

namespace zenaro::test {

static_assert(std::numeric_limits<Extended>::digits == 64, "Extended is the 80-bit format");

// The same Extended number to the last bit: its ten bytes (the sign of a zero and
// the payload of a NaN included; the padding of the type is not part of it).
inline bool GleicheBits(Extended a, Extended b) { return std::memcmp(&a, &b, 10) == 0; }

// Every field of two ephemeris rows; the message names the first field that differs.
inline ::testing::AssertionResult GleicheZeilen(const TEphemeridenZeile& a,
                                                const TEphemeridenZeile& b) {
    using Z = TEphemeridenZeile;
    const std::pair<const char*, Extended Z::*> zahlen[] = {
        {"Zeit", &Z::Zeit},
        {"RA", &Z::RA},
        {"Dek", &Z::Dek},
        {"R", &Z::R},
        {"Delta", &Z::Delta},
        {"Elongation", &Z::Elongation},
        {"MondAbstand", &Z::MondAbstand},
        {"Aufgang", &Z::Aufgang},
        {"Untergang", &Z::Untergang},
        {"Hell", &Z::Hell},
        {"TOpt", &Z::TOpt},
        {"TOptHoehe", &Z::TOptHoehe},
        {"Kulmination", &Z::Kulmination},
        {"KulmHoehe", &Z::KulmHoehe},
        {"RAproStunde", &Z::RAproStunde},
        {"DekProStunde", &Z::DekProStunde},
        {"HellAenderung", &Z::HellAenderung},
        {"Distanz", &Z::Distanz},
    };
    const std::pair<const char*, bool> sonst[] = {
        {"ObjektNr", a.ObjektNr == b.ObjektNr},
        {"Wochentag", a.Wochentag == b.Wochentag},
        {"Datum", a.Jahr == b.Jahr && a.Monat == b.Monat && a.Tag == b.Tag},
        {"Phase", a.Phase == b.Phase},
        {"MondKlasse", a.MondKlasse == b.MondKlasse},
        {"TOptMond", a.TOptMond == b.TOptMond},
        {"Sternbild", a.Sternbild == b.Sternbild},
        {"NaheBei", a.NaheBei == b.NaheBei},
    };
    std::string feld;
    for (const auto& [name, wert] : zahlen)
        if (feld.empty() && !GleicheBits(a.*wert, b.*wert)) feld = name;
    for (const auto& [name, gleich] : sonst)
        if (feld.empty() && !gleich) feld = name;
    if (feld.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rows differ in " << feld;
}

}  // namespace zenaro::test
