#include "ui/HellUnit.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QValidator>
#include <functional>
#include <string>
#include <utility>

#include "engine/Zahltext.hpp"
#include "ui/Plattform/Farben.hpp"
#include "ui/Plattform/Meldungen.hpp"

namespace zenaro {

THellForm* HellForm = nullptr;

namespace {

// The length limit of an edit holds for typing only: a longer text put in by the
// editor (a shown value of 1000 or more) is not cut, so that it reads back
// unchanged. (A line edit checks the text put in by the program without refusing
// it, and refuses a typed change only from a text within the limit.)
class TEingabeGrenze final : public QValidator {
public:
    TEingabeGrenze(QObject* eltern, int grenze) : QValidator(eltern), grenze_(grenze) {}

    State validate(QString& text, int&) const override {
        return text.size() <= grenze_ ? Acceptable : Invalid;
    }

private:
    int grenze_;
};

// A check box that reports a mouse button released over it, after it has taken
// the click; a tick changed by the keyboard or by the program reports nothing.
class TMausCheckBox final : public QCheckBox {
public:
    TMausCheckBox(QWidget* eltern, std::function<void()> mausAuf)
        : QCheckBox(eltern), mausAuf_(std::move(mausAuf)) {}

protected:
    void mouseReleaseEvent(QMouseEvent* ereignis) override {
        const bool darueber = rect().contains(ereignis->position().toPoint());
        QCheckBox::mouseReleaseEvent(ereignis);
        if (darueber && mausAuf_) mausAuf_();
    }

private:
    std::function<void()> mausAuf_;
};

template <typename T>
T* Anlegen(QWidget* eltern, const char* name) {
    auto* control = new T(eltern);
    control->setObjectName(name);
    return control;
}

QLabel* Beschriftung(QWidget* eltern, const char* name, TextNr text, bool fett = false) {
    auto* label = Anlegen<QLabel>(eltern, name);
    label->setText(Text(text));
    if (fett) {
        QFont schrift = label->font();
        schrift.setBold(true);
        label->setFont(schrift);
    }
    return label;
}

// Number text of the editor: width 5, one decimal.
std::string Zahl(Extended x) { return ZahlText(x, 5, 1); }

// Number text of a shown range end or dT: a positive value gets a "+". The "+" goes
// directly before the digits (" +10.0", "+150.0"), so that every shown value reads
// back as the number it shows.
QString MitPlus(Extended x) {
    std::string text = Zahl(x);
    if (x > 0) {
        const std::size_t ziffern = text.find_first_not_of(' ');
        text.insert(ziffern == std::string::npos ? text.size() : ziffern, 1, '+');
    }
    return QString::fromStdString(text);
}

// Range text: "T+" before a positive value, "T" before a negative one.
std::string BereichText(Extended x) {
    std::string text = x > 0 ? "T+" : (x < 0 ? "T" : "");
    text += Zahl(x);
    return text;
}

bool Lesen(const QLineEdit* feld, Extended& wert) {
    return ZahlLesen(feld->text().toStdString(), wert);
}

}  // namespace

QString HellEintragText(const THellParameter& satz) {
    return QString::fromStdString(BereichText(satz.Von)) + Text(TextNr::HellBis) +
           QString::fromStdString(BereichText(satz.Bis));
}

void HellParameterSortieren() {
    const std::int32_t anzahl = AnzahlHellParameter;
    // The exchange goes through slot 1001 while it holds no set. A "hell.dta" of
    // 1001 records fills that slot too; its last set is then kept by exchanging
    // through a record of its own.
    THellParameter eigener;
    THellParameter& tausch =
        anzahl < MaxHellParameter ? HellParameterListe[MaxHellParameter] : eigener;
    for (std::int32_t durchgang = 1; durchgang <= anzahl; ++durchgang)
        for (std::int32_t k = 1; k <= anzahl - 1; ++k)
            if (HellParameterListe[k + 1].Von < HellParameterListe[k].Von) {
                tausch = HellParameterListe[k];
                HellParameterListe[k] = HellParameterListe[k + 1];
                HellParameterListe[k + 1] = tausch;
            }
}

THellForm::THellForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HellForm");
    // The caption is replaced by the object's name when the editor is opened.
    setWindowTitle(Text(TextNr::HellFormTitel));
    if (Englisch)
        resize(391, 328);
    else
        resize(399, 337);
    Einfaerben(*this, QColor(255, 0, 0));
    QFont schrift("MS Sans Serif");
    schrift.setPixelSize(11);
    setFont(schrift);
    ControlsAnlegen();
    hide();
}

