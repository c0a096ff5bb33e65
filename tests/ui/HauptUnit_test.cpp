// The main window's creation from the tables and settings and its exit with the
// four files written through the data model.
#include <gtest/gtest.h>
#include <utime.h>

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <ctime>
#include <fstream>
#include <iterator>

#include "HauptUmgebung.hpp"
#include "engine/Datendateien.hpp"
#include "ui/DatumUnit.hpp"
#include "ui/HellUnit.hpp"

namespace zenaro {
namespace {

using test::THauptfensterTest;

// A file's modification time set to a local date and time.
void ZeitSetzen(const std::string& pfad, int jahr, int monat, int tag, int h, int m, int s) {
    std::tm zeit{};
    zeit.tm_year = jahr - 1900;
    zeit.tm_mon = monat - 1;
    zeit.tm_mday = tag;
    zeit.tm_hour = h;
    zeit.tm_min = m;
    zeit.tm_sec = s;
    zeit.tm_isdst = -1;
    const utimbuf zeiten{std::mktime(&zeit), std::mktime(&zeit)};
    ASSERT_EQ(utime(pfad.c_str(), &zeiten), 0);
}

std::string Inhalt(const std::string& pfad) {
    std::ifstream datei(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(datei), {}};
}

// The contrast ratio of two colours as the web accessibility guidelines define it:
// (L1 + 0.05) / (L2 + 0.05) of their relative luminances, the lighter one first.
double Kontrast(const QColor& a, const QColor& b) {
    auto leuchtdichte = [](const QColor& c) {
        auto linear = [](double k) {
            return k <= 0.04045 ? k / 12.92 : std::pow((k + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text of a label, check box, group caption, edit or button reads at 4.5:1 or
// more against its background, in an active and an inactive window alike;
// disabled, at 3:1 or more and plainly lighter (at most 2/3 of the enabled
// contrast).
void LesbarAuchGesperrt(const QWidget* w) {
    QPalette::ColorRole schrift = QPalette::WindowText, grund = QPalette::Window;
    const QWidget* flaeche = w;
    if (qobject_cast<const QLineEdit*>(w)) {
        schrift = QPalette::Text;
        grund = QPalette::Base;
    } else if (qobject_cast<const QPushButton*>(w)) {
        schrift = QPalette::ButtonText;
        grund = QPalette::Button;
    } else if (qobject_cast<const QLabel*>(w) || qobject_cast<const QCheckBox*>(w) ||
               qobject_cast<const QGroupBox*>(w)) {
        while (!flaeche->autoFillBackground()) flaeche = flaeche->parentWidget();
        grund = flaeche->backgroundRole();
    } else {
        return;
    }
    auto kontrast = [&](QPalette::ColorGroup gruppe) {
        return Kontrast(w->palette().color(gruppe, schrift),
                        flaeche->palette().color(gruppe, grund));
    };
    const double aus = kontrast(QPalette::Disabled);
    const std::string name = w->metaObject()->className() + (" " + w->objectName().toStdString());
    EXPECT_GE(aus, 3.0) << name;
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive}) {
        EXPECT_GE(kontrast(gruppe), 4.5) << name << " group " << gruppe;
        EXPECT_LE(aus * 1.5, kontrast(gruppe)) << name << " group " << gruppe;
    }
}

using Hauptfenster = THauptfensterTest;

TEST_P(Hauptfenster, ErzeugungFuelltDieFelderAusTabellenUndEinstellungen) {
    Startdatum = "01/02/2026";
    Stopdatum = "03/04/2026";
    SchrittTage = 3;
    SchrittStunden = 0.0L;
    DaemmerungsHoehe = -12;
    ZonenIndex = 28;
    DeepSkyAnzeigen = false;
    DeepSkyRadius = 2.5L;
    AlleObjekte = true;
    NurSichtbare = false;
    Grenzgroesse = 9.5L;
    KonjRadius = 2.0L;
    KonjGrenzgroesse = 12.0L;
    ElementeGeaendert = true;
    // The elements file is found whatever the case of its name.
    verzeichnis.Schreiben("bahnelem.DAT", 0);
    ZeitSetzen(verzeichnis.Pfad() + "/bahnelem.DAT", 2026, 12, 7, 18, 5, 9);

    Form();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_FALSE(ElementeGeaendert);

    EXPECT_EQ(AktOrt, 1);
    EXPECT_EQ(Feld<QComboBox>("OrtComboBox")->count(), 2);
    EXPECT_EQ(Feld<QComboBox>("OrtComboBox")->currentText(), "Hamburg");
    EXPECT_EQ(AktObjekt, 3);
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->count(), 3);
    EXPECT_EQ(Feld<QComboBox>("NameCombobox")->currentText(), "2P/Encke");
    // The file time, not the object counter.
    EXPECT_EQ(
        Feld<QGroupBox>("ObjektBox")->title(),
        T(" Kometen - Stand: 07.12.2026 18:05:09 ", " Comets - file date: 07.12.2026 18:05:09 "));

    // Only the English edition writes its stored dates with dots.
    const std::string start = GetParam() ? "01.02.2026" : "01/02/2026";
    EXPECT_EQ(Startdatum.Text(), start);
    EXPECT_EQ(Stopdatum.Text(), GetParam() ? "03.04.2026" : "03/04/2026");
    EXPECT_EQ(Feld("StartdatumEdit")->text().toStdString(), start);
    EXPECT_EQ(Feld("Startzeitedit")->text(), "01:00");

    EXPECT_EQ(Feld("TageEdit")->text(), "3");
    EXPECT_EQ(Feld("SonnenHoeheEdit")->text(), "-12");
    EXPECT_EQ(Feld("StundenEdit")->text(), "0.0");
    EXPECT_EQ(Feld("RadiusEdit")->text(), "2.5");
    EXPECT_EQ(Feld("LimitEdit")->text(), " 9.5");
    EXPECT_EQ(Feld("KRadiusEdit")->text(), "2.0");
    EXPECT_EQ(Feld("KLimitEdit")->text(), "12.0");
    EXPECT_EQ(Feld<QComboBox>("ZoneComboBox")->count(), 52);
    EXPECT_EQ(Feld<QComboBox>("ZoneComboBox")->currentText(), "MESZ");

    EXPECT_FALSE(Feld<QCheckBox>("NGCCheckBox")->isChecked());
    EXPECT_FALSE(Feld("RadiusEdit")->isEnabled());
    EXPECT_TRUE(Feld<QCheckBox>("AllCheckBox")->isChecked());
    EXPECT_TRUE(Feld<QCheckBox>("SortCheckBox")->isEnabled());
    EXPECT_TRUE(Feld<QCheckBox>("SichtbareCheckBox")->isEnabled());
    EXPECT_FALSE(Feld<QCheckBox>("SichtbareCheckBox")->isChecked());
    EXPECT_FALSE(Feld<QCheckBox>("KonjCheckBox")->isChecked());
    EXPECT_FALSE(Feld("KRadiusEdit")->isEnabled());
    EXPECT_FALSE(Feld("KLimitEdit")->isEnabled());
    EXPECT_FALSE(Feld<QPushButton>("HellButton")->isEnabled());
    EXPECT_FALSE(Feld("GrohaEdit")->isEnabled());
}

TEST_P(Hauptfenster, LeereTabellenOhneElementdateiUndFremderZonenindex) {
    AnzahlObjekte = 0;
    AnzahlOrte = 0;
    ZonenIndex = 60;
    Form();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_EQ(AktObjekt, 0);
    EXPECT_EQ(AktOrt, 0);
    // Without an elements file the object counter stays.
    EXPECT_EQ(Feld<QGroupBox>("ObjektBox")->title(),
              T(" Bahnelemente (0 von 0) ", " Orbital elements (0 out of 0) "));
    EXPECT_TRUE(Feld("PeriduEdit")->text().isEmpty());
    EXPECT_TRUE(Feld("PhiEdit")->text().isEmpty());
    EXPECT_EQ(Feld<QComboBox>("ZoneComboBox")->currentIndex(), -1);
    EXPECT_TRUE(Feld<QComboBox>("ZoneComboBox")->currentText().isEmpty());

    // The buttons that need an entry are disabled, and their handlers do nothing.
    for (const char* knopf :
         {"ObjektSpeicherButton", "ObjektLoeschButton", "OrtSpeicherButton", "OrtLoeschButton"})
        EXPECT_FALSE(Feld<QPushButton>(knopf)->isEnabled()) << knopf;
    const auto vorher = verzeichnis.Inhalt();
    form->ObjektSpeicherButtonClick();
    form->ObjektLoeschButtonClick();
    form->OrtSpeicherButtonClick();
    form->OrtLoeschButtonClick();
    EXPECT_TRUE(meldungen.Eintraege().empty());
    EXPECT_EQ(verzeichnis.Inhalt(), vorher);
    EXPECT_EQ(AnzahlObjekte, 0);
    EXPECT_EQ(AnzahlOrte, 0);
    EXPECT_FALSE(ElementeGeaendert);

    // New entries make the buttons usable.
    form->ObjektNeuButtonClick();
    form->OrtNeuButtonClick();
    EXPECT_EQ(AktObjekt, 1);
    EXPECT_EQ(AktOrt, 1);
    EXPECT_TRUE(Feld<QPushButton>("ObjektSpeicherButton")->isEnabled());
    EXPECT_TRUE(Feld<QPushButton>("OrtLoeschButton")->isEnabled());
}

TEST_P(Hauptfenster, EndeMitNeinSchreibtNichtsUndLaesstDasFensterOffen) {
    meldungen.SetzeAntwort(false);
    Form().show();
    const auto vorher = verzeichnis.Inhalt();
    Feld<QPushButton>("EndeButton")->click();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(verzeichnis.Inhalt(), vorher);
    ASSERT_EQ(meldungen.Eintraege().size(), 2u);
    EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Frage);
    EXPECT_EQ(meldungen.Eintraege()[0].text,
              T("Soll das Programm wirklich beendet werden?", "Do you really want to quit?"));
}

TEST_P(Hauptfenster, EndeSchreibtDieElementeNurNachAenderungen) {
    Startdatum = "01/02/2026";
    verzeichnis.Schreiben("Bahnelem.dat", 7);
    Form();

    TCloseAction aktion = TCloseAction::caNone;
    form->FormClose(aktion);
    EXPECT_EQ(aktion, TCloseAction::caFree);
    EXPECT_EQ(meldungen.Eintraege().size(), 1u);
    // Unchanged objects: the elements file stays as it was.
    EXPECT_EQ(Inhalt(verzeichnis.Pfad() + "/Bahnelem.dat").size(), 7u);
    EXPECT_EQ(Inhalt(verzeichnis.Pfad() + "/Orte.dat").size(), 2 * SatzgroesseOrt);
    EXPECT_EQ(Inhalt(verzeichnis.Pfad() + "/hell.dta").size(), 0u);
    const std::string ini = Inhalt(verzeichnis.Pfad() + "/ZenaroWin.ini");
    EXPECT_EQ(ini.size(), SatzgroesseEinstellungen);
    EXPECT_EQ(ini.substr(1, 10), GetParam() ? "01.02.2026" : "01/02/2026");

    // A changed object table is written too.
    form.reset();
    Form();
    ElementeGeaendert = true;
    TCloseAction zweite = TCloseAction::caNone;
    form->FormClose(zweite);
    EXPECT_EQ(zweite, TCloseAction::caFree);
    EXPECT_EQ(Inhalt(verzeichnis.Pfad() + "/Bahnelem.dat").size(), 3 * SatzgroesseBahnelement);
}

TEST_P(Hauptfenster, SchreibfehlerBeimEndeLaesstDasFensterOffen) {
    Form().show();
    // The data directory has gone: the first file cannot be written.
    DatenVerzeichnis = verzeichnis.Pfad() + "/fehlt/";
    ElementeGeaendert = true;
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(meldungen.Eintraege().size(), 2u);
    EXPECT_EQ(meldungen.Eintraege()[1].art, TMeldungsart::Fehler);
    EXPECT_TRUE(meldungen.Eintraege()[1].text.contains("Bahnelem.dat"))
        << meldungen.Eintraege()[1].text.toStdString();
}

// Every caption is readable: its text fits its control, every label keeps clear of
// its neighbours, and every control lies inside its group or the window.
TEST_P(Hauptfenster, JedeBeschriftungPasstInIhrSteuerelement) {
    Objekte[3].Name = "C/2022 E3 (ZTF)";
    // A desktop theme that greys the texts of an inactive window (one behind a
    // message box) and of disabled controls.
    const QPalette vorher = QApplication::palette();
    QPalette thema = vorher;
    for (const auto rolle : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        for (const auto gruppe : {QPalette::Inactive, QPalette::Disabled})
            thema.setColor(gruppe, rolle, QColor(190, 190, 190));
    QApplication::setPalette(thema);
    Form();
    auto breite = [](const QWidget* w, const QString& text) {
        return QFontMetrics(w->font()).horizontalAdvance(text);
    };
    for (const QWidget* w : form->findChildren<QWidget*>()) {
        const QWidget* eltern = w->parentWidget();
        if (w->isWindow() || !w->isVisibleTo(form.get()) ||
            (eltern != form.get() && !qobject_cast<const QGroupBox*>(eltern)))
            continue;
        EXPECT_TRUE(eltern->rect().contains(w->geometry()))
            << w->metaObject()->className() << " " << w->objectName().toStdString();
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            EXPECT_LE(breite(label, label->text()), label->width()) << label->text().toStdString();
            // Clear space between the label and its neighbours: it covers none of
            // them, and its text keeps at least 4 pixels from each.
            const QRect text(label->x(), label->y(), breite(label, label->text()), label->height());
            for (const QWidget* nachbar :
                 eltern->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (nachbar != label && nachbar->isVisibleTo(form.get())) {
                    EXPECT_FALSE(label->geometry().intersects(nachbar->geometry()) ||
                                 text.adjusted(-4, 0, 4, 0).intersects(nachbar->geometry()))
                        << label->text().toStdString() << " and "
                        << nachbar->metaObject()->className() << " "
                        << nachbar->objectName().toStdString();
                }
        }
        if (const auto* box = qobject_cast<const QCheckBox*>(w)) {
            EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
        }
        if (const auto* knopf = qobject_cast<const QPushButton*>(w)) {
            EXPECT_LE(breite(knopf, knopf->text()) + 8, knopf->width())
                << knopf->text().toStdString();
        }
        if (const auto* gruppe = qobject_cast<const QGroupBox*>(w)) {
            EXPECT_LE(breite(gruppe, gruppe->title()) + 16, gruppe->width())
                << gruppe->title().toStdString();
        }
    }
    // Every caption, edit and button of the main window, the brightness editor
    // and the date picker is readable, disabled too, in an active and an inactive
    // window.
    Feld<QPushButton>("StartdatumChangeButton")->click();
    THellForm hell;
    for (const QWidget* fenster : {static_cast<QWidget*>(form.get()), static_cast<QWidget*>(&hell)})
        for (const QWidget* w : fenster->findChildren<QWidget*>()) LesbarAuchGesperrt(w);
    QApplication::setPalette(vorher);
}

INSTANTIATE_TEST_SUITE_P(Ausgaben, Hauptfenster, ::testing::Bool());

}  // namespace
}  // namespace zenaro
