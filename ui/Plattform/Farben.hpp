// The colours of the windows: coloured surfaces, and texts that stay readable
// when their control is disabled or their window inactive, whatever the desktop
// theme gives.
#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace zenaro {

// The text of a disabled control is its enabled text faded toward its background
// until its contrast is 0.6 of the enabled one, but no further than 4.5:1 and not
// below 3:1: readable, and plainly lighter than enabled text (at most 2/3 of its
// contrast when the enabled text reads at 4.5:1 or more).

// The palette of the application: an inactive window (one behind a message box)
// looks as an active one, and the texts of disabled controls (captions on the
// window colour, edits, buttons) are faded so on their backgrounds.
QPalette LesbarePalette(QPalette farben);

// Fills a window or control with a colour of its own; its disabled captions are
// faded so on that colour.
void Einfaerben(QWidget& flaeche, const QColor& farbe);

}  // namespace zenaro
