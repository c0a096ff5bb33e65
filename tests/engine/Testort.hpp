// An observing location for the computations, made from its coordinates.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro::test {

// The place "Testort" at latitude breite (north positive) and longitude laenge (west
// positive), degrees.
inline TOrt Ort(Extended breite, Extended laenge) {
    TOrt o;
    o.Name = "Testort";
    o.Breite = breite;
    o.Laenge = laenge;
    return o;
}

}  // namespace zenaro::test
