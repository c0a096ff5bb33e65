#include "astro/Laufzeit.hpp"

#include <cmath>

namespace zenaro {

ELaufzeitfehler::ELaufzeitfehler(std::int32_t nummer, const std::string& text)
    : std::runtime_error(text), nummer_(nummer) {}

std::string LaufzeitfehlerText(std::int32_t nummer) {
    switch (nummer) {
        case FehlerDateiNichtGefunden:
            return "File not found";
        case FehlerPfadNichtGefunden:
            return "Path not found";
        case FehlerZugriffVerweigert:
            return "File access denied";
        case FehlerLesenUeberDateiende:
            return "Read beyond end of file";
        case FehlerSchreiben:
            return "Disk write error";
        case FehlerDivisionDurchNull:
            return "Division by zero";
        case FehlerBereichsueberschreitung:
            return "Range check error";
        case FehlerUngueltigeGleitkommaoperation:
            return "Invalid floating point operation";
        case FehlerArithmetischerUeberlauf:
            return "Arithmetic overflow";
        default:
            return "Runtime error " + std::to_string(nummer);
    }
}

void Laufzeitfehler(std::int32_t nummer, const std::string& detail) {
    std::string text = LaufzeitfehlerText(nummer);
    if (!detail.empty()) text += " (" + detail + ")";
    throw ELaufzeitfehler(nummer, text);
}

void GanzzahlFehler(Extended ganz) {
    if (std::isnan(ganz)) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation);
    Laufzeitfehler(FehlerBereichsueberschreitung);
}

void EndlichPruefen(Extended x, const char* routine) {
    if (!std::isfinite(x)) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, routine);
}

Extended Sqrt(Extended x) {
    if (std::isnan(x) || x < 0.0L) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "sqrt");
    return std::sqrt(x);
}

Extended Ln(Extended x) {
    if (std::isnan(x) || x <= 0.0L) Laufzeitfehler(FehlerUngueltigeGleitkommaoperation, "ln");
    return std::log(x);
}

}  // namespace zenaro
