// ZenaroWin, German edition.
#include "engine/ZenaroDef.hpp"
#include "ui/Anwendung.hpp"

int main() {
    zenaro::Englisch = false;
    return zenaro::Hauptprogramm();
}
