// Speed of the ephemeris computation: one object over 366 daily rows (and over 169
// hourly rows) with the passage search over full-size catalogues (7840 NGC, 5386 IC and 9110 star
// entries, synthetic places spread evenly over the sky), and the all-objects mode over 1000 objects
// with the sort by magnitude. The counter "rows/s" gives the rows per second.
// tools/geschwindigkeit_bench.cpp measures the cases of the speed table beside PyEphem.
//
// Build and run in a Release build without sanitizers:
//   cmake -S . -B build/release-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DZENARO_SANITIZE=OFF -DZENARO_BENCHMARKS=ON -DZENARO_TESTS=OFF
//   cmake --build build/release-bench --target ephemeride_bench
//   build/release-bench/ephemeride_bench

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>

#include "engine/Durchgaenge.hpp"
#include "engine/Ephemeride.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro {
namespace {

// A comet of the kind the all-objects list holds; k spreads the orbits.
TBahnelement Komet(std::int32_t k) {
    TBahnelement e;
    e.Name = "Komet " + std::to_string(k);
    e.Perihel[1] = 2001;
    e.Perihel[2] = 1 + k % 12;
    e.Perihel[3] = 1.5L + k % 27;
    e.Epoche = e.Perihel;
    e.Exzentrizitaet = (k % 3 == 0) ? 1.0L : (k % 3 == 1 ? 0.6L : 0.9995L);
    e.Perihelabstand = 0.5L + (k % 40) * 0.1L;
    e.GrosseHalbachse =
        e.Exzentrizitaet < 1.0L ? e.Perihelabstand / (1.0L - e.Exzentrizitaet) : 0.0L;
    e.Knoten = (k * 37) % 360;
    e.Perihelargument = (k * 53) % 360;
    e.Bahnneigung = (k * 11) % 180;
    e.Aequinoktium = 2000.0L;
    e.H11 = 5.0L + (k % 10);
    e.N = 4.0L;
    return e;
}

void KatalogeFuellen() {
    std::mt19937 zufall(20010101);
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    auto ort = [&](Extended& ra, Extended& dek) {
        ra = 360.0L * gleich(zufall);
        dek = std::asin(2.0L * gleich(zufall) - 1.0L) / 0.0174532925199433L;
    };
    for (std::int32_t i = 1; i <= MaxNGC; ++i) {
        TDeepSkyObjekt& o = NGCKatalog[i];
        o.Nummer = static_cast<std::int16_t>(i);
        ort(o.RA, o.Dek);
        o.Hell = 8.0L + (i % 70) / 10.0L;
    }
    for (std::int32_t i = 1; i <= MaxIC; ++i) {
        TDeepSkyObjekt& o = ICKatalog[i];
        o.Nummer = static_cast<std::int16_t>(i);
        ort(o.RA, o.Dek);
        o.Hell = 99.0L;
    }
    for (std::int32_t i = 1; i <= MaxSterne; ++i) {
        TStern& s = Sternkatalog[i];
        s.Flamsteed = static_cast<std::uint16_t>(i % 120);
        s.Sternbild = (i % 5 == 0) ? "" : "Ori";
        ort(s.RA, s.Dek);
        s.Hell = 6.5L - (i % 70) / 10.0L;
    }
    AnzahlNGC = MaxNGC;
    AnzahlIC = MaxIC;
    AnzahlSterne = MaxSterne;
}

void Vorbereiten() {
    static bool fertig = false;
    if (!fertig) {
        KatalogeFuellen();
        fertig = true;
    }
    for (std::int32_t k = 1; k <= MaxObjekte; ++k) Objekte[k] = Komet(k);
    AnzahlObjekte = MaxObjekte;
    TOrt ort;
    ort.Name = "Heidelberg";
    ort.Laenge = -8.7L;
    ort.Breite = 49.4L;
    Orte[1] = ort;
    AnzahlOrte = 1;
    AktOrt = 1;
    ZonenOffset = 1.0L;
    DaemmerungsHoehe = -18;
    DeepSkyRadius = 2.0L;
    HellParameterBenutzen = false;
    AnzahlHellParameter = 0;
}

// Runs the single-object calculation set up by the caller and counts its rows.
void EinObjektMessen(benchmark::State& state) {
    std::int64_t zeilen = 0;
    for (auto _ : state) {
        AnzahlZeilen = 0;
        EphemerideBerechnen();
        zeilen += AnzahlZeilen;
    }
    state.counters["rows"] = static_cast<double>(AnzahlZeilen);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(zeilen), benchmark::Counter::kIsRate);
}

