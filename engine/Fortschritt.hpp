// The two ways the engine reaches the windows during a long computation: the
// progress window and the processing of pending window messages. The user
// interface installs its own implementations at start; tests install recorders.
// Without an installation both do nothing.
#pragma once

#include <cstdint>

namespace zenaro {

class IFortschrittsanzeige {
public:
    virtual ~IFortschrittsanzeige() = default;
    // Bar range and step as the computation sets them before use.
    virtual void SetzeBereich(std::int32_t minimum, std::int32_t maximum, std::int32_t schritt) = 0;
    virtual void SetzePosition(std::int32_t position) = 0;
    // Background colour of the bar as 0xBBGGRR ($FFFF00 is aqua).
    virtual void SetzeFarbe(std::uint32_t farbe) = 0;
    virtual void Zeigen() = 0;
    // Advances the bar by one step.
    virtual void Schritt() = 0;
    virtual void Verbergen() = 0;
};

class INachrichtenverarbeitung {
public:
    virtual ~INachrichtenverarbeitung() = default;
    // Lets the window system process its pending messages.
    virtual void NachrichtenVerarbeiten() = 0;
};

// The installed progress window (a do-nothing one when none is installed).
IFortschrittsanzeige& Fortschrittsanzeige();
// Installs a progress window; nullptr reinstalls the do-nothing one.
void SetzeFortschrittsanzeige(IFortschrittsanzeige* anzeige);

// Processes pending window messages through the installed handler.
void NachrichtenVerarbeiten();
void SetzeNachrichtenverarbeitung(INachrichtenverarbeitung* verarbeitung);

}  // namespace zenaro
