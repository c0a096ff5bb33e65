#include "engine/Datendateien.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <set>

namespace zenaro {

static_assert(std::endian::native == std::endian::little, "the files are little-endian");
static_assert(std::numeric_limits<long double>::digits == 64 && sizeof(long double) >= 10,
              "Extended must be the 80-bit extended format");

std::vector<TUeberzaehligeDatei> UeberzaehligeDateien;

namespace {

// Files whose content on disk is more than the table holds (records beyond the
// capacity): before the first rewrite the untouched file is kept under a backup
// name.
std::set<std::string> SicherungOffen;

// Files that exist but whose last load did not read them whole (no permission to
// read, not a regular file, a read error, a damaged file): the table does not
// hold what they hold, so no rewrite may replace them by it.
std::set<std::string> NichtGelesen;

// ---------------------------------------------------------------------------
// Byte encoding of the record fields at fixed offsets.

class SatzLeser {
public:
    explicit SatzLeser(const std::uint8_t* satz) : satz_(satz) {}

    std::uint8_t Byte(std::size_t o) const { return satz_[o]; }
    bool Boolean(std::size_t o) const { return satz_[o] != 0; }
    std::uint16_t Word(std::size_t o) const {
        return static_cast<std::uint16_t>(satz_[o] | (satz_[o + 1] << 8));
    }
    std::int16_t Int16(std::size_t o) const { return static_cast<std::int16_t>(Word(o)); }
    std::int32_t Int32(std::size_t o) const {
        const std::uint32_t w = static_cast<std::uint32_t>(satz_[o]) |
                                (static_cast<std::uint32_t>(satz_[o + 1]) << 8) |
                                (static_cast<std::uint32_t>(satz_[o + 2]) << 16) |
                                (static_cast<std::uint32_t>(satz_[o + 3]) << 24);
        return static_cast<std::int32_t>(w);
    }
    Extended Ext(std::size_t o) const { return ExtendedDekodieren(satz_ + o); }
    template <std::size_t N>
    void Text(std::size_t o, ShortString<N>& ziel) const {
        ziel.LaengenByteSetzen(satz_[o]);
        std::memcpy(ziel.Zeichen().data(), satz_ + o + 1, N);
    }

private:
    const std::uint8_t* satz_;
};

// Writes into a record buffer that starts zeroed: every padding byte is zero.
class SatzSchreiber {
public:
    explicit SatzSchreiber(std::uint8_t* satz) : satz_(satz) {}

