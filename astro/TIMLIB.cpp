#include "astro/TIMLIB.hpp"

#include <cmath>

namespace zenaro {

namespace {

// 32-bit integer arithmetic with the runtime's overflow check (error 215).
std::int32_t Plus(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_add_overflow(a, b, &r)) Laufzeitfehler(FehlerArithmetischerUeberlauf, "TIMLIB");
    return r;
}

std::int32_t Minus(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_sub_overflow(a, b, &r)) Laufzeitfehler(FehlerArithmetischerUeberlauf, "TIMLIB");
    return r;
}

std::int32_t Mal(std::int32_t a, std::int32_t b) {
    std::int32_t r;
    if (__builtin_mul_overflow(a, b, &r)) Laufzeitfehler(FehlerArithmetischerUeberlauf, "TIMLIB");
    return r;
}

// The whole part rounded down, as a 32-bit integer (range-checked like Trunc). For
// the non-negative quantities of every date from -4712 January 1 on it is the same
// as the truncation; before that it keeps the calendar running on instead of
// folding two days into one and giving negative days, months and hours.
std::int32_t Abrunden(Extended x) { return Trunc(std::floor(x)); }

}  // namespace

Extended INTPART(Extended x) { return Int(x); }

Extended TIMFRAC(Extended x) {
    Extended f = x - INTPART(x);
    if (f < 0.0L) {
        f = f + 1.0L;
        // A fraction just below 0 can round to exactly 1 when 1 is added; its
        // wrap-around is 0, which keeps the result inside [0, 1).
        if (f >= 1.0L) f = 0.0L;
    }
    return f;
}

Extended DATETOMJD(std::int32_t DAY, std::int32_t MONTH, std::int32_t YEAR, Extended HOUR) {
    // The date number decides the calendar; it is formed from the date as given.
    const Extended N = 10000.0L * YEAR + 100.0L * MONTH + DAY;
    std::int32_t Y = YEAR;
    std::int32_t M = MONTH;
    if (MONTH <= 2) {
        Y = Minus(YEAR, 1);
        M = Plus(MONTH, 12);
    }
    std::int32_t B;
    if (N <= 15821004.1L) {
        B = Minus(Abrunden(Plus(Y, 4716) / 4.0L), 1181);
    } else {
        B = Plus(Minus(Trunc(Y / 400.0L), Trunc(Y / 100.0L)), Trunc(Y / 4.0L));
    }
    const std::int32_t Tage =
        Plus(Minus(Plus(Plus(Trunc(30.6001L * Plus(M, 1)), B), Mal(365, Y)), 679004), DAY);
    return Tage + HOUR / 24.0L;
}

void MJDTODATE(Extended MJD, std::int32_t& DAY, std::int32_t& MONTH, std::int32_t& YEAR,
               Extended& HOUR) {
    const Extended JD = MJD + 2400000.5L;
    // Julian day number of the civil day, rounded down (see Abrunden).
    const Extended J0 = std::floor(JD + 0.5L);
    Extended C;
    if (J0 < 2299161.0L) {
        C = J0 + 1524.0L;
    } else {
        const std::int32_t B = Trunc((J0 - 1867216.25L) / 36524.25L);
        C = J0 + B - Trunc(B / 4.0L) + 1525.0L;
    }
    const std::int32_t D = Abrunden((C - 122.1L) / 365.25L);
    const std::int32_t E = Plus(Mal(365, D), Abrunden(D / 4.0L));
    const std::int32_t F = Trunc((C - E) / 30.6001L);
    DAY = Minus(Trunc(C - E + 0.5L), Trunc(30.6001L * F));
    MONTH = Minus(Minus(F, 1), Mal(12, Trunc(F / 14.0L)));
    YEAR = Minus(Minus(D, 4715), Trunc(Plus(7, MONTH) / 10.0L));
    HOUR = 24.0L * (JD + 0.5L - J0);
}

Extended LOCSIDTIME(Extended MJD, Extended LAMBDA) {
    const Extended MJD0 = INTPART(MJD);
    const Extended UT = 24.0L * (MJD - MJD0);
    const Extended T0 = (MJD0 - 51544.5L) / 36525.0L;
    const Extended GMST = 6.697374558L + 1.0027379093L * UT +
                          (8640184.812866L + (0.093104L - 6.2e-6L * T0) * T0) * T0 / 3600.0L;
    return 24.0L * TIMFRAC((GMST - LAMBDA / 15.0L) / 24.0L);
}

}  // namespace zenaro
