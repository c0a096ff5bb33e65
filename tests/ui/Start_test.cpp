// The program start as the program runs it, in a temporary data directory, with
// recorded message boxes: the reports of missing catalogues, the start that ends
// on a damaged file, and the three long-lived windows.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "Editionen.hpp"
#include "engine/Startverzeichnis.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/GaugeUnit.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/HellUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"

extern char** environ;

namespace zenaro {
namespace {

using test::TStartverzeichnis;

class Start : public test::TEditionenTest {
protected:
    TStartverzeichnis verzeichnis;
    TMeldungsRekorder meldungen;
};

TEST_P(Start, LeeresVerzeichnisMeldetDieDreiKatalogeInDerReihenfolge) {
    ElementeGeaendert = true;
    TProgramm programm;
    ASSERT_EQ(programm.Starten(verzeichnis.Pfad()), 0);

    ASSERT_EQ(meldungen.Eintraege().size(), 3u);
    EXPECT_EQ(meldungen.Texte(),
              (std::vector<QString>{T("Datei mit dem NGC-Katalog (NGC.DTA) nicht gefunden",
                                      "File containing NGC-Catalogue (NGC.DTA) not found"),
                                    T("Datei mit dem IC-Katalog (IC.DTA) nicht gefunden",
                                      "File containing IC-Catalogue (IC.DTA) not found"),
                                    T("Datei mit dem BSC4-Katalog (BSC4.DTA) nicht gefunden",
                                      "File containing BSC4-Catalogue (BSC4.DTA) not found")}));
    for (const auto& eintrag : meldungen.Eintraege()) {
        EXPECT_EQ(eintrag.art, TMeldungsart::Fehler);
        EXPECT_EQ(eintrag.titel, T("Fehler", "Error"));
    }

    // The creation carries on: all three windows exist, the main window opens.
    ASSERT_NE(HauptForm, nullptr);
    ASSERT_NE(GaugeForm, nullptr);
    ASSERT_NE(HellForm, nullptr);
    EXPECT_FALSE(ElementeGeaendert);
    EXPECT_FALSE(GaugeForm->isVisible());
    EXPECT_FALSE(HellForm->isVisible());
    EXPECT_EQ(&Fortschrittsanzeige(), static_cast<IFortschrittsanzeige*>(GaugeForm));
    HauptForm->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(HauptForm->isVisible());
    EXPECT_EQ(meldungen.Eintraege().size(), 3u);
}

TEST_P(Start, VorhandeneAberLeereKatalogdateien) {
    // An empty "ngc.dta" still gets Messier 45 and counts as present; an empty
    // "ic.dta" leaves its table empty and is reported; "BSC4.DTA" is found
    // whatever the case of its name.
    verzeichnis.Schreiben("ngc.dta", 0);
    verzeichnis.Schreiben("ic.dta", 0);
    verzeichnis.Schreiben("BSC4.DTA", 96);
    TProgramm programm;
    ASSERT_EQ(programm.Starten(verzeichnis.Pfad()), 0);
    EXPECT_EQ(AnzahlNGC, 1);
    EXPECT_EQ(AnzahlSterne, 1);
    EXPECT_EQ(meldungen.Texte(),
              (std::vector<QString>{T("Datei mit dem IC-Katalog (IC.DTA) nicht gefunden",
                                      "File containing IC-Catalogue (IC.DTA) not found")}));
}

TEST_P(Start, AngeschnitteneOrtsdateiBeendetDenStart) {
    verzeichnis.Schreiben("ngc.dta", 0);
    verzeichnis.Schreiben("Orte.dat", 100);
    const auto vorher = verzeichnis.Inhalt();

    TProgramm programm;
    EXPECT_EQ(programm.Starten(verzeichnis.Pfad()), 100);

    // One error box with the error number, its text and the file; no window.
    ASSERT_EQ(meldungen.Eintraege().size(), 1u);
    const auto& meldung = meldungen.Eintraege()[0];
    EXPECT_EQ(meldung.art, TMeldungsart::Fehler);
    EXPECT_TRUE(meldung.text.startsWith(T("E/A-Fehler 100: Lesen über das Dateiende hinaus",
                                          "I/O error 100: Read beyond end of file")))
        << meldung.text.toStdString();
    EXPECT_TRUE(meldung.text.contains(QString::fromStdString(verzeichnis.Pfad() + "/Orte.dat")))
        << meldung.text.toStdString();
    EXPECT_EQ(HauptForm, nullptr);
    EXPECT_EQ(GaugeForm, nullptr);
    EXPECT_EQ(HellForm, nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    EXPECT_EQ(verzeichnis.Inhalt(), vorher);
}

TEST_P(Start, UeberzaehligeSaetzeWerdenEinmalGemeldet) {
    verzeichnis.Schreiben("ngc.dta", 0);
    verzeichnis.Schreiben("ic.dta", 64);
    verzeichnis.Schreiben("bsc4.dta", 96);
    verzeichnis.Schreiben("Orte.dat", 88 * (MaxOrte + 3));
    verzeichnis.Schreiben("hell.dta", 144 * (MaxHellParameter + 1));
    TProgramm programm;
    ASSERT_EQ(programm.Starten(verzeichnis.Pfad()), 0);
    EXPECT_EQ(AnzahlOrte, MaxOrte);
    EXPECT_EQ(AnzahlHellParameter, MaxHellParameter);
    // Both files in the one box, in the order they were loaded.
    ASSERT_EQ(meldungen.Eintraege().size(), 1u);
    const QString text = meldungen.Eintraege()[0].text;
    const QString orte =
        T("Orte.dat: nicht geladene Datensätze: 3", "Orte.dat: records not loaded: 3");
    const QString hell =
        T("hell.dta: nicht geladene Datensätze: 1", "hell.dta: records not loaded: 1");
    EXPECT_TRUE(text.contains(orte)) << text.toStdString();
    EXPECT_TRUE(text.contains(hell)) << text.toStdString();
    EXPECT_LT(text.indexOf(orte), text.indexOf(hell));
    EXPECT_NE(HauptForm, nullptr);
}

TEST_P(Start, DieFensterLebenBisZumEndeDesProgramms) {
    {
        TProgramm programm;
        ASSERT_EQ(programm.Starten(verzeichnis.Pfad()), 0);
        // The main window: caption of both editions, fixed client size, black.
        EXPECT_EQ(HauptForm->objectName(), "HauptForm");
        EXPECT_EQ(HauptForm->windowTitle(), "Zenaro for Windows 2.5");
        EXPECT_EQ(HauptForm->size(), QSize(602, GetParam() ? 495 : 493));
        EXPECT_EQ(HauptForm->minimumSize(), HauptForm->maximumSize());
        EXPECT_EQ(HauptForm->palette().color(QPalette::Window), QColor(Qt::black));
        // Centred on the screen (a platform's frame may shift it by a few pixels).
        const QScreen* bildschirm = QGuiApplication::primaryScreen();
        ASSERT_NE(bildschirm, nullptr);
        EXPECT_LE((HauptForm->frameGeometry().center() - bildschirm->availableGeometry().center())
                      .manhattanLength(),
                  8);
        // The brightness editor: created hidden, caption "HellForm", red.
        EXPECT_EQ(HellForm->objectName(), "HellForm");
        EXPECT_EQ(HellForm->windowTitle(), "HellForm");
        EXPECT_EQ(HellForm->size(), GetParam() ? QSize(391, 328) : QSize(399, 337));
        EXPECT_EQ(HellForm->palette().color(QPalette::Window), QColor(Qt::red));
        EXPECT_EQ(HellForm->font().pixelSize(), 11);
        EXPECT_FALSE(HellForm->isVisible());
        // Only the main window ends the program when closed.
        EXPECT_TRUE(HauptForm->testAttribute(Qt::WA_QuitOnClose));
        EXPECT_FALSE(GaugeForm->testAttribute(Qt::WA_QuitOnClose));
        EXPECT_FALSE(HellForm->testAttribute(Qt::WA_QuitOnClose));
    }
    EXPECT_EQ(HauptForm, nullptr);
    EXPECT_EQ(GaugeForm, nullptr);
    EXPECT_EQ(HellForm, nullptr);
    // The engine no longer reaches a destroyed progress window.
    EXPECT_NE(&Fortschrittsanzeige(), nullptr);
    Fortschrittsanzeige().Zeigen();
    NachrichtenVerarbeiten();
}

// The save and print dialogs of the window system speak the edition's language.
TEST_P(Start, StandarddialogeInDerSpracheDerAusgabe) {
    const bool deutschVorhanden =
        QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm");
    if (!GetParam() && !deutschVorhanden) GTEST_SKIP() << "German Qt texts not installed";
    TProgramm programm;
    ASSERT_EQ(programm.Starten(verzeichnis.Pfad()), 0);
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Save As"),
              T("Speichern unter", "Save As"));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), T("Drucken", "Print"));
}

