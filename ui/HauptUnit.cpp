#include "ui/HauptUnit.hpp"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "engine/Datendateien.hpp"
#include "engine/Hilfen.hpp"
#include "engine/ShortString.hpp"
#include "engine/Zahltext.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Plattform/Farben.hpp"
#include "ui/Plattform/Fenster.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Zeichensatz.hpp"
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
T* Anlegen(QWidget* eltern, const char* name, int x, int y, int breite, int hoehe) {
    auto* control = new T(eltern);
    control->setObjectName(name);
    control->setGeometry(x, y, breite, hoehe);
    return control;
}

// Sizes of the controls in pixels.
constexpr int EditHoehe = 21;
constexpr int KnopfHoehe = 25;
constexpr int BoxHoehe = 19;

QLabel* Beschriftung(QWidget* eltern, TextNr text, int x, int y, int breite = 80) {
    auto* label = new QLabel(Text(text), eltern);
    label->setGeometry(x, y, breite, EditHoehe);
    return label;
}

QLineEdit* Edit(QWidget* eltern, const char* name, int x, int y, int breite) {
    return Anlegen<QLineEdit>(eltern, name, x, y, breite, EditHoehe);
}

QPushButton* Knopf(QWidget* eltern, const char* name, TextNr text, int x, int y, int breite,
                   int hoehe = KnopfHoehe) {
    auto* knopf = Anlegen<QPushButton>(eltern, name, x, y, breite, hoehe);
    knopf->setText(Text(text));
    return knopf;
}

QCheckBox* Box(QWidget* eltern, const char* name, TextNr text, int x, int y, int breite) {
    auto* box = Anlegen<QCheckBox>(eltern, name, x, y, breite, BoxHoehe);
    box->setText(Text(text));
    return box;
}

QComboBox* Liste(QComboBox* liste, const char* name, int x, int y, int breite) {
    liste->setObjectName(name);
    liste->setGeometry(x, y, breite, EditHoehe);
    liste->setEditable(true);
    // Typed text never becomes a new item: the items are the table's names.
    liste->setInsertPolicy(QComboBox::NoInsert);
    // Typed text keeps its case: a typed "s" is not taken for the item "S".
    liste->completer()->setCaseSensitivity(Qt::CaseSensitive);
    return liste;
}

// A coloured group box with a bold caption; its controls keep the normal font.
QGroupBox* Gruppe(QWidget* eltern, const char* name, TextNr text, const QColor& farbe, int x, int y,
                  int breite, int hoehe) {
    auto* box = Anlegen<QGroupBox>(eltern, name, x, y, breite, hoehe);
    box->setTitle(Text(text));
    Einfaerben(*box, farbe);
    return box;
}

void Fettschrift(QWidget* control) {
    QFont schrift = control->font();
    schrift.setBold(true);
    control->setFont(schrift);
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
    // "MS Sans Serif" 8 pt (11 pixels); where it is missing the narrow
    // "Liberation Sans" stands in for it rather than a wide default face.
    QFont schrift("MS Sans Serif");
    schrift.setFamilies({"MS Sans Serif", "Liberation Sans"});
    schrift.setPixelSize(11);
    setFont(schrift);

    ControlsAnlegen();
    SignaleVerbinden();

    AufBildschirmZentrieren(*this);

    FormCreate();
}

