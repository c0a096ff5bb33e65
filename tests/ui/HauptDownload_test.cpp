// The comet list download of the main window, with the transfer replaced: the
// list converted and reported, and a failed or useless transfer that changes
// nothing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Anwendungsumgebung.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Herunterladen.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"

namespace zenaro {
namespace {

// One line of the list in its fixed columns (elements of 12P/Pons-Brooks).
std::string Listenzeile(int nummer) {
    std::string z(154, ' ');
    auto setze = [&z](std::size_t spalte, const std::string& text) {
        z.replace(spalte - 1, text.size(), text);
    };
    char name[44];
    std::snprintf(name, sizeof name, "C/2024 K%d", nummer);
    setze(1, name);
    setze(44, "21.1000");
    setze(53, " 4");
    setze(57, "2024");
    setze(74, " 0.780800");
    setze(86, " 0.954600");
    setze(96, "  74.1900");
    setze(108, " 198.9900");
    setze(120, " 255.8600");
    setze(133, "2000.0");
    setze(141, "  5.0");
    setze(147, "  4.0");
    return z + "MPEC";
}

class HauptDownload : public ::testing::Test {
protected:
    void SetUp() override {
        test::Anwendung();
        Englisch = false;
        ASSERT_TRUE(verzeichnis.isValid());
        DatenVerzeichnis = verzeichnis.path().toStdString() + "/";
        Objekte[1].Name = "Alt Eins";
        Objekte[2].Name = "Alt Zwei";
        AnzahlObjekte = 2;
        AnzahlOrte = 0;
        form = std::make_unique<THauptForm>();
        AktObjekt = 1;
        form->ObjektAnzeigen(1);
        meldungen.Leeren();
    }
    void TearDown() override {
        form.reset();
        Englisch = false;
        AnzahlObjekte = 0;
        DatenVerzeichnis.clear();
    }

    // Installs a transfer that writes `inhalt` (when given) and reports `erfolg`.
    std::unique_ptr<THerunterladenErsatz> Uebertragung(bool erfolg, const std::string& inhalt) {
        return std::make_unique<THerunterladenErsatz>(
            [this, erfolg, inhalt](const std::string& url, const std::string& datei) {
                adressen.push_back(url);
                dateien.push_back(datei);
                sanduhr = SanduhrAktiv();
                if (erfolg) std::ofstream(datei, std::ios::binary) << inhalt;
                return erfolg;
            });
    }

    QTemporaryDir verzeichnis;
    TMeldungsRekorder meldungen;
    std::unique_ptr<THauptForm> form;
    std::vector<std::string> adressen, dateien;
    bool sanduhr = false;
};

TEST_F(HauptDownload, ListeWirdUebernommenUndGemeldet) {
    std::string liste = "Kopfzeile\r\n";
    for (int i = 1; i <= 3; ++i) liste += Listenzeile(i) + "\r\n";
    const auto ersatz = Uebertragung(true, liste);
    ElementeGeaendert = false;
    form->Button1->click();
    EXPECT_EQ(adressen, std::vector<std::string>{KometenlisteAdresse});
    EXPECT_EQ(dateien, std::vector<std::string>{DatenVerzeichnis + "Soft02Cmt.txt"});
    EXPECT_TRUE(sanduhr);
    EXPECT_FALSE(SanduhrAktiv());
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{"Download erfolgreich, es wurden 3 Sätze gelesen."});
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Schlicht);
    ASSERT_EQ(AnzahlObjekte, 3);
    EXPECT_EQ(AktObjekt, 3);
    EXPECT_EQ(form->NameCombobox->count(), 3);
    EXPECT_EQ(form->NameCombobox->currentText(), QString::fromStdString(Objekte[3].Name.Text()));
    EXPECT_TRUE(form->ObjektBox->title().startsWith(" Kometen - Stand: "));
    EXPECT_TRUE(QFile::exists(verzeichnis.filePath("Bahnelem.dat")) ||
                QFile::exists(verzeichnis.filePath("BAHNELEM.DAT")));
    EXPECT_FALSE(ElementeGeaendert);

    // English edition.
    Englisch = true;
    meldungen.Leeren();
    form->Button1->click();
    EXPECT_EQ(meldungen.Texte(),
              std::vector<QString>{"Download successful, 3 record(s) received."});
}

// More comets than the object table holds: the first 1000 are taken, and the
// user learns how many were left out.
TEST_F(HauptDownload, UeberzaehligeKometenWerdenGenannt) {
    std::string liste;
    for (int i = 1; i <= MaxObjekte + 2; ++i) liste += Listenzeile(i) + "\n";
    const auto ersatz = Uebertragung(true, liste);
    form->Button1->click();
    EXPECT_EQ(AnzahlObjekte, MaxObjekte);
    EXPECT_EQ(meldungen.Texte(),
              (std::vector<QString>{"Download erfolgreich, es wurden 1000 Sätze gelesen.",
                                    "Weitere Kometen der Liste: 2. Sie wurden nicht übernommen, "
                                    "weil die Objekttabelle höchstens 1000 Objekte fasst."}));
}

// A failed transfer and a list without one usable line change nothing.
TEST_F(HauptDownload, FehlschlagUndNutzloseListeAendernNichts) {
    const QString titel = form->ObjektBox->title();
    const int eintraege = form->NameCombobox->count();
    struct TFall {
        bool erfolg;
        std::string inhalt;
        bool englisch;
        const char* meldung;
    };
    for (const TFall& f : std::vector<TFall>{
             {false, "", false, "Download gescheitert"},
             {false, "", true, "Download failed!"},
             {true, "<html><body>" + std::string(300, 'x') + "</body></html>\r\n", false,
              "Die geladene Liste enthält keine verwendbaren Bahnelemente. Die bisherigen "
              "Objekte und die Datei Bahnelem.dat bleiben unverändert."}}) {
        Englisch = f.englisch;
        meldungen.Leeren();
        const auto ersatz = Uebertragung(f.erfolg, f.inhalt);
        form->Button1->click();
        EXPECT_EQ(meldungen.Texte(), std::vector<QString>{f.meldung});
        EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Schlicht);
        EXPECT_EQ(AnzahlObjekte, 2);
        EXPECT_EQ(Objekte[1].Name.Text(), "Alt Eins");
        EXPECT_EQ(AktObjekt, 1);
        EXPECT_EQ(form->ObjektBox->title(), titel);
        EXPECT_EQ(form->NameCombobox->count(), eintraege);
        EXPECT_FALSE(SanduhrAktiv());
    }
    EXPECT_FALSE(QFile::exists(verzeichnis.filePath("Bahnelem.dat")));
}

}  // namespace
}  // namespace zenaro
