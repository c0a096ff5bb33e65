// ZenaroWin, English edition.
#include "engine/ZenaroDef.hpp"
#include "ui/Anwendung.hpp"

int main() {
    zenaro::Englisch = true;
    return zenaro::Hauptprogramm();
}
