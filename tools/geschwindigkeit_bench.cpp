// The speed table of the ephemeris: five kinds of work with the shipped catalogues of
// data/ and its comets, and PyEphem (tools/geschwindigkeit_pyephem.py, Debian
// python3-ephem) doing the work of one daily row, side by side in one run:
//
//   1. one daily row (1441-minute scan, rising and setting, passages), a comet at 50 N
//   2. 366 daily rows of that comet
//   3. the all-objects mode: 1000 comets at one instant, sorted by magnitude
//   4. the conjunction search: 300 comets x 721 hourly instants, radius 1 degree
//   5. hourly rows over 7 days (169 rows), time per row
//
// Passages are on in every ephemeris case. Comets beyond those of data/Bahnelem.dat
// are made from them: the same orbit turned about the ecliptic pole and moved in time.
// Each case runs in every round, the rounds alternate with the PyEphem run; the best
// time of the rounds is printed.
//
//   cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DZENARO_BENCHMARKS=ON -DZENARO_TESTS=OFF
//   cmake --build build/release --target geschwindigkeit_bench
//   build/release/geschwindigkeit_bench [rounds, default 3] [threads, default one per core]

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "engine/Arbeiter.hpp"
#include "engine/Datendateien.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/Konjunktion.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {
namespace {

std::vector<TBahnelement> Kometen;  // the comets of data/Bahnelem.dat

// Comet k (from 1): the shipped comets first, then copies turned by 37 degrees about
// the ecliptic pole and moved 11 days per round.
TBahnelement Komet(std::int32_t k) {
    const std::size_t n = Kometen.size();
    TBahnelement e = Kometen[static_cast<std::size_t>(k - 1) % n];
    const std::int32_t runde = (k - 1) / static_cast<std::int32_t>(n);
    if (runde > 0) {
        e.Name = e.Name.Text().substr(0, 50) + " #" + std::to_string(runde);
        e.Knoten = std::fmod(e.Knoten + 37.0L * runde, 360.0L);
        e.Perihel[3] = 1.0L + std::fmod(e.Perihel[3] - 1.0L + 11.0L * runde, 27.0L);
    }
    return e;
}

void DatenLaden() {
    DatenVerzeichnis = std::string(ZENARO_SOURCE_DIR) + "/data/";
    NGCLesen();
    ICLesen();
    SterneLesen();
    ObjekteLesen();
    for (std::int32_t i = 1; i <= AnzahlObjekte; ++i) Kometen.push_back(Objekte[i]);
    if (Kometen.empty()) {
        std::cerr << "no comets in " << DatenVerzeichnis << "Bahnelem.dat\n";
        std::exit(1);
    }
}

void ObjekteSetzen(std::int32_t anzahl) {
    for (std::int32_t k = 1; k <= anzahl; ++k) Objekte[k] = Komet(k);
    AnzahlObjekte = anzahl;
}

void Bereich(std::int32_t j1, std::int32_t m1, std::int32_t t1, Extended h1, std::int32_t j2,
             std::int32_t m2, std::int32_t t2, Extended h2, std::int32_t tage, Extended stunden) {
    StartJahr = j1, StartMonat = m1, StartTag = t1, StartStunde = h1;
    StopJahr = j2, StopMonat = m2, StopTag = t2, StopStunde = h2;
    SchrittweiteTage = tage;
    SchrittweiteStunden = stunden;
}

// 50 N, 10 E, zone +1, night at -18 degrees, passages within 2 degrees.
void OrtSetzen() {
    Orte[1].Name = "50 N";
    Orte[1].Breite = 50.0L;
    Orte[1].Laenge = -10.0L;
    AnzahlOrte = 1;
    AktOrt = 1;
    ZonenOffset = 1.0L;
    DaemmerungsHoehe = -18;
    DeepSkyAnzeigen = true;
    DeepSkyRadius = 2.0L;
    HellParameterBenutzen = false;
    AnzahlHellParameter = 0;
    AlleObjekteModus = false;
    NachHelligkeitSortieren = false;
}

double Sekunden(const std::function<void()>& arbeit) {
    const auto anfang = std::chrono::steady_clock::now();
    arbeit();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
}

void EinObjekt() {
    AnzahlZeilen = 0;
    EphemerideBerechnen();
}

// The comet of the single-object cases from 2022-09-01 at hour h1 to the stop (year j2,
// month m2, day t2, hour h2) in steps of `stunden` hours, or of one day when 0: the
// time of one computation, with its number of rows checked.
double ZeilenDesKometen(Extended h1, std::int32_t j2, std::int32_t m2, std::int32_t t2, Extended h2,
                        Extended stunden, std::int32_t zeilen) {
    ObjekteSetzen(1);
    AktObjekt = 1;
    OrtSetzen();
    Bereich(2022, 9, 1, h1, j2, m2, t2, h2, stunden > 0.0L ? 0 : 1, stunden);
    const double s = Sekunden(EinObjekt);
    if (AnzahlZeilen != zeilen)
        std::cerr << "expected " << zeilen << " rows, got " << AnzahlZeilen << "\n";
    return s;
}

constexpr std::int32_t Einzelzeilen = 10;  // daily rows timed one by one per round

double EineZeile() {
    double beste = 1e30;
    for (std::int32_t i = 0; i < Einzelzeilen; ++i)
        beste = std::min(beste, ZeilenDesKometen(22.0L, 2022, 9, 1, 22.0L, 0.0L, 1));
    return beste;
}

double Tageszeilen366() { return ZeilenDesKometen(22.0L, 2023, 9, 1, 22.0L, 0.0L, 366); }

double AlleObjekte1000() {
    ObjekteSetzen(1000);
    OrtSetzen();
    AlleObjekteModus = true;
    NachHelligkeitSortieren = true;
    Bereich(2022, 9, 1, 22.0L, 2022, 9, 1, 22.0L, 1, 0.0L);
    const double s = Sekunden([] {
        AnzahlZeilen = 0;
        EphemerideAllerObjekte();
    });
    if (AnzahlZeilen != 1000) std::cerr << "all objects: " << AnzahlZeilen << " rows\n";
    return s;
}

double Konjunktionen300() {
    ObjekteSetzen(300);
    OrtSetzen();
    AktObjekt = 1;
    KonjRadius = 1.0L;
    KonjGrenzgroesse = 40.0L;  // every comet takes part
    Bereich(2022, 9, 1, 0.0L, 2022, 10, 1, 0.0L, 0, 1.0L);
    const double s = Sekunden(KonjunktionenSuchen);
    if (AnzahlKonjPositionen != 300 || KonjunktionenVoll)
        std::cerr << "conjunctions: " << AnzahlKonjPositionen << " positions, table full "
                  << KonjunktionenVoll << "\n";
    return s;
}

double Stundenzeilen7Tage() { return ZeilenDesKometen(0.0L, 2022, 9, 8, 0.0L, 1.0L, 169) / 169; }

// PyEphem's time for the row of case 1 (milliseconds), or a negative number when it
// could not run.
double PyEphemZeile(std::int32_t wiederholungen) {
    ObjekteSetzen(1);
    const TBahnelement& e = Objekte[1];
    char pfad[] = "/tmp/zenaro_geschwindigkeitXXXXXX";
    const int fd = mkstemp(pfad);
    if (fd < 0) return -1.0;
    close(fd);
    {
        std::ofstream datei(pfad);
        datei.precision(17);
        datei << static_cast<double>(e.Exzentrizitaet) << ' '
              << static_cast<double>(e.Perihelabstand) << ' '
              << static_cast<double>(e.GrosseHalbachse) << ' ' << static_cast<double>(e.Perihel[1])
              << ' ' << static_cast<double>(e.Perihel[2]) << ' '
              << static_cast<double>(e.Perihel[3]) << ' ' << static_cast<double>(e.Bahnneigung)
              << ' ' << static_cast<double>(e.Knoten) << ' '
              << static_cast<double>(e.Perihelargument) << ' '
              << static_cast<double>(e.Aequinoktium) << ' ' << static_cast<double>(e.H11) << ' '
              << static_cast<double>(e.N) << '\n';
        datei << "50 -10 1 2022 9 1 22 -18 2 " << wiederholungen << '\n';
        for (std::int32_t i = 1; i <= AnzahlNGC; ++i)
            datei << static_cast<double>(NGCKatalog[i].RA) << ' '
                  << static_cast<double>(NGCKatalog[i].Dek) << '\n';
        for (std::int32_t i = 1; i <= AnzahlIC; ++i)
            datei << static_cast<double>(ICKatalog[i].RA) << ' '
                  << static_cast<double>(ICKatalog[i].Dek) << '\n';
        for (std::int32_t i = 1; i <= AnzahlSterne; ++i)
            datei << static_cast<double>(Sternkatalog[i].RA) << ' '
                  << static_cast<double>(Sternkatalog[i].Dek) << '\n';
    }
    const std::string befehl = std::string("/usr/bin/python3 ") + ZENARO_SOURCE_DIR +
                               "/tools/geschwindigkeit_pyephem.py " + pfad;
    double ms = -1.0;
    if (FILE* p = popen(befehl.c_str(), "r")) {
        if (std::fscanf(p, "%lf", &ms) != 1) ms = -1.0;
        pclose(p);
    }
    std::remove(pfad);
    return ms;
}

}  // namespace
}  // namespace zenaro

