// The printer: its orientation, the printer selection dialog and the print
// canvas in device units. The installed printer paints on a QPrinter in landscape
// at 600 dots per inch; tests install a recorder that keeps every call.
//
// Positions and distances are device units of the printer, x to the right and y
// downwards from the top-left corner of the printable area; a text is drawn with
// the top-left corner of its first character at (x, y).
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class QWidget;
class QPrinter;
class QPainter;

namespace zenaro {

// An error of the printing system (the printer cannot begin or end a document).
// It ends the printout; the application shows its text in an error box.
class EDruckfehler : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The canvas of the document being printed.
class IDruckflaeche {
public:
    virtual ~IDruckflaeche() = default;

    // Begins a document; its first page is started.
    virtual void DokumentBeginnen() = 0;
    // Ends the document and gives it to the printer.
    virtual void DokumentBeenden() = 0;
    // Drops a begun document (after an error in the middle of a printout).
    virtual void DokumentAbbrechen() = 0;
    // Ends the current page and starts the next.
    virtual void NeueSeiteBeginnen() = 0;

    // Printable size of the page in device units (valid once a document is begun).
    virtual int Seitenbreite() = 0;
    virtual int Seitenhoehe() = 0;

    // The canvas font: family name, size in points, bold or no style. A text is
    // drawn in the font as it stands when it is drawn.
    virtual void SetzeSchriftname(const QString& name) = 0;
    virtual void SetzeSchriftgroesse(int punkte) = 0;
    virtual void SetzeFett(bool fett) = 0;

    virtual void TextAusgeben(int x, int y, const QString& text) = 0;
    // Width of the text in the current font, in device units.
    virtual int Textbreite(const QString& text) = 0;

    // A line of the text tables (Windows-1252, one byte per character).
    void TextAusgeben(int x, int y, std::string_view win1252);
};

// The printer as the printouts use it.
class IDrucker {
public:
    virtual ~IDrucker() = default;
    // Sets the orientation to landscape (done before the dialog, so it shows it).
    virtual void SetzeQuerformat() = 0;
    // The printer selection dialog with its default options; true when confirmed.
    virtual bool DruckdialogAusfuehren(QWidget* owner) = 0;
    virtual IDruckflaeche& Flaeche() = 0;
};

// The installed printer (the QPrinter one unless a replacement is installed).
IDrucker& Drucker();
// Installs a replacement; nullptr puts the QPrinter implementation back.
void SetzeDrucker(IDrucker* drucker);

// The frame of every printout: landscape orientation, the printer dialog and,
// when it is confirmed, one document: begun, filled by `seiten`, ended. An error
// while the pages are printed drops the begun document, so nothing half printed
// goes to the printer, and is passed on. False when the dialog was cancelled (no
// document then).
bool DokumentDrucken(QWidget* owner, const std::function<void(IDruckflaeche&)>& seiten);

// The footer of a page of width W and height H: "Seite " (English "Page ") and the
// page number in three characters, in the current font at (W div 2 - 120, H - 100).
void SeitenfussDrucken(IDruckflaeche& flaeche, int W, int H, int seitennummer);

// Ends a full page: its footer, then the next page is started.
void SeiteAbschliessen(IDruckflaeche& flaeche, int W, int H, int seitennummer);

// A table line centred on a page of width W by its character count, at
// x = W div 2 - (length div 2) * zeichenbreite.
void ZentriertDrucken(IDruckflaeche& flaeche, int W, int y, std::string_view zeile,
                      int zeichenbreite);

// A legend at (x, y) on: its first line (the title) in bold, the others with no
// style, one every `zeilenabstand`. Returns y under the last line.
int LegendeDrucken(IDruckflaeche& flaeche, int x, int y, const std::vector<std::string>& zeilen,
                   int zeilenabstand);

// The family that stands for a documented font name on this system: "Courier New"
// is drawn in the metric-compatible "Liberation Mono", "Arial" in "Liberation
// Sans"; other names stay as they are.
QString DruckSchriftfamilie(const QString& name);

// The printer on a QPrinter: landscape orientation as set, 600 dots per inch.
// With an output file name it writes a PDF file there and the dialog is confirmed
// without being shown.
class TQtDrucker final : public IDrucker, public IDruckflaeche {
public:
    explicit TQtDrucker(const QString& pdfDatei = {});
    ~TQtDrucker() override;
    TQtDrucker(const TQtDrucker&) = delete;
    TQtDrucker& operator=(const TQtDrucker&) = delete;