    void Byte(std::size_t o, std::uint8_t w) { satz_[o] = w; }
    void Boolean(std::size_t o, bool w) { satz_[o] = w ? 1 : 0; }
    void Word(std::size_t o, std::uint16_t w) {
        satz_[o] = static_cast<std::uint8_t>(w & 0xFF);
        satz_[o + 1] = static_cast<std::uint8_t>(w >> 8);
    }
    void Int16(std::size_t o, std::int16_t w) { Word(o, static_cast<std::uint16_t>(w)); }
    void Int32(std::size_t o, std::int32_t w) {
        const auto u = static_cast<std::uint32_t>(w);
        for (int i = 0; i < 4; ++i) satz_[o + i] = static_cast<std::uint8_t>(u >> (8 * i));
    }
    void Ext(std::size_t o, Extended w) { ExtendedKodieren(w, satz_ + o); }
    // The length byte (never above the field size) and all N character bytes.
    template <std::size_t N>
    void Text(std::size_t o, const ShortString<N>& s) {
        satz_[o] = static_cast<std::uint8_t>(s.Laenge());
        std::memcpy(satz_ + o + 1, s.Zeichen().data(), N);
    }

private:
    std::uint8_t* satz_;
};

// ---------------------------------------------------------------------------
// The record layouts.

void Dekodieren(const std::uint8_t* b, TEinstellungen& s) {
    const SatzLeser l(b);
    l.Text(0, s.Startdatum);
    l.Text(11, s.Stopdatum);
    l.Text(22, s.Startzeit);
    l.Text(28, s.Stopzeit);
    s.SchrittTage = l.Int32(36);
    s.SchrittStunden = l.Ext(40);
    s.ZonenIndex = l.Int32(52);
    s.DeepSkyAnzeigen = l.Boolean(56);
    s.DeepSkyRadius = l.Ext(64);
    s.Grenzgroesse = l.Ext(80);
    s.KonjRadius = l.Ext(96);
    s.KonjGrenzgroesse = l.Ext(112);
    s.AlleObjekte = l.Boolean(122);
    s.NurSichtbare = l.Boolean(123);
    s.DaemmerungsHoehe = l.Int32(124);
}

void Kodieren(const TEinstellungen& s, std::uint8_t* b) {
    SatzSchreiber w(b);
    w.Text(0, s.Startdatum);
    w.Text(11, s.Stopdatum);
    w.Text(22, s.Startzeit);
    w.Text(28, s.Stopzeit);
    w.Int32(36, s.SchrittTage);
    w.Ext(40, s.SchrittStunden);
    w.Int32(52, s.ZonenIndex);
    w.Boolean(56, s.DeepSkyAnzeigen);
    w.Ext(64, s.DeepSkyRadius);
    w.Ext(80, s.Grenzgroesse);
    w.Ext(96, s.KonjRadius);
    w.Ext(112, s.KonjGrenzgroesse);
    w.Boolean(122, s.AlleObjekte);
    w.Boolean(123, s.NurSichtbare);
    w.Int32(124, s.DaemmerungsHoehe);
}

void Dekodieren(const std::uint8_t* b, TBahnelement& e) {
    const SatzLeser l(b);
    l.Text(0, e.Name);
    l.Text(61, e.Bemerkung);
    for (std::int32_t i = 1; i <= 3; ++i) {
        e.Perihel[i] = l.Ext(128 + 10 * (i - 1));
        e.Epoche[i] = l.Ext(160 + 10 * (i - 1));
    }
    e.Exzentrizitaet = l.Ext(192);
    e.Perihelabstand = l.Ext(202);
    e.GrosseHalbachse = l.Ext(212);
    e.MittlereAnomalie = l.Ext(222);
    e.Knoten = l.Ext(232);
    e.Perihelargument = l.Ext(242);
    e.Bahnneigung = l.Ext(252);
    e.Aequinoktium = l.Ext(264);
    e.H11 = l.Ext(280);
    e.N = l.Ext(290);
}

void Kodieren(const TBahnelement& e, std::uint8_t* b) {
    SatzSchreiber w(b);
    w.Text(0, e.Name);
    w.Text(61, e.Bemerkung);
    for (std::int32_t i = 1; i <= 3; ++i) {
        w.Ext(128 + 10 * (i - 1), e.Perihel[i]);
        w.Ext(160 + 10 * (i - 1), e.Epoche[i]);
    }
    w.Ext(192, e.Exzentrizitaet);
    w.Ext(202, e.Perihelabstand);
    w.Ext(212, e.GrosseHalbachse);
    w.Ext(222, e.MittlereAnomalie);
    w.Ext(232, e.Knoten);
    w.Ext(242, e.Perihelargument);
    w.Ext(252, e.Bahnneigung);
    w.Ext(264, e.Aequinoktium);
    w.Ext(280, e.H11);
    w.Ext(290, e.N);
}

void Dekodieren(const std::uint8_t* b, TOrt& o) {
    const SatzLeser l(b);
    l.Text(0, o.Name);
    o.Laenge = l.Ext(64);
    o.Breite = l.Ext(74);
}

void Kodieren(const TOrt& o, std::uint8_t* b) {
    SatzSchreiber w(b);
    w.Text(0, o.Name);
    w.Ext(64, o.Laenge);
    w.Ext(74, o.Breite);
}

void Dekodieren(const std::uint8_t* b, TDeepSkyObjekt& d) {
    const SatzLeser l(b);
    d.Nummer = l.Int16(0);
    d.RA = l.Ext(8);
    d.Dek = l.Ext(18);
    l.Text(28, d.Typ);
    d.Hell = l.Ext(32);
    d.Groesse = l.Ext(48);
    l.Text(58, d.Sternbild);
    d.Messier = l.Byte(62);
}

void Dekodieren(const std::uint8_t* b, TStern& s) {
    const SatzLeser l(b);
    s.Flamsteed = l.Word(0);
    l.Text(2, s.Bayer);
    s.BayerIndex = static_cast<char>(l.Byte(10));
    l.Text(11, s.Name);
    l.Text(22, s.Sternbild);
    s.RA = l.Ext(32);
    s.Dek = l.Ext(48);
    s.Hell = l.Ext(64);
}

void Dekodieren(const std::uint8_t* b, THellParameter& h) {
    const SatzLeser l(b);
    l.Text(0, h.Name);
    h.Von = l.Ext(64);
    h.Bis = l.Ext(80);
    h.H11 = l.Ext(96);
    h.N1 = l.Ext(106);
    h.N2 = l.Ext(116);
    h.Erweitert = l.Boolean(126);
    h.DT = l.Ext(128);
}

void Kodieren(const THellParameter& h, std::uint8_t* b) {
    SatzSchreiber w(b);
    w.Text(0, h.Name);
    w.Ext(64, h.Von);
    w.Ext(80, h.Bis);
    w.Ext(96, h.H11);
    w.Ext(106, h.N1);
    w.Ext(116, h.N2);
    w.Boolean(126, h.Erweitert);
    w.Ext(128, h.DT);
}

// ---------------------------------------------------------------------------
// File access.

// The data directory with its trailing "/" ("./" when none is set).
std::string Verzeichnis() {
    if (DatenVerzeichnis.empty()) return "./";
    if (DatenVerzeichnis.back() != '/') return DatenVerzeichnis + "/";
    return DatenVerzeichnis;
}

std::string Kleinbuchstaben(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// The runtime error of an operating-system error while opening or renaming.
[[noreturn]] void OsFehler(int fehler, std::int32_t sonst, const std::string& datei) {
    std::int32_t nummer = sonst;
    if (fehler == ENOENT) nummer = FehlerPfadNichtGefunden;
    if (fehler == EACCES || fehler == EPERM || fehler == EROFS) nummer = FehlerZugriffVerweigert;
    Laufzeitfehler(nummer, datei + ": " + std::strerror(fehler));
}

class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }
    int Schliessen() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

// Reads exactly `anzahl` bytes from the start of the file; a short file raises 100.
void BytesLesen(int fd, std::uint8_t* ziel, std::size_t anzahl, const std::string& pfad) {
    std::size_t gelesen = 0;
    while (gelesen < anzahl) {
        const ssize_t r = ::read(fd, ziel + gelesen, anzahl - gelesen);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) OsFehler(errno, FehlerLesenUeberDateiende, pfad);
        if (r == 0) Laufzeitfehler(FehlerLesenUeberDateiende, pfad);
        gelesen += static_cast<std::size_t>(r);
    }
}

// The content of a data file: at most `maxSaetze` records. `vorhanden` is false
// when no file of that name exists; one that exists but does not open or read
// as a regular file raises the input/output error naming it.
struct Dateiinhalt {
    bool vorhanden = false;
    std::string pfad;
    std::vector<std::uint8_t> bytes;
    std::int64_t saetzeInDatei = 0;
};

Dateiinhalt DateiLesen(const char* name, std::size_t satzgroesse, std::int64_t maxSaetze,
                       bool nurErsterSatz) {
    Dateiinhalt inhalt;
    inhalt.pfad = DateiFinden(Verzeichnis(), name);
    // Marked until the load has read the file.
    NichtGelesen.insert(inhalt.pfad);
    // Non-blocking, so that a pipe or device of that name cannot hang the start.
    const int fd = ::open(inhalt.pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0) {
        const int fehler = errno;
        // Only a file that is not there is a missing file; one that is there but
        // does not open (no permission to read it, a link that leads nowhere) is not.
        if (::lstat(inhalt.pfad.c_str(), &info) != 0 && errno == ENOENT) {
            NichtGelesen.erase(inhalt.pfad);
            return inhalt;
        }
        OsFehler(fehler, FehlerZugriffVerweigert, inhalt.pfad);
    }
    Deskriptor datei(fd);
    if (::fstat(fd, &info) != 0) OsFehler(errno, FehlerLesenUeberDateiende, inhalt.pfad);
    if (!S_ISREG(info.st_mode))
        Laufzeitfehler(FehlerZugriffVerweigert, inhalt.pfad + ": not a regular file");
    inhalt.vorhanden = true;
    const auto groesse = static_cast<std::uint64_t>(info.st_size);
    if (nurErsterSatz) {
        if (groesse < satzgroesse) Laufzeitfehler(FehlerLesenUeberDateiende, inhalt.pfad);
        inhalt.saetzeInDatei = 1;
    } else {
        if (groesse % satzgroesse != 0) Laufzeitfehler(FehlerLesenUeberDateiende, inhalt.pfad);
        inhalt.saetzeInDatei = static_cast<std::int64_t>(groesse / satzgroesse);
    }
    const std::int64_t zuLesen = std::min(inhalt.saetzeInDatei, maxSaetze);
    inhalt.bytes.resize(static_cast<std::size_t>(zuLesen) * satzgroesse);
    BytesLesen(fd, inhalt.bytes.data(), inhalt.bytes.size(), inhalt.pfad);
    NichtGelesen.erase(inhalt.pfad);
    return inhalt;
}

// Loads a table file into slots 1..count; the table changes only when the whole
// file has been read.
template <typename T, std::int32_t N>
bool TabelleLesen(const char* name, std::size_t satzgroesse, Tabelle<T, N>& tabelle,
                  std::int32_t& anzahl, std::int32_t kapazitaet) {
    Dateiinhalt inhalt = DateiLesen(name, satzgroesse, kapazitaet, false);
    std::erase_if(UeberzaehligeDateien,
                  [&](const TUeberzaehligeDatei& d) { return d.Datei == inhalt.pfad; });
    if (!inhalt.vorhanden) {
        anzahl = 0;
        return false;
    }
    const auto geladen = static_cast<std::int32_t>(inhalt.bytes.size() / satzgroesse);
    for (std::int32_t i = 1; i <= geladen; ++i) {
        T satz{};
        Dekodieren(inhalt.bytes.data() + static_cast<std::size_t>(i - 1) * satzgroesse, satz);
        tabelle[i] = satz;
    }
    anzahl = geladen;
    if (inhalt.saetzeInDatei > geladen) {
        const std::int64_t rest = inhalt.saetzeInDatei - geladen;
        UeberzaehligeDateien.push_back(
            {inhalt.pfad, static_cast<std::int32_t>(std::min<std::int64_t>(
                              rest, std::numeric_limits<std::int32_t>::max()))});
        SicherungOffen.insert(inhalt.pfad);
    }
    return true;
}

// Writes all of `daten` to fd; false on a write error.
bool AllesSchreiben(int fd, const std::vector<std::uint8_t>& daten) {
    std::size_t geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t r = ::write(fd, daten.data() + geschrieben, daten.size() - geschrieben);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return false;
        geschrieben += static_cast<std::size_t>(r);
    }
    return true;
}

