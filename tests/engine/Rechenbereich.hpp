// The time range of a computation, set as the parameter form leaves it.
#pragma once

#include <cstdint>

#include "engine/ZenaroDef.hpp"

namespace zenaro::test {

// From year j1, month m1, day t1 at hour h1 to j2, m2, t2 at h2, a step of tage days
// and stunden hours.
inline void Bereich(std::int32_t j1, std::int32_t m1, std::int32_t t1, Extended h1, std::int32_t j2,
                    std::int32_t m2, std::int32_t t2, Extended h2, std::int32_t tage,
                    Extended stunden) {
    StartJahr = j1;
    StartMonat = m1;
    StartTag = t1;
    StartStunde = h1;
    StopJahr = j2;
    StopMonat = m2;
    StopTag = t2;
    StopStunde = h2;
    SchrittweiteTage = tage;
    SchrittweiteStunden = stunden;
}

}  // namespace zenaro::test
