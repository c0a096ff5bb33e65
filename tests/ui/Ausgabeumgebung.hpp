// The settings the ephemeris and conjunction outputs read (edition, mode, place,
// zone, dates, first objects), set alike before each output test and reset after
// it, and the conversion of the tables' Windows-1252 text to what the widgets and
// the printer receive.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "Anwendungsumgebung.hpp"
#include "engine/ShortString.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro::test {

// A Windows-1252 table text as the widgets and the printer receive it.
inline QString Q(const std::string& win1252) {
    return QString::fromStdString(Win1252NachUtf8(win1252));
}

// The ephemeris of one object from Sonneberg, German edition, single-object mode,
// visible rows only, from 09.12.2026 22:00 MEZ with the astronomical twilight; the
// first object is "C/2026 A1 (Test)" with its perihelion in March 2026.
class EphemeridenUmgebung : public ::testing::Test {
protected:
    void SetUp() override {
        Anwendung();
        Englisch = false;
        AlleObjekteModus = false;
        DeepSkyAnzeigen = false;
        HellParameterBenutzen = false;
        NurSichtbare = true;
        AnzahlHellParameter = 0;
        AnzahlZeilen = 0;
        Grenzgroesse = 12.0L;
        Startdatum = "09.12.2026";
        Startzeit = "22:00";
        ZeitzonenName = "MEZ";
        DaemmerungsHoehe = -18;
        Orte[1] = TOrt{};
        Orte[1].Name = "Sonneberg";
        AktOrt = 1;
        Objekte[1] = TBahnelement{};
        Objekte[1].Name = "C/2026 A1 (Test)";
        Objekte[1].Perihel[1] = 2026.0L;
        Objekte[1].Perihel[2] = 3.0L;
        AktObjekt = 1;
    }
    void TearDown() override {
        Englisch = false;
        AlleObjekteModus = false;
        AnzahlZeilen = 0;
    }

    // A row of the first object on the start day, Wednesday 09.12.2026.
    static TEphemeridenZeile Startzeile() {
        TEphemeridenZeile z;
        z.ObjektNr = 1;
        z.Wochentag = "Mi";
        z.Tag = 9;
        z.Monat = 12;
        z.Jahr = 2026;
        return z;
    }
};

// The conjunctions seen from Bülach, German edition, single-object mode, from
// 05.01.2026 01:00 to 07.01.2026 23:30 MEZ; the objects and the limiting magnitude
// are each test's own.
class KonjunktionsUmgebung : public ::testing::Test {
protected:
    void SetUp() override {
        Englisch = false;
        Orte[1].Name = "B\xFClach";  // Windows-1252 "ü"
        AktOrt = 1;
        ZeitzonenName = "MEZ";
        Startdatum = "05.01.2026";
        Startzeit = "01:00";
        Stopdatum = "07.01.2026";
        Stopzeit = "23:30";
        AlleObjekteModus = false;
        AnzahlKonjunktionen = 0;
    }
    void TearDown() override { Englisch = false; }

    // A row of the first two objects on the start day, Monday 05.01.2026.
    static TKonjunktionsZeile Startzeile() {
        TKonjunktionsZeile z;
        z.ObjektNr1 = 1;
        z.ObjektNr2 = 2;
        z.Wochentag = "Mo";
        z.Jahr = 2026;
        z.Monat = 1;
        z.Tag = 5;
        return z;
    }
};

}  // namespace zenaro::test
