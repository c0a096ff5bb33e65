#include "ui/HauptUnit.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <functional>

#include "engine/ZenaroDef.hpp"
#include "ui/Plattform/Fenster.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

THauptForm* HauptForm = nullptr;

namespace {

// An editable list that tells when its list is dropped down.
class TAufklappListe final : public QComboBox {
public:
    TAufklappListe(QWidget* eltern, std::function<void()> beimAufklappen)
        : QComboBox(eltern), beimAufklappen_(std::move(beimAufklappen)) {}

    void showPopup() override {
        if (beimAufklappen_) beimAufklappen_();
        QComboBox::showPopup();
    }

private:
    std::function<void()> beimAufklappen_;
};

template <typename T>
T* Anlegen(QWidget* eltern, const char* name) {
    auto* control = new T(eltern);
    control->setObjectName(name);
    return control;
}

}  // namespace

THauptForm::THauptForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("HauptForm");
    setWindowTitle(Text(TextNr::HauptFormTitel));
    // Fixed border: the client area keeps its size.
    setFixedSize(602, Englisch ? 495 : 493);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(0, 0, 0));
    setPalette(farben);
    setFont(QFont("MS Sans Serif"));

    ControlsAnlegen();
    SignaleVerbinden();

    AufBildschirmZentrieren(*this);

    FormCreate();
}