// The whole content of the regular file `pfad`.
std::vector<std::uint8_t> GanzeDateiLesen(const std::string& pfad) {
    const int fd = ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) OsFehler(errno, FehlerLesenUeberDateiende, pfad);
    Deskriptor datei(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0) OsFehler(errno, FehlerLesenUeberDateiende, pfad);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.st_size));
    BytesLesen(fd, bytes.data(), bytes.size(), pfad);
    return bytes;
}

// Keeps the untouched file `pfad` as pfad + ".bak" (or ".1.bak", ".2.bak", ...
// when that name is taken: an existing backup is never overwritten).
void SicherungAnlegen(const std::string& pfad) {
    for (int n = 0; n < 1000; ++n) {
        std::string ziel = pfad;
        if (n > 0) {
            ziel += '.';
            ziel += std::to_string(n);
        }
        ziel += ".bak";
        struct stat info {};
        if (::lstat(ziel.c_str(), &info) == 0) continue;
        if (::link(pfad.c_str(), ziel.c_str()) == 0) return;
        if (errno == EEXIST) continue;
        // No hard link possible here: copy the file into a new file of that name.
        const std::vector<std::uint8_t> bytes = GanzeDateiLesen(pfad);
        const int fd = ::open(ziel.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) OsFehler(errno, FehlerSchreiben, ziel);
        Deskriptor z(fd);
        bool ok = AllesSchreiben(fd, bytes) && ::fsync(fd) == 0;
        ok = z.Schliessen() == 0 && ok;
        if (!ok) {
            ::unlink(ziel.c_str());
            Laufzeitfehler(FehlerSchreiben, ziel);
        }
        return;
    }
    Laufzeitfehler(FehlerSchreiben, pfad + ".bak");
}

