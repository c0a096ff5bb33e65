// Helpers of the data file tests: a temporary data directory and an encoder of
// record bytes of its own (independent of the program's), so that a test can
// build files byte by byte and decode what the program wrote.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/Datendateien.hpp"

namespace zenaro::test {

using Bytes = std::vector<std::uint8_t>;

// 10-byte extended form of a finite value, computed arithmetically: the value as
// mantissa * 2^exponent with the integer bit explicit, exponent bias 16383.
inline void ExtendedNach(Bytes& b, std::size_t o, long double wert) {
    std::uint64_t mantisse = 0;
    std::uint16_t exponent = 0;
    if (wert != 0.0L) {
        int e = 0;
        const long double m = std::frexp(std::fabs(wert), &e);  // m in [0.5, 1)
        mantisse = static_cast<std::uint64_t>(std::ldexp(m, 64));
        exponent = static_cast<std::uint16_t>(e - 1 + 16383);
    }
    if (std::signbit(wert)) exponent |= 0x8000;
    for (int i = 0; i < 8; ++i) b[o + i] = static_cast<std::uint8_t>(mantisse >> (8 * i));
    b[o + 8] = static_cast<std::uint8_t>(exponent & 0xFF);
    b[o + 9] = static_cast<std::uint8_t>(exponent >> 8);
}

inline long double ExtendedAus(const Bytes& b, std::size_t o) {
    std::uint64_t mantisse = 0;
    for (int i = 0; i < 8; ++i) mantisse |= static_cast<std::uint64_t>(b[o + i]) << (8 * i);
    const int exponent = (b[o + 8] | (b[o + 9] << 8)) & 0x7FFF;
    const bool negativ = (b[o + 9] & 0x80) != 0;
    long double wert = exponent == 0 && mantisse == 0
                           ? 0.0L
                           : std::ldexp(static_cast<long double>(mantisse), exponent - 16383 - 63);
    return negativ ? -wert : wert;
}

inline void TextNach(Bytes& b, std::size_t o, const std::string& text) {
    b[o] = static_cast<std::uint8_t>(text.size());
    std::memcpy(b.data() + o + 1, text.data(), text.size());
}

inline std::string TextAus(const Bytes& b, std::size_t o) {
    return std::string(reinterpret_cast<const char*>(b.data() + o + 1), b[o]);
}

inline void Int32Nach(Bytes& b, std::size_t o, std::int32_t w) {
    const auto u = static_cast<std::uint32_t>(w);
    for (int i = 0; i < 4; ++i) b[o + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

inline std::int32_t Int32Aus(const Bytes& b, std::size_t o) {
    return static_cast<std::int32_t>(b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[o + 3]) << 24));
}

inline void Int16Nach(Bytes& b, std::size_t o, std::int32_t w) {
    const auto u = static_cast<std::uint16_t>(w);
    b[o] = static_cast<std::uint8_t>(u & 0xFF);
    b[o + 1] = static_cast<std::uint8_t>(u >> 8);
}

inline Bytes DateiBytes(const std::filesystem::path& pfad) {
    std::ifstream f(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

inline void DateiSchreiben(const std::filesystem::path& pfad, const Bytes& b) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// Names of the entries in a directory.
inline std::vector<std::string> Eintraege(const std::filesystem::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

// Every test runs in a fresh data directory; the global tables start empty.
class DateiTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string vorlage =
            (std::filesystem::temp_directory_path() / "zenaro-daten-XXXXXX").string();
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
        DatenVerzeichnis = ordner.string() + "/";
        UeberzaehligeDateien.clear();
        AnzahlObjekte = AnzahlOrte = AnzahlNGC = AnzahlIC = AnzahlSterne = AnzahlHellParameter = 0;
    }
    void TearDown() override {
        std::error_code fehler;
        std::filesystem::permissions(ordner, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, fehler);
        std::filesystem::remove_all(ordner, fehler);
        DatenVerzeichnis.clear();
    }

    std::filesystem::path ordner;
};

}  // namespace zenaro::test