void THauptForm::ControlsAnlegen() {
    ObjektBox = Anlegen<QGroupBox>(this, "ObjektBox");
    NameCombobox = new TAufklappListe(ObjektBox, [this] { NameComboboxDropDown(); });
    NameCombobox->setObjectName("NameCombobox");
    NameCombobox->setEditable(true);
    PeriduEdit = Anlegen<QLineEdit>(ObjektBox, "PeriduEdit");
    PerabsEdit = Anlegen<QLineEdit>(ObjektBox, "PerabsEdit");
    ExzenEdit = Anlegen<QLineEdit>(ObjektBox, "ExzenEdit");
    GrohaEdit = Anlegen<QLineEdit>(ObjektBox, "GrohaEdit");
    GrohaEdit->setEnabled(false);
    AknoEdit = Anlegen<QLineEdit>(ObjektBox, "AknoEdit");
    PeknoEdit = Anlegen<QLineEdit>(ObjektBox, "PeknoEdit");
    BahnngEdit = Anlegen<QLineEdit>(ObjektBox, "BahnngEdit");
    AequinEdit = Anlegen<QLineEdit>(ObjektBox, "AequinEdit");
    M0Edit = Anlegen<QLineEdit>(ObjektBox, "M0Edit");
    LuminEdit = Anlegen<QLineEdit>(ObjektBox, "LuminEdit");
    HellHinweisCheckBox = Anlegen<QCheckBox>(ObjektBox, "HellHinweisCheckBox");
    HellHinweisCheckBox->setEnabled(false);
    HellCheckBox = Anlegen<QCheckBox>(ObjektBox, "HellCheckBox");
    HellButton = Anlegen<QPushButton>(ObjektBox, "HellButton");
    HellButton->setEnabled(false);
    BemerkEdit = Anlegen<QLineEdit>(ObjektBox, "BemerkEdit");
    ObjektNeuButton = Anlegen<QPushButton>(ObjektBox, "ObjektNeuButton");
    ObjektLoeschButton = Anlegen<QPushButton>(ObjektBox, "ObjektLoeschButton");
    ObjektSpeicherButton = Anlegen<QPushButton>(ObjektBox, "ObjektSpeicherButton");

    OrtBox = Anlegen<QGroupBox>(this, "OrtBox");
    OrtComboBox = new TAufklappListe(OrtBox, [this] { OrtComboBoxDropDown(); });
    OrtComboBox->setObjectName("OrtComboBox");
    OrtComboBox->setEditable(true);
    PhiEdit = Anlegen<QLineEdit>(OrtBox, "PhiEdit");
    NSComboBox = Anlegen<QComboBox>(OrtBox, "NSComboBox");
    NSComboBox->setEditable(true);
    LambdaEdit = Anlegen<QLineEdit>(OrtBox, "LambdaEdit");
    OWComboBox = Anlegen<QComboBox>(OrtBox, "OWComboBox");
    OWComboBox->setEditable(true);
    OrtNeuButton = Anlegen<QPushButton>(OrtBox, "OrtNeuButton");
    OrtLoeschButton = Anlegen<QPushButton>(OrtBox, "OrtLoeschButton");
    OrtSpeicherButton = Anlegen<QPushButton>(OrtBox, "OrtSpeicherButton");

    ParameterBox = Anlegen<QGroupBox>(this, "ParameterBox");
    StartdatumEdit = Anlegen<QLineEdit>(ParameterBox, "StartdatumEdit");
    Startzeitedit = Anlegen<QLineEdit>(ParameterBox, "Startzeitedit");
    StopdatumEdit = Anlegen<QLineEdit>(ParameterBox, "StopdatumEdit");
    StopzeitEdit = Anlegen<QLineEdit>(ParameterBox, "StopzeitEdit");
    for (QLineEdit* edit : {StartdatumEdit, Startzeitedit, StopdatumEdit, StopzeitEdit})
        edit->setEnabled(false);
    StartdatumChangeButton = Anlegen<QPushButton>(ParameterBox, "StartdatumChangeButton");
    StartzeitChangeButton = Anlegen<QPushButton>(ParameterBox, "StartzeitChangeButton");
    StopdatumChangeButton = Anlegen<QPushButton>(ParameterBox, "StopdatumChangeButton");
    StopzeitChangeButton = Anlegen<QPushButton>(ParameterBox, "StopzeitChangeButton");
    TageEdit = Anlegen<QLineEdit>(ParameterBox, "TageEdit");
    StundenEdit = Anlegen<QLineEdit>(ParameterBox, "StundenEdit");
    ZoneComboBox = Anlegen<QComboBox>(ParameterBox, "ZoneComboBox");
    ZoneComboBox->setEditable(true);
    TagesDatumButton = Anlegen<QPushButton>(ParameterBox, "TagesDatumButton");
    NGCCheckBox = Anlegen<QCheckBox>(ParameterBox, "NGCCheckBox");
    RadiusEdit = Anlegen<QLineEdit>(ParameterBox, "RadiusEdit");
    SonnenHoeheEdit = Anlegen<QLineEdit>(ParameterBox, "SonnenHoeheEdit");
    AllCheckBox = Anlegen<QCheckBox>(ParameterBox, "AllCheckBox");
    LimitEdit = Anlegen<QLineEdit>(ParameterBox, "LimitEdit");
    SortCheckBox = Anlegen<QCheckBox>(ParameterBox, "SortCheckBox");
    SichtbareCheckBox = Anlegen<QCheckBox>(ParameterBox, "SichtbareCheckBox");
    SichtbareCheckBox->setChecked(true);
    KonjCheckBox = Anlegen<QCheckBox>(ParameterBox, "KonjCheckBox");
    KRadiusEdit = Anlegen<QLineEdit>(ParameterBox, "KRadiusEdit");
    KLimitEdit = Anlegen<QLineEdit>(ParameterBox, "KLimitEdit");

    BerechnungsButton = Anlegen<QPushButton>(this, "BerechnungsButton");
    DruckButton = Anlegen<QPushButton>(this, "DruckButton");
    SpeicherButton = Anlegen<QPushButton>(this, "SpeicherButton");
    Button1 = Anlegen<QPushButton>(this, "Button1");
    EndeButton = Anlegen<QPushButton>(this, "EndeButton");
}

