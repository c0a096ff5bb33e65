#include "engine/Kometenliste.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "engine/Datendateien.hpp"
#include "engine/Zahltext.hpp"

namespace zenaro {

namespace {

// Columns of the name field and of the remark (1-based).
constexpr std::size_t NamensBreite = 43;
constexpr std::size_t BemerkungAb = 155;
constexpr std::size_t TextLaenge = 60;
// Characters of a line that are ever read; the rest only counts for its length.
constexpr std::size_t GehalteneZeichen = BemerkungAb - 1 + TextLaenge;

constexpr char CtrlZ = 0x1A;

// The name from columns 1-43: the text inside parentheses (B, the comet's name)
// and the rest (A, its designation) without the parentheses; A loses its trailing
// blanks but keeps at least one character. The name is B, a blank and A, or for
// a designation "P/..." with a name B directly followed by A without its "P"
// ("Lagerkvist/1996 R2"); without a name a "P/..." designation keeps its "P"
// (" P/2013 EW90") like every other designation. Cut to 60.
std::string NameBilden(const std::string& feld) {
    std::string a;
    std::string b;
    bool innen = false;
    for (const char c : feld) {
        if (c == '(') {
            innen = true;
        } else if (c == ')') {
            innen = false;
        } else if (innen) {
            b += c;
        } else {
            a += c;
        }
    }
    std::string name;
    if (a.empty()) {
        // Everything lay inside parentheses: the name is that text alone,
        // without trailing blanks (one blank when nothing else is left).
        const std::size_t ende = b.find_last_not_of(' ');
        name = ende == std::string::npos ? std::string(" ") : b.substr(0, ende + 1);
    } else {
        const std::size_t ende = a.find_last_not_of(' ');
        a.resize(ende == std::string::npos ? 1 : ende + 1);
        if (!b.empty() && a.compare(0, 2, "P/") == 0) {
            name = b + a.substr(1);
        } else {
            name = b + " " + a;
        }
    }
    if (name.size() > TextLaenge) name.resize(TextLaenge);
    return name;
}

// The number of columns von..bis; every blank from the field's character `ab`
// on reads as "0". A field that is not a number then gives false.
bool FeldLesen(const std::string& zeile, std::size_t von, std::size_t bis, std::size_t ab,
               Extended& wert) {
    std::string text = zeile.substr(von - 1, bis - von + 1);
    for (std::size_t i = ab - 1; i < text.size(); ++i)
        if (text[i] == ' ') text[i] = '0';
    wert = 0.0L;
    return ZahlLesen(text, wert);
}

// Reads the list line by line and hands every line to `zeileFertig` (at most
// its first GehalteneZeichen characters, with its full length). A line ends at
// CR, LF or CR LF; Ctrl-Z ends the text. False when the file does not open as a
// regular file; a read error raises error 100.
template <typename F>
bool ListeLesen(const std::string& pfad, F&& zeileFertig) {
    // Non-blocking, so that a pipe of that name cannot hang the program.
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct Schliesser {
        int fd;
        ~Schliesser() { ::close(fd); }
    } schliesser{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return false;

    std::string zeile;
    std::size_t laenge = 0;
    std::vector<char> puffer(1 << 16);
    for (;;) {
        const ssize_t r = ::read(fd, puffer.data(), puffer.size());
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) Laufzeitfehler(FehlerLesenUeberDateiende, pfad + ": " + std::strerror(errno));
        if (r == 0) break;
        for (ssize_t i = 0; i < r; ++i) {
            const char c = puffer[static_cast<std::size_t>(i)];
            if (c == CtrlZ) {
                zeileFertig(zeile, laenge);
                return true;
            }
            if (c == '\r' || c == '\n') {
                zeileFertig(zeile, laenge);
                zeile.clear();
                laenge = 0;
                continue;
            }
            if (zeile.size() < GehalteneZeichen) zeile += c;
            ++laenge;
        }
    }
    zeileFertig(zeile, laenge);
    return true;
}

}  // namespace

std::string KometenlistePfad() {
    std::string verzeichnis = DatenVerzeichnis;
    if (!verzeichnis.empty() && verzeichnis.back() != '/') verzeichnis += '/';
    return DateiFinden(verzeichnis, DateiKometenliste);
}

bool KometenzeileUmwandeln(const std::string& zeile, TBahnelement& element) {
    if (zeile.size() <= static_cast<std::size_t>(KometenlisteMinLaenge)) return false;
    element = TBahnelement{};
    element.Name = NameBilden(zeile.substr(0, NamensBreite));

    Extended tag = 0.0L, monat = 0.0L, jahr = 0.0L;
    bool ok = FeldLesen(zeile, 44, 50, 1, tag);
    ok = FeldLesen(zeile, 53, 54, 1, monat) && ok;
    ok = FeldLesen(zeile, 57, 60, 1, jahr) && ok;
    ok = FeldLesen(zeile, 74, 82, 1, element.Perihelabstand) && ok;
    ok = FeldLesen(zeile, 86, 94, 1, element.Exzentrizitaet) && ok;
    ok = FeldLesen(zeile, 96, 104, 1, element.Bahnneigung) && ok;
    ok = FeldLesen(zeile, 108, 116, 1, element.Perihelargument) && ok;
    ok = FeldLesen(zeile, 120, 128, 1, element.Knoten) && ok;
    ok = FeldLesen(zeile, 133, 138, 1, element.Aequinoktium) && ok;
    ok = FeldLesen(zeile, 141, 145, 3, element.H11) && ok;
    ok = FeldLesen(zeile, 147, 151, 2, element.N) && ok;

    element.Perihel[1] = jahr;
    element.Perihel[2] = monat;
    element.Perihel[3] = tag;
    element.Epoche[1] = jahr;
    element.Epoche[2] = monat;
    element.Epoche[3] = tag;
    element.GrosseHalbachse = element.Exzentrizitaet < 1.0L
                                  ? element.Perihelabstand / (1.0L - element.Exzentrizitaet)
                                  : 0.0L;
    // The list gives perihelion-time elements.
    element.MittlereAnomalie = 0.0L;
    // The remark without the blanks that pad the line, so that a line of 155
    // characters ending in a blank has an empty remark.
    std::string bemerkung = zeile.substr(BemerkungAb - 1, TextLaenge);
    bemerkung.erase(bemerkung.find_last_not_of(' ') + 1);
    element.Bemerkung = bemerkung;
    return ok;
}

TKometenlisteErgebnis BahnelementeKonvertieren() {
    TKometenlisteErgebnis ergebnis;
    std::vector<TBahnelement> kometen;
    ergebnis.ListeGelesen =
        ListeLesen(KometenlistePfad(), [&](const std::string& zeile, std::size_t laenge) {
            if (laenge <= static_cast<std::size_t>(KometenlisteMinLaenge)) return;
            TBahnelement element;
            if (!KometenzeileUmwandeln(zeile, element)) {
                ++ergebnis.Unlesbar;
            } else if (kometen.size() < static_cast<std::size_t>(MaxObjekte)) {
                kometen.push_back(element);
            } else {
                ++ergebnis.NichtUebernommen;
            }
        });
    // Nothing usable (no list, an empty list, a page that is no list): the
    // user's objects and element file stay as they are.
    if (kometen.empty()) return ergebnis;

    // The table is replaced only together with the file: a failed write puts
    // the previous table back, unsaved changes included.
    const auto vorher = std::make_unique<Tabelle<TBahnelement, MaxObjekte>>(Objekte);
    const std::int32_t anzahlVorher = AnzahlObjekte;
    const auto n = static_cast<std::int32_t>(kometen.size());
    for (std::int32_t i = 1; i <= n; ++i) Objekte[i] = kometen[static_cast<std::size_t>(i - 1)];
    AnzahlObjekte = n;
    try {
        ObjekteSchreibenVorherigeBehalten();
    } catch (...) {
        Objekte = *vorher;
        AnzahlObjekte = anzahlVorher;
        throw;
    }
    ObjekteLesen();
    ergebnis.Umgewandelt = AnzahlObjekte;
    return ergebnis;
}

}  // namespace zenaro