INSTANTIATE_TEST_SUITE_P(Ausgaben, Start, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Englisch" : "Deutsch"; });

}  // namespace
}  // namespace zenaro

// The built program as a process: with all three catalogues present it starts,
// opens its main window and keeps running until it is ended; it writes nothing
// at start and ignores the signal of an oversized file.

namespace zenaro {
namespace {

class Programm : public ::testing::TestWithParam<const char*> {};

TEST_P(Programm, StartetUndWartetInDerNachrichtenschleife) {
    const std::string programm = std::string(ZENARO_BINARY_DIR) + "/" + GetParam();
    if (access(programm.c_str(), X_OK) != 0) GTEST_SKIP() << programm << " not built";
    test::TStartverzeichnis verzeichnis;
    verzeichnis.Schreiben("ngc.dta", 64);
    verzeichnis.Schreiben("ic.dta", 64);
    verzeichnis.Schreiben("bsc4.dta", 96);
    const auto vorher = verzeichnis.Inhalt();

    std::vector<std::string> umgebung{"QT_QPA_PLATFORM=offscreen", "ASAN_OPTIONS=detect_leaks=0"};
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string eintrag = *e;
        if (eintrag.rfind("QT_QPA_PLATFORM=", 0) != 0 && eintrag.rfind("ASAN_OPTIONS=", 0) != 0)
            umgebung.push_back(eintrag);
    }
    std::vector<char*> zeiger;
    for (auto& eintrag : umgebung) zeiger.push_back(eintrag.data());
    zeiger.push_back(nullptr);
    std::vector<char> name(programm.begin(), programm.end());
    name.push_back('\0');
    char* argumente[] = {name.data(), nullptr};

    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addchdir_np(&aktionen, verzeichnis.Pfad().c_str());
    pid_t pid = 0;
    const int r = posix_spawn(&pid, programm.c_str(), &aktionen, nullptr, argumente, zeiger.data());
    posix_spawn_file_actions_destroy(&aktionen);
    ASSERT_EQ(r, 0);

