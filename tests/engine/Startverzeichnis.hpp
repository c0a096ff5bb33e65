// A fresh temporary data directory for one test, removed afterwards, with helpers
// to lay data files into it byte by byte.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace zenaro::test {

class TStartverzeichnis {
public:
    TStartverzeichnis() {
        std::string muster =
            (std::filesystem::temp_directory_path() / "zenaro_start_XXXXXX").string();
        if (mkdtemp(muster.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        pfad_ = muster;
    }
    ~TStartverzeichnis() {
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    TStartverzeichnis(const TStartverzeichnis&) = delete;
    TStartverzeichnis& operator=(const TStartverzeichnis&) = delete;

    std::string Pfad() const { return pfad_.string(); }

    void Schreiben(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        std::ofstream datei(pfad_ / name, std::ios::binary | std::ios::trunc);
        datei.write(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<std::streamsize>(bytes.size()));
    }
    void Schreiben(const std::string& name, std::size_t laenge, std::uint8_t wert = 0) const {
        Schreiben(name, std::vector<std::uint8_t>(laenge, wert));
    }

    // Names, sizes and modification times of every entry, to show that nothing
    // was written.
    std::set<std::string> Inhalt() const {
        std::set<std::string> inhalt;
        for (const auto& eintrag : std::filesystem::directory_iterator(pfad_)) {
            const auto groesse = eintrag.is_regular_file() ? eintrag.file_size() : 0;
            inhalt.insert(eintrag.path().filename().string() + " " + std::to_string(groesse) + " " +
                          std::to_string(eintrag.last_write_time().time_since_epoch().count()));
        }
        return inhalt;
    }

private:
    std::filesystem::path pfad_;
};

}  // namespace zenaro::test
