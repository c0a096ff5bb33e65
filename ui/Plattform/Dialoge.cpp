#include "ui/Plattform/Dialoge.hpp"

#include <QFileDialog>
#include <QFileInfo>

#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

namespace {

QString ReineErweiterung(QString erweiterung) {
    while (erweiterung.startsWith(QLatin1Char('*')) || erweiterung.startsWith(QLatin1Char('.')))
        erweiterung.remove(0, 1);
    return erweiterung;
}

// The Qt file dialog. The overwrite question is asked by TSpeicherDialog itself,
// after the default extension is appended, so the dialog does not ask.
class TQtSpeicherdialog final : public ISpeicherdialogAnzeige {
public:
    std::optional<QString> Zeigen(QWidget* owner, const TSpeicherDialog& dialog) override {
        TNormalerCursorImDialog cursor;
        QFileDialog fenster(owner);
        fenster.setAcceptMode(QFileDialog::AcceptSave);
        fenster.setFileMode(QFileDialog::AnyFile);
        fenster.setOption(QFileDialog::DontConfirmOverwrite, true);
        fenster.setNameFilters(QtFilter(dialog.Filter));
        if (!dialog.Dateiname.isEmpty()) fenster.selectFile(dialog.Dateiname);
        if (fenster.exec() != QDialog::Accepted || fenster.selectedFiles().isEmpty())
            return std::nullopt;
        return fenster.selectedFiles().front();
    }
};

TQtSpeicherdialog qtSpeicherdialog;
ISpeicherdialogAnzeige* installierteAnzeige = nullptr;

}  // namespace

TNormalerCursorImDialog::TNormalerCursorImDialog() : sanduhr_(SanduhrAktiv()) {
    if (sanduhr_) NormalerCursor();
}

TNormalerCursorImDialog::~TNormalerCursorImDialog() {
    if (sanduhr_) SanduhrZeigen();
}

ISpeicherdialogAnzeige& Speicherdialoge() {
    return installierteAnzeige != nullptr ? *installierteAnzeige : qtSpeicherdialog;
}

void SetzeSpeicherdialoge(ISpeicherdialogAnzeige* anzeige) { installierteAnzeige = anzeige; }

QString MitStandarderweiterung(const QString& name, const QString& erweiterung) {
    const QString erw = ReineErweiterung(erweiterung);
    if (erw.isEmpty() || name.isEmpty()) return name;
    const QString letzter = name.section(QLatin1Char('/'), -1);
    if (letzter.isEmpty() || letzter.contains(QLatin1Char('.'))) return name;
    return name + QLatin1Char('.') + erw;
}

QStringList QtFilter(const QString& filter) {
    QStringList ergebnis;
    const QStringList teile = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < teile.size(); i += 2) {
        QString muster = teile[i + 1];
        muster.replace(QLatin1Char(';'), QLatin1Char(' '));
        ergebnis << teile[i] + QStringLiteral(" (") + muster + QLatin1Char(')');
    }
    return ergebnis;
}

bool TSpeicherDialog::Ausfuehren(QWidget* owner) {
    for (;;) {
        const std::optional<QString> gewaehlt = Speicherdialoge().Zeigen(owner, *this);
        if (!gewaehlt || gewaehlt->isEmpty()) return false;
        const QString name = MitStandarderweiterung(*gewaehlt, Standarderweiterung);
        if (UeberschreibenFragen && QFileInfo::exists(name) &&
            !JaNeinFrage(Text(TextNr::DateiErsetzenFrage).arg(name))) {
            Dateiname = name;  // the dialog opens again on this name
            continue;
        }
        Dateiname = name;
        return true;
    }
}

TSpeicherdialogRekorder::TSpeicherdialogRekorder(std::vector<std::optional<QString>> antworten)
    : antworten_(std::move(antworten)), vorher_(installierteAnzeige) {
    SetzeSpeicherdialoge(this);
}

TSpeicherdialogRekorder::~TSpeicherdialogRekorder() { SetzeSpeicherdialoge(vorher_); }

std::optional<QString> TSpeicherdialogRekorder::Zeigen(QWidget*, const TSpeicherDialog& dialog) {
    gezeigt_.push_back(dialog);
    if (naechste_ >= antworten_.size()) return std::nullopt;
    return antworten_[naechste_++];
}

void TSpeicherdialogRekorder::SetzeAntworten(std::vector<std::optional<QString>> antworten) {
    antworten_ = std::move(antworten);
    naechste_ = 0;
}

}  // namespace zenaro
