// Module ZenaroAusgabeUnit: the window that shows the ephemeris text table of the
// last calculation, one coloured line per table line on a navy list. Its creation
// builds all lines; it has no buttons and no behaviour but showing and scrolling.
#pragma once

#include <QWidget>
#include <cstdint>

class QListWidget;

namespace zenaro {

class TAusgabeForm final : public QWidget {
    Q_OBJECT

public:
    explicit TAusgabeForm(QWidget* Owner);

    QListWidget* ListBox1;
    // The widest drawn line so far in pixels plus the margin; only grows.
    std::int32_t MaxBreite = 0;

private:
    void FormCreate();
};

}  // namespace zenaro
