#include "astro/KEPLIB.hpp"

#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>

#include "astro/MATLIB.hpp"
#include "astro/SPHLIB.hpp"

namespace zenaro {

namespace {

constexpr Extended GAUSS = 0.01720209895L;     // Gaussian gravitational constant k
constexpr Extended KTAGE = 628.30666414875L;   // k times 36525: centuries to k * days
constexpr Extended GRAD = 57.29577951L;        // degrees per radian
constexpr Extended ZWEIPI = 6.283185308L;      // two pi of ECCANOM
constexpr Extended PI_ECCANOM = 3.141592654L;  // start value of ECCANOM for large e

thread_local TKeplerProtokoll Protokoll;

// The solvers report a stop at their iteration limit as one line on the standard
// output; the calculation goes on with the last iterate. The line is handed over in
// one piece, so that solvers on several threads never mix their lines.
void Konvergenzmeldung(const char* routine) {
    if (Protokoll.Melden) {
        const std::string zeile = std::string(" Konvergenzprobleme in ") + routine + "\n";
        std::cout.write(zeile.data(), static_cast<std::streamsize>(zeile.size()));
        std::cout.flush();
    }
}

void SchritteZaehlen(std::int32_t schritte) {
    if (schritte > Protokoll.MeisteSchritte) Protokoll.MeisteSchritte = schritte;
}

// Division as the floating-point unit does it: a zero divisor is the runtime error
// 200 (0/0 the invalid operation 207), an overflowing quotient the error 207.
Extended Teilen(Extended zaehler, Extended nenner, const char* routine) {
    if (nenner == 0.0L) {
        Laufzeitfehler(zaehler == 0.0L || std::isnan(zaehler) ? FehlerUngueltigeGleitkommaoperation
                                                              : FehlerDivisionDurchNull,
                       routine);
    }
    const Extended q = zaehler / nenner;
    EndlichPruefen(q, routine);
    return q;
}

// exp(H) and the hyperbolic sine and cosine formed from it as the solver does:
// (exp(H) -+ 1/exp(H)) / 2.
void SinhCosh(Extended H, Extended& SH, Extended& CH, const char* routine) {
    const Extended EX = std::exp(H);
    EndlichPruefen(EX, routine);
    const Extended INV = Teilen(1.0L, EX, routine);
    SH = (EX - INV) / 2.0L;
    CH = (EX + INV) / 2.0L;
}

}  // namespace

TKeplerProtokoll& KeplerProtokoll() { return Protokoll; }

Extended ECCANOM(Extended M, Extended e) {
    EndlichPruefen(M, "ECCANOM");
    EndlichPruefen(e, "ECCANOM");
    // Reduce to [0, 2 pi) in radians; the whole part is taken without an integer
    // range limit.
    Extended m = ZWEIPI * (M / 360.0L - Int(M / 360.0L));
    if (m < 0.0L) m = m + ZWEIPI;
    Extended E = (e < 0.8L) ? m : PI_ECCANOM;
    Extended F = E - e * std::sin(E) - m;
    std::int32_t i = 0;
    while (std::fabs(F) > 1e-11L && i < 15) {
        E = E - Teilen(F, 1.0L - e * std::cos(E), "ECCANOM");
        F = E - e * std::sin(E) - m;
        EndlichPruefen(F, "ECCANOM");
        i = i + 1;
    }
    SchritteZaehlen(i);
    // Also when the fifteenth step happened to converge.
    if (i == 15) Konvergenzmeldung("ECCANOM");
    return E / RAD;
}

Extended HYPANOM(Extended MH, Extended e) {
    EndlichPruefen(MH, "HYPANOM");
    EndlichPruefen(e, "HYPANOM");
    Extended H = Ln(Teilen(2.0L * std::fabs(MH), e, "HYPANOM") + 1.8L);
    if (MH < 0.0L) H = -H;
    Extended SH, CH;
    SinhCosh(H, SH, CH, "HYPANOM");
    Extended F = e * SH - H - MH;
    EndlichPruefen(F, "HYPANOM");
    std::int32_t i = 0;
    while (!(std::fabs(F) <= 1e-10L * (1.0L + std::fabs(H + MH))) && i < 15) {
        H = H - Teilen(F, e * CH - 1.0L, "HYPANOM");
        SinhCosh(H, SH, CH, "HYPANOM");
        F = e * SH - H - MH;
        EndlichPruefen(F, "HYPANOM");
        i = i + 1;
    }
    SchritteZaehlen(i);
    if (i == 15) Konvergenzmeldung("HYPANOM");
    return H;
}

void ELLIPPOS(Extended M, Extended a, Extended e, Extended& x, Extended& y, Extended& vx,
              Extended& vy) {
    EndlichPruefen(a, "ELLIPPOS");
    const Extended K = Teilen(GAUSS, Sqrt(a), "ELLIPPOS");
    const Extended E = ECCANOM(M, e);
    Extended S, C;
    SINCOSDEG(E, S, C);
    const Extended FAC = Sqrt((1.0L - e) * (1.0L + e));
    const Extended RHO = 1.0L - e * C;
    const Extended xn = a * (C - e);
    const Extended yn = a * FAC * S;
    const Extended vxn = Teilen(-K * S, RHO, "ELLIPPOS");
    const Extended vyn = Teilen(K * FAC * C, RHO, "ELLIPPOS");
    EndlichPruefen(xn, "ELLIPPOS");
    EndlichPruefen(yn, "ELLIPPOS");
    x = xn;
    y = yn;
    vx = vxn;
    vy = vyn;
}

void HYPERPOS(Extended T0, Extended T, Extended a, Extended e, Extended& x, Extended& y,
              Extended& vx, Extended& vy) {
    EndlichPruefen(T0, "HYPERPOS");
    EndlichPruefen(T, "HYPERPOS");
    EndlichPruefen(a, "HYPERPOS");
    a = std::fabs(a);
    const Extended K = Teilen(GAUSS, Sqrt(a), "HYPERPOS");
    const Extended MH = Teilen(K * 36525.0L * (T - T0), a, "HYPERPOS");
    const Extended H = HYPANOM(MH, e);
    Extended SH, CH;
    SinhCosh(H, SH, CH, "HYPERPOS");
    const Extended FAC = Sqrt((e + 1.0L) * (e - 1.0L));
    const Extended RHO = e * CH - 1.0L;
    const Extended xn = a * (e - CH);
    const Extended yn = a * FAC * SH;
    const Extended vxn = Teilen(-K * SH, RHO, "HYPERPOS");
    const Extended vyn = Teilen(K * FAC * CH, RHO, "HYPERPOS");
    EndlichPruefen(xn, "HYPERPOS");
    EndlichPruefen(yn, "HYPERPOS");
    x = xn;
    y = yn;
    vx = vxn;
    vy = vyn;
}

void CSERIES(Extended E2, Extended& c1, Extended& c2, Extended& c3) {
    EndlichPruefen(E2, "CSERIES");
    Extended s1 = 0.0L, s2 = 0.0L, s3 = 0.0L;
    Extended term = 1.0L;
    std::int32_t n = 1;
    // The terms fall once 2n exceeds the square root of |E2|; a term that overflows
    // before that ends the operation instead of summing infinities forever.
    do {
        s1 = s1 + term;
        term = term / static_cast<Extended>(2 * n);
        s2 = s2 + term;
        term = term / static_cast<Extended>(2 * n + 1);
        s3 = s3 + term;
        term = -E2 * term;
        EndlichPruefen(term, "CSERIES");
        n = n + 1;
    } while (!(std::fabs(term) < 1e-12L));
    EndlichPruefen(s1, "CSERIES");
    EndlichPruefen(s2, "CSERIES");
    EndlichPruefen(s3, "CSERIES");
    c1 = s1;
    c2 = s2;
    c3 = s3;
}

void PARAB(Extended T0, Extended T, Extended q, Extended e, Extended& x, Extended& y, Extended& vx,
           Extended& vy) {
    EndlichPruefen(T0, "PARAB");
    EndlichPruefen(T, "PARAB");
    EndlichPruefen(q, "PARAB");
    EndlichPruefen(e, "PARAB");
    Extended E2 = 0.0L;
    Extended FAC = 0.5L * e;
    std::int32_t i = 0;
    const Extended K = Teilen(GAUSS, Sqrt(q * (1.0L + e)), "PARAB");
    const Extended TAU = KTAGE * (T - T0);
    Extended E20, A, B, U, U2, c1, c2, c3;
    do {
        i = i + 1;
        E20 = E2;
        A = 1.5L * Sqrt(Teilen(FAC, q * q * q, "PARAB")) * TAU;
        EndlichPruefen(A, "PARAB");
        B = CUBEROOT(Sqrt(1.0L + A * A) + A);
        U = B - Teilen(1.0L, B, "PARAB");
        U2 = U * U;
        E2 = Teilen(U2 * (1.0L - e), FAC, "PARAB");
        CSERIES(E2, c1, c2, c3);
        FAC = 3.0L * e * c3;
    } while (!(std::fabs(E2 - E20) < 1e-9L || i > 15));
    SchritteZaehlen(i);
    // After the sixteenth pass, also when that pass happened to converge.
    if (i > 15) Konvergenzmeldung("PARAB");
    const Extended R = q * (1.0L + Teilen(U2 * c2 * e, FAC, "PARAB"));
    const Extended xn = q * (1.0L - Teilen(U2 * c2, FAC, "PARAB"));
    const Extended yn = q * Sqrt(Teilen(1.0L + e, FAC, "PARAB")) * U * c1;
    EndlichPruefen(xn, "PARAB");
    EndlichPruefen(yn, "PARAB");
    const Extended vxn = Teilen(-K * yn, R, "PARAB");
    const Extended vyn = K * (Teilen(xn, R, "PARAB") + e);
    EndlichPruefen(vyn, "PARAB");
    x = xn;
    y = yn;
    vx = vxn;
    vy = vyn;
}

namespace {

// Orbit plane to ecliptic for position and velocity, with the result checked.
void InEkliptik(const ROTMATRIX& PQR, Extended x, Extended y, Extended vx, Extended vy, Extended& X,
                Extended& Y, Extended& Z, Extended& VX, Extended& VY, Extended& VZ,
                const char* routine) {
    Extended Xn, Yn, Zn, VXn, VYn, VZn;
    PLANETOECL(PQR, x, y, Xn, Yn, Zn);
    PLANETOECL(PQR, vx, vy, VXn, VYn, VZn);
    for (const Extended w : {Xn, Yn, Zn, VXn, VYn, VZn}) EndlichPruefen(w, routine);
    X = Xn;
    Y = Yn;
    Z = Zn;
    VX = VXn;
    VY = VYn;
    VZ = VZn;
}

}  // namespace

void ORBITSTATE(Extended T0, Extended T, Extended q, Extended e, const ROTMATRIX& PQR, Extended& X,
                Extended& Y, Extended& Z, Extended& VX, Extended& VY, Extended& VZ) {
    EndlichPruefen(T0, "ORBITSTATE");
    EndlichPruefen(T, "ORBITSTATE");
    EndlichPruefen(q, "ORBITSTATE");
    EndlichPruefen(e, "ORBITSTATE");
    const Extended DELTA = std::fabs(1.0L - e);
    const Extended INVAX = Teilen(DELTA, q, "ORBITSTATE");
    const Extended TAU = KTAGE * (T - T0);
    const Extended M = GRAD * TAU * Sqrt(INVAX * INVAX * INVAX);
    EndlichPruefen(M, "ORBITSTATE");
    Extended x, y, vx, vy;
    // M keeps its sign: before the perihelion a near-parabolic orbit always takes
    // PARAB, after it only while M < 5 degrees. e = 1 gives M = 0 and always PARAB.
    if (M < 5.0L && DELTA < 0.1L) {
        PARAB(T0, T, q, e, x, y, vx, vy);
    } else if (e >= 1.0L) {
        HYPERPOS(T0, T, Teilen(1.0L, INVAX, "ORBITSTATE"), e, x, y, vx, vy);
    } else {
        ELLIPPOS(M, Teilen(1.0L, INVAX, "ORBITSTATE"), e, x, y, vx, vy);
    }
    InEkliptik(PQR, x, y, vx, vy, X, Y, Z, VX, VY, VZ, "ORBITSTATE");
}

void ELLIPSTATE(Extended M, Extended a, Extended e, const ROTMATRIX& PQR, Extended& X, Extended& Y,
                Extended& Z, Extended& VX, Extended& VY, Extended& VZ) {
    Extended x, y, vx, vy;
    ELLIPPOS(M, a, e, x, y, vx, vy);
    InEkliptik(PQR, x, y, vx, vy, X, Y, Z, VX, VY, VZ, "ELLIPSTATE");
}

}  // namespace zenaro
