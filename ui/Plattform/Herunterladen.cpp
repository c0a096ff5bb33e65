#include "ui/Plattform/Herunterladen.hpp"

#include <curl/curl.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <mutex>

#include "engine/Datendateien.hpp"

namespace zenaro {

namespace {

THerunterladenFunktion& Installiert() {
    static THerunterladenFunktion funktion;
    return funktion;
}

// The body as it arrives, written to the temporary file.
struct TZiel {
    int fd = -1;
    long long bytes = 0;
    long long maxBytes = 0;
};

extern "C" std::size_t BlockSchreiben(char* daten, std::size_t groesse, std::size_t anzahl,
                                      void* benutzer) {
    auto* ziel = static_cast<TZiel*>(benutzer);
    const std::size_t n = groesse * anzahl;
    if (ziel->bytes + static_cast<long long>(n) > ziel->maxBytes) return 0;  // aborts
    std::size_t geschrieben = 0;
    while (geschrieben < n) {
        const ssize_t r = ::write(ziel->fd, daten + geschrieben, n - geschrieben);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) return 0;  // a short count aborts the transfer
        geschrieben += static_cast<std::size_t>(r);
    }
    ziel->bytes += static_cast<long long>(n);
    return n;
}

struct TCurl {
    CURL* h;
    TCurl() : h(::curl_easy_init()) {}
    ~TCurl() {
        if (h != nullptr) ::curl_easy_cleanup(h);
    }
};

// Sends the transfer through `h` into fd; true when the whole body arrived with
// a success status.
bool Uebertragen(CURL* h, const std::string& url, TZiel& ziel, const TZeitgrenzen& g) {
    bool ok = ::curl_easy_setopt(h, CURLOPT_URL, url.c_str()) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_FAILONERROR, 1L) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, g.VerbindenMs) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, g.GesamtMs) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, g.LangsamSekunden) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE,
                                  static_cast<curl_off_t>(g.MaxBytes)) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_USERAGENT, "ZenaroWin") == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &BlockSchreiben) == CURLE_OK;
    ok = ok && ::curl_easy_setopt(h, CURLOPT_WRITEDATA, &ziel) == CURLE_OK;
    if (!ok || ::curl_easy_perform(h) != CURLE_OK) return false;
    long status = 0;
    if (::curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK) return false;
    return status >= 200 && status <= 299;
}

}  // namespace

bool CurlHerunterladen(const std::string& url, const std::string& datei,
                       const TZeitgrenzen& grenzen) {
    try {
        static std::once_flag init;
        std::call_once(init, [] { ::curl_global_init(CURL_GLOBAL_DEFAULT); });
        if (datei.empty() || datei.back() == '/' || url.empty()) return false;

        // The temporary file lies beside the target, so that the rename cannot
        // cross file systems.
        std::string temp = TemporaereDateiVorlage(datei);
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) return false;

        struct stat info {};
        mode_t modus;
        if (::stat(datei.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            modus = info.st_mode & 07777;
        } else {
            const mode_t maske = ::umask(0);
            ::umask(maske);
            modus = 0666 & ~maske;
        }
        ::fchmod(fd, modus);

        TZiel ziel;
        ziel.fd = fd;
        ziel.maxBytes = grenzen.MaxBytes;
        bool ok = false;
        try {
            TCurl curl;
            ok = curl.h != nullptr && Uebertragen(curl.h, url, ziel, grenzen);
        } catch (...) {
            ok = false;
        }
        ok = ::fsync(fd) == 0 && ok;
        ok = ::close(fd) == 0 && ok;
        if (!ok || ::rename(temp.c_str(), datei.c_str()) != 0) {
            ::unlink(temp.c_str());
            return false;
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool DateiHerunterladen(const std::string& url, const std::string& datei) {
    try {
        const THerunterladenFunktion& ersatz = Installiert();
        if (ersatz) return ersatz(url, datei);
        return CurlHerunterladen(url, datei);
    } catch (...) {
        return false;
    }
}

void SetzeHerunterladen(THerunterladenFunktion ersatz) { Installiert() = std::move(ersatz); }

THerunterladenErsatz::THerunterladenErsatz(THerunterladenFunktion ersatz) : vorher_(Installiert()) {
    SetzeHerunterladen(std::move(ersatz));
}

THerunterladenErsatz::~THerunterladenErsatz() { SetzeHerunterladen(std::move(vorher_)); }

}  // namespace zenaro
