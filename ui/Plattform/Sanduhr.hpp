// The hourglass cursor during a long computation, and the processing of pending
// window messages that the engine asks for after each step of it.
#pragma once

#include "engine/Fortschritt.hpp"

namespace zenaro {

// Sets the hourglass cursor for the whole application. Like assigning the
// screen's cursor it does not nest: a second call keeps the one hourglass.
void SanduhrZeigen();
// Puts the normal cursor back (nothing happens when no hourglass is shown).
void NormalerCursor();
// True while the hourglass is shown.
bool SanduhrAktiv();

// Shows the hourglass for the lifetime of the object, so that a runtime error
// in the computation does not leave it standing.
class TSanduhr {
public:
    TSanduhr() { SanduhrZeigen(); }
    ~TSanduhr() { NormalerCursor(); }
    TSanduhr(const TSanduhr&) = delete;
    TSanduhr& operator=(const TSanduhr&) = delete;
};

// The engine's "process pending window messages", done by the Qt event loop.
class TQtNachrichtenverarbeitung final : public INachrichtenverarbeitung {
public:
    void NachrichtenVerarbeiten() override;
};

}  // namespace zenaro
