#include "ui/Plattform/Memo.hpp"

#include <QMimeData>

namespace zenaro {

namespace {

bool HatInhalt(const QMimeData* quelle) { return quelle && !quelle->formats().isEmpty(); }

}  // namespace

TMemo::TMemo(QWidget* eltern) : QPlainTextEdit(eltern) {}

bool TMemo::canInsertFromMimeData(const QMimeData* quelle) const {
    return HatInhalt(quelle) && QPlainTextEdit::canInsertFromMimeData(quelle);
}

void TMemo::insertFromMimeData(const QMimeData* quelle) {
    if (HatInhalt(quelle)) QPlainTextEdit::insertFromMimeData(quelle);
}

}  // namespace zenaro
