#include "engine/Fortschritt.hpp"

namespace zenaro {

namespace {

class KeineAnzeige final : public IFortschrittsanzeige {
public:
    void SetzeBereich(std::int32_t, std::int32_t, std::int32_t) override {}
    void SetzePosition(std::int32_t) override {}
    void SetzeFarbe(std::uint32_t) override {}
    void Zeigen() override {}
    void Schritt() override {}
    void Verbergen() override {}
};

KeineAnzeige keineAnzeige;
IFortschrittsanzeige* anzeige = &keineAnzeige;
INachrichtenverarbeitung* verarbeitung = nullptr;

}  // namespace

IFortschrittsanzeige& Fortschrittsanzeige() { return *anzeige; }

void SetzeFortschrittsanzeige(IFortschrittsanzeige* neu) {
    anzeige = neu != nullptr ? neu : &keineAnzeige;
}

void NachrichtenVerarbeiten() {
    if (verarbeitung != nullptr) verarbeitung->NachrichtenVerarbeiten();
}

void SetzeNachrichtenverarbeitung(INachrichtenverarbeitung* neu) { verarbeitung = neu; }

}  // namespace zenaro
