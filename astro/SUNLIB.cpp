#include "astro/SUNLIB.hpp"

#include <cmath>
#include <cstdint>

#include "astro/MATLIB.hpp"
#include "astro/PNULIB.hpp"
#include "astro/SPHLIB.hpp"
#include "astro/TIMLIB.hpp"

namespace zenaro {

namespace {

constexpr Extended P2 = 6.283185307L;  // two pi of the series

// One term row: multiples I of the Earth's anomaly and J of the planet's, IT non-zero
// for a secular row (the argument of the row before, times T), and the coefficients
// of longitude (arc seconds), radius (0.000001 AU) and latitude (arc seconds).
struct Termzeile {
    std::int32_t I, J, IT;
    Extended DLC, DLS, DRC, DRS, DBC, DBS;
};

// Keplerian part (J = 0) and perturbations by Venus.
constexpr Termzeile VenusZeilen[] = {
    {1, 0, 0, -0.22L, 6892.76L, -16707.37L, -0.54L, 0.0L, 0.0L},
    {1, 0, 1, -0.06L, -17.35L, 42.04L, -0.15L, 0.0L, 0.0L},
    {1, 0, 2, -0.01L, -0.05L, 0.13L, -0.02L, 0.0L, 0.0L},
    {2, 0, 0, 0.0L, 71.98L, -139.57L, 0.0L, 0.0L, 0.0L},
    {2, 0, 1, 0.0L, -0.36L, 0.7L, 0.0L, 0.0L, 0.0L},
    {3, 0, 0, 0.0L, 1.04L, -1.75L, 0.0L, 0.0L, 0.0L},
    {0, -1, 0, 0.03L, -0.07L, -0.16L, -0.07L, 0.02L, -0.02L},
    {1, -1, 0, 2.35L, -4.23L, -4.75L, -2.64L, 0.0L, 0.0L},
    {1, -2, 0, -0.1L, 0.06L, 0.12L, 0.2L, 0.02L, 0.0L},
    {2, -1, 0, -0.06L, -0.03L, 0.2L, -0.01L, 0.01L, -0.09L},
    {2, -2, 0, -4.7L, 2.9L, 8.28L, 13.42L, 0.01L, -0.01L},
    {3, -2, 0, 1.8L, -1.74L, -1.44L, -1.57L, 0.04L, -0.06L},
    {3, -3, 0, -0.67L, 0.03L, 0.11L, 2.43L, 0.01L, 0.0L},
    {4, -2, 0, 0.03L, -0.03L, 0.1L, 0.09L, 0.01L, -0.01L},
    {4, -3, 0, 1.51L, -0.4L, -0.88L, -3.36L, 0.18L, -0.1L},
    {4, -4, 0, -0.19L, -0.09L, -0.38L, 0.77L, 0.0L, 0.0L},
    {5, -3, 0, 0.76L, -0.68L, 0.3L, 0.37L, 0.01L, 0.0L},
    {5, -4, 0, -0.14L, -0.04L, -0.11L, 0.43L, -0.03L, 0.0L},
    {5, -5, 0, -0.05L, -0.07L, -0.31L, 0.21L, 0.0L, 0.0L},
    {6, -4, 0, 0.15L, -0.04L, -0.06L, -0.21L, 0.01L, 0.0L},
    {6, -5, 0, -0.03L, -0.03L, -0.09L, 0.09L, -0.01L, 0.0L},
    {6, -6, 0, 0.0L, -0.04L, -0.18L, 0.02L, 0.0L, 0.0L},
    {7, -5, 0, -0.12L, -0.03L, -0.08L, 0.31L, -0.02L, -0.01L},
};

constexpr Termzeile MarsZeilen[] = {
    {1, -1, 0, -0.22L, 0.17L, -0.21L, -0.27L, 0.0L, 0.0L},
    {1, -2, 0, -1.66L, 0.62L, 0.16L, 0.28L, 0.0L, 0.0L},
    {2, -2, 0, 1.96L, 0.57L, -1.32L, 4.55L, 0.0L, 0.01L},
    {2, -3, 0, 0.4L, 0.15L, -0.17L, 0.46L, 0.0L, 0.0L},
    {2, -4, 0, 0.53L, 0.26L, 0.09L, -0.22L, 0.0L, 0.0L},
    {3, -3, 0, 0.05L, 0.12L, -0.35L, 0.15L, 0.0L, 0.0L},
    {3, -4, 0, -0.13L, -0.48L, 1.06L, -0.29L, 0.01L, 0.0L},
    {3, -5, 0, -0.04L, -0.2L, 0.2L, -0.04L, 0.0L, 0.0L},
    {4, -4, 0, 0.0L, -0.03L, 0.1L, 0.04L, 0.0L, 0.0L},
    {4, -5, 0, 0.05L, -0.07L, 0.2L, 0.14L, 0.0L, 0.0L},
    {4, -6, 0, -0.1L, 0.11L, -0.23L, -0.22L, 0.0L, 0.0L},
    {5, -7, 0, -0.05L, 0.0L, 0.01L, -0.14L, 0.0L, 0.0L},
    {5, -8, 0, 0.05L, 0.01L, -0.02L, 0.1L, 0.0L, 0.0L},
};

constexpr Termzeile JupiterZeilen[] = {
    {-1, -1, 0, 0.01L, 0.07L, 0.18L, -0.02L, 0.0L, -0.02L},
    {0, -1, 0, -0.31L, 2.58L, 0.52L, 0.34L, 0.02L, 0.0L},
    {1, -1, 0, -7.21L, -0.06L, 0.13L, -16.27L, 0.0L, -0.02L},
    {1, -2, 0, -0.54L, -1.52L, 3.09L, -1.12L, 0.01L, -0.17L},
    {1, -3, 0, -0.03L, -0.21L, 0.38L, -0.06L, 0.0L, -0.02L},
    {2, -1, 0, -0.16L, 0.05L, -0.18L, -0.31L, 0.01L, 0.0L},
    {2, -2, 0, 0.14L, -2.73L, 9.23L, 0.48L, 0.0L, 0.0L},
    {2, -3, 0, 0.07L, -0.55L, 1.83L, 0.25L, 0.01L, 0.0L},
    {2, -4, 0, 0.02L, -0.08L, 0.25L, 0.06L, 0.0L, 0.0L},
    {3, -2, 0, 0.01L, -0.07L, 0.16L, 0.04L, 0.0L, 0.0L},
    {3, -3, 0, -0.16L, -0.03L, 0.08L, -0.64L, 0.0L, 0.0L},
    {3, -4, 0, -0.04L, -0.01L, 0.03L, -0.17L, 0.0L, 0.0L},
};

constexpr Termzeile SaturnZeilen[] = {
    {0, -1, 0, 0.0L, 0.32L, 0.01L, 0.0L, 0.0L, 0.0L},
    {1, -1, 0, -0.08L, -0.41L, 0.97L, -0.18L, 0.0L, -0.01L},
    {1, -2, 0, 0.04L, 0.1L, -0.23L, 0.1L, 0.0L, 0.0L},
    {2, -2, 0, 0.04L, 0.1L, -0.35L, 0.13L, 0.0L, 0.0L},
};

// The frame of one SUNECLIP call: the angles, the Earth and planet tables, the three
// sums and the argument (U, V) of the last term row. The term lists are its member
// routines and work on these values directly.
class Sonnenreihe {
public:
    explicit Sonnenreihe(Extended T) : T_(T) {
        M2_ = P2 * SUNFRAC(0.1387306L + 162.5485917L * T);
        M3_ = P2 * SUNFRAC(0.9931266L + 99.9973604L * T);
        M4_ = P2 * SUNFRAC(0.0543250L + 53.1666028L * T);
        M5_ = P2 * SUNFRAC(0.0551750L + 8.4293972L * T);
        M6_ = P2 * SUNFRAC(0.8816500L + 3.3938722L * T);
        D_ = P2 * SUNFRAC(0.8274L + 1236.8531L * T);
        A_ = P2 * SUNFRAC(0.3749L + 1325.5524L * T);
        UM_ = P2 * SUNFRAC(0.2591L + 1342.2278L * T);
    }

