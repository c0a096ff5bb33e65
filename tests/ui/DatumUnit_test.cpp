// The date and time picker: its window message, the picker itself, and the main
// window's launch buttons, message handler, today button and zone list.
#include "ui/DatumUnit.hpp"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "Anwendungsumgebung.hpp"
#include "engine/Hilfen.hpp"
#include "engine/Programmstart.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/HauptUnit.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Nachricht.hpp"
#include "ui/Plattform/Zeichensatz.hpp"

namespace zenaro {
namespace {

using TFolge = std::vector<std::pair<std::int32_t, std::int32_t>>;

// A receiver that records every WM_DATUM it gets.
struct TEmpfaenger {
    QObject objekt;
    TFolge folge;
    TEmpfaenger() {
        NachrichtBehandeln(objekt, WM_DATUM, [this](std::int32_t code, std::int32_t wert) {
            folge.emplace_back(code, wert);
            return 1;
        });
    }
};

class Datum : public ::testing::Test {
protected:
    void SetUp() override {
        test::Anwendung();
        DatumModus = ' ';
    }
    void TearDown() override { Englisch = false; }

    // A picker set to 5 March 2027, 7:05, zone "MESZ"; the mode stays as it is.
    static void Waehlen(TDatumForm& form) {
        form.Kalender->setSelectedDate(QDate(2027, 3, 5));
        form.HrUpDown->setValue(7);
        form.MiUpDown->setValue(5);
        form.ZoneComboBox->setCurrentIndex(28);
    }
};

TEST_F(Datum, NachrichtWirdSynchronBehandelt) {
    QObject empfaenger;
    std::int32_t gesehen = 0;
    NachrichtBehandeln(empfaenger, WM_DATUM, [&](std::int32_t code, std::int32_t wert) {
        gesehen = code * 10000 + wert;
        return 1;
    });
    EXPECT_EQ(NachrichtSenden(&empfaenger, WM_DATUM, 1, 2027), 1);
    EXPECT_EQ(gesehen, 12027);  // handled before the send returned
    EXPECT_EQ(NachrichtSenden(&empfaenger, WM_DATUM + 1, 1, 2027), 0);
    EXPECT_EQ(NachrichtSenden(nullptr, WM_DATUM, 1, 2027), 0);

    // A runtime error of the handler is shown like that of any event handler.
    TMeldungsRekorder rekorder;
    NachrichtBehandeln(empfaenger, WM_DATUM, [](std::int32_t, std::int32_t) -> std::intptr_t {
        Laufzeitfehler(FehlerBereichsueberschreitung, "Test");
    });
    EXPECT_EQ(NachrichtSenden(&empfaenger, WM_DATUM, 0, 0), 0);
    EXPECT_EQ(rekorder.Eintraege().size(), 1u);
}

TEST_F(Datum, FormWieErzeugt) {
    QWidget haupt;
    auto* form = new TDatumForm(&haupt);
    EXPECT_EQ(form->objectName(), "DatumForm");
    EXPECT_EQ(form->parent(), &haupt);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMinMaxButtonsHint);
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_EQ(form->windowTitle(), "Select date and time");
    EXPECT_EQ(form->ZeitLabel->text(), "Zeit (HH:MM)");
    EXPECT_EQ(form->ZoneLabel->text(), "Zeitzone");
    EXPECT_EQ(form->Button1->text(), "Übernehmen");
    EXPECT_EQ(form->Button2->text(), "Cancel");

    // The edits are those of the up-downs.
    EXPECT_EQ(form->findChild<QLineEdit*>("StundenEdit")->parent(), form->HrUpDown);
    EXPECT_EQ(form->findChild<QLineEdit*>("MinutenEdit")->parent(), form->MiUpDown);

    // Hour and minute stop at their ends instead of wrapping round.
    form->HrUpDown->setValue(23);
    form->HrUpDown->stepUp();
    EXPECT_EQ(form->HrUpDown->value(), 23);
    form->MiUpDown->setValue(59);
    form->MiUpDown->stepUp();
    EXPECT_EQ(form->MiUpDown->value(), 59);

    ASSERT_EQ(form->ZoneComboBox->count(), AnzahlZeitzonen);
    EXPECT_EQ(form->ZoneComboBox->itemText(28), "MESZ");
    EXPECT_EQ(form->ZoneComboBox->itemText(51), "YST");

