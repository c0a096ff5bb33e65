// Time of the conjunction search: 300 objects, all bright enough, over 30 days in
// hourly steps (721 instants), and the pair search of one instant on its own.
#include <benchmark/benchmark.h>

#include <random>

#include "engine/Konjunktion.hpp"

namespace zenaro {
namespace {

constexpr std::int32_t Objektzahl = 300;

// 300 objects spread over the sky: elliptic orbits of every orientation, half of
// them propagated from the perihelion time, half by mean anomaly.
void DatenbankAnlegen() {
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    for (std::int32_t i = 1; i <= Objektzahl; ++i) {
        TBahnelement e;
        e.Name = "Objekt " + std::to_string(i);
        e.Perihel[1] = 2024.0L + static_cast<Extended>(i % 3) - 1.0L;
        e.Perihel[2] = 1.0L + static_cast<Extended>(i % 12);
        e.Perihel[3] = 1.0L + static_cast<Extended>(27.0 * gleich(zufall));
        e.Epoche = e.Perihel;
        e.Exzentrizitaet = 0.9L * static_cast<Extended>(gleich(zufall));
        e.Perihelabstand = 0.5L + 3.5L * static_cast<Extended>(gleich(zufall));
        e.GrosseHalbachse = e.Perihelabstand / (1.0L - e.Exzentrizitaet);
        e.MittlereAnomalie = i % 2 == 0 ? 0.0L : 360.0L * static_cast<Extended>(gleich(zufall));
        e.Knoten = 360.0L * static_cast<Extended>(gleich(zufall));
        e.Perihelargument = 360.0L * static_cast<Extended>(gleich(zufall));
        e.Bahnneigung = 180.0L * static_cast<Extended>(gleich(zufall));
        e.Aequinoktium = 2000.0L;
        e.H11 = 5.0L;
        e.N = 4.0L;
        Objekte[i] = e;
    }
    AnzahlObjekte = Objektzahl;
    Orte[1].Name = "Sternwarte";
    Orte[1].Laenge = -13.4L;
    Orte[1].Breite = 52.5L;
    AnzahlOrte = 1;
    AktOrt = 1;
    AktObjekt = 1;
    ZonenOffset = 1.0L;
    HellParameterBenutzen = false;
    // One degree: about five pairs per instant, so that the table takes every
    // conjunction of the 721 instants.
    KonjRadius = 1.0L;
    KonjGrenzgroesse = 40.0L;  // every object qualifies
    StartTag = 1;
    StartMonat = 3;
    StartJahr = 2024;
    StartStunde = 0.0L;
    StopTag = 31;
    StopMonat = 3;
    StopJahr = 2024;
    StopStunde = 0.0L;
    SchrittweiteTage = 0;
    SchrittweiteStunden = 1.0L;
}

void BM_KonjunktionenSuchen(benchmark::State& state) {
    DatenbankAnlegen();
    for (auto _ : state) {
        KonjunktionenSuchen();
        benchmark::DoNotOptimize(AnzahlKonjunktionen);
    }
    if (AnzahlKonjPositionen != Objektzahl || KonjunktionenVoll)
        state.SkipWithError("not every object qualified, or the table ran full");
    state.counters["Konjunktionen"] = AnzahlKonjunktionen;
}
BENCHMARK(BM_KonjunktionenSuchen)->Unit(benchmark::kMillisecond)->Iterations(1);

// The pair search of the last instant of the search above, again and again.
void BM_KonjPaareSuchen(benchmark::State& state) {
    DatenbankAnlegen();
    StopTag = StartTag;
    KonjunktionenSuchen();
    for (auto _ : state) {
        AnzahlKonjunktionen = 0;
        KonjPaareSuchen();
        benchmark::DoNotOptimize(AnzahlKonjunktionen);
    }
    state.counters["Paare"] = AnzahlKonjunktionen;
}
BENCHMARK(BM_KonjPaareSuchen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zenaro
