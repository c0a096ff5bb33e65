// The ephemeris text file: the save dialog's settings, a cancelled dialog, the
// default extension, the question before replacing a file, the exact bytes of a
// written file, and a failed write that keeps the old file.
#include "ui/ZenaroSpeicherUnit.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QWidget>
#include <csignal>
#include <string>

#include "Ausgabeumgebung.hpp"
#include "astro/Laufzeit.hpp"
#include "engine/ZenaroDef.hpp"
#include "ui/Ephemeridentext.hpp"
#include "ui/Plattform/Meldungen.hpp"
#include "ui/Plattform/Sanduhr.hpp"

namespace zenaro {
namespace {

class ZenaroSpeicherUnit_ : public test::EphemeridenUmgebung {
protected:
    void SetUp() override {
        EphemeridenUmgebung::SetUp();
        ASSERT_TRUE(dir.isValid());
        Objekte[1].Name = "C/2026 A1";
    }

    static void Zeilen(int anzahl) {
        AnzahlZeilen = anzahl;
        for (int i = 1; i <= anzahl; ++i) {
            TEphemeridenZeile z;
            z.ObjektNr = 1;
            z.Wochentag = "Mo";
            z.Tag = i;
            z.Monat = 1;
            z.Jahr = 2027;
            z.Zeit = 1.0L;
            z.Dek = 12.5L;
            z.TOptHoehe = 40.0L;
            z.Distanz = 999.0L;
            Ephemeride[i] = z;
        }
    }

