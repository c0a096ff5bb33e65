#include "engine/ZenaroDef.hpp"

namespace zenaro {

Tabelle<TBahnelement, MaxObjekte> Objekte;
std::int32_t AnzahlObjekte = 0;
Tabelle<TOrt, MaxOrte> Orte;
std::int32_t AnzahlOrte = 0;
Tabelle<TDeepSkyObjekt, MaxNGC> NGCKatalog;
std::int32_t AnzahlNGC = 0;
Tabelle<TDeepSkyObjekt, MaxIC> ICKatalog;
std::int32_t AnzahlIC = 0;
Tabelle<TStern, MaxSterne> Sternkatalog;
std::int32_t AnzahlSterne = 0;
Tabelle<THellParameter, MaxHellParameter> HellParameterListe;
std::int32_t AnzahlHellParameter = 0;
Tabelle<std::int32_t, MaxHellAuswahl> HellAuswahl;
std::int32_t AnzahlHellAuswahl = 0;
Tabelle<TEphemeridenZeile, MaxZeilen> Ephemeride;
std::int32_t AnzahlZeilen = 0;
Tabelle<TKonjPosition, MaxZeilen> KonjPositionen;
std::int32_t AnzahlKonjPositionen = 0;
Tabelle<TKonjunktionsZeile, MaxZeilen> Konjunktionen;
std::int32_t AnzahlKonjunktionen = 0;

ShortString<10> Startdatum;
ShortString<10> Stopdatum;
ShortString<5> Startzeit{VorgabeZeit};
ShortString<5> Stopzeit{VorgabeZeit};
std::int32_t SchrittTage = VorgabeSchrittTage;
Extended SchrittStunden = VorgabeSchrittStunden;
std::int32_t ZonenIndex = VorgabeZonenIndex;
bool DeepSkyAnzeigen = VorgabeDeepSkyAnzeigen;
Extended DeepSkyRadius = VorgabeDeepSkyRadius;
Extended Grenzgroesse = VorgabeGrenzgroesse;
Extended KonjRadius = VorgabeKonjRadius;
Extended KonjGrenzgroesse = VorgabeKonjGrenzgroesse;
bool AlleObjekte = VorgabeAlleObjekte;
bool NurSichtbare = VorgabeNurSichtbare;
std::int32_t DaemmerungsHoehe = VorgabeDaemmerungsHoehe;

std::string DatenVerzeichnis;

std::int32_t AktObjekt = 0;
std::int32_t AktOrt = 0;
bool AlleObjekteModus = false;
bool NachHelligkeitSortieren = false;
bool HellParameterBenutzen = false;
Extended ZonenOffset = 0.0L;
std::string ZeitzonenName;
std::int32_t StartTag = 0;
std::int32_t StartMonat = 0;
std::int32_t StartJahr = 0;
std::int32_t StopTag = 0;
std::int32_t StopMonat = 0;
std::int32_t StopJahr = 0;
Extended StartStunde = 0.0L;
Extended StopStunde = 0.0L;
std::int32_t SchrittweiteTage = 0;
Extended SchrittweiteStunden = 0.0L;
Extended KonjZeitT = 0.0L;
Extended KonjZeitMJD = 0.0L;
bool ElementeGeaendert = false;

bool Englisch = false;

const Feld<ShortString<2>, 0, 6> Wochentage{
    std::array<ShortString<2>, 7>{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"}};

const Feld<ShortString<3>, 1, 12> MonatsnamenDeutsch{std::array<ShortString<3>, 12>{
    "Jan", "Feb", "Mrz", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"}};
const Feld<ShortString<3>, 1, 12> MonatsnamenEnglisch{std::array<ShortString<3>, 12>{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"}};

const ShortString<3>& TMonatsnamen::operator[](std::int32_t monat) const {
    return Englisch ? MonatsnamenEnglisch[monat] : MonatsnamenDeutsch[monat];
}

const TMonatsnamen Monatsnamen{};

void EinstellungenVorgabenSetzen(const std::string& heute) {
    Startdatum = heute;
    Stopdatum = heute;
    Startzeit = VorgabeZeit;
    Stopzeit = VorgabeZeit;
    SchrittTage = VorgabeSchrittTage;
    SchrittStunden = VorgabeSchrittStunden;
    ZonenIndex = VorgabeZonenIndex;
    DeepSkyAnzeigen = VorgabeDeepSkyAnzeigen;
    DeepSkyRadius = VorgabeDeepSkyRadius;
    Grenzgroesse = VorgabeGrenzgroesse;
    KonjRadius = VorgabeKonjRadius;
    KonjGrenzgroesse = VorgabeKonjGrenzgroesse;
    AlleObjekte = VorgabeAlleObjekte;
    NurSichtbare = VorgabeNurSichtbare;
    DaemmerungsHoehe = VorgabeDaemmerungsHoehe;
}

TEinstellungen EinstellungenAlsSatz() {
    TEinstellungen satz;
    satz.Startdatum = Startdatum;
    satz.Stopdatum = Stopdatum;
    satz.Startzeit = Startzeit;
    satz.Stopzeit = Stopzeit;
    satz.SchrittTage = SchrittTage;
    satz.SchrittStunden = SchrittStunden;
    satz.ZonenIndex = ZonenIndex;
    satz.DeepSkyAnzeigen = DeepSkyAnzeigen;
    satz.DeepSkyRadius = DeepSkyRadius;
    satz.Grenzgroesse = Grenzgroesse;
    satz.KonjRadius = KonjRadius;
    satz.KonjGrenzgroesse = KonjGrenzgroesse;
    satz.AlleObjekte = AlleObjekte;
    satz.NurSichtbare = NurSichtbare;
    satz.DaemmerungsHoehe = DaemmerungsHoehe;
    return satz;
}

void EinstellungenUebernehmen(const TEinstellungen& satz) {
    // The texts as far as their length goes, at most 10 and 5 characters.
    Startdatum = satz.Startdatum.Text();
    Stopdatum = satz.Stopdatum.Text();
    Startzeit = satz.Startzeit.Text();
    Stopzeit = satz.Stopzeit.Text();
    SchrittTage = satz.SchrittTage;
    SchrittStunden = satz.SchrittStunden;
    ZonenIndex = satz.ZonenIndex;
    DeepSkyAnzeigen = satz.DeepSkyAnzeigen;
    DeepSkyRadius = satz.DeepSkyRadius;
    Grenzgroesse = satz.Grenzgroesse;
    KonjRadius = satz.KonjRadius;
    KonjGrenzgroesse = satz.KonjGrenzgroesse;
    AlleObjekte = satz.AlleObjekte;
    NurSichtbare = satz.NurSichtbare;
    DaemmerungsHoehe = satz.DaemmerungsHoehe;
}

}  // namespace zenaro
