#include "ui/Plattform/Drucken.hpp"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>

#include "ui/Plattform/Dialoge.hpp"
#include "ui/Plattform/Zeichensatz.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

namespace {

constexpr int DruckerAufloesung = 600;

IDrucker* installierterDrucker = nullptr;

}  // namespace

void IDruckflaeche::TextAusgeben(int x, int y, std::string_view win1252) {
    TextAusgeben(x, y, Win1252AlsQString(win1252));
}

IDrucker& Drucker() {
    if (installierterDrucker != nullptr) return *installierterDrucker;
    // The one printer of the program, made when first used (it needs the
    // application object) and kept to the end, past the application object.
    static TQtDrucker* drucker = new TQtDrucker;
    return *drucker;
}

void SetzeDrucker(IDrucker* drucker) { installierterDrucker = drucker; }

bool DokumentDrucken(QWidget* owner, const std::function<void(IDruckflaeche&)>& seiten) {
    IDrucker& drucker = Drucker();
    drucker.SetzeQuerformat();
    if (!drucker.DruckdialogAusfuehren(owner)) return false;
    IDruckflaeche& flaeche = drucker.Flaeche();
    flaeche.DokumentBeginnen();
    try {
        seiten(flaeche);
    } catch (...) {
        flaeche.DokumentAbbrechen();
        throw;
    }
    flaeche.DokumentBeenden();
    return true;
}

void SeitenfussDrucken(IDruckflaeche& flaeche, int W, int H, int seitennummer) {
    flaeche.TextAusgeben(W / 2 - 120, H - 100,
                         Text(TextNr::DruckSeite) + QStringLiteral("%1").arg(seitennummer, 3));
}

void SeiteAbschliessen(IDruckflaeche& flaeche, int W, int H, int seitennummer) {
    SeitenfussDrucken(flaeche, W, H, seitennummer);
    flaeche.NeueSeiteBeginnen();
}

void ZentriertDrucken(IDruckflaeche& flaeche, int W, int y, std::string_view zeile,
                      int zeichenbreite) {
    const int laenge = static_cast<int>(zeile.size());
    flaeche.TextAusgeben(W / 2 - (laenge / 2) * zeichenbreite, y, zeile);
}

int LegendeDrucken(IDruckflaeche& flaeche, int x, int y, const std::vector<std::string>& zeilen,
                   int zeilenabstand) {
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        if (i == 0) flaeche.SetzeFett(true);
        flaeche.TextAusgeben(x, y, zeilen[i]);
        if (i == 0) flaeche.SetzeFett(false);
        y += zeilenabstand;
    }
    return y;
}

QString DruckSchriftfamilie(const QString& name) {
    if (name.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Mono");
    if (name.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Liberation Sans");
    return name;
}

// --- the printer on a QPrinter ---

TQtDrucker::TQtDrucker(const QString& pdfDatei) : pdfDatei_(pdfDatei) {}

TQtDrucker::~TQtDrucker() {
    if (painter_ && painter_->isActive()) painter_->end();
}

void TQtDrucker::SetzeQuerformat() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (!pdfDatei_.isEmpty()) {
            printer_->setOutputFormat(QPrinter::PdfFormat);
            printer_->setOutputFileName(pdfDatei_);
        }
    }
    printer_->setPageOrientation(QPageLayout::Landscape);
}

bool TQtDrucker::DruckdialogAusfuehren(QWidget* owner) {
    if (!printer_) SetzeQuerformat();
    if (!pdfDatei_.isEmpty()) return true;
    TNormalerCursorImDialog cursor;
    QPrintDialog dialog(printer_.get(), owner);
    return dialog.exec() == QDialog::Accepted;
}

void TQtDrucker::DokumentBeginnen() {
    if (!printer_) SetzeQuerformat();
    // The documented positions are device units of a 600 dpi printer; the dialog
    // may have chosen another resolution, so it is set again here.
    printer_->setResolution(DruckerAufloesung);
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        painter_.reset();
        throw EDruckfehler(Text(TextNr::DruckFehlerBeginnen).toStdString());
    }
    SchriftAnwenden();
}

void TQtDrucker::DokumentBeenden() {
    if (!painter_) return;
    const bool ok = painter_->end();
    painter_.reset();
    if (!ok) throw EDruckfehler(Text(TextNr::DruckFehlerBeenden).toStdString());
}

void TQtDrucker::DokumentAbbrechen() {
    if (!painter_) return;
    printer_->abort();
    if (painter_->isActive()) painter_->end();
    painter_.reset();
}

void TQtDrucker::NeueSeiteBeginnen() {
    if (printer_ && painter_) printer_->newPage();
}

int TQtDrucker::Seitenbreite() { return printer_ ? printer_->width() : 0; }

int TQtDrucker::Seitenhoehe() { return printer_ ? printer_->height() : 0; }

void TQtDrucker::SetzeSchriftname(const QString& name) {
    schriftname_ = name;
    SchriftAnwenden();
}