    void Berechnen(Extended& L, Extended& B, Extended& R) {
        // Earth table: multiples -1 to 7 of M3 by the sum formula.
        erde(0) = {1.0L, 0.0L};
        erde(1) = {std::cos(M3_), std::sin(M3_)};
        erde(-1) = {erde(1).c, -erde(1).s};
        for (std::int32_t I = 2; I <= 7; ++I)
            SUNADDANG(erde(I - 1).c, erde(I - 1).s, erde(1).c, erde(1).s, erde(I).c, erde(I).s);
        planet(0) = {1.0L, 0.0L};
        VENUSTERMS();
        MARSTERMS();
        JUPTERMS();
        SATTERMS();
        LUNARTERMS();
        // Long-period terms; their arguments are not reduced to one revolution.
        DL_ = DL_ + 6.40L * std::sin(P2 * (0.6983L + 0.0561L * T_)) +
              1.87L * std::sin(P2 * (0.5764L + 0.4174L * T_)) +
              0.27L * std::sin(P2 * (0.4189L + 0.3306L * T_)) +
              0.20L * std::sin(P2 * (0.3581L + 2.4814L * T_));
        L = 360.0L *
            SUNFRAC(0.7859453L + M3_ / P2 + ((6191.2L + 1.1L * T_) * T_ + DL_) / 1296000.0L);
        R = 1.0001398L - 0.0000007L * T_ + 0.000001L * DR_;
        B = DB_ / 3600.0L;
    }

private:
    struct Winkel {
        Extended c, s;
    };

    Winkel& erde(std::int32_t I) { return erde_[I + 1]; }
    Winkel& planet(std::int32_t J) { return planet_[J + 8]; }

