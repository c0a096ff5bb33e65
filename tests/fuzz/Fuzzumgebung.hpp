// What the fuzz targets share: a data directory of their own in memory (or in
// the temporary directory), input laid down as a data file, and the end of a run
// on a broken property, which libFuzzer reports as a finding with its input.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/ZenaroDef.hpp"

namespace zenaro::fuzz {

// Ends the run: the property `was` does not hold for the current input.
[[noreturn]] inline void Verletzt(const std::string& was) {
    std::fprintf(stderr, "property broken: %s\n", was.c_str());
    std::abort();
}

// Sets DatenVerzeichnis to a fresh directory for the whole run (in /dev/shm when
// there is one, so that the writers' syncs cost nothing), removed at the end.
inline void DatenverzeichnisAnlegen() {
    static const std::filesystem::path ordner = [] {
        const bool shm = std::filesystem::is_directory("/dev/shm");
        std::string muster =
            ((shm ? std::filesystem::path("/dev/shm") : std::filesystem::temp_directory_path()) /
             "zenaro-fuzz-XXXXXX")
                .string();
        if (::mkdtemp(muster.data()) == nullptr) Verletzt("no temporary directory");
        std::atexit([] {
            std::error_code fehler;
            std::filesystem::remove_all(DatenVerzeichnis, fehler);
        });
        return std::filesystem::path(muster);
    }();
    DatenVerzeichnis = ordner.string() + "/";
}

// Empties the data directory.
inline void DatenverzeichnisLeeren() {
    std::error_code fehler;
    for (const auto& eintrag : std::filesystem::directory_iterator(DatenVerzeichnis, fehler))
        std::filesystem::remove_all(eintrag.path(), fehler);
}

// Lays `daten` down as the file `name` of the data directory.
inline void DateiAblegen(const char* name, const std::uint8_t* daten, std::size_t laenge) {
    const std::string pfad = DatenVerzeichnis + name;
    const int fd = ::open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Verletzt("cannot write " + pfad);
    std::size_t geschrieben = 0;
    while (geschrieben < laenge) {
        const ssize_t r = ::write(fd, daten + geschrieben, laenge - geschrieben);
        if (r <= 0) Verletzt("cannot write " + pfad);
        geschrieben += static_cast<std::size_t>(r);
    }
    ::close(fd);
}

// The bytes of the file `name` of the data directory ("" when it is missing).
inline std::string DateiInhalt(const char* name) {
    std::string inhalt;
    std::FILE* f = std::fopen((DatenVerzeichnis + name).c_str(), "rb");
    if (f == nullptr) return inhalt;
    char puffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(puffer, 1, sizeof puffer, f)) > 0) inhalt.append(puffer, n);
    std::fclose(f);
    return inhalt;
}

}  // namespace zenaro::fuzz
