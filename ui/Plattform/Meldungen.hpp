// Modal message boxes of the four kinds the windows use: error (error sign, OK),
// information (information sign, OK), plain (no sign, OK) and the Yes/No question.
// Every window shows its messages through these routines; the installed
// implementation shows a QMessageBox, tests install a recorder instead.
#pragma once

#include <QString>
#include <vector>

namespace zenaro {

enum class TMeldungsart { Fehler, Information, Schlicht, Frage };

class IMeldungen {
public:
    virtual ~IMeldungen() = default;
    // Shows one modal box; for a question the result is true when the user
    // answered Yes, for every other kind it is true.
    virtual bool Zeigen(TMeldungsart art, const QString& titel, const QString& text) = 0;
};

// The installed message boxes (QMessageBox unless a replacement is installed).
IMeldungen& Meldungen();
// Installs a replacement; nullptr puts the QMessageBox implementation back.
void SetzeMeldungen(IMeldungen* meldungen);

// Title of a box of the given kind in the current edition.
QString Meldungstitel(TMeldungsart art);

// The four boxes with the title of their kind, or a title of the caller's choice.
void FehlerMeldung(const QString& text);
void FehlerMeldung(const QString& titel, const QString& text);
void InfoMeldung(const QString& text);
void SchlichteMeldung(const QString& text);
// Yes/No question; true for Yes.
bool JaNeinFrage(const QString& text);

// Replacement for tests: records every box and answers every question with a
// preset answer. It installs itself while it exists and restores the previous
// implementation when destroyed.
class TMeldungsRekorder final : public IMeldungen {
public:
    struct TEintrag {
        TMeldungsart art;
        QString titel;
        QString text;
    };

    explicit TMeldungsRekorder(bool antwort = true);
    ~TMeldungsRekorder() override;
    TMeldungsRekorder(const TMeldungsRekorder&) = delete;
    TMeldungsRekorder& operator=(const TMeldungsRekorder&) = delete;

    bool Zeigen(TMeldungsart art, const QString& titel, const QString& text) override;

    void SetzeAntwort(bool antwort) { antwort_ = antwort; }
    const std::vector<TEintrag>& Eintraege() const { return eintraege_; }
    // Only the texts, in the order shown.
    std::vector<QString> Texte() const;
    void Leeren() { eintraege_.clear(); }

private:
    bool antwort_;
    std::vector<TEintrag> eintraege_;
    IMeldungen* vorher_;
};

}  // namespace zenaro
