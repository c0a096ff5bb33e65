// The save dialog: the user picks the full name of a file to write. The properties
// are those of the form's dialog component (filter, default extension, options);
// the installed implementation shows a QFileDialog, tests install a recorder that
// answers with preset names.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class QWidget;

namespace zenaro {

// A save dialog as a form holds it.
class TSpeicherDialog {
public:
    // Entries "description|pattern", several joined by "|" ("Textdateien|*.txt").
    QString Filter;
    // Appended with a "." to a name typed without an extension ("txt"; a leading
    // "*." or "." is ignored, so "*.txt" works the same).
    QString Standarderweiterung;
    // Ask before an existing file is overwritten; declining returns to the dialog.
    bool UeberschreibenFragen = false;
    // Hide the read-only check box and let the user resize the dialog (the Qt
    // dialog has no read-only box and is always resizable; kept for the record).
    bool SchreibschutzVerbergen = false;
    bool GroesseAenderbar = false;
    // The chosen full file name after a confirmed dialog.
    QString Dateiname;

    // Runs the dialog; true when the user confirmed a name (then in Dateiname).
    bool Ausfuehren(QWidget* owner);
};

// The dialog window itself: returns the name as the user typed or picked it
// (before the default extension and the overwrite question), or nothing when
// cancelled.
class ISpeicherdialogAnzeige {
public:
    virtual ~ISpeicherdialogAnzeige() = default;
    virtual std::optional<QString> Zeigen(QWidget* owner, const TSpeicherDialog& dialog) = 0;
};

// The installed dialog window (QFileDialog unless a replacement is installed).
ISpeicherdialogAnzeige& Speicherdialoge();
// Installs a replacement; nullptr puts the QFileDialog implementation back.
void SetzeSpeicherdialoge(ISpeicherdialogAnzeige* anzeige);

// The name with the default extension appended when its last path component has
// no extension ("bericht" -> "bericht.txt", "bericht.dat" stays).
QString MitStandarderweiterung(const QString& name, const QString& erweiterung);

// The Qt filter list for a filter in the "description|pattern|..." form
// ("Textdateien|*.txt" -> "Textdateien (*.txt)").
QStringList QtFilter(const QString& filter);

// A system dialog shows the normal mouse cursor even while the program shows the
// hourglass; the hourglass comes back when the dialog closes.
class TNormalerCursorImDialog {
public:
    TNormalerCursorImDialog();
    ~TNormalerCursorImDialog();
    TNormalerCursorImDialog(const TNormalerCursorImDialog&) = delete;
    TNormalerCursorImDialog& operator=(const TNormalerCursorImDialog&) = delete;

private:
    bool sanduhr_;
};

// Replacement for tests: answers each dialog shown with the next preset answer (a
// file name, or nothing for Cancel; Cancel once the answers run out) and records
// every dialog shown. It installs itself while it exists and restores the
// previous implementation when destroyed.
class TSpeicherdialogRekorder final : public ISpeicherdialogAnzeige {
public:
    explicit TSpeicherdialogRekorder(std::vector<std::optional<QString>> antworten = {});
    ~TSpeicherdialogRekorder() override;
    TSpeicherdialogRekorder(const TSpeicherdialogRekorder&) = delete;
    TSpeicherdialogRekorder& operator=(const TSpeicherdialogRekorder&) = delete;

    std::optional<QString> Zeigen(QWidget* owner, const TSpeicherDialog& dialog) override;

    void SetzeAntworten(std::vector<std::optional<QString>> antworten);
    // The dialogs as they were when shown.
    const std::vector<TSpeicherDialog>& Gezeigt() const { return gezeigt_; }

private:
    std::vector<std::optional<QString>> antworten_;
    std::size_t naechste_ = 0;
    std::vector<TSpeicherDialog> gezeigt_;
    ISpeicherdialogAnzeige* vorher_;
};

}  // namespace zenaro
