#include "ui/KonjAusgabeUnit.hpp"

#include <QFont>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "engine/ZenaroDef.hpp"
#include "ui/Konjunktionstext.hpp"
#include "ui/Plattform/Fenster.hpp"
#include "ui/Plattform/Memo.hpp"
#include "ui/Plattform/Zeichensatz.hpp"

namespace zenaro {

TKonjAusgabeForm::TKonjAusgabeForm(QWidget* Owner) : QWidget(Owner, Qt::Window) {
    setObjectName("KonjAusgabeForm");
    // Closing only hides the window; it stays until its owner, the main window,
    // goes at the end of the program.
    setAttribute(Qt::WA_DeleteOnClose, false);

    Memo1 = new TMemo(this);
    Memo1->setObjectName("Memo1");
    QFont schrift("Courier");
    schrift.setStyleHint(QFont::TypeWriter);
    schrift.setFixedPitch(true);
    schrift.setPixelSize(11);
    Memo1->setFont(schrift);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The memo fills the form and follows all four edges.
    auto* anordnung = new QVBoxLayout(this);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(Memo1);

    FormCreate(this);
}

void TKonjAusgabeForm::FormCreate(QObject* /*Sender*/) {
    setWindowTitle(Win1252AlsQString(KonjTitelzeile(TAusgabeSenke::Fenster)));
    // The memo receives every line at once; the title is the caption, not a line.
    QStringList zeilen;
    for (const std::string& zeile : Konjunktionstext(TAusgabeSenke::Fenster))
        zeilen.append(Win1252AlsQString(zeile));
    Memo1->setPlainText(zeilen.join(QChar('\n')));

    if (Englisch)
        resize(900, 374);
    else
        resize(834, 336);
    AufBildschirmZentrieren(*this);
    show();
}

}  // namespace zenaro
