#include "ui/GaugeUnit.hpp"

#include <QPalette>
#include <QProgressBar>

#include "ui/Plattform/Fenster.hpp"
#include "ui/Texte.hpp"

namespace zenaro {

TGaugeForm* GaugeForm = nullptr;

namespace {

QColor AusBGR(std::uint32_t farbe) {
    return QColor(static_cast<int>(farbe & 0xFFu), static_cast<int>((farbe >> 8) & 0xFFu),
                  static_cast<int>((farbe >> 16) & 0xFFu));
}

}  // namespace

TGaugeForm::TGaugeForm(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint) {
    setObjectName("GaugeForm");
    setWindowTitle(Text(TextNr::GaugeFormTitel));
    setFixedSize(258, 28);
    setAutoFillBackground(true);
    QPalette farben = palette();
    farben.setColor(QPalette::Window, QColor(0, 0, 128));        // navy
    farben.setColor(QPalette::WindowText, QColor(0, 255, 255));  // aqua
    setPalette(farben);
    QFont schrift("MS Sans Serif");
    setFont(schrift);

    Fortschritt = new QProgressBar(this);
    Fortschritt->setObjectName("Fortschritt");
    Fortschritt->setGeometry(0, 8, 257, 9);
    Fortschritt->setTextVisible(false);
    farbe_ =
        0xFFFFFFu & static_cast<std::uint32_t>(Fortschritt->palette().color(QPalette::Base).rgb());
    BalkenAbgleichen();
    AufBildschirmZentrieren(*this);
    hide();
}

void TGaugeForm::BalkenAbgleichen() {
    // A Qt bar with an empty range shows a busy indicator; the progress window
    // shows an empty range as an empty bar instead.
    if (maximum_ > minimum_)
        Fortschritt->setRange(minimum_, maximum_);
    else
        Fortschritt->setRange(minimum_, minimum_ + 1);
    Fortschritt->setValue(position_);
}

void TGaugeForm::SetzeBereich(std::int32_t minimum, std::int32_t maximum, std::int32_t schritt) {
    minimum_ = minimum;
    maximum_ = maximum;
    schritt_ = schritt;
    SetzePosition(position_);
}

void TGaugeForm::SetzePosition(std::int32_t position) {
    // The position is kept inside the range.
    if (position > maximum_) position = maximum_;
    if (position < minimum_) position = minimum_;
    position_ = position;
    BalkenAbgleichen();
}

void TGaugeForm::SetzeFarbe(std::uint32_t farbe) {
    farbe_ = farbe & 0xFFFFFFu;
    QPalette farben = Fortschritt->palette();
    farben.setColor(QPalette::Base, AusBGR(farbe_));
    farben.setColor(QPalette::Window, AusBGR(farbe_));
    Fortschritt->setPalette(farben);
}

void TGaugeForm::Zeigen() {
    if (!isVisible()) AufBildschirmZentrieren(*this);
    show();
    raise();
}

void TGaugeForm::Schritt() {
    // Stepping past the maximum starts the bar over from the minimum; 64-bit
    // arithmetic keeps absurd ranges from overflowing.
    std::int64_t neu = std::int64_t{position_} + schritt_;
    if (neu > maximum_ || neu < minimum_) {
        const std::int64_t spanne = std::int64_t{maximum_} - minimum_;
        neu = spanne > 0 ? minimum_ + ((neu - minimum_) % spanne + spanne) % spanne : minimum_;
    }
    position_ = static_cast<std::int32_t>(neu);
    BalkenAbgleichen();
}

void TGaugeForm::Verbergen() { hide(); }

}  // namespace zenaro
