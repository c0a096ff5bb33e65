// The application object and the program entry: the window application that shows
// a runtime error of any event handler as an error box, and `Hauptprogramm`,
// which prepares the data, creates the three long-lived windows and runs the
// message loop.
#pragma once

#include <QApplication>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "astro/Laufzeit.hpp"

namespace zenaro {

// The text of the error box for a runtime error, in the current edition: the kind
// and number ("E/A-Fehler 100" / "I/O error 100" for input/output errors,
// "Laufzeitfehler 201" / "Runtime error 201" for the others), the runtime's text
// of the number and what the error names (a file, a routine).
QString LaufzeitfehlerMeldung(const ELaufzeitfehler& fehler);
// Shows the error box for a runtime error.
void LaufzeitfehlerZeigen(const ELaufzeitfehler& fehler);

// The window application. An ELaufzeitfehler (or any other exception) that leaves
// an event handler ends that handler's operation and is shown as an error box;
// the application carries on. Its palette is the desktop theme's made readable
// (LesbarePalette), from the start and after every change of the theme.
class TAnwendung final : public QApplication {
    Q_OBJECT

public:
    TAnwendung(int& argc, char** argv);
    bool notify(QObject* empfaenger, QEvent* ereignis) override;

protected:
    bool event(QEvent* ereignis) override;

private:
    void PaletteLesbarMachen();
    bool paletteSetzen_ = false;
};

// The three long-lived windows and their installation as the engine's progress
// window and message processing. Starten() runs start steps 2 to 5; the
// destructor removes the windows again.
class TProgramm {
public:
    TProgramm() = default;
    ~TProgramm();
    TProgramm(const TProgramm&) = delete;
    TProgramm& operator=(const TProgramm&) = delete;

    // Loads the data of the working directory, reports files with more records
    // than their tables hold, and creates the main window, the progress window
    // and the brightness editor (none of them shown yet). Returns 0, or the
    // number of the runtime error that ended the start after its error box was
    // shown; then no window exists.
    std::int32_t Starten(const std::string& arbeitsverzeichnis);
    // The same for the current working directory.
    std::int32_t Starten();

private:
    std::int32_t StartenMit(const std::function<void()>& laden);
    void Abbauen();
};

// The program: initialises the window application, runs the start and the
// message loop. Returns the exit code: 0 after the message loop ended, or the
// runtime error number when the start failed.
int Hauptprogramm();

}  // namespace zenaro
