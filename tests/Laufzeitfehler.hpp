// The number of the runtime error a piece of code raises, for the tests that
// check which error a routine reports.
#pragma once

#include <cstdint>

#include "astro/Laufzeit.hpp"

namespace zenaro::test {

// Runs f and returns the number of the ELaufzeitfehler it raises, 0 when it
// raises none.
std::int32_t FehlerNummer(auto f) {
    try {
        f();
    } catch (const ELaufzeitfehler& e) {
        return e.Nummer();
    }
    return 0;
}

}  // namespace zenaro::test