// Writes `daten` into a new temporary file beside `ziel` (TemporaereDateiVorlage),
// synced, with the mode `modus`, and returns its path; on an error it is removed.
std::string TemporaerSchreiben(const std::string& ziel, const std::vector<std::uint8_t>& daten,
                               mode_t modus) {
    std::string temp = TemporaereDateiVorlage(ziel);
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) OsFehler(errno, FehlerSchreiben, ziel);
    Deskriptor datei(fd);
    ::fchmod(fd, modus);
    bool ok = AllesSchreiben(fd, daten) && ::fsync(fd) == 0;
    ok = datei.Schliessen() == 0 && ok;
    if (!ok) {
        ::unlink(temp.c_str());
        Laufzeitfehler(FehlerSchreiben, ziel);
    }
    return temp;
}

// Renames the temporary file `temp` over `ziel` and makes the new directory entry
// durable; on an error the temporary file is removed and `ziel` stays as it was.
void Umbenennen(const std::string& temp, const std::string& ziel) {
    if (::rename(temp.c_str(), ziel.c_str()) != 0) {
        const int fehler = errno;
        ::unlink(temp.c_str());
        OsFehler(fehler, FehlerSchreiben, ziel);
    }
    const std::size_t trenner = ziel.find_last_of('/');
    const std::string ordner = trenner == std::string::npos ? "." : ziel.substr(0, trenner + 1);
    const int ordnerFd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordnerFd >= 0) {
        ::fsync(ordnerFd);
        ::close(ordnerFd);
    }
}

