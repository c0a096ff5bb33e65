// Module HauptUnit: the program's main window. It holds the current object's
// elements, the observing location, the calculation parameters and the buttons of
// the calculation, the download and the exit; every value it shows lives in the
// global data model.
//
// The window's code is spread over several files by topic: HauptUnit.cpp
// (creation, exit, file writers), HauptObjekte.cpp (object editor),
// HauptOrte.cpp (locations editor), HauptParameter.cpp (parameter check and
// check boxes), HauptRechnung.cpp (calculation buttons), HauptDownload.cpp
// (comet list download), HauptDatum.cpp (date and time buttons, WM_DATUM),
// HauptHell.cpp (brightness editor button).
#pragma once

#include <QWidget>
#include <cstdint>

#include "astro/Laufzeit.hpp"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QCloseEvent;

namespace zenaro {

// What happens to a window that is being closed: it stays open or is freed.
enum class TCloseAction { caNone, caFree };

class THauptForm final : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its creation handler.
    explicit THauptForm(QWidget* parent = nullptr);

    // --- Controls -----------------------------------------------------------
    // Object group.
    QGroupBox* ObjektBox;
    QComboBox* NameCombobox;
    QLineEdit* PeriduEdit;
    QLineEdit* PerabsEdit;
    QLineEdit* ExzenEdit;
    QLineEdit* GrohaEdit;
    QLineEdit* AknoEdit;
    QLineEdit* PeknoEdit;
    QLineEdit* BahnngEdit;
    QLineEdit* AequinEdit;
    QLineEdit* M0Edit;
    QLineEdit* LuminEdit;
    QCheckBox* HellHinweisCheckBox;
    QCheckBox* HellCheckBox;
    QPushButton* HellButton;
    QLineEdit* BemerkEdit;
    QPushButton* ObjektNeuButton;
    QPushButton* ObjektLoeschButton;
    QPushButton* ObjektSpeicherButton;
    // Location group.
    QGroupBox* OrtBox;
    QComboBox* OrtComboBox;
    QLineEdit* PhiEdit;
    QComboBox* NSComboBox;
    QLineEdit* LambdaEdit;
    QComboBox* OWComboBox;
    QPushButton* OrtNeuButton;
    QPushButton* OrtLoeschButton;
    QPushButton* OrtSpeicherButton;
    // Parameter group.
    QGroupBox* ParameterBox;
    QLineEdit* StartdatumEdit;
    QLineEdit* Startzeitedit;
    QLineEdit* StopdatumEdit;
    QLineEdit* StopzeitEdit;
    QPushButton* StartdatumChangeButton;
    QPushButton* StartzeitChangeButton;
    QPushButton* StopdatumChangeButton;
    QPushButton* StopzeitChangeButton;
    QLineEdit* TageEdit;
    QLineEdit* StundenEdit;
    QComboBox* ZoneComboBox;
    QPushButton* TagesDatumButton;
    QCheckBox* NGCCheckBox;
    QLineEdit* RadiusEdit;
    QLineEdit* SonnenHoeheEdit;
    QCheckBox* AllCheckBox;
    QLineEdit* LimitEdit;
    QCheckBox* SortCheckBox;
    QCheckBox* SichtbareCheckBox;
    QCheckBox* KonjCheckBox;
    QLineEdit* KRadiusEdit;
    QLineEdit* KLimitEdit;
    // Buttons of the calculation road, the download and the exit.
    QPushButton* BerechnungsButton;
    QPushButton* DruckButton;
    QPushButton* SpeicherButton;
    QPushButton* Button1;
    QPushButton* EndeButton;

    // --- Lifetime (HauptUnit.cpp) ---------------------------------------------
    // Creation handler: clears the change flag, reports missing catalogues and
    // fills the controls from the tables and settings.
    void FormCreate();
    // Exit by the button: asks, writes the files and ends the application.
    void EndeButtonClick();
    // The window is being closed: asks, writes the files and sets the action to
    // free the window (caFree) or to keep it open (caNone).
    void FormClose(TCloseAction& Action);
    // The file writers: each rewrites one data file from its table.
    void BahnelementeSpeichern();
    void OrteSpeichern();
    void HelligkeitenSpeichern();
    // The object group caption from the modification time of the elements file.
    void ElementeDateiStandAnzeigen();

    // --- Object editor (HauptObjekte.cpp) -------------------------------------
    void ObjektAnzeigen(std::int32_t n);
    void ObjektUebernehmen(bool& Fehler, std::int32_t n);
    void ObjektEntfernen(std::int32_t n);
    void ObjektNeuButtonClick();
    void ObjektSpeicherButtonClick();
    void ObjektLoeschButtonClick();
    void NameComboboxDropDown();
    void NameComboboxChange();

    // The items of NameCombobox rebuilt from all names.
    void ObjektListeFuellen();

    // --- Locations editor (HauptOrte.cpp) -------------------------------------
    void OrtAnzeigen(std::int32_t n);
    void OrtUebernehmen(bool& Fehler, std::int32_t n);
    void OrtEntfernen(std::int32_t n);
    void OrtNeuButtonClick();
    void OrtSpeicherButtonClick();
    void OrtLoeschButtonClick();
    void OrtComboBoxDropDown();
    void OrtComboBoxChange();
    // The items of OrtComboBox rebuilt from all names.
    void OrtListeFuellen();

    // --- Parameters (HauptParameter.cpp) --------------------------------------
    void ParameterPruefen(bool& Fehler);
    void NGCCheckBoxClick();
    void AllCheckBoxClick();
    void SichtbareCheckBoxClick();
    void KonjCheckBoxClick();
    void HellCheckBoxClick();

    // --- Calculation road (HauptRechnung.cpp) ---------------------------------
    void BerechnungsButtonClick();
    void DruckButtonClick();
    void SpeicherButtonClick();

    // --- Comet list download (HauptDownload.cpp) ------------------------------
    void Button1Click();

    // --- Date and time (HauptDatum.cpp) ---------------------------------------
    void StartdatumChangeButtonClick();
    void StartzeitChangeButtonClick();
    void StopdatumChangeButtonClick();
    void StopzeitChangeButtonClick();
    // Receiver of the window message WM_DATUM: item code and value; result 1.
    std::int32_t DatumNachricht(std::int32_t code, std::int32_t wert);
    void TagesDatumButtonClick();
    void ZoneComboBoxChange();

    // --- Brightness editor (HauptHell.cpp) ------------------------------------
    void HellButtonClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ControlsAnlegen();
    void SignaleVerbinden();
    void FehlendeKatalogeMelden();
    // The exit's question and the four files; false when the user did not
    // answer Yes (nothing written then).
    bool BeendenBestaetigt();

    // Reads a field's text as a number the way every field of the two editors is
    // read: "," taken as ".", the whole text a decimal number, held as a 32-bit
    // float (a value beyond its range is no number). The float widened to
    // Extended goes to `wert`.
    static bool EinfachLesen(const QString& text, Extended& wert);

    // Set once the exit question was answered Yes, so that the close that
    // follows the button does not ask again.
    bool beendet_ = false;
};

// The one main window, alive from the program start to its end.
extern THauptForm* HauptForm;

// The list of NameCombobox / OrtComboBox was dropped down since its last change
// event: only then does a change switch the current object / location.
extern bool ObjektListeGeoeffnet;
extern bool OrtListeGeoeffnet;

}  // namespace zenaro
