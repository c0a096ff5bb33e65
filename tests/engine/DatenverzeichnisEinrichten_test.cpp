// The user's data directory as tools/starten.sh prepares it before the program
// starts in it (tools/datenverzeichnis_einrichten.sh, run as a process): the first
// start copies the shipped data/, a later start keeps everything the user changed
// and only adds a missing catalogue, and the checkout's data/ is never touched.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <sstream>

#include "DateiTestHilfen.hpp"

namespace zenaro::test {
namespace {

namespace fs = std::filesystem;

const fs::path Mitgeliefert = fs::path(ZENARO_SOURCE_DIR) / "data";

// The files of a directory (hidden temporaries left out) with a digest of their bytes.
std::map<std::string, std::size_t> Inhalt(const fs::path& ordner) {
    std::map<std::string, std::size_t> inhalt;
    for (const std::string& name : Eintraege(ordner)) {
        if (name[0] == '.') continue;
        std::ostringstream bytes;
        bytes << std::ifstream(ordner / name, std::ios::binary).rdbuf();
        inhalt[name] = std::hash<std::string>{}(bytes.str());
    }
    return inhalt;
}

// The local date of a file's modification time, "YYYY-MM-DD".
std::string Datum(const fs::path& pfad) {
    struct stat info {};
    std::tm zeit{};
    char text[16] = "";
    if (::stat(pfad.c_str(), &info) == 0 && localtime_r(&info.st_mtime, &zeit) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%d", &zeit);
    return text;
}

// Creates a file, or a directory holding one, unchanged for `minuten` minutes.
void Anlegen(const fs::path& pfad, int minuten, bool ordner = false) {
    const auto zeit = fs::file_time_type::clock::now() - std::chrono::minutes(minuten);
    if (ordner) {
        fs::create_directory(pfad);
        DateiSchreiben(pfad / "Orte.dat", Bytes(8, 1));
        fs::last_write_time(pfad / "Orte.dat", zeit);
    } else {
        DateiSchreiben(pfad, Bytes(8, 1));
    }
    fs::last_write_time(pfad, zeit);
}

struct Lauf {
    int status;
    std::string ausgabe;  // standard output: the directory to start in
    std::string meldung;  // standard error
};

class DatenverzeichnisEinrichten : public DateiTest {
protected:
    // Runs the script in the test's directory with `umgebung` as arguments of env
    // ("NAME=value", "-u NAME"); its messages go to the file "meldung" there.
    Lauf Einrichten(const std::string& umgebung) {
        const std::string befehl = "cd '" + ordner.string() + "' && env " + umgebung +
                                   " bash '" ZENARO_SOURCE_DIR
                                   "/tools/datenverzeichnis_einrichten.sh' 2>meldung";
        FILE* p = ::popen(befehl.c_str(), "r");
        if (p == nullptr) return {-1, {}, {}};
        std::string ausgabe;
        char puffer[256];
        while (std::fgets(puffer, sizeof puffer, p) != nullptr) ausgabe += puffer;
        const int status = ::pclose(p);
        const Bytes meldung = DateiBytes(ordner / "meldung");
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                ausgabe,
                {meldung.begin(), meldung.end()}};
    }
};

TEST_F(DatenverzeichnisEinrichten, ErsterStartKopiertSpaetereBehaltenWasDerBenutzerAenderte) {
    const auto geliefert = Inhalt(Mitgeliefert);
    ASSERT_TRUE(geliefert.count("Bahnelem.dat") == 1 && geliefert.count("ngc.dta") == 1);
    const fs::path xdg = ordner / "noch" / "nicht" / "da";
    const fs::path ziel = xdg / "zenarowin";
    const std::string umgebung = "XDG_DATA_HOME='" + xdg.string() + "'";

    Lauf lauf = Einrichten(umgebung);
    ASSERT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe, ziel.string() + "\n");
    EXPECT_EQ(Inhalt(ziel), geliefert);
    // The elements are dated as the comet list they hold, not as the copy.
    EXPECT_EQ(Datum(ziel / "Bahnelem.dat"), "2022-08-24");