// Replaces the file `name` in the data directory by `daten`: a temporary file
// in the same directory, written and synced, then renamed over the old one.
// Refused before anything is touched where the table does not hold the file or
// the file is no regular one. With `behaltenAls`, the old file is first kept
// whole as its name + behaltenAls, replacing an earlier copy of that name, through
// a temporary file of its own, so that the copy too is always whole.
void DateiErsetzen(const char* name, const std::vector<std::uint8_t>& daten,
                   const char* behaltenAls = nullptr) {
    const std::string gefunden = DateiFinden(Verzeichnis(), name);
    std::string pfad = gefunden;
    struct stat info {};
    bool vorhanden = ::lstat(pfad.c_str(), &info) == 0;
    if (vorhanden && NichtGelesen.count(gefunden) != 0)
        Laufzeitfehler(FehlerZugriffVerweigert,
                       gefunden + ": could not be read, so it is not replaced");
    if (vorhanden && S_ISLNK(info.st_mode)) {
        // A link to the data file: the file it points to is replaced.
        char echt[PATH_MAX];
        if (::realpath(pfad.c_str(), echt) == nullptr)
            OsFehler(errno, FehlerZugriffVerweigert, gefunden);
        pfad = echt;
        vorhanden = ::lstat(pfad.c_str(), &info) == 0;
    }
    // Only a regular file is replaced: a device, a pipe or a directory of that
    // name (or behind that link) stays as it is, and nothing is renamed.
    if (vorhanden && !S_ISREG(info.st_mode))
        Laufzeitfehler(FehlerZugriffVerweigert, gefunden + ": not a regular file");
    // A write-protected file stays as it is: rewriting it in place would fail
    // with "access denied", and the rename must not get round the protection.
    if (vorhanden && ((info.st_mode & 0222) == 0 || ::access(pfad.c_str(), W_OK) != 0))
        Laufzeitfehler(FehlerZugriffVerweigert, pfad + ": write-protected");
    if (vorhanden && SicherungOffen.count(gefunden) != 0) {
        SicherungAnlegen(pfad);
        SicherungOffen.erase(gefunden);
    }

    mode_t modus;
    if (vorhanden) {
        modus = info.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    const std::string temp = TemporaerSchreiben(pfad, daten, modus);
    if (behaltenAls != nullptr && vorhanden) {
        try {
            // Readable by its owner whatever the old file allowed.
            const std::string kopie = gefunden + behaltenAls;
            Umbenennen(TemporaerSchreiben(kopie, GanzeDateiLesen(pfad), modus | S_IRUSR), kopie);
        } catch (...) {
            ::unlink(temp.c_str());
            throw;
        }
    }
    Umbenennen(temp, pfad);
}

template <typename T, std::int32_t N>
void TabelleSchreiben(const char* name, std::size_t satzgroesse, const Tabelle<T, N>& tabelle,
                      std::int32_t anzahl, const char* behaltenAls = nullptr) {
    if (anzahl < 0 || anzahl > N)
        Laufzeitfehler(FehlerBereichsueberschreitung,
                       std::string(name) + ": count " + std::to_string(anzahl));
    std::vector<std::uint8_t> daten(static_cast<std::size_t>(anzahl) * satzgroesse, 0);
    for (std::int32_t i = 1; i <= anzahl; ++i)
        Kodieren(tabelle[i], daten.data() + static_cast<std::size_t>(i - 1) * satzgroesse);
    DateiErsetzen(name, daten, behaltenAls);
}

}  // namespace

