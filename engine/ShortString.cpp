#include "engine/ShortString.hpp"

#include <cstdint>

namespace zenaro {

namespace {

// Unicode code points of the bytes 0x80..0x9F of Windows-1252; the unassigned
// bytes map to the C1 control of the same number.
constexpr char32_t Bereich80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ZeichenVonByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return Bereich80[b - 0x80];
    return b;
}

void Utf8Anhaengen(std::string& ziel, char32_t c) {
    if (c < 0x80) {
        ziel += static_cast<char>(c);
    } else if (c < 0x800) {
        ziel += static_cast<char>(0xC0 | (c >> 6));
        ziel += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        ziel += static_cast<char>(0xE0 | (c >> 12));
        ziel += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        ziel += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The Windows-1252 byte of a code point, or '?' when it has none.
char ByteVonZeichen(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i)
        if (Bereich80[i] == c) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

std::string Win1252NachUtf8(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (char z : text) Utf8Anhaengen(ergebnis, ZeichenVonByte(static_cast<unsigned char>(z)));
    return ergebnis;
}

std::string Utf8NachWin1252(std::string_view text) {
    std::string ergebnis;
    ergebnis.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t laenge = 0;
        char32_t c = 0;
        char32_t minimum = 0;
        if (b < 0x80) {
            ergebnis += static_cast<char>(b);
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            laenge = 2, c = b & 0x1F, minimum = 0x80;
        } else if ((b & 0xF0) == 0xE0) {
            laenge = 3, c = b & 0x0F, minimum = 0x800;
        } else if ((b & 0xF8) == 0xF0) {
            laenge = 4, c = b & 0x07, minimum = 0x10000;
        } else {
            ergebnis += '?';
            ++i;
            continue;
        }
        std::size_t k = 1;
        for (; k < laenge && i + k < text.size(); ++k) {
            const auto f = static_cast<unsigned char>(text[i + k]);
            if ((f & 0xC0) != 0x80) break;
            c = (c << 6) | (f & 0x3F);
        }
        if (k < laenge || c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            // Malformed: one "?" for the bytes up to the first one that breaks it.
            ergebnis += '?';
            i += k;
            continue;
        }
        ergebnis += ByteVonZeichen(c);
        i += laenge;
    }
    return ergebnis;
}

}  // namespace zenaro
