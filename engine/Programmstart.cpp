#include "engine/Programmstart.hpp"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "engine/Datendateien.hpp"
#include "engine/Kometenliste.hpp"

namespace zenaro {

std::string DatenVerzeichnisAus(const std::string& arbeitsverzeichnis) {
    if (!arbeitsverzeichnis.empty() && arbeitsverzeichnis.back() == '/') return arbeitsverzeichnis;
    return arbeitsverzeichnis + "/";
}

std::string DatumText(int tag, int monat, int jahr) {
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", tag, monat, jahr);
    return std::string(text).substr(0, 10);
}

std::string HeutigesDatum() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    if (localtime_r(&jetzt, &ortszeit) == nullptr) return DatumText(1, 1, 2000);
    return DatumText(ortszeit.tm_mday, ortszeit.tm_mon + 1, ortszeit.tm_year + 1900);
}

TDeepSkyObjekt Messier45() {
    TDeepSkyObjekt m45;
    m45.Nummer = 0;
    m45.RA = 56.8541666667L;
    m45.Dek = 24.1053L;
    m45.Typ = " OC";
    m45.Hell = 2.5L;
    m45.Groesse = 90.0L;
    m45.Sternbild = "TAU";
    m45.Messier = 45;
    return m45;
}

namespace {

// Runs one loader; an error that does not name the file yet gets its path, so
// the message at start tells the user which file is damaged.
template <typename Lader>
bool MitDateiname(Lader lader, const char* datei) {
    try {
        return lader();
    } catch (const ELaufzeitfehler& fehler) {
        const std::string pfad = DateiFinden(DatenVerzeichnis, datei);
        const std::string text = fehler.what();
        if (text.find(pfad) != std::string::npos) throw;
        throw ELaufzeitfehler(fehler.Nummer(), text + " (" + pfad + ")");
    }
}

}  // namespace

void ZurueckgelasseneTemporaerdateienEntfernen(const std::string& verzeichnis) {
    DIR* ordner = ::opendir(verzeichnis.empty() ? "." : verzeichnis.c_str());
    if (ordner == nullptr) return;
    const std::time_t jetzt = std::time(nullptr);
    while (const dirent* eintrag = ::readdir(ordner)) {
        const std::string name = eintrag->d_name;
        bool temporaer = false;
        for (const std::string& datei :
             {std::string(DateiEinstellungen), std::string(DateiBahnelemente),
              std::string(DateiBahnelemente) + EndungVorherigeElemente, std::string(DateiOrte),
              std::string(DateiHellParameter), std::string(DateiKometenliste)})
            temporaer = temporaer || IstTemporaereDatei(name, datei);
        if (!temporaer) continue;
        const std::string pfad = verzeichnis + name;
        struct stat info {};
        if (::lstat(pfad.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            jetzt - info.st_mtime > TemporaerdateiMindestalterSekunden)
            ::unlink(pfad.c_str());
    }
    ::closedir(ordner);
}

void StartdatenLaden(const std::string& arbeitsverzeichnis) {
    std::signal(SIGXFSZ, SIG_IGN);
    DatenVerzeichnis = DatenVerzeichnisAus(arbeitsverzeichnis);
    UeberzaehligeDateien.clear();
    ZurueckgelasseneTemporaerdateienEntfernen(DatenVerzeichnis);

    if (!MitDateiname(EinstellungenLesen, DateiEinstellungen))
        EinstellungenVorgabenSetzen(HeutigesDatum());

    MitDateiname(ObjekteLesen, DateiBahnelemente);
    MitDateiname(OrteLesen, DateiOrte);
    if (MitDateiname(NGCLesen, DateiNGC) && AnzahlNGC < MaxNGC) {
        // The loader keeps the last slot free for this entry.
        AnzahlNGC = AnzahlNGC + 1;
        NGCKatalog[AnzahlNGC] = Messier45();
    }
    MitDateiname(ICLesen, DateiIC);
    MitDateiname(SterneLesen, DateiSterne);
    MitDateiname(HellParameterLesen, DateiHellParameter);
}

void StartdatenLaden() {
    std::error_code fehler;
    const std::filesystem::path verzeichnis = std::filesystem::current_path(fehler);
    if (fehler) Laufzeitfehler(FehlerPfadNichtGefunden, "current directory");
    StartdatenLaden(verzeichnis.string());
}

}  // namespace zenaro
