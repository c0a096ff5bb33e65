// Placement of windows on the screen.
#pragma once

class QWidget;

namespace zenaro {

// Moves a window so that its frame is centred in the free area of its screen
// (the primary screen when it has none yet), as a window positioned at the
// screen's centre is placed when it is created.
void AufBildschirmZentrieren(QWidget& fenster);

}  // namespace zenaro