    Englisch = true;
    TDatumForm englisch(nullptr);
    EXPECT_EQ(englisch.windowTitle(), "Select date and time");
    EXPECT_EQ(englisch.ZeitLabel->text(), "Time (HH:MM)");
    EXPECT_EQ(englisch.ZoneLabel->text(), "Time zone");
    EXPECT_EQ(englisch.Button1->text(), "Apply");
    EXPECT_EQ(englisch.Button2->text(), "Cancel");
}

TEST_F(Datum, UebernehmenSendetDieFolgeDesModus) {
    TEmpfaenger empfaenger;
    TDatumForm form(nullptr);
    form.Anzeigen(&empfaenger.objekt);
    EXPECT_TRUE(form.isVisible());
    Waehlen(form);
    DatumModus = 'A';
    form.Button1->click();
    EXPECT_EQ(empfaenger.folge,
              (TFolge{{1, 2027}, {2, 3}, {3, 5}, {4, 7}, {5, 5}, {6, 28}, {7, 0}}));
    EXPECT_FALSE(form.isVisible());

    empfaenger.folge.clear();
    form.Anzeigen(&empfaenger.objekt);
    form.ZoneComboBox->setCurrentIndex(-1);
    DatumModus = 'E';
    form.Button1->click();
    EXPECT_EQ(empfaenger.folge,
              (TFolge{{8, 2027}, {9, 3}, {10, 5}, {11, 7}, {12, 5}, {6, -1}, {13, 0}}));
    EXPECT_FALSE(form.isVisible());

    // Any other mode sends nothing and the picker stays; Cancel only hides.
    empfaenger.folge.clear();
    form.Anzeigen(&empfaenger.objekt);
    DatumModus = 'X';
    form.Button1->click();
    EXPECT_TRUE(form.isVisible());
    DatumModus = 'A';
    form.Button2->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(empfaenger.folge.empty());

    // A receiver gone before Apply: nothing to send to, the picker hides.
    {
        TEmpfaenger vergangen;
        form.Anzeigen(&vergangen.objekt);
    }
    form.Button1->click();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(Datum, VorbelegenAusDenFeldern) {
    TDatumForm form(nullptr);
    form.Vorbelegen("24.12.2026", "18:45", 28, "MESZ");
    EXPECT_EQ(form.Kalender->selectedDate(), QDate(2026, 12, 24));
    EXPECT_EQ(form.HrUpDown->value(), 18);
    EXPECT_EQ(form.MiUpDown->value(), 45);
    EXPECT_EQ(form.ZoneComboBox->currentIndex(), 28);

    // Unreadable fields give today and 0; numbers beyond the range stop at its end.
    std::int32_t tag = 0, monat = 0, jahr = 0;
    ASSERT_TRUE(DatumLesen(HeutigesDatum(), tag, monat, jahr));
    form.Vorbelegen("xx.yy.zzzz", "a:bc", -1, "");
    EXPECT_EQ(form.Kalender->selectedDate(), QDate(jahr, monat, tag));
    EXPECT_EQ(form.HrUpDown->value(), 0);
    EXPECT_EQ(form.MiUpDown->value(), 0);
    EXPECT_EQ(form.ZoneComboBox->currentIndex(), -1);
    form.Vorbelegen("31.02.2027", "99:99", -1, "CET");
    EXPECT_EQ(form.Kalender->selectedDate(), QDate(jahr, monat, tag));
    EXPECT_EQ(form.HrUpDown->value(), 23);
    EXPECT_EQ(form.MiUpDown->value(), 59);
    EXPECT_EQ(form.ZoneComboBox->currentIndex(), 12);  // the typed zone name found in the list
    form.Vorbelegen("01.01.0987", " 7:5", -1, "cet");
    EXPECT_EQ(form.Kalender->selectedDate(), QDate(987, 1, 1));
    EXPECT_EQ(form.HrUpDown->value() * 100 + form.MiUpDown->value(), 705);
    EXPECT_EQ(form.ZoneComboBox->currentIndex(), -1);  // names compare case-sensitively
    // A zone name typed into the main list after a choice there counts, not the
    // index of the earlier choice.
    form.Vorbelegen("01.01.2026", "00:00", 3, "UTC");
    EXPECT_EQ(form.ZoneComboBox->currentIndex(), 45);
    form.Vorbelegen("01.01.2026", "00:00", 3, "Mars");
    EXPECT_EQ(form.ZoneComboBox->currentIndex(), 3);
}

TEST_F(Datum, DatumLesenUndKurzdatum) {
    std::int32_t tag = 0, monat = 0, jahr = 0;
    EXPECT_TRUE(DatumLesen("5/3/27", tag, monat, jahr));
    EXPECT_EQ(std::make_tuple(tag, monat, jahr), std::make_tuple(5, 3, 2027));
    EXPECT_TRUE(DatumLesen("29.02.2024", tag, monat, jahr));
    for (const char* falsch : {"", "29.02.2023", "00.01.2026", "01.01.0000", "1.1.12345", "1..2026",
                               "01.01.2026 ", "01.01", "01.01.2026.1"})
        EXPECT_FALSE(DatumLesen(falsch, tag, monat, jahr)) << falsch;
    EXPECT_EQ(std::make_tuple(tag, monat, jahr), std::make_tuple(29, 2, 2024));

    EXPECT_EQ(KurzdatumNormieren("08.12.26"), "08.12.2026");
    EXPECT_EQ(KurzdatumNormieren("31.12.71"), "31.12.1971");
    EXPECT_EQ(KurzdatumNormieren("01.01.70"), "01.01.2070");
    EXPECT_EQ(KurzdatumNormieren("08/12/2026"), "08.12.2026");
    EXPECT_EQ(KurzdatumNormieren("08-12-2026 Mi"), "08.12.2026");
    EXPECT_EQ(KurzdatumNormieren("08/1"), "08.1");
    EXPECT_EQ(KurzdatumNormieren(""), "");
}

// The main window with one location and one object, its catalogue boxes recorded.
class DatumHaupt : public Datum {
protected:
    void SetUp() override {
        Datum::SetUp();
        AnzahlOrte = 1;
        Orte[1] = TOrt{"Berlin", -13.4L, 52.5L};
        AnzahlObjekte = 1;
        Objekte[1].Name = "1P/Halley";
        ZonenIndex = 3;
        haupt_ = std::make_unique<THauptForm>();
        if (haupt_->ZoneComboBox->count() == 0)
            for (const TZeitzone& zone : Zeitzonen)
                haupt_->ZoneComboBox->addItem(Win1252AlsQString(zone.Name));
        haupt_->ZoneComboBox->setCurrentIndex(3);
        haupt_->StartdatumEdit->setText("01.01.2026");
        haupt_->Startzeitedit->setText("01:00");
        haupt_->StopdatumEdit->setText("02.01.2026");
        haupt_->StopzeitEdit->setText("23:30");
    }
    void TearDown() override {
        haupt_.reset();
        AnzahlOrte = 0;
        AnzahlObjekte = 0;
        Datum::TearDown();
    }

    QList<TDatumForm*> Waehler() const {
        return haupt_->findChildren<TDatumForm*>(Qt::FindDirectChildrenOnly);
    }

    TMeldungsRekorder rekorder_;
    std::unique_ptr<THauptForm> haupt_;
};

TEST_F(DatumHaupt, StartWaehlenUndUebernehmen) {
    haupt_->StartzeitChangeButton->click();
    ASSERT_EQ(Waehler().size(), 1);
    TDatumForm* form = Waehler().front();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(DatumModus, 'A');
    EXPECT_EQ(ZeitzonenName, "AKST");
    EXPECT_EQ(form->Kalender->selectedDate(), QDate(2026, 1, 1));
    EXPECT_EQ(form->HrUpDown->value(), 1);
    EXPECT_EQ(form->ZoneComboBox->currentIndex(), 3);

    Waehlen(*form);
    form->Button1->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(haupt_->StartdatumEdit->text(), "05.03.2027");
    EXPECT_EQ(haupt_->Startzeitedit->text(), "07:05");
    EXPECT_EQ(Startdatum.Text(), "05.03.2027");
    EXPECT_EQ(Startzeit.Text(), "07:05");
    EXPECT_EQ(std::make_tuple(StartTag, StartMonat, StartJahr), std::make_tuple(5, 3, 2027));
    EXPECT_EQ(ZonenIndex, 28);
    EXPECT_EQ(haupt_->ZoneComboBox->currentIndex(), 3);  // the main list stays
    EXPECT_EQ(haupt_->StopdatumEdit->text(), "02.01.2026");

    // Cancel in a new picker changes nothing.
    haupt_->StartdatumChangeButton->click();
    ASSERT_EQ(Waehler().size(), 2);  // every click makes one more picker
    Waehler().back()->Kalender->setSelectedDate(QDate(2030, 1, 1));
    Waehler().back()->Button2->click();
    EXPECT_FALSE(Waehler().back()->isVisible());
    EXPECT_EQ(haupt_->StartdatumEdit->text(), "05.03.2027");
    EXPECT_EQ(Startdatum.Text(), "05.03.2027");
}

TEST_F(DatumHaupt, ZweiWaehlerTeilenDenModus) {
    haupt_->StartdatumChangeButton->click();
    haupt_->StopzeitChangeButton->click();
    ASSERT_EQ(Waehler().size(), 2);
    TDatumForm* start = Waehler().front();
    EXPECT_EQ(Waehler().back()->Kalender->selectedDate(), QDate(2026, 1, 2));
    EXPECT_EQ(Waehler().back()->HrUpDown->value(), 23);
    EXPECT_EQ(Waehler().back()->MiUpDown->value(), 30);
    EXPECT_EQ(DatumModus, 'E');

    // Apply in the start picker fills the stop pair: the last launch set the mode.
    Waehlen(*start);
    start->Button1->click();
    EXPECT_EQ(haupt_->StopdatumEdit->text(), "05.03.2027");
    EXPECT_EQ(haupt_->StopzeitEdit->text(), "07:05");
    EXPECT_EQ(Stopdatum.Text(), "05.03.2027");
    EXPECT_EQ(Stopzeit.Text(), "07:05");
    EXPECT_EQ(std::make_tuple(StopTag, StopMonat, StopJahr), std::make_tuple(5, 3, 2027));
    EXPECT_EQ(haupt_->StartdatumEdit->text(), "01.01.2026");
    EXPECT_TRUE(Waehler().back()->isVisible());
}

TEST_F(DatumHaupt, HandlerSchreibtZahlenMitNullen) {
    EXPECT_EQ(haupt_->DatumNachricht(1, 987), 1);
    haupt_->DatumNachricht(2, 1);
    haupt_->DatumNachricht(3, 5);
    haupt_->DatumNachricht(4, 0);
    haupt_->DatumNachricht(5, 9);
    EXPECT_EQ(haupt_->DatumNachricht(7, 0), 1);
    EXPECT_EQ(haupt_->StartdatumEdit->text(), "05.01.0987");
    EXPECT_EQ(haupt_->Startzeitedit->text(), "00:09");

    // A number longer than its width is cut to its first characters.
    haupt_->DatumNachricht(8, 12345);
    haupt_->DatumNachricht(9, 123);
    haupt_->DatumNachricht(10, 31);
    haupt_->DatumNachricht(11, 100);
    haupt_->DatumNachricht(12, 59);
    haupt_->DatumNachricht(13, 0);
    EXPECT_EQ(haupt_->StopdatumEdit->text(), "31.12.1234");
    EXPECT_EQ(haupt_->StopzeitEdit->text(), "10:59");
    EXPECT_EQ(Stopdatum.Text(), "31.12.1234");

    // A zone value that names no zone is not stored; unknown codes do nothing.
    ZonenIndex = 5;
    EXPECT_EQ(haupt_->DatumNachricht(6, -1), 1);
    EXPECT_EQ(haupt_->DatumNachricht(6, AnzahlZeitzonen), 1);
    EXPECT_EQ(ZonenIndex, 5);
    EXPECT_EQ(haupt_->DatumNachricht(14, 3), 1);
    EXPECT_EQ(haupt_->DatumNachricht(0, 3), 1);
    EXPECT_EQ(haupt_->StartdatumEdit->text(), "05.01.0987");
}

TEST_F(DatumHaupt, HeuteNachZone) {
    const std::string heute = HeutigesDatum();
    for (const auto& [zone, zeit] : {std::pair{28, "02:00"}, {0, "00:00"}, {27, "01:00"}}) {
        ZonenIndex = zone;
        haupt_->TagesDatumButton->click();
        EXPECT_EQ(Startzeit.Text(), zeit) << zone;
        EXPECT_EQ(Stopzeit.Text(), zeit) << zone;
        EXPECT_EQ(haupt_->Startzeitedit->text(), zeit) << zone;
        EXPECT_EQ(haupt_->StopzeitEdit->text(), zeit) << zone;
    }
    EXPECT_EQ(Startdatum.Text(), heute);
    EXPECT_EQ(Stopdatum.Text(), heute);
    EXPECT_EQ(haupt_->StartdatumEdit->text().toStdString(), heute);
    EXPECT_EQ(haupt_->StopdatumEdit->text().toStdString(), heute);
}

TEST_F(DatumHaupt, ZonenlisteSetztDenIndex) {
    haupt_->ZoneComboBox->setCurrentIndex(28);
    emit haupt_->ZoneComboBox->activated(28);
    EXPECT_EQ(ZonenIndex, 28);
    // Typed text: a zone name is found in the list; anything else keeps the index.
    haupt_->ZoneComboBox->lineEdit()->setText("UTC");
    emit haupt_->ZoneComboBox->lineEdit()->textEdited("UTC");
    EXPECT_EQ(ZonenIndex, 45);
    haupt_->ZoneComboBox->lineEdit()->setText("utc");
    emit haupt_->ZoneComboBox->lineEdit()->textEdited("utc");
    EXPECT_EQ(ZonenIndex, 45);
}

}  // namespace
}  // namespace zenaro
