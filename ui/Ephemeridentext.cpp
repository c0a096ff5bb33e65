#include "ui/Ephemeridentext.hpp"

namespace zenaro {

std::vector<TTextZeile> Ephemeridentext(TAusgabeSenke) { return {}; }

std::string EphemeridenZeilenText(const TEphemeridenZeile&) { return {}; }

bool ZeileGezeigt(const TEphemeridenZeile&, TAusgabeSenke) { return false; }

}  // namespace zenaro