void THauptForm::SignaleVerbinden() {
    auto klick = [this](QPushButton* knopf, void (THauptForm::*handler)()) {
        connect(knopf, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    klick(HellButton, &THauptForm::HellButtonClick);
    klick(ObjektNeuButton, &THauptForm::ObjektNeuButtonClick);
    klick(ObjektLoeschButton, &THauptForm::ObjektLoeschButtonClick);
    klick(ObjektSpeicherButton, &THauptForm::ObjektSpeicherButtonClick);
    klick(OrtNeuButton, &THauptForm::OrtNeuButtonClick);
    klick(OrtLoeschButton, &THauptForm::OrtLoeschButtonClick);
    klick(OrtSpeicherButton, &THauptForm::OrtSpeicherButtonClick);
    klick(StartdatumChangeButton, &THauptForm::StartdatumChangeButtonClick);
    klick(StartzeitChangeButton, &THauptForm::StartzeitChangeButtonClick);
    klick(StopdatumChangeButton, &THauptForm::StopdatumChangeButtonClick);
    klick(StopzeitChangeButton, &THauptForm::StopzeitChangeButtonClick);
    klick(TagesDatumButton, &THauptForm::TagesDatumButtonClick);
    klick(BerechnungsButton, &THauptForm::BerechnungsButtonClick);
    klick(DruckButton, &THauptForm::DruckButtonClick);
    klick(SpeicherButton, &THauptForm::SpeicherButtonClick);
    klick(Button1, &THauptForm::Button1Click);
    klick(EndeButton, &THauptForm::EndeButtonClick);

    // A check box's click handler runs whenever its state changes, by the user
    // or by the program.
    auto umschalten = [this](QCheckBox* box, void (THauptForm::*handler)()) {
        connect(box, &QCheckBox::toggled, this, [this, handler] { (this->*handler)(); });
    };
    umschalten(NGCCheckBox, &THauptForm::NGCCheckBoxClick);
    umschalten(AllCheckBox, &THauptForm::AllCheckBoxClick);
    umschalten(SichtbareCheckBox, &THauptForm::SichtbareCheckBoxClick);
    umschalten(KonjCheckBox, &THauptForm::KonjCheckBoxClick);
    umschalten(HellCheckBox, &THauptForm::HellCheckBoxClick);

    // A list's change handler runs on the user's changes only: a choice from the
    // list (by mouse or keyboard) or typing; the program's own settings of the
    // text do not run it.
    auto aendern = [this](QComboBox* liste, void (THauptForm::*handler)()) {
        connect(liste, &QComboBox::activated, this, [this, handler] { (this->*handler)(); });
        connect(liste->lineEdit(), &QLineEdit::textEdited, this,
                [this, handler] { (this->*handler)(); });
    };
    aendern(NameCombobox, &THauptForm::NameComboboxChange);
    aendern(OrtComboBox, &THauptForm::OrtComboBoxChange);
    aendern(ZoneComboBox, &THauptForm::ZoneComboBoxChange);
}

void THauptForm::FormCreate() {
    ElementeGeaendert = false;
    FehlendeKatalogeMelden();
    // Further steps of the creation (location list, settings into the edits, zone
    // list, check boxes, object list, caption of the object group) follow here.
}

void THauptForm::FehlendeKatalogeMelden() {
    // A catalogue counts as missing when its table is empty; each box only
    // informs, and the creation carries on.
    if (AnzahlNGC == 0) FehlerMeldung(Text(TextNr::NGCFehlt));
    if (AnzahlIC == 0) FehlerMeldung(Text(TextNr::ICFehlt));
    if (AnzahlSterne == 0) FehlerMeldung(Text(TextNr::BSC4Fehlt));
}

void THauptForm::EndeButtonClick() {}

void THauptForm::FormClose(TCloseAction& Action) { Action = TCloseAction::caFree; }

void THauptForm::closeEvent(QCloseEvent* event) {
    TCloseAction aktion = TCloseAction::caFree;
    FormClose(aktion);
    if (aktion == TCloseAction::caNone)
        event->ignore();
    else
        event->accept();
}

void THauptForm::BahnelementeSpeichern() {}

void THauptForm::OrteSpeichern() {}

void THauptForm::HelligkeitenSpeichern() {}

void THauptForm::ElementeDateiStandAnzeigen() {}

bool THauptForm::BeendenBestaetigt() { return false; }

void THauptForm::EinstellungenSpeichern() {}

}  // namespace zenaro
