// Module KonjDruckUnit: the printout of the conjunctions just found. The form is
// never shown: its creation asks for the printer, prints every page and then
// releases the form.
#pragma once

#include <QObject>
#include <cstdint>

class QWidget;

namespace zenaro {

class TKonjDruckForm final : public QObject {
    Q_OBJECT

public:
    explicit TKonjDruckForm(QWidget* Owner);

    // Creation handler: printer dialog, pages, release.
    void FormCreate(QObject* Sender);
};

}  // namespace zenaro
