// Module HauptUnit: the program's main window. It holds the current object's
// elements, the observing location, the calculation parameters and the buttons of
// the calculation, the download and the exit; every value it shows lives in the
// global data model.
#pragma once

#include <QWidget>

namespace zenaro {

class THauptForm final : public QWidget {
    Q_OBJECT

public:
    // Builds the window and runs its creation handler.
    explicit THauptForm(QWidget* parent = nullptr);

    // Creation handler: clears the change flag, reports missing catalogues and
    // fills the controls from the tables and settings.
    void FormCreate();

    // The controls, the exit and the file writers are added here.

private:
    void FehlendeKatalogeMelden();
};

// The one main window, alive from the program start to its end.
extern THauptForm* HauptForm;

}  // namespace zenaro
