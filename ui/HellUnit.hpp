// Module HellUnit: the editor of the brightness parameter sets of one object. It is
// created once, hidden, at program start and shown modeless from the main window.
#pragma once

#include <QWidget>

namespace zenaro {

class THellForm final : public QWidget {
    Q_OBJECT

public:
    explicit THellForm(QWidget* parent = nullptr);

    // The controls and handlers of the editor are added here.
};

// The one brightness-parameter editor, alive from the program start to its end.
extern THellForm* HellForm;

}  // namespace zenaro
