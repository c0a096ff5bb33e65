// The length-prefixed string of the data records: one length byte and N single-byte
// characters of the Windows code page (Windows-1252), and the conversion of such
// text to and from UTF-8 for the window system.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "astro/Laufzeit.hpp"

namespace zenaro {

template <std::size_t N>
class ShortString {
    static_assert(N >= 1 && N <= 255, "a ShortString holds 1 to 255 characters");

public:
    static constexpr std::size_t Kapazitaet = N;

    ShortString() = default;
    ShortString(std::string_view text) { Setzen(text); }
    ShortString(const char* text) { Setzen(text == nullptr ? std::string_view{} : text); }
    ShortString(const std::string& text) { Setzen(text); }

    ShortString& operator=(std::string_view text) {
        Setzen(text);
        return *this;
    }
    ShortString& operator=(const char* text) {
        Setzen(text == nullptr ? std::string_view{} : text);
        return *this;
    }
    ShortString& operator=(const std::string& text) {
        Setzen(text);
        return *this;
    }

    // Takes the text over, cut to N characters; the bytes after it become zero.
    void Setzen(std::string_view text) {
        const std::size_t n = std::min(text.size(), N);
        zeichen_.fill('\0');
        std::copy_n(text.data(), n, zeichen_.begin());
        laenge_ = static_cast<std::uint8_t>(n);
    }

    // The valid characters; a length byte above N (only from a damaged file) counts as N.
    std::string Text() const { return std::string(zeichen_.data(), Laenge()); }
    operator std::string() const { return Text(); }

    std::size_t Laenge() const { return std::min<std::size_t>(laenge_, N); }
    bool Leer() const { return Laenge() == 0; }

    // Character i of the field, counted from 1 as in the records (1..N; outside
    // raises the range-check error).
    char operator[](std::size_t i) const { return zeichen_[Pruefen(i)]; }
    char& operator[](std::size_t i) { return zeichen_[Pruefen(i)]; }

    // The raw field as it lies in a record: the length byte as stored and all N
    // character bytes (also those after the length).
    std::uint8_t LaengenByte() const { return laenge_; }
    void LaengenByteSetzen(std::uint8_t laenge) { laenge_ = laenge; }
    const std::array<char, N>& Zeichen() const { return zeichen_; }
    std::array<char, N>& Zeichen() { return zeichen_; }

private:
    static std::size_t Pruefen(std::size_t i) {
        if (i < 1 || i > N) Laufzeitfehler(FehlerBereichsueberschreitung, "ShortString index");
        return i - 1;
    }

    std::uint8_t laenge_ = 0;
    std::array<char, N> zeichen_{};
};

// Two texts are equal when their valid characters are equal (lengths included).
template <std::size_t N, std::size_t M>
bool operator==(const ShortString<N>& a, const ShortString<M>& b) {
    return a.Text() == b.Text();
}
template <std::size_t N>
bool operator==(const ShortString<N>& a, std::string_view b) {
    return std::string_view(a.Zeichen().data(), a.Laenge()) == b;
}

// Windows-1252 text (one byte per character) to UTF-8. The five unassigned bytes
// 0x81, 0x8D, 0x8F, 0x90, 0x9D pass through as the control characters of the same
// number, as the Windows conversion does.
std::string Win1252NachUtf8(std::string_view text);
// UTF-8 to Windows-1252; a character without a Windows-1252 byte, and every
// malformed UTF-8 sequence, becomes "?".
std::string Utf8NachWin1252(std::string_view text);

}  // namespace zenaro
