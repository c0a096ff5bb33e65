// The sort of the all-objects list by magnitude: rows 1..AnzahlZeilen of Ephemeride
// ascending by Hell by the exchange procedure of the all-objects list (for i = 1..n,
// for j = 1..n-1: exchange rows i and j when Hell of row j is above Hell of row i),
// which fixes the order of equal magnitudes.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

// The sort on the magnitudes with the row numbers beside them: the comparisons and
// exchanges are those of the procedure on whole rows, so the order (ties included)
// is the same; the rows themselves are moved once, by Anwenden. The all-objects mode
// sorts after every call: it orders the same sequence each time, extended by the
// rows appended since, and moves the rows when it ends, which leaves the table as
// sorting the rows after each call would.
class THelligkeitsordnung {
public:
    // Takes in the rows of the table beyond those known (afresh when the table holds
    // fewer than it knows) and orders all by the exchange procedure.
    void Ordnen();
    // Puts the rows into the order reached; only those that change their place move.
    void Anwenden();

private:
    std::int32_t Bekannt() const { return static_cast<std::int32_t>(folge_.size()) - 1; }

    // Magnitudes with the row numbers beside them, from index 1.
    std::vector<std::pair<Extended, std::int32_t>> folge_ =
        std::vector<std::pair<Extended, std::int32_t>>(1);
    bool mitNaN_ = false;
};

// The sort of the rows as they stand.
void NachHelligkeitOrdnen();

}  // namespace zenaro
