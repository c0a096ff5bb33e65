// The platform layer: recorded message boxes, the hourglass, the processing of
// pending messages, and the application's error box for runtime errors of event
// handlers.
#include "ui/Plattform/Plattform.hpp"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "Anwendungsumgebung.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Anwendung.hpp"

namespace zenaro {
namespace {

class Plattform : public ::testing::Test {
protected:
    void SetUp() override { test::Anwendung(); }
    void TearDown() override { Englisch = false; }
};

TEST_F(Plattform, RekorderHaeltArtTitelUndTextFest) {
    TMeldungsRekorder rekorder(false);
    FehlerMeldung("falsch");
    InfoMeldung("gespeichert");
    SchlichteMeldung("12 Objekte");
    EXPECT_FALSE(JaNeinFrage("Wirklich?"));
    rekorder.SetzeAntwort(true);
    EXPECT_TRUE(JaNeinFrage("Sicher?"));
    FehlerMeldung("Eigener Titel", "mit Titel");

    const auto& e = rekorder.Eintraege();
    ASSERT_EQ(e.size(), 6u);
    EXPECT_EQ(e[0].art, TMeldungsart::Fehler);
    EXPECT_EQ(e[0].titel, "Fehler");
    EXPECT_EQ(e[1].art, TMeldungsart::Information);
    EXPECT_EQ(e[1].titel, "Information");
    EXPECT_EQ(e[2].art, TMeldungsart::Schlicht);
    EXPECT_EQ(e[2].titel, "ZenaroWin");
    EXPECT_EQ(e[3].art, TMeldungsart::Frage);
    EXPECT_EQ(e[3].titel, QString::fromUtf8("Bestätigen"));
    EXPECT_EQ(e[3].text, "Wirklich?");
    EXPECT_EQ(e[5].titel, "Eigener Titel");
    EXPECT_EQ(e[5].text, "mit Titel");

    Englisch = true;
    EXPECT_EQ(Meldungstitel(TMeldungsart::Fehler), "Error");
    EXPECT_EQ(Meldungstitel(TMeldungsart::Frage), "Confirm");
}

// The real boxes: sign, title, text and buttons of each kind, and the answer
// of the question. A timer answers the modal box as a user would.
QMessageBox* OffeneBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

struct TGesehen {
    QMessageBox::Icon zeichen = QMessageBox::NoIcon;
    QString titel, text;
    QMessageBox::StandardButtons knoepfe;
    Qt::TextFormat format = Qt::AutoText;
};

TEST_F(Plattform, EchteMeldungsboxen) {
    auto zeigen = [](auto aufruf, QMessageBox::StandardButton knopf, bool& antwort) {
        auto gesehen = std::make_shared<TGesehen>();
        QTimer::singleShot(0, [gesehen, knopf] {
            QMessageBox* box = OffeneBox();
            if (box == nullptr) return;
            *gesehen = {box->icon(), box->windowTitle(), box->text(), box->standardButtons(),
                        box->textFormat()};
            box->button(knopf)->click();
        });
        antwort = aufruf();
        return *gesehen;
    };
    bool antwort = false;
    auto fehler = zeigen(
        [] {
            FehlerMeldung("kaputt: /daten/<b>neu</b>/Orte.dat");
            return true;
        },
        QMessageBox::Ok, antwort);
    EXPECT_EQ(fehler.zeichen, QMessageBox::Critical);
    EXPECT_EQ(fehler.titel, "Fehler");
    EXPECT_EQ(fehler.text, "kaputt: /daten/<b>neu</b>/Orte.dat");
    // A name that looks like markup is shown as it stands.
    EXPECT_EQ(fehler.format, Qt::PlainText);
    EXPECT_EQ(fehler.knoepfe, QMessageBox::Ok);
    auto info = zeigen(
        [] {
            InfoMeldung("gut");
            return true;
        },
        QMessageBox::Ok, antwort);
    EXPECT_EQ(info.zeichen, QMessageBox::Information);
    auto schlicht = zeigen(
        [] {
            SchlichteMeldung("12");
            return true;
        },
        QMessageBox::Ok, antwort);
    EXPECT_EQ(schlicht.zeichen, QMessageBox::NoIcon);
    EXPECT_EQ(schlicht.knoepfe, QMessageBox::Ok);

    auto frage = zeigen([] { return JaNeinFrage("Beenden?"); }, QMessageBox::No, antwort);
    EXPECT_EQ(frage.zeichen, QMessageBox::Question);
    EXPECT_EQ(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
    EXPECT_FALSE(antwort);
    zeigen([] { return JaNeinFrage("Beenden?"); }, QMessageBox::Yes, antwort);
    EXPECT_TRUE(antwort);
}

TEST_F(Plattform, RekorderStelltDenVorigenWiederHer) {
    TMeldungsRekorder aussen;
    {
        TMeldungsRekorder innen;
        FehlerMeldung("innen");
        EXPECT_EQ(innen.Eintraege().size(), 1u);
    }
    FehlerMeldung("aussen");
    ASSERT_EQ(aussen.Eintraege().size(), 1u);
    EXPECT_EQ(aussen.Eintraege()[0].text, "aussen");
}

TEST_F(Plattform, SanduhrVerschachteltNicht) {
    SanduhrZeigen();
    SanduhrZeigen();
    EXPECT_TRUE(SanduhrAktiv());
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    NormalerCursor();
    EXPECT_FALSE(SanduhrAktiv());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    NormalerCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    try {
        TSanduhr sanduhr;
        Laufzeitfehler(FehlerUngueltigeGleitkommaoperation);
    } catch (const ELaufzeitfehler&) {
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Plattform, NachrichtenWerdenWaehrendDerBerechnungVerarbeitet) {
    TQtNachrichtenverarbeitung verarbeitung;
    SetzeNachrichtenverarbeitung(&verarbeitung);
    bool gelaufen = false;
    QTimer::singleShot(0, [&] { gelaufen = true; });
    NachrichtenVerarbeiten();
    SetzeNachrichtenverarbeitung(nullptr);
    EXPECT_TRUE(gelaufen);
}

TEST_F(Plattform, LaufzeitfehlerTextBeiderAusgaben) {
    try {
        Laufzeitfehler(FehlerLesenUeberDateiende, "/daten/Orte.dat");
    } catch (const ELaufzeitfehler& fehler) {
        EXPECT_EQ(LaufzeitfehlerMeldung(fehler),
                  QString::fromUtf8(
                      "E/A-Fehler 100: Lesen über das Dateiende hinaus\n(/daten/Orte.dat)"));
        Englisch = true;
        EXPECT_EQ(LaufzeitfehlerMeldung(fehler),
                  "I/O error 100: Read beyond end of file\n(/daten/Orte.dat)");
        Englisch = false;
    }
    EXPECT_EQ(LaufzeitfehlerMeldung(ELaufzeitfehler(201, "Range check error")),
              QString::fromUtf8("Laufzeitfehler 201: Bereichsüberschreitung"));
    EXPECT_EQ(LaufzeitfehlerMeldung(ELaufzeitfehler(101, "Platte voll")),
              QString::fromUtf8(
                  "E/A-Fehler 101: Fehler beim Schreiben auf den Datenträger\nPlatte voll"));
}

// An object whose event handler raises a runtime error, as a button click would.
class TFehlerhafterEmpfaenger : public QObject {
public:
    explicit TFehlerhafterEmpfaenger(std::int32_t nummer) : nummer_(nummer) {}
    bool event(QEvent* ereignis) override {
        if (ereignis->type() == QEvent::User) {
            SanduhrZeigen();
            if (nummer_ == 0) throw std::out_of_range("Tabellenindex");
            Laufzeitfehler(nummer_, "/daten/hell.dta");
        }
        return QObject::event(ereignis);
    }

private:
    std::int32_t nummer_;
};

TEST_F(Plattform, AnwendungZeigtLaufzeitfehlerDerEreignisseAlsFehlerbox) {
    TMeldungsRekorder rekorder;
    TFehlerhafterEmpfaenger empfaenger(FehlerSchreiben);
    QEvent ereignis(QEvent::User);
    QCoreApplication::sendEvent(&empfaenger, &ereignis);
    ASSERT_EQ(rekorder.Eintraege().size(), 1u);
    EXPECT_EQ(rekorder.Eintraege()[0].art, TMeldungsart::Fehler);
    EXPECT_TRUE(rekorder.Eintraege()[0].text.startsWith("E/A-Fehler 101"));
    EXPECT_TRUE(rekorder.Eintraege()[0].text.contains("/daten/hell.dta"));
    // The operation ends, the hourglass goes, the application carries on.
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    TFehlerhafterEmpfaenger anderer(0);
    QCoreApplication::sendEvent(&anderer, &ereignis);
    ASSERT_EQ(rekorder.Eintraege().size(), 2u);
    EXPECT_EQ(rekorder.Eintraege()[1].text, "Tabellenindex");
}

}  // namespace
}  // namespace zenaro
