// The one window application of a ui test program, created on first use.
#pragma once

#include "ui/Anwendung.hpp"

namespace zenaro::test {

inline TAnwendung& Anwendung() {
    static int anzahl = 1;
    static char name[] = "zenaro_test";
    static char* argumente[] = {name, nullptr};
    static TAnwendung anwendung(anzahl, argumente);
    return anwendung;
}

}  // namespace zenaro::test
