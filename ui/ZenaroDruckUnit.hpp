// The printout of the ephemeris text table. The form is never shown: its creation
// sets landscape, asks for the printer, prints every page (page header, rows,
// legend, the footer with the page number on every page) and releases the form.
// All positions are device units of the printer.
#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "ui/Ephemeridentext.hpp"

class QWidget;

namespace zenaro {

class IDruckflaeche;

class TDruckForm : public QObject {
    Q_OBJECT

public:
    explicit TDruckForm(QWidget* Owner);

private:
    void FormCreate();
    // The lines of the text table for the printout, sorted by their place.
    void ZeilenHolen();
    // The page header of the current page; sets y to the first row position.
    void KopfDrucken();
    // Starts the legend page: no page header, y at the top.
    void NeueSeite();

    QWidget* owner_;
    IDruckflaeche* flaeche_ = nullptr;
    int W_ = 0;  // printable page width
    int H_ = 0;  // printable page height
    int y_ = 0;
    int seitennummer_ = 0;
    int gruppe_ = 1;  // rows of the current group of five (single-object mode)

    std::string titel_;
    std::vector<TTextZeile> kopf_;  // element, brightness, zone, twilight, header, dash
    std::vector<std::string> zeilen_;
    std::vector<std::string> legende_;  // "Legende:" and its lines
};

}  // namespace zenaro
