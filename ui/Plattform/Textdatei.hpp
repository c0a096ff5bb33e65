// A text file written line by line: single-byte lines (Windows-1252, as the text
// tables hold them), each ending in CR LF. The lines go to a temporary file in the
// same directory, which replaces the chosen file only when it is closed whole, so
// a failed write never leaves half a file nor destroys the file it was to replace.
// Every error raises the runtime's input/output error (ELaufzeitfehler).
#pragma once

#include <QString>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QSaveFile;

namespace zenaro {

class TTextdatei {
public:
    // Creates the file for writing (an existing file is replaced on Schliessen).
    // Error 3 when the directory does not exist, 5 when the directory or an
    // existing write-protected file does not allow writing or the name is a
    // directory.
    explicit TTextdatei(const QString& dateiname);
    // Without Schliessen the temporary file is removed and the old file stays.
    ~TTextdatei();
    TTextdatei(const TTextdatei&) = delete;
    TTextdatei& operator=(const TTextdatei&) = delete;

    // Writes the line and CR LF (error 101 when it cannot be written).
    void ZeileSchreiben(std::string_view zeile);
    // Completes the file and puts it in place of the old one (error 101).
    void Schliessen();

private:
    QString dateiname_;
    std::unique_ptr<QSaveFile> datei_;
};

// The whole file at once: creates it, writes every line, closes it.
void TextdateiSchreiben(const QString& dateiname, const std::vector<std::string>& zeilen);

}  // namespace zenaro
