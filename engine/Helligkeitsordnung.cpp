#include "engine/Helligkeitsordnung.hpp"

#include <algorithm>
#include <cmath>

namespace zenaro {

namespace {

using THelligkeitsfolge = std::vector<std::pair<Extended, std::int32_t>>;

// The exchange procedure as written: for i = 1..n, for j = 1..n-1, exchange when the
// magnitude at j is above the one at i.
void AustauschVerfahren(THelligkeitsfolge& a, std::int32_t n) {
    for (std::int32_t i = 1; i <= n; ++i)
        for (std::int32_t j = 1; j <= n - 1; ++j)
            if (a[j].first > a[i].first) std::swap(a[i], a[j]);
}

// The same exchanges, found without most of the comparisons that exchange nothing;
// valid when no magnitude is NaN, so that every two are ordered.
//  - Turn i = 1 leaves at 1 the first largest of a[1..n-1] met on the way.
//  - Before each turn i >= 2, a[1..i-1] is ascending and ends with that largest
//    value M. In the turn, the positions j < i whose magnitude is not above a[i]'s
//    exchange nothing: they form the front of the ascending run up to the first
//    position above it (binary search). From there on the procedure is followed
//    position by position; a[i] ends holding M or, when nothing was above it, its
//    own value, at least M for i < n. So j > i exchanges nothing (a[i+1..n-1] hold
//    values of a[1..n-1], at most M), and a[1..i] is ascending for the next turn.
// Over rows that are already in order with one row appended, the case of every call
// of the all-objects mode, a turn costs a binary search and a step or two.
void AustauschVerfahrenGeordnet(THelligkeitsfolge& a, std::int32_t n) {
    for (std::int32_t j = 2; j <= n - 1; ++j)
        if (a[j].first > a[1].first) std::swap(a[1], a[j]);
    for (std::int32_t i = 2; i <= n; ++i) {
        const auto anfang = a.begin() + 1;
        const auto ende = a.begin() + i;
        auto j = std::upper_bound(anfang, ende, a[i].first,
                                  [](Extended wert, const auto& e) { return wert < e.first; });
        for (; j != ende; ++j)
            if (j->first > a[i].first) std::swap(*j, a[i]);
    }
}

}  // namespace

void THelligkeitsordnung::Ordnen() {
    const std::int32_t n = std::clamp(AnzahlZeilen, 0, MaxZeilen);
    if (n < Bekannt()) {
        folge_.resize(1);
        mitNaN_ = false;
    }
    for (std::int32_t i = Bekannt() + 1; i <= n; ++i) {
        folge_.emplace_back(Ephemeride[i].Hell, i);
        mitNaN_ = mitNaN_ || std::isnan(Ephemeride[i].Hell);
    }
    if (mitNaN_)
        AustauschVerfahren(folge_, n);
    else
        AustauschVerfahrenGeordnet(folge_, n);
}

void THelligkeitsordnung::Anwenden() {
    std::vector<std::pair<std::int32_t, TEphemeridenZeile>> bewegt;
    for (std::int32_t i = 1; i <= Bekannt(); ++i)
        if (folge_[i].second != i) bewegt.emplace_back(i, Ephemeride[folge_[i].second]);
    for (const auto& [i, zeile] : bewegt) Ephemeride[i] = zeile;
    for (std::int32_t i = 1; i <= Bekannt(); ++i) folge_[i].second = i;
}

void NachHelligkeitOrdnen() {
    THelligkeitsordnung ordnung;
    ordnung.Ordnen();
    ordnung.Anwenden();
}

}  // namespace zenaro