    // Runs the form with the given dialog answers; the form must be gone after it.
    static void Speichern(std::vector<std::optional<QString>> antworten,
                          TSpeicherdialogRekorder* rekorder = nullptr) {
        std::optional<TSpeicherdialogRekorder> eigener;
        if (rekorder == nullptr) rekorder = &eigener.emplace();
        TSpeicherdialogRekorder& r = *rekorder;
        r.SetzeAntworten(std::move(antworten));
        QWidget owner;
        QPointer<TSpeicherForm> form;
        try {
            form = new TSpeicherForm(&owner);
        } catch (...) {
            EXPECT_FALSE(SanduhrAktiv());
            throw;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(form.isNull());
        EXPECT_FALSE(SanduhrAktiv());
    }

    static QByteArray Inhalt(const QString& name) {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QString Pfad(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

TEST_F(ZenaroSpeicherUnit_, DialogSettingsAndCancelWritesNothing) {
    TSpeicherdialogRekorder rekorder;
    Speichern({std::nullopt}, &rekorder);
    ASSERT_EQ(rekorder.Gezeigt().size(), 1u);
    const TSpeicherDialog& d = rekorder.Gezeigt()[0];
    EXPECT_EQ(d.Filter, QStringLiteral("Textdateien|*.txt"));
    EXPECT_EQ(d.Standarderweiterung, QStringLiteral("txt"));
    EXPECT_TRUE(d.UeberschreibenFragen);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ZenaroSpeicherUnit_, FileHoldsTheTableInWindows1252WithCrLf) {
    Zeilen(7);
    Speichern({Pfad("ephemeride")});  // typed without an extension
    const QByteArray inhalt = Inhalt(Pfad("ephemeride.txt"));

    QByteArray erwartet;
    for (const TTextZeile& z : Ephemeridentext(TAusgabeSenke::Datei))
        erwartet += QByteArray::fromStdString(z.Text) + "\r\n";
    EXPECT_EQ(inhalt, erwartet);

    // Byte-level checks that do not depend on the table: umlaut and degree sign as
    // single Windows-1252 bytes, every LF after a CR, the file ends in CR LF.
    EXPECT_TRUE(inhalt.startsWith("Ephemeride f\xFCr C/2026 A1\r\n\r\n"));
    EXPECT_TRUE(inhalt.contains("+12\xB0 30.0"));
    EXPECT_FALSE(inhalt.contains("\xC3"));
    EXPECT_TRUE(inhalt.endsWith("\r\n"));
    EXPECT_FALSE(inhalt.endsWith("\r\n\r\n\r\n"));
    for (qsizetype i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] == '\n') {
            ASSERT_EQ(inhalt[i - 1], '\r') << i;
        }
    }
    // One empty line after the fifth row only, before the legend's own.
    const QList<QByteArray> zeilen = inhalt.split('\n');
    qsizetype fuenfte = -1;
    for (qsizetype i = 0; i < zeilen.size(); ++i)
        if (zeilen[i].startsWith("Mo 05.")) fuenfte = i;
    ASSERT_GT(fuenfte, 0);
    EXPECT_EQ(zeilen[fuenfte + 1], "\r");
    EXPECT_TRUE(zeilen[fuenfte + 2].startsWith("Mo 06."));
    EXPECT_TRUE(zeilen[fuenfte + 3].startsWith("Mo 07."));
    EXPECT_EQ(zeilen[fuenfte + 4], "\r");
    EXPECT_EQ(zeilen[fuenfte + 5], "Legende:\r");
}

TEST_F(ZenaroSpeicherUnit_, ExistingFileIsReplacedOnlyAfterYes) {
    const QString name = Pfad("alt.txt");
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt\r\n");
    }
    {
        TMeldungsRekorder meldungen(false);  // "No": the dialog comes again, then Cancel
        TSpeicherdialogRekorder dialoge;
        Speichern({Pfad("alt"), std::nullopt}, &dialoge);
        ASSERT_EQ(meldungen.Eintraege().size(), 1u);
        EXPECT_EQ(meldungen.Eintraege()[0].art, TMeldungsart::Frage);
        EXPECT_TRUE(meldungen.Eintraege()[0].text.contains(name));
        EXPECT_EQ(dialoge.Gezeigt().size(), 2u);
        EXPECT_EQ(Inhalt(name), QByteArray("alt\r\n"));
    }
    TMeldungsRekorder meldungen(true);
    Speichern({name});
    EXPECT_TRUE(Inhalt(name).startsWith("Ephemeride f\xFCr"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ZenaroSpeicherUnit_, FailedWriteRaisesTheIOErrorAndKeepsTheOldFile) {
    const QString name = Pfad("alt.txt");
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt\r\n");
    }
    Zeilen(50);
    TMeldungsRekorder meldungen(true);
    // The disk takes no more than 200 bytes per file: the new file cannot be
    // written whole.
    rlimit vorher{};
    getrlimit(RLIMIT_FSIZE, &vorher);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = vorher;
    eng.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &eng), 0);
    std::int32_t nummer = 0;
    try {
        Speichern({name});
    } catch (const ELaufzeitfehler& e) {
        nummer = e.Nummer();
    }
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);
    EXPECT_EQ(nummer, FehlerSchreiben);
    EXPECT_EQ(Inhalt(name), QByteArray("alt\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST_F(ZenaroSpeicherUnit_, DirectoryRefusingTheNewFileRaisesTheErrorAndKeepsTheOldFile) {
    // A directory without write permission; for the superuser, whom permissions do
    // not stop, a name so long that the finished file cannot be put in its place.
    const auto alle = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(Pfad("probe"));
    const bool rechteWirken = !probe.open(QIODevice::WriteOnly);
    probe.remove();
    QFile::setPermissions(dir.path(), alle);
    const QString name =
        rechteWirken ? Pfad("alt.txt") : dir.filePath(QString(246, u'a') + QStringLiteral(".txt"));
    {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt\r\n");
    }
    if (rechteWirken) QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    TMeldungsRekorder meldungen(true);
    std::int32_t nummer = 0;
    try {
        Speichern({name});
    } catch (const ELaufzeitfehler& e) {
        nummer = e.Nummer();
    }
    QFile::setPermissions(dir.path(), alle);
    EXPECT_EQ(nummer, rechteWirken ? FehlerZugriffVerweigert : FehlerSchreiben);
    EXPECT_EQ(Inhalt(name), QByteArray("alt\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(Speicherdialog, DefaultExtensionOnlyForANameWithoutOne) {
    const QString txt = QStringLiteral("txt");
    EXPECT_EQ(MitStandarderweiterung(QStringLiteral("/a.b/bericht"), txt),
              QStringLiteral("/a.b/bericht.txt"));
    EXPECT_EQ(MitStandarderweiterung(QStringLiteral("/a/bericht.dat"), txt),
              QStringLiteral("/a/bericht.dat"));
    EXPECT_EQ(MitStandarderweiterung(QStringLiteral("bericht"), QStringLiteral("*.txt")),
              QStringLiteral("bericht.txt"));
    EXPECT_EQ(QtFilter(QStringLiteral("Textdateien|*.txt")),
              QStringList{QStringLiteral("Textdateien (*.txt)")});
}

}  // namespace
}  // namespace zenaro
