// A comet on an elliptic orbit, propagated from its perihelion time (March 2024);
// another node puts it elsewhere in the sky, another H11 makes it brighter or fainter.
#pragma once

#include "engine/ZenaroDef.hpp"

namespace zenaro::test {

inline TBahnelement Testkomet(Extended knoten = 80.0L, Extended h11 = 6.0L) {
    TBahnelement e;
    e.Name = "C/2024 X1 (Test)";
    e.Perihel[1] = 2024.0L;
    e.Perihel[2] = 3.0L;
    e.Perihel[3] = 10.5L;
    e.Epoche = e.Perihel;
    e.Exzentrizitaet = 0.7L;
    e.Perihelabstand = 1.2L;
    e.GrosseHalbachse = 4.0L;
    e.MittlereAnomalie = 0.0L;
    e.Knoten = knoten;
    e.Perihelargument = 120.0L;
    e.Bahnneigung = 30.0L;
    e.Aequinoktium = 2000.0L;
    e.H11 = h11;
    e.N = 4.0L;
    return e;
}

}  // namespace zenaro::test
