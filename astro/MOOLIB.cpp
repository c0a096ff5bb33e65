#include "astro/MOOLIB.hpp"

#include <cmath>
#include <cstdlib>

#include "astro/MATLIB.hpp"
#include "astro/PNULIB.hpp"
#include "astro/SPHLIB.hpp"

namespace zenaro {

namespace {

// One latitude row: multiples of l, l', F, D and the sine coefficient in arc seconds.
struct TBreitenterm {
    std::int32_t P, Q, R, S;
    Extended C;
};

constexpr std::array<TBreitenterm, 10> Breitenterme = {{
    {0, 0, 1, -2, -526.069L},
    {0, 0, 1, -4, -3.352L},
    {1, 0, 1, -2, 44.297L},
    {1, 0, 1, -4, -6.0L},
    {-1, 0, 1, 0, 20.599L},
    {-1, 0, 1, -2, -30.598L},
    {-2, 0, 1, 0, -24.649L},
    {-2, 0, 1, -2, -2.0L},
    {0, 1, 1, -2, -22.571L},
    {0, -1, 1, -2, 10.985L},
}};

// One planetary term in longitude: coefficient in arc seconds, phase and rate in
// revolutions (rate per Julian century).
struct TPlanetenterm {
    Extended Koeffizient, Phase, Rate;
};

constexpr std::array<TPlanetenterm, 11> Planetenterme = {{
    {0.82L, 0.7736L, -62.5512L},
    {0.31L, 0.0466L, -125.1025L},
    {0.35L, 0.5785L, -25.1042L},
    {0.66L, 0.4591L, 1335.8075L},
    {0.64L, 0.3130L, -91.5680L},
    {1.14L, 0.1480L, 1331.2898L},
    {0.21L, 0.5918L, 1056.5859L},
    {0.44L, 0.5784L, 1322.8595L},
    {0.24L, 0.2275L, -5.7374L},
    {0.28L, 0.2965L, 2.6929L},
    {0.33L, 0.3132L, 6.3368L},
}};

template <std::size_t N>
void SolarSatz(TMondRahmen& Rahmen, const std::array<TSonnenterm, N>& Terme) {
    for (const TSonnenterm& t : Terme)
        SOLARTERM(Rahmen, t.P, t.Q, t.R, t.S, t.CL, t.CS, t.CG, t.CP);
}

}  // namespace

Extended MOONFRAC(Extended x) {
    Extended f = Frac(x);
    if (f < 0.0L) {
        f = f + 1.0L;
        // A negative fraction too small to survive the addition would give exactly 1,
        // outside [0, 1); it is a whole number of revolutions.
        if (f >= 1.0L) f = 0.0L;
    }
    return f;
}

void MOONADDANG(Extended c1, Extended s1, Extended c2, Extended s2, Extended& c, Extended& s) {
    c = c1 * c2 - s1 * s2;
    s = s1 * c2 + c1 * s2;
}

Extended SINREVOL(Extended x) { return std::sin(MondPI2 * MOONFRAC(x)); }

void LONGCORR(Extended T, Extended& DL0, Extended& DL, Extended& DLS, Extended& DF, Extended& DD,
              Extended& DGAM) {
    const Extended S1 = SINREVOL(0.19833L + 0.05611L * T);
    const Extended S2 = SINREVOL(0.27869L + 0.04508L * T);
    const Extended S3 = SINREVOL(0.16827L - 0.36903L * T);
    const Extended S4 = SINREVOL(0.34734L - 5.37261L * T);
    const Extended S5 = SINREVOL(0.10498L - 5.37899L * T);
    const Extended S6 = SINREVOL(0.42681L - 0.41855L * T);
    const Extended S7 = SINREVOL(0.14943L - 5.37511L * T);
    DL0 = 0.84L * S1 + 0.31L * S2 + 14.27L * S3 + 7.26L * S4 + 0.28L * S5 + 0.24L * S6;
    DL = 2.94L * S1 + 0.31L * S2 + 14.27L * S3 + 9.34L * S4 + 1.12L * S5 + 0.83L * S6;
    DLS = -6.40L * S1 - 1.89L * S6;
    DF =
        0.21L * S1 + 0.31L * S2 + 14.27L * S3 - 88.70L * S4 - 15.30L * S5 + 0.24L * S6 - 1.86L * S7;
    DD = DL0 - DLS;
    DGAM = -0.000003332L * SINREVOL(0.59734L - 5.37261L * T) -
           0.000000539L * SINREVOL(0.35498L - 5.37899L * T) -
           0.000000064L * SINREVOL(0.39943L - 5.37511L * T);
}

void MOONSETUP(TMondRahmen& Rahmen) {
    TMondRahmen& M = Rahmen;
    const Extended T = M.T;
    const Extended T2 = M.T2;
    M.DLAM = 0.0L;
    M.DS = 0.0L;
    M.GAM1C = 0.0L;
    M.SINPI = 3422.7L;
    LONGCORR(T, M.DL0, M.DL, M.DLS, M.DF, M.DD, M.DGAM);
    M.L0 =
        MondPI2 * MOONFRAC(0.60643382L + 1336.85522467L * T - 0.00000313L * T2) + M.DL0 / MondARC;
    M.L = MondPI2 * MOONFRAC(0.37489701L + 1325.55240982L * T + 0.00002565L * T2) + M.DL / MondARC;
    M.LS = MondPI2 * MOONFRAC(0.99312619L + 99.99735956L * T - 0.00000044L * T2) + M.DLS / MondARC;
    M.F = MondPI2 * MOONFRAC(0.25909118L + 1342.2278298L * T - 0.00000892L * T2) + M.DF / MondARC;
    M.D = MondPI2 * MOONFRAC(0.82736186L + 1236.85308708L * T - 0.00000397L * T2) + M.DD / MondARC;

    const std::array<Extended, 4> Argument = {M.L, M.LS, M.F, M.D};
    const std::array<Extended, 4> Faktor = {1.000002208L, 0.997504612L - 0.002495388L * T,
                                            1.000002708L + 139.978L * M.DGAM, 1.0L};
    constexpr std::int32_t Null = 6;  // row of the multiple 0
    for (std::size_t i = 0; i < 4; ++i) {
        const std::int32_t Max = MondHoechsteVielfache[i];
        M.CO[Null][i] = 1.0L;
        M.SI[Null][i] = 0.0L;
        M.CO[Null + 1][i] = Faktor[i] * std::cos(Argument[i]);
        M.SI[Null + 1][i] = Faktor[i] * std::sin(Argument[i]);
        for (std::int32_t j = 2; j <= Max; ++j)
            MOONADDANG(M.CO[Null + j - 1][i], M.SI[Null + j - 1][i], M.CO[Null + 1][i],
                       M.SI[Null + 1][i], M.CO[Null + j][i], M.SI[Null + j][i]);
        for (std::int32_t j = 1; j <= Max; ++j) {
            M.CO[Null - j][i] = M.CO[Null + j][i];
            M.SI[Null - j][i] = -M.SI[Null + j][i];
        }
    }
}

void ARGCOSSIN(const TMondRahmen& Rahmen, std::int32_t P, std::int32_t Q, std::int32_t R,
               std::int32_t S, Extended& X, Extended& Y) {
    const std::array<std::int32_t, 4> K = {P, Q, R, S};
    // Check every multiple first, so that a rejected row leaves X and Y untouched.
    for (std::size_t i = 0; i < 4; ++i)
        if (std::abs(static_cast<long long>(K[i])) > MondHoechsteVielfache[i])
            Laufzeitfehler(FehlerBereichsueberschreitung, "ARGCOSSIN");
    X = 1.0L;
    Y = 0.0L;
    for (std::size_t i = 0; i < 4; ++i)
        if (K[i] != 0) MOONADDANG(X, Y, Rahmen.CO[6 + K[i]][i], Rahmen.SI[6 + K[i]][i], X, Y);
}

void SOLARTERM(TMondRahmen& Rahmen, std::int32_t P, std::int32_t Q, std::int32_t R, std::int32_t S,
               Extended CL, Extended CS, Extended CG, Extended CP) {
    Extended X, Y;
    ARGCOSSIN(Rahmen, P, Q, R, S, X, Y);
    Rahmen.DLAM = Rahmen.DLAM + CL * Y;
    Rahmen.DS = Rahmen.DS + CS * Y;
    Rahmen.GAM1C = Rahmen.GAM1C + CG * X;
    Rahmen.SINPI = Rahmen.SINPI + CP * X;
}

void SOLARSETA(TMondRahmen& Rahmen) { SolarSatz(Rahmen, SonnentermeA); }
void SOLARSETB(TMondRahmen& Rahmen) { SolarSatz(Rahmen, SonnentermeB); }
void SOLARSETC(TMondRahmen& Rahmen) { SolarSatz(Rahmen, SonnentermeC); }

void LATTERM(const TMondRahmen& Rahmen, std::int32_t P, std::int32_t Q, std::int32_t R,
             std::int32_t S, Extended C, Extended& N) {
    Extended X, Y;
    ARGCOSSIN(Rahmen, P, Q, R, S, X, Y);
    N = N + C * Y;
}

void LATSERIES(const TMondRahmen& Rahmen, Extended& N) {
    N = 0.0L;
    for (const TBreitenterm& t : Breitenterme) LATTERM(Rahmen, t.P, t.Q, t.R, t.S, t.C, N);
}

void PLANETPERT(const TMondRahmen& Rahmen, Extended& DLAM) {
    Extended Summe = 0.0L;
    for (const TPlanetenterm& t : Planetenterme)
        Summe = Summe + t.Koeffizient * SINREVOL(t.Phase + t.Rate * Rahmen.T);
    DLAM = DLAM + Summe;
}

void MOONECLIP(Extended T, Extended& LAMBDA, Extended& BETA, Extended& R) {
    TMondRahmen M;
    M.T = T;
    M.T2 = T * T;
    MOONSETUP(M);
    SOLARSETA(M);
    SOLARSETB(M);
    SOLARSETC(M);
    Extended N;
    LATSERIES(M, N);
    PLANETPERT(M, M.DLAM);
    LAMBDA = 360.0L * MOONFRAC((M.L0 + M.DLAM / MondARC) / MondPI2);
    const Extended S = M.F + M.DS / MondARC;
    const Extended FAC = 1.000002708L + 139.978L * M.DGAM;
    BETA = (FAC * (18519.7L + M.GAM1C) * std::sin(S) - 6.24L * std::sin(3.0L * S) + N) / 3600.0L;
    M.SINPI = 0.999953253L * M.SINPI;
    R = MondARC / M.SINPI;
}

void MOONEQUAT(Extended T, Extended& RA, Extended& DEC, Extended& R) {
    Extended LAMBDA, BETA, Abstand;
    MOONECLIP(T, LAMBDA, BETA, Abstand);
    Extended X, Y, Z;
    SPHTOCART(Abstand, BETA, LAMBDA, X, Y, Z);
    ECLIPTOEQ(T, X, Y, Z);
    NUTATEVEC(T, X, Y, Z);
    CARTTOSPH(X, Y, Z, R, DEC, RA);
}

}  // namespace zenaro
