// The download: a tiny HTTP server on 127.0.0.1, started by the test itself,
// answers with canned responses; the target file is replaced only by a whole,
// successful transfer.
#include "ui/Plattform/Herunterladen.hpp"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace zenaro {
namespace {

// Serves one canned response per connection, in order, then stops; every wait
// is bounded, so a test that goes wrong cannot hang. The response "HALTEN"
// accepts the request and never answers.
class TTestServer {
public:
    explicit TTestServer(std::vector<std::string> antworten) : antworten_(std::move(antworten)) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in adresse{};
        adresse.sin_family = AF_INET;
        adresse.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t laenge = sizeof adresse;
        if (fd_ < 0 || ::bind(fd_, reinterpret_cast<sockaddr*>(&adresse), laenge) != 0 ||
            ::listen(fd_, 4) != 0 ||
            ::getsockname(fd_, reinterpret_cast<sockaddr*>(&adresse), &laenge) != 0)
            throw std::runtime_error("test server");
        port_ = ntohs(adresse.sin_port);
        faden_ = std::thread([this] { Bedienen(); });
    }
    ~TTestServer() {
        ende_ = true;
        faden_.join();
        ::close(fd_);
    }
    std::string Url(const std::string& pfad) const {
        return "http://127.0.0.1:" + std::to_string(port_) + pfad;
    }
    // The request lines received, in order (read after the download returned).
    std::vector<std::string> Anfragen;

private:
    bool Warten(int fd, int ms) {
        for (int verstrichen = 0; verstrichen < ms && !ende_; verstrichen += 50) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0) return true;
        }
        return false;
    }
    void Bedienen() {
        for (const std::string& antwort : antworten_) {
            if (!Warten(fd_, 5000)) return;
            const int c = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0) return;
            std::string anfrage;
            char puffer[1024];
            while (anfrage.find("\r\n\r\n") == std::string::npos && Warten(c, 2000)) {
                const ssize_t r = ::recv(c, puffer, sizeof puffer, 0);
                if (r <= 0) break;
                anfrage.append(puffer, static_cast<std::size_t>(r));
            }
            Anfragen.push_back(anfrage.substr(0, anfrage.find("\r\n")));
            if (antwort == "HALTEN") {
                Warten(c, 5000);  // until the client gives up
            } else {
                ::send(c, antwort.data(), antwort.size(), MSG_NOSIGNAL);
            }
            ::shutdown(c, SHUT_RDWR);
            ::close(c);
        }
    }

    std::vector<std::string> antworten_;
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> ende_{false};
    std::thread faden_;
};

std::string Antwort(const std::string& status, const std::string& koerper,
                    const std::string& kopf = {}) {
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(koerper.size()) +
           "\r\nConnection: close\r\n" + kopf + "\r\n" + koerper;
}

class Herunterladen : public ::testing::Test {
protected:
    void SetUp() override {
        // No proxy of the environment may take the local address elsewhere.
        ::setenv("no_proxy", "*", 1);
        ::setenv("NO_PROXY", "*", 1);
        std::string vorlage =
            (std::filesystem::temp_directory_path() / "zenaro-laden-XXXXXX").string();
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
        ziel = (ordner / "Soft02Cmt.txt").string();
        std::ofstream(ziel, std::ios::binary) << "alte Liste";
    }
    void TearDown() override { std::filesystem::remove_all(ordner); }
    std::string Inhalt() const {
        std::ifstream f(ziel, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), {}};
    }
    // Only the target is in the folder: no temporary file was left.
    void NurDasZiel() const {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(ordner))
            namen.push_back(e.path().filename().string());
        EXPECT_EQ(namen, std::vector<std::string>{"Soft02Cmt.txt"});
    }
    std::filesystem::path ordner;
    std::string ziel;
};