    // A session of the user: locations and elements changed, settings and
    // brightness sets written, one catalogue lost, another one renamed.
    DateiSchreiben(ziel / "Orte.dat", Bytes(88, 7));
    DateiSchreiben(ziel / "Bahnelem.dat", Bytes{});
    DateiSchreiben(ziel / "ZenaroWin.ini", Bytes(128, 1));
    DateiSchreiben(ziel / "hell.dta", Bytes(40, 2));
    fs::remove(ziel / "ngc.dta");
    fs::rename(ziel / "ic.dta", ziel / "IC.DTA");
    auto benutzer = Inhalt(ziel);
    const auto stand = fs::last_write_time(ziel / "Bahnelem.dat");
    // Temporary entries of killed starts (a copy of data/, a catalogue being
    // added) older than ten minutes go; younger ones may be a start still
    // running, and the user's own files without the mark stay.
    Anlegen(xdg / ".zenarowin.tmpAb3dE9", 11, true);
    Anlegen(xdg / ".zenarowin.tmp0lauft", 9, true);
    Anlegen(xdg / ".zenarowin.backup", 11, true);
    Anlegen(ziel / ".ngc.dta.tmpQ7w2Zz", 11);
    Anlegen(ziel / ".ic.dta.tmpN3u1ab", 9);
    Anlegen(ziel / ".ngc.dta.backup", 11);

    lauf = Einrichten(umgebung);
    ASSERT_EQ(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe, ziel.string() + "\n");
    // Only the missing catalogue comes back; "IC.DTA" is the program's "ic.dta".
    benutzer["ngc.dta"] = geliefert.at("ngc.dta");
    EXPECT_EQ(Inhalt(ziel), benutzer);
    EXPECT_EQ(fs::last_write_time(ziel / "Bahnelem.dat"), stand);
    std::vector<std::string> namen{".ic.dta.tmpN3u1ab", ".ngc.dta.backup"};
    for (const auto& [name, digest] : benutzer) namen.push_back(name);
    EXPECT_EQ(Eintraege(ziel), namen);
    EXPECT_EQ(Eintraege(xdg),
              (std::vector<std::string>{".zenarowin.backup", ".zenarowin.tmp0lauft", "zenarowin"}));
    EXPECT_EQ(Inhalt(Mitgeliefert), geliefert);
}

TEST_F(DatenverzeichnisEinrichten, OhneGueltigesXdgDataHomeImHomeUndNieInEineDatei) {
    const auto geliefert = Inhalt(Mitgeliefert);
    // Unset, empty and relative: ~/.local/share.
    const std::string ungueltig[] = {"-u XDG_DATA_HOME", "XDG_DATA_HOME=", "XDG_DATA_HOME=relativ"};
    for (const std::string& xdg : ungueltig) {
        const fs::path home = ordner / ("home" + std::to_string(&xdg - ungueltig));
        const Lauf lauf = Einrichten(xdg + " HOME='" + home.string() + "'");
        EXPECT_EQ(lauf.status, 0) << xdg;
        EXPECT_EQ(lauf.ausgabe, (home / ".local/share/zenarowin").string() + "\n") << xdg;
        EXPECT_EQ(Inhalt(home / ".local/share/zenarowin"), geliefert) << xdg;
        // Without an absolute HOME: refused, saying why, and nothing created here.
        for (const std::string falsch : {"-u HOME", "HOME=", "HOME=relhome", "HOME=-x"}) {
            // env takes its options (-u) before the assignments.
            const Lauf ohne =
                Einrichten(falsch[0] == '-' ? falsch + " " + xdg : xdg + " " + falsch);
            EXPECT_NE(ohne.status, 0) << xdg << " " << falsch;
            EXPECT_EQ(ohne.ausgabe, "") << xdg << " " << falsch;
            EXPECT_NE(ohne.meldung.find("HOME"), std::string::npos) << ohne.meldung;
            EXPECT_EQ(ohne.meldung.find("invalid option"), std::string::npos) << ohne.meldung;
        }
    }
    EXPECT_EQ(Eintraege(ordner), (std::vector<std::string>{"home0", "home1", "home2", "meldung"}));

    // A file where the directory belongs: an error and no directory to start in.
    DateiSchreiben(ordner / "zenarowin", Bytes{1, 2, 3});
    const Lauf lauf = Einrichten("XDG_DATA_HOME='" + ordner.string() + "'");
    EXPECT_NE(lauf.status, 0);
    EXPECT_EQ(lauf.ausgabe, "");
    EXPECT_EQ(DateiBytes(ordner / "zenarowin"), (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace zenaro::test
