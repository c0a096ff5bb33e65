// Bounds on the altitude of a slowly moving place over the minutes of one day, for
// the minute scan of the culmination and best time. Where the place has been
// computed exactly at some minutes, its altitude at any other minute differs from
// the altitude the nearest exact place would have at that minute's sidereal time by
// no more than the distance the place can have moved in between (the altitude, 90
// degrees minus the distance from the zenith, changes by no more than the place
// moves on the sphere). Minutes that provably lie on one side of a threshold need
// no exact place.
#pragma once

#include <array>
#include <cstdint>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// Samples of the scan: local midnight to the next local midnight in minutes.
inline constexpr std::int32_t TagesMinuten = 1441;

// The turn of the sky against the horizon in radians per day: the local sidereal
// time advances by 1.0027379093 hours per hour.
inline constexpr double SternzeitDrehungProTag = 6.283185307179586 * 1.0027379093;

class THoehenSchranken {
public:
    // For a location with the given sine and cosine of its latitude, no minute
    // computed yet; `schritt` is the turn of the sky in radians from one minute to
    // the next. Bounds are given for the minutes von..bis, over which the local
    // sidereal time runs on evenly (no change of date that breaks it).
    void Beginnen(double sinBreite, double cosBreite, double schritt, std::int32_t von,
                  std::int32_t bis);
    // The place moves by at most `rate` radians per minute, and each exact place may
    // stray from the smooth path by `rauschen` radians. Set before the gaps are
    // filled.
    void Bewegung(double rate, double rauschen);

    // The place computed exactly at minute k: local sidereal time (hours), right
    // ascension and declination (degrees).
    void Setzen(std::int32_t k, Extended sternzeit, Extended ra, Extended dek);
    bool Exakt(std::int32_t k) const { return exakt_[static_cast<std::size_t>(k)]; }

    // Bounds of the minutes of von..bis that are not exact, from the exact minutes
    // before and after them within von..bis (at least one is needed); after a new
    // exact minute p, those of the two gaps beside it.
    void AlleLueckenFuellen();
    void NachSetzenFuellen(std::int32_t p);

    // Whether the altitude at minute k is certainly below the altitude tau
    // (radians, 0 <= tau <= pi/2), given its sine and cosine.
    bool SicherUnter(std::int32_t k, double sinTau, double cosTau) const;
    // Whether the altitude at minute k is certainly below, or certainly above, the
    // altitude d (|d| well inside +-pi/2), given its sine.
    bool SicherUnterGrenze(std::int32_t k, double sinD) const;
    bool SicherUeberGrenze(std::int32_t k, double sinD) const;
    // An estimate of the highest sine of the altitude minute k can have.
    double Hoechstens(std::int32_t k) const;

private:
    // The minutes strictly between a and b (a = von - 1 or b = bis + 1: no exact
    // minute on that side).
    void LueckeFuellen(std::int32_t a, std::int32_t b);

    double sinBreite_ = 0.0, cosBreite_ = 1.0, schritt_ = 0.0, rate_ = 0.0, rauschen_ = 0.0;
    std::int32_t von_ = 0, bis_ = TagesMinuten - 1;
    std::array<bool, TagesMinuten> exakt_{};
    // Exact minutes: hour angle (radians), sine and cosine of the declination.
    std::array<double, TagesMinuten> stundenwinkel_{}, sinDek_{}, cosDek_{};
    // Other minutes: the sine of the altitude with the place of the exact minute
    // before (L) and after (R), and the distance the place may have moved since.
    std::array<double, TagesMinuten> sinL_{}, sinR_{}, weitL_{}, weitR_{};
};

}  // namespace zenaro