void ExtendedKodieren(Extended wert, std::uint8_t* ziel) {
    // x86-64 keeps the value in exactly the file form: mantissa (8 bytes) then
    // sign and exponent (2 bytes); the bytes after the tenth are padding.
    std::uint8_t bytes[sizeof(Extended)];
    std::memcpy(bytes, &wert, sizeof(Extended));
    std::memcpy(ziel, bytes, 10);
}

Extended ExtendedDekodieren(const std::uint8_t* quelle) {
    std::uint8_t bytes[sizeof(Extended)] = {};
    std::memcpy(bytes, quelle, 10);
    Extended wert;
    std::memcpy(&wert, bytes, sizeof(Extended));
    return wert;
}

std::string TemporaereDateiVorlage(const std::string& pfad) {
    const std::size_t trenner = pfad.find_last_of('/');
    const std::size_t anfang = trenner == std::string::npos ? 0 : trenner + 1;
    return pfad.substr(0, anfang) + "." + pfad.substr(anfang) + TemporaerMarke + "XXXXXX";
}

bool IstTemporaereDatei(const std::string& eintrag, const std::string& name) {
    // "." + name + the mark + six characters of mkstemp's alphabet.
    const std::string marke = TemporaerMarke;
    const std::size_t laenge = 1 + name.size() + marke.size() + 6;
    if (eintrag.size() != laenge || eintrag[0] != '.') return false;
    if (Kleinbuchstaben(eintrag.substr(1, name.size())) != Kleinbuchstaben(name)) return false;
    if (eintrag.compare(1 + name.size(), marke.size(), marke) != 0) return false;
    return std::all_of(eintrag.end() - 6, eintrag.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    });
}

