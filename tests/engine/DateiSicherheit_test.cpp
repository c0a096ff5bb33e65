// What must never happen to the data files: a damaged file half loaded, records
// lost beyond a table's capacity, two files of one name in different case, and a
// failed write that leaves a broken file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "Laufzeitfehler.hpp"
#include "engine/DateiTestHilfen.hpp"
#include "engine/Programmstart.hpp"

namespace zenaro {
namespace {

using test::Bytes;
using test::DateiBytes;
using test::DateiSchreiben;
using test::Eintraege;
using test::ExtendedAus;
using test::ExtendedNach;
using test::TextAus;
using test::TextNach;

class DateiSicherheit : public test::DateiTest {};

// n location records named "Ort 1" .. "Ort n" with the longitude equal to k.
Bytes OrtsDatei(int n) {
    Bytes b(88 * static_cast<std::size_t>(n), 0);
    for (int k = 1; k <= n; ++k) {
        const std::size_t o = 88 * static_cast<std::size_t>(k - 1);
        TextNach(b, o, "Ort " + std::to_string(k));
        ExtendedNach(b, o + 64, static_cast<long double>(k));
    }
    return b;
}

// The text of the runtime error that `aktion` raises; empty when it raises none.
std::string FehlerText(auto aktion) {
    try {
        aktion();
    } catch (const ELaufzeitfehler& e) {
        return e.what();
    }
    return {};
}

// While it lives, the file accesses of the test are those of an ordinary user:
// run by the superuser, whom permissions do not bind, it uses the file system as
// the unprivileged user "nobody", to whom the test's directory then belongs.
class AlsGewoehnlicherBenutzer {
public:
    explicit AlsGewoehnlicherBenutzer(const std::filesystem::path& ordner) {
        if (::geteuid() != 0) return;
        EXPECT_EQ(::chown(ordner.c_str(), Niemand, Niemand), 0);
        ::setfsgid(Niemand);
        ::setfsuid(Niemand);
        EXPECT_EQ(::setfsuid(Niemand), static_cast<int>(Niemand));  // returns the one in force
    }
    ~AlsGewoehnlicherBenutzer() {
        if (::geteuid() != 0) return;
        ::setfsuid(0);
        ::setfsgid(0);
    }

private:
    static constexpr uid_t Niemand = 65534;
};

void ErwarteFehler(void (*aktion)(), std::int32_t nummer) {
    try {
        aktion();
        ADD_FAILURE() << "no runtime error";
    } catch (const ELaufzeitfehler& e) {
        EXPECT_EQ(e.Nummer(), nummer) << e.what();
    }
}

TEST_F(DateiSicherheit, FileEndingInsideARecordRaises100AndChangesNothing) {
    DateiSchreiben(ordner / "Orte.dat", OrtsDatei(3));
    ASSERT_TRUE(OrteLesen());
    ASSERT_EQ(AnzahlOrte, 3);

    Bytes kaputt = OrtsDatei(2);
    kaputt.resize(kaputt.size() + 40, 0);
    DateiSchreiben(ordner / "Orte.dat", kaputt);
    try {
        OrteLesen();
        FAIL();
    } catch (const ELaufzeitfehler& e) {
        EXPECT_EQ(e.Nummer(), FehlerLesenUeberDateiende);
        EXPECT_NE(std::string(e.what()).find("Orte.dat"), std::string::npos);  // names the file
    }
    EXPECT_EQ(AnzahlOrte, 3);
    EXPECT_EQ(Orte[3].Name, "Ort 3");
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat"), kaputt);

    for (auto [name, lesen] :
         std::initializer_list<std::pair<const char*, bool (*)()>>{{"Bahnelem.dat", ObjekteLesen},
                                                                   {"hell.dta", HellParameterLesen},
                                                                   {"ngc.dta", NGCLesen},
                                                                   {"ic.dta", ICLesen},
                                                                   {"bsc4.dta", SterneLesen}}) {
        DateiSchreiben(ordner / name, Bytes(1, 0));
        EXPECT_THROW(lesen(), ELaufzeitfehler) << name;
    }
}

TEST_F(DateiSicherheit, SettingsFileShorterThanOneRecordRaises100) {
    Startdatum = "01.01.2026";
    DateiSchreiben(ordner / "ZenaroWin.ini", Bytes(127, 0));
    ErwarteFehler([] { EinstellungenLesen(); }, FehlerLesenUeberDateiende);
    try {
        EinstellungenLesen();
    } catch (const ELaufzeitfehler& e) {
        EXPECT_NE(std::string(e.what()).find("ZenaroWin.ini"), std::string::npos);
    }
    EXPECT_EQ(Startdatum, "01.01.2026");
    DateiSchreiben(ordner / "ZenaroWin.ini", {});
    ErwarteFehler([] { EinstellungenLesen(); }, FehlerLesenUeberDateiende);
}

TEST_F(DateiSicherheit, RecordsBeyondTheCapacityAreKeptInABackup) {
    const Bytes original = OrtsDatei(MaxOrte + 3);
    DateiSchreiben(ordner / "Orte.dat", original);
    ASSERT_TRUE(OrteLesen());
    EXPECT_EQ(AnzahlOrte, MaxOrte);
    EXPECT_EQ(Orte[MaxOrte].Name, "Ort 2000");
    ASSERT_EQ(UeberzaehligeDateien.size(), 1u);
    EXPECT_EQ(UeberzaehligeDateien[0].Datei, (ordner / "Orte.dat").string());
    EXPECT_EQ(UeberzaehligeDateien[0].NichtGeladen, 3);
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat"), original);  // loading changes no file

    // The first rewrite keeps the untouched file; a later one makes no new backup.
    Orte[1].Name = "geaendert";
    OrteSchreiben();
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat.bak"), original);
    const Bytes neu = DateiBytes(ordner / "Orte.dat");
    ASSERT_EQ(neu.size(), 88u * MaxOrte);
    EXPECT_EQ(TextAus(neu, 0), "geaendert");
    AnzahlOrte = 10;
    OrteSchreiben();
    EXPECT_EQ(Eintraege(ordner), (std::vector<std::string>{"Orte.dat", "Orte.dat.bak"}));
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat.bak"), original);
}

TEST_F(DateiSicherheit, AnExistingBackupIsNeverOverwritten) {
    const Bytes alteSicherung = OrtsDatei(1);
    DateiSchreiben(ordner / "Orte.dat.bak", alteSicherung);
    const Bytes original = OrtsDatei(MaxOrte + 1);
    DateiSchreiben(ordner / "Orte.dat", original);
    ASSERT_TRUE(OrteLesen());
    OrteSchreiben();
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat.bak"), alteSicherung);
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat.1.bak"), original);
}

TEST_F(DateiSicherheit, CataloguesStopAtTheirCapacityAndLeaveTheNgcSlotForTheStart) {
    DateiSchreiben(ordner / "ngc.dta", Bytes(64 * static_cast<std::size_t>(MaxNGC), 0));
    DateiSchreiben(ordner / "hell.dta", Bytes(144 * static_cast<std::size_t>(MaxHellParameter), 0));
    ASSERT_TRUE(NGCLesen());
    EXPECT_EQ(AnzahlNGC, MaxNGC - 1);
    ASSERT_TRUE(HellParameterLesen());
    EXPECT_EQ(AnzahlHellParameter, MaxHellParameter);  // all 1001 fit
    ASSERT_EQ(UeberzaehligeDateien.size(), 1u);
    EXPECT_EQ(UeberzaehligeDateien[0].NichtGeladen, 1);
    // Reading again does not report the same file twice.
    ASSERT_TRUE(NGCLesen());
    EXPECT_EQ(UeberzaehligeDateien.size(), 1u);
}

TEST_F(DateiSicherheit, FileNamesMatchWithoutRegardToCase) {
    Bytes b(304, 0);
    TextNach(b, 0, "2P/Encke");
    DateiSchreiben(ordner / "BAHNELEM.DAT", b);
    ASSERT_TRUE(ObjekteLesen());
    ASSERT_EQ(AnzahlObjekte, 1);
    EXPECT_EQ(Objekte[1].Name, "2P/Encke");
    Objekte[2] = Objekte[1];
    Objekte[2].Name = "1P/Halley";
    AnzahlObjekte = 2;
    ObjekteSchreiben();
    EXPECT_EQ(Eintraege(ordner), std::vector<std::string>{"BAHNELEM.DAT"});
    EXPECT_EQ(DateiBytes(ordner / "BAHNELEM.DAT").size(), 2u * 304);

    // Without any file the documented name is created.
    OrteSchreiben();
    EXPECT_EQ(Eintraege(ordner), (std::vector<std::string>{"BAHNELEM.DAT", "Orte.dat"}));
    DateiSchreiben(ordner / "zenarowin.INI", Bytes(128, 0));
    EXPECT_TRUE(EinstellungenLesen());
    EinstellungenSchreiben();
    EXPECT_EQ(Eintraege(ordner),
              (std::vector<std::string>{"BAHNELEM.DAT", "Orte.dat", "zenarowin.INI"}));
    EXPECT_EQ(DatenVerzeichnis + "Orte.dat", DateiFinden(DatenVerzeichnis, "ORTE.DAT"));
}

TEST_F(DateiSicherheit, TwoSpellingsOfOneFileNameReachTheSameFile) {
    // The list conversion writes "BAHNELEM.DAT" and reads "Bahnelem.dat" back:
    // beside an existing file of either spelling, both names find one entry.
    const std::string& d = DatenVerzeichnis;
    EXPECT_EQ(DateiFinden(d, "BAHNELEM.DAT"), d + "BAHNELEM.DAT");  // none yet: as asked
    DateiSchreiben(ordner / "bahnelem.dat", {});
    EXPECT_EQ(DateiFinden(d, "BAHNELEM.DAT"), d + "bahnelem.dat");
    EXPECT_EQ(DateiFinden(d, "Bahnelem.dat"), d + "bahnelem.dat");
    DateiSchreiben(ordner / "BAHNELEM.DAT", {});
    DateiSchreiben(ordner / "Bahnelem.dat", {});
    EXPECT_EQ(DateiFinden(d, "BAHNELEM.DAT"), d + "Bahnelem.dat");
    EXPECT_EQ(DateiFinden(d, "bahnelem.DAT"), d + "Bahnelem.dat");
    EXPECT_EQ(DateiFinden(d, "Bahnelem.dat"), d + "Bahnelem.dat");
}

using Lesen = bool (*)();
using Schreiben = void (*)();

TEST_F(DateiSicherheit, AFileThatExistsButCannotBeReadIsReportedByNameAndNeverReplaced) {
    // A file without read permission, as an ordinary user meets it, and a link that
    // leads round in a circle, which no one can open.
    {
        const AlsGewoehnlicherBenutzer benutzer(ordner);
        DateiSchreiben(ordner / "Orte.dat", OrtsDatei(2));
        DateiSchreiben(ordner / "ZenaroWin.ini", Bytes(128, 7));
        ::chmod((ordner / "Orte.dat").c_str(), 0200);
        ::chmod((ordner / "ZenaroWin.ini").c_str(), 0200);
        std::filesystem::create_symlink("hell.dta", ordner / "hell.dta");
        const auto vorher = Eintraege(ordner);
        for (auto [name, lesen, schreiben] :
             {std::tuple<const char*, Lesen, Schreiben>{"Orte.dat", OrteLesen, OrteSchreiben},
              {"ZenaroWin.ini", EinstellungenLesen, EinstellungenSchreiben},
              {"hell.dta", HellParameterLesen, HellParameterSchreiben}}) {
            // Not read as a missing file, and never replaced by the empty table.
            EXPECT_THAT(FehlerText(lesen), testing::HasSubstr(DatenVerzeichnis + name));
            EXPECT_THAT(FehlerText(schreiben), testing::HasSubstr(DatenVerzeichnis + name));
        }
        EXPECT_EQ(Eintraege(ordner), vorher);  // no backup, no temporary
    }
    ::chmod((ordner / "Orte.dat").c_str(), 0600);
    ::chmod((ordner / "ZenaroWin.ini").c_str(), 0600);
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat"), OrtsDatei(2));
    EXPECT_EQ(DateiBytes(ordner / "ZenaroWin.ini"), Bytes(128, 7));
    EXPECT_TRUE(std::filesystem::is_symlink(ordner / "hell.dta"));
}

TEST_F(DateiSicherheit, AFileThatIsNoRegularFileIsRefusedByNameAndLeftAsItIs) {
    // A pipe (which must not hang the loader either), a link to a pipe and a directory.
    ASSERT_EQ(::mkfifo((ordner / "hell.dta").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo((ordner / "Rohr").c_str(), 0600), 0);
    std::filesystem::create_symlink("Rohr", ordner / "Orte.dat");
    std::filesystem::create_directory(ordner / "bahnelem.dat");
    DateiSchreiben(ordner / "bahnelem.dat" / "inhalt", {1, 2, 3});
    const auto vorher = Eintraege(ordner);
    AnzahlOrte = AnzahlHellParameter = AnzahlObjekte = 1;
    for (auto [name, lesen, schreiben] :
         {std::tuple<const char*, Lesen, Schreiben>{"hell.dta", HellParameterLesen,
                                                    HellParameterSchreiben},
          {"Orte.dat", OrteLesen, OrteSchreiben},
          {"bahnelem.dat", ObjekteLesen, ObjekteSchreiben}}) {
        // Written before any load, loaded, and written again after the load.
        EXPECT_THAT(FehlerText(schreiben), testing::HasSubstr(DatenVerzeichnis + name));
        EXPECT_THAT(FehlerText(lesen), testing::HasSubstr(DatenVerzeichnis + name));
        EXPECT_THAT(FehlerText(schreiben), testing::HasSubstr(DatenVerzeichnis + name));
    }
    EXPECT_EQ(Eintraege(ordner), vorher);  // nothing renamed, no temporary left
    EXPECT_TRUE(std::filesystem::is_fifo(ordner / "hell.dta"));
    EXPECT_TRUE(std::filesystem::is_fifo(ordner / "Rohr"));
    EXPECT_TRUE(std::filesystem::is_symlink(ordner / "Orte.dat"));
    EXPECT_EQ(DateiBytes(ordner / "bahnelem.dat" / "inhalt"), (Bytes{1, 2, 3}));
}

TEST_F(DateiSicherheit, WriteIntoAMissingDirectoryFails) {
    DatenVerzeichnis = (ordner / "fehlt").string() + "/";
    AnzahlOrte = 0;
    EXPECT_THROW(OrteSchreiben(), ELaufzeitfehler);
    EXPECT_THROW(EinstellungenSchreiben(), ELaufzeitfehler);
    EXPECT_FALSE(std::filesystem::exists(ordner / "fehlt"));
}

TEST_F(DateiSicherheit, AWriteBeyondTheFileSizeLimitFailsWith101AndLeavesThePreviousFileWhole) {
    // A process started as the program starts, with the signal of an oversized file
    // at its default (ending the process), writes beyond its file size limit: the
    // write fails half-way and ends with the error 101, the program goes on.
    Bytes vorher(2 * 304, 0);
    TextNach(vorher, 0, "alt");
    DateiSchreiben(ordner / "Bahnelem.dat", vorher);
    const pid_t kind = ::fork();
    ASSERT_GE(kind, 0);
    if (kind == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        StartdatenLaden(ordner.string());
        for (std::int32_t i = 1; i <= MaxObjekte; ++i) Objekte[i].Name = "neu";
        AnzahlObjekte = MaxObjekte;
        rlimit klein{};
        ::getrlimit(RLIMIT_FSIZE, &klein);
        klein.rlim_cur = 100000;
        ::setrlimit(RLIMIT_FSIZE, &klein);
        ::_exit(test::FehlerNummer(ObjekteSchreiben));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(kind, &status, 0), kind);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), FehlerSchreiben);
    EXPECT_EQ(DateiBytes(ordner / "Bahnelem.dat"), vorher);
    EXPECT_EQ(Eintraege(ordner), std::vector<std::string>{"Bahnelem.dat"});
}

TEST_F(DateiSicherheit, WriteProtectedFileRaisesAccessDeniedAndStays) {
    DateiSchreiben(ordner / "Orte.dat", OrtsDatei(2));
    std::filesystem::permissions(ordner / "Orte.dat", std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read |
                                                          std::filesystem::perms::others_read);
    AnzahlOrte = 0;
    ErwarteFehler(OrteSchreiben, FehlerZugriffVerweigert);
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat"), OrtsDatei(2));
    EXPECT_EQ(Eintraege(ordner), std::vector<std::string>{"Orte.dat"});  // no temporary left
    std::filesystem::permissions(ordner / "Orte.dat", std::filesystem::perms::owner_all);
}

TEST_F(DateiSicherheit, ReadOnlyDirectoryRaisesAndKeepsTheFile) {
    const AlsGewoehnlicherBenutzer benutzer(ordner);
    DateiSchreiben(ordner / "Orte.dat", OrtsDatei(2));
    std::filesystem::permissions(
        ordner, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    AnzahlOrte = 0;
    EXPECT_THROW(OrteSchreiben(), ELaufzeitfehler);
    std::filesystem::permissions(ordner, std::filesystem::perms::owner_all);
    EXPECT_EQ(DateiBytes(ordner / "Orte.dat"), OrtsDatei(2));
}

}  // namespace
}  // namespace zenaro
