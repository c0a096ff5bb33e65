// Module HellUnit: the editor of the brightness parameter sets of one object. It is
// created once, hidden, at program start and shown modeless from the main window.
//
// The editor works on HellParameterListe in memory only: it lists the sets of its
// object (HellAuswahl holds their slot numbers), adds, overwrites and removes sets,
// and after each change sorts the whole table by the start of the validity range.
// The file "hell.dta" is written by the main window at exit.
#pragma once

#include <QWidget>

#include "engine/ShortString.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Texte.hpp"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zenaro {

class THellForm final : public QWidget {
    Q_OBJECT

public:
    explicit THellForm(QWidget* parent = nullptr);

    // --- Controls -----------------------------------------------------------
    QComboBox* HellComboBox;
    QGroupBox* BereichGroupBox;
    QLabel* Label1;
    QLineEdit* VonEdit;
    QLabel* Label2;
    QLineEdit* BisEdit;
    QGroupBox* FormelGroupBox;
    QLabel* Label3;
    QLineEdit* m0Edit;
    QLabel* Label7;
    QLabel* Label4;
    QLineEdit* xEdit;
    QLabel* Label8;
    QLabel* Label5;
    QLineEdit* nEdit;
    QLabel* Label9;
    QLabel* Label6;
    // The dT controls, always shown or hidden together.
    QLabel* Label10;
    QLineEdit* FaktorEdit;
    QLabel* Label11;
    QLabel* Label12;
    QCheckBox* FaktorCheckBox;
    QPushButton* AddButton;
    QPushButton* UpdateButton;
    QPushButton* DelButton;
    QPushButton* CloseButton;

    // --- Handlers -------------------------------------------------------------
    // The user chose an item of the list: its set is shown in the fields.
    void HellComboBoxChange();
    // A mouse button was released over FaktorCheckBox: the dT controls follow its tick.
    void FaktorCheckBoxMouseUp();
    void AddButtonClick();
    void UpdateButtonClick();
    void DelButtonClick();
    void CloseButtonClick();

    // Opening for an object (steps 1 to 4 of the main window's button; showing the
    // window is left to the caller): the caption becomes the object's name, the fields
    // are cleared, the object's sets are listed, and an information box tells when it
    // has none. The editor keeps this object until it is opened again.
    void ObjektOeffnen(const ShortString<60>& objektName);

    // The name of the object whose sets the editor lists and stores.
    const ShortString<60>& Objektname() const { return objekt_; }

private:
    void ControlsAnlegen();
    void SatzZeigen(std::int32_t n);
    void FelderLeeren();
    void DTControlsZeigen(bool sichtbar);
    void ListeFuellen();
    // The checks of Add and Update; `ausnahme` is the slot of a set left out of the
    // two range checks (the set being updated), 0 for none. False with the error box
    // shown when a check fails.
    bool EingabePruefen(std::int32_t ausnahme, THellParameter& satz);
    // The slot of the chosen item, or 0 when no listed set is chosen.
    std::int32_t GewaehlterSatz() const;
    void NachAenderung(TextNr meldung);

    ShortString<60> objekt_;
};

// The one brightness-parameter editor, alive from the program start to its end.
extern THellForm* HellForm;

// The item text of a set in the editor's list: range text of Von, " bis " (English
// " until "), range text of Bis; "T -5.0 bis T+ 10.0".
QString HellEintragText(const THellParameter& satz);

// Sorts the sets 1..AnzahlHellParameter of HellParameterListe by Von ascending
// (bubble sort, equal Von keep their order).
void HellParameterSortieren();

}  // namespace zenaro
