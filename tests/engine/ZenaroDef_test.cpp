// The shared data model: checked tables, length-prefixed strings and their code
// page, the constant tables of both editions and the settings defaults.
#include "engine/ZenaroDef.hpp"

#include <gtest/gtest.h>

#include "engine/Einstellungsvorgaben.hpp"

namespace zenaro {
namespace {

TEST(Tabelle, IndexOutsideItsRangeRaisesRangeCheckInsteadOfOverwriting) {
    Objekte[1].Name = "C/2020 F3 (NEOWISE)";
    Objekte[MaxObjekte].Name = "last";
    EXPECT_EQ(Objekte[1].Name, "C/2020 F3 (NEOWISE)");
    for (std::int32_t falsch : {0, -1, MaxObjekte + 1}) {
        try {
            Objekte[falsch].Name = "x";
            FAIL() << falsch;
        } catch (const ELaufzeitfehler& e) {
            EXPECT_EQ(e.Nummer(), FehlerBereichsueberschreitung);
        }
    }
    EXPECT_THROW(HellParameterListe[MaxHellParameter + 1], ELaufzeitfehler);
    EXPECT_NO_THROW(HellParameterListe[MaxHellParameter]);  // the exchange slot exists
    EXPECT_THROW(Wochentage[7], ELaufzeitfehler);
    EXPECT_THROW(Objekte[1].Perihel[4], ELaufzeitfehler);
    Objekte[1] = TBahnelement{};
    Objekte[MaxObjekte] = TBahnelement{};
}

TEST(Tabelle, CapacitiesAreThoseOfTheDataModel) {
    EXPECT_EQ(decltype(Objekte)::Kapazitaet, 1000);
    EXPECT_EQ(decltype(Orte)::Kapazitaet, 2000);
    EXPECT_EQ(decltype(NGCKatalog)::Kapazitaet, 7840);
    EXPECT_EQ(decltype(ICKatalog)::Kapazitaet, 5386);
    EXPECT_EQ(decltype(Sternkatalog)::Kapazitaet, 9110);
    EXPECT_EQ(decltype(HellParameterListe)::Kapazitaet, 1001);
    EXPECT_EQ(decltype(HellAuswahl)::Kapazitaet, 1000);
    EXPECT_EQ(decltype(Ephemeride)::Kapazitaet, 10000);
    EXPECT_EQ(decltype(KonjPositionen)::Kapazitaet, 10000);
    EXPECT_EQ(decltype(Konjunktionen)::Kapazitaet, 10000);
}

TEST(ShortString, CutsToItsSizeAndComparesByLength) {
    ShortString<3> s = "ABCDE";
    EXPECT_EQ(s.Text(), "ABC");
    EXPECT_EQ(s.Laenge(), 3u);
    EXPECT_EQ(s[1], 'A');
    EXPECT_THROW(s[4], ELaufzeitfehler);
    EXPECT_THROW(s[0], ELaufzeitfehler);
    ShortString<60> a = "M 42";
    ShortString<10> b = "M 42";
    ShortString<10> c = "M 42 ";
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(b == c);  // names match including their length
    EXPECT_TRUE(a == std::string("M 42"));
    // A damaged length byte above the field size reads as the full field.
    s.LaengenByteSetzen(200);
    EXPECT_EQ(s.Text(), "ABC");
    std::string kopie = b;
    EXPECT_EQ(kopie, "M 42");
}

TEST(ShortString, Windows1252RoundTripsThroughUtf8) {
    std::string alle;
    for (int b = 1; b < 256; ++b) alle += static_cast<char>(b);
    const std::string utf8 = Win1252NachUtf8(alle);
    EXPECT_EQ(Utf8NachWin1252(utf8), alle);
    EXPECT_EQ(Win1252NachUtf8("Gr\xFC\xDF"), "Gr\u00FC\u00DF");
    EXPECT_EQ(Win1252NachUtf8("\x80\x96"), "\u20AC\u2013");
    EXPECT_EQ(Utf8NachWin1252("\u20AC 5\u00B0"), "\x80 5\xB0");
    // Characters outside the code page and malformed sequences become "?".
    EXPECT_EQ(Utf8NachWin1252("\u4E2D\xF0\x9F\x98\x80"), "??");
    EXPECT_EQ(Utf8NachWin1252("a\xC3"), "a?");
    EXPECT_EQ(Utf8NachWin1252("\xFF\xC0\xAF"), "??");  // overlong sequence: one "?"
}

TEST(Konstanten, WeekdaysAndMonthsOfBothEditions) {
    EXPECT_EQ(Wochentage[0], "So");
    EXPECT_EQ(Wochentage[6], "Sa");
    Englisch = false;
    EXPECT_EQ(Monatsnamen[3], "Mrz");
    EXPECT_EQ(Monatsnamen[12], "Dez");
    Englisch = true;
    EXPECT_EQ(Monatsnamen[3], "Mar");
    EXPECT_EQ(Monatsnamen[10], "Oct");
    EXPECT_EQ(Wochentage[3], "Mi");  // weekdays stay German
    EXPECT_THROW(Monatsnamen[13], ELaufzeitfehler);
    EXPECT_THROW(Monatsnamen[0], ELaufzeitfehler);
    Englisch = false;
}

TEST(Einstellungen, DefaultsAndTheRecordOfTheLiveSettings) {
    EinstellungenVorgabenSetzen("09.12.2026 extra");
    test::ErwarteEinstellungsvorgaben("09.12.2026");

    TEinstellungen satz = EinstellungenAlsSatz();
    satz.Grenzgroesse = 9.5L;
    satz.Stopzeit = "23:59";
    EinstellungenUebernehmen(satz);
    EXPECT_EQ(Grenzgroesse, 9.5L);
    EXPECT_EQ(Stopzeit, "23:59");
    EXPECT_EQ(Startdatum, "09.12.2026");
}

}  // namespace
}  // namespace zenaro
