#include "ui/Plattform/Textdatei.hpp"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include "astro/Laufzeit.hpp"

namespace zenaro {

namespace {

[[noreturn]] void Fehler(std::int32_t nummer, const QString& dateiname) {
    Laufzeitfehler(nummer, QDir::toNativeSeparators(dateiname).toStdString());
}

}  // namespace

TTextdatei::TTextdatei(const QString& dateiname) : dateiname_(dateiname) {
    const QFileInfo info(dateiname);
    if (dateiname.isEmpty() || !info.dir().exists()) Fehler(FehlerPfadNichtGefunden, dateiname);
    // Like creating a file over a write-protected one or over a directory: access
    // denied, and the existing entry stays as it is.
    if (info.isDir() || (info.exists() && !info.isWritable()))
        Fehler(FehlerZugriffVerweigert, dateiname);
    datei_ = std::make_unique<QSaveFile>(dateiname);
    // Never write into the old file directly: it stays whole until the new one is.
    datei_->setDirectWriteFallback(false);
    // Unbuffered: a write that the disk takes only in part is seen at once (the
    // buffered device would drop the rest silently and complete the file).
    if (!datei_->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        datei_.reset();
        Fehler(FehlerZugriffVerweigert, dateiname);
    }
}

TTextdatei::~TTextdatei() {
    if (datei_) datei_->cancelWriting();  // the temporary file goes, the old file stays
}

void TTextdatei::ZeileSchreiben(std::string_view zeile) {
    if (!datei_) Fehler(FehlerSchreiben, dateiname_);
    std::string text;
    text.reserve(zeile.size() + 2);
    text.append(zeile).append("\r\n");
    const auto laenge = static_cast<qint64>(text.size());
    if (datei_->write(text.data(), laenge) != laenge) {
        datei_->cancelWriting();
        datei_.reset();
        Fehler(FehlerSchreiben, dateiname_);
    }
}

void TTextdatei::Schliessen() {
    if (!datei_) Fehler(FehlerSchreiben, dateiname_);
    const bool ok = datei_->commit();
    datei_.reset();
    if (!ok) Fehler(FehlerSchreiben, dateiname_);
}

void TextdateiSchreiben(const QString& dateiname, const std::vector<std::string>& zeilen) {
    TTextdatei datei(dateiname);
    for (const auto& zeile : zeilen) datei.ZeileSchreiben(zeile);
    datei.Schliessen();
}

}  // namespace zenaro
