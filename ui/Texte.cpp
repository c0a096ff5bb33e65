#include "ui/Texte.hpp"

#include <array>
#include <cstddef>

#include "engine/ZenaroDef.hpp"

namespace zenaro {

namespace {

struct TTextZeile {
    TextNr nr;
    const char* deutsch;
    const char* englisch;
};

// One line per text, in the order of TextNr (checked below when compiling).
constexpr TTextZeile TextTabelle[] = {
    {TextNr::TitelFehler, "Fehler", "Error"},
    {TextNr::TitelInformation, "Information", "Information"},
    {TextNr::TitelFrage, "Bestätigen", "Confirm"},
    {TextNr::TitelProgramm, "ZenaroWin", "ZenaroWin"},
    {TextNr::Ja, "&Ja", "&Yes"},
    {TextNr::Nein, "&Nein", "&No"},

    {TextNr::EAFehler, "E/A-Fehler %1", "I/O error %1"},
    {TextNr::Laufzeitfehler, "Laufzeitfehler %1", "Runtime error %1"},
    {TextNr::FehlerDateiNichtGefunden, "Datei nicht gefunden", "File not found"},
    {TextNr::FehlerPfadNichtGefunden, "Pfad nicht gefunden", "Path not found"},
    {TextNr::FehlerZugriffVerweigert, "Zugriff verweigert", "File access denied"},
    {TextNr::FehlerLesenUeberDateiende, "Lesen über das Dateiende hinaus",
     "Read beyond end of file"},
    {TextNr::FehlerSchreiben, "Fehler beim Schreiben auf den Datenträger", "Disk write error"},
    {TextNr::FehlerDivisionDurchNull, "Division durch Null", "Division by zero"},
    {TextNr::FehlerBereichsueberschreitung, "Bereichsüberschreitung", "Range check error"},
    {TextNr::FehlerUngueltigeGleitkommaoperation, "Ungültige Gleitkommaoperation",
     "Invalid floating point operation"},
    {TextNr::FehlerArithmetischerUeberlauf, "Arithmetischer Überlauf", "Arithmetic overflow"},

    {TextNr::UeberlaufKopf,
     "Nicht alle Datensätze passen in die Tabellen des Programms; die übrigen wurden nicht "
     "geladen. Bevor eine solche Datei neu geschrieben wird, bleibt sie vollständig als "
     "Sicherung (.bak) erhalten.",
     "Not all records fit into the tables of the program; the rest were not loaded. Before "
     "such a file is rewritten, it is kept whole as a backup (.bak)."},
    {TextNr::UeberlaufDatei, "%1: nicht geladene Datensätze: %2", "%1: records not loaded: %2"},

    {TextNr::HauptFormTitel, "Zenaro for Windows 2.5", "Zenaro for Windows 2.5"},
    {TextNr::NGCFehlt, "Datei mit dem NGC-Katalog (NGC.DTA) nicht gefunden",
     "File containing NGC-Catalogue (NGC.DTA) not found"},
    {TextNr::ICFehlt, "Datei mit dem IC-Katalog (IC.DTA) nicht gefunden",
     "File containing IC-Catalogue (IC.DTA) not found"},
    {TextNr::BSC4Fehlt, "Datei mit dem BSC4-Katalog (BSC4.DTA) nicht gefunden",
     "File containing BSC4-Catalogue (BSC4.DTA) not found"},

    {TextNr::GaugeFormTitel, "Berechnung der Ephemeride...", "calculating ephemeris..."},

    {TextNr::HellFormTitel, "HellForm", "HellForm"},

    // --- Hauptfenster ---
    {TextNr::HauptObjektBox, " Aktuelles Objekt ", " Recent object "},
    {TextNr::HauptObjekt, "Objekt", "Object"},
    {TextNr::HauptT, "T", "T"},
    {TextNr::HauptQ, "q", "q"},
    {TextNr::HauptE, "e", "e"},
    {TextNr::HauptA, "a", "a"},
    {TextNr::HauptKnoten, "Ω", "Ω"},
    {TextNr::HauptPerihelargument, "ω", "ω"},
    {TextNr::HauptI, "i", "i"},
    {TextNr::HauptAequinox, "Aeqiunox", "Aeqiunox"},
    {TextNr::HauptH11, "H[1,1]", "M[1,1]"},
    {TextNr::HauptN, "n", "n"},
    {TextNr::HauptHellHinweis, "Spezielle Helligkeitsparameter existieren",
     "specific brightness parameters available"},
    {TextNr::HauptHellBenutzen, "spezielle Helligkeitsparameter benutzen",
     "use specific brightness parameter"},
    {TextNr::HauptPunkte, "...", "..."},
    {TextNr::HauptBemerkungen, "Bemerkungen", "Remarks"},
    {TextNr::HauptNeu, "Neu", "New"},
    {TextNr::HauptLoeschen, "Löschen", "Delete"},
    {TextNr::HauptSpeichern, "Speichern", "Save"},
    {TextNr::HauptOrtBox, " Beobachtungsort ", " Observing location "},
    {TextNr::HauptName, "Name", "Name"},
    {TextNr::HauptBreite, "geogr. Breite", "Latitude"},
    {TextNr::HauptLaenge, "geogr. Länge", "Longitude"},
    {TextNr::HauptNord, "N", "N"},
    {TextNr::HauptSued, "S", "S"},
    {TextNr::HauptOst, "O", "E"},
    {TextNr::HauptWest, "W", "W"},
    {TextNr::HauptParameterBox, " Parameter ", " Parameter "},
    {TextNr::HauptStartdatum, "Startdatum", "Start date"},
    {TextNr::HauptStartzeit, "Startzeit", "Start time"},
    {TextNr::HauptStopdatum, "Stopdatum", "Stop date"},
    {TextNr::HauptStopzeit, "Stopzeit", "Stop time"},
    {TextNr::HauptAendern, " ... ", " ... "},
    {TextNr::HauptSchrittTage, "Schrittweite:        Tage", "Increment:            days"},
    {TextNr::HauptSchrittStunden, "Stunden", "hours"},
    {TextNr::HauptZeitzone, "Zeitzone", "Time zone"},
    {TextNr::HauptHeute, "heute", "today"},
    {TextNr::HauptDeepSky, "Deep Sky Passagen anzeigen", "Show deep sky passages"},
    {TextNr::HauptRadius, "Radius", "Radius"},
    {TextNr::HauptSonnenhoehe, "Sonnenhöhe für Dämmerung", "Altitude of the sun declaring night"},
    {TextNr::HauptAlle, "Ephemeride aller Objekte", "Ephemeris of all objects"},
    {TextNr::HauptGrenzgroesse, "Grenzgröße", "Magnitude limit"},
    {TextNr::HauptSortieren, "Nach Helligkeit sortieren", "Sort in magnitude order"},
    {TextNr::HauptSichtbare, "Nur am Beobachtungsort sichtbare Objekte anzeigen",
     "Show objects only visible at observing location"},
    {TextNr::HauptKonjunktionen, "Konjunktionen berechnen", "Calculate conjunctions"},
    {TextNr::HauptBerechnen, "Ephemeride berechnen", "Calculate ephemeris"},
    {TextNr::HauptDrucken, "Ephemeride drucken", "Print ephemeris"},
    {TextNr::HauptEphSpeichern, "Ephemeride speichern", "Save ephemeris"},
    {TextNr::HauptDownload, "Update Bahnelemente", "Download elements"},
    {TextNr::HauptEnde, "Programm beenden", "Exit program"},
    {TextNr::HauptDateiStand, " Kometen - Stand: ", " Comets - file date: "},
    {TextNr::HauptBahnelemente, " Bahnelemente (%1 von %2) ", " Orbital elements (%1 out of %2) "},
    {TextNr::HauptOrtZaehler, " Beobachtungsort (%1 von %2) ",
     " Observing location (%1 out of %2) "},
    {TextNr::HauptBeendenFrage, "Soll das Programm wirklich beendet werden?",
     "Do you really want to quit?"},
    {TextNr::HauptNeuesObjekt, "Neuer Eintrag", "new entry"},
    {TextNr::HauptObjektLoeschenFrage, "Sollen diese Bahnelemente wirklich gelöscht werden?",
     "Do you really want to delete this orbital elements?"},
    {TextNr::HauptObjekteVoll,
     "Die Tabelle der Bahnelemente ist voll (höchstens %1 Objekte). Bitte zuerst ein Objekt "
     "löschen.",
     "The table of orbital elements is full (at most %1 objects). Please delete an object first."},
    {TextNr::HauptNameFehlt, "Namen des Objekts eingeben", "Enter name of the object"},
    {TextNr::HauptTFehlt, "Periheldurchgang eingeben", "Enter time of pericenter passage"},
    {TextNr::HauptTFormat, "Ungültiges Format für den Periheldurchgang (JJJJ-MM-TT.tttt)",
     "Invalid format time of pericenter passage (YYYY-MM-DD.dddd)"},
    {TextNr::HauptTJahr, "Ungültiges Format für die Jahresangabe des Periheldurchgangs",
     "Invalid format time of pericenter passage year"},
    {TextNr::HauptTMonat, "Ungültiges Format für die Monatsangabe des Periheldurchgangs",
     "Invalid format time of pericenter passage month"},
    {TextNr::HauptTTag, "Ungültiges Format für die Tagesangabe des Periheldurchgangs",
     "Invalid format time of pericenter passage day"},
    {TextNr::HauptQFehlt, "Periheldistanz eingeben (q)", "Enter pericenter distance (q)"},
    {TextNr::HauptQFalsch, "Fehlerhafte Periheldistanz (q)", "Invalid pericenter distance (q)"},
    {TextNr::HauptEFehlt, "Exzentrizität eingeben (e)", "Enter eccentricity (e)"},
    {TextNr::HauptEFalsch, "Fehlerhafte Exzentrizität (e)", "Invalid eccentricity (e)"},
    {TextNr::HauptAFehlt, "Große halbe Bahnachse eingeben (a)", "Enter semimajor axis (a)"},
    {TextNr::HauptAFalsch, "Fehlerhafte Große halbe Bahnachse (a)", "Invalid semimajor axis (a)"},
    {TextNr::HauptKnotenFehlt, "Länge des aufsteigenden Knotens eingeben",
     "Enter longitude of ascending node"},
    {TextNr::HauptKnotenFalsch, "Fehlerhafte Länge des aufsteigenden Knotens",
     "Invalid longitude of ascending node"},
    {TextNr::HauptPeriFehlt, "Perihelargument eingeben", "Enter argument of pericenter"},
    {TextNr::HauptPeriFalsch, "Fehlerhaftes Perihelargument", "Invalid argument of pericenter"},
    {TextNr::HauptNeigungFehlt, "Bahnneigung eingeben", "Enter inclination"},
    {TextNr::HauptNeigungFalsch, "Fehlerhafte Bahnneigung", "Invalid inclination"},
    {TextNr::HauptAequinoxFehlt, "Äquiniktium eingeben", "Enter aequinox"},
    {TextNr::HauptAequinoxFalsch, "Fehlerhaftes Äquiniktium", "Invalid aequinox"},
    {TextNr::HauptH11Fehlt, "Grundhelligkeit H[1,1] eingeben", "Enter magnitude parameter m0"},
    {TextNr::HauptH11Falsch, "Fehlerhafte Grundhelligkeit H[1,1]",
     "Invalid magnitude parameter m0"},
    {TextNr::HauptNFehlt, "Luminiszenzfaktor n eingeben", "Enter magnitude parameter n"},
    {TextNr::HauptNFalsch, "Fehlerhafter Luminiszenzfaktor n", "Invalid magnitude parameter n"},
    {TextNr::HauptNeuerOrt, "Neuer Ort", "new location"},
    {TextNr::HauptOrtLoeschenFrage, "Soll dieser Beobachtungsort wirklich gelöscht werden?",
     "Do you really want to delete this observing location?"},
    {TextNr::HauptOrteVoll,
     "Die Tabelle der Beobachtungsorte ist voll (höchstens %1 Orte). Bitte zuerst einen Ort "
     "löschen.",
     "The table of observing locations is full (at most %1 locations). Please delete a location "
     "first."},
    {TextNr::HauptOrtNameFehlt, "Bezeichnung des Beobachtungsortes eingeben",
     "Enter name of observing location"},
    {TextNr::HauptBreiteFehlt, "Geogr. Breite eingeben", "Enter latitude"},
    {TextNr::HauptBreiteFalsch, "Geogr. Breite fehlerhaft", "Invalid latitude"},
    {TextNr::HauptLaengeFehlt, "Geogr. Länge eingeben", "Enter longitude"},
    {TextNr::HauptLaengeFalsch, "Geogr. Länge fehlerhaft", "Invalid longitude"},
    // --- end Hauptfenster ---

    // --- Parameter und Rechnung ---
    {TextNr::ParStartdatumEingeben, "Startdatum eingeben", "Enter start date"},
    {TextNr::ParStartdatumFormat, "Fehlerhaftes Startdatum (TT.MM.JJJJ)",
     "Invalid start date (DD.MM.YYYY)"},
    {TextNr::ParStartdatumJahr, "Fehlerhafte Jahresangabe im Startdatum",
     "Invalid start date year"},
    {TextNr::ParStartdatumMonat, "Fehlerhafte Monatsangabe im Startdatum",
     "Invalid start date month"},
    {TextNr::ParStartdatumTag, "Fehlerhafte Tagesangabe im Startdatum", "Invalid start date day"},
    {TextNr::ParStopdatumEingeben, "Stopdatum eingeben", "Enter stop date"},
    {TextNr::ParStopdatumFormat, "Fehlerhaftes Stopdatum (TT.MM.JJJJ)",
     "Invalid stop date format (DD.MM.YYYY)"},
    {TextNr::ParStopdatumJahr, "Fehlerhafte Jahresangabe im Stopdatum", "Invalid stop date year"},
    {TextNr::ParStopdatumMonat, "Fehlerhafte Monatsangabe im Stopdatum", "Invalid stop date month"},
    {TextNr::ParStopdatumTag, "Fehlerhafte Tagesangabe im Stopdatum", "Invalid stop date day"},
    {TextNr::ParStartzeitEingeben, "Startzeit eingeben", "Enter start time"},
    {TextNr::ParStartzeitFormat, "Ungültige Startzeitangabe (HH:MM)",
     "Invalid start time format (HH:MM)"},
    {TextNr::ParStartzeitStunden, "Ungültige Stundenangabe bei Startzeit",
     "Invalid start time hours"},
    {TextNr::ParStartzeitMinuten, "Ungültige Minutenangabe bei Startzeit",
     "Invalid start time minutes"},
    {TextNr::ParStopzeitEingeben, "Stopzeit eingeben", "Enter stop time"},
    {TextNr::ParStopzeitFormat, "Ungültige Stopzeitangabe (HH:MM)",
     "Invalid stop time format (HH:MM)"},
    {TextNr::ParStopzeitStunden, "Ungültige Stundenangabe bei Stopzeit", "Invalid stop time hours"},
    {TextNr::ParStopzeitMinuten, "Ungültige Minutenangabe bei Stopzeit",
     "Invalid stop time minutes"},
    {TextNr::ParTageEingeben, "Tagesangabe der Schrittweite eingeben", "Enter step width days"},
    {TextNr::ParTageFehlerhaft, "Fehlerhafte Tagesangabe der Schrittweite",
     "Invalid step width days"},
    {TextNr::ParStundenEingeben, "Stundenangabe der Schrittweite eingeben",
     "Enter step width hours"},
    {TextNr::ParStundenFehlerhaft, "Fehlerhafte Stundenangabe der Schrittweite",
     "Invalid step width hours"},
    {TextNr::ParSchrittweiteNull, "Die Schrittweite 0 ist nicht erlaubt",
     "You entered a zero step width value"},
    {TextNr::ParZoneAuswaehlen, "Zeitzone auswählen", "Enter time zone"},
    {TextNr::ParRadiusEingeben, "Radius eingeben", "Enter radius"},
    {TextNr::ParRadiusFehlerhaft, "Fehlerhafter Radius", "Invalid radius"},
    {TextNr::ParGrenzgroesseEingeben, "Grenzgröße eingeben", "Enter limiting magnitude"},
    {TextNr::ParGrenzgroesseFehlerhaft, "Fehlerhafte Grenzgröße", "Invalid limiting magnitude"},
    {TextNr::ParSonnenhoeheEingeben, "Sonnenhöhe für Dämmerung eingeben (nur ganzzahlige Werte)",
     "Enter altitude of sun for night (no fractional values)"},
    {TextNr::ParSonnenhoeheFehlerhaft, "Sonnenhöhe für Dämmerung fehlerhaft",
     "Invalid altitude of sun for night"},
    {TextNr::ParKLimitEingeben, "Grenzgröße für Konjunktionen eingeben",
     "Enter limiting magnitude for conjunctions"},
    {TextNr::ParKLimitFehlerhaft, "Fehlerhafte Grenzgröße für Konjunktionen",
     "Invalid limiting magnitude for conjunctions"},
    {TextNr::ParKRadiusEingeben, "Radius für Konjunktionen eingeben",
     "Enter radius for conjunctions"},
    {TextNr::ParKRadiusFehlerhaft, "Fehlerhafter Radius für Konjunktionen",
     "Invalid radius for conjunctions"},
    {TextNr::RechEphemerideVoll,
     "Die Ephemeridentabelle ist voll. Die Ausgabe zeigt nur die ersten %1 Zeilen; die "
     "Zeitpunkte danach wurden nicht berechnet.",
     "The ephemeris table is full. The output shows only the first %1 rows; the instants after "
     "them were not calculated."},
    {TextNr::RechKonjunktionenVoll,
     "Die Tabelle der Konjunktionen ist voll. Die Ausgabe zeigt nur die ersten %1 Konjunktionen; "
     "die Suche wurde dort beendet.",
     "The conjunction table is full. The output shows only the first %1 conjunctions; the search "
     "stopped there."},
    {TextNr::RechKeinObjekt, "Es ist kein Objekt vorhanden, für das gerechnet werden könnte",
     "There is no object to calculate"},
    {TextNr::RechKeinOrt, "Es ist kein Beobachtungsort vorhanden, für den gerechnet werden könnte",
     "There is no observing location to calculate for"},
    {TextNr::RechSpeicherVoll,
     "Der Arbeitsspeicher reicht für diese Rechnung nicht aus; sie wurde abgebrochen. Wählen Sie "
     "einen kürzeren Zeitraum oder größere Schritte.",
     "There is not enough memory for this calculation; it was stopped. Choose a shorter range or "
     "larger steps."},
    {TextNr::DownErfolgreich, "Download erfolgreich, es wurden %1 Sätze gelesen.",
     "Download successful, %1 record(s) received."},
    {TextNr::DownGescheitert, "Download gescheitert", "Download failed!"},
    {TextNr::DownNichtsVerwendbar,
     "Die geladene Liste enthält keine verwendbaren Bahnelemente. Die bisherigen Objekte und "
     "die Datei Bahnelem.dat bleiben unverändert.",
     "The downloaded list holds no usable orbital elements. The objects and the file "
     "Bahnelem.dat stay as they were."},
    {TextNr::DownNichtUebernommen,
     "Weitere Kometen der Liste: %1. Sie wurden nicht übernommen, weil die Objekttabelle "
     "höchstens %2 Objekte fasst.",
     "Further comets of the list: %1. They were not taken over, because the object table holds "
     "at most %2 objects."},
    {TextNr::DownUnlesbar,
     "Zeilen der Liste ohne lesbare Bahnelemente: %1. Sie wurden übersprungen.",
     "Lines of the list without readable orbital elements: %1. They were skipped."},
    // --- end Parameter und Rechnung ---

    // --- Datum ---
    {TextNr::DatumFormTitel, "Select date and time", "Select date and time"},
    {TextNr::DatumZeit, "Zeit (HH:MM)", "Time (HH:MM)"},
    {TextNr::DatumZone, "Zeitzone", "Time zone"},
    {TextNr::DatumUebernehmen, "Übernehmen", "Apply"},
    {TextNr::DatumAbbrechen, "Cancel", "Cancel"},
    // --- end Datum ---

    // --- Ephemeridentext ---
    {TextNr::EphTitel, "Ephemeride für ", "Ephemeris for "},
    {TextNr::EphTitelFenster, "Ephemeride für ", "Ephemeris on "},
    {TextNr::EphUm, " um ", " at "},
    {TextNr::EphBisHelligkeit, " bis Helligkeit ", " down to magnitude "},
    {TextNr::EphZoneAnfang, "Alle Zeiten sind in ", "All time values are given in "},
    {TextNr::EphZoneOrt, " angegeben und gelten für ", " and are valid for location "},
    {TextNr::EphDaemmerung, "Die festgelegte Sonnenhöhe für Dämmerung beträgt ",
     "Altitude of the sun for night is set to "},
    {TextNr::EphHellKopf, "Berechnung der Helligkeit:", "Magnitude calculation terms:"},
    {TextNr::EphBis, " bis ", " until "},
    {TextNr::EphKopfAlleDeepSky,
     "Objekt                          RA        Dek.         r      Delta   Elong. Mond    Phase "
     "Aufg  Untg  Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb nahe bei [Hell] (Distanz)",
     "Object                          RA        Dec.         r      Delta   Elong. Moon    Phase "
     "Rise  Set   Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con near to [Magn] "
     "(separation)"},
    {TextNr::EphKopfAlle,
     "Objekt                          RA        Dek.         r      Delta   Elong. Mond    Phase "
     "Aufg  Untg  Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb",
     "Object                          RA        Dec.         r      Delta   Elong. Moon    Phase "
     "Rise  Set   Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con"},
    {TextNr::EphKopfEinzelnDeepSky,
     "Datum/Uhrzeit        RA        Dek.         r      Delta   Elong. Mond    Phase Aufg  Untg  "
     "Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb nahe bei [Hell] (Distanz)",
     "Date/time            RA        Dec.         r      Delta   Elong. Moon    Phase Rise  Set   "
     "Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con near to [Magn] (separation)"},
    {TextNr::EphKopfEinzeln,
     "Datum/Uhrzeit        RA        Dek.         r      Delta   Elong. Mond    Phase Aufg  Untg  "
     "Kulm. KHöhe TOpt  Höhe Mond Hell  RA/h    Dek./h  Stb",
     "Date/time            RA        Dec.         r      Delta   Elong. Moon    Phase Rise  Set   "
     "Trans TElev TOpt  Elev Moon Magn  RA/h    Dec./h  Con"},
    {TextNr::EphAufgangZirkum, "zirkum", "always"},
    {TextNr::EphAufgangUnbeob, "unbeob", "invisi"},
    {TextNr::EphUntergangPolar, "polar ", " vis. "},
    {TextNr::EphUntergangAchtbar, "achtb.", "ble   "},
    {TextNr::EphLegende, "Legende:", "Legende:"},
    {TextNr::EphLegDatum, "Datum/Uhrzeit = Berechnungsdatum und -uhrzeit",
     "Date/time     = Date and time of calculation"},
    {TextNr::EphLegRADek, "RA, Dek.      = Rektaszension, Deklination (2000.0)",
     "RA, Dec.      = Right Ascension, Declination (2000.0)"},
    {TextNr::EphLegR, "r             = Abstand zur Sonne in aE",
     "r             = Distance to Sun in au"},
    {TextNr::EphLegDelta, "Delta         = Abstand zur Erde in aE",
     "Delta         = Distance to Earth in au"},
    {TextNr::EphLegElong, "Elong         = Winkelabstand zur Sonne in Grad",
     "Elong         = Angular separation to Sun in degrees"},
    {TextNr::EphLegMond, "Mond          = Winkelabstand zum Mond in Grad und Grad der Störung",
     "Moon          = Angular separation to Moon in degrees and degree of lunar interference"},
    {TextNr::EphLegStoerung,
     "                sehr stark(--), stark(-), moderat(0), gering(+), keine Störung(++)",
     "                very strong(--), strong(-), moderate(0), weak(+), no interference(++)"},
    {TextNr::EphLegPhase, "Phase         = Mondphase in %", "Phase         = Lunar phase in %"},
    {TextNr::EphLegAufUnt, "Aufg, Untg    = Aufgangs- und Untergangszeit",
     "Rise, Set     = Time of rise and set"},
    {TextNr::EphLegKulm, "Kulm, KHöhe   = Kulminationszeit und -höhe",
     "Trans, TElev  = Time of transit and corresponding elevation"},
    {TextNr::EphLegTOpt, "TOpt, Höhe    = Optimale Beobachtungszeit und -höhe",
     "TOpt, Elev    = Time for optimal observation and corresponding elevation"},
    {TextNr::EphLegTOptDatei, "TOpt, Höhe    = Optimale Beobachtungszeit und -höhe",
     "TOpt, Alt.    = Time for optimal observation and corresponding altitude"},
    {TextNr::EphLegMondTOpt, "Mond          = Grad der Mondstörung zur optimalen Beobachtungszeit",
     "Moon          = degree of lunar interference at time for optimal observation"},
    {TextNr::EphLegMondTOptDruck,
     "Mond          = Grad der Störung durch den Mond zum optimalen Beobachtungszeitpunkt",
     "Moon          = degree of lunar interference at time for optimal observation"},
    {TextNr::EphLegHell, "Hell          = Helligkeit in Mag. und Tendenz",
     "Magn          = Brightness in Mag. and trend"},
    {TextNr::EphLegBewegung,
     "RA/h, Dek./h  = Stündliche Bewegung in Rekt. und Dekl. in Bogenminuten",
     "RA/h, Dec./h  = Movement per hour in RA and Dec in arcminutes"},
    {TextNr::EphLegStb, "Stb           = Sternbild zu Rekt. und Dekl.",
     "Con           = Constellation"},
    {TextNr::EphLegNaheBei,
     "nahe bei      = Konjunktion mit Deep Sky Objekt, dessen Helligkeit und Distanz dazu",
     "near to       = Conjunction with Deep Sky object with magnitude and separation"},
    // --- end Ephemeridentext ---

    // --- Druck und Speichern ---
    {TextNr::DruckSeite, "Seite ", "Page "},
    {TextNr::DruckFehlerBeginnen, "Der Drucker kann das Dokument nicht beginnen",
     "The printer cannot begin the document"},
    {TextNr::DruckFehlerBeenden, "Der Drucker kann das Dokument nicht abschließen",
     "The printer cannot finish the document"},
    {TextNr::SpeicherFilter, "Textdateien|*.txt", "Textdateien|*.txt"},
    {TextNr::DateiErsetzenFrage, "%1 ist bereits vorhanden.\nMöchten Sie sie ersetzen?",
     "%1 already exists.\nDo you want to replace it?"},
    // --- end Druck und Speichern ---

    // --- Konjunktion ---
    {TextNr::KonjTitelAmFenster, "Konjunktionen für %1 um %2 bis Helligkeit %3",
     "Conjunctions on %1 at %2 down to magnitude %3"},
    {TextNr::KonjTitelAm, "Konjunktionen am %1 um %2 bis Helligkeit %3",
     "Conjunctions on %1 at %2 down to magnitude %3"},
    {TextNr::KonjTitelVonBis, "Konjunktionen vom %1 um %2 bis zum %3 um %4 bis Grenzgröße %5",
     "Conjunctions from %1 at %2 to %3 at %4 down to magnitude %5"},
    {TextNr::KonjKopfzeile,
     "Datum/Uhrzeit        Objekt1                   Objekt2                   Rekt.1   Dekl.1    "
     "Rekt.2   Dekl.2    Hell1 Hell2 Distanz",
     "Date/Time            Object1                   Object2                   RA1      Decl.1    "
     "RA2      Decl.2    Magn1 Magn2 Separation"},
    {TextNr::KonjStrichzeile,
     "-------------------- ------------------------- ------------------------- -------- --------- "
     "-------- --------- ----- ----- -------",
     "-------------------- ------------------------- ------------------------- -------- --------- "
     "-------- --------- ----- ----- ----------"},
    {TextNr::KonjLegendeDatumFenster, "Datum/Uhrzeit  = Berechnungsdatum und -uhrzeit",
     "Date/Time      = Date and Time of calculation"},
    {TextNr::KonjLegendeDatum, "Datum/Uhrzeit = Berechnungsdatum und -uhrzeit",
     "Date/Time      = Date and Time of calculation"},
    {TextNr::KonjLegendeObjekt1, "Objekt1        = Beteiligtes Objekt 1",
     "Object1        = Name of object 1"},
    {TextNr::KonjLegendeObjekt2, "Objekt2        = Beteiligtes Objekt 2",
     "Object2        = Name of object 2"},
    {TextNr::KonjLegendeOrt1, "Rekt.1, Dekl.1 = Rektaszension, Deklination (2000.0) Objekt 1",
     "RA1, Decl.1    = Right Ascension and Declination (2000.0) object 1"},
    {TextNr::KonjLegendeOrt2, "Rekt.2, Dekl.2 = Rektaszension, Deklination (2000.0) Objekt 2",
     "RA2, Decl.2    = Right Ascension and Declination (2000.0) object 2"},
    {TextNr::KonjLegendeHelligkeit, "Hell1, Hell2   = Helligkeit der beiden Objekte in Mag.",
     "Magn1, Magn2   = Brightness of object 1 and object 2 in Mag."},
    {TextNr::KonjLegendeDistanz, "Distanz        = Winkelabstand in Grad",
     "Separation     = Angular separation in degrees"},
    {TextNr::KonjKeine, "keine Konjunktionen im angegebenen Zeitraum",
     "no conjunctions at given time period"},
    {TextNr::KonjFilter, "Textdateien|*.txt", "Textfiles|*.txt"},
    // --- end Konjunktion ---

    // --- Hell ---
    {TextNr::HellBereichGroupBox, " Gültigkeitsbereich in Tagen ", " validity range "},
    {TextNr::HellVonLabel, "gültig von T", "valid from T"},
    {TextNr::HellBisLabel, "gültig bis T", "valid to T"},
    {TextNr::HellFormelGroupBox, " Helligkeitsformel ", " brightness formula  "},
    {TextNr::HellFormelM, "m = ", "m = "},
    {TextNr::HellFormelPlus, " + ", " + "},
    {TextNr::HellFormelLogD, "x  log d + 2.5 x ", "x  log d + 2.5 x"},
    {TextNr::HellFormelLogR, "x log r", "x log r"},
    {TextNr::HellFormelH11, "H[1,1]", "H[1,1]"},
    {TextNr::HellFormelN1, "n1", "n1"},
    {TextNr::HellFormelN2, "n2", "n2"},
    {TextNr::HellFormelKlammerAuf, "(T", "(T"},
    {TextNr::HellFormelKlammerZu, ")", ")"},
    {TextNr::HellFormelDT, "dT", "dT"},
    {TextNr::HellFaktorCheckBox, "erweiterte Helligkeitsformel anwenden", "use extended formula"},
    {TextNr::HellAddButton, "Hinzufügen", "Add"},
    {TextNr::HellUpdateButton, "Aufdatieren", "Update"},
    {TextNr::HellDelButton, "Löschen", "Delete"},
    {TextNr::HellCloseButton, "Fenster schließen", "Close window"},
    {TextNr::HellBis, " bis ", " until "},
    {TextNr::HellKeineSaetze, "Es sind noch keine Helligkeiten für diesen Kometen gespeichert",
     "No brightness parameters found"},
    {TextNr::HellBereichFehlt, "Bitte Gültigkeitsbereich festlegen",
     "Missing data for validity range"},
    {TextNr::HellH11Fehlt, "Wert für H[1,1] fehlt", "Missing data for H[1,1]"},
    {TextNr::HellN1Fehlt, "Wert für n1 fehlt", "Missing data for n1"},
    {TextNr::HellN2Fehlt, "Wert für n2 fehlt", "Missing data for n2"},
    {TextNr::HellVonFehlerhaft, "Fehlerhafter Von-Wert im Gültigkeitsbereich",
     "Invalid value for From in validity range"},
    {TextNr::HellBisFehlerhaft, "Fehlerhafter Bis-Wert im Gültigkeitsbereich",
     "Invalid value for To in validity range"},
    {TextNr::HellH11Fehlerhaft, "Fehlerhafter Wert für H[1,1]", "Invalid value for H[1,1]"},
    {TextNr::HellN1Fehlerhaft, "Fehlerhafter Wert für n1", "Invalid value for n1"},
    {TextNr::HellN2Fehlerhaft, "Fehlerhafter Wert für n2", "Invalid value for n2"},
    {TextNr::HellDTFehlerhaft, "Fehlerhafter Wert für dT", "Invalid value for dT"},
    {TextNr::HellBereichExistiert, "Es existiert bereits ein Eintrag für diesen Zeitraum",
     "Values for this validity range already exists"},
    {TextNr::HellUeberlappung,
     "Die Zeitangaben überlappen sich mit: ", "validity range overlaps with: "},
    {TextNr::HellEingetragen, "Die Helligkeitsparameter wurden eingetragen",
     "The new brightness parameters are added"},
    {TextNr::HellAufdatiert, "Die Helligkeitsparameter wurden aufdatiert",
     "The brightness parameters are updated"},
    {TextNr::HellEntfernt, "Die Helligkeitsparameter wurden entfernt",
     "The brightness parameters are removed"},
    {TextNr::HellTabelleVoll,
     "Die Tabelle der Helligkeitsparameter ist voll (höchstens 1000 Einträge)",
     "The table of brightness parameters is full (at most 1000 entries)"},
    {TextNr::HellKeinObjekt, "Es ist kein Objekt vorhanden, für das Helligkeiten gelten könnten",
     "There is no object for brightness parameters"},
    // --- end Hell ---
};

constexpr bool TabelleGeordnet() {
    if (std::size(TextTabelle) != static_cast<std::size_t>(TextNr::Anzahl)) return false;
    for (std::size_t i = 0; i < std::size(TextTabelle); ++i)
        if (static_cast<std::size_t>(TextTabelle[i].nr) != i) return false;
    return true;
}
static_assert(TabelleGeordnet(), "every TextNr needs its line in the table, in the same order");

}  // namespace

QString Text(TextNr nr, bool englisch) {
    const auto i = static_cast<std::size_t>(nr);
    if (i >= std::size(TextTabelle)) return {};
    return QString::fromUtf8(englisch ? TextTabelle[i].englisch : TextTabelle[i].deutsch);
}

QString Text(TextNr nr) { return Text(nr, Englisch); }

}  // namespace zenaro