int main(int argc, char** argv) {
    using namespace zenaro;
    const int runden = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    if (argc > 2) SetzeArbeiterzahl(std::atoi(argv[2]));
    DatenLaden();
    std::printf("%zu comets in data/Bahnelem.dat, the row's comet: %s; %d worker threads\n",
                Kometen.size(), Kometen[0].Name.Text().c_str(), Arbeiterzahl());

    struct TFall {
        const char* Name;
        double (*Messen)();
        double Beste = 1e30;
    };
    TFall faelle[] = {
        {"one daily row", EineZeile},
        {"366 daily rows", Tageszeilen366},
        {"all-objects mode, 1000 comets, sorted", AlleObjekte1000},
        {"conjunctions, 300 x 721 instants, 1 deg", Konjunktionen300},
        {"hourly rows over 7 days, per row", Stundenzeilen7Tage},
    };
    double pyephem = 1e30;
    for (int runde = 0; runde < runden; ++runde) {
        const double ms = PyEphemZeile(3);
        if (ms > 0.0) pyephem = std::min(pyephem, ms / 1000.0);
        for (TFall& fall : faelle) fall.Beste = std::min(fall.Beste, fall.Messen());
    }

    auto text = [](double s) {
        char puffer[32];
        if (s >= 1.0)
            std::snprintf(puffer, sizeof puffer, "%.2f s", s);
        else
            std::snprintf(puffer, sizeof puffer, "%.3f ms", s * 1000.0);
        return std::string(puffer);
    };
    const bool mitPy = pyephem < 1e29;
    std::printf("\n%-42s %14s %14s %10s\n", "work (best of rounds)", "ZenaroWin", "PyEphem",
                "PyEphem/us");
    for (const TFall& fall : faelle) {
        // PyEphem's row time against the time per daily row of the first two cases.
        double proZeile = -1.0;
        if (fall.Messen == EineZeile) proZeile = fall.Beste;
        if (fall.Messen == Tageszeilen366) proZeile = fall.Beste / 366.0;
        if (mitPy && proZeile > 0.0) {
            const double py = fall.Messen == EineZeile ? pyephem : pyephem * 366.0;
            std::printf("%-42s %14s %14s %9.1fx\n", fall.Name, text(fall.Beste).c_str(),
                        text(py).c_str(), pyephem / proZeile);
        } else {
            std::printf("%-42s %14s\n", fall.Name, text(fall.Beste).c_str());
        }
    }
    if (!mitPy) std::printf("(PyEphem did not run: /usr/bin/python3 with python3-ephem needed)\n");
    return 0;
}