void THauptForm::ControlsAnlegen() {
    // Left: the object group, below it the buttons of the calculation, the
    // download and the exit. Right: the location group above the parameter group,
    // a little wider for the long captions of its check boxes.
    const int links = 6, spalte = 284, rechts = 296, rechtsBreite = 300;

    ObjektBox =
        Gruppe(this, "ObjektBox", TextNr::HauptObjektBox, QColor(255, 0, 0), links, 4, spalte, 358);
    Beschriftung(ObjektBox, TextNr::HauptObjekt, 10, 22, 46);
    NameCombobox = Liste(new TAufklappListe(ObjektBox, [this] { NameComboboxDropDown(); }),
                         "NameCombobox", 60, 22, 214);
    // Two columns of labelled element fields, each label clear of the edits beside it.
    const int l1 = 10, e1 = 50, b1 = 100, l2 = 156, e2 = 208, b2 = 66;
    Beschriftung(ObjektBox, TextNr::HauptT, l1, 56, 36);
    PeriduEdit = Edit(ObjektBox, "PeriduEdit", e1, 56, b1);
    Beschriftung(ObjektBox, TextNr::HauptQ, l2, 56, 40);
    PerabsEdit = Edit(ObjektBox, "PerabsEdit", e2, 56, b2);
    Beschriftung(ObjektBox, TextNr::HauptE, l1, 84, 36);
    ExzenEdit = Edit(ObjektBox, "ExzenEdit", e1, 84, b1);
    Beschriftung(ObjektBox, TextNr::HauptA, l2, 84, 40);
    GrohaEdit = Edit(ObjektBox, "GrohaEdit", e2, 84, b2);
    GrohaEdit->setEnabled(false);
    Beschriftung(ObjektBox, TextNr::HauptKnoten, l1, 112, 36);
    AknoEdit = Edit(ObjektBox, "AknoEdit", e1, 112, b1);
    Beschriftung(ObjektBox, TextNr::HauptPerihelargument, l2, 112, 40);
    PeknoEdit = Edit(ObjektBox, "PeknoEdit", e2, 112, b2);
    Beschriftung(ObjektBox, TextNr::HauptI, l1, 140, 36);
    BahnngEdit = Edit(ObjektBox, "BahnngEdit", e1, 140, b1);
    Beschriftung(ObjektBox, TextNr::HauptAequinox, l2, 140, 48);
    AequinEdit = Edit(ObjektBox, "AequinEdit", e2, 140, b2);
    Beschriftung(ObjektBox, TextNr::HauptH11, l1, 168, 36);
    M0Edit = Edit(ObjektBox, "M0Edit", e1, 168, b1);
    Beschriftung(ObjektBox, TextNr::HauptN, l2, 168, 40);
    LuminEdit = Edit(ObjektBox, "LuminEdit", e2, 168, b2);

    const QColor limone(0, 255, 0);
    HellHinweisCheckBox =
        Box(ObjektBox, "HellHinweisCheckBox", TextNr::HauptHellHinweis, l1, 204, 264);
    HellHinweisCheckBox->setEnabled(false);
    Einfaerben(*HellHinweisCheckBox, limone);
    HellCheckBox = Box(ObjektBox, "HellCheckBox", TextNr::HauptHellBenutzen, l1, 230, 232);
    Einfaerben(*HellCheckBox, limone);
    HellButton = Knopf(ObjektBox, "HellButton", TextNr::HauptPunkte, 248, 229, 26, 21);
    HellButton->setEnabled(false);

    Beschriftung(ObjektBox, TextNr::HauptBemerkungen, l1, 258, 120);
    BemerkEdit = Edit(ObjektBox, "BemerkEdit", l1, 280, 264);
    ObjektNeuButton = Knopf(ObjektBox, "ObjektNeuButton", TextNr::HauptNeu, 10, 320, 82);
    ObjektLoeschButton =
        Knopf(ObjektBox, "ObjektLoeschButton", TextNr::HauptLoeschen, 101, 320, 82);
    ObjektSpeicherButton =
        Knopf(ObjektBox, "ObjektSpeicherButton", TextNr::HauptSpeichern, 192, 320, 82);

    OrtBox = Gruppe(this, "OrtBox", TextNr::HauptOrtBox, QColor(255, 255, 0), rechts, 4,
                    rechtsBreite, 130);
    Beschriftung(OrtBox, TextNr::HauptName, 10, 22);
    OrtComboBox = Liste(new TAufklappListe(OrtBox, [this] { OrtComboBoxDropDown(); }),
                        "OrtComboBox", 96, 22, 194);
    Beschriftung(OrtBox, TextNr::HauptBreite, 10, 48);
    PhiEdit = Edit(OrtBox, "PhiEdit", 96, 48, 64);
    NSComboBox = Liste(new QComboBox(OrtBox), "NSComboBox", 166, 48, 44);
    NSComboBox->addItems({Text(TextNr::HauptNord), Text(TextNr::HauptSued)});
    Beschriftung(OrtBox, TextNr::HauptLaenge, 10, 74);
    LambdaEdit = Edit(OrtBox, "LambdaEdit", 96, 74, 64);
    OWComboBox = Liste(new QComboBox(OrtBox), "OWComboBox", 166, 74, 44);
    OWComboBox->addItems({Text(TextNr::HauptOst), Text(TextNr::HauptWest)});
    OrtNeuButton = Knopf(OrtBox, "OrtNeuButton", TextNr::HauptNeu, 10, 100, 88, 24);
    OrtLoeschButton = Knopf(OrtBox, "OrtLoeschButton", TextNr::HauptLoeschen, 106, 100, 88, 24);
    OrtSpeicherButton =
        Knopf(OrtBox, "OrtSpeicherButton", TextNr::HauptSpeichern, 202, 100, 88, 24);

    ParameterBox = Gruppe(this, "ParameterBox", TextNr::HauptParameterBox, QColor(0, 255, 255),
                          rechts, 140, rechtsBreite, 349);
    QWidget* p = ParameterBox;
    // Start and stop: disabled edits filled by the picker, each with its button.
    Beschriftung(p, TextNr::HauptStartdatum, 10, 20);
    StartdatumEdit = Edit(p, "StartdatumEdit", 100, 20, 76);
    StartdatumChangeButton =
        Knopf(p, "StartdatumChangeButton", TextNr::HauptAendern, 180, 20, 26, EditHoehe);
    Beschriftung(p, TextNr::HauptStartzeit, 10, 44);
    Startzeitedit = Edit(p, "Startzeitedit", 100, 44, 76);
    StartzeitChangeButton =
        Knopf(p, "StartzeitChangeButton", TextNr::HauptAendern, 180, 44, 26, EditHoehe);
    Beschriftung(p, TextNr::HauptStopdatum, 10, 68);
    StopdatumEdit = Edit(p, "StopdatumEdit", 100, 68, 76);
    StopdatumChangeButton =
        Knopf(p, "StopdatumChangeButton", TextNr::HauptAendern, 180, 68, 26, EditHoehe);
    Beschriftung(p, TextNr::HauptStopzeit, 10, 92);
    StopzeitEdit = Edit(p, "StopzeitEdit", 100, 92, 76);
    StopzeitChangeButton =
        Knopf(p, "StopzeitChangeButton", TextNr::HauptAendern, 180, 92, 26, EditHoehe);
    for (QLineEdit* edit : {StartdatumEdit, Startzeitedit, StopdatumEdit, StopzeitEdit})
        edit->setEnabled(false);
    TagesDatumButton = Knopf(p, "TagesDatumButton", TextNr::HauptHeute, 224, 20, 66, EditHoehe);

    Beschriftung(p, TextNr::HauptSchrittTage, 10, 120, 140);
    TageEdit = Edit(p, "TageEdit", 150, 120, 36);
    Beschriftung(p, TextNr::HauptSchrittStunden, 200, 120, 46);
    StundenEdit = Edit(p, "StundenEdit", 248, 120, 42);
    Beschriftung(p, TextNr::HauptZeitzone, 10, 146);
    ZoneComboBox = Liste(new QComboBox(p), "ZoneComboBox", 150, 146, 80);

    NGCCheckBox = Box(p, "NGCCheckBox", TextNr::HauptDeepSky, 10, 176, 180);
    Beschriftung(p, TextNr::HauptRadius, 202, 175, 44);
    RadiusEdit = Edit(p, "RadiusEdit", 248, 175, 42);
    Beschriftung(p, TextNr::HauptSonnenhoehe, 10, 200, 226);
    SonnenHoeheEdit = Edit(p, "SonnenHoeheEdit", 248, 200, 42);

    AllCheckBox = Box(p, "AllCheckBox", TextNr::HauptAlle, 10, 230, 150);
    Beschriftung(p, TextNr::HauptGrenzgroesse, 164, 229, 80);
    LimitEdit = Edit(p, "LimitEdit", 248, 229, 42);
    SortCheckBox = Box(p, "SortCheckBox", TextNr::HauptSortieren, 10, 254, 280);
    SichtbareCheckBox = Box(p, "SichtbareCheckBox", TextNr::HauptSichtbare, 10, 276, 286);
    SichtbareCheckBox->setChecked(true);

    KonjCheckBox = Box(p, "KonjCheckBox", TextNr::HauptKonjunktionen, 10, 302, 260);
    Beschriftung(p, TextNr::HauptRadius, 26, 324, 40);
    KRadiusEdit = Edit(p, "KRadiusEdit", 70, 324, 42);
    Beschriftung(p, TextNr::HauptGrenzgroesse, 158, 324, 88);
    KLimitEdit = Edit(p, "KLimitEdit", 248, 324, 42);

    // The names and the remark are stored in single-byte files; the zone name is
    // printed in every output, whose texts are single-byte too.
    for (QLineEdit* feld :
         {NameCombobox->lineEdit(), BemerkEdit, OrtComboBox->lineEdit(), ZoneComboBox->lineEdit()})
        NurWin1252Zulassen(*feld);

    // The group captions are bold, their controls keep the window's font.
    for (QGroupBox* box : {ObjektBox, OrtBox, ParameterBox}) {
        Fettschrift(box);
        QFont normal = font();
        normal.setBold(false);
        for (QWidget* control : box->findChildren<QWidget*>()) control->setFont(normal);
    }

    const int k = 139, kh = 28;
    BerechnungsButton = Knopf(this, "BerechnungsButton", TextNr::HauptBerechnen, links, 370, k, kh);
    DruckButton = Knopf(this, "DruckButton", TextNr::HauptDrucken, links + k + 6, 370, k, kh);
    SpeicherButton = Knopf(this, "SpeicherButton", TextNr::HauptEphSpeichern, links, 404, k, kh);
    Button1 = Knopf(this, "Button1", TextNr::HauptDownload, links + k + 6, 404, k, kh);
    EndeButton = Knopf(this, "EndeButton", TextNr::HauptEnde, links, 454, spalte, 32);
    for (QPushButton* knopf : {BerechnungsButton, DruckButton, SpeicherButton, Button1, EndeButton})
        Fettschrift(knopf);
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

    // Locations: the first is current. An empty table leaves no current
    // location and empty fields until one is created.
    OrtListeFuellen();
    AktOrt = AnzahlOrte > 0 ? 1 : 0;
    OrtAnzeigen(AktOrt);

    // The English edition writes its dates with dots; the settings themselves
    // are corrected, so the file written at exit holds the dots too.
    if (Englisch) {
        for (ShortString<10>* datum : {&Startdatum, &Stopdatum}) {
            std::string text = datum->Text();
            std::replace(text.begin(), text.end(), '/', '.');
            *datum = text;
        }
    }
    StartdatumEdit->setText(Win1252AlsQString(Startdatum.Text()));
    StopdatumEdit->setText(Win1252AlsQString(Stopdatum.Text()));
    Startzeitedit->setText(Win1252AlsQString(Startzeit.Text()));
    StopzeitEdit->setText(Win1252AlsQString(Stopzeit.Text()));

    TageEdit->setText(QString::number(SchrittTage));
    SonnenHoeheEdit->setText(QString::number(DaemmerungsHoehe));
    StundenEdit->setText(QString::fromStdString(ZahlText(SchrittStunden, 3, 1)));

    // The zone list; a stored index outside the list selects nothing (the
    // parameter check then asks for a zone).
    ZoneComboBox->clear();
    for (const TZeitzone& zone : Zeitzonen)
        ZoneComboBox->addItem(QString::fromUtf8(zone.Name.data(), zone.Name.size()));
    ZoneComboBox->setCurrentIndex(ZonenIndex >= 0 && ZonenIndex < AnzahlZeitzonen ? ZonenIndex
                                                                                  : -1);

    // Setting a box runs its click handler; the enabling below is the same as
    // those handlers do, stated here so that the start is right on its own.
    NGCCheckBox->setChecked(DeepSkyAnzeigen);
    AllCheckBox->setChecked(AlleObjekte);
    SichtbareCheckBox->setChecked(NurSichtbare);
    SichtbareCheckBox->setEnabled(AlleObjekte);
    SortCheckBox->setEnabled(AlleObjekte);
    if (!Englisch) NachHelligkeitSortieren = SortCheckBox->isChecked();

    RadiusEdit->setText(QString::fromStdString(ZahlText(DeepSkyRadius, 3, 1)));
    LimitEdit->setText(QString::fromStdString(ZahlText(Grenzgroesse, 4, 1)));
    KRadiusEdit->setText(QString::fromStdString(ZahlText(KonjRadius, 3, 1)));
    KLimitEdit->setText(QString::fromStdString(ZahlText(KonjGrenzgroesse, 4, 1)));

    KRadiusEdit->setEnabled(KonjCheckBox->isChecked());
    KLimitEdit->setEnabled(KonjCheckBox->isChecked());
    RadiusEdit->setEnabled(DeepSkyAnzeigen);

    // Objects: the last is current.
    AktObjekt = AnzahlObjekte;
    ObjektListeFuellen();
    ObjektAnzeigen(AktObjekt);

    ElementeDateiStandAnzeigen();
}

