// The ephemeris text table written to a text file of the user's choice. The form
// is never shown: its creation runs the save dialog, writes the file and releases
// the form again.
#pragma once

#include <QObject>

#include "ui/Plattform/Dialoge.hpp"

class QWidget;

namespace zenaro {

class TSpeicherForm : public QObject {
    Q_OBJECT

public:
    explicit TSpeicherForm(QWidget* Owner);

    TSpeicherDialog SaveDialog1;

private:
    void FormCreate();

    QWidget* owner_;
};

}  // namespace zenaro