    // Still running after a while: it waits in its message loop.
    int status = 0;
    pid_t fertig = 0;
    for (int i = 0; i < 30 && fertig == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        fertig = waitpid(pid, &status, WNOHANG);
    }
    EXPECT_EQ(fertig, 0) << "ended early with status " << status;
    if (fertig == 0) {
        // It ignores the signal of a file grown beyond the size limit: such a write
        // fails with an error box instead of ending the program.
        std::ifstream zustand("/proc/" + std::to_string(pid) + "/status");
        std::string zeile;
        while (std::getline(zustand, zeile) && zeile.rfind("SigIgn:", 0) != 0) {
        }
        const unsigned long long ignoriert = std::stoull(zeile.substr(7), nullptr, 16);
        EXPECT_NE(ignoriert & (1ULL << (SIGXFSZ - 1)), 0u) << zeile;
        kill(pid, SIGTERM);
        waitpid(pid, &status, 0);
    }
    EXPECT_EQ(verzeichnis.Inhalt(), vorher);
}

INSTANTIATE_TEST_SUITE_P(Ausgaben, Programm, ::testing::Values("zenarowin", "zenarowin-en"),
                         [](const auto& info) {
                             return std::string(info.param) == "zenarowin" ? "Deutsch" : "Englisch";
                         });

}  // namespace
}  // namespace zenaro
