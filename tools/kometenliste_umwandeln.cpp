// Converts the comet element list "Soft02Cmt.txt" of a directory into that
// directory's element file "Bahnelem.dat" with the program's own conversion, the
// one "Update Bahnelemente" runs after a download. tools/datenverzeichnis.py uses
// it for the shipped element file, so that file holds exactly what a download of
// the same list gives. As the update does, it keeps an element file that was there
// before whole beside the new one, as "Bahnelem.dat.vor-update".
//
//   kometenliste_umwandeln DIRECTORY
//
// Exit code 0 when every element line of the list became an object; 1 when the
// list is missing, a line was unreadable, or the object table had no room for
// every comet (the element file then holds what the program would hold).
#include <iostream>

#include "astro/Laufzeit.hpp"
#include "engine/Kometenliste.hpp"
#include "engine/Programmstart.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: kometenliste_umwandeln DIRECTORY\n";
        return 2;
    }
    zenaro::DatenVerzeichnis = zenaro::DatenVerzeichnisAus(argv[1]);
    try {
        const zenaro::TKometenlisteErgebnis r = zenaro::BahnelementeKonvertieren();
        if (!r.ListeGelesen) {
            std::cerr << zenaro::KometenlistePfad() << ": no list\n";
            return 1;
        }
        std::cout << zenaro::DatenVerzeichnis << "Bahnelem.dat: " << r.Umgewandelt << " comets";
        if (r.Unlesbar > 0) std::cout << ", " << r.Unlesbar << " unreadable lines skipped";
        if (r.NichtUebernommen > 0)
            std::cout << ", " << r.NichtUebernommen << " comets beyond the table's capacity";
        std::cout << "\n";
        return r.Uebernommen() && r.Unlesbar == 0 && r.NichtUebernommen == 0 ? 0 : 1;
    } catch (const zenaro::ELaufzeitfehler& f) {
        std::cerr << f.what() << "\n";
        return 1;
    }
}