void THauptForm::FehlendeKatalogeMelden() {
    // A catalogue counts as missing when its table is empty; each box only
    // informs, and the creation carries on.
    if (AnzahlNGC == 0) FehlerMeldung(Text(TextNr::NGCFehlt));
    if (AnzahlIC == 0) FehlerMeldung(Text(TextNr::ICFehlt));
    if (AnzahlSterne == 0) FehlerMeldung(Text(TextNr::BSC4Fehlt));
}

void THauptForm::ElementeDateiStandAnzeigen() {
    // Without an elements file the caption stays as the last showing of an
    // object left it.
    const QFileInfo datei(QString::fromStdString(DateiFinden(DatenVerzeichnis, "BAHNELEM.DAT")));
    if (!datei.isFile()) return;
    const QDateTime stand = datei.lastModified().toLocalTime();
    ObjektBox->setTitle(Text(TextNr::HauptDateiStand) + stand.toString("dd.MM.yyyy hh:mm:ss") +
                        " ");
}

bool THauptForm::BeendenBestaetigt() {
    if (!JaNeinFrage(Text(TextNr::HauptBeendenFrage))) return false;
    if (ElementeGeaendert) BahnelementeSpeichern();
    OrteSpeichern();
    HelligkeitenSpeichern();
    EinstellungenSchreiben();
    return true;
}

