// Speed of the astronomical routines one ephemeris row calls: the apparent places
// of the Sun and the Moon, the two-body propagation from the time of perihelion
// (elliptic, near-parabolic and hyperbolic) and the constellation search with its
// scan of the whole box table. Every iteration takes a new time or place so that
// nothing can be kept from the previous one.
//
// Build and run in a Release build without sanitizers:
//   cmake -S . -B build/release-bench -G Ninja -DCMAKE_BUILD_TYPE=Release
//         -DZENARO_SANITIZE=OFF -DZENARO_BENCHMARKS=ON -DZENARO_TESTS=OFF
//   cmake --build build/release-bench --target astro_bench && build/release-bench/astro_bench

#include <benchmark/benchmark.h>

#include <string>

#include "astro/KEPLIB.hpp"
#include "astro/MOOLIB.hpp"
#include "astro/SPHLIB.hpp"
#include "astro/SUNLIB.hpp"
#include "astro/Sternb.hpp"

namespace zenaro {
namespace {

// One hour in Julian centuries: the step of a typical ephemeris.
constexpr Extended Stunde = 1.0L / 24.0L / 36525.0L;

void BM_SUNEQUAT(benchmark::State& state) {
    Extended T = 0.25L, ra, dec, r;
    for (auto _ : state) {
        SUNEQUAT(T, ra, dec, r);
        benchmark::DoNotOptimize(ra);
        benchmark::DoNotOptimize(dec);
        benchmark::DoNotOptimize(r);
        T += Stunde;
    }
}
BENCHMARK(BM_SUNEQUAT);

void BM_MOONEQUAT(benchmark::State& state) {
    Extended T = 0.25L, ra, dec, r;
    for (auto _ : state) {
        MOONEQUAT(T, ra, dec, r);
        benchmark::DoNotOptimize(ra);
        benchmark::DoNotOptimize(dec);
        benchmark::DoNotOptimize(r);
        T += Stunde;
    }
}
BENCHMARK(BM_MOONEQUAT);

// ORBITSTATE around the perihelion (T0 = 0.25) over +-200 days: the argument is the
// eccentricity in thousandths: 500 elliptic, 950 near-parabolic (PARAB before the
// perihelion and shortly after), 1000 parabolic (PARAB always), 1200 hyperbolic.
void BM_ORBITSTATE(benchmark::State& state) {
    const Extended e = static_cast<Extended>(state.range(0)) / 1000.0L;
    const Extended T0 = 0.25L, q = 1.2L;
    ROTMATRIX PQR;
    ORBITMAT(120.0L, 35.0L, 60.0L, PQR);
    const Extended anfang = T0 - 200.0L * 24.0L * Stunde;
    const Extended ende = T0 + 200.0L * 24.0L * Stunde;
    Extended T = anfang, X, Y, Z, VX, VY, VZ;
    for (auto _ : state) {
        ORBITSTATE(T0, T, q, e, PQR, X, Y, Z, VX, VY, VZ);
        benchmark::DoNotOptimize(X);
        benchmark::DoNotOptimize(VZ);
        T += 7.0L * Stunde;
        if (T > ende) T = anfang;
    }
}
BENCHMARK(BM_ORBITSTATE)->Arg(500)->Arg(950)->Arg(1000)->Arg(1200);

// CONSTFIND with the equinox of 2000 (precession to 1875 and the box scan) along a
// path that sweeps the whole sky.
void BM_CONSTFIND(benchmark::State& state) {
    Extended ra = 0.0L, dec = -89.0L;
    std::string abbr;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CONSTFIND(ra, dec, 2000.0L, abbr));
        ra += 0.37L;
        if (ra >= 24.0L) ra -= 24.0L;
        dec += 0.53L;
        if (dec > 89.0L) dec -= 178.0L;
    }
}
BENCHMARK(BM_CONSTFIND);

// The box scan alone, on places of 1875.
void BM_SternbildImKasten(benchmark::State& state) {
    Extended ra = 0.0L, dec = -89.0L;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SternbildImKasten(ra, dec));
        ra += 0.37L;
        if (ra >= 24.0L) ra -= 24.0L;
        dec += 0.53L;
        if (dec > 89.0L) dec -= 178.0L;
    }
}
BENCHMARK(BM_SternbildImKasten);

}  // namespace
}  // namespace zenaro
