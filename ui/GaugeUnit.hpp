// Module GaugeUnit: the small window that shows how far an ephemeris computation
// has come. It has no handlers of its own; the engine drives it through the
// progress interface (set range, colour and position, show, step, hide).
#pragma once

#include <QWidget>
#include <cstdint>

#include "engine/Fortschritt.hpp"

class QProgressBar;

namespace zenaro {

class TGaugeForm final : public QWidget, public IFortschrittsanzeige {
    Q_OBJECT

public:
    explicit TGaugeForm(QWidget* parent = nullptr);

    QProgressBar* Fortschritt;

    // The bar as the computation set it (the range may be empty, which the Qt bar
    // itself cannot show without turning into a busy indicator).
    std::int32_t Minimum() const { return minimum_; }
    std::int32_t Maximum() const { return maximum_; }
    std::int32_t Schrittweite() const { return schritt_; }
    std::int32_t Position() const { return position_; }
    // Background colour of the bar as 0xBBGGRR.
    std::uint32_t Farbe() const { return farbe_; }

    void SetzeBereich(std::int32_t minimum, std::int32_t maximum, std::int32_t schritt) override;
    void SetzePosition(std::int32_t position) override;
    void SetzeFarbe(std::uint32_t farbe) override;
    void Zeigen() override;
    void Schritt() override;
    void Verbergen() override;

private:
    void BalkenAbgleichen();

    std::int32_t minimum_ = 0;
    std::int32_t maximum_ = 100;
    std::int32_t schritt_ = 1;
    std::int32_t position_ = 0;
    std::uint32_t farbe_;
};

// The one progress window, alive from the program start to its end.
extern TGaugeForm* GaugeForm;

}  // namespace zenaro