void THauptForm::EndeButtonClick() {
    if (!BeendenBestaetigt()) return;
    // The close that follows does not ask again.
    beendet_ = true;
    close();
    QCoreApplication::quit();
}

void THauptForm::FormClose(TCloseAction& Action) {
    if (!beendet_) beendet_ = BeendenBestaetigt();
    Action = beendet_ ? TCloseAction::caFree : TCloseAction::caNone;
}

void THauptForm::closeEvent(QCloseEvent* event) {
    // Kept open unless the exit went through: a write error raised by the exit
    // leaves the window open too.
    event->ignore();
    TCloseAction aktion = TCloseAction::caNone;
    FormClose(aktion);
    if (aktion == TCloseAction::caFree) event->accept();
}

void THauptForm::BahnelementeSpeichern() { ObjekteSchreiben(); }

void THauptForm::OrteSpeichern() { OrteSchreiben(); }

void THauptForm::HelligkeitenSpeichern() { HellParameterSchreiben(); }

bool THauptForm::EinfachLesen(const QString& feldText, Extended& wert) {
    std::string text = QStringAlsWin1252(feldText);
    std::replace(text.begin(), text.end(), ',', '.');
    Extended gelesen = 0.0L;
    if (!ZahlLesen(text, gelesen)) return false;
    const float einfach = static_cast<float>(gelesen);
    if (!std::isfinite(einfach)) return false;
    wert = static_cast<Extended>(einfach);
    return true;
}

}  // namespace zenaro
