// Window messages between the program's own windows: a message number with two
// parameters, sent synchronously to a receiving window, which has handled it
// before the send returns and answers with a result. The date and time picker
// reports its choice to the main window this way (WM_DATUM).
#pragma once

#include <QEvent>
#include <cstdint>
#include <functional>

class QObject;

namespace zenaro {

// The first message number free for a program's own messages.
inline constexpr std::uint32_t WM_USER = 0x400;
// The date picker's message: first parameter the item code, second the value.
inline constexpr std::uint32_t WM_DATUM = WM_USER + 510;
static_assert(WM_DATUM == 0x5FE);

// One message on its way to the receiver, delivered as an event.
class TNachricht final : public QEvent {
public:
    TNachricht(std::uint32_t nummer, std::int32_t wParam, std::int32_t lParam);

    // The event type under which every message travels.
    static QEvent::Type Ereignistyp();

    const std::uint32_t Nummer;
    const std::int32_t WParam;
    const std::int32_t LParam;
    // The receiver's answer; 0 until a handler sets it.
    std::intptr_t Ergebnis = 0;
};

// A receiver's handler of one message number: gets both parameters, returns the
// result.
using TNachrichtenBehandlung =
    std::function<std::intptr_t(std::int32_t wParam, std::int32_t lParam)>;

// Sends the message to the receiver and returns its result once the handler has
// run. Without receiver, or when the receiver has no handler for the number,
// nothing happens and the result is 0. A runtime error of the handler is shown
// by the application as for any event handler; the result is then 0.
std::intptr_t NachrichtSenden(QObject* empfaenger, std::uint32_t nummer, std::int32_t wParam,
                              std::int32_t lParam);

// Gives the receiver its handler of one message number (its message map entry).
// A second call for the same receiver and number replaces the handler; an empty
// handler removes it. The entry lives as long as the receiver.
void NachrichtBehandeln(QObject& empfaenger, std::uint32_t nummer,
                        TNachrichtenBehandlung behandlung);

}  // namespace zenaro