void TQtDrucker::SetzeSchriftgroesse(int punkte) {
    schriftgroesse_ = punkte;
    SchriftAnwenden();
}

void TQtDrucker::SetzeFett(bool fett) {
    fett_ = fett;
    SchriftAnwenden();
}

void TQtDrucker::SchriftAnwenden() {
    if (!painter_) return;
    QFont schrift(DruckSchriftfamilie(schriftname_));
    schrift.setPointSize(std::max(1, schriftgroesse_));
    schrift.setBold(fett_);
    // Blanks keep their width in a fixed-pitch font: the table columns line up.
    schrift.setStyleHint(schriftname_.contains(QLatin1String("Courier"), Qt::CaseInsensitive)
                             ? QFont::TypeWriter
                             : QFont::SansSerif);
    painter_->setFont(schrift);
}

void TQtDrucker::TextAusgeben(int x, int y, const QString& text) {
    if (!painter_) return;
    // The given point is the top-left corner of the text, QPainter's the baseline.
    painter_->drawText(x, y + painter_->fontMetrics().ascent(), text);
}

int TQtDrucker::Textbreite(const QString& text) {
    if (!painter_) return 0;
    return painter_->fontMetrics().horizontalAdvance(text);
}

// --- the recorder of the tests ---

TDruckRekorder::TDruckRekorder(bool antwort, int breite, int hoehe)
    : antwort_(antwort), breite_(breite), hoehe_(hoehe), vorher_(installierterDrucker) {
    SetzeDrucker(this);
}

TDruckRekorder::~TDruckRekorder() { SetzeDrucker(vorher_); }

void TDruckRekorder::Aufzeichnen(TAufruf aufruf, int x, int y, const QString& text) {
    eintraege_.push_back({aufruf, x, y, text, schriftname_, schriftgroesse_, fett_});
}

void TDruckRekorder::SetzeQuerformat() { Aufzeichnen(TAufruf::Querformat); }

bool TDruckRekorder::DruckdialogAusfuehren(QWidget*) {
    Aufzeichnen(TAufruf::Dialog);
    return antwort_;
}

void TDruckRekorder::DokumentBeginnen() { Aufzeichnen(TAufruf::DokumentBeginnen); }

void TDruckRekorder::DokumentBeenden() { Aufzeichnen(TAufruf::DokumentBeenden); }

void TDruckRekorder::DokumentAbbrechen() { Aufzeichnen(TAufruf::DokumentAbbrechen); }

void TDruckRekorder::NeueSeiteBeginnen() { Aufzeichnen(TAufruf::NeueSeite); }

void TDruckRekorder::SetzeSchriftname(const QString& name) {
    schriftname_ = name;
    Aufzeichnen(TAufruf::Schriftname, 0, 0, name);
}

void TDruckRekorder::SetzeSchriftgroesse(int punkte) {
    schriftgroesse_ = punkte;
    Aufzeichnen(TAufruf::Schriftgroesse);
}

void TDruckRekorder::SetzeFett(bool fett) {
    fett_ = fett;
    Aufzeichnen(TAufruf::Fett);
}

void TDruckRekorder::TextAusgeben(int x, int y, const QString& text) {
    Aufzeichnen(TAufruf::Text, x, y, text);
}

int TDruckRekorder::Textbreite(const QString& text) {
    return static_cast<int>(text.size()) * schriftgroesse_ * 5;
}

std::vector<TDruckRekorder::TEintrag> TDruckRekorder::Texte() const {
    std::vector<TEintrag> texte;
    for (const auto& e : eintraege_)
        if (e.Aufruf == TAufruf::Text) texte.push_back(e);
    return texte;
}

std::vector<std::vector<TDruckRekorder::TEintrag>> TDruckRekorder::Seiten() const {
    std::vector<std::vector<TEintrag>> seiten;
    for (const auto& e : eintraege_) {
        if (e.Aufruf == TAufruf::DokumentBeginnen || e.Aufruf == TAufruf::NeueSeite)
            seiten.emplace_back();
        else if (e.Aufruf == TAufruf::Text && !seiten.empty())
            seiten.back().push_back(e);
    }
    return seiten;
}

bool TDruckRekorder::Vorher(TAufruf erster, TAufruf zweiter) const {
    const auto a = std::find_if(eintraege_.begin(), eintraege_.end(),
                                [&](const TEintrag& e) { return e.Aufruf == erster; });
    const auto b = std::find_if(eintraege_.begin(), eintraege_.end(),
                                [&](const TEintrag& e) { return e.Aufruf == zweiter; });
    return a != eintraege_.end() && b != eintraege_.end() && a < b;
}

bool TDruckRekorder::Enthaelt(TAufruf aufruf) const {
    return std::any_of(eintraege_.begin(), eintraege_.end(),
                       [&](const TEintrag& e) { return e.Aufruf == aufruf; });
}

}  // namespace zenaro