    // Planet table: entry -1 from the planet's anomaly, then downwards to its deepest
    // multiple by the sum formula; entry 0 stays (1, 0).
    void PlanetTafel(Extended Mp, std::int32_t tiefste) {
        planet(-1) = {std::cos(Mp), -std::sin(Mp)};
        for (std::int32_t J = -1; J > tiefste; --J)
            SUNADDANG(planet(J).c, planet(J).s, planet(-1).c, planet(-1).s, planet(J - 1).c,
                      planet(J - 1).s);
    }

    void SUNTERMADD(std::int32_t I, std::int32_t J, std::int32_t IT, Extended DLC, Extended DLS,
                    Extended DRC, Extended DRS, Extended DBC, Extended DBS) {
        if (IT == 0) {
            SUNADDANG(erde(I).c, erde(I).s, planet(J).c, planet(J).s, U_, V_);
        } else {
            U_ = U_ * T_;
            V_ = V_ * T_;
        }
        DL_ = DL_ + DLC * U_ + DLS * V_;
        DR_ = DR_ + DRC * U_ + DRS * V_;
        DB_ = DB_ + DBC * U_ + DBS * V_;
    }

    template <std::size_t N>
    void Zeilen(const Termzeile (&liste)[N]) {
        for (const Termzeile& z : liste)
            SUNTERMADD(z.I, z.J, z.IT, z.DLC, z.DLS, z.DRC, z.DRS, z.DBC, z.DBS);
    }

    void VENUSTERMS() {
        PlanetTafel(M2_, -6);
        Zeilen(VenusZeilen);
    }
    void MARSTERMS() {
        PlanetTafel(M4_, -8);
        Zeilen(MarsZeilen);
    }
    void JUPTERMS() {
        PlanetTafel(M5_, -4);
        Zeilen(JupiterZeilen);
    }
    void SATTERMS() {
        PlanetTafel(M6_, -2);
        Zeilen(SaturnZeilen);
    }

    void LUNARTERMS() {
        DL_ = DL_ + 6.45L * std::sin(D_) - 0.42L * std::sin(D_ - A_) + 0.18L * std::sin(D_ + A_) +
              0.17L * std::sin(D_ - M3_) - 0.06L * std::sin(D_ + M3_);
        DR_ = DR_ + 30.76L * std::cos(D_) - 3.06L * std::cos(D_ - A_) + 0.85L * std::cos(D_ + A_) -
              0.58L * std::cos(D_ + M3_) + 0.57L * std::cos(D_ - M3_);
        DB_ = DB_ + 0.576L * std::sin(UM_);
    }

    Extended T_;
    Extended M2_ = 0, M3_ = 0, M4_ = 0, M5_ = 0, M6_ = 0;  // anomalies of the planets
    Extended D_ = 0, A_ = 0, UM_ = 0;  // Moon: elongation, anomaly, argument of latitude
    Extended DL_ = 0, DR_ = 0, DB_ = 0;
    Extended U_ = 0, V_ = 0;
    Winkel erde_[9] = {};    // multiples -1 .. 7 of M3
    Winkel planet_[9] = {};  // multiples -8 .. 0 of the planet's anomaly
};

}  // namespace

// The same fraction as TIMFRAC: [0, 1) also for negative x, without an integer
// range limit.
Extended SUNFRAC(Extended x) { return TIMFRAC(x); }

void SUNADDANG(Extended c1, Extended s1, Extended c2, Extended s2, Extended& c, Extended& s) {
    const Extended cn = c1 * c2 - s1 * s2;
    const Extended sn = s1 * c2 + c1 * s2;
    c = cn;
    s = sn;
}

void SUNECLIP(Extended T, Extended& L, Extended& B, Extended& R) {
    // A NaN or infinite time (or one so large that the series overflows) ends the
    // operation instead of handing NaN to the caller.
    EndlichPruefen(T, "SUNECLIP");
    Extended Lw, Bw, Rw;
    Sonnenreihe(T).Berechnen(Lw, Bw, Rw);
    EndlichPruefen(Lw, "SUNECLIP");
    EndlichPruefen(Bw, "SUNECLIP");
    EndlichPruefen(Rw, "SUNECLIP");
    L = Lw;
    B = Bw;
    R = Rw;
}

void SUNEQUAT(Extended T, Extended& RA, Extended& DEC, Extended& R) {
    EndlichPruefen(T, "SUNEQUAT");
    Extended L, B, RS;
    // The place 8.32 minutes earlier (light time), in centuries.
    SUNECLIP(T - 1.5818693e-7L, L, B, RS);
    Extended X, Y, Z;
    SPHTOCART(RS, B, L, X, Y, Z);
    ECLIPTOEQ(T, X, Y, Z);
    NUTATEVEC(T, X, Y, Z);
    // Far outside any calendar the precession and nutation polynomials overflow; the
    // operation then ends instead of handing NaN to the caller.
    Extended Rw, DECw, RAw;
    CARTTOSPH(X, Y, Z, Rw, DECw, RAw);
    EndlichPruefen(RAw, "SUNEQUAT");
    EndlichPruefen(DECw, "SUNEQUAT");
    EndlichPruefen(Rw, "SUNEQUAT");
    RA = RAw;
    DEC = DECw;
    R = Rw;
}

}  // namespace zenaro