void BM_EinObjekt366Tage(benchmark::State& state) {
    Vorbereiten();
    AktObjekt = 2;
    AlleObjekteModus = false;
    DeepSkyAnzeigen = true;
    StartJahr = 2001, StartMonat = 1, StartTag = 1, StartStunde = 22.0L;
    StopJahr = 2002, StopMonat = 1, StopTag = 1, StopStunde = 22.0L;
    SchrittweiteTage = 1;
    SchrittweiteStunden = 0.0L;
    EinObjektMessen(state);
}
BENCHMARK(BM_EinObjekt366Tage)->Unit(benchmark::kSecond)->Iterations(1);

// One object over 7 days in hourly steps (169 rows) with the passage search: the
// rows of one date share the events of their day.
void BM_EinObjekt7TageStuendlich(benchmark::State& state) {
    Vorbereiten();
    AktObjekt = 2;
    AlleObjekteModus = false;
    DeepSkyAnzeigen = true;
    StartJahr = 2001, StartMonat = 1, StartTag = 1, StartStunde = 0.0L;
    StopJahr = 2001, StopMonat = 1, StopTag = 8, StopStunde = 0.0L;
    SchrittweiteTage = 0;
    SchrittweiteStunden = 1.0L;
    EinObjektMessen(state);
}
BENCHMARK(BM_EinObjekt7TageStuendlich)->Unit(benchmark::kSecond)->Iterations(1);

void BM_AlleObjekte1000(benchmark::State& state) {
    Vorbereiten();
    AlleObjekteModus = true;
    NachHelligkeitSortieren = true;
    DeepSkyAnzeigen = false;
    StartJahr = StopJahr = 2001;
    StartMonat = StopMonat = 6;
    StartTag = StopTag = 15;
    StartStunde = StopStunde = 23.0L;
    SchrittweiteTage = 1;
    SchrittweiteStunden = 0.0L;
    std::int64_t zeilen = 0;
    for (auto _ : state) {
        AnzahlZeilen = 0;
        EphemerideAllerObjekte();
        zeilen += AnzahlZeilen;
    }
    state.counters["rows"] = static_cast<double>(AnzahlZeilen);
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(zeilen), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_AlleObjekte1000)->Unit(benchmark::kSecond)->Iterations(1);

// The passage search alone over the full catalogues, for one row at a time.
void BM_Durchgangssuche(benchmark::State& state) {
    Vorbereiten();
    Extended ra = 0.0L;
    for (auto _ : state) {
        TEphemeridenZeile zeile;
        zeile.RA = ra;
        zeile.Dek = 20.0L;
        zeile.Sternbild = "Ori";
        zeile.Distanz = 999.0L;
        DurchgangSuchen(zeile);
        benchmark::DoNotOptimize(zeile.Distanz);
        ra = std::fmod(ra + 0.37L, 24.0L);
    }
    state.counters["rows/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Durchgangssuche)->Unit(benchmark::kMillisecond);

// The sort alone as the all-objects mode runs it: after every object over all rows
// so far (so 1000 times over 1..1000 rows in all), the rows moved at the end.
void BM_SortierenNachJedemObjekt(benchmark::State& state) {
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> hell(0.0, 20.0);
    for (auto _ : state) {
        AnzahlZeilen = 0;
        THelligkeitsordnung ordnung;
        for (std::int32_t k = 1; k <= 1000; ++k) {
            ++AnzahlZeilen;
            Ephemeride[AnzahlZeilen].Hell = hell(zufall);
            ordnung.Ordnen();
        }
        ordnung.Anwenden();
    }
}
BENCHMARK(BM_SortierenNachJedemObjekt)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace zenaro
