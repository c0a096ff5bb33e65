#include "ui/Plattform/Zeichensatz.hpp"

#include <QLineEdit>
#include <QValidator>

#include "engine/ShortString.hpp"

namespace zenaro {

namespace {

class TWin1252Pruefer final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& /*position*/) const override {
        return Win1252Darstellbar(text) ? Acceptable : Invalid;
    }
};

}  // namespace

QString Win1252AlsQString(std::string_view win1252) {
    return QString::fromStdString(Win1252NachUtf8(win1252));
}

std::string QStringAlsWin1252(const QString& text) { return Utf8NachWin1252(text.toStdString()); }

bool Win1252Darstellbar(const QString& text) {
    // A character without a byte comes back as "?" (a lone surrogate too).
    return Win1252AlsQString(QStringAlsWin1252(text)) == text;
}

void NurWin1252Zulassen(QLineEdit& feld) { feld.setValidator(new TWin1252Pruefer(&feld)); }

}  // namespace zenaro
