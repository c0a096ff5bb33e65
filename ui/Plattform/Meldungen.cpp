#include "ui/Plattform/Meldungen.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "ui/Texte.hpp"

namespace zenaro {

namespace {

class TQtMeldungen final : public IMeldungen {
public:
    bool Zeigen(TMeldungsart art, const QString& titel, const QString& text) override {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(titel);
        // Shown exactly as written: a file or object name holding "<" must not
        // be taken for markup.
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
        switch (art) {
            case TMeldungsart::Fehler:
                box.setIcon(QMessageBox::Critical);
                break;
            case TMeldungsart::Information:
                box.setIcon(QMessageBox::Information);
                break;
            case TMeldungsart::Schlicht:
                box.setIcon(QMessageBox::NoIcon);
                break;
            case TMeldungsart::Frage:
                box.setIcon(QMessageBox::Question);
                break;
        }
        if (art == TMeldungsart::Frage) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.button(QMessageBox::Yes)->setText(Text(TextNr::Ja));
            box.button(QMessageBox::No)->setText(Text(TextNr::Nein));
            return box.exec() == QMessageBox::Yes;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return true;
    }
};

TQtMeldungen qtMeldungen;
IMeldungen* installiert = &qtMeldungen;

}  // namespace

IMeldungen& Meldungen() { return *installiert; }

void SetzeMeldungen(IMeldungen* meldungen) {
    installiert = meldungen != nullptr ? meldungen : &qtMeldungen;
}

QString Meldungstitel(TMeldungsart art) {
    switch (art) {
        case TMeldungsart::Fehler:
            return Text(TextNr::TitelFehler);
        case TMeldungsart::Information:
            return Text(TextNr::TitelInformation);
        case TMeldungsart::Frage:
            return Text(TextNr::TitelFrage);
        case TMeldungsart::Schlicht:
            break;
    }
    return Text(TextNr::TitelProgramm);
}

void FehlerMeldung(const QString& text) {
    Meldungen().Zeigen(TMeldungsart::Fehler, Meldungstitel(TMeldungsart::Fehler), text);
}

void FehlerMeldung(const QString& titel, const QString& text) {
    Meldungen().Zeigen(TMeldungsart::Fehler, titel, text);
}

void InfoMeldung(const QString& text) {
    Meldungen().Zeigen(TMeldungsart::Information, Meldungstitel(TMeldungsart::Information), text);
}

void SchlichteMeldung(const QString& text) {
    Meldungen().Zeigen(TMeldungsart::Schlicht, Meldungstitel(TMeldungsart::Schlicht), text);
}

bool JaNeinFrage(const QString& text) {
    return Meldungen().Zeigen(TMeldungsart::Frage, Meldungstitel(TMeldungsart::Frage), text);
}

TMeldungsRekorder::TMeldungsRekorder(bool antwort) : antwort_(antwort), vorher_(&Meldungen()) {
    SetzeMeldungen(this);
}

TMeldungsRekorder::~TMeldungsRekorder() { SetzeMeldungen(vorher_); }

bool TMeldungsRekorder::Zeigen(TMeldungsart art, const QString& titel, const QString& text) {
    eintraege_.push_back({art, titel, text});
    return art == TMeldungsart::Frage ? antwort_ : true;
}

std::vector<QString> TMeldungsRekorder::Texte() const {
    std::vector<QString> texte;
    texte.reserve(eintraege_.size());
    for (const auto& e : eintraege_) texte.push_back(e.text);
    return texte;
}

}  // namespace zenaro
