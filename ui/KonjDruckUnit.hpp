// Module KonjDruckUnit: the printout of the conjunctions just found. The form is
// never shown: its creation asks for the printer, prints every page and then
// releases the form.
#pragma once

#include <QObject>

class QWidget;

namespace zenaro {

class IDruckflaeche;

class TKonjDruckForm final : public QObject {
    Q_OBJECT

public:
    explicit TKonjDruckForm(QWidget* Owner);

    // Creation handler: printer dialog, pages, release.
    void FormCreate(QObject* Sender);

private:
    // The page header of a page of rows: title, zone line, column header and dash
    // line; y then stands at the first row.
    void KopfDrucken();
    // Starts the legend page, which has no page header.
    void NeueSeite();

    QWidget* owner_;
    IDruckflaeche* flaeche_ = nullptr;
    int W_ = 0;  // page width
    int H_ = 0;  // page height
    int y_ = 0;
    int seitennummer_ = 0;
};

}  // namespace zenaro
