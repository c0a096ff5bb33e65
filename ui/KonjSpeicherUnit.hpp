// Module KonjSpeicherUnit: the text file of the conjunctions just found. The form
// is never shown: its creation asks for the file name, writes the table and then
// releases the form.
#pragma once

#include <QObject>

#include "ui/Plattform/Dialoge.hpp"

class QWidget;

namespace zenaro {

class TKonjSpeicherForm final : public QObject {
    Q_OBJECT

public:
    explicit TKonjSpeicherForm(QWidget* Owner);

    TSpeicherDialog SaveDialog1;

    // Creation handler: save dialog, file, release.
    void FormCreate(QObject* Sender);

private:
    QWidget* owner_;
};

}  // namespace zenaro
