// Module KonjAusgabeUnit: the window that shows the conjunctions just found as a
// fixed-width table. Each conjunction run from the calculate button opens a
// further window; closing one only hides it, and it stays until the program ends.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace zenaro {

class TKonjAusgabeForm final : public QWidget {
    Q_OBJECT

public:
    // Builds the table from the globals, fills the memo and shows the window.
    explicit TKonjAusgabeForm(QWidget* Owner);

    QPlainTextEdit* Memo1;

    // Creation handler: caption, memo lines, size and place.
    void FormCreate(QObject* Sender);
};

}  // namespace zenaro
