#include "engine/Hoehenschranken.hpp"

#include <cmath>
#include <limits>

namespace zenaro {

namespace {

constexpr double GradInRad = 3.14159265358979323846 / 180.0;

// Allowance in the sine of an altitude for everything the bounds compute in double
// precision (the turn of the sky by repeated rotation, the sidereal time taken as
// running evenly between minutes) against the scan's Extended numbers: all of it
// stays below 1e-9 for the dates the scan admits.
constexpr double Spielraum = 1e-7;

// Beyond this distance (radians) the sine bounds below are not used.
constexpr double GroessteWeite = 1.0;

}  // namespace

void THoehenSchranken::Beginnen(double sinBreite, double cosBreite, double schritt,
                                std::int32_t von, std::int32_t bis) {
    sinBreite_ = sinBreite;
    cosBreite_ = cosBreite;
    schritt_ = schritt;
    von_ = von;
    bis_ = bis;
    exakt_.fill(false);
}

void THoehenSchranken::Bewegung(double rate, double rauschen) {
    rate_ = rate;
    rauschen_ = rauschen;
}

void THoehenSchranken::Setzen(std::int32_t k, Extended sternzeit, Extended ra, Extended dek) {
    const auto i = static_cast<std::size_t>(k);
    exakt_[i] = true;
    stundenwinkel_[i] = static_cast<double>(15.0L * sternzeit - ra) * GradInRad;
    const double d = static_cast<double>(dek) * GradInRad;
    sinDek_[i] = std::sin(d);
    cosDek_[i] = std::cos(d);
}

void THoehenSchranken::LueckeFuellen(std::int32_t a, std::int32_t b) {
    const double cs = std::cos(schritt_), ss = std::sin(schritt_);
    constexpr double keine = std::numeric_limits<double>::infinity();
    // Forward from a: the hour angle grows by one step per minute.
    if (a >= von_) {
        const auto ia = static_cast<std::size_t>(a);
        const double s0 = sinBreite_ * sinDek_[ia], c0 = cosBreite_ * cosDek_[ia];
        double c = std::cos(stundenwinkel_[ia]), s = std::sin(stundenwinkel_[ia]);
        for (std::int32_t k = a + 1; k < b; ++k) {
            const double cn = c * cs - s * ss;
            s = s * cs + c * ss;
            c = cn;
            const auto i = static_cast<std::size_t>(k);
            sinL_[i] = s0 + c0 * c;
            weitL_[i] = rate_ * (k - a) + rauschen_;
        }
    } else {
        for (std::int32_t k = a + 1; k < b; ++k) weitL_[static_cast<std::size_t>(k)] = keine;
    }
    // Backward from b.
    if (b <= bis_) {
        const auto ib = static_cast<std::size_t>(b);
        const double s0 = sinBreite_ * sinDek_[ib], c0 = cosBreite_ * cosDek_[ib];
        double c = std::cos(stundenwinkel_[ib]), s = std::sin(stundenwinkel_[ib]);
        for (std::int32_t k = b - 1; k > a; --k) {
            const double cn = c * cs + s * ss;
            s = s * cs - c * ss;
            c = cn;
            const auto i = static_cast<std::size_t>(k);
            sinR_[i] = s0 + c0 * c;
            weitR_[i] = rate_ * (b - k) + rauschen_;
        }
    } else {
        for (std::int32_t k = b - 1; k > a; --k) weitR_[static_cast<std::size_t>(k)] = keine;
    }
}

void THoehenSchranken::AlleLueckenFuellen() {
    std::int32_t a = von_ - 1;
    for (std::int32_t k = von_; k <= bis_; ++k) {
        if (!Exakt(k)) continue;
        if (k > a + 1) LueckeFuellen(a, k);
        a = k;
    }
    if (bis_ > a) LueckeFuellen(a, bis_ + 1);
}

void THoehenSchranken::NachSetzenFuellen(std::int32_t p) {
    std::int32_t a = p - 1;
    while (a >= von_ && !Exakt(a)) --a;
    std::int32_t b = p + 1;
    while (b <= bis_ && !Exakt(b)) ++b;
    if (p > a + 1) LueckeFuellen(a, p);
    if (b > p + 1) LueckeFuellen(p, b);
}

bool THoehenSchranken::SicherUnter(std::int32_t k, double sinTau, double cosTau) const {
    // With the place at most w away, the altitude h <= f + w, f the altitude of the
    // exact place; f < tau - w when sin f < sin(tau - w), and
    // sin(tau - w) >= sin tau - w cos tau - w^2/2 for 0 <= tau <= pi/2.
    const auto i = static_cast<std::size_t>(k);
    // (A side without an exact minute has an infinite distance.)
    auto unter = [&](double s, double w) {
        return w < GroessteWeite && s + Spielraum < sinTau - w * cosTau - 0.5 * w * w;
    };
    return unter(sinL_[i], weitL_[i]) || unter(sinR_[i], weitR_[i]);
}

bool THoehenSchranken::SicherUnterGrenze(std::int32_t k, double sinD) const {
    // sin(d - w) >= sin d - w: the sine changes no faster than its argument.
    const auto i = static_cast<std::size_t>(k);
    auto unter = [&](double s, double w) { return w < GroessteWeite && s + Spielraum < sinD - w; };
    return unter(sinL_[i], weitL_[i]) || unter(sinR_[i], weitR_[i]);
}

bool THoehenSchranken::SicherUeberGrenze(std::int32_t k, double sinD) const {
    const auto i = static_cast<std::size_t>(k);
    auto ueber = [&](double s, double w) { return w < GroessteWeite && s - Spielraum > sinD + w; };
    return ueber(sinL_[i], weitL_[i]) || ueber(sinR_[i], weitR_[i]);
}

double THoehenSchranken::Hoechstens(std::int32_t k) const {
    const auto i = static_cast<std::size_t>(k);
    return std::fmin(sinL_[i] + weitL_[i], sinR_[i] + weitR_[i]);
}

}  // namespace zenaro
