#include "ui/Plattform/Sanduhr.hpp"

#include <QApplication>
#include <QCursor>

namespace zenaro {

namespace {
bool sanduhr = false;
}  // namespace

void SanduhrZeigen() {
    if (sanduhr) return;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    sanduhr = true;
}

void NormalerCursor() {
    if (!sanduhr) return;
    QApplication::restoreOverrideCursor();
    sanduhr = false;
}

bool SanduhrAktiv() { return sanduhr; }

void TQtNachrichtenverarbeitung::NachrichtenVerarbeiten() { QCoreApplication::processEvents(); }

}  // namespace zenaro