void THellForm::ControlsAnlegen() {
    // The controls lie at fixed places as in the form; the English window is a few
    // pixels smaller and its full-width controls follow its width.
    const int breite = width() - 32;

    HellComboBox = Anlegen<QComboBox>(this, "HellComboBox");
    HellComboBox->setGeometry(16, 12, breite, 22);
    HellComboBox->setEditable(false);

    BereichGroupBox = Anlegen<QGroupBox>(this, "BereichGroupBox");
    BereichGroupBox->setTitle(Text(TextNr::HellBereichGroupBox));
    BereichGroupBox->setGeometry(16, 44, breite, 56);
    Label1 = Beschriftung(BereichGroupBox, "Label1", TextNr::HellVonLabel);
    Label1->setGeometry(10, 26, 70, 16);
    VonEdit = Anlegen<QLineEdit>(BereichGroupBox, "VonEdit");
    VonEdit->setGeometry(82, 22, 80, 22);
    Label2 = Beschriftung(BereichGroupBox, "Label2", TextNr::HellBisLabel);
    Label2->setGeometry(breite / 2 + 10, 26, 70, 16);
    BisEdit = Anlegen<QLineEdit>(BereichGroupBox, "BisEdit");
    BisEdit->setGeometry(breite / 2 + 82, 22, 80, 22);

    FormelGroupBox = Anlegen<QGroupBox>(this, "FormelGroupBox");
    FormelGroupBox->setTitle(Text(TextNr::HellFormelGroupBox));
    FormelGroupBox->setGeometry(16, 110, breite, 74);
    auto feld = [this](const char* name, int x, int breiteFeld, int grenze) {
        auto* edit = Anlegen<QLineEdit>(FormelGroupBox, name);
        edit->setGeometry(x, 22, breiteFeld, 22);
        edit->setValidator(new TEingabeGrenze(edit, grenze));
        return edit;
    };
    auto label = [this](const char* name, TextNr text, int x, int y, int b, bool fett = false) {
        QLabel* l = Beschriftung(FormelGroupBox, name, text, fett);
        l->setGeometry(x, y, b, 16);
        return l;
    };
    Label3 = label("Label3", TextNr::HellFormelM, 6, 26, 24);
    m0Edit = feld("m0Edit", 30, 36, 5);
    Label7 = label("Label7", TextNr::HellFormelH11, 30, 48, 40, true);
    Label4 = label("Label4", TextNr::HellFormelPlus, 68, 26, 14);
    xEdit = feld("xEdit", 82, 36, 5);
    Label8 = label("Label8", TextNr::HellFormelN1, 92, 48, 30, true);
    Label5 = label("Label5", TextNr::HellFormelLogD, 120, 26, 84);
    nEdit = feld("nEdit", 204, 36, 5);
    Label9 = label("Label9", TextNr::HellFormelN2, 214, 48, 30, true);
    Label6 = label("Label6", TextNr::HellFormelLogR, 242, 26, 40);
    Label10 = label("Label10", TextNr::HellFormelKlammerAuf, 284, 26, 14);
    FaktorEdit = feld("FaktorEdit", 298, 44, Englisch ? 5 : 6);
    Label11 = label("Label11", TextNr::HellFormelKlammerZu, 344, 26, 8);
    Label12 = label("Label12", TextNr::HellFormelDT, 312, 48, 30, true);

    FaktorCheckBox = new TMausCheckBox(this, [this] { FaktorCheckBoxMouseUp(); });
    FaktorCheckBox->setObjectName("FaktorCheckBox");
    FaktorCheckBox->setText(Text(TextNr::HellFaktorCheckBox));
    FaktorCheckBox->setGeometry(16, 194, breite, 20);
    FaktorCheckBox->setChecked(true);

    auto knopf = [this](const char* name, TextNr text, int x, int y, int b) {
        auto* button = Anlegen<QPushButton>(this, name);
        button->setText(Text(text));
        button->setGeometry(x, y, b, 25);
        return button;
    };
    const int knopfBreite = (breite - 16) / 3;
    AddButton = knopf("AddButton", TextNr::HellAddButton, 16, 230, knopfBreite);
    UpdateButton =
        knopf("UpdateButton", TextNr::HellUpdateButton, 24 + knopfBreite, 230, knopfBreite);
    DelButton = knopf("DelButton", TextNr::HellDelButton, 32 + 2 * knopfBreite, 230, knopfBreite);
    CloseButton =
        knopf("CloseButton", TextNr::HellCloseButton, 24 + knopfBreite, height() - 45, knopfBreite);

    // Only a choice by the user raises the change handler; the editor's own
    // selection when it fills the list does not.
    connect(HellComboBox, &QComboBox::activated, this, [this](int) { HellComboBoxChange(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(UpdateButton, &QPushButton::clicked, this, [this] { UpdateButtonClick(); });
    connect(DelButton, &QPushButton::clicked, this, [this] { DelButtonClick(); });
    connect(CloseButton, &QPushButton::clicked, this, [this] { CloseButtonClick(); });
}

void THellForm::DTControlsZeigen(bool sichtbar) {
    for (QWidget* control : {static_cast<QWidget*>(Label10), static_cast<QWidget*>(FaktorEdit),
                             static_cast<QWidget*>(Label11), static_cast<QWidget*>(Label12)})
        control->setVisible(sichtbar);
}

void THellForm::FelderLeeren() {
    for (QLineEdit* feld : {VonEdit, BisEdit, m0Edit, xEdit, nEdit, FaktorEdit}) feld->clear();
}

void THellForm::SatzZeigen(std::int32_t n) {
    const THellParameter& satz = HellParameterListe[n];
    VonEdit->setText(MitPlus(satz.Von));
    BisEdit->setText(MitPlus(satz.Bis));
    m0Edit->setText(QString::fromStdString(Zahl(satz.H11)));
    xEdit->setText(QString::fromStdString(Zahl(satz.N1)));
    nEdit->setText(QString::fromStdString(Zahl(satz.N2)));
    if (satz.Erweitert) {
        DTControlsZeigen(true);
        FaktorCheckBox->setChecked(true);
        FaktorEdit->setText(MitPlus(satz.DT));
    } else {
        // The dT text stays as it is.
        DTControlsZeigen(false);
        FaktorCheckBox->setChecked(false);
    }
}

void THellForm::ListeFuellen() {
    std::int32_t k = 0;
    // HellAuswahl has 1000 entries; only a full "hell.dta" of one object could list
    // more, and its last set is then not listed.
    for (std::int32_t n = 1; n <= AnzahlHellParameter && k < MaxHellAuswahl; ++n)
        if (HellParameterListe[n].Name == objekt_) {
            ++k;
            HellAuswahl[k] = n;
            HellComboBox->addItem(HellEintragText(HellParameterListe[n]));
        }
    AnzahlHellAuswahl = k;
    if (k > 0) {
        HellComboBox->setCurrentIndex(0);
        SatzZeigen(HellAuswahl[1]);
    }
}

void THellForm::ObjektOeffnen(const ShortString<60>& objektName) {
    objekt_ = objektName;
    setWindowTitle(QString::fromStdString(Win1252NachUtf8(objekt_.Text())));
    HellComboBox->clear();
    FelderLeeren();
    FaktorCheckBox->setChecked(true);
    DTControlsZeigen(true);
    ListeFuellen();
    if (AnzahlHellAuswahl == 0) InfoMeldung(Text(TextNr::HellKeineSaetze));
}

std::int32_t THellForm::GewaehlterSatz() const {
    const int i = HellComboBox->currentIndex();
    if (i < 0 || i >= AnzahlHellAuswahl) return 0;
    const std::int32_t n = HellAuswahl[i + 1];
    return n >= 1 && n <= AnzahlHellParameter ? n : 0;
}

void THellForm::HellComboBoxChange() {
    const std::int32_t n = GewaehlterSatz();
    if (n > 0) {
        SatzZeigen(n);
        return;
    }
    FelderLeeren();
    DTControlsZeigen(true);
    FaktorCheckBox->setChecked(true);
}

void THellForm::FaktorCheckBoxMouseUp() { DTControlsZeigen(FaktorCheckBox->isChecked()); }

bool THellForm::EingabePruefen(std::int32_t ausnahme, THellParameter& satz) {
    auto fehler = [](TextNr text) {
        FehlerMeldung(Text(text));
        return false;
    };
    const bool vonLeer = VonEdit->text().isEmpty();
    const bool bisLeer = BisEdit->text().isEmpty();
    if (vonLeer && bisLeer) return fehler(TextNr::HellBereichFehlt);
    if (m0Edit->text().isEmpty()) return fehler(TextNr::HellH11Fehlt);
    if (xEdit->text().isEmpty()) return fehler(TextNr::HellN1Fehlt);
    if (nEdit->text().isEmpty()) return fehler(TextNr::HellN2Fehlt);

    Extended von = 0.0L;
    Extended bis = 0.0L;
    Extended h = 0.0L;
    Extended n1 = 0.0L;
    Extended n2 = 0.0L;
    Extended dt = 0.0L;
    if (!vonLeer && !Lesen(VonEdit, von)) return fehler(TextNr::HellVonFehlerhaft);
    if (!bisLeer && !Lesen(BisEdit, bis)) return fehler(TextNr::HellBisFehlerhaft);
    if (!Lesen(m0Edit, h)) return fehler(TextNr::HellH11Fehlerhaft);
    if (!Lesen(xEdit, n1)) return fehler(TextNr::HellN1Fehlerhaft);
    if (!Lesen(nEdit, n2)) return fehler(TextNr::HellN2Fehlerhaft);
    const bool erweitert = FaktorCheckBox->isChecked();
    if (erweitert && !Lesen(FaktorEdit, dt)) return fehler(TextNr::HellDTFehlerhaft);

    for (std::int32_t k = 1; k <= AnzahlHellAuswahl; ++k) {
        const std::int32_t s = HellAuswahl[k];
        if (s == ausnahme) continue;
        if (HellParameterListe[s].Von == von && HellParameterListe[s].Bis == bis)
            return fehler(TextNr::HellBereichExistiert);
    }
    std::int32_t ueberlappt = 0;
    for (std::int32_t k = 1; k <= AnzahlHellAuswahl; ++k) {
        const std::int32_t s = HellAuswahl[k];
        if (s == ausnahme) continue;
        const THellParameter& alt = HellParameterListe[s];
        if ((alt.Von <= von && von <= alt.Bis) || (alt.Von <= bis && bis <= alt.Bis))
            ueberlappt = s;
    }
    if (ueberlappt > 0) {
        FehlerMeldung(Text(TextNr::HellUeberlappung) +
                      HellEintragText(HellParameterListe[ueberlappt]));
        return false;
    }

    satz = THellParameter{};
    satz.Name = objekt_;
    satz.Von = von;
    satz.Bis = bis;
    satz.H11 = h;
    satz.N1 = n1;
    satz.N2 = n2;
    satz.DT = dt;
    satz.Erweitert = erweitert;
    return true;
}

void THellForm::NachAenderung(TextNr meldung) {
    HellComboBox->clear();
    FelderLeeren();
    HellParameterSortieren();
    ListeFuellen();
    InfoMeldung(Text(meldung));
}

void THellForm::AddButtonClick() {
    THellParameter satz;
    if (!EingabePruefen(0, satz)) return;
    // Slot 1001 is the exchange slot of the sort: the table takes 1000 sets.
    if (AnzahlHellParameter >= MaxHellParameter - 1) {
        FehlerMeldung(Text(TextNr::HellTabelleVoll));
        return;
    }
    AnzahlHellParameter = AnzahlHellParameter + 1;
    HellParameterListe[AnzahlHellParameter] = satz;
    NachAenderung(TextNr::HellEingetragen);
}

void THellForm::UpdateButtonClick() {
    // Nothing is chosen when the object has no set: there is nothing to update.
    const std::int32_t n = GewaehlterSatz();
    if (n == 0) return;
    // The chosen set itself takes no part in the range checks: a set whose
    // coefficients change while its range stays is not refused.
    THellParameter satz;
    if (!EingabePruefen(n, satz)) return;
    HellParameterListe[n] = satz;
    NachAenderung(TextNr::HellAufdatiert);
}

void THellForm::DelButtonClick() {
    const std::int32_t n = GewaehlterSatz();
    if (n == 0) return;
    for (std::int32_t k = n + 1; k <= AnzahlHellParameter; ++k)
        HellParameterListe[k - 1] = HellParameterListe[k];
    AnzahlHellParameter = AnzahlHellParameter - 1;
    NachAenderung(TextNr::HellEntfernt);
}

void THellForm::CloseButtonClick() { hide(); }

}  // namespace zenaro