TEST_F(Herunterladen, ErfolgErsetztDasZielUndFolgtUmleitungen) {
    const std::string liste(100000, 'k');
    {
        TTestServer server({Antwort("302 Found", "", "Location: /neu/Soft02Cmt.txt\r\n"),
                            Antwort("200 OK", liste)});
        EXPECT_TRUE(CurlHerunterladen(server.Url("/iau/Soft02Cmt.txt"), ziel));
        ASSERT_EQ(server.Anfragen.size(), 2u);
        EXPECT_EQ(server.Anfragen[0], "GET /iau/Soft02Cmt.txt HTTP/1.1");
        EXPECT_EQ(server.Anfragen[1], "GET /neu/Soft02Cmt.txt HTTP/1.1");
    }
    EXPECT_EQ(Inhalt(), liste);
    NurDasZiel();
    // An empty body is a complete transfer as well.
    TTestServer leer({Antwort("200 OK", "")});
    EXPECT_TRUE(DateiHerunterladen(leer.Url("/"), ziel));
    EXPECT_EQ(Inhalt(), "");
}

TEST_F(Herunterladen, FehlschlagLaesstDieAlteListeStehen) {
    const std::vector<std::string> fehler{
        Antwort("404 Not Found", "<html>weg</html>"),
        Antwort("500 Internal Server Error", "kaputt"),
        // Connection closed mid-body.
        Antwort("200 OK", std::string(1000, 'k')).substr(0, 200),
        // A redirect to a local file is refused.
        Antwort("301 Moved", "", "Location: file:///etc/hostname\r\n"),
        "HALTEN",
    };
    TZeitgrenzen kurz;
    kurz.VerbindenMs = 2000;
    kurz.GesamtMs = 1000;
    for (const std::string& antwort : fehler) {
        TTestServer server({antwort});
        EXPECT_FALSE(CurlHerunterladen(server.Url("/Soft02Cmt.txt"), ziel, kurz))
            << antwort.substr(0, 40);
        EXPECT_EQ(Inhalt(), "alte Liste");
        NurDasZiel();
    }
    // A body beyond the size limit.
    kurz.MaxBytes = 1000;
    TTestServer gross({Antwort("200 OK", std::string(5000, 'k'))});
    EXPECT_FALSE(CurlHerunterladen(gross.Url("/"), ziel, kurz));
    EXPECT_EQ(Inhalt(), "alte Liste");
    NurDasZiel();
}

TEST_F(Herunterladen, UngueltigeZieleUndAdressen) {
    // A closed port, a protocol other than HTTP(S), a malformed address.
    std::string geschlossen;
    {
        TTestServer server({});
        geschlossen = server.Url("/");
    }
    EXPECT_FALSE(DateiHerunterladen(geschlossen, ziel));
    EXPECT_FALSE(DateiHerunterladen("file://" + ziel, (ordner / "kopie").string()));
    EXPECT_FALSE(DateiHerunterladen("::kein url::", ziel));
    EXPECT_EQ(Inhalt(), "alte Liste");
    NurDasZiel();
    // A target in a folder that does not exist.
    TTestServer server({Antwort("200 OK", "liste")});
    EXPECT_FALSE(DateiHerunterladen(server.Url("/"), (ordner / "fehlt" / "x.txt").string()));
}

TEST_F(Herunterladen, ErsatzFuerTests) {
    std::vector<std::string> aufrufe;
    {
        THerunterladenErsatz ersatz([&](const std::string& url, const std::string& datei) {
            aufrufe.push_back(url + " -> " + datei);
            return true;
        });
        EXPECT_TRUE(DateiHerunterladen(KometenlisteAdresse, ziel));
        {
            // An exception of the download is a failure.
            THerunterladenErsatz wirft(
                [](const std::string&, const std::string&) -> bool { throw std::bad_alloc(); });
            EXPECT_FALSE(DateiHerunterladen(KometenlisteAdresse, ziel));
        }
        EXPECT_TRUE(DateiHerunterladen("u", "d"));  // the outer replacement is back
    }
    EXPECT_EQ(aufrufe,
              (std::vector<std::string>{"http://www.minorplanetcenter.net/iau/Ephemerides/Comets/"
                                        "Soft02Cmt.txt -> " +
                                            ziel,
                                        "u -> d"}));
}

}  // namespace
}  // namespace zenaro