    void SetzeQuerformat() override;
    bool DruckdialogAusfuehren(QWidget* owner) override;
    IDruckflaeche& Flaeche() override { return *this; }

    void DokumentBeginnen() override;
    void DokumentBeenden() override;
    void DokumentAbbrechen() override;
    void NeueSeiteBeginnen() override;
    int Seitenbreite() override;
    int Seitenhoehe() override;
    void SetzeSchriftname(const QString& name) override;
    void SetzeSchriftgroesse(int punkte) override;
    void SetzeFett(bool fett) override;
    void TextAusgeben(int x, int y, const QString& text) override;
    int Textbreite(const QString& text) override;
    using IDruckflaeche::TextAusgeben;

private:
    void SchriftAnwenden();

    QString pdfDatei_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString schriftname_ = QStringLiteral("Arial");
    int schriftgroesse_ = 10;
    bool fett_ = false;
};

// Replacement for tests: records every call in order and answers the dialog with
// a preset answer. It installs itself while it exists and restores the previous
// printer when destroyed. Its page is `breite` x `hoehe` device units; a text is
// `Textbreite` = characters x size x 5 units wide.
class TDruckRekorder final : public IDrucker, public IDruckflaeche {
public:
    enum class TAufruf {
        Querformat,
        Dialog,
        DokumentBeginnen,
        DokumentBeenden,
        DokumentAbbrechen,
        NeueSeite,
        Schriftname,
        Schriftgroesse,
        Fett,
        Text
    };
    // One call; a text carries the canvas font it was drawn in.
    struct TEintrag {
        TAufruf Aufruf;
        int X = 0;
        int Y = 0;
        QString Text;  // the text drawn, or the font name set
        QString Schriftname;
        int Schriftgroesse = 0;
        bool Fett = false;
    };

    explicit TDruckRekorder(bool antwort = true, int breite = 6600, int hoehe = 4800);
    ~TDruckRekorder() override;
    TDruckRekorder(const TDruckRekorder&) = delete;
    TDruckRekorder& operator=(const TDruckRekorder&) = delete;

    void SetzeQuerformat() override;
    bool DruckdialogAusfuehren(QWidget* owner) override;
    IDruckflaeche& Flaeche() override { return *this; }

    void DokumentBeginnen() override;
    void DokumentBeenden() override;
    void DokumentAbbrechen() override;
    void NeueSeiteBeginnen() override;
    int Seitenbreite() override { return breite_; }
    int Seitenhoehe() override { return hoehe_; }
    void SetzeSchriftname(const QString& name) override;
    void SetzeSchriftgroesse(int punkte) override;
    void SetzeFett(bool fett) override;
    void TextAusgeben(int x, int y, const QString& text) override;
    int Textbreite(const QString& text) override;
    using IDruckflaeche::TextAusgeben;

    void SetzeAntwort(bool antwort) { antwort_ = antwort; }
    const std::vector<TEintrag>& Eintraege() const { return eintraege_; }
    // Only the drawn texts, in order.
    std::vector<TEintrag> Texte() const;
    // The drawn texts page by page (page 1 first).
    std::vector<std::vector<TEintrag>> Seiten() const;
    // True when the first call of the given kind comes before the first call of
    // the other (false when either is missing).
    bool Vorher(TAufruf erster, TAufruf zweiter) const;
    bool Enthaelt(TAufruf aufruf) const;
    void Leeren() { eintraege_.clear(); }

private:
    void Aufzeichnen(TAufruf aufruf, int x = 0, int y = 0, const QString& text = {});

    bool antwort_;
    int breite_;
    int hoehe_;
    QString schriftname_;
    int schriftgroesse_ = 0;
    bool fett_ = false;
    std::vector<TEintrag> eintraege_;
    IDrucker* vorher_;
};

}  // namespace zenaro
