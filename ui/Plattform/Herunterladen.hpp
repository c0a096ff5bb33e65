// The download of a file over HTTP(S): libcurl, redirects followed, HTTP errors as failure, bounded
// in time, and written through a temporary file beside the target, so that a failed transfer never
// leaves a partial file and never touches the previous one.
#pragma once

#include <functional>
#include <string>

namespace zenaro {

// The comet element list on the element server ("http://", host, path).
inline constexpr const char* KometenlisteAdresse =
    "http://www.minorplanetcenter.net/iau/Ephemerides/Comets/Soft02Cmt.txt";

// Limits that keep a transfer from blocking the program for ever.
struct TZeitgrenzen {
    long VerbindenMs = 30000;      // establishing the connection
    long GesamtMs = 300000;        // the whole transfer
    long LangsamSekunden = 60;     // abort when slower than 1 byte/s for this long
    long long MaxBytes = 1 << 26;  // no list is near 64 MiB: anything longer is no list
};

// Fetches `url` into the file `datei` with the installed download function
// (libcurl unless a test installed a replacement). True exactly when the whole
// body arrived and `datei` now holds it; any failure or exception gives false
// and leaves `datei` as it was.
bool DateiHerunterladen(const std::string& url, const std::string& datei);

// The libcurl download behind DateiHerunterladen. Only http and https are
// allowed, for the address and for every redirect; an HTTP status of 400 or
// more, or any status outside 200-299 at the end of the redirects, is a failure.
bool CurlHerunterladen(const std::string& url, const std::string& datei,
                       const TZeitgrenzen& grenzen = {});

// Installs a replacement for tests; an empty function puts libcurl back.
using THerunterladenFunktion =
    std::function<bool(const std::string& url, const std::string& datei)>;
void SetzeHerunterladen(THerunterladenFunktion ersatz);

// Installs a replacement for its lifetime and restores the previous one.
class THerunterladenErsatz {
public:
    explicit THerunterladenErsatz(THerunterladenFunktion ersatz);
    ~THerunterladenErsatz();
    THerunterladenErsatz(const THerunterladenErsatz&) = delete;
    THerunterladenErsatz& operator=(const THerunterladenErsatz&) = delete;

private:
    THerunterladenFunktion vorher_;
};

}  // namespace zenaro
