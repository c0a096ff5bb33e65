#include "ui/Konjunktionstext.hpp"

namespace zenaro {

std::string KonjTitelzeile(TKonjZiel) { return {}; }
std::string KonjZonenzeile() { return {}; }
std::string KonjKopfzeile() { return {}; }
std::string KonjStrichzeile() { return {}; }
std::string KonjZeile(const TKonjunktionsZeile&) { return {}; }
std::vector<std::string> KonjLegende(TKonjZiel) { return {}; }
std::string KonjKeineZeile() { return {}; }
std::vector<std::string> Konjunktionstext(TKonjZiel) { return {}; }

}  // namespace zenaro
