// The window-free part of the program start: data directory, settings or their
// defaults, the six data files and the appended Messier 45.
#include "engine/Programmstart.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "engine/Datendateien.hpp"
#include "engine/Einstellungsvorgaben.hpp"
#include "engine/Startverzeichnis.hpp"

namespace zenaro {
namespace {

using test::TStartverzeichnis;

// One NGC/IC record of 64 bytes with number, place and magnitude.
std::vector<std::uint8_t> DeepSkySatz(std::int16_t nummer, Extended ra, Extended dek,
                                      Extended hell) {
    std::vector<std::uint8_t> satz(SatzgroesseDeepSky, 0);
    satz[0] = static_cast<std::uint8_t>(nummer & 0xFF);
    satz[1] = static_cast<std::uint8_t>((nummer >> 8) & 0xFF);
    ExtendedKodieren(ra, &satz[8]);
    ExtendedKodieren(dek, &satz[18]);
    satz[28] = 3;
    std::memcpy(&satz[29], "GxC", 3);
    ExtendedKodieren(hell, &satz[32]);
    return satz;
}

class Programmstart : public ::testing::Test {
protected:
    void SetUp() override {
        // Stale values of an earlier start must not survive a new one.
        AnzahlNGC = 17;
        AnzahlObjekte = 3;
        Startdatum = "xx";
    }
    TStartverzeichnis verzeichnis;
};

TEST(DatenVerzeichnis, EndetMitGenauEinemSchraegstrich) {
    EXPECT_EQ(DatenVerzeichnisAus("/home/beobachter/zenaro"), "/home/beobachter/zenaro/");
    EXPECT_EQ(DatenVerzeichnisAus("/"), "/");
    EXPECT_EQ(DatenVerzeichnisAus("/daten/"), "/daten/");
}

TEST(DatenVerzeichnis, HeutigesDatumAlsTTMMJJJJ) {
    EXPECT_EQ(DatumText(7, 3, 2026), "07.03.2026");
    EXPECT_EQ(DatumText(31, 12, 1999), "31.12.1999");
    const std::string heute = HeutigesDatum();
    ASSERT_EQ(heute.size(), 10u);
    EXPECT_EQ(heute[2], '.');
    EXPECT_EQ(heute[5], '.');
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    // Unless the day changed between the two readings, both give today.
    EXPECT_EQ(heute.substr(6), std::to_string(t.tm_year + 1900));
}

TEST_F(Programmstart, LeeresVerzeichnisGibtLeereTabellenUndVorgaben) {
    StartdatenLaden(verzeichnis.Pfad());

    EXPECT_EQ(DatenVerzeichnis, verzeichnis.Pfad() + "/");
    EXPECT_EQ(AnzahlObjekte, 0);
    EXPECT_EQ(AnzahlOrte, 0);
    EXPECT_EQ(AnzahlNGC, 0);  // no file: no Messier 45 either
    EXPECT_EQ(AnzahlIC, 0);
    EXPECT_EQ(AnzahlSterne, 0);
    EXPECT_EQ(AnzahlHellParameter, 0);
    EXPECT_TRUE(UeberzaehligeDateien.empty());

    test::ErwarteEinstellungsvorgaben(HeutigesDatum());
    // The start reads only: the directory holds nothing afterwards.
    EXPECT_TRUE(verzeichnis.Inhalt().empty());
}

TEST_F(Programmstart, LangerVerzeichnisnameWirdNichtGekappt) {
    // A working directory far longer than 255 characters is taken whole, and the
    // files in it are found.
    std::filesystem::path tief = verzeichnis.Pfad();
    for (int i = 0; i < 6; ++i) tief /= std::string(60, static_cast<char>('a' + i));
    std::filesystem::create_directories(tief);
    ASSERT_GT(tief.string().size(), 300u);
    std::ofstream(tief / "NGC.dta", std::ios::binary)
        .write(reinterpret_cast<const char*>(DeepSkySatz(7000, 1.0L, 2.0L, 9.0L).data()),
               static_cast<std::streamsize>(SatzgroesseDeepSky));

    StartdatenLaden(tief.string());

    EXPECT_EQ(DatenVerzeichnis, tief.string() + "/");
    ASSERT_EQ(AnzahlNGC, 2);
    EXPECT_EQ(NGCKatalog[1].Nummer, 7000);
    EXPECT_EQ(NGCKatalog[2].Messier, 45);
}

TEST_F(Programmstart, LeereNGCDateiGibtNurMessier45) {
    verzeichnis.Schreiben("ngc.dta", 0);
    StartdatenLaden(verzeichnis.Pfad());

    ASSERT_EQ(AnzahlNGC, 1);
    const TDeepSkyObjekt& m45 = NGCKatalog[1];
    EXPECT_EQ(m45.Nummer, 0);
    EXPECT_EQ(m45.RA, 56.8541666667L);
    EXPECT_EQ(m45.Dek, 24.1053L);
    EXPECT_EQ(m45.Typ.Text(), " OC");
    EXPECT_EQ(m45.Hell, 2.5L);
    EXPECT_EQ(m45.Groesse, 90.0L);
    EXPECT_EQ(m45.Sternbild.Text(), "TAU");
    EXPECT_EQ(m45.Messier, 45);
}

TEST_F(Programmstart, Messier45FolgtDenSaetzenDerDatei) {
    std::vector<std::uint8_t> bytes = DeepSkySatz(224, 10.68L, 41.27L, 3.4L);
    const auto zweiter = DeepSkySatz(1976, 83.82L, -5.39L, 4.0L);
    bytes.insert(bytes.end(), zweiter.begin(), zweiter.end());
    verzeichnis.Schreiben("NGC.DTA", bytes);  // names are matched without regard to case
    StartdatenLaden(verzeichnis.Pfad());

    ASSERT_EQ(AnzahlNGC, 3);
    EXPECT_EQ(NGCKatalog[1].Nummer, 224);
    EXPECT_EQ(NGCKatalog[2].Nummer, 1976);
    EXPECT_EQ(NGCKatalog[2].Dek, -5.39L);
    EXPECT_EQ(NGCKatalog[3].Messier, 45);
    EXPECT_EQ(NGCKatalog[3].Nummer, 0);
}

TEST_F(Programmstart, VolleNGCDateiLaesstPlatzFuerMessier45UndWirdGemeldet) {
    std::vector<std::uint8_t> bytes;
    for (std::int16_t n = 1; n <= MaxNGC; ++n) {
        const auto satz = DeepSkySatz(n, 1.0L, 2.0L, 12.0L);
        bytes.insert(bytes.end(), satz.begin(), satz.end());
    }
    verzeichnis.Schreiben("ngc.dta", bytes);
    StartdatenLaden(verzeichnis.Pfad());

    ASSERT_EQ(AnzahlNGC, MaxNGC);
    EXPECT_EQ(NGCKatalog[MaxNGC - 1].Nummer, MaxNGC - 1);
    EXPECT_EQ(NGCKatalog[MaxNGC].Messier, 45);
    ASSERT_EQ(UeberzaehligeDateien.size(), 1u);
    EXPECT_NE(UeberzaehligeDateien[0].Datei.find("ngc.dta"), std::string::npos);
    EXPECT_EQ(UeberzaehligeDateien[0].NichtGeladen, 1);
}

TEST_F(Programmstart, EinstellungenAusDerDateiMitGekapptemDatum) {
    std::vector<std::uint8_t> satz(SatzgroesseEinstellungen, 0);
    // A start date whose length byte claims 12 characters: only 10 are taken.
    satz[0] = 12;
    std::memcpy(&satz[1], "24.12.2026", 10);
    satz[11] = 10;
    std::memcpy(&satz[12], "31.12.2026", 10);
    satz[22] = 9;  // a start time claiming 9 characters: only 5 are taken
    std::memcpy(&satz[23], "22:30", 5);
    satz[28] = 5;
    std::memcpy(&satz[29], "06:15", 5);
    satz[36] = 3;  // SchrittTage
    ExtendedKodieren(6.0L, &satz[40]);
    satz[52] = 7;  // ZonenIndex
    satz[56] = 0;  // DeepSkyAnzeigen
    ExtendedKodieren(1.5L, &satz[64]);
    ExtendedKodieren(9.5L, &satz[80]);
    ExtendedKodieren(0.5L, &satz[96]);
    ExtendedKodieren(8.0L, &satz[112]);
    satz[122] = 1;                                     // AlleObjekte
    satz[123] = 0;                                     // NurSichtbare
    const std::int32_t hoehe = -12;                    // DaemmerungsHoehe
    std::memcpy(&satz[124], &hoehe, sizeof hoehe);     // little-endian machine
    satz.resize(SatzgroesseEinstellungen + 20, 0xEE);  // bytes after the record are ignored
    verzeichnis.Schreiben("ZENAROWIN.INI", satz);      // names are matched without regard to case

    StartdatenLaden(verzeichnis.Pfad());

    EXPECT_EQ(Startdatum.Text(), "24.12.2026");
    EXPECT_EQ(Stopdatum.Text(), "31.12.2026");
    EXPECT_EQ(Startzeit.Text(), "22:30");
    EXPECT_EQ(Stopzeit.Text(), "06:15");
    EXPECT_EQ(SchrittTage, 3);
    EXPECT_EQ(SchrittStunden, 6.0L);
    EXPECT_EQ(ZonenIndex, 7);
    EXPECT_FALSE(DeepSkyAnzeigen);
    EXPECT_EQ(DeepSkyRadius, 1.5L);
    EXPECT_EQ(Grenzgroesse, 9.5L);
    EXPECT_EQ(KonjRadius, 0.5L);
    EXPECT_EQ(KonjGrenzgroesse, 8.0L);
    EXPECT_TRUE(AlleObjekte);
    EXPECT_FALSE(NurSichtbare);
    EXPECT_EQ(DaemmerungsHoehe, -12);
}

// A damaged file ends the start with error 100 naming the file, and nothing is
// written into the data directory.
void ErwarteFehler100(const TStartverzeichnis& verzeichnis, const std::string& datei) {
    const auto vorher = verzeichnis.Inhalt();
    try {
        StartdatenLaden(verzeichnis.Pfad());
        FAIL() << "no error for " << datei;
    } catch (const ELaufzeitfehler& fehler) {
        EXPECT_EQ(fehler.Nummer(), FehlerLesenUeberDateiende);
        EXPECT_NE(std::string(fehler.what()).find(verzeichnis.Pfad() + "/" + datei),
                  std::string::npos)
            << fehler.what();
    }
    EXPECT_EQ(verzeichnis.Inhalt(), vorher);
}

TEST_F(Programmstart, ZurueckgelasseneTemporaerdateienDerUmschreibungenWerdenEntfernt) {
    // What rewrites ended between creating and renaming their temporary file leave
    // (the names as mkstemp completes them, any case of the file name), and what
    // only resembles it, is the user's own or is too young to be sure that no second
    // instance is still writing it.
    const std::vector<std::string> zurueckgelassen{
        ".Bahnelem.dat.zenaro-tmp-a1B2c3",  ".ZenaroWin.ini.zenaro-tmp-XyZ987",
        ".orte.DAT.zenaro-tmp-000000",      ".hell.dta.zenaro-tmp-AAAAAA",
        ".Soft02Cmt.txt.zenaro-tmp-q1w2e3", ".Bahnelem.dat.vor-update.zenaro-tmp-a1B2c3"};
    // clang-format off
    const std::vector<std::string> bleibt{
        "Bahnelem.dat", ".Orte.dat.backup", ".Bahnelem.dat.a1B2c3", "Bahnelem.dat.zenaro-tmp-a1B2c3",
        ".Bahnelem.dat.zenaro-tmp-a1B2c", ".Bahnelem.dat.zenaro-tmp-a1B2c3d",
        ".Bahnelem.dat.zenaro-tmp-a1-2c3", ".Bahnelem.dat.ZENARO-TMP-a1B2c3",
        ".ngc.dta.zenaro-tmp-a1B2c3", ".notiz.txt.zenaro-tmp-a1B2c3",
        ".Bahnelem.dat.bak.zenaro-tmp-a1B2c3", ".Orte.dat.zenaro-tmp-jung00"};
    // clang-format on
    const auto alt = std::filesystem::file_time_type::clock::now() -
                     std::chrono::seconds(TemporaerdateiMindestalterSekunden + 60);
    const std::filesystem::path ordner = verzeichnis.Pfad();
    for (const auto& name : zurueckgelassen) verzeichnis.Schreiben(name, 304);
    for (const auto& name : bleibt) verzeichnis.Schreiben(name, 304);
    std::filesystem::create_directory(ordner / ".Orte.dat.zenaro-tmp-Ordner");
    std::filesystem::create_symlink(ordner / "Bahnelem.dat",
                                    ordner / ".Orte.dat.zenaro-tmp-Link00");
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        if (eintrag.path().filename() != ".Orte.dat.zenaro-tmp-jung00")
            std::filesystem::last_write_time(eintrag.path(), alt);

    StartdatenLaden(verzeichnis.Pfad());
    std::set<std::string> namen;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner))
        namen.insert(eintrag.path().filename().string());
    std::set<std::string> erwartet(bleibt.begin(), bleibt.end());
    erwartet.insert({".Orte.dat.zenaro-tmp-Ordner", ".Orte.dat.zenaro-tmp-Link00"});
    EXPECT_EQ(namen, erwartet);
    EXPECT_EQ(AnzahlObjekte, 1);
}

TEST_F(Programmstart, AngeschnitteneDateienSindFehler100MitDateiname) {
    verzeichnis.Schreiben("Orte.dat", 100);  // 88 + 12 bytes: ends inside the second record
    ErwarteFehler100(verzeichnis, "Orte.dat");
}

TEST_F(Programmstart, KurzeEinstellungsdateiIstFehler100) {
    verzeichnis.Schreiben("ZenaroWin.ini", 127);
    ErwarteFehler100(verzeichnis, "ZenaroWin.ini");
    // An empty settings file is no missing one: it holds no record to read.
    verzeichnis.Schreiben("ZenaroWin.ini", 0);
    ErwarteFehler100(verzeichnis, "ZenaroWin.ini");
}

TEST_F(Programmstart, AngeschnittenerKatalogIstFehler100) {
    verzeichnis.Schreiben("bsc4.dta", 95);
    ErwarteFehler100(verzeichnis, "bsc4.dta");
}

}  // namespace
}  // namespace zenaro
