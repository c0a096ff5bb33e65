#include "ui/Plattform/Fenster.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zenaro {

void AufBildschirmZentrieren(QWidget& fenster) {
    const QScreen* bildschirm =
        fenster.screen() != nullptr ? fenster.screen() : QGuiApplication::primaryScreen();
    if (bildschirm == nullptr) return;
    QRect rahmen = fenster.frameGeometry();
    rahmen.moveCenter(bildschirm->availableGeometry().center());
    fenster.move(rahmen.topLeft());
}

}  // namespace zenaro
