#include "ui/Plattform/Nachricht.hpp"

#include <QCoreApplication>
#include <QObject>
#include <map>
#include <utility>

namespace zenaro {

namespace {

// The message map of one receiver: a child object that filters the receiver's
// events and hands each message to the handler of its number.
class TNachrichtenTabelle final : public QObject {
public:
    explicit TNachrichtenTabelle(QObject& empfaenger) : QObject(&empfaenger) {
        setObjectName(Name());
        empfaenger.installEventFilter(this);
    }

    static QString Name() { return QStringLiteral("zenaro_Nachrichtentabelle"); }

    void Setzen(std::uint32_t nummer, TNachrichtenBehandlung behandlung) {
        if (behandlung)
            behandlungen_[nummer] = std::move(behandlung);
        else
            behandlungen_.erase(nummer);
    }

protected:
    bool eventFilter(QObject* empfaenger, QEvent* ereignis) override {
        if (empfaenger != parent() || ereignis->type() != TNachricht::Ereignistyp()) return false;
        auto* nachricht = static_cast<TNachricht*>(ereignis);
        const auto eintrag = behandlungen_.find(nachricht->Nummer);
        if (eintrag == behandlungen_.end()) return false;
        // A copy, so that a handler that replaces its own entry keeps running.
        const TNachrichtenBehandlung behandlung = eintrag->second;
        nachricht->Ergebnis = behandlung(nachricht->WParam, nachricht->LParam);
        return true;
    }

private:
    std::map<std::uint32_t, TNachrichtenBehandlung> behandlungen_;
};

}  // namespace

TNachricht::TNachricht(std::uint32_t nummer, std::int32_t wParam, std::int32_t lParam)
    : QEvent(Ereignistyp()), Nummer(nummer), WParam(wParam), LParam(lParam) {}

QEvent::Type TNachricht::Ereignistyp() {
    static const auto typ = static_cast<QEvent::Type>(QEvent::registerEventType());
    return typ;
}

std::intptr_t NachrichtSenden(QObject* empfaenger, std::uint32_t nummer, std::int32_t wParam,
                              std::int32_t lParam) {
    if (empfaenger == nullptr) return 0;
    TNachricht nachricht(nummer, wParam, lParam);
    // Delivered at once through the application, so that a runtime error of the
    // handler is reported like that of any other event handler.
    QCoreApplication::sendEvent(empfaenger, &nachricht);
    return nachricht.Ergebnis;
}

void NachrichtBehandeln(QObject& empfaenger, std::uint32_t nummer,
                        TNachrichtenBehandlung behandlung) {
    auto* tabelle = dynamic_cast<TNachrichtenTabelle*>(
        empfaenger.findChild<QObject*>(TNachrichtenTabelle::Name(), Qt::FindDirectChildrenOnly));
    if (tabelle == nullptr) tabelle = new TNachrichtenTabelle(empfaenger);
    tabelle->Setzen(nummer, std::move(behandlung));
}

}  // namespace zenaro