std::string DateiFinden(const std::string& verzeichnis, const std::string& name) {
    const std::string gesucht = Kleinbuchstaben(name);
    // A data file is looked for under its documented spelling first, whichever
    // spelling is asked for ("BAHNELEM.DAT" finds "Bahnelem.dat" beside it), so
    // that every reader and writer reaches the same one file.
    std::string bevorzugt = name;
    for (const char* dokumentiert : {DateiEinstellungen, DateiBahnelemente, DateiOrte,
                                     DateiHellParameter, DateiNGC, DateiIC, DateiSterne})
        if (Kleinbuchstaben(dokumentiert) == gesucht) bevorzugt = dokumentiert;
    const std::string genau = verzeichnis + name;
    struct stat info {};
    if (::lstat((verzeichnis + bevorzugt).c_str(), &info) == 0) return verzeichnis + bevorzugt;
    if (::lstat(genau.c_str(), &info) == 0) return genau;
    DIR* ordner = ::opendir(verzeichnis.empty() ? "." : verzeichnis.c_str());
    if (ordner == nullptr) return genau;
    std::string gefunden;
    while (const dirent* eintrag = ::readdir(ordner)) {
        const std::string n = eintrag->d_name;
        if (Kleinbuchstaben(n) == gesucht && (gefunden.empty() || n < gefunden)) gefunden = n;
    }
    ::closedir(ordner);
    return gefunden.empty() ? genau : verzeichnis + gefunden;
}

bool ObjekteLesen() {
    return TabelleLesen(DateiBahnelemente, SatzgroesseBahnelement, Objekte, AnzahlObjekte,
                        MaxObjekte);
}

bool OrteLesen() { return TabelleLesen(DateiOrte, SatzgroesseOrt, Orte, AnzahlOrte, MaxOrte); }

bool NGCLesen() {
    return TabelleLesen(DateiNGC, SatzgroesseDeepSky, NGCKatalog, AnzahlNGC, MaxNGC - 1);
}

bool ICLesen() { return TabelleLesen(DateiIC, SatzgroesseDeepSky, ICKatalog, AnzahlIC, MaxIC); }

bool SterneLesen() {
    return TabelleLesen(DateiSterne, SatzgroesseStern, Sternkatalog, AnzahlSterne, MaxSterne);
}

bool HellParameterLesen() {
    return TabelleLesen(DateiHellParameter, SatzgroesseHellParameter, HellParameterListe,
                        AnzahlHellParameter, MaxHellParameter);
}

bool EinstellungenLesen() {
    const Dateiinhalt inhalt = DateiLesen(DateiEinstellungen, SatzgroesseEinstellungen, 1, true);
    if (!inhalt.vorhanden) return false;
    TEinstellungen satz;
    Dekodieren(inhalt.bytes.data(), satz);
    EinstellungenUebernehmen(satz);
    return true;
}

void ObjekteSchreiben() {
    TabelleSchreiben(DateiBahnelemente, SatzgroesseBahnelement, Objekte, AnzahlObjekte);
}

void ObjekteSchreibenVorherigeBehalten() {
    TabelleSchreiben(DateiBahnelemente, SatzgroesseBahnelement, Objekte, AnzahlObjekte,
                     EndungVorherigeElemente);
}

void OrteSchreiben() { TabelleSchreiben(DateiOrte, SatzgroesseOrt, Orte, AnzahlOrte); }

void HellParameterSchreiben() {
    TabelleSchreiben(DateiHellParameter, SatzgroesseHellParameter, HellParameterListe,
                     AnzahlHellParameter);
}

void EinstellungenSchreiben() {
    std::vector<std::uint8_t> daten(SatzgroesseEinstellungen, 0);
    Kodieren(EinstellungenAlsSatz(), daten.data());
    DateiErsetzen(DateiEinstellungen, daten);
}

}  // namespace zenaro
