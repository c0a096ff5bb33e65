// The angle between two directions on the sphere, to compare a computed place with
// an independent one.
#pragma once

#include <cmath>

#include "astro/Laufzeit.hpp"

namespace zenaro::test {

// Angle in degrees between two directions given by longitude and latitude (or right
// ascension and declination) in degrees; the atan2 form keeps small angles exact.
inline Extended Winkelabstand(Extended lon1, Extended lat1, Extended lon2, Extended lat2) {
    const Extended g = 3.14159265358979323846264338327950288L / 180;
    const Extended c = std::sin(lat1 * g) * std::sin(lat2 * g) +
                       std::cos(lat1 * g) * std::cos(lat2 * g) * std::cos((lon1 - lon2) * g);
    const Extended s =
        std::hypot(std::cos(lat2 * g) * std::sin((lon1 - lon2) * g),
                   std::cos(lat1 * g) * std::sin(lat2 * g) -
                       std::sin(lat1 * g) * std::cos(lat2 * g) * std::cos((lon1 - lon2) * g));
    return std::atan2(s, c) / g;
}

}  // namespace zenaro::test
