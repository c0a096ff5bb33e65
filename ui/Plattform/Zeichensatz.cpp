#include "ui/Plattform/Zeichensatz.hpp"

#include "engine/ShortString.hpp"

namespace zenaro {

QString Win1252AlsQString(std::string_view win1252) {
    return QString::fromStdString(Win1252NachUtf8(win1252));
}

std::string QStringAlsWin1252(const QString& text) { return Utf8NachWin1252(text.toStdString()); }

}  // namespace zenaro
