// The printout of the ephemeris text table. The form is never shown: its creation
// asks for the printer, prints every page (page header, rows, legend, footer with
// the page number) and releases the form again.
#pragma once

#include <QObject>
#include <QString>
#include <string>

class QWidget;

namespace zenaro {

class IDruckflaeche;

class TDruckForm : public QObject {
    Q_OBJECT

public:
    explicit TDruckForm(QWidget* Owner);

private:
    void FormCreate();
    // The page header of the current page; sets y to the first row position.
    void KopfDrucken();
    // Starts the legend page (no page header).
    void NeueSeite();
    // "Seite " / "Page " and the page number at the bottom of the page.
    void FussDrucken();
    // Draws one line of the text table centred on the page at the current y.
    void ZentriertDrucken(const std::string& zeile);

    QWidget* owner_;
    IDruckflaeche* flaeche_ = nullptr;
    int W_ = 0;  // page width
    int H_ = 0;  // page height
    int y_ = 0;
    int seitennummer_ = 0;
    int gruppe_ = 1;
};

}  // namespace zenaro
